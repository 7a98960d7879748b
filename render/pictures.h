#pragma once

#include <cstdint>

#include "cards/card.h"
#include "layout/card_table.h"

namespace mervane {

// The numbers the surfaces know the program's pictures by: the classic bitmaps in
// resources/bitmaps (<number>.png) and their vector versions. Only drawing turns a
// card or a setting into one of them.
inline constexpr int NoPicture = -1;

// A card's face is the picture numbered by the card's value, 1..52.
inline constexpr int FacePicture(Card card) {
    return IsCard(card) ? card : NoPicture;
}
// The card whose face a picture is, or NoCard.
inline constexpr Card CardOfFace(int picture) {
    return IsCard(picture) ? picture : NoCard;
}

// The back that face-down cards show, numbered as the stored design, 54..65. A stored
// number is not checked when the settings are read; one that names no design shows
// the first, so that face-down cards and the pack never vanish.
inline constexpr int BackPicture(std::int32_t cardBackId) {
    return cardBackId >= FirstCardBackId && cardBackId <= LastCardBackId ? cardBackId
                                                                         : FirstCardBackId;
}

// The table's other pictures.
namespace bitmap {
inline constexpr int TitlePicture = 140;
inline constexpr int SuitButtonSpades = 145;
inline constexpr int SuitButtonHearts = 146;
inline constexpr int SuitButtonDiamonds = 147;
inline constexpr int SuitButtonClubs = 148;
inline constexpr int SuitIndicatorClubs = 153;
inline constexpr int SuitIndicatorDiamonds = 154;
inline constexpr int SuitIndicatorHearts = 155;
inline constexpr int SuitIndicatorSpades = 156;
inline constexpr int Trophy = 164;
inline constexpr int DealerMarker = 166;
// The arrow round the discard pile: only the Sharp look has it, so a surface without
// it draws nothing.
inline constexpr int DirectionArrow = 170;
}  // namespace bitmap

}  // namespace mervane
