#include "game_fixture.h"

namespace mervane {
namespace {

using Lines_ = std::vector<std::string>;

class EndOfHand : public GameTest {};

TEST_F(EndOfHand, WinnerScoresWhatTheOthersHold) {
    SetTable({.hands = {{C("KS")}, {C("8C"), C("KH")}, {C("AS")}, {C("9D")}}, .top = C("5S")});
    HumansTurn();
    TapCard(0);
    EXPECT_EQ(State().scores[0], 70);
    EXPECT_EQ(State().statusText, (std::array<std::string, 4>{"0", "60", "1", "9"}));
    EXPECT_TRUE(State().handOver);
    EXPECT_TRUE(State().showHandScore);
    EXPECT_TRUE(State().gameInProgress);
    EXPECT_EQ(Slice(-1, 1), (Lines_{"redraw"}));
    EXPECT_TRUE(Has("end 0 scores 70 0 0 0"));
    EXPECT_EQ(HandOf(LeftSeat).size(), 2u) << "the counted cards stay on the table";
}

TEST_F(EndOfHand, GameEndsExactlyAtTheTarget) {
    for (int before : {129, 130}) {
        SetTable({.hands = {{C("KS")}, {C("8C"), C("KH")}, {C("AS")}, {C("9D")}}, .top = C("5S")});
        Position().scores = {before, 0, 0, 0};
        HumansTurn();
        TapCard(0);
        const bool over = before + 70 >= 200;
        EXPECT_EQ(State().gameInProgress, !over) << before;
        EXPECT_EQ(State().betweenGames, over) << before;
        EXPECT_EQ(Has("gameover 0"), over) << before;
        EXPECT_EQ(game.State().gameWinner, over ? 0 : -1);
    }
}

// The winner screen shows the score sheet; the game, not the paint, puts it up.
TEST_F(EndOfHand, TheHandThatWinsTheGameLeavesTheSheetUpForTheWinnerScreen) {
    SetTable({.hands = {{C("KS")}, {C("8C"), C("KH")}, {C("AS")}, {C("9D")}}, .top = C("5S")});
    Position().scores = {150, 0, 0, 0};
    HumansTurn();
    TapCard(0);
    ASSERT_TRUE(!State().gameInProgress && State().betweenGames && State().handOver);
    EXPECT_TRUE(State().showHandScore);
}

TEST_F(EndOfHand, TapOnTheScoreSheetDealsTheNextHandKeepingScores) {
    SetTable({.hands = {{C("KS")}, {C("8C"), C("KH")}, {C("AS")}, {C("9D")}}, .top = C("5S")});
    Position().dealer = 1;
    HumansTurn();
    TapCard(0);
    trace.clear();
    Tap({3, 3});
    EXPECT_FALSE(State().handOver);
    EXPECT_FALSE(State().showHandScore);
    EXPECT_EQ(State().scores[0], 70);
    EXPECT_EQ(State().dealer, 2);
    EXPECT_EQ(Line(0), "status 0 ");
    EXPECT_EQ(Lines("hand").size(), 1u);
}

TEST_F(EndOfHand, TapOnTheWinnerScreenStartsANewGame) {
    SetTable({.hands = {{C("KS")}, {C("8C"), C("KH")}, {C("AS")}, {C("9D")}}, .top = C("5S")});
    Position().scores = {150, 40, 0, 0};
    HumansTurn();
    TapCard(0);
    ASSERT_TRUE(State().betweenGames);
    EXPECT_TRUE(game.CanUseToolbarNewGame());
    EXPECT_FALSE(game.CanShowScore());
    Tap({200, 10});
    EXPECT_EQ(State().scores, (std::array<std::int32_t, 4>{}));
    EXPECT_TRUE(State().gameInProgress);
    EXPECT_FALSE(State().betweenGames);
    EXPECT_FALSE(game.CanUseToolbarNewGame());
    EXPECT_TRUE(game.CanShowScore());
}

TEST_F(EndOfHand, ShowScoreIsEnabledWhileTheHandsSheetIsUp) {
    EXPECT_FALSE(game.CanShowScore());
    EXPECT_TRUE(game.CanUseToolbarNewGame());
    SetTable({.hands = {{C("KS")}, {C("KH")}, {C("AS")}, {C("9D")}}, .top = C("5S")});
    HumansTurn();
    TapCard(0);
    EXPECT_TRUE(State().handOver);
    EXPECT_TRUE(game.CanShowScore());
    EXPECT_FALSE(game.CanUseToolbarNewGame());
}

class NewGameCommands : public GameTest {};

TEST_F(NewGameCommands, ToolbarNewGameDoesNothingDuringAGame) {
    SetTable({.hands = {{C("KS"), C("3S")}, {C("KH")}, {C("AS")}, {C("9D")}}, .top = C("5S")});
    Position().scores = {10, 20, 30, 40};
    game.NewGame();
    EXPECT_TRUE(trace.empty());
    EXPECT_EQ(State().scores[3], 40);
}

TEST_F(NewGameCommands, MenuNewGameAnsweredNoLeavesEverythingAsItWas) {
    SetTable({.hands = {{C("8S"), C("3S")}, {C("KH")}, {C("AS")}, {C("9D")}}, .top = C("5S")});
    Position().scores = {10, 20, 30, 40};
    HumansTurn();
    TapCard(0);  // the suit choice is open
    trace.clear();
    const auto hands = State().hands;
    platform.AnswerQuestionsWith(false);
    game.QuitAndNewGame();
    EXPECT_EQ(trace, (Lines_{"ask Are you sure you want to quit current game?"}));
    EXPECT_TRUE(State().choosingSuit);
    EXPECT_TRUE(State().gameInProgress);
    EXPECT_EQ(State().hands, hands);
    EXPECT_EQ(State().scores[3], 40);
    TapSuitBox(2);
    EXPECT_EQ(First("suit"), "suit 3");
}

TEST_F(NewGameCommands, MenuNewGameAnsweredYesStartsOver) {
    SetTable({.hands = {{C("KS"), C("3S")}, {C("KH")}, {C("AS")}, {C("9D")}}, .top = C("5S")});
    Position().scores = {10, 20, 30, 40};
    const int dealer = State().dealer;
    game.QuitAndNewGame();
    EXPECT_EQ(Line(0), "ask Are you sure you want to quit current game?");
    EXPECT_EQ(Line(1), "pump");
    EXPECT_EQ(State().scores, (std::array<std::int32_t, 4>{}));
    EXPECT_EQ(State().dealer, (dealer + 1) % 4) << "the deal rotates on";
    EXPECT_TRUE(State().gameInProgress);
}

TEST_F(NewGameCommands, MenuNewGameWithoutAGameAsksNothing) {
    game.QuitAndNewGame();
    EXPECT_EQ(Line(0), "pump");
    EXPECT_TRUE(State().gameInProgress);
    EXPECT_FALSE(State().showSplash);
}

TEST_F(NewGameCommands, GameSetupRestartAbandonsTheRunningGame) {
    SetTable({.hands = {{C("KS"), C("3S")}, {C("KH")}, {C("AS")}, {C("9D")}}, .top = C("5S")});
    Position().scores = {10, 20, 30, 40};
    const int dealer = State().dealer;
    game.AbandonAndNewGame();
    EXPECT_EQ(State().scores, (std::array<std::int32_t, 4>{}));
    EXPECT_EQ(Line(0), "pump") << "no question: the dialog has asked already";
    EXPECT_EQ(Lines("hand").size(), 1u);
    EXPECT_EQ(State().dealer, (dealer + 1) % 4);
}

}  // namespace
}  // namespace mervane
