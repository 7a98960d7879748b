#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "layout/sharp_layout.h"

namespace mervane {
namespace {

bool Overlap(Rect a, Rect b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
bool Inside(Rect inner, Rect outer) {
    return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
           inner.bottom <= outer.bottom;
}
Rect Bounds(const std::vector<Rect>& rects) {
    Rect all = rects.front();
    for (const Rect& r : rects)
        all = {std::min(all.left, r.left), std::min(all.top, r.top), std::max(all.right, r.right),
               std::max(all.bottom, r.bottom)};
    return all;
}

SharpCounts Counts(int bottom, int top, int left, int right) {
    return {{bottom, top, left, right}};
}

// Landscape and portrait windows from 640 x 480 to 3840 x 2160.
std::vector<Size> Windows() {
    std::vector<Size> sizes;
    for (int longSide = 640; longSide <= 3840; longSide += 320)
        for (int shortSide = 480; shortSide <= 2160 && shortSide < longSide; shortSide += 240) {
            sizes.push_back({longSide, shortSide});
            sizes.push_back({shortSide, longSide});
        }
    return sizes;
}

// No cards anywhere, then the human's hand from 1 to 25 cards, the computers' short and long
// against it.
std::vector<SharpCounts> Hands() {
    std::vector<SharpCounts> hands{Counts(0, 0, 0, 0)};
    for (int n = 1; n <= 25; ++n) {
        hands.push_back(Counts(n, n, n, n));
        hands.push_back(Counts(n, 26 - n, 26 - n, 26 - n));
    }
    return hands;
}

// What may not touch anything else: the human's hand and each fan as a whole.
std::vector<std::pair<std::string, Rect>> SolidParts(const SharpTable& t) {
    std::vector<std::pair<std::string, Rect>> parts{{"reason", t.reason},
                                                    {"pack", t.pack},
                                                    {"pack count", t.packCount},
                                                    {"ring", t.arrowRing},
                                                    {"suit indicator", t.suitIndicator}};
    for (std::size_t i = 0; i < t.suitBoxes.size(); ++i)
        parts.push_back({"suit box " + std::to_string(i), t.suitBoxes[i]});
    for (TablePosition seat : {Bottom, Top, Left, Right}) {
        const std::string name = "seat " + std::to_string(seat);
        parts.push_back({name + " plate", t.Seat(seat).plate});
        if (seat == Bottom || seat == Top)
            parts.push_back({name + " callout", t.Seat(seat).callout});
        if (!t.Seat(seat).cards.empty())
            parts.push_back({name + " cards", Bounds(t.Seat(seat).cards)});
    }
    return parts;
}

void ExpectFitsWithoutCollisions(const SharpTable& t) {
    const Rect window = RectAt({0, 0}, t.window);
    const auto parts = SolidParts(t);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        EXPECT_TRUE(Inside(parts[i].second, window)) << parts[i].first;
        for (std::size_t j = i + 1; j < parts.size(); ++j)
            EXPECT_FALSE(Overlap(parts[i].second, parts[j].second))
                << parts[i].first << " / " << parts[j].first;
    }
    // A side seat's callout stands on its own fan and on nothing else.
    for (TablePosition seat : {Left, Right}) {
        const std::string name = "seat " + std::to_string(seat);
        const Rect callout = t.Seat(seat).callout;
        EXPECT_TRUE(Inside(callout, window)) << name;
        for (const auto& [part, rect] : parts) {
            if (part == name + " cards") continue;
            EXPECT_FALSE(Overlap(callout, rect)) << name << " / " << part;
        }
    }
    EXPECT_TRUE(Inside(t.discard, t.arrowRing));
}

void ExpectReadableHand(const SharpTable& t) {
    const std::vector<Rect>& cards = t.Seat(Bottom).cards;
    const std::size_t n = cards.size();
    const int count = static_cast<int>(n);
    ASSERT_EQ(t.handStrips.size(), n);
    std::vector<int> rowTops;
    for (std::size_t i = 0; i < n; ++i) {
        SCOPED_TRACE("card " + std::to_string(i));
        const Rect strip = t.handStrips[i];
        EXPECT_TRUE(Inside(SharpIndexCorner(cards[i]), strip));
        EXPECT_TRUE(Inside(strip, cards[i]));
        for (std::size_t later = i + 1; later < n; ++later)
            EXPECT_FALSE(Overlap(strip, cards[later])) << "under card " << later;
        if (count <= SharpRoomyHand) {
            EXPECT_GE(strip.Width(), SharpRoomyHandShows * cards[i].Width());
        }
        for (Point p : {Point{strip.left, strip.top}, strip.Center(),
                        Point{strip.right - 1, strip.bottom - 1}})
            EXPECT_EQ(t.HandCardAt(p), static_cast<int>(i));
        if (std::find(rowTops.begin(), rowTops.end(), cards[i].top) == rowTops.end())
            rowTops.push_back(cards[i].top);
    }
    if (count > 0) {
        EXPECT_EQ(rowTops.size(), count >= SharpTwoRowHand ? 2u : 1u);
    }
    EXPECT_EQ(t.HandCardAt(t.pack.Center()), -1);
    EXPECT_TRUE(t.PackAt(t.pack.Center()));
    for (std::size_t box = 0; box < t.suitBoxes.size(); ++box)
        EXPECT_EQ(t.SuitBoxAt(t.suitBoxes[box].Center()), static_cast<int>(box));
}

TEST(SharpLayout, EveryWindowAndHandFitsReadablyWithoutCollisions) {
    for (Size window : Windows()) {
        for (const SharpCounts& counts : Hands()) {
            SCOPED_TRACE(std::to_string(window.width) + "x" + std::to_string(window.height) +
                         " hands " + std::to_string(counts.handSize[0]) + "," +
                         std::to_string(counts.handSize[1]));
            const SharpTable t = LayOutSharpTable(window, counts);
            ExpectFitsWithoutCollisions(t);
            ExpectReadableHand(t);
            if (HasFailure()) return;  // one broken layout tells enough
        }
    }
}

// The view of a full-screen 1920 x 1080 window loses about 90 pixels to the menu and
// tool bars, and a maximised 1280 x 720 one about 100 more to the title bar and the
// desktop's panel: one-row hands stay as large there.
TEST(SharpLayout, HandCardsAreLargeEnoughAtCommonSizes) {
    struct Case {
        Size window;
        int leastCardHeight;
        int largestHand;
    };
    for (const Case& c :
         {Case{{1920, 1080}, 220, 25}, Case{{1280, 720}, 150, 25},
          Case{{1920, 990}, 220, SharpTwoRowHand - 1}, Case{{1280, 620}, 150, SharpTwoRowHand - 1},
          Case{{640, 480}, 90, 25}, Case{{480, 640}, 90, 25}}) {
        for (const SharpCounts& counts : Hands()) {
            if (counts.handSize[0] > c.largestHand) continue;
            const SharpTable t = LayOutSharpTable(c.window, counts);
            EXPECT_GE(t.card.height, c.leastCardHeight)
                << c.window.width << "x" << c.window.height << " hand " << counts.handSize[0];
        }
    }
}

}  // namespace
}  // namespace mervane
