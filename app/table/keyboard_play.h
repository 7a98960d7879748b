#pragma once

#include <optional>

#include "game/mervane_game.h"
#include "layout/card_table.h"
#include "render/table_marks.h"

namespace mervane {

struct GameState;

// Keyboard play. A key becomes the intent a tap on its target would be, so a game played
// by keys is the same game as one played by taps, held or let fall like one while the
// computer seats play.
class KeyboardPlay {
  public:
    // The keys it knows (Qt::Key values); the view passes on any other.
    static bool Handles(int key);

    // What `key` does in `state`: the intent it makes, if any. The ring moves and shows.
    // An auto-repeated key moves the ring but makes no move.
    std::optional<TableIntent> OnKey(int key, const GameState& state, bool autoRepeat = false);
    // A mouse tap hides the ring until the next key.
    void OnMouseTap() { visible_ = false; }

    bool RingShown() const { return visible_; }
    // The ring's card, kept inside the hand as it is now.
    int FocusedCard(const GameState& state) const;
    // The marks the view paints: the ring where it is shown, the playable cards when
    // `showPlayable` is on.
    TableMarks Marks(const GameState& state, bool showPlayable) const;

  private:
    std::optional<TableIntent> Activate(const GameState& state);
    void Move(int key, int count, int& focus);

    int card_ = 0;
    int box_ = 0;
    bool visible_ = false;
};

}  // namespace mervane
