#include "cards/card.h"

#include <array>

namespace mervane {

namespace {

constexpr std::array<std::string_view, 4> kSuitNames = {"Spades", "Hearts", "Diamonds", "Clubs"};

}  // namespace

std::string_view SuitName(std::int32_t suit) {
    if (suit < Spades || suit > Clubs) return {};
    return kSuitNames[static_cast<std::size_t>(suit)];
}

}  // namespace mervane
