// The Sharp score sheet for windows from 640 x 480 to 4K and games of up to 30 hands.
#include <gtest/gtest.h>

#include <string>

#include "layout/sharp_sheet_layout.h"

namespace mervane {
namespace {

std::string Str(Rect r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.Width()) +
           "x" + std::to_string(r.Height());
}

bool Inside(Rect inner, Rect outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom && inner.Width() > 0 && inner.Height() > 0;
}

TEST(SharpSheetLayout, FitsTheWindowWithRowsInOrderForAnyNumberOfHands) {
    const Size windows[] = {{640, 480},   {800, 600},   {1280, 720}, {1080, 1920},
                            {1920, 1080}, {2560, 1440}, {3840, 2160}};
    for (const Size window : windows)
        for (const bool winner : {false, true})
            for (int rows = 0; rows <= 30; ++rows) {
                const SharpSheetLayout l =
                    LayOutSharpSheet(window, {.rows = rows, .winner = winner, .goOnLine = true});
                SCOPED_TRACE(std::to_string(window.width) + "x" + std::to_string(window.height) +
                             (winner ? " winner, " : ", ") + std::to_string(rows) + " rows");
                ASSERT_TRUE(Inside(l.sheet, RectAt({0, 0}, window))) << Str(l.sheet);
                EXPECT_GE(l.rowHeight, 12);
                // Down the sheet: title, header, rows, totals, the line to go on.
                std::vector<Rect> lines{l.title, l.header};
                lines.insert(lines.end(), l.rows.begin(), l.rows.end());
                lines.push_back(l.totals);
                lines.push_back(l.goOn);
                for (std::size_t i = 0; i < lines.size(); ++i) {
                    EXPECT_TRUE(Inside(lines[i], l.sheet)) << i << ": " << Str(lines[i]);
                    if (i > 0) {
                        EXPECT_GE(lines[i].top, lines[i - 1].bottom) << i;
                    }
                }
                for (int c = 0; c < SharpSheetColumns; ++c)
                    EXPECT_TRUE(Inside(l.Cell(l.totals, c), l.totals)) << c;
                // Every row shows, or the latest ones after one "…" row for the rest.
                ASSERT_EQ(static_cast<int>(l.rows.size()) - (l.elided ? 1 : 0) + l.firstRow, rows);
                if (l.elided) {
                    EXPECT_GE(l.rows.size(), 8U) << "too few rows shown";
                }
                if (winner) {
                    EXPECT_TRUE(Inside(l.trophy, RectAt({0, 0}, window))) << Str(l.trophy);
                    EXPECT_LE(l.trophy.bottom, l.winnerPlate.top);
                    EXPECT_TRUE(Inside(l.winnerName, l.winnerPlate));
                    EXPECT_GE(l.winnerName.top, l.winnerTitle.bottom);
                    EXPECT_LE(l.winnerPlate.bottom, l.sheet.top);
                }
            }
}

// A big window keeps a game of a few hands large; many hands shrink the rows first,
// and only a small window leaves the earliest out.
TEST(SharpSheetLayout, ShrinksRowsBeforeLeavingAnyOut) {
    const SharpSheetAsk few{.rows = 3, .goOnLine = true};
    const SharpSheetAsk many{.rows = 30, .winner = true, .goOnLine = true};
    EXPECT_EQ(LayOutSharpSheet({1920, 1080}, few).rowHeight, 54);
    EXPECT_LT(LayOutSharpSheet({1920, 1080}, many).rowHeight, 54);
    EXPECT_FALSE(LayOutSharpSheet({1920, 1080}, many).elided);
    EXPECT_TRUE(LayOutSharpSheet({640, 480}, many).elided);
    // A window of the size asked for shows the rows whole at the height asked.
    const SharpSheetAsk dialog{.rows = 12, .rowHeight = 30};
    const SharpSheetLayout fitted = LayOutSharpSheet(SharpSheetSize(dialog), dialog);
    EXPECT_EQ(fitted.rowHeight, 30);
    EXPECT_FALSE(fitted.elided);
}

}  // namespace
}  // namespace mervane
