#include <algorithm>

#include "layout/card_table.h"

namespace mervane {

namespace {

constexpr int kFanRow = 10;  // cards in one row or column of a fan
constexpr int kEdge = 10;    // gap between the table's edge and a hand

// Place of a card within its row or column; -1 (no card) stays -1.
int PlaceInRow(int index) {
    return index >= kFanRow ? index % kFanRow : index;
}
int RowOf(int index) {
    return index < 0 ? 0 : index / kFanRow;
}

}  // namespace

void CCardTable::SetTableRect(Rect rect) {
    tableRect = rect;
    stepX = cardWidth / 3;
    stepY = cardHeight / 3;
}

std::int32_t CCardTable::HandSize(TablePosition position) const {
    if (position < Bottom || position > Right) return 0;
    return handSize[static_cast<std::size_t>(position - 1)];
}

void CCardTable::SetHandSize(TablePosition position, std::int32_t count) {
    if (position < Bottom || position > Right) return;
    handSize[static_cast<std::size_t>(position - 1)] = count;
}

Point CCardTable::CardPos(TablePosition position, int index) const {
    return FanPos(position, index, HandSize(position));
}

Point CCardTable::FanPos(TablePosition position, int index, int count) const {
    const Point c = tableRect.Center();
    const int k = PlaceInRow(index);
    const int m = std::min(count, kFanRow);
    const int row = RowOf(index);
    if (position == Bottom || position == Top) {
        // The factor is k - 1: the whole fan sits one step left of the centre line.
        const int span = (m - 1) * stepX + cardWidth;
        const int x = c.x - span / 2 + (k - 1) * stepX;
        if (position == Top) return {x, kEdge + row * stepY};
        return {x, tableRect.bottom - cardHeight - kEdge - std::min(row, 3) * (cardHeight / 2)};
    }
    const int span = (m - 1) * stepY + cardHeight;
    const int y = c.y - span / 2 + (k - 1) * stepY;
    const int inward = std::min(row, 2) * 2 * stepX;
    if (position == Left) return {kEdge + inward, y};
    if (position == Right) return {tableRect.right - cardWidth - kEdge - inward, y};
    return {0, 0};
}

StockPiles CCardTable::StockPilePositions() const {
    const Point c = tableRect.Center();
    const int w = cardWidth, h = cardHeight;
    const int drawX = c.x - w - kEdge - w / 2;
    const int discardX = c.x + kEdge - w / 2;
    const int y = c.y - h / 2;
    return {{drawX - w / 8, y - h / 8}, {drawX, y}, {discardX - w / 8, y - h / 8}, {discardX, y}};
}

DiscardOnlyPile CCardTable::DiscardOnlyPosition() const {
    const Point c = tableRect.Center();
    const int x = c.x - cardWidth / 2, y = c.y - cardHeight / 2;
    return {{x - cardWidth / 8, y - cardHeight / 8}, {x, y}};
}

Point CCardTable::NamePos(TablePosition position, Size text) const {
    const Point p0 = CardPos(position, 0);
    switch (position) {
        case Top: return {p0.x - text.width - 10, p0.y};
        case Left: return {p0.x, p0.y - text.height - 7};
        case Right: return {p0.x + cardWidth - text.width, p0.y - text.height - 7};
        default: return p0;
    }
}

Point CCardTable::StatusPos(TablePosition position, Size text) const {
    const int n = HandSize(position);
    const Point pj = CardPos(position, n <= kFanRow ? n - 1 : kFanRow - 1);
    switch (position) {
        case Bottom: return {pj.x + cardWidth + 10, pj.y + cardHeight - text.height};
        case Top: return {pj.x + cardWidth + 10, pj.y};
        case Left: return {pj.x, pj.y + cardHeight + 12};
        case Right: return {pj.x + cardWidth - text.width, pj.y + cardHeight + 12};
        default: return pj;
    }
}

Point CCardTable::DealerMarkerPos(TablePosition position, Size nameText) const {
    const Point p0 = CardPos(position, 0);
    const int tw = nameText.width, th = nameText.height;
    Point at = p0;
    switch (position) {
        case Bottom: at = {p0.x - tw - 12, p0.y + cardHeight - 7}; break;
        case Top: at = {p0.x - tw - 23, p0.y}; break;
        case Left: at = {p0.x + tw + 5, p0.y - th - 5}; break;
        case Right: at = {p0.x + cardWidth - tw - 13, p0.y - th - 5}; break;
        default: break;
    }
    // A long name beside a long hand would push the marker off the table.
    const auto keepIn = [](int v, int low, int high) { return std::max(low, std::min(v, high)); };
    return {keepIn(at.x, tableRect.left, tableRect.right - DealerMarkerSize.width),
            keepIn(at.y, tableRect.top, tableRect.bottom - DealerMarkerSize.height)};
}

std::array<Rect, 4> CCardTable::SuitBoxes() const {
    const Point c = tableRect.Center();
    const int top = c.y + cardHeight / 2 + 10;
    std::array<Rect, 4> boxes{};
    for (int i = 0; i < 4; ++i) {
        const int left = c.x - 48 + 24 * i;
        boxes[static_cast<std::size_t>(i)] = {left, top, left + 24, top + 22};
    }
    return boxes;
}

int CCardTable::HitSuitBox(Point tap) const {
    const auto boxes = SuitBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].Contains(tap)) return static_cast<int>(i);
    }
    return -1;
}

Point CCardTable::SuitIndicatorPos() const {
    return {1, tableRect.bottom - 21};
}

Rect CCardTable::DrawPileRect() const {
    const Point c = tableRect.Center();
    const int left = c.x - cardWidth - cardWidth / 2 - kEdge;
    const int top = c.y - cardHeight / 2;
    return {left, top, left + cardWidth, top + cardHeight};
}

bool CCardTable::HitDrawPile(Point tap) const {
    return DrawPileRect().Contains(tap);
}

int CCardTable::HitHandCard(Point tap, int cardCount) const {
    const int n = HandSize(Bottom);
    const int m = std::min(n, kFanRow);
    const int extraRows = (n > 10) + (n > 20) + (n > 30);
    const Point p0 = CardPos(Bottom, 0);
    const Rect area{p0.x, p0.y - extraRows * (cardHeight / 2), p0.x + (m - 1) * stepX + cardWidth,
                    p0.y + cardHeight};
    if (!area.Contains(tap)) return -1;
    for (int i = 0; i < cardCount; ++i) {
        // Only the strip that the drawing leaves visible answers; edges are strict.
        const Rect strip = HandCardStrip(i, cardCount);
        if (strip.left < tap.x && tap.x < strip.right && strip.top < tap.y && tap.y < strip.bottom)
            return i;
    }
    return -1;
}

Rect CCardTable::HandCardStrip(int index, int cardCount) const {
    const Point p = CardPos(Bottom, index);
    const int width = index == cardCount - 1 ? cardWidth : stepX;
    const int height = index < kFanRow ? cardHeight : cardHeight / 2;
    return {p.x, p.y, p.x + width, p.y + height};
}

CCardTable FittedToTable(CCardTable layout) {
    layout.SetTableRect({0, 0, TableWidth, TableHeight});
    return layout;
}

}  // namespace mervane
