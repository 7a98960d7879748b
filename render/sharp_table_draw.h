#pragma once

#include <string_view>

#include "game/game_state.h"
#include "game/seats.h"
#include "game/table_story.h"
#include "layout/sharp_layout.h"
#include "render/surface.h"
#include "render/table_marks.h"

namespace mervane {

// The least contrast of any text the Sharp table draws against what lies under it.
inline constexpr double SharpTextContrast = 4.5;

// Relative luminance (0 black .. 1 white) and the contrast ratio of two colours
// (1 .. 21), as the web's accessibility guidelines define them.
double RelativeLuminance(Color color);
double ContrastRatio(Color a, Color b);
// From `from` (t = 0) to `to` (t = 1), channel by channel.
Color MixColors(Color from, Color to, double t);
// White or black, whichever stands out more on `background`.
Color InkOn(Color background);

// The colours of a Sharp table on one table colour.
struct SharpPalette {
    Color felt;        // the table colour, at the edges of the light
    Color feltLight;   // the middle of the table under the light
    Color plate;       // behind a seat's name, counts and scores
    Color plateInk;    // text on the plates
    Color ring;        // round the plate of the seat whose move it is
    Color callout;     // behind a seat's callout
    Color calloutInk;  // text on it
    Color refusal;     // behind the reason a card was refused
    Color refusalInk;
};
SharpPalette PaletteFor(Color tableColor);
// `text` in one line inside `box`, vertically centred, its font shrunk until it fits
// the box's width (to no less than 6 pixels).
enum class Align { Left, Centre };
void DrawFittedText(Surface& surface, Rect box, std::string_view text, FontSpec font, Color ink,
                    Color back, Align align);

// The felt under everything the Sharp look shows: the whole window.
void DrawSharpFelt(Surface& surface, const SharpPalette& palette, Size window);

// The seat whose move it is as the table shows it: the human on their turn, else the
// seat whose status says it is thinking; NoSeat between moves.
Seat HighlightedSeat(const GameState& state);

// The whole Sharp table for the window: the felt, the four seats, the piles, the
// callouts of the last moves, the refusal and, while the human names a suit, the suit
// boxes; with the view's marks (the keyboard's ring, the playable cards raised, a card
// on its way, a deal under way). Only reads; the layout must have been made for the
// state's hand sizes. At the human's move with nothing to play, the pack is ringed.
void DrawSharpTable(const GameState& state, const SharpTable& layout, const TableCallouts& callouts,
                    const TableMarks& marks, Surface& surface);

}  // namespace mervane
