#include <algorithm>

#include "render/card_table.h"
#include "render/surface.h"

namespace mervane {

namespace {

constexpr int kFanRow = 10;
constexpr int kFirstBitmap = 1;
constexpr int kLastCardBitmap = 65;

bool IsCardImage(int bitmapId) {
    return bitmapId >= kFirstBitmap && bitmapId <= kLastCardBitmap;
}

}  // namespace

void CCardTable::Begin(Surface* target, Rect rect) {
    surface = target;
    SetTableRect(rect);
}

void CCardTable::DrawCardImage(TablePosition position, int index, int bitmapId) const {
    if (position == NoPosition || index == -1 || !IsCardImage(bitmapId)) return;
    const ScopedBitmap image(*surface, bitmapId);
    image.Stretch({0, 0, 29, 41}, RectAt(CardPos(position, index), {cardWidth, cardHeight}));
}

void CCardTable::DrawHand(TablePosition position, const CardList& hand) const {
    const int n = hand.Count();
    const auto draw = [&](int from, int to) {
        for (int i = from; i < to; ++i) DrawCardImage(position, i, hand[i]);
    };
    if (position != Bottom && position != Right) {
        draw(0, n);
        return;
    }
    // The first ten cards lie on top: later rows (columns) are drawn first. Every card
    // from 30 on shares the fourth row.
    const int lastRowStart = std::min((std::max(n, 1) - 1) / kFanRow, 3) * kFanRow;
    draw(lastRowStart, n);
    for (int row = lastRowStart - kFanRow; row >= 0; row -= kFanRow) draw(row, row + kFanRow);
}

void CCardTable::DrawHandBacks(TablePosition position, const CardList& hand) const {
    for (int i = 0; i < hand.Count(); ++i) DrawCardImage(position, i, ShownCardBack(cardBackId));
}

void CCardTable::DrawPiles(Card topCard) const {
    const StockPiles piles = StockPilePositions();
    const Size card{cardWidth, cardHeight};
    {
        const ScopedBitmap back(*surface, ShownCardBack(cardBackId));
        for (Point p : {piles.drawLower, piles.drawUpper, piles.discardBack})
            back.Stretch({0, 0, 29, 41}, RectAt(p, card));
    }
    if (IsCardImage(topCard)) {
        const ScopedBitmap top(*surface, topCard);
        top.Stretch({0, 0, 29, 41}, RectAt(piles.discardTop, card));
    }
}

void CCardTable::DrawDiscardOnly(Card topCard) const {
    const DiscardOnlyPile pile = DiscardOnlyPosition();
    const Size card{cardWidth, cardHeight};
    {
        const ScopedBitmap back(*surface, ShownCardBack(cardBackId));
        back.Stretch({0, 0, 29, 41}, RectAt(pile.back, card));
    }
    if (IsCardImage(topCard)) {
        const ScopedBitmap top(*surface, topCard);
        top.Stretch({0, 0, 29, 41}, RectAt(pile.top, card));
    }
}

void CCardTable::DrawStatus(TablePosition position, std::string_view text) const {
    Color previousText = 0;
    {
        const ScopedFont font(*surface, LabelFont);
        const Size size = surface->MeasureText(text);
        previousText = surface->SetTextColor(StatusRed);
        surface->SetBackColor(tableColor);
        surface->TextOpaque(StatusPos(position, size), text);
    }
    surface->SetTextColor(previousText);
}

void CCardTable::DrawName(TablePosition position, std::string_view text) const {
    const ScopedFont font(*surface, LabelFont);
    const Size size = surface->MeasureText(text);
    surface->SetBackColor(tableColor);
    surface->TextOpaque(NamePos(position, size), text);
}

void CCardTable::DrawDealerMarker(TablePosition position, std::string_view name) const {
    const ScopedFont font(*surface, LabelFont);
    const Size nameSize = surface->MeasureText(name);
    const ScopedBitmap marker(*surface, bitmap::DealerMarker);
    marker.CopyTransparent(DealerMarkerPos(position, nameSize), DealerMarkerSize, White);
}

}  // namespace mervane
