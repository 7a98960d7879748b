#include <gtest/gtest.h>

#include <functional>

#include "layout/card_table.h"
#include "layout/viewport.h"

namespace mervane {
namespace {

constexpr Size kTable{240, 268};

TEST(Viewport, FitsTheLargestScaleThatKeepsTheShapeCentred) {
    const TableViewport exact = FitTable(kTable, 480, 536, false);
    EXPECT_DOUBLE_EQ(exact.scale, 2);
    EXPECT_DOUBLE_EQ(exact.left, 0);
    EXPECT_DOUBLE_EQ(exact.top, 0);
    const TableViewport wide = FitTable(kTable, 1000, 536, false);
    EXPECT_DOUBLE_EQ(wide.scale, 2);
    EXPECT_DOUBLE_EQ(wide.left, 260);
    const TableViewport tall = FitTable(kTable, 360, 1000, false);
    EXPECT_DOUBLE_EQ(tall.scale, 1.5);
    EXPECT_DOUBLE_EQ(tall.top, (1000 - 402) / 2.0);
}

TEST(Viewport, WholeFactorsTakeTheLargestThatFitsAndNeverLessThanOne) {
    EXPECT_DOUBLE_EQ(FitTable(kTable, 719, 803, true).scale, 2);
    EXPECT_DOUBLE_EQ(FitTable(kTable, 720, 804, true).scale, 3);
    EXPECT_DOUBLE_EQ(FitTable(kTable, 100, 100, true).scale, 1);
    const TableViewport centred = FitTable(kTable, 1920, 1080, true);
    EXPECT_DOUBLE_EQ(centred.scale, 4);
    EXPECT_DOUBLE_EQ(centred.left, (1920 - 960) / 2.0);
    EXPECT_DOUBLE_EQ(centred.top, (1080 - 1072) / 2.0);
    EXPECT_DOUBLE_EQ(FitTable(kTable, 0, 0, false).scale, 1) << "no room yet";
}

// Every device pixel whose centre is painted inside a region of the table (a filled
// rectangle covers the pixels whose centres it holds) must hit that region's target.
class ScaledHits : public ::testing::TestWithParam<std::pair<double, double>> {
  protected:
    ScaledHits() {
        table.SetTableRect({0, 0, kTable.width, kTable.height});
        table.SetHandSize(Bottom, kCards);
        const auto [scale, ratio] = GetParam();
        // A window wider than the table, so that the left margin is fractional too.
        view = FitTable(kTable, kTable.width * scale + 37.3, kTable.height * scale, false);
        dpr = ratio;
    }

    // Calls `hits` for each device pixel centred inside `region`, with the table pixel
    // the viewport maps it to; returns how many pixels were checked.
    int ForEachDevicePixel(Rect region, const std::function<void(Point)>& hits) const {
        const double px = view.scale * dpr;
        int checked = 0;
        const auto first = [&](double edge) { return static_cast<int>(std::ceil(edge - 0.5)); };
        const int x0 = first((view.left + region.left * view.scale) * dpr);
        const int x1 = first((view.left + region.right * view.scale) * dpr);
        const int y0 = first((view.top + region.top * view.scale) * dpr);
        const int y1 = first((view.top + region.bottom * view.scale) * dpr);
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                hits(view.ToTable((x + 0.5) / dpr, (y + 0.5) / dpr));
                ++checked;
            }
        }
        EXPECT_GT(checked, region.Width() * region.Height() * px * px * 0.8);
        return checked;
    }

    static constexpr int kCards = 7;
    CCardTable table;
    TableViewport view;
    double dpr = 1;
};

// A card answers inside the strip the fan leaves visible, its outline excluded.
TEST_P(ScaledHits, EveryPixelOfEachCardStripHitsThatCard) {
    for (int i = 0; i < kCards; ++i) {
        const Point corner = table.CardPos(Bottom, i);
        const int width = i + 1 < kCards ? table.stepX : table.cardWidth;
        const Rect strip{corner.x + 1, corner.y + 1, corner.x + width, corner.y + table.cardHeight};
        ForEachDevicePixel(strip, [&](Point tap) {
            ASSERT_EQ(table.HitHandCard(tap, kCards), i) << tap.x << "," << tap.y;
        });
    }
}

TEST_P(ScaledHits, EveryPixelOfThePackAndTheSuitBoxesHitsThem) {
    ForEachDevicePixel(table.DrawPileRect(), [&](Point tap) {
        ASSERT_TRUE(table.HitDrawPile(tap)) << tap.x << "," << tap.y;
    });
    for (const Rect& box : table.SuitBoxes()) {
        ForEachDevicePixel(
            box, [&](Point tap) { ASSERT_TRUE(box.Contains(tap)) << tap.x << "," << tap.y; });
    }
}

TEST_P(ScaledHits, PixelsOfTheMarginMapOutsideTheTable) {
    const double px = 1 / dpr;
    const Point leftOfTable = view.ToTable(view.left - px / 2, view.top + 10);
    EXPECT_LT(leftOfTable.x, 0);
    const Point rightOfTable =
        view.ToTable(view.left + kTable.width * view.scale + px / 2, view.top + 10);
    EXPECT_GE(rightOfTable.x, kTable.width);
}

INSTANTIATE_TEST_SUITE_P(FractionalScalesAndPixelRatios, ScaledHits,
                         ::testing::Values(std::pair{1.5, 1.0}, std::pair{2.25, 1.0},
                                           std::pair{3.7, 1.0}, std::pair{1.5, 2.0},
                                           std::pair{2.25, 2.0}, std::pair{3.7, 2.0},
                                           std::pair{1.0, 2.0}));

}  // namespace
}  // namespace mervane
