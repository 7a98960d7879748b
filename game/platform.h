#pragma once

#include <functional>
#include <string_view>

#include "cards/platform_services.h"
#include "layout/geometry.h"

namespace mervane {

// Everything the game flow asks of the window system. The application implements it
// on Qt; tests and the simulator implement it without waiting.
class GamePlatform : public Clock, public Alerts {
  public:
    // Paint the whole view now, from the game state.
    virtual void Redraw() = 0;
    // A pause for the eye. False when it is already over (a platform that does not
    // wait); otherwise true, and `resume` is called once, from the event loop, when it
    // ends, while the window keeps answering. A closing window never calls it.
    virtual bool Sleep(int ms, std::function<void()> resume) = 0;
    // A message the chain of turns waits on, as on a pause: false when it is already
    // answered; otherwise true, and `resume` is called once, from the event loop, when
    // the person answers it. A closing window never calls it.
    virtual bool ShowMessage(std::string_view text, std::function<void()> resume) = 0;
    // The message that waits for its answer before returning (Alerts), for callers
    // outside the chain.
    using Alerts::ShowMessage;
    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(std::string_view text) = 0;
    // Hand the game the taps the window system still holds for the view; the game
    // has just asked and finds its human's turn closed.
    virtual void PumpViewMessages() = 0;
    // Forget the taps the window system still holds for the view, unseen by the game.
    virtual void DropQueuedTaps() = 0;
    // The view's client rectangle in table pixels (left and top 0).
    virtual Rect ClientRect() const = 0;
    // Work too long for the window's thread: `work` runs beside it and touches only what
    // it owns; `done` follows on the game's thread, from the event loop, unless the
    // window closes first. A platform without a window runs both at once.
    virtual void RunBeside(std::function<void()> work, std::function<void()> done) = 0;
    // LocalNow() and ShowMessage() come from Clock and Alerts.

  protected:
    ~GamePlatform() = default;
};

}  // namespace mervane
