#include "cards/card_list.h"

#include <algorithm>
#include <utility>

namespace mervane {

bool CardList::Clear() {
    slots_.fill(NoCard);
    count_ = 0;
    return true;
}

bool CardList::Add(Card card) {
    if (card == NoCard || count_ >= capacity_ || count_ >= MaxListCards) return false;
    slots_[static_cast<std::size_t>(count_++)] = card;
    return true;
}

bool CardList::Remove(Card card) {
    const auto first = slots_.begin();
    const auto last = first + count_;
    const auto found = std::find(first, last, card);
    if (found == last) return false;
    std::move(found + 1, last, found);
    slots_[static_cast<std::size_t>(--count_)] = NoCard;
    return true;
}

void CardList::Sort(bool ascending, bool byValue) {
    const auto key = [byValue](Card card) { return byValue ? card : RankOf(card); };
    for (int pass = 0; pass + 1 < count_; ++pass) {
        for (int j = 0; j + 1 < count_; ++j) {
            auto& a = slots_[static_cast<std::size_t>(j)];
            auto& b = slots_[static_cast<std::size_t>(j + 1)];
            const bool outOfOrder = ascending ? key(a) > key(b) : key(a) < key(b);
            if (outOfOrder) std::swap(a, b);
        }
    }
}

bool CardList::Contains(Card card) const {
    return std::find(begin(), end(), card) != end();
}

}  // namespace mervane
