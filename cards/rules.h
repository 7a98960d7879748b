#pragma once

#include <cstdint>

#include "cards/card.h"
#include "cards/card_list.h"

namespace mervane {

// Eights are wild; otherwise follow the current suit or match the top card's rank.
bool IsLegalPlay(Card card, Card topCard, Suit currentSuit);

// True exactly when some card of the hand passes IsLegalPlay on a top card of topRank.
bool HasLegalPlay(const CardList& hand, int topRank, Suit currentSuit);

// Eights 50, tens and court cards 10, the rest their rank.
std::int32_t CardPoints(Card card);
std::int32_t HandPoints(const CardList& hand);

}  // namespace mervane
