#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cards/platform_services.h"
#include "game/headless_platform.h"
#include "game/mervane_game.h"

namespace mervane::sim {

struct Options {
    LocalTime clock{};
    std::optional<int> hands;  // stop after this many hands; else one game
    bool sevenCards = false;
    bool advancedRules = false;
    bool trainingMode = false;  // computer hands face up in snapshots
    int playTo = 200;
    bool trace = false;
    bool bench = false;
};

// Parses "YYYY-MM-DD HH:MM:SS" into the parts the shuffle reads.
std::optional<LocalTime> ParseClock(std::string_view text);

// Plays through the real game flow, the human seat driven by taps at the layout's
// coordinates with a fixed policy (see --help).
class Driver {
public:
    explicit Driver(const Options& options);

    // Every trace line as it happens.
    void SetLineSink(HeadlessPlatform::LineSink sink);
    // Called after every step the view would show (for snapshots).
    void SetAfterRedraw(std::function<void(GameState&)> hook);

    // Returns the number of hands played (won or dead).
    int Run();

    MervaneGame& Game() { return game_; }
    const HeadlessPlatform& Platform() const { return platform_; }

private:
    bool Finished() const;
    void HumanMove();
    Point CardTapPoint(int index) const;
    void OnLine(std::string_view line);

    Options options_;
    HeadlessPlatform platform_;
    MervaneGame game_{platform_};
    HeadlessPlatform::LineSink sink_;
    std::function<void(GameState&)> afterRedraw_;
};

}  // namespace mervane::sim
