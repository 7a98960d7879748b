#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "cards/card.h"
#include "game/seats.h"

namespace mervane {

// What happens at the table, reported as it happens (for traces and tools); the
// game never waits for an observer. Pauses, redraws and messages go through the
// platform instead.
class GameObserver {
  public:
    // A new game begins; its first hand is dealt next.
    virtual void GameStarted() {}
    virtual void HandDealt(int /*handNumber*/, Seat /*dealer*/, Card /*starter*/) {}
    virtual void StatusChanged(Seat /*seat*/, std::string_view /*text*/) {}
    virtual void CardPlayed(Seat /*seat*/, Card /*card*/) {}
    virtual void SuitNamed(Suit /*suit*/) {}
    virtual void CardDrawn(Seat /*seat*/, Card /*card*/) {}
    virtual void HandEnded(Seat /*winner*/, const std::array<std::int32_t, SeatCount>& /*scores*/) {
    }
    virtual void DeadRound() {}
    virtual void GameOver(Seat /*winner*/) {}

  protected:
    ~GameObserver() = default;
};

}  // namespace mervane
