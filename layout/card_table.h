#pragma once

#include <array>
#include <cstdint>

#include "cards/card.h"
#include "layout/geometry.h"

namespace mervane {

// The table's own size in pixels: the layout's coordinates, and the Classic picture.
inline constexpr int TableWidth = 240;
inline constexpr int TableHeight = 268;

// The layout's code for a place at the table.
enum TablePosition : std::int32_t { NoPosition = -1, Bottom = 1, Top = 2, Left = 3, Right = 4 };

inline constexpr Color DefaultTableColor = MakeColor(0, 155, 0);
inline constexpr Color StatusRed = MakeColor(200, 0, 0);
// The card back designs as the settings number them (CARDBACK).
inline constexpr std::int32_t FirstCardBackId = 54;
inline constexpr std::int32_t LastCardBackId = 65;
inline constexpr Size DealerMarkerSize{8, 7};
// The suits of the four suit boxes, left to right.
inline constexpr std::array<Suit, 4> SuitBoxOrder{Hearts, Diamonds, Clubs, Spades};

struct StockPiles {
    Point drawLower, drawUpper, discardBack, discardTop;
};
struct DiscardOnlyPile {
    Point back, top;
};

// The card table's layout: pure integer arithmetic shared by painting and hit tests.
// It draws nothing; render/card_table_draw.h draws from it.
class CCardTable {
  public:
    // Sets the table rectangle and the fan steps, as the game does at start-up and at
    // each tap, and as every paint does on its own copy.
    void SetTableRect(Rect rect);
    Point CardPos(TablePosition position, int index) const;
    StockPiles StockPilePositions() const;
    DiscardOnlyPile DiscardOnlyPosition() const;
    Point NamePos(TablePosition position, Size text) const;
    Point StatusPos(TablePosition position, Size text) const;
    Point DealerMarkerPos(TablePosition position, Size nameText) const;
    // In SuitBoxOrder.
    std::array<Rect, 4> SuitBoxes() const;
    // The suit box under the tap (an index into SuitBoxOrder), or -1.
    int HitSuitBox(Point tap) const;
    Point SuitIndicatorPos() const;
    Rect DrawPileRect() const;
    bool HitDrawPile(Point tap) const;
    // The card of the bottom hand under the tap, or -1.
    int HitHandCard(Point tap, int cardCount) const;
    // The part of bottom hand card `index` that shows, and answers a tap.
    Rect HandCardStrip(int index, int cardCount) const;

    std::int32_t HandSize(TablePosition position) const;
    void SetHandSize(TablePosition position, std::int32_t count);

    Rect tableRect;
    Color tableColor = DefaultTableColor;
    std::int32_t cardBackId = FirstCardBackId;
    std::int32_t cardHeight = 41;
    std::int32_t cardWidth = 29;
    std::int32_t stepX = 0;
    std::int32_t stepY = 0;
    std::array<std::int32_t, 4> handSize{};  // by TablePosition - 1

  private:
    Point FanPos(TablePosition position, int index, int count) const;
};

// The layout fitted to the whole table: what painting, hit tests, the keyboard ring and
// the screen reader all read.
CCardTable FittedToTable(CCardTable layout);

}  // namespace mervane
