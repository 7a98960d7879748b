#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <memory>
#include <set>

#include "game/game_state.h"
#include "render/bitmap_cache.h"
#include "render/card_decks.h"
#include "render/picture_cache.h"
#include "render/qt_surface.h"
#include "render/sharp_surface.h"
#include "render/snapshot.h"
#include "render/table_painter.h"
#include "render/vector_art.h"

namespace mervane {
namespace {

constexpr QRgb kGreen = 0xFF009B00;

GameState DealtTable() {
    GameState state;
    Card next = 1;
    for (std::size_t seat = 0; seat < 4; ++seat) {
        state.hands[seat].SetCapacity(MaxListCards);
        for (int i = 0; i < 5; ++i) state.hands[seat].Add(next++ * 7 % 52 + 1);
        state.table.SetHandSize(PositionOfSeat(static_cast<Seat>(seat)), 5);
    }
    state.playerNames = {"Left", "Top", "Right"};
    state.statusText = {"Your Move", "Pass", "Draw Two", "Thinking"};
    state.topCard = 30;
    state.currentSuit = Hearts;
    state.dealer = TopSeat;
    state.gameInProgress = true;
    state.betweenGames = false;
    state.showSplash = false;
    for (int i = 0; i < 21; ++i) state.deck.Draw();
    state.table.SetTableRect({0, 0, ViewWidth, ViewHeight});
    return state;
}

// The table as the Sharp look paints it: an image of round(240 x scale x dpr) by
// round(268 x scale x dpr) device pixels with its devicePixelRatio set to `dpr`.
QImage Sharp(const GameState& state, TitleArt& title, double scale, double dpr,
             CardFaceRenderer* faces) {
    const auto pixels = [&](int units) {
        return static_cast<int>(std::lround(units * scale * dpr));
    };
    QImage image(pixels(ViewWidth), pixels(ViewHeight), QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setDevicePixelRatio(dpr);
    {
        SharpSurface window(image, {ViewWidth, ViewHeight}, QPointF(0, 0), scale, faces);
        OnDraw(state, window, title);
    }
    return image;
}

QImage Sharp(const GameState& state, double scale, double dpr, CardFaceRenderer* faces) {
    TitleArt title;
    return Sharp(state, title, scale, dpr, faces);
}

QRect Scaled(QRect table, double k) {
    const auto at = [k](int v) { return static_cast<int>(std::lround(v * k)); };
    return QRect(QPoint(at(table.left()), at(table.top())),
                 QPoint(at(table.right() + 1) - 1, at(table.bottom() + 1) - 1));
}

int DistinctColours(const QImage& image, QRect region) {
    std::set<QRgb> colours;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

std::unique_ptr<CardFaceRenderer> InstalledDefaultDeck() {
    const std::vector<DeckInfo> decks = FindCardDecks();
    const QString id = DefaultDeckId(decks);
    for (const DeckInfo& deck : decks)
        if (deck.id == id) return std::make_unique<CardFaceRenderer>(deck.svgPath);
    return nullptr;
}

QRect CardRegion(const GameState& state, TablePosition position, int index) {
    const Point at = state.table.CardPos(position, index);
    return QRect(at.x, at.y, state.table.cardWidth, state.table.cardHeight);
}

class SharpTable : public ::testing::Test {
  protected:
    void SetUp() override {
        BitmapCache::Shared().Clear();
        if (!BitmapCache::HasResources()) GTEST_SKIP() << "built without resources/bitmaps.qrc";
    }
};

// A smoothly drawn picture has many shades along its edges and lines; the same region
// enlarged from the bitmap has only the bitmap's few colours.
TEST_F(SharpTable, AtScaleFourCardsPilesAndBacksAreAntialiased) {
    const GameState state = DealtTable();
    std::unique_ptr<CardFaceRenderer> deck = InstalledDefaultDeck();
    if (deck) {
        ASSERT_TRUE(deck->Preload());
    }
    const QImage classic = RenderTableImage(state);
    const QImage sharp = Sharp(state, 4, 1, deck.get());
    ASSERT_EQ(sharp.size(), QSize(960, 1072));
    const Point discard = state.table.StockPilePositions().discardTop;
    const QRect regions[] = {CardRegion(state, Bottom, 4), CardRegion(state, Top, 4),
                             QRect(discard.x, discard.y, 29, 41)};
    for (const QRect& region : regions) {
        const int before = DistinctColours(classic, region);
        const int after = DistinctColours(sharp, Scaled(region, 4));
        EXPECT_GT(after, std::max(24, 2 * before))
            << "region at " << region.x() << "," << region.y();
    }
}

TEST_F(SharpTable, WithoutADeckTheFacesAreTheClassicOnesSmoothlyScaled) {
    const GameState state = DealtTable();
    const QImage sharp = Sharp(state, 4, 1, nullptr);
    const QRect card = CardRegion(state, Bottom, 4);
    EXPECT_GT(DistinctColours(sharp, Scaled(card, 4)),
              2 * DistinctColours(RenderTableImage(state), card));
}

// A deck not parsed yet is never waited for; a broken one is refused. Both show the
// classic faces, exactly as with no deck at all.
TEST_F(SharpTable, UnparsedOrBrokenDeckFallsBackToTheClassicFaces) {
    const GameState state = DealtTable();
    const QImage without = Sharp(state, 3, 1, nullptr);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile broken(dir.filePath(QStringLiteral("broken.svg")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("<svg xmlns='http://www.w3.org/2000/svg'><g id='1_club'><rect width='");
    broken.close();
    CardFaceRenderer brokenDeck(broken.fileName());
    EXPECT_FALSE(brokenDeck.Preload());
    EXPECT_EQ(Sharp(state, 3, 1, &brokenDeck), without);

    std::unique_ptr<CardFaceRenderer> unparsed = InstalledDefaultDeck();
    if (!unparsed) GTEST_SKIP() << "no card deck installed under the XDG data folders";
    EXPECT_EQ(Sharp(state, 3, 1, unparsed.get()), without);
    EXPECT_EQ(unparsed->ParseCount(), 0);
}

TEST_F(SharpTable, ARepaintRendersNothingAgain) {
    const GameState state = DealtTable();
    std::unique_ptr<CardFaceRenderer> deck = InstalledDefaultDeck();
    if (deck) deck->Preload();
    Sharp(state, 3.3, 1, deck.get());
    const int pictures = PictureCache::Shared().RenderCount();
    const int parses = VectorParseCount();
    const int faces = deck ? deck->RenderCount() : 0;
    Sharp(state, 3.3, 1, deck.get());
    EXPECT_EQ(PictureCache::Shared().RenderCount(), pictures);
    EXPECT_EQ(VectorParseCount(), parses);
    if (deck) {
        EXPECT_EQ(deck->RenderCount(), faces);
    }
}

TEST(PictureCache, RendersEachSizeOnceAndKeepsOnlyTheRecentSizes) {
    PictureCache& cache = PictureCache::Shared();
    cache.Clear();
    int renders = 0;
    const auto render = [&] {
        ++renders;
        return QImage(4, 4, QImage::Format_RGB32);
    };
    const PictureCache::Key back{PictureCache::Key::Vector, 54, {}, 0};
    const PictureCache::Key other{PictureCache::Key::Vector, 55, {}, 0};
    for (int repeat = 0; repeat < 3; ++repeat) cache.Get(back, {10, 10}, render);
    EXPECT_EQ(renders, 1);
    cache.Get(other, {10, 10}, render);
    EXPECT_EQ(renders, 2);
    // Four more sizes of the same picture push the oldest out; the others stay.
    for (int size = 11; size < 11 + PictureCache::kKeptSizes; ++size)
        cache.Get(back, {size, size}, render);
    EXPECT_EQ(renders, 2 + PictureCache::kKeptSizes);
    cache.Get(back, {11 + PictureCache::kKeptSizes - 1, 11 + PictureCache::kKeptSizes - 1}, render);
    cache.Get(other, {10, 10}, render);
    EXPECT_EQ(renders, 2 + PictureCache::kKeptSizes);
    cache.Get(back, {10, 10}, render);
    EXPECT_EQ(renders, 3 + PictureCache::kKeptSizes);
}

// Every pixel of the scaled cell belongs to the text or its background, and not one
// pixel beyond it changes, at fractional scales and pixel ratios, including a text
// the scaled face would make wider than its cell.
TEST_F(SharpTable, TextStaysInItsScaledCell) {
    for (double dpr : {1.0, 2.0})
        for (double scale : {1.5, 2.25, 3.7})
            for (const char* text : {"Draw Two", "WWWWWWWWWW", "Player1 iiiiiii"}) {
                SharpSurface surface({120, 40}, scale, dpr, nullptr);
                surface.FillRect({0, 0, 120, 40}, MakeColor(0, 155, 0));
                surface.SetBackColor(White);
                surface.SetTextColor(MakeColor(200, 0, 0));
                const Point at{7, 13};
                const Size size = surface.MeasureText(text);
                surface.TextOpaque(at, text);
                const QRect cell = surface.DeviceRect(RectAt(at, size));
                const QImage& image = *surface.OwnImage();
                int outside = 0, inked = 0, greenInside = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x) {
                        const QRgb pixel = image.pixel(x, y);
                        if (!cell.contains(x, y))
                            outside += pixel != kGreen;
                        else {
                            greenInside += pixel == kGreen;
                            inked += qGreen(pixel) < 128;
                        }
                    }
                SCOPED_TRACE(testing::Message() << text << " at " << scale << " x " << dpr);
                EXPECT_EQ(outside, 0);
                EXPECT_EQ(greenInside, 0);
                EXPECT_GT(inked, cell.width());
                // The text reaches across most of its cell: condensed, not cut off.
                int lastInked = 0;
                for (int x = cell.left(); x <= cell.right(); ++x)
                    for (int y = cell.top(); y <= cell.bottom(); ++y)
                        if (qGreen(image.pixel(x, y)) < 128) lastInked = x;
                EXPECT_GT(lastInked, cell.left() + cell.width() * 3 / 4);
            }
}

TEST_F(SharpTable, MeasuresTextAsTheClassicSurface) {
    QtSurface classic(Size{60, 20});
    SharpSurface sharp({60, 20}, 3.7, 2, nullptr);
    for (FontSpec font : {LabelFont, ScoreTitleFont, WinnerFont}) {
        classic.SelectFont(font);
        sharp.SelectFont(font);
        for (const char* text : {"You", "Player3", "Tap To Continue", ""})
            EXPECT_EQ(sharp.MeasureText(text), classic.MeasureText(text));
    }
}

TEST_F(SharpTable, NeighbouringFillsLeaveNoSeams) {
    constexpr double kScale = 2.25;
    SharpSurface surface({80, 60}, kScale, 1, nullptr);
    for (int x = 0; x < 80; ++x)
        for (int y = 0; y < 60; y += 3)
            surface.FillRect({x, y, x + 1, y + 3}, (x + y) % 2 ? White : MakeColor(0, 0, 200));
    const QImage& image = *surface.OwnImage();
    ASSERT_EQ(image.size(), QSize(180, 135));
    int black = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) black += image.pixel(x, y) == 0xFF000000;
    EXPECT_EQ(black, 0);
}

// A window origin between device pixels: the table composed off-screen lands with
// every edge where the window's own rounding puts it.
TEST_F(SharpTable, OffscreenCopyKeepsTheWindowsRounding) {
    QImage window(300, 200, QImage::Format_RGB32);
    window.fill(Qt::black);
    {
        SharpSurface surface(window, {100, 60}, QPointF(10.3, 7.6), 1.7, nullptr);
        std::unique_ptr<Surface> offscreen = surface.CreateOffscreen({100, 60});
        for (int x = 0; x < 100; x += 7)
            offscreen->FillRect({x, 0, x + 7, 60}, x % 2 ? White : MakeColor(0, 0, 200));
        surface.BlockCopy({0, 0}, {100, 60}, *offscreen, {0, 0});
        for (int x = 0; x < 100; x += 7) {
            const QRect cell = surface.DeviceRect({x, 0, std::min(x + 7, 100), 60});
            const QRgb expected = x % 2 ? 0xFFFFFFFF : 0xFF0000C8;
            EXPECT_EQ(window.pixel(cell.left(), cell.top() + 3), expected) << x;
            EXPECT_EQ(window.pixel(cell.right(), cell.bottom()), expected) << x;
        }
        const QRect all = surface.DeviceRect({0, 0, 100, 60});
        EXPECT_EQ(window.pixel(all.left() - 1, all.top() + 5), 0xFF000000);
        EXPECT_EQ(window.pixel(all.right() + 1, all.top() + 5), 0xFF000000);
    }
}

// The title picture is kept between paints by whoever paints; switching the look
// while it shows must not leave the window white.
TEST_F(SharpTable, TheTitleShowsAfterTheLookChanges) {
    GameState state;
    state.showSplash = true;
    const auto coloured = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) != 0xFFFFFFFF;
        return count;
    };
    TitleArt title;
    EXPECT_GT(coloured(RenderTableImage(state, title)), 1000);
    EXPECT_GT(coloured(Sharp(state, 2, 1, nullptr)), 4000);
    EXPECT_GT(coloured(Sharp(state, title, 2, 1, nullptr)), 4000);
    EXPECT_GT(coloured(RenderTableImage(state, title)), 1000);
}

// The image of a finished paint is reused by the next one of its size; what it held
// must not show through, whether the first drawing covers the table or not.
TEST_F(SharpTable, ANewOffscreenIsBlackEvenWhenItsImageIsReused) {
    for (QPointF origin : {QPointF(0, 0), QPointF(3.6, 2.5)}) {
        QImage window(200, 200, QImage::Format_RGB32);
        SharpSurface surface(window, {50, 40}, origin, 2.3, nullptr);
        surface.CreateOffscreen({50, 40})->FillRect({0, 0, 50, 40}, White);
        {
            std::unique_ptr<Surface> partly = surface.CreateOffscreen({50, 40});
            partly->FillRect({10, 10, 20, 20}, White);
            const QImage& image = *dynamic_cast<SharpSurface&>(*partly).OwnImage();
            EXPECT_EQ(image.pixel(0, 0), 0xFF000000);
            EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), 0xFF000000);
            EXPECT_EQ(image.pixel(image.width() / 3, image.height() / 3), 0xFFFFFFFF);
        }
        surface.CreateOffscreen({50, 40})->FillRect({0, 0, 50, 40}, White);
        std::unique_ptr<Surface> covered = surface.CreateOffscreen({50, 40});
        covered->FillRect({0, 0, 50, 40}, MakeColor(0, 0, 200));
        const QImage& image = *dynamic_cast<SharpSurface&>(*covered).OwnImage();
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
        EXPECT_EQ(colours.count(0xFFFFFFFF), 0u) << origin.x();
    }
}

}  // namespace
}  // namespace mervane
