#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "tools/sim/sim_driver.h"

namespace mervane::sim {
namespace {

constexpr const char* kClock = "2026-03-07 00:00:00";

using Lines = std::vector<std::string>;

// A whole game pinned as its trace, in tests/game/golden/<file>. The file's first line is
// the command that prints the same trace.
struct PinnedGame {
    const char* file;
    bool seven, advanced;
    const char* human;            // the --human policy
    const char* level = nullptr;  // a --level SEAT=LEVEL, if any
};

std::string CommandOf(const PinnedGame& game) {
    std::string command = std::string("# mervane-sim --seed-clock \"") + kClock + "\"";
    if (game.seven) command += " --seven";
    if (game.advanced) command += " --advanced";
    if (std::string(game.human) != "first") command += std::string(" --human ") + game.human;
    if (game.level) command += std::string(" --level ") + game.level;
    return command + " --trace";
}

Lines PlayTraced(const PinnedGame& game) {
    Options options;
    options.clock = *ParseClock(kClock);
    options.rules = {.advanced = game.advanced, .sevenCards = game.seven};
    options.human = *ParseHumanPolicy(game.human);
    if (game.level) {
        const auto level = ParseSeatLevel(game.level);
        options.levels[static_cast<std::size_t>(level->first)] = level->second;
    }
    Driver driver(options);
    Lines lines{CommandOf(game)};
    driver.SetLineSink([&](std::string_view line) { lines.emplace_back(line); });
    driver.Run();
    return lines;
}

std::string GoldenPath(const char* file) {
    return std::string(MERVANE_GOLDEN_DIR) + "/" + file;
}

bool ReadLines(const std::string& path, Lines& lines) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return true;
}

bool WriteLines(const std::string& path, const Lines& lines) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const auto& line : lines) out << line << '\n';
    out.close();
    return static_cast<bool>(out);
}

bool UpdatingGolden() {
    const char* value = std::getenv("MERVANE_UPDATE_GOLDEN");
    return value && *value && std::string(value) != "0";
}

std::string Quoted(const Lines& lines, std::size_t i) {
    return i < lines.size() ? "\"" + lines[i] + "\"" : "(the end)";
}

// Empty when both are the same; else where they part, readably.
std::string FirstDifference(const Lines& golden, const Lines& now) {
    std::size_t i = 0;
    while (i < golden.size() && i < now.size() && golden[i] == now[i]) ++i;
    if (i == golden.size() && i == now.size()) return {};
    std::string text = "first difference at line " + std::to_string(i + 1);
    if (i > 0) text += ", after " + Quoted(golden, i - 1);
    return text + ":\n  golden: " + Quoted(golden, i) + "\n  now:    " + Quoted(now, i);
}

void CheckAgainstGolden(const PinnedGame& game) {
    SCOPED_TRACE(game.file);
    const Lines now = PlayTraced(game);
    ASSERT_TRUE(std::any_of(now.begin(), now.end(), [](const std::string& l) {
        return l.starts_with("gameover ");
    })) << "the game did not reach its end";
    const std::string path = GoldenPath(game.file);
    if (UpdatingGolden()) {
        ASSERT_TRUE(WriteLines(path, now)) << "cannot write " << path;
        return;
    }
    Lines golden;
    ASSERT_TRUE(ReadLines(path, golden))
        << "cannot read " << path << "; MERVANE_UPDATE_GOLDEN=1 writes it";
    const std::string difference = FirstDifference(golden, now);
    EXPECT_TRUE(difference.empty())
        << path << ": " << difference
        << "\nIf the change is meant, run with MERVANE_UPDATE_GOLDEN=1 and review the diff.";
}

// One whole game per rule set and per policy: any change to a deal, a choice, a text, a
// pause or a redraw shows up here, line by line.
TEST(SimulatorGolden, EveryPinnedGamePlaysExactlyAsItsTrace) {
    const PinnedGame games[] = {
        {"five-basic.trace", false, false, "first"},
        {"five-advanced.trace", false, true, "first"},
        {"seven-basic.trace", true, false, "first"},
        {"seven-advanced.trace", true, true, "first"},
        {"random-7.trace", false, false, "random:7"},
        {"random-42-seven-advanced.trace", true, true, "random:42"},
        {"hard-2-advanced.trace", false, true, "first", "2=hard"},
    };
    for (const auto& game : games) CheckAgainstGolden(game);
}

TEST(SimulatorGolden, TheComparisonNamesTheFirstLineThatDiffers) {
    const Lines golden{"hand 1", "play 0 7", "redraw"};
    EXPECT_EQ(FirstDifference(golden, golden), "");
    EXPECT_EQ(FirstDifference(golden, {"hand 1", "play 0 8", "redraw"}),
              "first difference at line 2, after \"hand 1\":\n  golden: \"play 0 7\"\n"
              "  now:    \"play 0 8\"");
    EXPECT_NE(FirstDifference(golden, {"hand 1", "play 0 7"}).find("now:    (the end)"),
              std::string::npos);
    EXPECT_NE(FirstDifference({"hand 1"}, golden).find("golden: (the end)"), std::string::npos);
}

TEST(SimulatorClock, ParsesTheSeedClockStrictly) {
    const auto clock = ParseClock("2026-12-25 14:30:15");
    ASSERT_TRUE(clock);
    EXPECT_EQ(clock->day, 25);
    EXPECT_EQ(clock->month, 11);
    EXPECT_EQ(clock->hour, 14);
    EXPECT_EQ(clock->minute, 30);
    EXPECT_EQ(clock->second, 15);
    EXPECT_FALSE(ParseClock("2026-03-07"));
    EXPECT_FALSE(ParseClock("2026-03-07 00:00:00x"));
    EXPECT_FALSE(ParseClock("2026-3-07 00:00:00"));
    EXPECT_FALSE(ParseClock("2026-03-07 -1:00:00"));
}

TEST(SimulatorClock, RefusesDatesAndTimesThatDoNotExist) {
    for (const char* text : {"2026-02-30 00:00:00", "2026-13-01 00:00:00", "2026-00-10 00:00:00",
                             "2026-04-31 00:00:00", "2026-01-00 00:00:00", "2026-01-01 25:00:00",
                             "2026-01-01 24:00:00", "2026-01-01 00:60:00", "2026-01-01 00:00:60",
                             "2025-02-29 00:00:00", "1900-02-29 00:00:00", "0000-01-01 00:00:00"}) {
        EXPECT_FALSE(ParseClock(text)) << text;
    }
    for (const char* text : {"2024-02-29 00:00:00", "2000-02-29 23:59:59", "2026-12-31 00:00:00"}) {
        EXPECT_TRUE(ParseClock(text)) << text;
    }
    EXPECT_EQ(ParseClock("2024-02-29 00:00:00")->month, 1);
}

TEST(SimulatorHands, StopsAfterTheAskedNumberOfHands) {
    Options options;
    options.clock = *ParseClock(kClock);
    options.hands = 25;
    options.playTo = 60;
    Driver driver(options);
    EXPECT_EQ(driver.Run(), 25);
}

// The reference outputs of SplitMix64 for seed 0.
TEST(SimulatorRandomHuman, GeneratorIsSplitMix64) {
    SplitMix64 random(0);
    EXPECT_EQ(random.Next(), 0xE220A8397B1DCDAFull);
    EXPECT_EQ(random.Next(), 0x6E789E6AA1B965F4ull);
    EXPECT_EQ(random.Next(), 0x06C45D188009454Full);
    SplitMix64 wrapped(UINT64_MAX);
    EXPECT_NE(wrapped.Next(), wrapped.Next());
}

TEST(SimulatorRandomHuman, PolicyNamesAreStrict) {
    EXPECT_EQ(ParseHumanPolicy("first")->kind, HumanPolicy::Kind::First);
    const auto random = ParseHumanPolicy("random:7");
    ASSERT_TRUE(random);
    EXPECT_EQ(random->kind, HumanPolicy::Kind::Random);
    EXPECT_EQ(random->seed, 7u);
    EXPECT_EQ(ParseHumanPolicy("random:18446744073709551615")->seed, UINT64_MAX);
    for (const char* text : {"", "First", "random", "random:", "random:-1", "random:+7",
                             "random:7x", "random: 7", "random:18446744073709551616"}) {
        EXPECT_FALSE(ParseHumanPolicy(text)) << text;
    }
}

// The options tools/sim/random-seeds.sh gives seed s too: each rule set and target, and a
// different shuffle clock, by turns.
Options RandomGameOptions(int seed) {
    Options options;
    options.clock = LocalTime{7, 2, 0, (seed / 60) % 60, seed % 60};
    options.rules = {.advanced = (seed / 2) % 2 == 1, .sevenCards = seed % 2 == 1};
    constexpr int targets[] = {200, 50, 500, 1};
    options.playTo = targets[(seed / 4) % 4];
    options.human = {HumanPolicy::Kind::Random, static_cast<std::uint64_t>(seed)};
    return options;
}

// Random taps reach every path of the human's hand: illegal cards, the empty pack, each
// suit box. None of them may leave the game waiting for ever.
TEST(SimulatorRandomHuman, TwoHundredSeedsEachPlayAGameToItsEnd) {
    std::set<std::string> suitsNamedByHuman;
    for (int seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Driver driver(RandomGameOptions(seed));
        bool asked = false;
        driver.SetLineSink([&](std::string_view line) {
            if (line == "status 0 Choose Suit?") asked = true;
            if (asked && line.starts_with("suit ")) {
                suitsNamedByHuman.emplace(line);
                asked = false;
            }
        });
        ASSERT_NO_THROW(driver.Run());
        EXPECT_EQ(driver.Platform().GamesEnded(), 1);
    }
    EXPECT_EQ(suitsNamedByHuman.size(), 4u) << "every suit box is tapped by some seed";
}

TEST(SimulatorRandomHuman, AHandThatNeverEndsIsReportedAsStuck) {
    Options options = RandomGameOptions(7);
    options.maxTapsPerHand = 2;
    Driver driver(options);
    EXPECT_THROW(driver.Run(), StuckGame);
}

}  // namespace
}  // namespace mervane::sim
