#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/observer.h"
#include "game/seats.h"

namespace mervane {

// One finished hand of the game: what each seat scored in it (by seat: You, Left, Top,
// Right) and the seat that went out.
struct HandScore {
    std::array<std::int32_t, SeatCount> points{};
    Seat winner = NoSeat;
    bool operator==(const HandScore&) const = default;
};

// The hands of the game under way, told from the game's events, for the score sheets.
// A dead round scores nobody and gets no row. Attached to a game already under way it
// starts from that game's totals and has no rows for the hands before.
class ScoreHistory final : public GameObserver {
  public:
    ScoreHistory() = default;
    explicit ScoreHistory(const std::array<std::int32_t, SeatCount>& totals) : totals_(totals) {}

    const std::vector<HandScore>& Hands() const { return hands_; }
    const std::array<std::int32_t, SeatCount>& Totals() const { return totals_; }

    void GameStarted() override;
    void HandEnded(Seat winner, const std::array<std::int32_t, SeatCount>& scores) override;
    void SavingGame(SavedGame& saved) override;
    void GameResumed(const SavedGame& saved) override;

  private:
    std::vector<HandScore> hands_;
    std::array<std::int32_t, SeatCount> totals_{};
};

}  // namespace mervane
