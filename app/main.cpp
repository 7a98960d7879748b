#include <QApplication>
#include <iostream>

#include "app/command_line.h"
#include "app/mervane_app.h"

int main(int argc, char* argv[]) {
    // Before QApplication: --help and --version must answer without a display.
    const mervane::CommandLineOutcome command = mervane::ParseCommandLine(
        mervane::RawArguments(argc, argv), QStringLiteral(MERVANE_VERSION));
    if (!command.startGame) {
        std::cout << command.out << std::flush;
        std::cerr << command.err << std::flush;
        return command.exitCode;
    }
    mervane::CMervaneApp::BeforeQApplication();
    QApplication application(argc, argv);
    // Lets Wayland compositors and docks match the window with its launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(MERVANE_APP_ID));
    mervane::CMervaneApp app;
    if (!app.InitInstance()) return 1;
    return QApplication::exec();
}
