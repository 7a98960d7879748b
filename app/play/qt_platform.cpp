#include "app/play/qt_platform.h"

#include <QString>
#include <cmath>
#include <utility>

#include "app/dialogs/message_box.h"
#include "game/translate.h"
#include "layout/card_table.h"
#include "render/qt_text.h"

namespace mervane {

QtGamePlatform::QtGamePlatform(MessageBoxes& messages) : messages_(messages) {
    // The default coarse timer is off by up to a tenth of a second at these lengths.
    pause_.setTimerType(Qt::PreciseTimer);
    pause_.setSingleShot(true);
    QObject::connect(&pause_, &QTimer::timeout, [this] { Resume(); });
}

void QtGamePlatform::ShowOn(QWidget* screen, std::function<void()> paintNow) {
    screen_ = screen;
    paintNow_ = std::move(paintNow);
}

void QtGamePlatform::SetPauseScale(double scale) {
    pauseScale_ = scale < 0 ? 0 : scale;
}

LocalTime QtGamePlatform::LocalNow() const {
    return fixedTime_ ? *fixedTime_ : clock_.LocalNow();
}

void QtGamePlatform::Redraw() {
    if (paintNow_) paintNow_();
}

bool QtGamePlatform::Sleep(int ms, std::function<void()> resume) {
    if (quitting_) return true;  // the chain stays where it is until the window goes
    if (ms <= 0) return false;
    resume_ = std::move(resume);
    pause_.start(static_cast<int>(std::lround(ms * pauseScale_)));
    return true;
}

void QtGamePlatform::Resume() {
    if (auto resume = std::exchange(resume_, {})) resume();
}

bool QtGamePlatform::AskYesNo(std::string_view text) {
    if (quitting_) return false;
    // The game passes its English source text; the user reads it in their language.
    return messages_.Ask(screen_, ToQString(Tr("Messages", text)));
}

void QtGamePlatform::ShowMessage(std::string_view text) {
    if (quitting_) return;
    messages_.Show(screen_, ToQString(Tr("Messages", text)));
}

bool QtGamePlatform::ShowMessage(std::string_view text, std::function<void()> resume) {
    if (quitting_) return true;  // the chain stays where it is until the window goes
    resume_ = std::move(resume);
    if (messages_.Open(screen_, ToQString(Tr("Messages", text)), [this] { Resume(); })) return true;
    resume_ = {};
    return false;
}

Rect QtGamePlatform::ClientRect() const {
    return {0, 0, TableWidth, TableHeight};
}

void QtGamePlatform::RunBeside(std::function<void()> work, std::function<void()> done) {
    if (quitting_) return;
    beside_.start([this, work = std::move(work), done = std::move(done)]() mutable {
        work();
        QMetaObject::invokeMethod(
            &doneReceiver_,
            [this, done = std::move(done)] {
                if (!quitting_) done();
            },
            Qt::QueuedConnection);
    });
}

void QtGamePlatform::Quit() {
    quitting_ = true;
    pause_.stop();
    resume_ = {};
}

}  // namespace mervane
