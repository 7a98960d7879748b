#pragma once

#ifndef Q_MOC_RUN
#include <coroutine>
#endif
#include <functional>
#include <optional>
#include <utility>

#include "cards/card.h"
#include "game/seat_view.h"

namespace mervane {

// A seat's move: a card of its hand, or a draw from the pack. `named` is the suit an
// eight names when the seat knows it already; NoSuit makes the game ask ChooseSuit.
struct SeatMove {
    Card card = NoCard;
    Suit named = NoSuit;

    static constexpr SeatMove Draw() { return {}; }
    static constexpr SeatMove Play(Card card, Suit named = NoSuit) { return {card, named}; }
    bool IsDraw() const { return card == NoCard; }
    bool operator==(const SeatMove&) const = default;
};

// Where a decision made later arrives: the turn waits here until someone delivers.
template <class T>
class Inbox {
  public:
    bool Waiting() const { return static_cast<bool>(waiting_); }
    // An answer came before anyone waited for it.
    bool Ready() const { return answer_.has_value(); }
    // Hands over the answer; returns the turn to resume (empty if none was waiting).
    std::coroutine_handle<> Deliver(T answer) {
        answer_ = std::move(answer);
        return std::exchange(waiting_, {});
    }
    // The turn that waited is gone (a new chain replaced it).
    void Forget() {
        waiting_ = {};
        answer_.reset();
    }
    void Wait(std::coroutine_handle<> turn) { waiting_ = turn; }
    T Take() { return *std::exchange(answer_, std::nullopt); }

  private:
    std::coroutine_handle<> waiting_;
    std::optional<T> answer_;
};

// What the turn awaits from a seat: an answer made at once, or one that arrives in an
// inbox later (a person's intent).
template <class T>
class Decision {
  public:
    Decision(T made) : made_(std::move(made)) {}  // NOLINT: a made decision reads as its value
    explicit Decision(Inbox<T>& later) : later_(&later) {}

    bool await_ready() const noexcept { return made_.has_value() || later_->Ready(); }
    void await_suspend(std::coroutine_handle<> turn) { later_->Wait(turn); }
    T await_resume() { return made_ ? std::move(*made_) : later_->Take(); }

  private:
    std::optional<T> made_;
    Inbox<T>* later_ = nullptr;
};

// Decides for one seat, from what that seat may see. The game keeps its pauses and
// status words to itself; a seat only chooses.
class SeatPlayer {
  public:
    virtual ~SeatPlayer() = default;
    // A card to play or a draw.
    virtual Decision<SeatMove> ChooseMove(const SeatView& view) = 0;
    // The suit to follow after an eight the move did not name one for.
    virtual Decision<Suit> ChooseSuit(const SeatView& view) = 0;
    // A seat whose move takes long to find gives its search as a function that owns all
    // it reads, so that it can run beside the window's thread; empty for a seat that
    // decides at once.
    virtual std::function<SeatMove(const SeatView&)> MoveSearch() const { return {}; }
};

// The computer seats' rule: the highest card of the suit to follow, a rank match from
// the longest suit, an eight last, naming the longest suit.
class NormalPolicy final : public SeatPlayer {
  public:
    Decision<SeatMove> ChooseMove(const SeatView& view) override;
    Decision<Suit> ChooseSuit(const SeatView& view) override;
};

// The person at the table: each decision waits for an intent.
class PersonPlayer final : public SeatPlayer {
  public:
    Decision<SeatMove> ChooseMove(const SeatView&) override { return Decision<SeatMove>(moves_); }
    Decision<Suit> ChooseSuit(const SeatView&) override { return Decision<Suit>(suits_); }

    bool Waiting() const { return moves_.Waiting() || suits_.Waiting(); }
    bool WaitingForMove() const { return moves_.Waiting(); }
    bool WaitingForSuit() const { return suits_.Waiting(); }
    std::coroutine_handle<> Deliver(SeatMove move) { return moves_.Deliver(move); }
    std::coroutine_handle<> Deliver(Suit suit) { return suits_.Deliver(suit); }
    void Forget() {
        moves_.Forget();
        suits_.Forget();
    }

  private:
    Inbox<SeatMove> moves_;
    Inbox<Suit> suits_;
};

}  // namespace mervane
