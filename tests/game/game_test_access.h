#pragma once

#include "game/mervane_game.h"

namespace mervane {

// The tests' key to the game's state, for positions that play would take long to reach:
// hands, the top card, the pack's order, the scores and the flags of a hand under way,
// and a chain of turns started at any seat's turn. Everything else goes through the
// game's operations.
struct GameTestAccess {
    static GameState& State(MervaneGame& game) { return game.state_; }
    // Starts the chain of turns at a seat's turn, as the chain itself would reach it.
    static void ComputerTurn(MervaneGame& game, Seat seat) {
        game.StartChain(MervaneGame::TurnOf(seat));
    }
    static void HumanTurn(MervaneGame& game) { game.StartChain(MervaneGame::TurnOf(HumanSeat)); }
};

}  // namespace mervane
