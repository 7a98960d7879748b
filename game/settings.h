#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/levels.h"
#include "game/rule_set.h"
#include "layout/card_table.h"

namespace mervane {

// The computer seats' names where the settings hold none: "Player1" .. "Player3" in
// the user's language (Left, Top, Right).
std::array<std::string, 3> DefaultPlayerNames();

// The ten stored settings with their defaults, as the store holds them.
struct GameSettings {
    std::array<std::string, 3> playerNames = DefaultPlayerNames();  // Left, Top, Right
    std::int32_t playTo = 200;
    std::int32_t playSpeed = 1;  // index: 0 Slow, 1 Normal, 2 Fast
    std::int32_t tableColor = static_cast<std::int32_t>(DefaultTableColor);
    std::int32_t cardBackId = FirstCardBackId;
    std::int32_t trainingMode = 0;
    RuleSet rules;  // stored as SEVENCARDS and ADVANCED
    // How the three computer seats play, from the next hand on; stored as LEVEL.
    Level level = Level::Normal;
};

namespace setting {
inline constexpr std::string_view Section = "Settings";
inline constexpr std::string_view Company = "Ostrale";
inline constexpr std::array<std::string_view, 3> Players = {"PLAYER1", "PLAYER2", "PLAYER3"};
inline constexpr std::string_view PlayTo = "PLAYTO";
inline constexpr std::string_view PlaySpeed = "PLAYSPEED";
inline constexpr std::string_view TableColor = "TABLECOLOR";
inline constexpr std::string_view CardBack = "CARDBACK";
inline constexpr std::string_view Training = "TRAINING";
inline constexpr std::string_view SevenCards = "SEVENCARDS";
inline constexpr std::string_view Advanced = "ADVANCED";
inline constexpr std::string_view ComputerLevel = "LEVEL";
}  // namespace setting

inline constexpr int MaxNameLength = 10;
inline constexpr int MinPlayTo = 1;
inline constexpr int MaxPlayTo = 500;

}  // namespace mervane
