#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "cards/card.h"

namespace mervane {

inline constexpr int MaxListCards = 45;

// A hand or scratch list: up to 45 cards in a meaningful order, with a capacity
// set by its owner. Slots from count on always hold NoCard.
class CardList {
  public:
    CardList() { slots_.fill(NoCard); }

    // Always true; the capacity is kept.
    bool Clear();
    // Refuses NoCard and a full list (count at capacity, or all 45 slots used).
    bool Add(Card card);
    // Removes the first slot holding the card; later cards move up in order.
    bool Remove(Card card);
    // Stable exchange sort by rank or by value.
    void Sort(bool ascending, bool byValue);

    std::int32_t Count() const { return count_; }
    std::int32_t Capacity() const { return capacity_; }
    void SetCapacity(std::int32_t capacity) { capacity_ = capacity < count_ ? count_ : capacity; }
    bool Empty() const { return count_ == 0; }
    bool Contains(Card card) const;

    // Slot i, NoCard outside 0..44.
    Card At(int i) const {
        return i >= 0 && i < MaxListCards ? slots_[static_cast<std::size_t>(i)] : NoCard;
    }
    Card operator[](int i) const { return At(i); }
    std::span<const Card> Cards() const {
        return {slots_.data(), static_cast<std::size_t>(count_)};
    }
    auto begin() const { return Cards().begin(); }
    auto end() const { return Cards().end(); }

    bool operator==(const CardList&) const = default;

  private:
    std::array<Card, MaxListCards> slots_;
    std::int32_t count_ = 0;
    std::int32_t capacity_ = 0;
};

}  // namespace mervane
