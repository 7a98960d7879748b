#include "game/texts.h"
#include "game_fixture.h"

// The human's rarer paths, each driven as a person does it: taps at the table's
// coordinates and menu commands answered through the platform.
namespace mervane {
namespace {

using Lines_ = std::vector<std::string>;

const std::string DeadRoundLine = "message " + std::string(text::DeadRound);
const std::string QuitLine = "ask " + std::string(text::QuitGame);

// --- the last card ---

// Advanced Rules on; the human holds one card that fits the 5 of Hearts. Left, Top and
// Right keep 10, 10 and 2 points; two cards wait in the pack for a Two that must not draw.
class LastCard : public GameTest {
  protected:
    void PlayLastCard(std::string_view card) {
        SetAdvancedRules(true);
        SetTable({.hands = {{C(card)}, {C("KD")}, {C("KC")}, {C("2S")}},
                  .top = C("5H"),
                  .draws = {C("3C"), C("4C")}});
        HumansTurn();
        TapCard(0);
    }
    // The trace up to the scores of the hand, which the human wins with 22.
    Lines_ UpToTheScores() const {
        const long end = Index("end 0 scores 22 0 0 0");
        if (end < 0) return trace;
        return {trace.begin(), trace.begin() + end + 1};
    }
    static Lines_ Scoring(Lines_ before) {
        for (std::string line :
             {"status 0 0", "status 1 10", "status 2 10", "status 3 2", "end 0 scores 22 0 0 0"})
            before.push_back(line);
        return before;
    }
    void ExpectTheHandIsOver() {
        EXPECT_TRUE(State().handOver);
        EXPECT_TRUE(State().showHandScore);
        EXPECT_FALSE(State().choosingSuit);
        EXPECT_EQ(State().scores, (std::array<std::int32_t, 4>{22, 0, 0, 0}));
        EXPECT_EQ(State().deck.Remaining(), 12) << "nobody drew";
        EXPECT_TRUE(Lines("suit").empty());
        for (Seat seat : {LeftSeat, TopSeat, RightSeat})
            EXPECT_FALSE(Has("status " + std::to_string(seat) + " Thinking...")) << seat;
    }
};

TEST_F(LastCard, QueenShowsSkipPausesAndEndsTheHandWithoutTopsTurn) {
    PlayLastCard("QH");
    EXPECT_EQ(UpToTheScores(),
              Scoring({"play 0 38", "status 0 ", "status 0 Skip", "redraw", "pause 500"}));
    ExpectTheHandIsOver();
}

TEST_F(LastCard, TwoShowsNoDrawTwoAndNobodyDraws) {
    PlayLastCard("2H");
    EXPECT_EQ(UpToTheScores(), Scoring({"play 0 28", "status 0 ", "redraw"}));
    EXPECT_TRUE(Lines("draw").empty());
    ExpectTheHandIsOver();
}

TEST_F(LastCard, EightAsksForNoSuit) {
    PlayLastCard("8S");
    EXPECT_EQ(UpToTheScores(), Scoring({"play 0 47"}));
    ExpectTheHandIsOver();
}

TEST_F(LastCard, TheNextTapDealsTheNextHand) {
    PlayLastCard("QH");
    trace.clear();
    TapCard(0);
    EXPECT_FALSE(State().handOver);
    EXPECT_EQ(Lines("hand").size(), 1u);
    EXPECT_EQ(State().scores[0], 22);
}

// --- the start of the human's turn ---

class HumanTurnStart : public GameTest {};

// With the pack gone nobody can play: Right passes, the human passes by himself, Left,
// Top and Right pass again. That fifth pass is found before the human's next turn.
TEST_F(HumanTurnStart, FifthPassBeforeTheHumansTurnAbandonsTheHand) {
    SetTable({.hands = {{C("2C"), C("3C")}, {C("4C")}, {C("5C")}, {C("6C")}},
              .top = C("KH"),
              .draws = {},
              .spare = 0});
    GameTestAccess::ComputerTurn(game, RightSeat);
    const long dead = Index(DeadRoundLine);
    ASSERT_GE(dead, 5);
    EXPECT_EQ(Slice(dead - 5, 7), (Lines_{"status 3 Thinking...", "redraw", "pause 1000", "pump",
                                          "status 3 Pass", DeadRoundLine, "dead"}));
    const Lines_ before(trace.begin(), trace.begin() + dead);
    EXPECT_EQ(std::count(before.begin(), before.end(), "pause 700"), 1)
        << "the human passed once, not a second time";
    const long deal = Index("hand 1 dealer 1 starter " + std::to_string(State().deck.At(20)));
    EXPECT_GT(deal, dead) << "a new hand is dealt";
    EXPECT_EQ(State().scores, (std::array<std::int32_t, 4>{}));
    EXPECT_EQ(State().dealer, 1);
}

TEST_F(HumanTurnStart, WithoutALegalCardOnAnEmptyPackTheHumanPassesTowardsRightWhenReversed) {
    SetAdvancedRules(true);
    Position().reversed = true;
    SetTable({.hands = {{C("KS")}, {C("KD"), C("9H")}, {C("KC")}, {C("2S"), C("3H")}},
              .top = C("5H"),
              .draws = {},
              .spare = 0});
    GameTestAccess::HumanTurn(game);
    EXPECT_EQ(Head(4), (Lines_{"status 0 Pass", "redraw", "pause 700", "status 3 Thinking..."}));
}

// --- draws and taps on the pack ---

class PackTaps : public GameTest {};

TEST_F(PackTaps, ADrawThatLeavesCardsKeepsTheTurnWithoutALegalCard) {
    SetTable({.hands = {{C("KS")}, {C("KD")}, {C("KC")}, {C("2S")}},
              .top = C("5H"),
              .draws = {C("3C"), C("4C")}});
    HumansTurn();
    TapPack();
    EXPECT_EQ(trace, (Lines_{"draw 0 3", "redraw"}));
    EXPECT_TRUE(State().humanTurn);
    EXPECT_EQ(State().passCount, 0);
}

// A tap on the used-up pack is no draw: it is looked at as a card tap and hits nothing.
TEST_F(PackTaps, TapOnTheEmptyPackChangesNothing) {
    SetTable({.hands = {{C("KS"), C("9H")}, {C("KD")}, {C("KC")}, {C("2S")}},
              .top = C("5H"),
              .draws = {},
              .spare = 0});
    Position().passCount = 2;
    HumansTurn();
    const auto hands = State().hands;
    const auto status = State().statusText;
    TapPack();
    EXPECT_TRUE(trace.empty());
    EXPECT_EQ(State().hands, hands);
    EXPECT_EQ(State().statusText, status);
    EXPECT_EQ(State().passCount, 2);
    EXPECT_EQ(State().deck.DrawPos(), 52);
    EXPECT_TRUE(State().humanTurn);
}

// --- the human's special cards ---

class SpecialCards : public GameTest {};

// Two with nothing left to draw: the failed draws are no passes. Then Left, Top and Right
// pass for want of a heart, and the human plays on with his King.
TEST_F(SpecialCards, TwoOnAnEmptyPackCountsNoPass) {
    SetAdvancedRules(true);
    SetTable({.hands = {{C("2H"), C("KH")}, {C("KD")}, {C("KC")}, {C("3C")}},
              .top = C("5H"),
              .draws = {},
              .spare = 0});
    Position().passCount = 2;
    HumansTurn();
    TapCard(0);
    EXPECT_EQ(Head(5), (Lines_{"play 0 28", "status 0 ", "status 0 Draw Two", "redraw",
                               "status 1 Thinking..."}));
    EXPECT_TRUE(Lines("draw").empty());
    EXPECT_EQ(State().passCount, 3) << "the three computer passes only";
    EXPECT_FALSE(Has("dead"));
    EXPECT_EQ(Status(HumanSeat), "Your Move?");
}

TEST_F(SpecialCards, QueenClearsEveryOtherLine) {
    SetAdvancedRules(true);
    SetTable({.hands = {{C("QH"), C("KS")}, {C("KD")}, {C("KC")}, {C("2S")}}, .top = C("5H")});
    Position().statusText = {"", "Pass", "Hearts", "Draw Two"};
    HumansTurn();
    TapCard(0);
    EXPECT_EQ(Head(6), (Lines_{"play 0 38", "status 0 ", "status 1 ", "status 2 ", "status 3 ",
                               "status 0 Skip"}));
}

TEST_F(SpecialCards, WithoutAdvancedRulesAceQueenAndTwoAreOrdinary) {
    for (std::string_view card : {"AH", "QH", "2H"}) {
        SetTable({.hands = {{C(card), C("KS")}, {C("KD")}, {C("KC")}, {C("2S")}},
                  .top = C("5H"),
                  .draws = {C("3C"), C("4C")}});
        HumansTurn();
        TapCard(0);
        EXPECT_EQ(Head(4), (Lines_{"play 0 " + std::to_string(C(card)), "status 0 ", "redraw",
                                   "status 1 Thinking..."}))
            << card;
        EXPECT_FALSE(State().reversed) << card;
    }
}

// The 5 of Spades on the 5 of Hearts turns the play to Spades: Left follows with its 6.
TEST_F(SpecialCards, SameRankChangesTheSuitTheNextSeatFollows) {
    SetTable(
        {.hands = {{C("5S"), C("9S")}, {C("KD"), C("6S")}, {C("KC")}, {C("2S")}}, .top = C("5H")});
    HumansTurn();
    TapCard(0);
    EXPECT_EQ(Head(8), (Lines_{"play 0 44", "status 0 ", "redraw", "status 1 Thinking...", "redraw",
                               "pause 1000", "pump", "play 1 45"}));
}

TEST_F(SpecialCards, SuitChoiceHandsTheTurnToRightWhenReversed) {
    SetAdvancedRules(true);
    Position().reversed = true;
    SetTable({.hands = {{C("8S"), C("KS")}, {C("KD")}, {C("KC")}, {C("2S")}}, .top = C("5H")});
    HumansTurn();
    TapCard(0);
    trace.clear();
    TapSuitBox(3);
    EXPECT_EQ(Head(4), (Lines_{"suit 0", "status 0 Spades", "redraw", "status 3 Thinking..."}));
}

// --- the New Game commands ---

class MenuNewGame : public GameTest {
  protected:
    // The human's turn of a running game, with some scores and the next deal set to
    // fall to Right, so that the human opens it and the new game stops at his turn.
    void MidGame(const std::vector<Card>& humanHand) {
        SetAdvancedRules(true);
        SetTable({.hands = {humanHand, {C("KH")}, {C("AS")}, {C("9D")}}, .top = C("5S")});
        Position().scores = {10, 20, 30, 40};
        Position().reversed = true;
        Position().dealer = 2;
        HumansTurn();
    }
    void ExpectAFreshDeal() {
        EXPECT_EQ(Head(2), (Lines_{QuitLine, "pump"}));
        ASSERT_EQ(Lines("hand").size(), 1u);
        EXPECT_EQ(First("hand"), "hand 1 dealer 3 starter " + std::to_string(State().topCard));
        const auto deals = Lines("deal");
        ASSERT_EQ(deals.size(), 4u);
        std::string human = "deal 0";
        for (Card c : HandOf(HumanSeat)) human += " " + std::to_string(c);
        EXPECT_EQ(deals[0], human) << "the human opens, so his dealt hand is still whole";
        for (Seat seat = 0; seat < SeatCount; ++seat) EXPECT_EQ(HandOf(seat).size(), 5u) << seat;
        EXPECT_EQ(State().deck.Remaining(), 31);
        EXPECT_EQ(State().scores, (std::array<std::int32_t, 4>{}));
        EXPECT_EQ(State().dealer, 3);
        EXPECT_FALSE(State().reversed);
        EXPECT_FALSE(State().choosingSuit);
        EXPECT_TRUE(State().humanTurn);
        EXPECT_EQ(Status(HumanSeat), "Your Move?");
    }
};

TEST_F(MenuNewGame, AnsweredYesMidGameDeals) {
    MidGame({C("KS"), C("3S")});
    game.QuitAndNewGame();
    ExpectAFreshDeal();
}

TEST_F(MenuNewGame, AnsweredYesWhileASuitIsAskedForClosesTheChoice) {
    MidGame({C("8S"), C("3S")});
    TapCard(0);
    ASSERT_TRUE(State().choosingSuit);
    trace.clear();
    game.QuitAndNewGame();
    ExpectAFreshDeal();
    trace.clear();
    TapSuitBox(2);  // no boxes any more: a tap there hits no card either
    EXPECT_TRUE(trace.empty());
}

TEST_F(MenuNewGame, AnsweredNoMidGameChangesNothing) {
    MidGame({C("KS"), C("3S")});
    const auto hands = State().hands;
    const auto deck = State().deck.Cards();
    const auto status = State().statusText;
    const int dealt = game.HandsDealt();
    platform.AnswerQuestionsWith(false);
    game.QuitAndNewGame();
    EXPECT_EQ(trace, Lines_{QuitLine});
    EXPECT_EQ(State().hands, hands);
    EXPECT_EQ(State().deck.Cards(), deck);
    EXPECT_EQ(State().statusText, status);
    EXPECT_EQ(game.HandsDealt(), dealt);
    EXPECT_EQ(State().scores, (std::array<std::int32_t, 4>{10, 20, 30, 40}));
    EXPECT_EQ(State().dealer, 2);
    EXPECT_TRUE(State().reversed);
    EXPECT_TRUE(State().humanTurn);
    TapCard(0);  // and the hand goes on from the same place
    EXPECT_EQ(First("play"), "play 0 " + std::to_string(C("KS")));
}

// On the winner screen the menu starts the next game at once, and the sheet goes.
TEST_F(MenuNewGame, OnTheWinnerScreenStartsWithoutAQuestion) {
    SetTable({.hands = {{C("KS")}, {C("8C"), C("KH")}, {C("AS")}, {C("9D")}}, .top = C("5S")});
    Position().scores = {150, 40, 0, 0};
    Position().dealer = 2;
    HumansTurn();
    TapCard(0);
    ASSERT_TRUE(State().betweenGames);
    trace.clear();
    game.QuitAndNewGame();
    EXPECT_EQ(Line(0), "pump");
    EXPECT_EQ(Lines("hand").size(), 1u);
    EXPECT_FALSE(State().handOver);
    EXPECT_FALSE(State().showHandScore);
    EXPECT_EQ(State().scores, (std::array<std::int32_t, 4>{}));
    EXPECT_EQ(Status(HumanSeat), "Your Move?");
}

}  // namespace
}  // namespace mervane
