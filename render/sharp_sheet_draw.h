#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/score_history.h"
#include "game/seats.h"
#include "layout/sharp_sheet_layout.h"
#include "render/surface.h"

namespace mervane {

// What the Sharp score sheet shows, as plain data: taken from the game for the table,
// or handed to the Score dialog.
struct SharpSheetData {
    std::array<std::string, SeatCount> names;  // as shown: "You", Left, Top, Right
    std::vector<HandScore> hands;              // the game's hands, oldest first
    std::array<std::int32_t, SeatCount> totals{};
    Color tableColor = DefaultTableColor;
    Seat gameWinner = NoSeat;  // on the winner screen: the trophy and the name above
    bool goOnLine = false;     // "Click or press Enter to continue" under the totals
};

// The sheet of the game in `state`, with `hands` its hands so far; the winner screen
// once the game is won, and the line to go on while the game waits for it.
SharpSheetData SharpSheetFor(const GameState& state, const std::vector<HandScore>& hands);

// The layout's ask for the sheet: one row per hand, and one before them for points
// the totals hold beyond the hands (a game joined under way).
SharpSheetAsk SharpSheetAskFor(const SharpSheetData& data, int rowHeight = 0);

// The felt and, on it, the sheet laid out for the surface's bounds: a title, the seats'
// names, a row per hand with its winner's points marked, the totals. Text stands on
// plates of at least SharpTextContrast on any table colour.
void DrawSharpSheet(const SharpSheetData& data, Surface& surface);
void DrawSharpSheet(const SharpSheetData& data, const SharpSheetLayout& layout, Surface& surface);

}  // namespace mervane
