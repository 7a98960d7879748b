#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "cards/platform_services.h"
#include "game/headless_platform.h"
#include "game/levels.h"
#include "game/mervane_game.h"
#include "game/rule_set.h"

namespace mervane::sim {

// How the human seat is driven (see --help).
struct HumanPolicy {
    enum class Kind { First, Random, Hint };
    Kind kind = Kind::First;
    std::uint64_t seed = 0;  // Random only
};

struct Options {
    LocalTime clock{};
    std::optional<int> hands;  // stop after this many hands; else one game
    RuleSet rules;
    bool trainingMode = false;  // computer hands face up in snapshots
    int playTo = 200;
    bool trace = false;
    bool bench = false;
    HumanPolicy human;
    // A computer level for a seat; in seat 0 it replaces the human policy.
    std::array<std::optional<Level>, SeatCount> levels{};
    // A hand in which the human decides this often without it ending is reported as
    // stuck: even the random policy finishes a hand in a few hundred decisions.
    int maxTapsPerHand = 100'000;
};

// Parses "YYYY-MM-DD HH:MM:SS" into the parts the shuffle reads; a date or time that
// does not exist is refused.
std::optional<LocalTime> ParseClock(std::string_view text);

// Parses "first", "hint" or "random:SEED" (SEED a decimal number below 2^64).
std::optional<HumanPolicy> ParseHumanPolicy(std::string_view text);

// Parses "SEAT=LEVEL": SEAT 0 to 3, LEVEL easy, normal or hard.
std::optional<std::pair<Seat, Level>> ParseSeatLevel(std::string_view text);

using mervane::SplitMix64;

// The driver gave up on a game that no longer moves.
class StuckGame : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The human seat's policy as a seat of the game: every decision is made at once. It
// counts its decisions so that a hand that never ends is caught.
class HumanSeatPolicy final : public SeatPlayer {
  public:
    HumanSeatPolicy(const HumanPolicy& policy, int maxDecisions)
        : policy_(policy), random_(policy.seed), maxDecisions_(maxDecisions) {}

    Decision<SeatMove> ChooseMove(const SeatView& view) override;
    Decision<Suit> ChooseSuit(const SeatView& view) override;
    // A new hand: the count of decisions starts again.
    void NewHand() { decisions_ = 0; }

  private:
    void Count(const SeatView& view);

    HumanPolicy policy_;
    SplitMix64 random_;
    int maxDecisions_;
    int decisions_ = 0;
};

// Plays through the real game flow, the human seat decided by the chosen policy
// (see --help).
class Driver {
  public:
    explicit Driver(const Options& options);

    // Every trace line as it happens.
    void SetLineSink(HeadlessPlatform::LineSink sink);
    // Called after every step the view would show (for snapshots).
    void SetAfterRedraw(std::function<void(const GameState&)> hook);

    // Returns the number of hands played (won or dead). Throws StuckGame when a hand
    // takes more than maxTapsPerHand of the human's decisions.
    int Run();

    MervaneGame& Game() { return game_; }
    const HeadlessPlatform& Platform() const { return platform_; }

  private:
    bool Finished() const;
    void OnLine(std::string_view line);

    Options options_;
    HeadlessPlatform platform_;
    MervaneGame game_{platform_};
    HumanSeatPolicy human_;
    std::array<std::unique_ptr<SeatPlayer>, SeatCount> levelPlayers_;
    HeadlessPlatform::LineSink sink_;
    std::function<void(const GameState&)> afterRedraw_;
};

}  // namespace mervane::sim
