#include "layout/sharp_sheet_layout.h"

#include <algorithm>
#include <cmath>

namespace mervane {

namespace {

// Shares of a row's height.
constexpr double kMargin = 0.5;   // round everything, from the window's edges
constexpr double kPadding = 0.3;  // inside the plates
constexpr double kTitle = 1.3;
constexpr double kHeader = 1.0;
constexpr double kTotals = 1.1;
constexpr double kGoOn = 1.0;
constexpr double kTrophy = 2.6;
constexpr double kWinnerTitle = 1.3;
constexpr double kWinnerName = 1.1;
constexpr double kGap = 0.3;  // between the trophy, the winner's plate and the sheet
constexpr double kNumberColumn = 3.0;
constexpr double kSeatColumn = 4.4;
constexpr double kWinnerPlateWidth = 12.0;
constexpr Size kTrophyShape{27, 32};
// A row is at least this high, so that its text stays readable; below it the earlier
// rows share one.
constexpr int kLeastRow = 12;
// Unless the window is tiny, rows shrink to this share of their height before any is
// left out.
constexpr double kLeastShare = 0.45;
// A row's height from the window: the sheet's width or about a twentieth of the height.
constexpr double kRowsDown = 20.0;

int Part(int row, double share) {
    return std::max(1, ShareOf(row, share));
}

int SheetWidth(int row) {
    return Part(row, kNumberColumn) + 4 * Part(row, kSeatColumn) + 2 * Part(row, kPadding);
}

int WindowWidth(int row) {
    return SheetWidth(row) + 2 * Part(row, kMargin);
}

int WinnerHeight(int row) {
    return Part(row, kTrophy) + Part(row, kGap) + Part(row, kWinnerTitle) + Part(row, kWinnerName) +
           2 * Part(row, kPadding) + Part(row, kGap);
}

int SheetHeight(int row, int rows, bool goOn) {
    return 2 * Part(row, kPadding) + Part(row, kTitle) + Part(row, kHeader) + rows * row +
           Part(row, kTotals) + (goOn ? Part(row, kGoOn) : 0);
}

int WindowHeight(int row, int rows, const SharpSheetAsk& ask) {
    return 2 * Part(row, kMargin) + (ask.winner ? WinnerHeight(row) : 0) +
           SheetHeight(row, rows, ask.goOnLine);
}

Rect Centred(int centreX, int top, int width, int height) {
    return {centreX - width / 2, top, centreX - width / 2 + width, top + height};
}

}  // namespace

Size SharpSheetSize(const SharpSheetAsk& ask) {
    const int row = std::max(kLeastRow, ask.rowHeight);
    return {WindowWidth(row), WindowHeight(row, ask.rows, ask)};
}

SharpSheetLayout LayOutSharpSheet(Size window, const SharpSheetAsk& ask) {
    SharpSheetLayout l;
    l.window = window;
    const int wanted =
        ask.rowHeight > 0 ? ask.rowHeight : static_cast<int>(window.height / kRowsDown);
    int row = std::max(kLeastRow, wanted);
    while (row > kLeastRow && WindowWidth(row) > window.width) --row;
    const int least = std::max(kLeastRow, std::min(row, static_cast<int>(row * kLeastShare)));
    const int rowsAsked = std::max(0, ask.rows);
    while (row > least && WindowHeight(row, rowsAsked, ask) > window.height) --row;
    int shown = rowsAsked;
    while (shown > 1 && WindowHeight(row, shown, ask) > window.height) --shown;
    l.rowHeight = row;
    l.elided = shown < rowsAsked;
    // The "…" row stands for the rows left out, so one more is left out for it.
    l.firstRow = l.elided ? rowsAsked - (shown - 1) : 0;

    const int centreX = window.width / 2;
    int y = std::max(0, (window.height - WindowHeight(row, shown, ask)) / 2) + Part(row, kMargin);
    if (ask.winner) {
        const int high = Part(row, kTrophy);
        l.trophy = Centred(centreX, y, high * kTrophyShape.width / kTrophyShape.height, high);
        y = l.trophy.bottom + Part(row, kGap);
        const int pad = Part(row, kPadding);
        const int plateHeight = 2 * pad + Part(row, kWinnerTitle) + Part(row, kWinnerName);
        l.winnerPlate = Centred(centreX, y, Part(row, kWinnerPlateWidth), plateHeight);
        l.winnerTitle = {l.winnerPlate.left + pad, y + pad, l.winnerPlate.right - pad,
                         y + pad + Part(row, kWinnerTitle)};
        l.winnerName = {l.winnerTitle.left, l.winnerTitle.bottom, l.winnerTitle.right,
                        l.winnerTitle.bottom + Part(row, kWinnerName)};
        y = l.winnerPlate.bottom + Part(row, kGap);
    }
    l.sheet = Centred(centreX, y, SheetWidth(row), SheetHeight(row, shown, ask.goOnLine));
    const int pad = Part(row, kPadding);
    const int left = l.sheet.left + pad, right = l.sheet.right - pad;
    const auto line = [&](int height) {
        const Rect r{left, y, right, y + height};
        y += height;
        return r;
    };
    y += pad;
    l.title = line(Part(row, kTitle));
    l.header = line(Part(row, kHeader));
    for (int i = 0; i < shown; ++i) l.rows.push_back(line(row));
    l.totals = line(Part(row, kTotals));
    if (ask.goOnLine) l.goOn = line(Part(row, kGoOn));

    l.columns[0] = left;
    l.columns[1] = left + Part(row, kNumberColumn);
    for (std::size_t c = 2; c < l.columns.size(); ++c)
        l.columns[c] = l.columns[1] + static_cast<int>(c - 1) * (right - l.columns[1]) / 4;
    return l;
}

}  // namespace mervane
