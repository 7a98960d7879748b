#include "render/table_marks.h"

#include <algorithm>
#include <cmath>

#include "cards/rules.h"
#include "game/game_state.h"
#include "layout/card_table.h"
#include "render/surface.h"

namespace mervane {

namespace {

constexpr Color kLightRing = MakeColor(255, 255, 0);
constexpr Color kDarkRing = MakeColor(0, 0, 128);

}  // namespace

Color RingColor(Color tableColor) {
    const int luma =
        (RedOf(tableColor) * 299 + GreenOf(tableColor) * 587 + BlueOf(tableColor) * 114) / 1000;
    return luma > 170 ? kDarkRing : kLightRing;
}

bool HumanChooses(const GameState& state) {
    return state.humanTurn && !state.choosingSuit && !state.handOver;
}

std::optional<double> HintOdds(const GameState& state, Card card) {
    if (!state.hint || !HumanChooses(state)) return std::nullopt;
    for (const MoveOdds& odds : state.hint->moves)
        if (odds.move.card == card) return odds.winShare;
    return std::nullopt;
}

std::optional<Card> HintedBest(const GameState& state) {
    if (!state.hint || !HumanChooses(state) || state.hint->moves.empty()) return std::nullopt;
    return state.hint->moves[state.hint->best].move.card;
}

std::vector<bool> RaisedCards(const GameState& state, const TableMarks& marks) {
    const CardList& hand = state.hands[HumanSeat];
    if (const auto best = HintedBest(state)) {
        if (*best == NoCard) return {};
        std::vector<bool> raised(static_cast<std::size_t>(hand.Count()));
        for (int i = 0; i < hand.Count(); ++i)
            raised[static_cast<std::size_t>(i)] = hand.At(i) == *best;
        return raised;
    }
    if (!marks.showPlayable || !HumanChooses(state)) return {};
    std::vector<bool> raised(static_cast<std::size_t>(hand.Count()));
    bool any = false;
    for (int i = 0; i < hand.Count(); ++i) {
        raised[static_cast<std::size_t>(i)] =
            IsLegalPlay(hand.At(i), state.topCard, state.currentSuit);
        any = any || raised[static_cast<std::size_t>(i)];
    }
    if (!any) raised.clear();
    return raised;
}

bool MarksDrawPile(const GameState& state, const TableMarks& marks) {
    if (const auto best = HintedBest(state)) return *best == NoCard;
    return marks.showPlayable && HumanChooses(state) && !state.deck.Empty() &&
           RaisedCards(state, marks).empty();
}

void DrawRing(Surface& surface, Rect around, Color color) {
    const Rect outer{around.left - RingWidth, around.top - RingWidth, around.right + RingWidth,
                     around.bottom + RingWidth};
    surface.FillRect({outer.left, outer.top, outer.right, around.top}, color);
    surface.FillRect({outer.left, around.bottom, outer.right, outer.bottom}, color);
    surface.FillRect({outer.left, around.top, around.left, around.bottom}, color);
    surface.FillRect({around.right, around.top, outer.right, around.bottom}, color);
}

bool ShowsDirection(const GameState& state, const TableMarks& marks) {
    // The flag outlives a switch to the plain rules, under which play goes clockwise.
    return marks.showDirection && state.reversed && state.rules.advanced;
}

Rect DirectionArrowRect(const CCardTable& layout, bool packShown) {
    Point top;
    Point back;
    if (packShown) {
        const StockPiles piles = layout.StockPilePositions();
        top = piles.discardTop;
        back = piles.discardBack;
    } else {
        const DiscardOnlyPile pile = layout.DiscardOnlyPosition();
        top = pile.top;
        back = pile.back;
    }
    const Point centre{(back.x + top.x + layout.cardWidth) / 2,
                       (back.y + top.y + layout.cardHeight) / 2};
    return RectAt(
        {centre.x - DirectionArrowSize.width / 2, centre.y - DirectionArrowSize.height / 2},
        DirectionArrowSize);
}

int SlideDuration(double pauseScale) {
    constexpr int shortestPause = 300;
    const double share = shortestPause * SlideShareOfShortestPause * std::max(0.0, pauseScale);
    return static_cast<int>(std::min<double>(SlideMs, std::floor(share)));
}

int DealDuration(double pauseScale) {
    return static_cast<int>(
        std::min<double>(DealMs, std::floor(DealMs * std::max(0.0, pauseScale))));
}

double SlideEased(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return 1 - (1 - t) * (1 - t) * (1 - t);
}

Point SlidePosition(const Slide& slide) {
    const double eased = SlideEased(slide.t);
    const auto along = [eased](int from, int to) {
        return from + static_cast<int>(std::lround((to - from) * eased));
    };
    return {along(slide.from.x, slide.to.x), along(slide.from.y, slide.to.y)};
}

bool SlideShown(const GameState& state, const TableMarks& marks) {
    if (!marks.slide) return false;
    const Slide& slide = *marks.slide;
    if (slide.played) return state.topCard == slide.card;
    if (slide.hand < Bottom || slide.hand > Right) return false;
    return state.hands[static_cast<std::size_t>(SeatAtPosition(slide.hand))].At(slide.handIndex) ==
           slide.card;
}

Point HandSlot(CCardTable layout, TablePosition position, int index, int count) {
    layout.SetHandSize(position, count);
    return layout.CardPos(position, index);
}

Point PackSlot(const CCardTable& layout) {
    return layout.StockPilePositions().drawUpper;
}

Point DiscardSlot(const CCardTable& layout, bool packShown) {
    return packShown ? layout.StockPilePositions().discardTop : layout.DiscardOnlyPosition().top;
}

}  // namespace mervane
