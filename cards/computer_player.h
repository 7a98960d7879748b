#pragma once

#include "cards/card.h"
#include "cards/card_list.h"

namespace mervane {

// The computer seats' one deterministic rule. Returns the card to play, already removed
// from the hand, or NoCard with the hand unchanged when nothing is legal. suitToName is
// what an eight names; for other cards the engine takes the suit from the card itself.
Card ChooseComputerPlay(CardList& hand, int topRank, Suit currentSuit, Suit& suitToName);

// The suit with most cards, eights counted; ties go to Hearts, Diamonds, Clubs, Spades.
Suit LongestSuit(const CardList& hand);

// Removes and returns the highest non-eight of the suit; NoCard when there is none.
Card TakeHighestOfSuit(CardList& hand, Suit suit);

// Removes the first non-eight of the rank in the hand's longest suit; never for rank 8.
bool TakeRankInSuit(CardList& hand, int rank, Card& taken);

// Removes and returns the non-eight of the rank whose suit the hand holds most of.
Card TakeBestOfRank(CardList& hand, int rank);

// The first eight in hand order, left in the hand.
bool FindEight(const CardList& hand, Card& eight);

}  // namespace mervane
