#include <gtest/gtest.h>

#include <QImage>
#include <QRegion>

#include "cards/card.h"
#include "game/game_state.h"
#include "game/timings.h"
#include "render/bitmap_cache.h"
#include "render/qt_surface.h"
#include "render/sharp_surface.h"
#include "render/snapshot.h"
#include "render/table_marks.h"
#include "render/table_painter.h"
#include "tests/cards/card_text.h"

namespace mervane {
namespace {

constexpr QRgb kYellow = 0xFFFFFF00;

// Every bitmap a plain block of its own colour, so that a moved card shows.
void ProvideBlockBitmaps() {
    BitmapCache& cache = BitmapCache::Shared();
    cache.Clear();
    const auto block = [](int id, QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(qRgb(id, 255 - id, (id * 37) % 256));
        // A black top row marks where each card begins.
        for (int x = 0; x < size.width(); ++x) image.setPixel(x, 0, qRgb(0, 0, 0));
        return image;
    };
    for (int id = 1; id <= 65; ++id) cache.Provide(id, block(id, {29, 41}));
    for (int id = 145; id <= 148; ++id) cache.Provide(id, block(id, {24, 22}));
    for (int id = 153; id <= 156; ++id) cache.Provide(id, block(id, {19, 19}));
}

void Give(CardList& hand, std::initializer_list<const char*> cards) {
    hand.Clear();
    hand.SetCapacity(MaxListCards);
    for (const char* card : cards) hand.Add(ParseCard(card));
}

// The human's move on the 9 of Hearts, with the 9 of Spades and of Clubs and the 2 of
// Hearts to play.
GameState HumanToMove() {
    GameState state;
    Give(state.hands[0], {"9S", "9C", "KC", "2H", "3D"});
    for (std::size_t seat = 1; seat < 4; ++seat) Give(state.hands[seat], {"4C", "4D", "6C"});
    state.table.SetTableRect({0, 0, 240, 268});
    state.table.SetHandSize(Bottom, 5);
    for (TablePosition p : {Left, Top, Right}) state.table.SetHandSize(p, 3);
    state.playerNames = {"Left", "Top", "Right"};
    state.topCard = ParseCard("9H");
    state.currentSuit = Hearts;
    state.gameInProgress = true;
    state.betweenGames = false;
    state.showSplash = false;
    state.humanTurn = true;
    for (int i = 0; i < 20; ++i) state.deck.Draw();
    return state;
}

QImage Classic(const GameState& state, const TableMarks& marks) {
    QImage image(ViewWidth, ViewHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QtSurface surface(image);
    OnDraw(state, surface, nullptr, marks);
    return image;
}

QRect ToQRect(Rect r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

::testing::AssertionResult Same(const QRegion& a, const QRegion& b) {
    if ((a ^ b).isEmpty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "regions differ around (" << (a ^ b).boundingRect().x()
                                         << ", " << (a ^ b).boundingRect().y() << ")";
}

// The pixels in which two images differ.
QRegion Changed(const QImage& a, const QImage& b) {
    QRegion changed;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) changed += QRect(x, y, 1, 1);
    return changed;
}

// The two-pixel band just outside `around`.
QRegion Ring(Rect around) {
    const QRect inner = ToQRect(around);
    return QRegion(inner.adjusted(-2, -2, 2, 2)) - QRegion(inner);
}

::testing::AssertionResult AllOf(const QImage& image, const QRegion& region, QRgb colour) {
    for (const QRect& r : region)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (image.pixel(x, y) != colour)
                    return ::testing::AssertionFailure() << "(" << x << ", " << y << ")";
    return ::testing::AssertionSuccess();
}

class Marks : public ::testing::Test {
  protected:
    void SetUp() override { ProvideBlockBitmaps(); }
};

TEST_F(Marks, DefaultMarksPaintTheTableAsBefore) {
    GameState move = HumanToMove();
    GameState suit = HumanToMove();
    suit.choosingSuit = true;
    GameState over = HumanToMove();
    over.handOver = over.showHandScore = true;
    for (const GameState* state : {&move, &suit, &over}) {
        EXPECT_TRUE(Classic(*state, {}) == RenderTableImage(*state));
        // Playable cards belong to the human's move only.
        if (state != &move) {
            EXPECT_TRUE(Classic(*state, {.showPlayable = true}) == RenderTableImage(*state));
        }
    }
    GameState computers = HumanToMove();
    computers.humanTurn = false;
    EXPECT_TRUE(Classic(computers, {.showPlayable = true}) == RenderTableImage(computers));
}

TEST_F(Marks, TheRingOutlinesTheFocusedCardsVisibleStripOnly) {
    const GameState state = HumanToMove();
    const QImage plain = Classic(state, {});
    for (int card : {0, 2, 4}) {
        const QImage ringed = Classic(state, {.focusedCard = card});
        const QRegion ring = Ring(state.table.HandCardStrip(card, 5));
        EXPECT_TRUE(Same(Changed(plain, ringed) - ring, {})) << card;
        EXPECT_TRUE(AllOf(ringed, ring, kYellow)) << card;
    }
    // A focus beyond the hand marks nothing.
    EXPECT_TRUE(Classic(state, {.focusedCard = 5}) == plain);
}

TEST_F(Marks, TheRingOutlinesTheFocusedSuitBox) {
    GameState state = HumanToMove();
    state.choosingSuit = true;
    const QImage plain = Classic(state, {});
    const QImage ringed = Classic(state, {.focusedSuitBox = 2});
    const QRegion ring = Ring(state.table.SuitBoxes()[2]);
    EXPECT_TRUE(Same(Changed(plain, ringed), ring));
    EXPECT_TRUE(AllOf(ringed, ring, kYellow));
}

TEST_F(Marks, TheRingIsDarkOnALightTable) {
    GameState state = HumanToMove();
    state.table.tableColor = MakeColor(230, 230, 200);
    const QImage ringed = Classic(state, {.focusedCard = 4});
    EXPECT_TRUE(AllOf(ringed, Ring(state.table.HandCardStrip(4, 5)), 0xFF000080));
}

TEST_F(Marks, PlayableCardsRiseByFourPixels) {
    const GameState state = HumanToMove();
    const QImage plain = Classic(state, {});
    const QImage shown = Classic(state, {.showPlayable = true});
    const CCardTable& layout = state.table;
    // The nines match the 9, the 2 of Hearts follows Hearts; the King of Clubs and the
    // 3 of Diamonds stay down.
    QRegion moved;
    for (int card : {0, 1, 3}) {
        const Point at = layout.CardPos(Bottom, card);
        moved += QRect(at.x, at.y - PlayableLift, layout.cardWidth, layout.cardHeight + 4);
        // The card's top row, black, now lies four pixels higher.
        EXPECT_EQ(shown.pixel(at.x + 1, at.y - PlayableLift), 0xFF000000) << card;
        EXPECT_NE(shown.pixel(at.x + 1, at.y), 0xFF000000) << card;
    }
    EXPECT_TRUE(Same(Changed(plain, shown) - moved, {}));
    for (int card : {2, 4}) {
        const Point at = layout.CardPos(Bottom, card);
        EXPECT_EQ(shown.pixel(at.x + layout.stepX - 1, at.y), 0xFF000000) << card;
    }
    // The focused raised card carries its ring up with it.
    const QImage ringed = Classic(state, {.focusedCard = 1, .showPlayable = true});
    Rect strip = layout.HandCardStrip(1, 5);
    strip.top -= PlayableLift;
    strip.bottom -= PlayableLift;
    EXPECT_TRUE(AllOf(ringed, Ring(strip), kYellow));
}

TEST_F(Marks, WithNothingPlayableThePackIsMarked) {
    GameState state = HumanToMove();
    Give(state.hands[0], {"KC", "3D", "4C", "6D", "7C"});
    const QImage plain = Classic(state, {});
    const QImage shown = Classic(state, {.showPlayable = true});
    const QRegion ring = Ring(state.table.DrawPileRect());
    EXPECT_TRUE(Same(Changed(plain, shown), ring));
    EXPECT_TRUE(AllOf(shown, ring, kYellow));
    // An empty pack is not marked: there is nothing to draw.
    while (!state.deck.Empty()) state.deck.Draw();
    EXPECT_TRUE(Classic(state, {.showPlayable = true}) == Classic(state, {}));
}

TEST_F(Marks, TheSharpLookDrawsTheRingAtItsScale) {
    const GameState state = HumanToMove();
    TitleArt title;
    const Rect strip = state.table.HandCardStrip(4, 5);
    QImage image(ViewWidth * 3, ViewHeight * 3, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        SharpSurface surface(image, {ViewWidth, ViewHeight}, QPointF(0, 0), 3, nullptr);
        OnDraw(state, surface, title, {.focusedCard = 4});
    }
    // Two table pixels are six device pixels on each side.
    for (int d = 0; d < 6; ++d) {
        EXPECT_EQ(image.pixel(strip.right * 3 + d, strip.top * 3 + 20), kYellow) << d;
        EXPECT_EQ(image.pixel(strip.left * 3 - 1 - d, strip.top * 3 + 20), kYellow) << d;
    }
    EXPECT_NE(image.pixel(strip.right * 3 + 6, strip.top * 3 + 20), kYellow);
}

// The table in the Sharp look at scale 2.
QImage Sharp(const GameState& state, const TableMarks& marks) {
    QImage image(ViewWidth * 2, ViewHeight * 2, QImage::Format_RGB32);
    image.fill(Qt::black);
    TitleArt title;
    {
        SharpSurface surface(image, {ViewWidth, ViewHeight}, QPointF(0, 0), 2, nullptr);
        OnDraw(state, surface, title, marks);
    }
    return image;
}

GameState Reversed() {
    GameState state = HumanToMove();
    state.rules.advanced = true;
    state.reversed = true;
    return state;
}

// How many pixels of `region` differ.
int Count(const QRegion& region) {
    int count = 0;
    for (const QRect& r : region) count += r.width() * r.height();
    return count;
}

TEST_F(Marks, TheDirectionArrowShowsOnlyWhileReversedAndOnlyInTheSharpLook) {
    const GameState reversed = Reversed();
    GameState clockwise = reversed;
    clockwise.reversed = false;
    GameState plainRules = reversed;
    plainRules.rules.advanced = false;
    const TableMarks direction{.showDirection = true};

    // The Classic look has no such picture: not one pixel changes.
    EXPECT_TRUE(Classic(reversed, direction) == Classic(reversed, {}));
    EXPECT_TRUE(Sharp(reversed, {}) == Sharp(clockwise, {}));
    EXPECT_TRUE(Sharp(clockwise, direction) == Sharp(clockwise, {}));
    EXPECT_TRUE(Sharp(plainRules, direction) == Sharp(plainRules, {}));

    // Reversed, the arrow lies round the discard pile and leaves its cards whole.
    const QRegion arrow = Changed(Sharp(reversed, {}), Sharp(reversed, direction));
    const Rect box = DirectionArrowRect(reversed.table, true);
    const QRect inBox(box.left * 2, box.top * 2, box.Width() * 2, box.Height() * 2);
    EXPECT_GT(Count(arrow), 200);
    EXPECT_TRUE(Same(arrow - QRegion(inBox), {}));
    const Point top = reversed.table.StockPilePositions().discardTop;
    const QRect topCard(top.x * 2, top.y * 2, reversed.table.cardWidth * 2,
                        reversed.table.cardHeight * 2);
    EXPECT_TRUE(Same(arrow & QRegion(topCard), {}));
    const QRect pack = ToQRect(reversed.table.DrawPileRect());
    EXPECT_TRUE(Same(arrow & QRegion(QRect(pack.topLeft() * 2, pack.size() * 2)), {}));

    // Counter-clockwise: the upper arc ends in its head on the left, the lower one on
    // the right.
    const int headTop = (box.top + 16) * 2, headBottom = (box.bottom - 28) * 2;
    const QRegion leftHead(QRect(box.left * 2, headTop, 20, 22));
    const QRegion rightHead(QRect(box.right * 2 - 20, headTop, 20, 22));
    EXPECT_GT(Count(arrow & leftHead), Count(arrow & rightHead) + 20);
    const QRegion lowerRight(QRect(box.right * 2 - 20, headBottom, 20, 22));
    const QRegion lowerLeft(QRect(box.left * 2, headBottom, 20, 22));
    EXPECT_GT(Count(arrow & lowerRight), Count(arrow & lowerLeft) + 20);
}

TEST_F(Marks, AShakenCardIsDrawnBesideItsPlaceWithItsRing) {
    const GameState state = HumanToMove();
    const CCardTable& layout = state.table;
    const Point at = layout.CardPos(Bottom, 2);
    const Point next = layout.CardPos(Bottom, 3);
    const int y = at.y + 10;
    const QImage plain = Classic(state, {});
    // The cards beside it keep their places: only the two card widths round it change.
    const QRegion around(QRect(at.x - 3, at.y, layout.cardWidth + 6, layout.cardHeight));
    for (int offset : {-3, 3}) {
        const QImage shaken = Classic(state, {.shakeCard = 2, .shakeOffset = offset});
        EXPECT_FALSE(Changed(plain, shaken).isEmpty()) << offset;
        EXPECT_TRUE(Same(Changed(plain, shaken) - around, {})) << offset;
        // Its own colour now starts `offset` pixels away; the card above still covers it.
        EXPECT_EQ(shaken.pixel(at.x + offset, y), plain.pixel(at.x, y)) << offset;
        EXPECT_EQ(shaken.pixel(next.x, y), plain.pixel(next.x, y)) << offset;
    }
    // Moved right, it uncovers the card below it.
    EXPECT_EQ(Classic(state, {.shakeCard = 2, .shakeOffset = 3}).pixel(at.x + 1, y),
              plain.pixel(at.x - 1, y));
    // The ring goes with the card.
    Rect strip = layout.HandCardStrip(2, 5);
    strip.left += 3;
    strip.right += 3;
    EXPECT_TRUE(AllOf(Classic(state, {.focusedCard = 2, .shakeCard = 2, .shakeOffset = 3}),
                      Ring(strip), kYellow));
    // At rest it lies in its place.
    EXPECT_TRUE(Classic(state, {.shakeCard = 2, .shakeOffset = 0}) == plain);
}

// --- moving cards ---

TEST(SlideTiming, ASlideEndsWellInsideTheShortestPauseAtAnyScale) {
    constexpr int shortest =
        std::min({DealtPauseMs, FastDelayMs, DealingPauseMs, SpecialCardPauseMs, HumanPassPauseMs});
    EXPECT_EQ(SlideDuration(1), SlideMs);
    EXPECT_EQ(SlideDuration(4), SlideMs) << "never longer at a slow pace";
    for (double scale : {2.0, 1.0, 0.5, 0.2, 0.05, 0.01}) {
        EXPECT_GT(SlideDuration(scale), 0) << scale;
        EXPECT_LT(SlideDuration(scale), shortest * scale) << scale;
    }
    EXPECT_EQ(SlideDuration(0), 0);
    EXPECT_EQ(SlideDuration(-1), 0);
}

TEST(SlideTiming, TheCardSlowsDownAsItLands) {
    Slide slide{.from = {10, 200}, .to = {130, 120}};
    EXPECT_EQ(SlidePosition(slide), slide.from);
    slide.t = 1;
    EXPECT_EQ(SlidePosition(slide), slide.to);
    slide.t = 0.5;
    EXPECT_EQ(SlidePosition(slide), (Point{115, 130})) << "seven eighths of the way";
    slide.t = 7;
    EXPECT_EQ(SlidePosition(slide), slide.to);
}

// The human has played the 9 of Spades, his first card, on the 9 of Hearts.
struct Played {
    GameState before = HumanToMove();
    GameState after = [this] {
        GameState state = before;
        state.hands[0].Remove(ParseCard("9S"));
        state.table.SetHandSize(Bottom, 4);
        state.topCard = ParseCard("9S");
        state.currentSuit = Spades;
        state.humanTurn = false;
        return state;
    }();
    GameState beneath = [this] {
        GameState state = after;
        state.topCard = ParseCard("9H");
        return state;
    }();
    Slide slide{.card = ParseCard("9S"),
                .from = before.table.CardPos(Bottom, 0),
                .to = before.table.StockPilePositions().discardTop,
                .played = true,
                .beneath = ParseCard("9H")};
};

TEST_F(Marks, APlayedCardOnItsWayLeavesTheCardBeneathOnThePile) {
    const Played p;
    const QImage landed = Classic(p.after, {});
    Slide slide = p.slide;
    slide.t = 1;
    EXPECT_TRUE(Classic(p.after, {.slide = slide}) == landed);

    slide.t = 0.5;
    const QImage moving = Classic(p.after, {.slide = slide});
    const QImage under = Classic(p.beneath, {});
    // The pile's corner that the card has not reached yet shows the 9 of Hearts.
    const Point top = p.slide.to;
    const QPoint corner(top.x + p.after.table.cardWidth - 2, top.y + 2);
    EXPECT_EQ(moving.pixel(corner), under.pixel(corner));
    EXPECT_NE(moving.pixel(corner), landed.pixel(corner));
    // The card itself stands where the slide has brought it, whole.
    const Point at = SlidePosition(slide);
    EXPECT_NE(at, top);
    const QRect card(at.x, at.y, p.after.table.cardWidth, p.after.table.cardHeight);
    EXPECT_TRUE(Same(Changed(moving, under) - QRegion(card), {}));
    EXPECT_EQ(moving.pixel(at.x + 3, at.y + 5), landed.pixel(top.x + 3, top.y + 5));

    // Once the table has moved on, an old slide draws nothing.
    GameState later = p.after;
    later.topCard = ParseCard("KS");
    EXPECT_TRUE(Classic(later, {.slide = slide}) == Classic(later, {}));
}

TEST_F(Marks, ADrawnCardOnItsWayIsMissingFromItsHandUntilItLands) {
    GameState state = HumanToMove();
    state.humanTurn = false;
    Give(state.hands[1], {"4C", "4D", "6C", "7D"});
    state.table.SetHandSize(Left, 4);
    const Point slot = state.table.CardPos(Left, 3);
    Slide slide{.card = ParseCard("7D"),
                .faceUp = false,
                .from = PackSlot(state.table),
                .to = slot,
                .hand = Left,
                .handIndex = 3};
    const QImage plain = Classic(state, {});
    slide.t = 1;
    EXPECT_TRUE(Classic(state, {.slide = slide}) == plain);

    // Just off the pack, face down: its place in the hand is bare table, and the pack
    // looks as it did.
    slide.t = 0;
    const QImage leaving = Classic(state, {.slide = slide});
    const QPoint bottomOfSlot(slot.x + 5, slot.y + state.table.cardHeight - 2);
    EXPECT_EQ(leaving.pixel(bottomOfSlot), 0xFF009B00u);
    EXPECT_NE(plain.pixel(bottomOfSlot), 0xFF009B00u);
    const QRect hand(slot.x, slot.y, state.table.cardWidth, state.table.cardHeight);
    EXPECT_TRUE(Same(Changed(plain, leaving) - QRegion(hand), {}));

    // Face up, it shows its face on the way.
    slide.faceUp = true;
    slide.t = 0.5;
    const Point at = SlidePosition(slide);
    const int face = ParseCard("7D");
    EXPECT_EQ(Classic(state, {.slide = slide}).pixel(at.x + 3, at.y + 5),
              qRgb(face, 255 - face, (face * 37) % 256));
}

}  // namespace
}  // namespace mervane
