#include <gtest/gtest.h>

#include <QApplication>

#include "app/mervane_app.h"

int main(int argc, char* argv[]) {
    mervane::CMervaneApp::BeforeQApplication();
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
