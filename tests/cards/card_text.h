#pragma once

#include <array>
#include <cctype>
#include <string>
#include <string_view>

#include "cards/card.h"

namespace mervane {

inline constexpr std::string_view kCardSuitLetters = "SHDC";
inline constexpr std::array<std::string_view, 14> kCardRankTexts = {
    "", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

// Short readable form for test positions and messages: "10H", "8S", "AC"; "--" for NoCard.
inline std::string CardText(Card card) {
    if (!IsCard(card)) return card == NoCard ? "--" : "?" + std::to_string(card);
    std::string text(kCardRankTexts[static_cast<std::size_t>(RankOf(card))]);
    text += kCardSuitLetters[static_cast<std::size_t>(SuitOf(card))];
    return text;
}

// Reads the short form back ("QD", "10c"); NoCard for anything else.
inline Card ParseCard(std::string_view text) {
    if (text.size() < 2 || text.size() > 3) return NoCard;
    const auto suitPos = kCardSuitLetters.find(static_cast<char>(std::toupper(text.back())));
    if (suitPos == std::string_view::npos) return NoCard;
    std::string rankText(text.substr(0, text.size() - 1));
    for (char& c : rankText) c = static_cast<char>(std::toupper(c));
    for (int rank = Ace; rank <= King; ++rank) {
        if (kCardRankTexts[static_cast<std::size_t>(rank)] == rankText)
            return MakeCard(rank, static_cast<Suit>(suitPos));
    }
    return NoCard;
}

}  // namespace mervane
