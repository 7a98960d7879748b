#include "app/mervane_app.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include "app/main_frame.h"
#include "app/settings_store.h"
#include "game/settings.h"

namespace mervane {

CMervaneApp::CMervaneApp() = default;
CMervaneApp::~CMervaneApp() = default;

void CMervaneApp::BeforeQApplication() {
    // A fractional desktop scale would make card borders uneven; whole factors only.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

bool CMervaneApp::InitInstance() {
    QCoreApplication::setOrganizationName(
        QString::fromLatin1(setting::Company.data(), setting::Company.size()));
    QCoreApplication::setApplicationName(ApplicationName());
    frame_ = std::make_unique<CMainFrame>();
    QObject::connect(frame_.get(), &CMainFrame::closed, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    frame_->show();
    return true;
}

}  // namespace mervane
