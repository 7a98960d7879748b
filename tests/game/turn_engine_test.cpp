#include "game/texts.h"
#include "game_fixture.h"

namespace mervane {
namespace {

using Lines_ = std::vector<std::string>;

class TurnEngine : public GameTest {};

TEST_F(TurnEngine, FirstHandAfterStartUpIsDealtByLeftAndOpenedByTop) {
    game.NewGame();
    EXPECT_EQ(Line(0), "pump");
    EXPECT_EQ(Line(1), "redraw");  // the cleared hands
    EXPECT_EQ(Line(2).rfind("hand 1 dealer 1 starter ", 0), 0u) << Line(2);
    const long dealing = Index("status 1 Dealing...");
    ASSERT_GT(dealing, 2);
    EXPECT_EQ(Slice(dealing, 7), (Lines_{"status 1 Dealing...", "redraw", "pause 500", "status 1 ",
                                         "redraw", "pause 300", "status 2 Thinking..."}));
    EXPECT_FALSE(State().showSplash);
    EXPECT_TRUE(State().gameInProgress);
    EXPECT_FALSE(State().betweenGames);
    EXPECT_EQ(State().dealer, 1);
}

TEST_F(TurnEngine, DealGivesFiveSortedCardsFromSeatZeroAndTurnsTheStarter) {
    game.NewGame();
    const auto& deck = State().deck;
    for (Seat seat = 0; seat < SeatCount; ++seat) {
        // Seat s received the (s+1)th, (s+5)th, ... cards; the hand sorted by rank.
        std::vector<Card> dealt;
        for (int round = 0; round < 5; ++round) dealt.push_back(deck.At(round * 4 + seat));
        std::stable_sort(dealt.begin(), dealt.end(),
                         [](Card a, Card b) { return RankOf(a) < RankOf(b); });
        const std::string line = Line(3 + seat);
        std::string expected = "deal " + std::to_string(seat);
        for (Card c : dealt) expected += " " + std::to_string(c);
        EXPECT_EQ(line, expected);
    }
    EXPECT_EQ(Line(2), "hand 1 dealer 1 starter " + std::to_string(deck.At(20)));
}

TEST_F(TurnEngine, SevenCardDealLeavesTwentyThree) {
    SetSevenCards(true);
    Position().dealer = 2;  // the human opens, so the deal is all that runs
    game.NewGame();
    for (const auto& hand : State().hands) EXPECT_EQ(hand.Count(), 7);
    EXPECT_EQ(State().deck.Remaining(), 23);
    EXPECT_EQ(State().topCard, State().deck.At(28));
    EXPECT_EQ(State().table.HandSize(Right), 7);
}

TEST_F(TurnEngine, HumanOpensAfterEightHundredMillisecondsOfPauses) {
    Position().dealer = 2;
    game.NewGame();
    EXPECT_EQ(Lines("pause"), (Lines_{"pause 500", "pause 300"}));
    EXPECT_EQ(Slice(-2, 2), (Lines_{"status 0 Your Move?", "redraw"}));
    EXPECT_TRUE(State().humanTurn);
    EXPECT_EQ(State().dealer, 3);
}

// Top has no legal card, draws the Two of the current suit and plays it at Normal speed.
TEST_F(TurnEngine, WorkedSequenceDrawOneThenDrawTwo) {
    SetAdvancedRules(true);
    SetTable({.hands = {{C("KS")}, {C("KD")}, {C("3C"), C("4D")}, {C("6S"), C("7S")}},
              .top = C("5H"),
              .draws = {C("2H"), C("9S"), C("10S")}});
    GameTestAccess::ComputerTurn(game, TopSeat);
    ASSERT_GE(trace.size(), 23u);
    EXPECT_EQ(Head(23), (Lines_{"status 2 Thinking...",
                                "redraw",
                                "pause 1000",
                                "pump",
                                "draw 2 28",
                                "status 2 Draw One",
                                "redraw",
                                "pause 1000",
                                "status 2 Thinking...",
                                "redraw",
                                "pause 1000",
                                "play 2 28",
                                "status 2 ",
                                "status 2 Draw Two",
                                "redraw",
                                "pause 500",
                                "draw 3 48",
                                "draw 3 49",
                                "redraw",
                                "status 3 Thinking...",
                                "redraw",
                                "pause 1000",
                                "pump"}));
    EXPECT_EQ(Status(TopSeat), "Draw Two");
}

TEST_F(TurnEngine, ThreeDrawsShowDrawOneThreeTimesAndSevenSpeedPauses) {
    SetSpeed(Fast);
    SetTable({.hands = {{C("KS")}, {C("3C"), C("4D")}, {C("KD")}, {C("6S")}},
              .top = C("5H"),
              .draws = {C("2C"), C("9D"), C("7H")}});
    GameTestAccess::ComputerTurn(game, LeftSeat);
    const long played = Index("play 1 33");
    ASSERT_GT(played, 0);
    const Lines_ turn(trace.begin(), trace.begin() + played);
    EXPECT_EQ(std::count(turn.begin(), turn.end(), "status 1 Draw One"), 3);
    EXPECT_EQ(std::count(turn.begin(), turn.end(), "pause 300"), 7);
    EXPECT_EQ(HandOf(LeftSeat), (std::vector<Card>{C("3C"), C("4D"), C("2C"), C("9D")}));
}

TEST_F(TurnEngine, AceReversesForComputerSeats) {
    SetAdvancedRules(true);
    SetTable(
        {.hands = {{C("KS"), C("3S")}, {C("AH"), C("3C")}, {C("KD")}, {C("6S")}}, .top = C("5H")});
    GameTestAccess::ComputerTurn(game, LeftSeat);
    EXPECT_TRUE(State().reversed);
    const long reverse = Index("status 1 Reverse");
    ASSERT_GT(reverse, 0);
    EXPECT_EQ(Lines_(trace.begin() + reverse, trace.end()),
              (Lines_{"status 1 Reverse", "redraw", "pause 500", "redraw", "status 0 Your Move?",
                      "redraw"}));
}

TEST_F(TurnEngine, SecondAceSendsTheTurnOnwardAgain) {
    SetAdvancedRules(true);
    Position().reversed = true;
    SetTable({.hands = {{C("KS")}, {C("AH"), C("3C")}, {C("KD"), C("2D")}, {C("6S")}},
              .top = C("5H"),
              .draws = {},
              .spare = 0});
    GameTestAccess::ComputerTurn(game, LeftSeat);
    EXPECT_FALSE(State().reversed);
    EXPECT_EQ(Line(Index("status 1 Reverse") + 4), "status 2 Thinking...");
}

TEST_F(TurnEngine, QueenSkipsToTheOppositeSeatAndClearsEveryLine) {
    SetAdvancedRules(true);
    SetTable(
        {.hands = {{C("KS")}, {C("QH"), C("3C")}, {C("KD")}, {C("6S"), C("6H")}}, .top = C("5H")});
    Position().statusText = {"Pass", "", "Hearts", "Pass"};
    GameTestAccess::ComputerTurn(game, LeftSeat);
    const long skip = Index("status 1 Skip");
    ASSERT_GT(skip, 0);
    EXPECT_TRUE(Has("status 0 "));
    EXPECT_TRUE(Has("status 2 "));
    EXPECT_EQ(Slice(skip, 4),
              (Lines_{"status 1 Skip", "redraw", "pause 500", "status 3 Thinking..."}));
    EXPECT_EQ(Index("status 2 Thinking..."), -1) << "Top lost its turn";
}

TEST_F(TurnEngine, QueenAsLastCardEndsTheHandAtOnce) {
    SetAdvancedRules(true);
    SetTable({.hands = {{C("KS")}, {C("QH")}, {C("KD")}, {C("6S")}}, .top = C("5H")});
    GameTestAccess::ComputerTurn(game, LeftSeat);
    const long skip = Index("status 1 Skip");
    ASSERT_GT(skip, 0);
    EXPECT_EQ(Line(skip + 2), "pause 500");
    EXPECT_TRUE(Has("end 1 scores 0 26 0 0"));
    EXPECT_EQ(Index("status 3 Thinking..."), -1);
    EXPECT_TRUE(State().handOver);
}

TEST_F(TurnEngine, TwoAsLastCardPausesButNobodyDraws) {
    SetAdvancedRules(true);
    SetTable({.hands = {{C("KS")}, {C("KD")}, {C("2H")}, {C("6S")}}, .top = C("5H")});
    GameTestAccess::ComputerTurn(game, TopSeat);
    EXPECT_TRUE(Has("status 2 Draw Two"));
    EXPECT_TRUE(Has("pause 500"));
    EXPECT_TRUE(Lines("draw").empty());
    EXPECT_TRUE(Has("end 2 scores 0 0 26 0"));
}

TEST_F(TurnEngine, TwoWithOneCardLeftGivesOneAndCountsNoPass) {
    SetAdvancedRules(true);
    SetTable({.hands = {{C("KS")}, {C("KD")}, {C("2H"), C("3C")}, {C("6H"), C("7S")}},
              .top = C("5H"),
              .draws = {C("9S")},
              .spare = 0});
    Position().passCount = 3;
    GameTestAccess::ComputerTurn(game, TopSeat);
    const long rightPlays = Index("play 3 32");
    ASSERT_GT(rightPlays, 0) << "Right then plays its 6 of Hearts";
    EXPECT_EQ(First("draw"), "draw 3 48");
    EXPECT_LT(Index("draw 3 48"), rightPlays);
    const auto nextHand = std::find_if(trace.begin(), trace.end(),
                                       [](const std::string& l) { return l.starts_with("hand "); });
    EXPECT_EQ(std::count_if(trace.begin(), nextHand,
                            [](const std::string& l) { return l.starts_with("draw "); }),
              1)
        << "the pack held one card, and nobody passes for the missing one";
}

TEST_F(TurnEngine, TwoInReverseMakesTheSeatBeforeDraw) {
    SetAdvancedRules(true);
    Position().reversed = true;
    SetTable({.hands = {{C("KS")}, {C("KD"), C("3D")}, {C("2H"), C("3C")}, {C("6S")}},
              .top = C("5H"),
              .draws = {C("9S"), C("10S")}});
    GameTestAccess::ComputerTurn(game, TopSeat);
    const auto draws = Lines("draw");
    ASSERT_GE(draws.size(), 2u);
    EXPECT_EQ(draws[0], "draw 1 48");
    EXPECT_EQ(draws[1], "draw 1 49");
    EXPECT_EQ(Index("status 3 Thinking..."), -1) << "Left plays next, not Right";
}

TEST_F(TurnEngine, WithoutAdvancedRulesSpecialRanksAreOrdinary) {
    SetTable({.hands = {{C("KS")}, {C("AH"), C("3C")}, {C("KD")}, {C("6S")}}, .top = C("5H")});
    GameTestAccess::ComputerTurn(game, LeftSeat);
    EXPECT_FALSE(State().reversed);
    EXPECT_FALSE(Has("pause 500"));
    EXPECT_TRUE(Has("status 2 Thinking..."));
}

TEST_F(TurnEngine, TurningAdvancedRulesOffRestoresTheNormalDirection) {
    Position().reversed = true;
    EXPECT_EQ(game.NextSeat(LeftSeat), TopSeat);
    SetAdvancedRules(true);
    EXPECT_EQ(game.NextSeat(LeftSeat), HumanSeat);
    EXPECT_EQ(game.NextSeat(HumanSeat), RightSeat);
}

TEST_F(TurnEngine, ComputerEightNamesTheLongestSuit) {
    SetTable(
        {.hands = {{C("KS")}, {C("8S"), C("2H"), C("5H")}, {C("KD")}, {C("6S")}}, .top = C("9C")});
    GameTestAccess::ComputerTurn(game, LeftSeat);
    EXPECT_EQ(Head(7), (Lines_{"status 1 Thinking...", "redraw", "pause 1000", "pump", "play 1 47",
                               "suit 1", "status 1 Hearts"}));
    EXPECT_EQ(Line(7), "redraw");
    EXPECT_EQ(Line(8), "status 2 Thinking...") << "an eight has no pause of its own";
}

// After the pack is gone nobody can play: four passes leave the fifth turn to be played,
// and the turn after the fifth pass abandons the hand.
TEST_F(TurnEngine, FivePassesMakeADeadRound) {
    SetTable({.hands = {{C("2C"), C("3C")}, {C("4C")}, {C("5C")}, {C("6C")}},
              .top = C("KH"),
              .draws = {},
              .spare = 0});
    const auto scoresBefore = State().scores;
    GameTestAccess::ComputerTurn(game, LeftSeat);
    const long dead = Index("message Dead Round, press Ok to start new hand.");
    ASSERT_GT(dead, 0);
    const Lines_ before(trace.begin(), trace.begin() + dead);
    EXPECT_EQ(
        std::count_if(before.begin(), before.end(),
                      [](const std::string& l) { return l.size() > 9 && l.ends_with(" Pass"); }),
        5);
    EXPECT_EQ(Line(dead - 1), "status 1 Pass") << "the check comes before Top's Thinking...";
    EXPECT_TRUE(Has("pause 700")) << "the human passes by himself";
    EXPECT_EQ(Line(dead + 1), "dead");
    EXPECT_EQ(State().scores, scoresBefore);
    EXPECT_EQ(State().dealer, 1);
    EXPECT_EQ(Line(dead + 7).rfind("hand 1 dealer 1 starter ", 0), 0u) << Line(dead + 7);
}

TEST_F(TurnEngine, APlayInBetweenStartsThePassCountAgain) {
    SetTable({.hands = {{C("2C")}, {C("4C")}, {C("KC"), C("5C")}, {C("6C")}},
              .top = C("KH"),
              .draws = {},
              .spare = 0});
    Position().passCount = 4;
    GameTestAccess::ComputerTurn(game, TopSeat);  // Top plays its King; Right passes: count 1
    EXPECT_TRUE(Has("play 2 13"));
    EXPECT_FALSE(Has("dead"));
}

TEST_F(TurnEngine, PassRedrawsComeWhenTheChainIsDone) {
    SetTable({.hands = {{C("KH"), C("3C")}, {C("4C")}, {C("5C")}, {C("6C")}},
              .top = C("KS"),
              .draws = {},
              .spare = 0});
    GameTestAccess::ComputerTurn(game, LeftSeat);
    // Three passes then the human's move; each pass redraws on the way back.
    EXPECT_EQ(Slice(-5, 5),
              (Lines_{"status 0 Your Move?", "redraw", "redraw", "redraw", "redraw"}));
}

// The human plays his 3 of Hearts and taps his King three times while Left, Top and Right
// follow suit. The taps are delivered at the seats' pumps and dropped: the King is still
// in his hand when his turn comes back.
TEST_F(TurnEngine, TapsQueuedDuringTheChainAreDeliveredAndIgnored) {
    SetTable(
        {.hands = {{C("KH"), C("3H")}, {C("4H"), C("9C")}, {C("5H"), C("9D")}, {C("6H"), C("9S")}},
         .top = C("KS"),
         .suit = Hearts});
    HumansTurn();
    // Inside the King's strip now and after the 3 has gone.
    const Point king = {CardPoint(0).x + State().table.stepX - 4, CardPoint(0).y};
    for (int i = 0; i < 3; ++i) platform.QueueTap(king.x, king.y);
    TapCard(1);
    EXPECT_EQ(platform.QueuedTaps(), 0u);
    EXPECT_EQ(Lines("play"), (Lines_{"play 0 29", "play 1 30", "play 2 31", "play 3 32"}));
    EXPECT_EQ(HandOf(HumanSeat), std::vector<Card>{C("KH")});
    EXPECT_TRUE(State().humanTurn);
    EXPECT_EQ(Slice(-2, 2), (Lines_{"status 0 Your Move?", "redraw"}));
    trace.clear();
    Tap(king);
    EXPECT_EQ(First("play"), "play 0 39") << "the same tap plays the King now";
}

}  // namespace
}  // namespace mervane
