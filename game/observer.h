#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "cards/card.h"
#include "game/seats.h"

namespace mervane {

struct SavedGame;

// What happens at the table, reported as it happens (for traces and tools); the
// game never waits for an observer. Pauses, redraws and messages go through the
// platform instead.
class GameObserver {
  public:
    virtual void HandDealt(int /*handNumber*/, Seat /*dealer*/, Card /*starter*/) {}
    virtual void StatusChanged(Seat /*seat*/, std::string_view /*text*/) {}
    virtual void CardPlayed(Seat /*seat*/, Card /*card*/) {}
    virtual void SuitNamed(Suit /*suit*/) {}
    virtual void CardDrawn(Seat /*seat*/, Card /*card*/) {}
    virtual void HandEnded(Seat /*winner*/, const std::array<std::int32_t, SeatCount>& /*scores*/) {
    }
    virtual void DeadRound() {}
    virtual void GameOver(Seat /*winner*/) {}

    // Told beside the events above; the trace leaves them out, so a golden game reads
    // the same with or without them.
    // A new game begins: its first hand is dealt next.
    virtual void GameStarted() {}
    // The seat a Skip passes over.
    virtual void SeatSkipped(Seat /*seat*/) {}
    // An Ace turned the direction of play; `reversed` is the new direction.
    virtual void DirectionChanged(bool /*reversed*/) {}
    // A Draw Two makes `seat` take `count` cards (fewer than two from a used-up pack).
    // The CardDrawn of each of them follows.
    virtual void DrawTwoTaken(Seat /*seat*/, int /*count*/) {}
    // The seat could neither play nor draw.
    virtual void SeatPassed(Seat /*seat*/) {}
    // A card leaves a seat's hand for the pile, from its place `index` there; its
    // CardPlayed follows.
    virtual void CardLeftHand(Seat /*seat*/, Card /*card*/, int /*index*/) {}
    // The human tapped a card that may not be played; the game ignores the tap.
    virtual void TapRefused(Card /*card*/, Card /*topCard*/, Suit /*currentSuit*/) {}
    // The turns now wait for the person's move or suit.
    virtual void PersonAsked() {}
    // Undo took the table back to the person's move `movesLeft` of this hand (0 the
    // first): what happened since is no longer so. The turns that wait for that move
    // are asked again (PersonAsked).
    virtual void MovesTakenBack(std::size_t /*movesLeft*/) {}
    // Restart Deal: the hand under way is dealt again as it was; its HandDealt follows.
    virtual void DealRestarted() {}
    // The game is being put away as `saved`: add what you keep of it, as it stood at
    // that moment (which may be before the turns now under way).
    virtual void SavingGame(SavedGame& /*saved*/) {}
    // A game put away was taken up again as `saved`; no GameStarted or HandDealt comes
    // for what was played before.
    virtual void GameResumed(const SavedGame& /*saved*/) {}
    // The person was shown a hint's odds for the move it is asked for.
    virtual void HintShown() {}

  protected:
    ~GameObserver() = default;
};

}  // namespace mervane
