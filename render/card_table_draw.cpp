#include "render/card_table_draw.h"

#include <algorithm>

#include "render/pictures.h"
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

void CardTableDrawer::DrawCardImage(TablePosition position, int index, int bitmapId, int lift,
                                    int shift) const {
    if (position == NoPosition || index == -1 || !IsCardImage(bitmapId)) return;
    const ScopedBitmap image(surface_, bitmapId);
    const Point at = table_.CardPos(position, index);
    image.Stretch({0, 0, 29, 41},
                  RectAt({at.x + shift, at.y - lift}, {table_.cardWidth, table_.cardHeight}));
}

void CardTableDrawer::DrawHandRaised(TablePosition position, const CardList& hand,
                                     const std::vector<bool>& raised, int lift, int shiftedCard,
                                     int shift, int hiddenCard) const {
    const int n = hand.Count();
    const auto liftOf = [&](int i) {
        return static_cast<std::size_t>(i) < raised.size() && raised[static_cast<std::size_t>(i)]
                   ? lift
                   : 0;
    };
    const auto draw = [&](int from, int to) {
        for (int i = from; i < to; ++i)
            if (i != hiddenCard)
                DrawCardImage(position, i, FacePicture(hand[i]), liftOf(i),
                              i == shiftedCard ? shift : 0);
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

void CardTableDrawer::DrawHandBacks(TablePosition position, const CardList& hand,
                                    int hiddenCard) const {
    for (int i = 0; i < hand.Count(); ++i)
        if (i != hiddenCard) DrawCardImage(position, i, BackPicture(table_.cardBackId));
}

void CardTableDrawer::DrawPiles(Card topCard) const {
    const StockPiles piles = table_.StockPilePositions();
    const Size card{table_.cardWidth, table_.cardHeight};
    {
        const ScopedBitmap back(surface_, BackPicture(table_.cardBackId));
        for (Point p : {piles.drawLower, piles.drawUpper, piles.discardBack})
            back.Stretch({0, 0, 29, 41}, RectAt(p, card));
    }
    if (IsCard(topCard)) {
        const ScopedBitmap top(surface_, FacePicture(topCard));
        top.Stretch({0, 0, 29, 41}, RectAt(piles.discardTop, card));
    }
}

void CardTableDrawer::DrawDiscardOnly(Card topCard) const {
    const DiscardOnlyPile pile = table_.DiscardOnlyPosition();
    const Size card{table_.cardWidth, table_.cardHeight};
    {
        const ScopedBitmap back(surface_, BackPicture(table_.cardBackId));
        back.Stretch({0, 0, 29, 41}, RectAt(pile.back, card));
    }
    if (IsCard(topCard)) {
        const ScopedBitmap top(surface_, FacePicture(topCard));
        top.Stretch({0, 0, 29, 41}, RectAt(pile.top, card));
    }
}

void CardTableDrawer::DrawStatus(TablePosition position, std::string_view text) const {
    Color previousText = 0;
    {
        const ScopedFont font(surface_, LabelFont);
        const Size size = surface_.MeasureText(text);
        previousText = surface_.SetTextColor(StatusRed);
        surface_.SetBackColor(table_.tableColor);
        surface_.TextOpaque(table_.StatusPos(position, size), text);
    }
    surface_.SetTextColor(previousText);
}

void CardTableDrawer::DrawName(TablePosition position, std::string_view text) const {
    const ScopedFont font(surface_, LabelFont);
    const Size size = surface_.MeasureText(text);
    surface_.SetBackColor(table_.tableColor);
    surface_.TextOpaque(table_.NamePos(position, size), text);
}

void CardTableDrawer::DrawDealerMarker(TablePosition position, std::string_view name) const {
    const ScopedFont font(surface_, LabelFont);
    const Size nameSize = surface_.MeasureText(name);
    const ScopedBitmap marker(surface_, bitmap::DealerMarker);
    marker.CopyTransparent(table_.DealerMarkerPos(position, nameSize), DealerMarkerSize, White);
}

}  // namespace mervane
