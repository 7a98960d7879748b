#include <gtest/gtest.h>

#include "layout/card_table.h"

namespace mervane {
namespace {

// The table of the examples: 240 x 268, centre (120, 134).
class Layout : public ::testing::Test {
  protected:
    Layout() { table.SetTableRect({0, 0, 240, 268}); }
    void Hands(int bottom, int top, int left, int right) {
        table.SetHandSize(Bottom, bottom);
        table.SetHandSize(Top, top);
        table.SetHandSize(Left, left);
        table.SetHandSize(Right, right);
    }
    std::vector<int> Xs(TablePosition position, int n) const {
        std::vector<int> xs;
        for (int i = 0; i < n; ++i) xs.push_back(table.CardPos(position, i).x);
        return xs;
    }
    std::vector<int> Ys(TablePosition position, int n) const {
        std::vector<int> ys;
        for (int i = 0; i < n; ++i) ys.push_back(table.CardPos(position, i).y);
        return ys;
    }
    CCardTable table;
};

TEST_F(Layout, StepsComeFromTheCardSize) {
    CCardTable fresh;
    EXPECT_EQ(fresh.stepX, 0);
    fresh.SetTableRect({0, 0, 1000, 3});
    EXPECT_EQ(fresh.stepX, 9);
    EXPECT_EQ(fresh.stepY, 13);
}

TEST_F(Layout, BottomHandOfSevenWithItsLabels) {
    Hands(7, 5, 5, 5);
    EXPECT_EQ(Xs(Bottom, 7), (std::vector<int>{70, 79, 88, 97, 106, 115, 124}));
    EXPECT_EQ(Ys(Bottom, 7), std::vector<int>(7, 217));
    const Point status = table.StatusPos(Bottom, {40, 11});
    EXPECT_EQ(status.x, 163);
    EXPECT_EQ(status.y + 11, 258);
    EXPECT_EQ(table.DealerMarkerPos(Bottom, {0, 11}), (Point{58, 251}));
}

TEST_F(Layout, TopLeftAndRightHandsOfFive) {
    Hands(7, 5, 5, 5);
    EXPECT_EQ(Xs(Top, 5), (std::vector<int>{79, 88, 97, 106, 115}));
    EXPECT_EQ(Ys(Top, 5), std::vector<int>(5, 10));
    EXPECT_EQ(Xs(Left, 5), std::vector<int>(5, 10));
    EXPECT_EQ(Ys(Left, 5), (std::vector<int>{75, 88, 101, 114, 127}));
    EXPECT_EQ(Xs(Right, 5), std::vector<int>(5, 201));
    EXPECT_EQ(Ys(Right, 5), (std::vector<int>{75, 88, 101, 114, 127}));
}

TEST_F(Layout, LabelsBesideTheSideAndTopHands) {
    Hands(5, 5, 5, 5);
    const Size name{30, 11};
    EXPECT_EQ(table.NamePos(Top, name), (Point{79 - 30 - 10, 10}));
    EXPECT_EQ(table.StatusPos(Top, name), (Point{115 + 29 + 10, 10}));
    EXPECT_EQ(table.DealerMarkerPos(Top, name), (Point{79 - 30 - 23, 10}));
    EXPECT_EQ(table.NamePos(Left, name), (Point{10, 75 - 11 - 7}));
    EXPECT_EQ(table.StatusPos(Left, name), (Point{10, 127 + 41 + 12}));
    EXPECT_EQ(table.DealerMarkerPos(Left, name), (Point{10 + 30 + 5, 75 - 11 - 5}));
    EXPECT_EQ(table.NamePos(Right, name), (Point{201 + 29 - 30, 75 - 18}));
    EXPECT_EQ(table.StatusPos(Right, name), (Point{201 + 29 - 30, 127 + 53}));
    EXPECT_EQ(table.DealerMarkerPos(Right, name), (Point{201 + 29 - 30 - 13, 75 - 16}));
}

TEST_F(Layout, PilesWithAndWithoutStock) {
    const StockPiles piles = table.StockPilePositions();
    EXPECT_EQ(piles.drawLower, (Point{64, 109}));
    EXPECT_EQ(piles.drawUpper, (Point{67, 114}));
    EXPECT_EQ(piles.discardBack, (Point{113, 109}));
    EXPECT_EQ(piles.discardTop, (Point{116, 114}));
    const DiscardOnlyPile alone = table.DiscardOnlyPosition();
    EXPECT_EQ(alone.back, (Point{103, 109}));
    EXPECT_EQ(alone.top, (Point{106, 114}));
}

TEST_F(Layout, DrawPileHitIncludesLeftAndTopEdgesOnly) {
    EXPECT_TRUE(table.HitDrawPile({67, 114}));
    EXPECT_TRUE(table.HitDrawPile({95, 154}));
    EXPECT_FALSE(table.HitDrawPile({96, 154}));
    EXPECT_FALSE(table.HitDrawPile({95, 155}));
    EXPECT_FALSE(table.HitDrawPile({66, 120}));
    EXPECT_FALSE(table.HitDrawPile({70, 113}));
}

TEST_F(Layout, SuitChooserAndCurrentSuitPicture) {
    const auto boxes = table.SuitBoxes();
    const int lefts[] = {72, 96, 120, 144};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(boxes[static_cast<std::size_t>(i)], (Rect{lefts[i], 164, lefts[i] + 24, 186}));
    }
    EXPECT_EQ(table.SuitIndicatorPos(), (Point{1, 247}));
}

TEST_F(Layout, ElevenCardBottomHandWrapsIntoASecondRow) {
    Hands(11, 5, 5, 5);
    EXPECT_EQ(table.CardPos(Bottom, 0), (Point{56, 217}));
    EXPECT_EQ(table.CardPos(Bottom, 1), (Point{65, 217}));
    EXPECT_EQ(table.CardPos(Bottom, 2), (Point{74, 217}));
    EXPECT_EQ(table.CardPos(Bottom, 10), (Point{56, 197}));
    EXPECT_EQ(table.HitHandCard({76, 205}, 11), 10);
    EXPECT_EQ(table.HitHandCard({76, 225}, 11), 2);
    // The area runs from (56, 197) to (166, 258), right and bottom edges outside.
    EXPECT_EQ(table.HitHandCard({84, 198}, 11), 10);
    EXPECT_EQ(table.HitHandCard({55, 230}, 11), -1);
    EXPECT_EQ(table.HitHandCard({140, 258}, 11), -1);
    EXPECT_EQ(table.HitHandCard({140, 257}, 11), 9);
    EXPECT_EQ(table.HitHandCard({160, 230}, 11), -1) << "the tenth card's hidden right part";
}

TEST_F(Layout, SevenCardHitEdgesAreStrict) {
    Hands(7, 5, 5, 5);
    EXPECT_EQ(table.HitHandCard({153, 230}, 7), -1);
    EXPECT_EQ(table.HitHandCard({152, 230}, 7), 6);
    EXPECT_EQ(table.HitHandCard({70, 230}, 7), -1);
    EXPECT_EQ(table.HitHandCard({71, 230}, 7), 0);
    EXPECT_EQ(table.HitHandCard({79, 230}, 7), -1) << "the left edge of card 1";
    EXPECT_EQ(table.HitHandCard({75, 217}, 7), -1) << "the top edge";
}

TEST_F(Layout, EmptyBottomHand) {
    Hands(0, 5, 5, 5);
    const Point status = table.StatusPos(Bottom, {10, 11});
    EXPECT_EQ(status.x, 131);
    EXPECT_EQ(status.y + 11, 258);
    for (int x = 0; x < 240; x += 7) {
        for (int y = 180; y < 268; y += 5) ASSERT_EQ(table.HitHandCard({x, y}, 0), -1);
    }
}

TEST_F(Layout, LongHandsStayInTheirLastRowOrColumn) {
    Hands(36, 36, 36, 36);
    EXPECT_EQ(table.CardPos(Bottom, 35).y, 268 - 41 - 70);
    EXPECT_EQ(table.CardPos(Top, 35).y, 49);
    EXPECT_EQ(table.CardPos(Left, 25).x, 46);
    EXPECT_EQ(table.CardPos(Left, 35), table.CardPos(Left, 25));
    EXPECT_EQ(table.CardPos(Right, 15).x, 240 - 29 - 10 - 18);
    EXPECT_EQ(table.CardPos(Right, 31).x, 240 - 29 - 10 - 36);
}

}  // namespace
}  // namespace mervane
