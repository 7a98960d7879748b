#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "layout/card_table.h"
#include "layout/geometry.h"

namespace mervane {

// The Sharp table laid out for the window itself rather than the 240 x 268 table scaled.
// Plain data in device pixels: the painter draws at these rectangles and the hit tests
// below read the same ones.

// A card's width per unit of height. The installed SVG decks run from 0.64 to 0.75
// (card_decks.cpp stretches a face to within 12 % of its rectangle); 0.69 sits in the
// middle of them and near the Classic card's 29 / 41.
inline constexpr double SharpCardAspect = 0.69;

// The part of a face that must never be covered in a hand: the index (the rank, in
// many decks with the suit under it) in its top-left corner, as fractions of the card.
// The standard deck's rank takes about the left and top eighths; the rest is room for
// a suit under the rank and a margin, while still letting a hand of 19 fit on one row.
inline constexpr double SharpIndexCornerWidth = 0.25;
inline constexpr double SharpIndexCornerHeight = 0.30;

// A hand up to this size shows at least this fraction of each card's width.
inline constexpr int SharpRoomyHand = 12;
inline constexpr double SharpRoomyHandShows = 0.35;
// From this size on the human's hand takes two rows.
inline constexpr int SharpTwoRowHand = 20;

struct SharpCounts {
    std::array<std::int32_t, 4> handSize{};  // by TablePosition - 1
};

struct SharpSeat {
    Rect plate;    // name, cards in hand, game score, dealer mark
    Rect callout;  // a short word such as "+2" or "Skipped"
    // The human's faces (hand order, later cards over earlier ones), or the backs of a
    // computer's fan.
    std::vector<Rect> cards;
};

struct SharpTable {
    Size window;
    Size card;                       // the human's cards and the piles
    Size seatCard;                   // the computers' backs
    std::array<SharpSeat, 4> seats;  // by TablePosition - 1
    // The part of each of the human's cards that shows, and answers a tap.
    std::vector<Rect> handStrips;
    Rect reason;  // why a card was refused, above the human's hand
    Rect pack;
    Rect packCount;
    Rect discard;
    Rect arrowRing;  // the direction arrow runs round the discard pile inside this
    Rect suitIndicator;
    std::array<Rect, 4> suitBoxes;  // in SuitBoxOrder

    const SharpSeat& Seat(TablePosition position) const {
        return seats[static_cast<std::size_t>(position - 1)];
    }
    // The human's card under the point, or -1.
    int HandCardAt(Point p) const;
    bool PackAt(Point p) const { return pack.Contains(p); }
    // The suit box under the point (an index into SuitBoxOrder), or -1.
    int SuitBoxAt(Point p) const;
};

SharpTable LayOutSharpTable(Size window, const SharpCounts& counts);

// The index corner of a face drawn in `card`.
Rect SharpIndexCorner(Rect card);

}  // namespace mervane
