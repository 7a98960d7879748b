#include <gtest/gtest.h>

#include <QApplication>

#include "app/mervane_app.h"

int main(int argc, char* argv[]) {
    // The tests read the English texts whatever the machine's language; the program's
    // start, which some of them run, installs the translations of this one.
    qputenv("LANGUAGE", "en");
    mervane::CMervaneApp::BeforeQApplication();
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
