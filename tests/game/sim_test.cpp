#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/sim/sim_driver.h"

namespace mervane::sim {
namespace {

struct Golden {
    bool seven, advanced;
    std::size_t lines;
    std::uint64_t hash;
    std::array<int, 4> scores;
};

std::uint64_t Fnv1a(const std::vector<std::string>& lines) {
    std::uint64_t hash = 1469598103934665603ull;
    for (const auto& line : lines) {
        for (unsigned char c : line + "\n") hash = (hash ^ c) * 1099511628211ull;
    }
    return hash;
}

std::vector<std::string> PlayOneGame(bool seven, bool advanced, std::array<int, 4>& scores) {
    Options options;
    options.clock = *ParseClock("2026-03-07 00:00:00");
    options.sevenCards = seven;
    options.advancedRules = advanced;
    Driver driver(options);
    std::vector<std::string> lines;
    driver.SetLineSink([&](std::string_view line) { lines.emplace_back(line); });
    driver.Run();
    scores = driver.Game().State().scores;
    return lines;
}

// One whole game pinned per rule set: any change to a deal, a choice, a text, a pause or
// a redraw shows up here.
TEST(SimulatorGolden, OneGamePerRuleSetPlaysExactlyAsPinned) {
    const Golden goldens[] = {
        {false, false, 2771, 12849204384229771324ull, {279, 178, 102, 30}},
        {false, true, 1485, 12745003650453869208ull, {74, 0, 55, 213}},
        {true, false, 2581, 7378173715856642954ull, {91, 100, 68, 242}},
        {true, true, 3149, 15147018380255071300ull, {110, 227, 157, 59}},
    };
    for (const auto& golden : goldens) {
        std::array<int, 4> scores{};
        const auto lines = PlayOneGame(golden.seven, golden.advanced, scores);
        SCOPED_TRACE(std::string("seven ") + (golden.seven ? "on" : "off") + ", advanced " +
                     (golden.advanced ? "on" : "off"));
        EXPECT_EQ(lines.size(), golden.lines);
        EXPECT_EQ(Fnv1a(lines), golden.hash);
        EXPECT_EQ(scores, golden.scores);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[2].rfind("hand 1 dealer 1 starter ", 0), 0u);
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                                [](const std::string& l) { return l.starts_with("gameover "); }));
    }
}

TEST(SimulatorClock, ParsesTheSeedClockStrictly) {
    const auto clock = ParseClock("2026-12-25 14:30:15");
    ASSERT_TRUE(clock);
    EXPECT_EQ(clock->day, 25);
    EXPECT_EQ(clock->month, 11);
    EXPECT_EQ(clock->hour, 14);
    EXPECT_EQ(clock->minute, 30);
    EXPECT_EQ(clock->second, 15);
    EXPECT_FALSE(ParseClock("2026-13-01 00:00:00"));
    EXPECT_FALSE(ParseClock("2026-03-07"));
    EXPECT_FALSE(ParseClock("2026-03-07 00:00:00x"));
}

TEST(SimulatorHands, StopsAfterTheAskedNumberOfHands) {
    Options options;
    options.clock = *ParseClock("2026-03-07 00:00:00");
    options.hands = 25;
    options.playTo = 60;
    Driver driver(options);
    EXPECT_EQ(driver.Run(), 25);
}

}  // namespace
}  // namespace mervane::sim
