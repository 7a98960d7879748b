#pragma once

#include <cstdint>

#include "layout/card_table.h"

namespace mervane {

// 0 the human at the bottom, 1 Left, 2 Top, 3 Right.
using Seat = std::int32_t;
inline constexpr Seat HumanSeat = 0;
inline constexpr Seat LeftSeat = 1;
inline constexpr Seat TopSeat = 2;
inline constexpr Seat RightSeat = 3;
inline constexpr int SeatCount = 4;
inline constexpr Seat NoSeat = -1;

inline constexpr TablePosition PositionOfSeat(Seat seat) {
    constexpr TablePosition positions[] = {Bottom, Left, Top, Right};
    return seat >= 0 && seat < SeatCount ? positions[seat] : NoPosition;
}

inline constexpr Seat SeatAtPosition(TablePosition position) {
    constexpr Seat seats[] = {NoSeat, HumanSeat, TopSeat, LeftSeat, RightSeat};
    return position >= Bottom && position <= Right ? seats[position] : NoSeat;
}

// The seat a Skip reaches: opposite, the same in both directions.
inline constexpr Seat OppositeSeat(Seat seat) {
    return (seat + 2) % SeatCount;
}

}  // namespace mervane
