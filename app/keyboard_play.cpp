#include "app/keyboard_play.h"

#include <Qt>
#include <algorithm>

#include "game/game_state.h"

namespace mervane {

namespace {

constexpr int kBoxes = 4;

// The boxes' order: Hearts, Diamonds, Clubs, Spades.
int BoxOfLetter(int key) {
    switch (key) {
        case Qt::Key_H: return 0;
        case Qt::Key_D: return 1;
        case Qt::Key_C: return 2;
        case Qt::Key_S: return 3;
        default: return -1;
    }
}

bool IsActivate(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

bool IsMove(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End;
}

bool Hits(const CCardTable& layout, Point p, int index, int cardCount) {
    return layout.HitHandCard(p, cardCount) == index && !layout.HitDrawPile(p);
}

}  // namespace

// The strip's centre, or failing that any point of the strip the hit test accepts.
std::optional<Point> HandCardTapPoint(const CCardTable& layout, int index, int cardCount) {
    if (index < 0 || index >= cardCount) return std::nullopt;
    const Point corner = layout.CardPos(Bottom, index);
    const int width = index == cardCount - 1 ? layout.cardWidth : layout.stepX;
    const int height = index < 10 ? layout.cardHeight : layout.cardHeight / 2;
    const Point centre{corner.x + width / 2, corner.y + height / 2};
    if (Hits(layout, centre, index, cardCount)) return centre;
    for (int y = corner.y + 1; y < corner.y + height; ++y)
        for (int x = corner.x + 1; x < corner.x + width; ++x)
            if (Hits(layout, {x, y}, index, cardCount)) return Point{x, y};
    return std::nullopt;
}

Point DrawPileTapPoint(const CCardTable& layout) {
    return layout.DrawPileRect().Center();
}

Point SuitBoxTapPoint(const CCardTable& layout, int box) {
    return layout.SuitBoxes()[static_cast<std::size_t>(std::clamp(box, 0, kBoxes - 1))].Center();
}

// The table's top-left corner lies above every hand and beside the top seat's fan.
Point NeutralTapPoint(const CCardTable& layout) {
    return {layout.tableRect.left + 1, layout.tableRect.top + 1};
}

bool KeyboardPlay::Handles(int key) {
    return IsActivate(key) || IsMove(key) || BoxOfLetter(key) >= 0;
}

int KeyboardPlay::FocusedCard(const GameState& state) const {
    const int count = state.hands[HumanSeat].Count();
    return count == 0 ? -1 : std::clamp(card_, 0, count - 1);
}

std::optional<Point> KeyboardPlay::OnKey(int key, const GameState& state, bool autoRepeat) {
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
    const CCardTable& layout = state.table;
    if (state.choosingSuit && BoxOfLetter(key) >= 0) {
        box_ = BoxOfLetter(key);
        return SuitBoxTapPoint(layout, box_);
    }
    if (key == Qt::Key_D) return DrawPileTapPoint(layout);
    if (!IsActivate(key)) return std::nullopt;
    // Continuing needs no ring; a card or a box is only taken once the ring shows it.
    if (state.handOver) return NeutralTapPoint(layout);
    if (!wasShown) return std::nullopt;
    return Activate(state);
}

std::optional<Point> KeyboardPlay::Activate(const GameState& state) {
    const CCardTable& layout = state.table;
    if (state.choosingSuit) return SuitBoxTapPoint(layout, box_);
    const int count = state.hands[HumanSeat].Count();
    card_ = FocusedCard(state);
    if (card_ < 0) return NeutralTapPoint(layout);
    return HandCardTapPoint(layout, card_, count);
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
