#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "app/command_line.h"
#include "app/frame/main_frame.h"
#include "app/mervane_app.h"
#include "app/table/mervane_view.h"
#include "app/translations.h"

namespace {

// Before QApplication: --help and --version must answer without a display. A core
// application needs none, and lets the answer speak the user's language; it is gone
// again before the window system's application is made.
mervane::CommandLineOutcome ReadCommandLine(int& argc, char* argv[]) {
    const QCoreApplication core(argc, argv);
    mervane::InstallTranslations(QLocale::system());
    mervane::CommandLineOutcome outcome = mervane::ParseCommandLine(
        mervane::RawArguments(argc, argv), QStringLiteral(MERVANE_VERSION));
    mervane::RemoveTranslations();
    return outcome;
}

}  // namespace

int main(int argc, char* argv[]) {
    const mervane::CommandLineOutcome command = ReadCommandLine(argc, argv);
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
    const int code = QApplication::exec();
    // All that is kept was written as the window closed. A card deck still parsed or
    // drawn on the worker would hold the end of the program until it is done, for
    // seconds with a pathological deck: the process ends without waiting for it.
    if (app.MainFrame()->View()->FaceSource().Busy()) {
        std::fflush(nullptr);
        std::_Exit(code);
    }
    return code;
}
