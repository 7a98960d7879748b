#pragma once

#include <algorithm>

#include "game/game_state.h"

namespace mervane::testing {

// Puts an eight in the human's hand, swapped for one of the hand's cards with a
// computer hand or the undealt pack, so that the pack stays whole. Returns the
// eight's place in the hand, or -1 when every eight is already on the discard pile.
inline int GiveHumanAnEight(GameState& state) {
    CardList& mine = state.hands[HumanSeat];
    for (int i = 0; i < mine.Count(); ++i)
        if (IsEight(mine.At(i))) return i;
    const Card given = mine.At(0);
    const auto take = [&](Card eight) {
        mine.Remove(given);
        mine.Add(eight);
        for (int i = 0; i < mine.Count(); ++i)
            if (mine.At(i) == eight) return i;
        return -1;
    };
    for (Suit suit : {Hearts, Diamonds, Clubs, Spades}) {
        const Card eight = MakeCard(Eight, suit);
        for (Seat seat = LeftSeat; seat < SeatCount; ++seat) {
            CardList& theirs = state.hands[static_cast<std::size_t>(seat)];
            if (!theirs.Remove(eight)) continue;
            theirs.Add(given);
            return take(eight);
        }
        auto order = state.deck.Cards();
        for (int i = state.deck.DrawPos(); i < CardsInPack; ++i) {
            if (order[static_cast<std::size_t>(i)] != eight) continue;
            // The pack keeps every card once: the given card takes the eight's place.
            const auto at = std::find(order.begin(), order.end(), given);
            std::iter_swap(order.begin() + i, at);
            state.deck.Arrange(order, state.deck.DrawPos());
            return take(eight);
        }
    }
    return -1;
}

}  // namespace mervane::testing
