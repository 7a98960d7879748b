#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "render/bitmap_cache.h"

namespace mervane {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBorder = 0xFF101010;
constexpr QRgb kCornerGrey = 0xFF909090;
constexpr int kCardW = 29;
constexpr int kCardH = 41;
// A card covered by its right-hand neighbour in a fan shows its left 9 columns (the
// fan's step, a third of the card); the corner index sits in columns 1..7 of the top
// 13 rows, what a vertical fan shows.
constexpr int kStrip = 9;
constexpr QRect kIndex(1, 1, 7, 12);

QImage Face(int id) {
    BitmapCache::Shared();  // registers the resources
    return QImage(BitmapCache::ResourcePath(id)).convertToFormat(QImage::Format_RGB32);
}

bool IsBorder(int x, int y) {
    return x == 0 || x == kCardW - 1 || y == 0 || y == kCardH - 1;
}

std::string Name(int rank, int suit) {
    static const char* suits[] = {"clubs", "diamonds", "hearts", "spades"};
    return std::to_string(rank) + " of " + suits[suit];
}

class CardFaces : public ::testing::Test {
  protected:
    void SetUp() override {
        BitmapCache::Shared();
        if (!BitmapCache::HasResources()) GTEST_SKIP() << "built without resources/bitmaps.qrc";
    }
};

// Nothing but the border and the corner index may show in the strip a fanned hand
// leaves visible, or every covered card shows stray ticks of its pips.
TEST_F(CardFaces, TheStripLeftShowingInAFanHoldsOnlyTheBorderAndTheIndex) {
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 1; rank <= 10; ++rank) {
            const QImage face = Face(13 * suit + rank);
            ASSERT_EQ(face.size(), QSize(kCardW, kCardH)) << Name(rank, suit);
            int indexInk = 0;
            for (int y = 0; y < kCardH; ++y)
                for (int x = 0; x < kStrip; ++x) {
                    const QRgb c = face.pixel(x, y);
                    if (IsBorder(x, y)) {
                        EXPECT_TRUE(c == kBorder || c == kCornerGrey)
                            << Name(rank, suit) << " border at " << x << "," << y;
                    } else if (kIndex.contains(x, y)) {
                        indexInk += c != kWhite;
                    } else {
                        EXPECT_EQ(c, kWhite)
                            << Name(rank, suit) << " shows a stray pixel at " << x << "," << y;
                    }
                }
            EXPECT_GT(indexInk, 10) << Name(rank, suit) << " has lost its index";
        }
}

// The index keeps a white column between itself and the border, on both corners;
// the two-digit "10" is the one that is tight.
TEST_F(CardFaces, IndicesKeepClearOfTheBorder) {
    for (int id = 1; id <= 52; ++id) {
        const QImage face = Face(id);
        for (int y = 1; y < kCardH - 1; ++y) {
            EXPECT_EQ(face.pixel(1, y), kWhite) << "card " << id << " at 1," << y;
            EXPECT_EQ(face.pixel(kCardW - 2, y), kWhite) << "card " << id << " at 27," << y;
        }
        for (int x = 1; x < kCardW - 1; ++x) {
            EXPECT_EQ(face.pixel(x, 1), kWhite) << "card " << id << " at " << x << ",1";
            EXPECT_EQ(face.pixel(x, kCardH - 2), kWhite) << "card " << id << " at " << x << ",39";
        }
    }
}

// The bottom-right index is the top-left one turned half a turn, as printed.
TEST_F(CardFaces, BothCornersCarryTheSameIndex) {
    for (int id = 1; id <= 52; ++id) {
        const QImage face = Face(id);
        for (int y = kIndex.top(); y <= kIndex.bottom(); ++y)
            for (int x = kIndex.left(); x <= kIndex.right(); ++x)
                ASSERT_EQ(face.pixel(x, y), face.pixel(kCardW - 1 - x, kCardH - 1 - y))
                    << "card " << id << " at " << x << "," << y;
    }
}

}  // namespace
}  // namespace mervane
