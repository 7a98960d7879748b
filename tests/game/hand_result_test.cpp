#include "game_fixture.h"

namespace mervane {
namespace {

// Left holds one Queen; the human's 5 of Spades hands it the turn, and with Advanced
// Rules its Queen is its last card: "Skip", a 500 ms pause, and the hand is over.
class HandResult : public GameTest {
  protected:
    void LeftGoesOutWithAQueen(std::int32_t playTo, std::array<std::int32_t, 4> scores = {}) {
        SetAdvancedRules(true);
        SetTable({.hands = {{C("5S"), C("9H")}, {C("QS")}, {C("2H")}, {C("3H")}}, .top = C("4S")});
        SetPlayTo(playTo);
        Position().scores = scores;
        HumansTurn();
    }

    // Makes a tap while the pause of the given length runs, after the chain's last pump.
    void TapDuringPause(int ms) {
        platform.SetLineSink([this, ms](std::string_view line) {
            trace.emplace_back(line);
            if (line == "pause " + std::to_string(ms) && !tapped_) {
                tapped_ = true;
                platform.QueueTap(3, 3);
            }
        });
    }

    bool tapped_ = false;
};

TEST_F(HandResult, TheGameRecordsTheSeatWhoseHandEndedIt) {
    // With a target of 0 everyone is "at the target"; only the record knows who won.
    LeftGoesOutWithAQueen(0);
    TapCard(0);
    ASSERT_TRUE(State().betweenGames);
    EXPECT_EQ(game.State().gameWinner, LeftSeat);
    EXPECT_TRUE(Has("gameover 1"));
    for (int target : {100, 300}) {
        SetPlayTo(target);
        EXPECT_EQ(game.State().gameWinner, LeftSeat) << target;
    }
}

TEST_F(HandResult, ANewGameForgetsTheLastWinner) {
    LeftGoesOutWithAQueen(200, {0, 190, 0, 0});
    TapCard(0);
    ASSERT_EQ(game.State().gameWinner, LeftSeat);
    Tap({3, 3});
    EXPECT_EQ(game.State().gameWinner, NoSeat);
    EXPECT_TRUE(State().gameInProgress);
}

TEST_F(HandResult, AHandThatGoesOnHasNoGameWinner) {
    LeftGoesOutWithAQueen(200);
    TapCard(0);
    ASSERT_TRUE(State().handOver);
    EXPECT_EQ(game.State().gameWinner, NoSeat);
}

TEST_F(HandResult, ATapMadeDuringTheLastPauseDoesNotSkipTheSheet) {
    LeftGoesOutWithAQueen(200);
    TapDuringPause(500);
    TapCard(0);
    ASSERT_TRUE(tapped_);
    EXPECT_TRUE(State().handOver);
    EXPECT_TRUE(State().showHandScore);
    EXPECT_EQ(platform.QueuedTaps(), 0u) << "the tap made before the sheet showed is dropped";
    // A tap made once the sheet is up continues as always.
    Tap({3, 3});
    EXPECT_FALSE(State().handOver);
    EXPECT_EQ(Lines("hand").size(), 1u);
}

TEST_F(HandResult, ATapMadeDuringTheLastPauseDoesNotSkipTheWinnerScreen) {
    LeftGoesOutWithAQueen(200, {0, 190, 0, 0});
    TapDuringPause(500);
    TapCard(0);
    ASSERT_TRUE(tapped_);
    EXPECT_TRUE(State().handOver && State().betweenGames && !State().gameInProgress);
    EXPECT_EQ(platform.QueuedTaps(), 0u);
}

// Taps made before the chain's pumps are still delivered there, and ignored.
TEST_F(HandResult, TapsMadeBeforeAPumpAreStillDeliveredThere) {
    LeftGoesOutWithAQueen(200);
    TapDuringPause(State().computerDelayMs);
    TapCard(0);
    ASSERT_TRUE(tapped_);
    EXPECT_TRUE(State().handOver);
    EXPECT_EQ(platform.QueuedTaps(), 0u);
    EXPECT_LT(Index("pump"), Index("status 1 Skip"));
}

}  // namespace
}  // namespace mervane
