#pragma once

#include <optional>

#include "layout/card_table.h"
#include "render/table_marks.h"

namespace mervane {

struct GameState;

// Points that the layout's hit tests give to one target: a card of the bottom hand
// (inside its visible strip, clear of the pack), the pack, a suit box, or nothing.
std::optional<Point> HandCardTapPoint(const CCardTable& layout, int index, int cardCount);
Point DrawPileTapPoint(const CCardTable& layout);
Point SuitBoxTapPoint(const CCardTable& layout, int box);
// A point that hits no card, no pack and no box: enough to continue after a hand.
Point NeutralTapPoint(const CCardTable& layout);

// Keyboard play. A key never reaches the game by a way of its own: it becomes a tap at a
// point that hits what the key means, so a game played by keys is the same game as
// one played by taps, held or let fall like one while the computer seats play.
class KeyboardPlay {
  public:
    // The keys it knows (Qt::Key values); the view passes on any other.
    static bool Handles(int key);

    // What `key` does in `state`: the tap it makes, if any. The ring moves and shows.
    // An auto-repeated key moves the ring but taps nothing.
    std::optional<Point> OnKey(int key, const GameState& state, bool autoRepeat = false);
    // A mouse tap hides the ring until the next key.
    void OnMouseTap() { visible_ = false; }

    bool RingShown() const { return visible_; }
    // The ring's card, kept inside the hand as it is now.
    int FocusedCard(const GameState& state) const;
    // The marks the view paints: the ring where it is shown, the playable cards when
    // `showPlayable` is on.
    TableMarks Marks(const GameState& state, bool showPlayable) const;

  private:
    std::optional<Point> Activate(const GameState& state);
    void Move(int key, int count, int& focus);

    int card_ = 0;
    int box_ = 0;
    bool visible_ = false;
};

}  // namespace mervane
