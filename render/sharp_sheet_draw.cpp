#include "render/sharp_sheet_draw.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "game/texts.h"
#include "game/translate.h"
#include "render/pictures.h"
#include "render/sharp_table_draw.h"

namespace mervane {

namespace {

// Shares of a line's height.
constexpr double kText = 0.62;
constexpr double kTitleText = 0.72;
constexpr double kCorner = 0.35;  // of a row, the plates' corners
constexpr double kRule = 0.06;
constexpr double kMarkInset = 0.1;  // the winner's mark inside its cell
constexpr double kRuleInk = 0.5;    // a rule between ink and plate
constexpr int kSmallestText = 6;
constexpr Size kTrophyShape{27, 32};
constexpr std::string_view kEarlier = "\u2026";

using Points = std::array<std::int32_t, SeatCount>;

int Part(int length, double share) {
    return std::max(1, ShareOf(length, share));
}

Rect Inset(Rect r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right - dx, r.bottom - dy};
}

void DrawText(Surface& surface, Rect box, std::string_view text, double share, bool bold, Color ink,
              Color back, Align align = Align::Centre) {
    if (box.Height() <= 0) return;
    const FontSpec font{std::max(kSmallestText, Part(box.Height(), share)), bold};
    DrawFittedText(surface, box, text, font, ink, back, align);
}

// A line of the sheet: a hand, or points that stand for several.
struct Line {
    std::string label;
    Points points{};
    Seat winner = NoSeat;
};

std::vector<Line> LinesOf(const SharpSheetData& data) {
    std::vector<Line> lines;
    Points earlier = data.totals;
    for (const HandScore& hand : data.hands)
        for (std::size_t seat = 0; seat < earlier.size(); ++seat)
            earlier[seat] -= hand.points[seat];
    if (earlier != Points{}) lines.push_back({std::string(kEarlier), earlier, NoSeat});
    for (std::size_t i = 0; i < data.hands.size(); ++i)
        lines.push_back({std::to_string(i + 1), data.hands[i].points, data.hands[i].winner});
    return lines;
}

// The lines as shown: those left out summed into one "…" line.
std::vector<Line> ShownLines(const std::vector<Line>& lines, const SharpSheetLayout& layout) {
    if (!layout.elided) return lines;
    Line first{std::string(kEarlier), {}, NoSeat};
    const auto cut = static_cast<std::size_t>(
        std::clamp<int>(layout.firstRow, 0, static_cast<int>(lines.size())));
    for (std::size_t i = 0; i < cut; ++i)
        for (std::size_t seat = 0; seat < first.points.size(); ++seat)
            first.points[seat] += lines[i].points[seat];
    std::vector<Line> shown{first};
    shown.insert(shown.end(), lines.begin() + static_cast<std::ptrdiff_t>(cut), lines.end());
    return shown;
}

void DrawRule(Surface& surface, const SharpPalette& palette, int left, int right, int y, int row) {
    const int width = Part(row, kRule);
    surface.FillRect({left, y - width / 2, right, y - width / 2 + width},
                     MixColors(palette.plate, palette.plateInk, kRuleInk));
}

// A line's cells: its label, then each seat's points; the hand's winner on a mark in
// the ring's colour, which stands out from the plate.
void DrawLine(Surface& surface, const SharpPalette& palette, const SharpSheetLayout& layout,
              Rect line, const std::string& label, const Points& points, Seat marked, bool bold) {
    DrawText(surface, layout.Cell(line, 0), label, kText, bold, palette.plateInk, palette.plate);
    for (Seat seat = 0; seat < SeatCount; ++seat) {
        const Rect cell = layout.Cell(line, seat + 1);
        const std::string text = std::to_string(points[static_cast<std::size_t>(seat)]);
        if (seat != marked) {
            DrawText(surface, cell, text, kText, bold, palette.plateInk, palette.plate);
            continue;
        }
        const int dy = Part(cell.Height(), kMarkInset);
        const Rect mark = Inset(cell, std::max(dy, cell.Width() / 6), dy);
        surface.FillRoundedRect(mark, mark.Height() / 2, palette.ring);
        DrawText(surface, mark, text, kText * cell.Height() / mark.Height(), true,
                 InkOn(palette.ring), palette.ring);
    }
}

void DrawWinner(Surface& surface, const SharpSheetData& data, const SharpPalette& palette,
                const SharpSheetLayout& layout) {
    if (layout.trophy.Width() <= 0) return;
    // The trophy's picture has a white ground: it stands on a white medallion.
    const Rect medallion = layout.trophy;
    surface.FillRoundedRect(medallion, Part(medallion.Width(), kCorner / 2), White);
    const int pad = Part(medallion.Height(), kMarkInset);
    const int high = medallion.Height() - 2 * pad;
    const int wide = high * kTrophyShape.width / kTrophyShape.height;
    const Rect cup{medallion.Center().x - wide / 2, medallion.top + pad,
                   medallion.Center().x - wide / 2 + wide, medallion.top + pad + high};
    ScopedBitmap(surface, bitmap::Trophy).Stretch(RectAt({0, 0}, kTrophyShape), cup);

    surface.FillRoundedRect(layout.winnerPlate, Part(layout.rowHeight, kCorner), palette.plate);
    DrawText(surface, layout.winnerTitle, Tr("Table", "Winner"), kTitleText, true, palette.plateInk,
             palette.plate);
    const std::size_t seat = static_cast<std::size_t>(data.gameWinner);
    if (seat < data.names.size())
        DrawText(surface, layout.winnerName, data.names[seat], kText, false, palette.plateInk,
                 palette.plate);
}

}  // namespace

SharpSheetData SharpSheetFor(const GameState& state, const std::vector<HandScore>& hands) {
    SharpSheetData data;
    for (Seat seat = 0; seat < SeatCount; ++seat)
        data.names[static_cast<std::size_t>(seat)] =
            seat == HumanSeat ? text::ShownSeatName(text::You, true) : state.SeatName(seat);
    data.hands = hands;
    data.totals = state.scores;
    data.tableColor = state.table.tableColor;
    if (!state.gameInProgress && state.betweenGames && state.handOver)
        data.gameWinner = state.gameWinner;
    data.goOnLine = state.handOver;
    return data;
}

SharpSheetAsk SharpSheetAskFor(const SharpSheetData& data, int rowHeight) {
    return {.rows = static_cast<int>(LinesOf(data).size()),
            .winner = data.gameWinner != NoSeat,
            .goOnLine = data.goOnLine,
            .rowHeight = rowHeight};
}

void DrawSharpSheet(const SharpSheetData& data, Surface& surface) {
    const Rect bounds = surface.Bounds();
    DrawSharpSheet(
        data, LayOutSharpSheet({bounds.Width(), bounds.Height()}, SharpSheetAskFor(data)), surface);
}

void DrawSharpSheet(const SharpSheetData& data, const SharpSheetLayout& layout, Surface& surface) {
    const SharpPalette palette = PaletteFor(data.tableColor);
    DrawSharpFelt(surface, palette, layout.window);
    DrawWinner(surface, data, palette, layout);

    const int row = layout.rowHeight;
    surface.FillRoundedRect(layout.sheet, Part(row, kCorner), palette.plate);
    DrawText(surface, layout.title, Tr("Table", "Score"), kTitleText, true, palette.plateInk,
             palette.plate);
    const Color ink = palette.plateInk, back = palette.plate;
    DrawText(surface, layout.Cell(layout.header, 0), Tr("Table", "Hand"), kText, true, ink, back);
    for (Seat seat = 0; seat < SeatCount; ++seat)
        DrawText(surface, layout.Cell(layout.header, seat + 1),
                 data.names[static_cast<std::size_t>(seat)], kText, true, ink, back);
    const int left = layout.header.left, right = layout.header.right;
    DrawRule(surface, palette, left, right, layout.header.bottom, row);

    const std::vector<Line> lines = ShownLines(LinesOf(data), layout);
    const std::size_t count = std::min(lines.size(), layout.rows.size());
    for (std::size_t i = 0; i < count; ++i)
        DrawLine(surface, palette, layout, layout.rows[i], lines[i].label, lines[i].points,
                 lines[i].winner, false);

    DrawRule(surface, palette, left, right, layout.totals.top, row);
    DrawLine(surface, palette, layout, layout.totals, Tr("Table", "Total"), data.totals,
             data.gameWinner, true);
    if (layout.goOn.Height() > 0)
        DrawText(surface, layout.goOn, Tr("Table", "Click or press Enter to continue"), kText * 0.9,
                 false, ink, back);
}

}  // namespace mervane
