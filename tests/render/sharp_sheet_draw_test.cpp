// The Sharp score sheet over a recording surface: each text's contrast on every table
// colour, the hands' winners marked, and rows that add up to the totals however many
// are left out.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

#include "render/sharp_sheet_draw.h"
#include "render/sharp_table_draw.h"
#include "tests/render/recording_surface.h"

namespace mervane {
namespace {

using testing::RecordingSurface;

struct Text {
    Point at;
    std::string text;
    Color ink = 0, back = 0;
    bool bold = false;
};

std::vector<Text> TextsOf(const RecordingSurface& surface) {
    static const std::regex line(
        "text (-?\\d+),(-?\\d+) '(.*)' #([0-9A-F]+) on #([0-9A-F]+)( bold)?");
    std::vector<Text> texts;
    std::smatch m;
    for (const std::string& call : surface.Calls())
        if (std::regex_match(call, m, line))
            texts.push_back({{std::stoi(m[1]), std::stoi(m[2])},
                             m[3],
                             static_cast<Color>(std::stoul(m[4], nullptr, 16)),
                             static_cast<Color>(std::stoul(m[5], nullptr, 16)),
                             m[6].matched});
    return texts;
}

// A game of `count` hands won in turn by each seat, 10 + i points each.
SharpSheetData Game(int count, Color table) {
    SharpSheetData data;
    data.names = {"You", "Amelia", "Bartholomew", "Chen"};
    data.tableColor = table;
    data.goOnLine = true;
    for (int i = 0; i < count; ++i) {
        HandScore hand{.winner = i % SeatCount};
        hand.points[static_cast<std::size_t>(hand.winner)] = 10 + i;
        data.totals[static_cast<std::size_t>(hand.winner)] += 10 + i;
        data.hands.push_back(hand);
    }
    return data;
}

TEST(SharpSheetDraw, EveryTextReadsOnEveryTableColourAndEachHandsWinnerIsMarked) {
    double worst = 100;
    for (int r = 0; r < 256; r += 51)
        for (int g = 0; g < 256; g += 51)
            for (int b = 0; b < 256; b += 51) {
                SharpSheetData data = Game(5, MakeColor(r, g, b));
                data.gameWinner = LeftSeat;
                RecordingSurface surface({1280, 720});
                DrawSharpSheet(data, surface);
                for (const Text& t : TextsOf(surface))
                    worst = std::min(worst, ContrastRatio(t.ink, t.back));
            }
    EXPECT_GE(worst, SharpTextContrast);

    const SharpSheetData data = Game(5, DefaultTableColor);
    RecordingSurface surface({1280, 720});
    DrawSharpSheet(data, surface);
    const SharpSheetLayout layout = LayOutSharpSheet({1280, 720}, SharpSheetAskFor(data));
    ASSERT_EQ(layout.rows.size(), 5U);
    const Color ring = PaletteFor(DefaultTableColor).ring;
    int marked = 0;
    bool goOn = false;
    for (const Text& t : TextsOf(surface)) {
        goOn |= t.text == "Click or press Enter to continue";
        for (std::size_t i = 0; i < layout.rows.size(); ++i) {
            if (t.at.y < layout.rows[i].top || t.at.y >= layout.rows[i].bottom) continue;
            const bool winner =
                layout.Cell(layout.rows[i], static_cast<int>(i) % 4 + 1).Contains(t.at);
            EXPECT_EQ(t.bold && t.back == ring, winner) << "hand " << i + 1 << ": " << t.text;
            marked += winner;
        }
    }
    EXPECT_EQ(marked, 5);
    EXPECT_TRUE(goOn);
}

// Each seat's points down its column, by the rows the layout gives the sheet, and its
// total; the hand numbers shown.
struct Columns {
    std::array<int, SeatCount> rows{}, totals{};
    std::vector<std::string> labels;
};

Columns Read(const SharpSheetData& data, Size window) {
    RecordingSurface surface(window);
    DrawSharpSheet(data, surface);
    const SharpSheetLayout layout = LayOutSharpSheet(window, SharpSheetAskFor(data));
    Columns read;
    for (const Text& t : TextsOf(surface)) {
        const auto add = [&](Rect line, std::array<int, SeatCount>& to) {
            if (t.at.y < line.top || t.at.y >= line.bottom) return;
            if (layout.Cell(line, 0).Contains(t.at)) read.labels.push_back(t.text);
            for (int c = 1; c < SharpSheetColumns; ++c)
                if (layout.Cell(line, c).Contains(t.at))
                    to[static_cast<std::size_t>(c - 1)] += std::stoi(t.text);
        };
        for (const Rect& row : layout.rows) add(row, read.rows);
        add(layout.totals, read.totals);
    }
    return read;
}

TEST(SharpSheetDraw, RowsLeftOutOrPlayedBeforeAddUpInTheFirstRow) {
    // 30 hands on the winner screen of a small window: the latest ones and a "…" row
    // for the rest.
    SharpSheetData many = Game(30, DefaultTableColor);
    many.gameWinner = TopSeat;
    const Columns small = Read(many, {640, 480});
    EXPECT_EQ(small.rows, many.totals);
    EXPECT_EQ(small.totals, many.totals);
    ASSERT_GT(small.labels.size(), 8U);
    EXPECT_EQ(small.labels.front(), "\u2026");
    EXPECT_EQ(small.labels[small.labels.size() - 2], "30");  // before the totals' label
    // A big window shows every hand.
    const Columns big = Read(many, {3840, 2160});
    EXPECT_EQ(big.labels.front(), "1");
    EXPECT_EQ(big.rows, many.totals);

    // Joined under way: the points of the hands not seen stand in a row of their own.
    SharpSheetData joined = Game(2, DefaultTableColor);
    joined.totals = {50, 60, 0, 7};
    const Columns read = Read(joined, {1280, 720});
    EXPECT_EQ(read.rows, joined.totals);
    EXPECT_EQ(read.labels, (std::vector<std::string>{"\u2026", "1", "2", "Total"}));
}

}  // namespace
}  // namespace mervane
