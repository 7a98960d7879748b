#pragma once

#include "game/mervane_game.h"

namespace mervane {

// The tests' key to the game's state, for positions that play would take long to reach:
// hands, the top card, the pack's order, the scores and the flags of a hand under way.
// Everything else goes through the game's operations.
struct GameTestAccess {
    static GameState& State(MervaneGame& game) { return game.state_; }
};

}  // namespace mervane
