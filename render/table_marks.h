#pragma once

#include <optional>
#include <vector>

#include "cards/card.h"
#include "layout/card_table.h"
#include "layout/geometry.h"

namespace mervane {

struct GameState;
class Surface;

// A card on its way across the table: played from a hand to the discard pile, or
// drawn from the pack to a hand. The game has already moved it; the paint shows the
// table as it was until the card lands.
struct Slide {
    Card card = NoCard;
    bool faceUp = true;
    Point from{};
    Point to{};
    double t = 0;  // 0 at `from`, 1 at `to`, in proportion to the time gone by
    // A played card: the card the discard pile shows until it lands.
    bool played = false;
    Card beneath = NoCard;
    // A drawn card: the hand it joins and its place there, left empty until it lands.
    TablePosition hand = NoPosition;
    int handIndex = -1;
    // The card's size at each end, for a table whose piles and fans differ in size;
    // empty where every card is the same size.
    Size fromSize{};
    Size toSize{};
    bool operator==(const Slide&) const = default;
};

// What the view adds to the table: the focus ring, the playable cards, the direction
// of play and the shake of a refused card. It belongs to the view, never to the game,
// and the default marks nothing.
struct TableMarks {
    int focusedCard = -1;     // index in the human's hand, -1: no ring on the hand
    int focusedSuitBox = -1;  // an index into SuitBoxOrder, -1: none
    bool showPlayable = false;
    // The arrow round the discard pile, drawn while play is reversed.
    bool showDirection = false;
    int shakeCard = -1;   // index in the human's hand, -1: none shakes
    int shakeOffset = 0;  // table pixels, + to the right
    std::optional<Slide> slide = std::nullopt;
    // A deal under way: from 0, every card in the pack, to 1, every card in its place.
    std::optional<double> deal = std::nullopt;
    bool operator==(const TableMarks&) const = default;
};

// How far a playable card is raised, in table pixels.
inline constexpr int PlayableLift = 4;
inline constexpr int RingWidth = 2;

// The box of the arrow round the discard pile (bitmap::DirectionArrow), centred on the
// discard pile with its back card.
inline constexpr Size DirectionArrowSize{56, 68};

// The shake of a refused card: its offsets, one per step; it ends at rest.
inline constexpr int ShakeOffsets[] = {-3, 3, -2, 2, -1, 1, 0};
inline constexpr int ShakeStepMs = 40;

// The longest slide, and the factor of the shortest pause (300 ms) that it may take:
// a card lands well before the game moves on.
inline constexpr int SlideMs = 180;
inline constexpr double SlideShareOfShortestPause = 0.6;

// The ring's colour: light on a dark table, dark on a light one.
Color RingColor(Color tableColor);

// The human's move is under way, so his playable cards may be shown.
bool HumanChooses(const GameState& state);
// The hint's odds for a card of the human's hand, or for the pack (NoCard); none when no
// hint shows or the move is not among its odds.
std::optional<double> HintOdds(const GameState& state, Card card);
// The card a hint marks best, or NoCard; none while no hint shows.
std::optional<Card> HintedBest(const GameState& state);
// For each card of the human's hand, whether it is shown raised; empty when none is.
// A hint raises its best card alone, whether playable cards are shown or not.
std::vector<bool> RaisedCards(const GameState& state, const TableMarks& marks);
// True when the pack is marked: playable cards are shown and none of the hand is, or
// a hint marks drawing best.
bool MarksDrawPile(const GameState& state, const TableMarks& marks);

// A `RingWidth` outline just outside `around`.
void DrawRing(Surface& surface, Rect around, Color color);

// Whether the direction arrow is drawn: asked for and play reversed during a hand.
bool ShowsDirection(const GameState& state, const TableMarks& marks);
// Where the arrow goes: round the discard pile, with or without the pack beside it.
Rect DirectionArrowRect(const CCardTable& layout, bool packShown);

// How long a slide lasts when every pause is scaled by `pauseScale`; 0: none is shown.
int SlideDuration(double pauseScale);
// A deal fanning out from the pack, at the normal pace; the first move ends it sooner.
inline constexpr int DealMs = 600;
int DealDuration(double pauseScale);
// How far the moving card has come, 0 to 1: eased out, so that it slows down as it lands.
double SlideEased(double t);
// Where the moving card stands.
Point SlidePosition(const Slide& slide);
// Whether the game still shows the slide's move: the card on the pile, or in the
// hand at its place. Otherwise the table has moved on and the slide is not drawn.
bool SlideShown(const GameState& state, const TableMarks& marks);
// Card `index` of a hand of `count` at `position`, laid out as `layout` would.
Point HandSlot(CCardTable layout, TablePosition position, int index, int count);
// The top card of the pack, and of the discard pile with or without the pack beside it.
Point PackSlot(const CCardTable& layout);
Point DiscardSlot(const CCardTable& layout, bool packShown);

}  // namespace mervane
