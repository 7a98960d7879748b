#pragma once

#include <array>
#include <cstdint>

#include "cards/card.h"
#include "cards/platform_services.h"

namespace mervane {

// The 52-card pack. Dealt cards stay in the array; only drawPos moves.
class CardDeck {
  public:
    CardDeck() { Refill(); }

    // Value order, nothing dealt; the shuffle counter is kept.
    void Refill();
    // Refills, then mixes the pack with a seed made of shuffleCount and the time.
    void Shuffle(const Clock& clock, CrtRandom& random, Alerts& alerts);
    // The next card, or NoCard once all 52 are dealt.
    Card Draw();
    // Puts the pack in a given order with drawPos cards already dealt, for replaying a
    // known table. Refuses (changing nothing) anything but a permutation of 1..52.
    bool Arrange(const std::array<Card, CardsInPack>& order, std::int32_t dealt);
    // A game taken up again goes on counting its shuffles where it stopped.
    void SetShuffleCount(std::int32_t count) { shuffleCount = count; }

    // shuffleCount times the day, month (1..12), minute, second and hour that are not 0.
    static std::uint32_t ShuffleSeed(std::int32_t shuffleCount, const LocalTime& time);

    std::int32_t DrawPos() const { return drawPos; }
    std::int32_t Remaining() const { return size - drawPos; }
    bool Empty() const { return drawPos >= size; }
    std::int32_t ShuffleCount() const { return shuffleCount; }
    Card At(int i) const { return cards[static_cast<std::size_t>(i)]; }
    const std::array<Card, CardsInPack>& Cards() const { return cards; }

  private:
    std::array<Card, CardsInPack> cards{};
    std::int32_t drawPos = 0;
    std::int32_t size = CardsInPack;
    std::int32_t shuffleCount = 1;
};

}  // namespace mervane
