#include <QApplication>

#include "app/mervane_app.h"

int main(int argc, char* argv[]) {
    mervane::CMervaneApp::BeforeQApplication();
    QApplication application(argc, argv);
    mervane::CMervaneApp app;
    if (!app.InitInstance()) return 1;
    return QApplication::exec();
}
