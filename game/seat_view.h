#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "cards/card.h"
#include "cards/card_list.h"
#include "game/rule_set.h"
#include "game/seats.h"

namespace mervane {

// One thing every seat saw happen in the hand under way. A draw names no card: only
// the seat that drew knows it, and finds it in its own hand.
struct TableEvent {
    enum class Kind : std::uint8_t { Play, Draw, Pass };
    Kind kind = Kind::Play;
    Seat seat = NoSeat;
    Card card = NoCard;   // Play only
    Suit named = NoSuit;  // the suit an eight named, else NoSuit
    bool operator==(const TableEvent&) const = default;
};

// What one seat may know when it must decide, copied out of the game. The other hands
// and the pack's order are not here, so a policy handed this cannot read them.
struct SeatView {
    Seat seat = NoSeat;
    CardList hand;
    Card starter = NoCard;  // the card turned at the deal
    Card topCard = NoCard;
    Suit currentSuit = NoSuit;
    std::array<std::int32_t, SeatCount> handCounts{};
    std::int32_t packCount = 0;
    std::array<std::int32_t, SeatCount> scores{};
    std::int32_t playTo = 0;
    RuleSet rules;
    bool reversed = false;
    Seat dealer = NoSeat;
    std::int32_t passCount = 0;
    // The hand so far, in order: every card played, every draw and every pass.
    std::vector<TableEvent> history;
};

}  // namespace mervane
