#include "cards/computer_player.h"

#include <algorithm>
#include <array>

namespace mervane {

namespace {

bool HoldsNonEight(const CardList& hand, auto predicate) {
    return std::any_of(hand.begin(), hand.end(),
                       [&](Card card) { return !IsEight(card) && predicate(card); });
}

// How many cards of each suit the hand holds, in one pass.
std::array<int, 5> SuitCounts(const CardList& hand) {
    std::array<int, 5> counts{};
    for (Card card : hand) ++counts[static_cast<std::size_t>(SuitOf(card))];
    return counts;
}

}  // namespace

Suit LongestSuit(const CardList& hand) {
    const auto counts = SuitCounts(hand);
    Suit best = Hearts;
    for (Suit suit : {Diamonds, Clubs, Spades}) {
        if (counts[static_cast<std::size_t>(suit)] > counts[static_cast<std::size_t>(best)])
            best = suit;
    }
    return best;
}

Card TakeHighestOfSuit(CardList& hand, Suit suit) {
    // A suit holds each rank once, so the strictly highest rank is the same card whether
    // the walk goes through a rank-sorted copy or the hand itself.
    Card best = NoCard;
    for (Card card : hand) {
        if (SuitOf(card) != suit || IsEight(card)) continue;
        if (best == NoCard || RankOf(card) > RankOf(best)) best = card;
    }
    hand.Remove(best);
    return best;
}

bool TakeRankInSuit(CardList& hand, int rank, Card& taken) {
    if (rank == Eight) return false;
    const Suit longest = LongestSuit(hand);
    for (Card card : hand) {
        if (RankOf(card) == rank && SuitOf(card) == longest) {
            taken = card;
            hand.Remove(card);
            return true;
        }
    }
    return false;
}

Card TakeBestOfRank(CardList& hand, int rank) {
    const auto counts = SuitCounts(hand);
    CardList candidates;
    candidates.SetCapacity(4);
    for (Card card : hand) {
        if (RankOf(card) == rank && !IsEight(card)) candidates.Add(card);
    }
    Card best = NoCard;
    int bestCount = 0;
    for (Card card : candidates) {
        const int count = counts[static_cast<std::size_t>(SuitOf(card))];
        if (best == NoCard || count > bestCount) {
            best = card;
            bestCount = count;
        }
    }
    hand.Remove(best);
    return best;
}

bool FindEight(const CardList& hand, Card& eight) {
    const auto found = std::find_if(hand.begin(), hand.end(), IsEight);
    if (found == hand.end()) return false;
    eight = *found;
    return true;
}

Card ChooseComputerPlay(CardList& hand, int topRank, Suit currentSuit, Suit& suitToName) {
    const Suit longest = LongestSuit(hand);
    if (HoldsNonEight(hand, [&](Card c) { return SuitOf(c) == currentSuit; })) {
        Card card = NoCard;
        if (longest != currentSuit && TakeRankInSuit(hand, topRank, card)) {
            suitToName = longest;
            return card;
        }
        return TakeHighestOfSuit(hand, currentSuit);
    }
    if (topRank != Eight && HoldsNonEight(hand, [&](Card c) { return RankOf(c) == topRank; })) {
        const Card card = TakeBestOfRank(hand, topRank);
        suitToName = SuitOf(card);
        return card;
    }
    Card eight = NoCard;
    if (FindEight(hand, eight)) {
        hand.Remove(eight);
        suitToName = longest;
        return eight;
    }
    return NoCard;
}

}  // namespace mervane
