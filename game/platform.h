#pragma once

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
    // Pause for the eye; the window keeps answering.
    virtual void Sleep(int ms) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(std::string_view text) = 0;
    // Deliver the taps queued for the view so far.
    virtual void PumpViewMessages() = 0;
    // Forget the taps queued for the view so far, unseen by the game.
    virtual void DropQueuedTaps() = 0;
    // The view's client rectangle in table pixels (left and top 0).
    virtual Rect ClientRect() const = 0;
    // LocalNow() and ShowMessage() come from Clock and Alerts.

protected:
    ~GamePlatform() = default;
};

}  // namespace mervane
