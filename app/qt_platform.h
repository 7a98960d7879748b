#pragma once

#include <optional>

#include "game/platform.h"

class QEventLoop;

namespace mervane {

class CMervaneView;

// The game flow's window services on Qt. A pause runs a nested event loop ended by a
// precise single-shot timer, so the window keeps painting and answering while the
// computer plays; taps and commands meanwhile are held back by the view.
class QtGamePlatform final : public GamePlatform {
  public:
    explicit QtGamePlatform(CMervaneView& view) : view_(view) {}

    void Redraw() override;
    void Sleep(int ms) override;
    bool AskYesNo(std::string_view text) override;
    void ShowMessage(std::string_view text) override;
    void PumpViewMessages() override;
    void DropQueuedTaps() override;
    Rect ClientRect() const override;
    LocalTime LocalNow() const override;

    // From now on every pause returns at once; a pause under way ends now.
    void Quit();
    bool Quitting() const { return quitting_; }

    // Tests shorten every pause by this factor (1 is real time).
    static void SetPauseScale(double scale);
    static double PauseScale();
    // Tests make every deal reproducible by fixing the time the shuffle reads;
    // nullopt goes back to the system clock.
    static void FixClock(std::optional<LocalTime> time);

  private:
    CMervaneView& view_;
    SystemClock clock_;
    QEventLoop* pause_ = nullptr;
    bool quitting_ = false;
};

}  // namespace mervane
