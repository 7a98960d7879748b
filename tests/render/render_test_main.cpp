#include <gtest/gtest.h>

#include <QGuiApplication>

// Fonts and images need a GUI application; the tests run on the offscreen platform.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
