#include "app/table/keyboard_play.h"

#include <Qt>
#include <algorithm>

#include "game/game_state.h"

namespace mervane {

namespace {

constexpr int kBoxes = 4;

Suit SuitOfLetter(int key) {
    switch (key) {
        case Qt::Key_H: return Hearts;
        case Qt::Key_D: return Diamonds;
        case Qt::Key_C: return Clubs;
        case Qt::Key_S: return Spades;
        default: return NoSuit;
    }
}

// The box of a suit's letter, an index into SuitBoxOrder; -1 for other keys.
int BoxOfLetter(int key) {
    const auto box = std::find(SuitBoxOrder.begin(), SuitBoxOrder.end(), SuitOfLetter(key));
    return box == SuitBoxOrder.end() ? -1 : static_cast<int>(box - SuitBoxOrder.begin());
}

bool IsActivate(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

bool IsMove(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End;
}

}  // namespace

bool KeyboardPlay::Handles(int key) {
    return IsActivate(key) || IsMove(key) || BoxOfLetter(key) >= 0;
}

int KeyboardPlay::FocusedCard(const GameState& state) const {
    const int count = state.hands[HumanSeat].Count();
    return count == 0 ? -1 : std::clamp(card_, 0, count - 1);
}

std::optional<TableIntent> KeyboardPlay::OnKey(int key, const GameState& state, bool autoRepeat) {
    if (!Handles(key)) return std::nullopt;
    const bool wasShown = visible_;
    visible_ = true;
    if (IsMove(key)) {
        // The first key only shows where the ring stands.
        if (!wasShown) return std::nullopt;
        if (state.choosingSuit)
            Move(key, kBoxes, box_);
        else
            Move(key, state.hands[HumanSeat].Count(), card_);
        return std::nullopt;
    }
    if (autoRepeat) return std::nullopt;
    if (state.choosingSuit && BoxOfLetter(key) >= 0) {
        box_ = BoxOfLetter(key);
        return TableIntent::Name(SuitBoxOrder[static_cast<std::size_t>(box_)]);
    }
    if (key == Qt::Key_D) return TableIntent::Draw();
    if (!IsActivate(key)) return std::nullopt;
    // Continuing needs no ring; a card or a box is only taken once the ring shows it.
    if (state.handOver) return TableIntent::GoOn();
    if (!wasShown) return std::nullopt;
    return Activate(state);
}

std::optional<TableIntent> KeyboardPlay::Activate(const GameState& state) {
    if (state.choosingSuit)
        return TableIntent::Name(SuitBoxOrder[static_cast<std::size_t>(std::clamp(box_, 0, 3))]);
    card_ = FocusedCard(state);
    if (card_ < 0) return std::nullopt;
    return TableIntent::Play(card_);
}

void KeyboardPlay::Move(int key, int count, int& focus) {
    if (count <= 0) return;
    focus = std::clamp(focus, 0, count - 1);
    switch (key) {
        case Qt::Key_Left: focus = std::max(focus - 1, 0); break;
        case Qt::Key_Right: focus = std::min(focus + 1, count - 1); break;
        case Qt::Key_Home: focus = 0; break;
        case Qt::Key_End: focus = count - 1; break;
        default: break;
    }
}

TableMarks KeyboardPlay::Marks(const GameState& state, bool showPlayable) const {
    TableMarks marks;
    marks.showPlayable = showPlayable;
    if (!visible_ || state.handOver) return marks;
    if (state.choosingSuit)
        marks.focusedSuitBox = box_;
    else
        marks.focusedCard = FocusedCard(state);
    return marks;
}

}  // namespace mervane
