#pragma once

#include <string_view>

namespace mervane::text {

inline constexpr std::string_view Thinking = "Thinking...";
inline constexpr std::string_view DrawOne = "Draw One";
inline constexpr std::string_view Pass = "Pass";
inline constexpr std::string_view YourMove = "Your Move?";
inline constexpr std::string_view ChooseSuit = "Choose Suit?";
inline constexpr std::string_view Dealing = "Dealing...";
inline constexpr std::string_view Reverse = "Reverse";
inline constexpr std::string_view Skip = "Skip";
inline constexpr std::string_view DrawTwo = "Draw Two";
inline constexpr std::string_view DeadRound = "Dead Round, press Ok to start new hand.";
inline constexpr std::string_view QuitGame = "Are you sure you want to quit current game?";
inline constexpr std::string_view You = "You";

}  // namespace mervane::text
