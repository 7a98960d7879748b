#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "layout/card_table.h"
#include "render/card_table_draw.h"
#include "tests/render/recording_surface.h"

namespace mervane {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing::RecordingSurface;

CardList HandOf(int count, Card first = 1) {
    CardList hand;
    hand.SetCapacity(MaxListCards);
    for (int i = 0; i < count; ++i) hand.Add(first + i);
    return hand;
}

// A 240 x 268 table with the given hand sizes (Bottom, Top, Left, Right).
struct DrawTest : ::testing::Test {
    void Layout(int bottom, int top, int left, int right) {
        table.SetHandSize(Bottom, bottom);
        table.SetHandSize(Top, top);
        table.SetHandSize(Left, left);
        table.SetHandSize(Right, right);
        table.SetTableRect({0, 0, 240, 268});
    }
    // The bitmap ids of the copies, in the order they were made.
    std::vector<int> CopiedIds() const {
        std::vector<int> ids;
        for (const std::string& call : surface.Calls())
            if (call.rfind("stretch ", 0) == 0) ids.push_back(std::stoi(call.substr(8)));
        return ids;
    }
    std::vector<std::string> Copies() const {
        std::vector<std::string> copies;
        for (const std::string& call : surface.Calls())
            if (call.rfind("stretch ", 0) == 0) copies.push_back(call);
        return copies;
    }

    // A drawer for one step: it sees the table as the test left it.
    CardTableDrawer Drawer() { return {table, surface}; }

    RecordingSurface surface;
    CCardTable table;
};

TEST_F(DrawTest, TableRectDerivesTheStepsFromTheCardSizeWhateverTheRectangle) {
    table.SetTableRect({0, 0, 1000, 7});
    EXPECT_EQ(table.stepX, 9);
    EXPECT_EQ(table.stepY, 13);
    EXPECT_EQ(table.tableRect, (Rect{0, 0, 1000, 7}));
}

TEST_F(DrawTest, CardImageOutsideTheCardNumbersDrawsNothing) {
    Layout(7, 5, 5, 5);
    Drawer().DrawCardImage(Bottom, 0, 0);
    Drawer().DrawCardImage(Bottom, 0, 66);
    Drawer().DrawCardImage(Bottom, 0, -1);
    Drawer().DrawCardImage(NoPosition, 0, 5);
    Drawer().DrawCardImage(Bottom, -1, 5);
    EXPECT_TRUE(surface.Calls().empty());
}

TEST_F(DrawTest, CardImageIsLoadedCopiedOneToOneIntoItsSlotAndReleased) {
    Layout(7, 5, 5, 5);
    Drawer().DrawCardImage(Bottom, 6, 65);
    EXPECT_THAT(surface.Calls(),
                ElementsAre("load 65", "stretch 65 0,0,29x41 -> 124,217,29x41", "release 65"));
}

TEST_F(DrawTest, MissingBitmapIsNeitherCopiedNorReleased) {
    Layout(7, 5, 5, 5);
    Drawer().DrawCardImage(Top, 0, 53);
    EXPECT_THAT(surface.Calls(), ElementsAre("load 53"));
}

// Bottom and Right hands put their first ten cards on top by drawing later rows first.
TEST_F(DrawTest, LongBottomAndRightHandsDrawTheirLaterRowsFirst) {
    Layout(12, 12, 12, 12);
    Drawer().DrawHandRaised(Bottom, HandOf(12), {}, 0);
    EXPECT_THAT(CopiedIds(), ElementsAre(11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10));
    surface.ClearCalls();
    Drawer().DrawHandRaised(Right, HandOf(12), {}, 0);
    EXPECT_THAT(CopiedIds(), ElementsAre(11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10));
    surface.ClearCalls();
    Drawer().DrawHandRaised(Top, HandOf(12), {}, 0);
    Drawer().DrawHandRaised(Left, HandOf(12), {}, 0);
    EXPECT_THAT(CopiedIds(), ElementsAreArray({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12,  //
                                               1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

TEST_F(DrawTest, RowsBeyondTheThirdShareTheFourthAndAreDrawnFirst) {
    Layout(35, 5, 5, 5);
    Drawer().DrawHandRaised(Bottom, HandOf(35), {}, 0);
    std::vector<int> expected;
    for (int from : {30, 20, 10, 0})
        for (int i = from; i < (from == 30 ? 35 : from + 10); ++i) expected.push_back(i + 1);
    EXPECT_EQ(CopiedIds(), expected);
    EXPECT_EQ(Copies()[0], "stretch 31 0,0,29x41 -> 56,157,29x41");
}

TEST_F(DrawTest, PilesLoadTheBackOnceForItsThreeCopies) {
    Layout(5, 5, 5, 5);
    Drawer().DrawPiles(30);
    EXPECT_THAT(surface.Calls(), ElementsAre("load 54",                                //
                                             "stretch 54 0,0,29x41 -> 64,109,29x41",   //
                                             "stretch 54 0,0,29x41 -> 67,114,29x41",   //
                                             "stretch 54 0,0,29x41 -> 113,109,29x41",  //
                                             "release 54", "load 30",                  //
                                             "stretch 30 0,0,29x41 -> 116,114,29x41",  //
                                             "release 30"));
}

// A stored back number is not checked on load; the piles must not show the title
// picture or the trophy in a card slot.
TEST_F(DrawTest, PilesShowOnlyCardImages) {
    Layout(5, 5, 5, 5);
    table.cardBackId = 140;
    Drawer().DrawPiles(NoCard);
    Drawer().DrawDiscardOnly(164);
    EXPECT_THAT(CopiedIds(), ElementsAre(54, 54, 54, 54));
}

// A stored back number that names no design (a face, the missing 53, anything) shows
// the Blue back on every face-down card and on the pack, and stays stored as it is.
TEST_F(DrawTest, BackNumbersOutsideTheDesignsShowTheBlueBack) {
    for (int stored : {99, 0, -1, 53, 66, 1, 52}) {
        SCOPED_TRACE(stored);
        Layout(5, 5, 5, 5);
        surface.ClearCalls();
        table.cardBackId = stored;
        Drawer().DrawHandBacks(Top, HandOf(2));
        Drawer().DrawPiles(30);
        Drawer().DrawDiscardOnly(30);
        EXPECT_THAT(CopiedIds(), ElementsAre(54, 54, 54, 54, 54, 30, 54, 30));
        EXPECT_EQ(table.cardBackId, stored);
    }
    for (int design : {54, 57, 65}) {
        surface.ClearCalls();
        table.cardBackId = design;
        Drawer().DrawHandBacks(Left, HandOf(1));
        Drawer().DrawDiscardOnly(30);
        EXPECT_THAT(CopiedIds(), ElementsAre(design, design, 30));
    }
}

TEST_F(DrawTest, StatusLineIsRedOnTheTableColourAndRestoresTheTextColour) {
    Layout(7, 5, 5, 5);
    table.tableColor = MakeColor(1, 2, 3);
    Drawer().DrawStatus(Bottom, "Draw Two");
    EXPECT_THAT(
        surface.Calls(),
        ElementsAre("font 11", "measure 'Draw Two'", "text colour #C8", "back colour #30201",
                    "text 163,247 'Draw Two' #C8 on #30201", "font 11", "text colour #0"));
}

TEST_F(DrawTest, NameUsesTheCurrentTextColourOnTheTableColour) {
    Layout(7, 5, 5, 5);
    Drawer().DrawName(Left, "Left");
    EXPECT_THAT(surface.Calls(), ElementsAre("font 11", "measure 'Left'", "back colour #9B00",
                                             "text 10,57 'Left' #0 on #9B00", "font 11"));
}

TEST_F(DrawTest, DealerMarkerStandsBesideTheNameWithoutItsWhitePixels) {
    Layout(7, 5, 5, 5);
    Drawer().DrawDealerMarker(Bottom, "");
    Drawer().DrawDealerMarker(Top, "Top");      // name 18 wide
    Drawer().DrawDealerMarker(Left, "Left");    // name 24 wide
    Drawer().DrawDealerMarker(Right, "Right");  // name 30 wide
    std::vector<std::string> marks;
    for (const std::string& call : surface.Calls())
        if (call.rfind("transparent", 0) == 0) marks.push_back(call);
    EXPECT_THAT(marks, ElementsAre("transparent 166 0,0,8x7 -> 58,251,8x7 without #FFFFFF",
                                   "transparent 166 0,0,8x7 -> 38,10,8x7 without #FFFFFF",
                                   "transparent 166 0,0,8x7 -> 39,59,8x7 without #FFFFFF",
                                   "transparent 166 0,0,8x7 -> 187,59,8x7 without #FFFFFF"));
}

// Clamped only where it would leave the table: a ten-card Top hand starts at x = 56,
// so a 42-pixel name would put the marker at x = -9.
TEST_F(DrawTest, DealerMarkerNeverLeavesTheTable) {
    Layout(7, 10, 5, 5);
    EXPECT_EQ(table.DealerMarkerPos(Top, {42, 11}), (Point{0, 10}));
    EXPECT_EQ(table.DealerMarkerPos(Top, {33, 11}), (Point{0, 10}));
    EXPECT_EQ(table.DealerMarkerPos(Top, {32, 11}), (Point{1, 10}));
    EXPECT_EQ(table.DealerMarkerPos(Left, {250, 11}), (Point{232, 59}));
    EXPECT_EQ(table.DealerMarkerPos(Right, {250, 11}), (Point{0, 59}));
    table.SetTableRect({0, 0, 240, 30});
    EXPECT_EQ(table.DealerMarkerPos(Left, {24, 11}).y, 0);
    EXPECT_EQ(table.DealerMarkerPos(Bottom, {0, 11}).y, 13);
    // The hit tests keep the layout as drawn.
    table.SetTableRect({0, 0, 240, 268});
    EXPECT_EQ(table.DrawPileRect(), (Rect{67, 114, 96, 155}));
    EXPECT_EQ(table.SuitBoxes()[0], (Rect{72, 164, 96, 186}));
    EXPECT_EQ(table.HitHandCard({71, 230}, 7), 0);

    surface.ClearCalls();
    Drawer().DrawDealerMarker(Top, "Player3");  // 42 wide
    EXPECT_THAT(surface.Calls(),
                ::testing::Contains("transparent 166 0,0,8x7 -> 0,10,8x7 without #FFFFFF"));
}

}  // namespace
}  // namespace mervane
