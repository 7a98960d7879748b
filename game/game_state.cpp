#include "game/game_state.h"

#include "game/texts.h"

namespace mervane {

std::string GameState::SeatName(Seat seat) const {
    if (seat == HumanSeat) return std::string(text::You);
    if (seat < LeftSeat || seat > RightSeat) return {};
    return playerNames[static_cast<std::size_t>(seat - 1)];
}

}  // namespace mervane
