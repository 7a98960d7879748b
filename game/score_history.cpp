#include "game/score_history.h"

#include "game/saved_game.h"

namespace mervane {

void ScoreHistory::GameStarted() {
    hands_.clear();
    totals_ = {};
}

// The game reports running totals: a hand's points are what they grew by.
void ScoreHistory::HandEnded(Seat winner, const std::array<std::int32_t, SeatCount>& scores) {
    HandScore hand;
    hand.winner = winner;
    for (std::size_t seat = 0; seat < scores.size(); ++seat)
        hand.points[seat] = scores[seat] - totals_[seat];
    hands_.push_back(hand);
    totals_ = scores;
}

void ScoreHistory::SavingGame(SavedGame& saved) {
    saved.sheet = hands_;
}

void ScoreHistory::GameResumed(const SavedGame& saved) {
    hands_ = saved.sheet;
    totals_ = saved.scores;
}

}  // namespace mervane
