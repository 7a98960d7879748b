#include "game/seat_player.h"

#include "cards/computer_player.h"

namespace mervane {

Decision<SeatMove> NormalPolicy::ChooseMove(const SeatView& view) {
    CardList hand = view.hand;
    Suit named = view.currentSuit;
    const Card card = ChooseComputerPlay(hand, RankOf(view.topCard), view.currentSuit, named);
    if (card == NoCard) return SeatMove::Draw();
    return SeatMove::Play(card, named);
}

Decision<Suit> NormalPolicy::ChooseSuit(const SeatView& view) {
    return LongestSuit(view.hand);
}

}  // namespace mervane
