#include "app/qt_platform.h"

#include <QEventLoop>
#include <QString>
#include <QTimer>
#include <cmath>

#include "app/mervane_view.h"
#include "app/message_box.h"
#include "render/qt_text.h"

namespace mervane {
namespace {

double pauseScale = 1.0;
std::optional<LocalTime> fixedTime;

}  // namespace

void QtGamePlatform::SetPauseScale(double scale) {
    pauseScale = scale < 0 ? 0 : scale;
}
double QtGamePlatform::PauseScale() {
    return pauseScale;
}

void QtGamePlatform::FixClock(std::optional<LocalTime> time) {
    fixedTime = time;
}

LocalTime QtGamePlatform::LocalNow() const {
    return fixedTime ? *fixedTime : clock_.LocalNow();
}

void QtGamePlatform::Redraw() {
    view_.PaintNow();
}

void QtGamePlatform::Sleep(int ms) {
    if (quitting_ || ms <= 0) return;
    QEventLoop loop;
    QTimer timer;
    // The default coarse timer is off by up to a tenth of a second at these lengths.
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(static_cast<int>(std::lround(ms * pauseScale)));
    QEventLoop* outer = pause_;
    pause_ = &loop;
    loop.exec();
    pause_ = outer;
}

bool QtGamePlatform::AskYesNo(std::string_view text) {
    if (quitting_) return false;
    return view_.Messages().Ask(&view_, ToQString(text));
}

void QtGamePlatform::ShowMessage(std::string_view text) {
    if (quitting_) return;
    view_.Messages().Show(&view_, ToQString(text));
}

void QtGamePlatform::PumpViewMessages() {
    view_.DeliverQueuedTaps();
}

void QtGamePlatform::DropQueuedTaps() {
    view_.DropQueuedTaps();
}

Rect QtGamePlatform::ClientRect() const {
    return {0, 0, CMervaneView::TableWidth, CMervaneView::TableHeight};
}

void QtGamePlatform::Quit() {
    quitting_ = true;
    if (pause_) pause_->quit();
}

}  // namespace mervane
