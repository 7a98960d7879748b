#include <memory>

#include "game_fixture.h"

namespace mervane {
namespace {

using Lines_ = std::vector<std::string>;

// The chain of turns as a window runs it: every pause is held open until the test ends
// it, and taps and commands come in meanwhile.
class HeldInput : public GameTest {
  protected:
    HeldInput() { platform.HoldPauses(true); }

    // The human's 3 of Hearts goes; Left and Top follow suit, Right has none and draws
    // its Heart, so Right's "Draw One" pause comes after the chain's last pump.
    void HumanPlaysTheThree() {
        SetTable({.hands = {{C("KH"), C("3H"), C("9D")},
                            {C("4H"), C("9C")},
                            {C("5H"), C("JD")},
                            {C("9S")}},
                  .top = C("KS"),
                  .suit = Hearts,
                  .draws = {C("6H")}});
        HumansTurn();
        TapCard(1);
    }

    // Ends the pauses one by one; `during` runs in the first pause that shows `status`.
    void RunPauses(std::string_view status, const std::function<void()>& during) {
        bool done = false;
        for (int guard = 0; platform.InPause() && guard < 100; ++guard) {
            if (!done && Line(static_cast<long>(trace.size()) - 3) == status) {
                done = true;
                during();
            }
            platform.EndPause();
        }
    }

    Point King() const { return CardPoint(0); }
};

TEST_F(HeldInput, TheChainWaitsInEachPauseWithTheGameBusy) {
    HumanPlaysTheThree();
    ASSERT_TRUE(platform.InPause());
    EXPECT_TRUE(game.Busy());
    EXPECT_EQ(Status(LeftSeat), "Thinking...");
    EXPECT_EQ(Lines("play"), (Lines_{"play 0 29"})) << "nothing after the pause has run";
    RunPauses("", [] {});
    EXPECT_FALSE(game.Busy());
    EXPECT_TRUE(State().humanTurn);
    EXPECT_EQ(Lines("play"), (Lines_{"play 0 29", "play 1 30", "play 2 31", "play 3 32"}));
}

TEST_F(HeldInput, ATapBeforeAPumpFallsThere) {
    HumanPlaysTheThree();
    Tap(King());  // during Left's "Thinking..."
    EXPECT_EQ(game.HeldInputs(), 1u);
    platform.EndPause();
    EXPECT_EQ(game.HeldInputs(), 0u);
    RunPauses("", [] {});
    EXPECT_EQ(HandOf(HumanSeat), (std::vector<Card>{C("KH"), C("9D")}));
    EXPECT_TRUE(State().humanTurn);
}

TEST_F(HeldInput, ATapAfterTheLastPumpIsTakenWhenTheChainEnds) {
    HumanPlaysTheThree();
    RunPauses("status 3 Draw One", [this] { Tap(King()); });
    const long rightPlays = Index("play 3 32");
    const long kingPlayed = Index("play 0 39");
    ASSERT_GE(rightPlays, 0);
    EXPECT_GT(kingPlayed, rightPlays) << "the King goes once the human's turn has come";
}

TEST_F(HeldInput, ACommandWaitsForTheChainAndForTheTapsBeforeIt) {
    HumanPlaysTheThree();
    long ranAt = -1;
    bool ranBusy = true;
    RunPauses("status 3 Draw One", [&] {
        Tap(King());
        game.WhenIdle([&] {
            ranAt = static_cast<long>(trace.size());
            ranBusy = game.Busy();
        });
    });
    // The King's own chain (Left's turn) holds the command until it too is over.
    RunPauses("", [] {});
    ASSERT_GE(ranAt, 0);
    EXPECT_FALSE(ranBusy);
    EXPECT_GT(ranAt, Index("play 0 39"));
    EXPECT_EQ(game.HeldInputs(), 0u);
}

TEST_F(HeldInput, NoChainStartsInsideAnother) {
    HumanPlaysTheThree();
    const int dealt = game.HandsDealt();
    game.StartHand();
    GameTestAccess::ComputerTurn(game, TopSeat);
    EXPECT_EQ(game.HandsDealt(), dealt);
    platform.EndPause();
    EXPECT_EQ(Lines("play"), (Lines_{"play 0 29", "play 1 30"})) << "only Left has played";
}

TEST_F(HeldInput, ASheetShownAfterTheLastPauseDropsTheTapsMadeInIt) {
    SetTable({.hands = {{C("5S"), C("9H")}, {C("QS")}, {C("2H")}, {C("3H")}}, .top = C("4S")});
    GameSettings settings;
    settings.rules.advanced = true;
    game.ApplyLoadedSettings(settings);
    HumansTurn();
    TapCard(0);
    RunPauses("status 1 Skip", [this] { Tap({3, 3}); });
    EXPECT_TRUE(State().handOver);
    EXPECT_EQ(game.HeldInputs(), 0u);
    EXPECT_EQ(game.HandsDealt(), 0);
}

// A game dropped in the middle of a pause takes its suspended steps with it (the
// sanitizer build checks that nothing leaks), and nothing resumes them.
TEST(HeldInputLifetime, AGameDroppedMidPauseFreesItsChain) {
    HeadlessPlatform platform;
    platform.HoldPauses(true);
    auto game = std::make_unique<MervaneGame>(platform);
    platform.Attach(*game);
    game->NewGame();
    ASSERT_TRUE(platform.InPause());
    ASSERT_TRUE(game->Busy());
    game.reset();
}

}  // namespace
}  // namespace mervane
