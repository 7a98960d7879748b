#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "cards/card.h"
#include "game/game_state.h"
#include "game/observer.h"
#include "game/seats.h"

namespace mervane {

// What a seat's callout tells.
enum class CalloutKind { Drew, MustDrawTwo, Skipped, Reversed };

struct Callout {
    CalloutKind kind = CalloutKind::Drew;
    int count = 0;  // the cards drawn, for Drew and MustDrawTwo
    std::string text;
    double opacity = 1.0;    // 0..1, falling in the last CalloutFadeMs
    std::int64_t since = 0;  // when it appeared, on the story's clock
};

// The table's callouts at one moment.
struct TableCallouts {
    std::array<std::optional<Callout>, SeatCount> seats;
    Suit namedSuit = NoSuit;  // the suit an eight named, until a card follows it
    std::string refusal;      // why the human's card was refused; empty for none
    double refusalOpacity = 0.0;
};

// Follows the game's events and tells what the table shows for the hand's last moves:
// short callouts beside the seats, the suit an eight named, and why a tapped card was
// refused. Each callout lasts CalloutShowMs or until its seat's next move. Times are
// milliseconds of a monotonic clock, injected so that tests may step it.
class TableStory final : public GameObserver {
  public:
    using Clock = std::function<std::int64_t()>;

    // The state (for the pack, when a refusal offers a draw) must outlive the story.
    TableStory(const GameState& state, Clock clock) : state_(state), clock_(std::move(clock)) {}

    TableCallouts At(std::int64_t now) const;
    // When the picture next changes on its own: `now` while something fades, nothing
    // while nothing is timed.
    std::optional<std::int64_t> NextChangeAt(std::int64_t now) const;

    void HandDealt(int handNumber, Seat dealer, Card starter) override;
    void GameStarted() override;
    void MovesTakenBack(std::size_t movesLeft) override;
    void DealRestarted() override;
    void CardPlayed(Seat seat, Card card) override;
    void SuitNamed(Suit suit) override;
    void CardDrawn(Seat seat, Card card) override;
    void SeatSkipped(Seat seat) override;
    void DirectionChanged(bool reversed) override;
    void DrawTwoTaken(Seat seat, int count) override;
    void SeatPassed(Seat seat) override;
    void TapRefused(Card card, Card topCard, Suit currentSuit) override;

  private:
    struct Shown {
        CalloutKind kind;
        int count;
        std::int64_t since;
    };

    void Clear();
    // The seat made a move of its own: its callout and any run of draws end.
    void Moved(Seat seat);
    void Show(Seat seat, CalloutKind kind, int count);

    const GameState& state_;
    Clock clock_;
    std::array<std::optional<Shown>, SeatCount> shown_;
    Seat lastPlayer_ = NoSeat;
    Seat drawingSeat_ = NoSeat;  // the seat of the run of draws under way
    int drawsInRun_ = 0;
    Seat twoDrawer_ = NoSeat;  // the draws a Draw Two owes belong to its callout
    int twoDrawsLeft_ = 0;
    Suit named_ = NoSuit;
    std::string refusal_;
    std::int64_t refusalSince_ = 0;
};

}  // namespace mervane
