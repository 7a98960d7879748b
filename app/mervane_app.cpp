#include "app/mervane_app.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>

#include "app/frame/main_frame.h"
#include "app/stores/settings_store.h"
#include "app/termination_signals.h"
#include "app/translations.h"
#include "game/settings.h"

namespace mervane {

CMervaneApp::CMervaneApp() = default;
CMervaneApp::~CMervaneApp() = default;

void CMervaneApp::BeforeQApplication() {
    // The desktop's own scale, fractional included: the Sharp look draws at the
    // screen's resolution, and the Classic look picks whole factors of device pixels.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

bool CMervaneApp::InitInstance() {
    QCoreApplication::setOrganizationName(
        QString::fromLatin1(setting::Company.data(), setting::Company.size()));
    QCoreApplication::setApplicationName(ApplicationName());
    // Before any window, whose texts are looked up as it is built.
    InstallTranslations(QLocale::system());
    frame_ = std::make_unique<CMainFrame>();
    QObject::connect(frame_.get(), &CMainFrame::closed, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    frame_->show();
    CMainFrame* frame = frame_.get();
    signals_ = std::make_unique<TerminationSignals>([frame] { frame->Exit(); });
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, frame,
                     [frame](QSessionManager&) { frame->PutGameAway(); });
#endif
    return true;
}

}  // namespace mervane
