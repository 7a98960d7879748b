#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "layout/geometry.h"

namespace mervane {

// The Sharp look's score sheet laid out for the window: a plate on the felt with the
// title, a header row of the four seats, a row per hand, the totals and, while a hand's
// sheet waits, the line that says how to go on; on the winner screen the trophy and the
// winner's name stand above it. Plain data in device pixels.

struct SharpSheetAsk {
    int rows = 0;           // lines of hands (a line of earlier points counts as one)
    bool winner = false;    // the trophy and the winner's plate above the sheet
    bool goOnLine = false;  // "Click or press Enter to continue" under the totals
    int rowHeight = 0;      // the height wanted for a row; 0: from the window's size
};

// Columns of a row: the hand's number, then You, Left, Top, Right.
inline constexpr int SharpSheetColumns = 5;

struct SharpSheetLayout {
    Size window;
    int rowHeight = 0;
    Rect trophy;       // empty unless the winner screen
    Rect winnerPlate;  // "Winner" over the name; empty unless the winner screen
    Rect winnerTitle;
    Rect winnerName;
    Rect sheet;  // the plate under everything below
    Rect title;
    Rect header;
    // Where the rows are too many for the window, the first rows share one "…" row and
    // the latest ones follow: `rows` then starts with it, and `firstRow` is the first
    // asked row with one of its own.
    bool elided = false;
    int firstRow = 0;
    std::vector<Rect> rows;
    Rect totals;
    Rect goOn;  // empty unless asked for
    // Left edges of the columns and the right edge of the last, across the sheet.
    std::array<std::int32_t, SharpSheetColumns + 1> columns{};

    // A cell of a line (the header, a row or the totals).
    Rect Cell(Rect line, int column) const {
        return {columns[static_cast<std::size_t>(column)], line.top,
                columns[static_cast<std::size_t>(column) + 1], line.bottom};
    }
};

SharpSheetLayout LayOutSharpSheet(Size window, const SharpSheetAsk& ask);

// The least window that shows the sheet whole with rows of `ask.rowHeight`.
Size SharpSheetSize(const SharpSheetAsk& ask);

}  // namespace mervane
