#include "cards/rules.h"

#include <algorithm>
#include <numeric>

namespace mervane {

bool IsLegalPlay(Card card, Card topCard, Suit currentSuit) {
    return IsEight(card) || SuitOf(card) == currentSuit || RankOf(card) == RankOf(topCard);
}

bool HasLegalPlay(const CardList& hand, int topRank, Suit currentSuit) {
    // Only the top card's rank is compared, so any card of that rank stands for it.
    const Card top = topRank >= Ace && topRank <= King ? MakeCard(topRank, Spades) : NoCard;
    return std::any_of(hand.begin(), hand.end(),
                       [&](Card card) { return IsLegalPlay(card, top, currentSuit); });
}

std::int32_t CardPoints(Card card) {
    const int rank = RankOf(card);
    if (rank == Eight) return 50;
    return rank >= 10 ? 10 : rank;
}

std::int32_t HandPoints(const CardList& hand) {
    return std::accumulate(hand.begin(), hand.end(), std::int32_t{0},
                           [](std::int32_t sum, Card card) { return sum + CardPoints(card); });
}

}  // namespace mervane
