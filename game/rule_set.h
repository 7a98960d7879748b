#pragma once

namespace mervane {

// The rule options that change play, as one value from the settings to the game, the
// seats' views and the statistics.
struct RuleSet {
    bool advanced = false;    // Aces reverse, Queens skip, Twos make the next seat draw two
    bool sevenCards = false;  // seven cards a seat instead of five
    bool operator==(const RuleSet&) const = default;
};

}  // namespace mervane
