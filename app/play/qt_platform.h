#pragma once

#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <functional>
#include <optional>

#include "game/platform.h"

class QWidget;

namespace mervane {

class MessageBoxes;

// The game flow's window services on Qt. A pause is a precise single-shot timer: the
// chain of turns is suspended meanwhile and the event loop goes on painting and
// answering; the timer resumes the chain. Taps are held by the game as they come.
class QtGamePlatform final : public GamePlatform {
  public:
    explicit QtGamePlatform(MessageBoxes& messages);

    // The widget the game's messages open over, and the repaint that Redraw asks for.
    void ShowOn(QWidget* screen, std::function<void()> paintNow);

    void Redraw() override;
    bool Sleep(int ms, std::function<void()> resume) override;
    bool AskYesNo(std::string_view text) override;
    void ShowMessage(std::string_view text) override;
    // The box opens without a loop of its own; its OK resumes the chain.
    bool ShowMessage(std::string_view text, std::function<void()> resume) override;
    // Qt hands every tap to the game as it comes: nothing is left to pump or drop.
    void PumpViewMessages() override {}
    void DropQueuedTaps() override {}
    Rect ClientRect() const override;
    LocalTime LocalNow() const override;
    // On a thread of the platform's own pool; `done` comes back through the event loop.
    void RunBeside(std::function<void()> work, std::function<void()> done) override;
    // Blocks until every work under way has finished (tests).
    void WaitForWorkBeside() { beside_.waitForDone(); }

    // The window is closing: the pause under way never ends, nor does any later one.
    void Quit();
    bool Quitting() const { return quitting_; }

    // Tests shorten every pause by this factor (1 is real time, 0 the next turn of
    // the event loop).
    void SetPauseScale(double scale);
    double PauseScale() const { return pauseScale_; }
    // Tests make every deal reproducible by fixing the time the shuffle reads;
    // nullopt goes back to the system clock.
    void FixClock(std::optional<LocalTime> time) { fixedTime_ = time; }

  private:
    void Resume();

    MessageBoxes& messages_;
    QWidget* screen_ = nullptr;
    std::function<void()> paintNow_;
    SystemClock clock_;
    QTimer pause_;
    // What resumes the chain, waiting on a pause or a message.
    std::function<void()> resume_;
    double pauseScale_ = 1.0;
    std::optional<LocalTime> fixedTime_;
    bool quitting_ = false;
    // Where finished work is handed back to the window's thread; it goes after the pool,
    // which waits for the work under way, so nothing arrives for a platform that is gone.
    QObject doneReceiver_;
    QThreadPool beside_;
};

}  // namespace mervane
