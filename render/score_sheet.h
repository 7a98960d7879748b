#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "layout/geometry.h"

namespace mervane {

class Surface;

// Where the score sheet is drawn: over the table (white text cells, "Tap To
// Continue", 20 pixels lower once the game is won, and names cut short where they
// would make the sheet wider than the table) or in the Score dialog.
struct ScoreSheetPlace {
    Rect client;
    bool onTable = true;
    bool gameInProgress = true;
};

// The boxed table of the running game's scores: "Score", a header row with "You" and
// the three computer seats' names (Left, Top, Right), and the scores under them
// (scores[0] the human, then Left, Top, Right).
void DrawScoreSheet(Surface& surface, const ScoreSheetPlace& place,
                    const std::array<std::string, 3>& names,
                    const std::array<std::int32_t, 4>& scores);

// The box DrawScoreSheet draws with the same arguments, outline included, measured
// with the surface's fonts; the surface's selected font is left as it was.
Rect ScoreSheetBox(Surface& surface, const ScoreSheetPlace& place,
                   const std::array<std::string, 3>& names,
                   const std::array<std::int32_t, 4>& scores);

}  // namespace mervane
