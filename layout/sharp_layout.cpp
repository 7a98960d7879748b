#include <algorithm>
#include <cmath>
#include <cstddef>

#include "layout/sharp_layout.h"

namespace mervane {

namespace {

// The hand card's height as a share of the window's shorter side, unless the rest of the
// table needs it smaller.
constexpr double kHandCardOfShortSide = 0.25;

// Sizes as fractions of the hand card's height: everything grows with the card, so one
// card height decides whether the whole table fits.
constexpr double kSeatCard = 0.55;   // a computer's back
constexpr double kMargin = 0.08;     // from the window's edges
constexpr double kGap = 0.05;        // between neighbours
constexpr double kPlateWidth = 1.1;  // plates and callouts hold two short lines
constexpr double kPlateHeight = 0.28;
constexpr double kBackRowShows = 0.40;  // of a back-row card above the front row
constexpr double kRingMargin = 0.12;    // between the discard pile and the arrow ring
constexpr double kCountHeight = 0.20;
constexpr double kSuitBox = 0.35;
constexpr double kIndicator = 0.30;
constexpr double kNarrowestReason = 1.0;
// A tall window's table keeps its seats together: it takes at most this many times the
// height it needs, centred, rather than spreading the seats to the window's ends.
constexpr double kTallestSpread = 1.3;

// Steps between neighbouring cards, as fractions of the card's width (across) or height
// (down the side seats' fans).
constexpr double kWidestHandStep = 0.75;  // even a short hand reads as a fan
constexpr double kBackStepAcross = 0.25;
constexpr double kBackStepDown = 0.18;
constexpr double kTightestBackStep = 0.04;  // a long fan of backs closes up into a stack

constexpr int kSuitBoxCount = static_cast<int>(SuitBoxOrder.size());

int PartUp(int length, double fraction) {
    return static_cast<int>(std::ceil(length * fraction));
}

// Every size of the table for one hand card height.
struct Metrics {
    int cardH, cardW, seatH, seatW, margin, gap, plateW, plateH, backRow, ring, countH, box,
        indicator, reasonW;
    Size Card() const { return {cardW, cardH}; }
    Size SeatCard() const { return {seatW, seatH}; }
    Size Plate() const { return {plateW, plateH}; }
};

Metrics MetricsFor(int h) {
    Metrics m{};
    m.cardH = h;
    m.cardW = std::max(1, ShareOf(h, SharpCardAspect));
    m.seatH = ShareOf(h, kSeatCard);
    m.seatW = ShareOf(m.seatH, SharpCardAspect);
    m.margin = ShareOf(h, kMargin);
    m.gap = ShareOf(h, kGap);
    m.plateW = ShareOf(h, kPlateWidth);
    m.plateH = ShareOf(h, kPlateHeight);
    m.backRow = PartUp(h, kBackRowShows);
    m.ring = ShareOf(h, kRingMargin);
    m.countH = ShareOf(h, kCountHeight);
    m.box = ShareOf(h, kSuitBox);
    m.indicator = ShareOf(h, kIndicator);
    m.reasonW = ShareOf(h, kNarrowestReason);
    return m;
}

int CountAt(const SharpCounts& counts, TablePosition position) {
    return std::max(0, counts.handSize[static_cast<std::size_t>(position - 1)]);
}

int HandRows(int n) {
    return n >= SharpTwoRowHand ? 2 : 1;
}
int CardsPerRow(int n) {
    return (n + HandRows(n) - 1) / HandRows(n);
}
int HandHeight(const Metrics& m, int n) {
    return m.cardH + (HandRows(n) - 1) * m.backRow;
}
// The narrowest step that still shows what a hand of n cards must show of each card.
int TightestHandStep(const Metrics& m, int n) {
    return PartUp(m.cardW, n <= SharpRoomyHand ? SharpRoomyHandShows : SharpIndexCornerWidth);
}

int FanLength(int count, int card, int step) {
    return count <= 0 ? 0 : card + (count - 1) * step;
}
// The widest step up to `widest` that keeps `count` cards within `room`.
int StepWithin(int count, int card, int room, int widest) {
    if (count <= 1) return widest;
    return std::clamp((room - card) / (count - 1), 0, widest);
}

int TopBandHeight(const Metrics& m) {
    return m.margin + std::max(m.seatH, m.plateH);
}
int BottomBandHeight(const Metrics& m, int n) {
    return m.plateH + m.gap + HandHeight(m, n) + m.margin;
}
// A side seat: its plate over its fan of backs; its callout stands on the fan.
int SideColumnHeight(const Metrics& m, int fanLength) {
    return m.plateH + m.gap + std::max(fanLength, m.plateH);
}
// The pack with its count below it, the discard pile in its ring, the suit indicator.
Size CentreRow(const Metrics& m) {
    return {m.cardW + m.gap + (m.cardW + 2 * m.ring) + m.gap + m.indicator,
            std::max(m.cardH + 2 * m.ring, m.ring + m.cardH + m.gap + m.countH)};
}
int SuitBoxesWidth(const Metrics& m) {
    return kSuitBoxCount * m.box + (kSuitBoxCount - 1) * m.gap;
}

// The window the table needs at these sizes, with every fan at its tightest.
Size Needed(const Metrics& m, const SharpCounts& counts) {
    const int human = CountAt(counts, Bottom);
    const int sideSeats = 2 * (m.plateW + m.gap);
    const int tightBackX = ShareOf(m.seatW, kTightestBackStep);
    const int tightBackY = ShareOf(m.seatH, kTightestBackStep);
    const int width = std::max({FanLength(CardsPerRow(human), m.cardW, TightestHandStep(m, human)),
                                2 * m.plateW + 2 * m.gap + m.reasonW,
                                sideSeats + FanLength(CountAt(counts, Top), m.seatW, tightBackX),
                                sideSeats + std::max(CentreRow(m).width, SuitBoxesWidth(m))});
    const int middle =
        std::max({SideColumnHeight(m, FanLength(CountAt(counts, Left), m.seatH, tightBackY)),
                  SideColumnHeight(m, FanLength(CountAt(counts, Right), m.seatH, tightBackY)),
                  CentreRow(m).height + m.gap + m.box});
    return {2 * m.margin + width,
            TopBandHeight(m) + m.gap + middle + m.gap + BottomBandHeight(m, human)};
}

bool Fits(Size need, Size window) {
    return need.width <= window.width && need.height <= window.height;
}

int HandCardHeight(Size window, const SharpCounts& counts) {
    const int shortSide = std::min(window.width, window.height);
    const int preferred = std::max(1, ShareOf(shortSide, kHandCardOfShortSide));
    const Size need = Needed(MetricsFor(preferred), counts);
    // The needs grow almost in proportion to the card, so one scaling lands close, and
    // the rounding is settled a pixel at a time.
    const double scale = std::min({1.0, double(window.width) / std::max(1, need.width),
                                   double(window.height) / std::max(1, need.height)});
    int h = std::max(1, static_cast<int>(preferred * scale));
    while (h > 1 && !Fits(Needed(MetricsFor(h), counts), window)) --h;
    return h;
}

std::vector<Rect> Fan(Point first, Size card, int count, Point step) {
    std::vector<Rect> cards;
    for (int i = 0; i < count; ++i)
        cards.push_back(RectAt({first.x + i * step.x, first.y + i * step.y}, card));
    return cards;
}

// The human's hand along the bottom, in rows of equal length, later cards over earlier
// ones and the second row in front of the first; the plate, the reason and the callout
// stand in a line above it.
void LayOutHuman(const Metrics& m, Size window, int n, SharpTable& table) {
    SharpSeat& seat = table.seats[Bottom - 1];
    const int perRow = CardsPerRow(n);
    const int step =
        StepWithin(perRow, m.cardW, window.width - 2 * m.margin, ShareOf(m.cardW, kWidestHandStep));
    const int left = (window.width - FanLength(perRow, m.cardW, step)) / 2;
    const int firstTop = window.height - m.margin - HandHeight(m, n);
    for (int i = 0; i < n; ++i) {
        const int row = i / perRow;
        const Rect card =
            RectAt({left + (i % perRow) * step, firstTop + row * m.backRow}, m.Card());
        Rect strip = card;
        const bool lastInRow = i % perRow == perRow - 1 || i == n - 1;
        if (!lastInRow) strip.right = strip.left + step;
        if (row < HandRows(n) - 1) strip.bottom = strip.top + m.backRow;
        seat.cards.push_back(card);
        table.handStrips.push_back(strip);
    }
    const int lineTop = firstTop - m.gap - m.plateH;
    seat.plate = RectAt({m.margin, lineTop}, m.Plate());
    seat.callout = RectAt({window.width - m.margin - m.plateW, lineTop}, m.Plate());
    table.reason = {seat.plate.right + m.gap, lineTop, seat.callout.left - m.gap,
                    lineTop + m.plateH};
}

// The top seat's fan across the middle of the top edge, its plate to the left and its
// callout to the right.
SharpSeat TopSeat(const Metrics& m, Size window, int n) {
    const int room = window.width - 2 * (m.margin + m.plateW + m.gap);
    const int step = StepWithin(n, m.seatW, room, ShareOf(m.seatW, kBackStepAcross));
    const int length = FanLength(n, m.seatW, step);
    const int left = (window.width - length) / 2;
    const int lineTop = m.margin + (TopBandHeight(m) - m.margin - m.plateH) / 2;
    SharpSeat seat;
    seat.cards = Fan({left, m.margin}, m.SeatCard(), n, {step, 0});
    seat.plate = RectAt({left - m.gap - m.plateW, lineTop}, m.Plate());
    seat.callout = RectAt({left + length + m.gap, lineTop}, m.Plate());
    return seat;
}

// A side seat's plate over its fan against its edge of the middle, centred in its
// height; the callout lies across the middle of the fan, where it plainly belongs to
// the seat and to nothing else.
SharpSeat SideSeat(const Metrics& m, Rect middle, int n, TablePosition side) {
    const int room = middle.Height() - SideColumnHeight(m, 0);
    const int step = StepWithin(n, m.seatH, room, ShareOf(m.seatH, kBackStepDown));
    const int length = FanLength(n, m.seatH, step);
    const int top = middle.top + (middle.Height() - SideColumnHeight(m, length)) / 2;
    const int left = side == Left ? middle.left : middle.right - m.plateW;
    SharpSeat seat;
    seat.plate = RectAt({left, top}, m.Plate());
    const int fanTop = seat.plate.bottom + m.gap;
    seat.cards = Fan({left + (m.plateW - m.seatW) / 2, fanTop}, m.SeatCard(), n, {0, step});
    const int fanMiddle = fanTop + std::max(length, m.plateH) / 2;
    seat.callout = RectAt({left, fanMiddle - m.plateH / 2}, m.Plate());
    return seat;
}

// The piles in a row centred between the side seats, the suit boxes in a row below.
void LayOutCentre(const Metrics& m, Rect centre, SharpTable& table) {
    const Size row = CentreRow(m);
    const int top = centre.top + (centre.Height() - (row.height + m.gap + m.box)) / 2;
    const int left = centre.left + (centre.Width() - row.width) / 2;
    const int cardTop = top + m.ring;
    table.pack = RectAt({left, cardTop}, m.Card());
    table.packCount = RectAt({left, table.pack.bottom + m.gap}, {m.cardW, m.countH});
    table.arrowRing =
        RectAt({table.pack.right + m.gap, top}, {m.cardW + 2 * m.ring, m.cardH + 2 * m.ring});
    table.discard = RectAt({table.arrowRing.left + m.ring, cardTop}, m.Card());
    table.suitIndicator =
        RectAt({table.arrowRing.right + m.gap, table.discard.Center().y - m.indicator / 2},
               {m.indicator, m.indicator});
    const int boxesLeft = centre.left + (centre.Width() - SuitBoxesWidth(m)) / 2;
    for (int i = 0; i < kSuitBoxCount; ++i)
        table.suitBoxes[static_cast<std::size_t>(i)] =
            RectAt({boxesLeft + i * (m.box + m.gap), top + row.height + m.gap}, {m.box, m.box});
}

void Shift(Rect& r, int dy) {
    r.top += dy;
    r.bottom += dy;
}

void Shift(SharpTable& table, int dy) {
    for (SharpSeat& seat : table.seats) {
        Shift(seat.plate, dy);
        Shift(seat.callout, dy);
        for (Rect& card : seat.cards) Shift(card, dy);
    }
    for (Rect& strip : table.handStrips) Shift(strip, dy);
    for (Rect& box : table.suitBoxes) Shift(box, dy);
    for (Rect* r : {&table.reason, &table.pack, &table.packCount, &table.discard, &table.arrowRing,
                    &table.suitIndicator})
        Shift(*r, dy);
}

SharpTable LayOutIn(Size window, const Metrics& m, const SharpCounts& counts) {
    const int human = CountAt(counts, Bottom);
    SharpTable table;
    table.window = window;
    table.card = m.Card();
    table.seatCard = m.SeatCard();
    const Rect middle{m.margin, TopBandHeight(m) + m.gap, window.width - m.margin,
                      window.height - BottomBandHeight(m, human) - m.gap};
    LayOutHuman(m, window, human, table);
    table.seats[Top - 1] = TopSeat(m, window, CountAt(counts, Top));
    table.seats[Left - 1] = SideSeat(m, middle, CountAt(counts, Left), Left);
    table.seats[Right - 1] = SideSeat(m, middle, CountAt(counts, Right), Right);
    const int sideSeat = m.plateW + m.gap;
    LayOutCentre(m, {middle.left + sideSeat, middle.top, middle.right - sideSeat, middle.bottom},
                 table);
    return table;
}

}  // namespace

SharpTable LayOutSharpTable(Size window, const SharpCounts& counts) {
    const Metrics m = MetricsFor(HandCardHeight(window, counts));
    const int tallest = static_cast<int>(Needed(m, counts).height * kTallestSpread);
    if (window.height <= tallest) return LayOutIn(window, m, counts);
    SharpTable table = LayOutIn({window.width, tallest}, m, counts);
    Shift(table, (window.height - tallest) / 2);
    table.window = window;
    return table;
}

Rect SharpIndexCorner(Rect card) {
    return {card.left, card.top, card.left + PartUp(card.Width(), SharpIndexCornerWidth),
            card.top + PartUp(card.Height(), SharpIndexCornerHeight)};
}

int SharpTable::HandCardAt(Point p) const {
    for (std::size_t i = handStrips.size(); i-- > 0;)
        if (handStrips[i].Contains(p)) return static_cast<int>(i);
    return -1;
}

int SharpTable::SuitBoxAt(Point p) const {
    for (std::size_t i = 0; i < suitBoxes.size(); ++i)
        if (suitBoxes[i].Contains(p)) return static_cast<int>(i);
    return -1;
}

}  // namespace mervane
