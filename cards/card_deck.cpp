#include "cards/card_deck.h"

#include <string>
#include <utility>

namespace mervane {

void CardDeck::Refill() {
    for (int i = 0; i < CardsInPack; ++i) cards[static_cast<std::size_t>(i)] = i + 1;
    drawPos = 0;
}

std::uint32_t CardDeck::ShuffleSeed(std::int32_t shuffleCount, const LocalTime& time) {
    // Skip the clock fields that read 0: multiplying by them would make every seed 0.
    std::uint32_t seed = static_cast<std::uint32_t>(shuffleCount);
    const int factors[] = {time.day, time.month + 1, time.minute, time.second, time.hour};
    for (int factor : factors) {
        if (factor != 0) seed *= static_cast<std::uint32_t>(factor);
    }
    return seed;
}

void CardDeck::Shuffle(const Clock& clock, CrtRandom& random, Alerts& alerts) {
    Refill();
    const std::uint32_t seed = ShuffleSeed(shuffleCount, clock.LocalNow());
    ++shuffleCount;
    for (int i = 0; i < CardsInPack; ++i) {
        if (!IsCard(cards[static_cast<std::size_t>(i)]))
            alerts.ShowMessage("Trouble in shuffle town(" + std::to_string(i) + ")");
    }
    random.Seed(seed);
    // Each slot swaps with a partner from the whole pack, visited slots included;
    // changing this would change every deal for a given seed.
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const auto j = static_cast<std::size_t>(random.Next() % CardsInPack);
        std::swap(cards[i], cards[j]);
    }
}

bool CardDeck::Arrange(const std::array<Card, CardsInPack>& order, std::int32_t dealt) {
    std::array<bool, CardsInPack + 1> seen{};
    for (Card card : order) {
        if (!IsCard(card) || seen[static_cast<std::size_t>(card)]) return false;
        seen[static_cast<std::size_t>(card)] = true;
    }
    if (dealt < 0 || dealt > CardsInPack) return false;
    cards = order;
    drawPos = dealt;
    return true;
}

Card CardDeck::Draw() {
    if (drawPos > CardsInPack - 1) return NoCard;
    return cards[static_cast<std::size_t>(drawPos++)];
}

}  // namespace mervane
