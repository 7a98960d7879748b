#include "cards/card.h"

#include <array>
#include <cctype>

namespace mervane {

namespace {

constexpr std::array<std::string_view, 4> kSuitNames = {"Spades", "Hearts", "Diamonds", "Clubs"};
constexpr std::string_view kSuitLetters = "SHDC";
constexpr std::array<std::string_view, 14> kRankTexts = {"",  "A", "2", "3",  "4", "5", "6",
                                                         "7", "8", "9", "10", "J", "Q", "K"};

}  // namespace

std::string_view SuitName(std::int32_t suit) {
    if (suit < Spades || suit > Clubs) return {};
    return kSuitNames[static_cast<std::size_t>(suit)];
}

std::string CardText(Card card) {
    if (!IsCard(card)) return card == NoCard ? "--" : "?" + std::to_string(card);
    std::string text(kRankTexts[static_cast<std::size_t>(RankOf(card))]);
    text += kSuitLetters[static_cast<std::size_t>(SuitOf(card))];
    return text;
}

Card ParseCard(std::string_view text) {
    if (text.size() < 2 || text.size() > 3) return NoCard;
    const auto suitPos = kSuitLetters.find(static_cast<char>(std::toupper(text.back())));
    if (suitPos == std::string_view::npos) return NoCard;
    std::string rankText(text.substr(0, text.size() - 1));
    for (char& c : rankText) c = static_cast<char>(std::toupper(c));
    for (int rank = Ace; rank <= King; ++rank) {
        if (kRankTexts[static_cast<std::size_t>(rank)] == rankText)
            return MakeCard(rank, static_cast<Suit>(suitPos));
    }
    return NoCard;
}

}  // namespace mervane
