#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mervane {

// A card value 1..52: 13 x block + rank, blocks Clubs, Diamonds, Hearts, Spades.
using Card = std::int32_t;
inline constexpr Card NoCard = -1;
inline constexpr int CardsInPack = 52;
inline constexpr int CardsPerSuit = 13;

// Suit numbers run opposite to the value blocks; 4 means "not a card".
enum Suit : std::int32_t { Spades = 0, Hearts = 1, Diamonds = 2, Clubs = 3, NoSuit = 4 };

inline constexpr int Ace = 1;
inline constexpr int Two = 2;
inline constexpr int Eight = 8;
inline constexpr int Queen = 12;
inline constexpr int King = 13;

inline constexpr bool IsCard(std::int32_t value) {
    return value >= 1 && value <= CardsInPack;
}

// 1 (Ace) .. 13 (King); meaningful only for card values.
inline constexpr int RankOf(Card card) {
    const int rank = card % CardsPerSuit;
    return rank == 0 ? CardsPerSuit : rank;
}

inline constexpr Suit SuitOf(std::int32_t value) {
    if (value >= 1 && value <= 13) return Clubs;
    if (value >= 14 && value <= 26) return Diamonds;
    if (value >= 27 && value <= 39) return Hearts;
    if (value >= 40 && value <= 52) return Spades;
    return NoSuit;
}

inline constexpr bool IsEight(Card card) {
    return RankOf(card) == Eight;
}

// The card of a rank in a suit: the inverse of RankOf and SuitOf.
inline constexpr Card MakeCard(int rank, Suit suit) {
    return CardsPerSuit * (Clubs - suit) + rank;
}

// "Spades", "Hearts", "Diamonds", "Clubs"; empty for anything else.
std::string_view SuitName(std::int32_t suit);

}  // namespace mervane
