#include "game_fixture.h"

namespace mervane {
namespace {

using Lines_ = std::vector<std::string>;

class HumanMoves : public GameTest {};

TEST_F(HumanMoves, TapOnThePackDrawsEvenWithALegalCard) {
    std::vector<Card> draws;
    for (std::string_view t : {"2C", "3C", "4C", "5C", "6C", "7C", "9C", "10C", "JC", "QC"})
        draws.push_back(C(t));
    SetTable({.hands = {{C("5H"), C("KS")}, {C("KD")}, {C("KC")}, {C("2S")}},
              .top = C("9H"),
              .draws = draws});
    HumansTurn();
    for (int i = 0; i < 10; ++i) TapPack();
    ASSERT_EQ(HandOf(HumanSeat).size(), 12u);
    EXPECT_EQ(HandOf(HumanSeat).back(), C("QC")) << "drawn cards go to the end, unsorted";
    EXPECT_EQ(State().table.HandSize(Bottom), 12);
    EXPECT_EQ(Lines("redraw").size(), 10u);
    EXPECT_TRUE(State().humanTurn);
    EXPECT_EQ(Status(HumanSeat), "Your Move?");
}

TEST_F(HumanMoves, LastCardOfThePackWithoutAPlayPassesAfterSevenHundred) {
    SetTable({.hands = {{C("KS")}, {C("KD"), C("9D")}, {C("KC")}, {C("2S")}},
              .top = C("5H"),
              .draws = {C("3C")},
              .spare = 0});
    HumansTurn();
    TapPack();
    EXPECT_EQ(Head(6), (Lines_{"draw 0 3", "status 0 Pass", "redraw", "pause 700",
                               "status 1 Thinking...", "redraw"}));
}

TEST_F(HumanMoves, LastCardOfThePackThatPlaysKeepsTheTurn) {
    SetTable({.hands = {{C("KS")}, {C("KD")}, {C("KC")}, {C("2S")}},
              .top = C("5H"),
              .draws = {C("3H")},
              .spare = 0});
    HumansTurn();
    TapPack();
    EXPECT_EQ(trace, (Lines_{"draw 0 29", "redraw"}));
    EXPECT_TRUE(State().humanTurn);
    TapPack();  // the pack is gone: a tap there is no draw
    EXPECT_EQ(HandOf(HumanSeat).size(), 2u);
}

TEST_F(HumanMoves, SameRankIsLegalOtherCardsAreIgnoredSilently) {
    SetTable({.hands = {{C("5S"), C("9S")}, {C("KD")}, {C("KC")}, {C("2S")}}, .top = C("5H")});
    HumansTurn();
    TapCard(1);
    EXPECT_TRUE(trace.empty());
    EXPECT_EQ(HandOf(HumanSeat).size(), 2u);
    TapCard(0);
    EXPECT_EQ(Head(4), (Lines_{"play 0 44", "status 0 ", "redraw", "status 1 Thinking..."}));
}

TEST_F(HumanMoves, TapsOffTheCardsDoNothing) {
    SetTable({.hands = {{C("5S"), C("9S")}, {C("KD")}, {C("KC")}, {C("2S")}}, .top = C("5H")});
    HumansTurn();
    for (Point p : {Point{0, 0}, Point{239, 267}, Point{120, 134}, Point{5, 230}}) Tap(p);
    EXPECT_TRUE(trace.empty());
}

class SuitChoice : public HumanMoves, public ::testing::WithParamInterface<int> {};

TEST_P(SuitChoice, EachBoxNamesItsSuit) {
    const int box = GetParam();
    const Suit suits[] = {Hearts, Diamonds, Clubs, Spades};
    const char* names[] = {"Hearts", "Diamonds", "Clubs", "Spades"};
    SetTable({.hands = {{C("8S"), C("KS")}, {C("KD")}, {C("KC")}, {C("2S")}}, .top = C("5H")});
    HumansTurn();
    TapCard(0);
    EXPECT_EQ(trace, (Lines_{"play 0 47", "status 0 Choose Suit?", "redraw"}));
    EXPECT_TRUE(State().choosingSuit);
    trace.clear();
    Tap({0, 0});
    TapCard(0);  // the hand is dead while the suit is open
    TapPack();
    EXPECT_TRUE(trace.empty());
    TapSuitBox(box);
    EXPECT_FALSE(State().choosingSuit);
    EXPECT_EQ(Head(4),
              (Lines_{"suit " + std::to_string(suits[box]), std::string("status 0 ") + names[box],
                      "redraw", "status 1 Thinking..."}));
}

INSTANTIATE_TEST_SUITE_P(Boxes, SuitChoice, ::testing::Values(0, 1, 2, 3));

TEST_F(HumanMoves, SuitBoxEdgesFollowTheRectangleRule) {
    SetTable({.hands = {{C("8S"), C("KS")}, {C("KD")}, {C("KC")}, {C("2S")}}, .top = C("5H")});
    HumansTurn();
    TapCard(0);
    Tap({168, 170});  // right edge of the Spades box
    Tap({100, 186});  // bottom edge
    EXPECT_TRUE(State().choosingSuit);
    EXPECT_TRUE(Lines("suit").empty());
    Tap({72, 164});  // top-left corner of the Hearts box
    EXPECT_EQ(First("suit"), "suit 1");
}

TEST_F(HumanMoves, EightAsLastCardEndsTheHandWithoutAChoice) {
    SetTable({.hands = {{C("8S")}, {C("KD")}, {C("KC")}, {C("2S")}}, .top = C("5H")});
    HumansTurn();
    TapCard(0);
    EXPECT_FALSE(State().choosingSuit);
    EXPECT_TRUE(State().handOver);
    EXPECT_EQ(Lines("suit"), Lines_{});
}

TEST_F(HumanMoves, QueenSkipsToTopInBothDirections) {
    for (bool reversed : {false, true}) {
        SetAdvancedRules(true);
        Position().reversed = reversed;
        SetTable({.hands = {{C("QH"), C("KS")}, {C("KD")}, {C("KC")}, {C("2S")}}, .top = C("5H")});
        HumansTurn();
        TapCard(0);
        EXPECT_EQ(Head(8), (Lines_{"play 0 38", "status 0 ", "status 0 Skip", "redraw", "pause 500",
                                   "status 2 Thinking...", "redraw", "pause 1000"}))
            << "reversed " << reversed;
    }
}

TEST_F(HumanMoves, TwoMakesTheNextSeatDrawTwoWithoutAPause) {
    for (bool reversed : {false, true}) {
        SetAdvancedRules(true);
        Position().reversed = reversed;
        SetTable({.hands = {{C("2H"), C("KS")}, {C("KD")}, {C("KC")}, {C("2S")}},
                  .top = C("5H"),
                  .draws = {C("3C"), C("4C")}});
        HumansTurn();
        TapCard(0);
        const Seat victim = reversed ? RightSeat : LeftSeat;
        const std::string v = std::to_string(victim);
        EXPECT_EQ(Head(7),
                  (Lines_{"play 0 28", "status 0 ", "status 0 Draw Two", "draw " + v + " 3",
                          "draw " + v + " 4", "redraw", "status " + v + " Thinking..."}));
    }
}

TEST_F(HumanMoves, AceReversesTowardsRightOrBackTowardsLeft) {
    for (bool reversed : {false, true}) {
        SetAdvancedRules(true);
        Position().reversed = reversed;
        SetTable({.hands = {{C("AH"), C("KS")}, {C("KD")}, {C("KC")}, {C("2S")}}, .top = C("5H")});
        HumansTurn();
        TapCard(0);
        const std::string next = reversed ? "status 1 Thinking..." : "status 3 Thinking...";
        EXPECT_EQ(Head(5), (Lines_{"play 0 27", "status 0 ", "status 0 Reverse", "redraw", next}));
    }
}

TEST_F(HumanMoves, TapsAreIgnoredWhileItIsNotTheHumansTurn) {
    SetTable({.hands = {{C("5H"), C("KS")}, {C("KD")}, {C("KC")}, {C("2S")}}, .top = C("9H")});
    TapCard(0);
    TapPack();
    EXPECT_TRUE(trace.empty());
    EXPECT_EQ(HandOf(HumanSeat).size(), 2u);
}

TEST_F(HumanMoves, TitlePictureIgnoresTaps) {
    Tap({120, 134});
    TapPack();
    EXPECT_TRUE(trace.empty());
    EXPECT_TRUE(State().showSplash);
}

TEST_F(HumanMoves, AutomaticPassWhenThePackIsGoneAndNothingPlays) {
    SetTable({.hands = {{C("KS")}, {C("KD"), C("9H")}, {C("KC")}, {C("2S")}},
              .top = C("5H"),
              .draws = {},
              .spare = 0});
    GameTestAccess::HumanTurn(game);
    EXPECT_EQ(Head(5),
              (Lines_{"status 0 Pass", "redraw", "pause 700", "status 1 Thinking...", "redraw"}));
}

// Taps at the coordinates of the example: 11 cards, card 10 above card 0.
TEST_F(HumanMoves, SecondRowCardIsPlayedByItsUpperHalf) {
    std::vector<Card> hand;
    for (std::string_view t : {"2S", "3S", "4S", "5S", "6S", "7S", "9S", "10S", "JS", "QS", "KH"})
        hand.push_back(C(t));
    SetTable({.hands = {hand, {C("KD")}, {C("KC")}, {C("2C")}}, .top = C("5H")});
    HumansTurn();
    Tap({76, 205});
    EXPECT_EQ(Line(0), "play 0 39");
}

}  // namespace
}  // namespace mervane
