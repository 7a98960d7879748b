#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "game/seat_player.h"

namespace mervane {

// How well a computer seat plays. Normal is the game's own rule and the default.
enum class Level { Easy, Normal, Hard };

// "easy", "normal", "hard"; nothing else.
std::optional<Level> ParseLevel(std::string_view text);
std::string_view LevelName(Level level);

// A computer seat's player for the level.
std::unique_ptr<SeatPlayer> MakeComputerPlayer(Level level);

// A number that stands for everything the view shows, so that a level's random choices
// come out the same whenever the same view comes back.
std::uint64_t HashView(const SeatView& view);

// A beginner: a card of the top card's rank before one of the suit, the first in hand
// order, an eight as soon as it comes up, the pack only when nothing is legal, and a
// suit named by chance (seeded from the view).
class EasyPolicy final : public SeatPlayer {
  public:
    Decision<SeatMove> ChooseMove(const SeatView& view) override;
    Decision<Suit> ChooseSuit(const SeatView& view) override;
};

// Searches: deals the cards it cannot see many times over, as the table's history allows,
// plays every legal card (an eight with each suit) out to the hand's end with the Normal
// rule at every seat, and takes the one that wins the hand most often (then scores best).
// It draws only when no card is legal. Its chances come from the view's hash, so the
// same view always gets the same move.
class HardPolicy final : public SeatPlayer {
  public:
    static constexpr int DefaultSamples = 1000;
    explicit HardPolicy(int samples = DefaultSamples) : samples_(samples) {}

    Decision<SeatMove> ChooseMove(const SeatView& view) override;
    Decision<Suit> ChooseSuit(const SeatView& view) override;
    std::function<SeatMove(const SeatView&)> MoveSearch() const override;

  private:
    int samples_;
};

// Hard's move for the view, searched with `samples` deals.
SeatMove HardMove(const SeatView& view, int samples = HardPolicy::DefaultSamples);

// One move open to the seat and the share of the searched deals it went on to win.
struct MoveOdds {
    SeatMove move;  // an eight names the suit it does best with
    double winShare = 0.0;
};

// Hard's search as a hint: the odds of every legal card (every eight alike) and of
// drawing while the pack has cards. `best` is the move Hard plays; none with no moves.
struct MoveSurvey {
    std::vector<MoveOdds> moves;
    std::size_t best = 0;
    // The move marked best; the pack when there is none to weigh.
    SeatMove Best() const { return moves.empty() ? SeatMove::Draw() : moves[best].move; }
};
MoveSurvey SurveyMoves(const SeatView& view, int samples = HardPolicy::DefaultSamples);

}  // namespace mervane
