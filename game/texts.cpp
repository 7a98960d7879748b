#include "game/texts.h"

#include <algorithm>

namespace mervane::text {

std::string ShownStatus(std::string_view status) {
    // A suit named by an eight is a card word, translated once with the others.
    for (Suit suit : {Spades, Hearts, Diamonds, Clubs})
        if (status == mervane::SuitName(suit)) return SuitName(suit);
    const bool number = std::all_of(status.begin(), status.end(),
                                    [](char c) { return (c >= '0' && c <= '9') || c == '-'; });
    if (number) return std::string(status);
    return Tr("Status", status);
}

std::string ShownSeatName(std::string_view name, bool you) {
    return you ? Tr("Status", "You") : std::string(name);
}

std::string RankName(int rank) {
    switch (rank) {
        case Ace: return Tr("Cards", "Ace");
        case 11: return Tr("Cards", "Jack");
        case Queen: return Tr("Cards", "Queen");
        case King: return Tr("Cards", "King");
        default: return std::to_string(rank);
    }
}

std::string SuitName(Suit suit) {
    switch (suit) {
        case Spades: return Tr("Cards", "Spades");
        case Hearts: return Tr("Cards", "Hearts");
        case Diamonds: return Tr("Cards", "Diamonds");
        case Clubs: return Tr("Cards", "Clubs");
        default: return {};
    }
}

std::string CardName(Card card) {
    if (!IsCard(card)) return {};
    //: A card: its rank and its suit, "9 of Hearts".
    return Arg(Tr("Cards", "%1 of %2"), {RankName(RankOf(card)), SuitName(SuitOf(card))});
}

}  // namespace mervane::text
