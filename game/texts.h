#pragma once

#include <string>
#include <string_view>

#include "cards/card.h"
#include "game/translate.h"

namespace mervane::text {

// The game and its trace keep these English source texts; they are translated only
// where they are shown.
inline constexpr std::string_view Thinking = MERVANE_TR_NOOP("Status", "Thinking...");
inline constexpr std::string_view DrawOne = MERVANE_TR_NOOP("Status", "Draw One");
inline constexpr std::string_view Pass = MERVANE_TR_NOOP("Status", "Pass");
inline constexpr std::string_view YourMove = MERVANE_TR_NOOP("Status", "Your Move?");
inline constexpr std::string_view ChooseSuit = MERVANE_TR_NOOP("Status", "Choose Suit?");
inline constexpr std::string_view Dealing = MERVANE_TR_NOOP("Status", "Dealing...");
inline constexpr std::string_view Reverse = MERVANE_TR_NOOP("Status", "Reverse");
inline constexpr std::string_view Skip = MERVANE_TR_NOOP("Status", "Skip");
inline constexpr std::string_view DrawTwo = MERVANE_TR_NOOP("Status", "Draw Two");
inline constexpr std::string_view DeadRound =
    MERVANE_TR_NOOP("Messages", "Dead Round, press Ok to start new hand.");
inline constexpr std::string_view QuitGame =
    MERVANE_TR_NOOP("Messages", "Are you sure you want to quit current game?");
inline constexpr std::string_view You = MERVANE_TR_NOOP("Status", "You");

// A seat's status line as shown: status words and suit names in the user's language,
// a score as it is.
std::string ShownStatus(std::string_view status);
// The seat's name as shown: "You" translated; the other names are the user's own.
std::string ShownSeatName(std::string_view name, bool you);

// "Ace", "2" .. "10", "Jack", "Queen", "King" in the user's language.
std::string RankName(int rank);
// "Hearts", "Spades", ... in the user's language; empty for no suit.
std::string SuitName(Suit suit);
// "9 of Hearts", "Ace of Spades" in the user's language; empty for anything but a card.
// Every card name the log and a screen reader show is made here.
std::string CardName(Card card);

}  // namespace mervane::text
