// The record of the game's hands, from whole seeded games played through the real flow.
#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "cards/rules.h"
#include "game/score_history.h"
#include "tools/sim/sim_driver.h"

namespace mervane {
namespace {

using Scores = std::array<std::int32_t, SeatCount>;

Scores Sum(const Scores& start, const std::vector<HandScore>& hands) {
    Scores sum = start;
    for (const HandScore& hand : hands)
        for (std::size_t seat = 0; seat < sum.size(); ++seat) sum[seat] += hand.points[seat];
    return sum;
}

// Added after the history: at each hand's end the cards still held are on the table, so
// the row just written must give the winner the others' card points and nobody else any.
struct RowChecker final : GameObserver {
    RowChecker(const ScoreHistory& h, const GameState& s) : history(h), state(s) {}
    void HandEnded(Seat winner, const Scores&) override {
        HandScore expected{.winner = winner};
        for (Seat seat = 0; seat < SeatCount; ++seat)
            if (seat != winner)
                expected.points[static_cast<std::size_t>(winner)] +=
                    HandPoints(state.hands[static_cast<std::size_t>(seat)]);
        ASSERT_FALSE(history.Hands().empty());
        EXPECT_EQ(history.Hands().back(), expected) << "hand " << history.Hands().size();
        EXPECT_GT(expected.points[static_cast<std::size_t>(winner)], 0);
    }
    void DeadRound() override { ++deadRounds; }
    const ScoreHistory& history;
    const GameState& state;
    int deadRounds = 0;
};

sim::Options Seeded(int seed) {
    sim::Options options;
    options.clock = LocalTime{7, 2, 0, 3, seed};
    options.rules = {.advanced = seed % 2 == 0, .sevenCards = seed % 3 == 0};
    options.human = {sim::HumanPolicy::Kind::Random, static_cast<std::uint64_t>(seed)};
    return options;
}

TEST(ScoreHistory, RowsOfSeededGamesAddUpToTheScoresAndANewGameStartsAfresh) {
    for (int seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        sim::Driver driver(Seeded(seed));
        ScoreHistory history;
        RowChecker checker(history, driver.Game().State());
        driver.Game().AddObserver(&history);
        driver.Game().AddObserver(&checker);
        const int hands = driver.Run();
        const GameState& state = driver.Game().State();
        EXPECT_EQ(static_cast<int>(history.Hands().size()), hands - checker.deadRounds);
        EXPECT_EQ(Sum({}, history.Hands()), state.scores);
        EXPECT_EQ(history.Totals(), state.scores);
        EXPECT_EQ(history.Hands().back().winner, state.gameWinner);

        // The game is over: going on deals a new game, whose first hand the simulator's
        // human plays out at once.
        driver.Game().Continue();
        ASSERT_EQ(history.Hands().size(), 1U);
        EXPECT_EQ(history.Totals(), state.scores);
        EXPECT_EQ(Sum({}, history.Hands()), state.scores);
    }
}

// Attached after three hands, it knows the totals but not the hands that made them.
TEST(ScoreHistory, JoinedMidGameCountsOnFromTheTotals) {
    sim::Options options = Seeded(5);
    options.hands = 3;
    options.playTo = 5000;
    sim::Driver driver(options);
    driver.Run();
    const GameState& state = driver.Game().State();
    const Scores before = state.scores;
    ASSERT_GT(std::accumulate(before.begin(), before.end(), 0), 0);
    ScoreHistory late(before);
    driver.Game().AddObserver(&late);
    EXPECT_TRUE(late.Hands().empty());
    EXPECT_EQ(late.Totals(), before);
    driver.Game().Continue();
    driver.Game().Continue();
    EXPECT_LE(late.Hands().size(), 2U);
    EXPECT_EQ(Sum(before, late.Hands()), state.scores);
    EXPECT_EQ(late.Totals(), state.scores);
}

}  // namespace
}  // namespace mervane
