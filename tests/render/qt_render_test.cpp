#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <set>

#include "game/game_state.h"
#include "render/bitmap_cache.h"
#include "render/qt_surface.h"
#include "render/snapshot.h"
#include "render/table_fonts.h"
#include "render/table_painter.h"

namespace mervane {
namespace {

constexpr QRgb kTable = 0xFF009B00;  // the default table colour as Qt reads it
constexpr QRgb kRed = 0xFFC80000;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

// A picture in which every pixel tells its bitmap number and its place, so that a
// region of the table can be traced back to the bitmap and offset it came from.
QImage Traceable(int id, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, qRgb(id, 4 + x * 7, 3 + y * 5));
    return image;
}

// The dealer marker: a red chip on white, the white to be left out.
QImage Marker() {
    QImage image(8, 7, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 2; y < 5; ++y)
        for (int x = 2; x < 6; ++x) image.setPixel(x, y, qRgb(220, 0, 0));
    return image;
}

void ProvideTraceableBitmaps() {
    BitmapCache& cache = BitmapCache::Shared();
    cache.Clear();
    for (int id = 1; id <= 65; ++id)
        if (id != 53) cache.Provide(id, Traceable(id, id == 57 ? QSize(28, 40) : QSize(29, 41)));
    cache.Provide(140, Traceable(140, {122, 120}));
    for (int id = 145; id <= 148; ++id) cache.Provide(id, Traceable(id, {24, 22}));
    for (int id = 153; id <= 156; ++id) cache.Provide(id, Traceable(id, {19, 19}));
    cache.Provide(164, Traceable(164, {27, 32}));
    cache.Provide(166, Marker());
}

void Deal(GameState& state, std::array<int, 4> counts) {
    Card next = 1;
    for (std::size_t seat = 0; seat < 4; ++seat) {
        state.hands[seat].Clear();
        state.hands[seat].SetCapacity(MaxListCards);
        for (int i = 0; i < counts[seat]; ++i) state.hands[seat].Add(next++ % 52 + 1);
        state.table.SetHandSize(PositionOfSeat(static_cast<Seat>(seat)), counts[seat]);
    }
}

GameState MidHand() {
    GameState state;
    Deal(state, {7, 5, 5, 5});
    state.playerNames = {"Left", "Top", "Right"};
    state.topCard = 30;
    state.currentSuit = Hearts;
    state.dealer = LeftSeat;
    state.gameInProgress = true;
    state.betweenGames = false;
    state.showSplash = false;
    for (int i = 0; i < 23; ++i) state.deck.Draw();
    return state;
}

// Whether the table shows `source` of bitmap `id` at `at`.
::testing::AssertionResult Shows(const QImage& table, QPoint at, int id, QRect source) {
    const QImage& bitmap = BitmapCache::Shared().Image(id);
    for (int y = source.top(); y <= source.bottom(); ++y)
        for (int x = source.left(); x <= source.right(); ++x) {
            const QPoint p = at + QPoint(x - source.left(), y - source.top());
            if (table.pixel(p) != bitmap.pixel(x, y))
                return ::testing::AssertionFailure()
                       << "bitmap " << id << " pixel (" << x << ", " << y << ") not at (" << p.x()
                       << ", " << p.y() << ")";
        }
    return ::testing::AssertionSuccess();
}
::testing::AssertionResult ShowsWhole(const QImage& table, QPoint at, int id) {
    return Shows(table, at, id, BitmapCache::Shared().Image(id).rect());
}

std::set<QRgb> ColoursIn(const QImage& image, QRect area) {
    std::set<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) colours.insert(image.pixel(x, y));
    return colours;
}

int CountOf(const QImage& image, QRect area, QRgb colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += image.pixel(x, y) == colour;
    return count;
}

Size Measure(FontSpec font, std::string_view text) {
    QtSurface surface(Size{1, 1});
    surface.SelectFont(font);
    return surface.MeasureText(text);
}

class Rendered : public ::testing::Test {
  protected:
    void SetUp() override { ProvideTraceableBitmaps(); }
};

TEST(TableFonts, CellsAreElevenAndFifteenPixelsFromDejaVuSans) {
    EXPECT_EQ(TableFonts::Family(false), "DejaVu Sans");
    EXPECT_EQ(QFontMetrics(TableFonts::For(LabelFont).font).height(), 11);
    EXPECT_EQ(QFontMetrics(TableFonts::For(ScoreTitleFont).font).height(), 11);
    EXPECT_EQ(QFontMetrics(TableFonts::For(WinnerFont).font).height(), 15);
    EXPECT_TRUE(QFontInfo(TableFonts::For(WinnerFont).font).bold());
    EXPECT_EQ(Measure(LabelFont, "Player1").height, 11);
    EXPECT_EQ(Measure(LabelFont, "").width, 0);
    EXPECT_GT(Measure(ScoreTitleFont, "Player1").width, Measure(LabelFont, "Player1").width);
}

TEST(BitmapResources, CardFacesLoadFromTheProgramsResources) {
    BitmapCache::Shared();  // registers the resources
    if (!BitmapCache::HasResources()) GTEST_SKIP() << "built without resources/bitmaps.qrc";
    const QImage face(BitmapCache::ResourcePath(1));
    ASSERT_FALSE(face.isNull());
    EXPECT_EQ(face.size(), QSize(29, 41));
}

// With the real bitmaps, a known face and back land where the layout says.
TEST(BitmapResources, RealFacesAndBacksSitAtTheirCorners) {
    BitmapCache::Shared().Clear();
    if (!QFile::exists(BitmapCache::ResourcePath(1))) GTEST_SKIP() << "no card bitmaps yet";
    GameState state = MidHand();
    const QImage table = RenderTableImage(state);
    EXPECT_TRUE(Shows(table, {70, 217}, state.hands[0][0], {0, 0, 9, 41}));
    EXPECT_TRUE(ShowsWhole(table, {124, 217}, state.hands[0][6]));
    EXPECT_TRUE(Shows(table, {115, 10}, 54, {0, 0, 29, 41}));
    EXPECT_TRUE(ShowsWhole(table, {116, 114}, 30));
}

TEST(BitmapResources, APaintDecodesEachBitmapOnlyOnce) {
    BitmapCache& cache = BitmapCache::Shared();
    cache.Clear();
    GameState state = MidHand();
    RenderTableImage(state);
    const int afterFirst = cache.DecodeCount();
    RenderTableImage(state);
    EXPECT_EQ(cache.DecodeCount(), afterFirst);
}

TEST_F(Rendered, DealShowsEveryHandAndBothPilesAtTheirPlaces) {
    GameState state = MidHand();
    const QImage table = RenderTableImage(state);
    ASSERT_EQ(table.size(), QSize(240, 268));
    const int bottomX[] = {70, 79, 88, 97, 106, 115};
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(Shows(table, {bottomX[i], 217}, state.hands[0][i], {0, 0, 9, 41})) << i;
    EXPECT_TRUE(ShowsWhole(table, {124, 217}, state.hands[0][6]));
    EXPECT_TRUE(ShowsWhole(table, {115, 10}, 54));  // Top's last back
    EXPECT_TRUE(Shows(table, {79, 10}, 54, {0, 0, 9, 41}));
    EXPECT_TRUE(ShowsWhole(table, {10, 127}, 54));  // Left's last back
    EXPECT_TRUE(Shows(table, {10, 75}, 54, {0, 0, 29, 13}));
    EXPECT_TRUE(ShowsWhole(table, {201, 127}, 54));
    EXPECT_TRUE(Shows(table, {64, 109}, 54, {0, 0, 29, 5}));  // lower back of the stock
    EXPECT_TRUE(ShowsWhole(table, {67, 114}, 54));
    EXPECT_TRUE(Shows(table, {113, 109}, 54, {0, 0, 3, 41}));
    EXPECT_TRUE(ShowsWhole(table, {116, 114}, 30));
    EXPECT_EQ(table.pixel(0, 0), kTable);
    EXPECT_EQ(table.pixel(239, 100), kTable);
}

TEST_F(Rendered, TwelveCardBottomHandKeepsItsFirstRowOnTop) {
    GameState state = MidHand();
    Deal(state, {12, 5, 5, 5});
    const QImage table = RenderTableImage(state);
    EXPECT_TRUE(Shows(table, {56, 217}, state.hands[0][0], {0, 0, 9, 41}));
    EXPECT_TRUE(Shows(table, {56, 197}, state.hands[0][10], {0, 0, 9, 20}));
    EXPECT_TRUE(Shows(table, {65, 197}, state.hands[0][11], {0, 0, 29, 20}));
}

TEST_F(Rendered, TwelveCardRightHandFaceUpKeepsItsFirstColumnOnTop) {
    GameState state = MidHand();
    Deal(state, {5, 5, 5, 12});
    state.trainingMode = 1;
    const QImage table = RenderTableImage(state);
    EXPECT_TRUE(Shows(table, {201, 42}, state.hands[3][0], {0, 0, 29, 13}));
    EXPECT_TRUE(Shows(table, {183, 42}, state.hands[3][10], {0, 0, 18, 13}));
}

TEST_F(Rendered, TwelveCardRightHandFaceDownPutsItsInnerColumnOnTop) {
    GameState state = MidHand();
    Deal(state, {5, 5, 5, 12});
    const QImage table = RenderTableImage(state);
    // Card 10's right part covers card 0's left part.
    EXPECT_TRUE(Shows(table, {183, 42}, 54, {0, 0, 29, 13}));
    EXPECT_TRUE(Shows(table, {212, 42}, 54, {11, 0, 18, 13}));
}

TEST_F(Rendered, StatusLinesAreCrispRedOnTheTableAndNamesBlack) {
    GameState state = MidHand();
    state.statusText[TopSeat] = "Draw Two";
    const QImage table = RenderTableImage(state);
    const Size status = Measure(LabelFont, "Draw Two");
    const QRect cell(154, 10, status.width, status.height);
    EXPECT_EQ(ColoursIn(table, cell), (std::set<QRgb>{kTable, kRed}));
    EXPECT_GT(CountOf(table, cell, kRed), 20);
    EXPECT_EQ(CountOf(table, cell.adjusted(-2, -2, 2, 2), kRed), CountOf(table, cell, kRed));

    const Size name = Measure(LabelFont, "Left");
    const QRect nameCell(10, 75 - 7 - name.height, name.width, name.height);
    EXPECT_EQ(ColoursIn(table, nameCell), (std::set<QRgb>{kTable, kBlack}));
    EXPECT_GT(CountOf(table, nameCell, kBlack), 15);
}

TEST_F(Rendered, NamesInOtherScriptsStillShow) {
    GameState state = MidHand();
    state.playerNames = {"Жанна", "Ζωή", "李雷"};
    const QImage table = RenderTableImage(state);
    for (std::string_view text : {"Жанна", "Ζωή", "李雷"})
        EXPECT_GT(Measure(LabelFont, text).width, 0);
    const Size left = Measure(LabelFont, "Жанна");
    EXPECT_GT(CountOf(table, QRect(10, 57, left.width, 11), kBlack), 15);
    const Size right = Measure(LabelFont, "李雷");
    EXPECT_GT(CountOf(table, QRect(230 - right.width, 57, right.width, 11), kBlack), 5);
}

TEST_F(Rendered, DealerMarkerStandsBesideEachSeatWithoutItsWhite) {
    const QRgb chip = qRgb(220, 0, 0);
    for (Seat dealer = HumanSeat; dealer < SeatCount; ++dealer) {
        GameState state = MidHand();
        state.dealer = dealer;
        const QImage table = RenderTableImage(state);
        const int nameWidth =
            dealer == HumanSeat ? 0 : Measure(LabelFont, state.playerNames[dealer - 1]).width;
        const QPoint at[] = {{58, 251},
                             {10 + nameWidth + 5, 59},
                             {79 - nameWidth - 23, 10},
                             {201 + 29 - nameWidth - 13, 59}};
        const QRect marker(at[dealer], QSize(8, 7));
        EXPECT_EQ(CountOf(table, marker, chip), 12) << "dealer " << dealer;
        EXPECT_EQ(table.pixel(marker.topLeft()), kTable) << "dealer " << dealer;
        EXPECT_EQ(table.pixel(marker.bottomRight()), kTable) << "dealer " << dealer;
    }
}

// A ten-card Top hand with a long name would put the marker left of the table.
TEST_F(Rendered, DealerMarkerStaysWholeOnTheTable) {
    GameState state = MidHand();
    Deal(state, {7, 10, 5, 5});
    state.playerNames = {"Left", "WWWWWWWWWW", "Right"};
    state.dealer = TopSeat;
    ASSERT_GT(Measure(LabelFont, state.playerNames[1]).width, 56 - 23);
    const QImage table = RenderTableImage(state);
    EXPECT_EQ(CountOf(table, table.rect(), qRgb(220, 0, 0)), 12);
    EXPECT_EQ(CountOf(table, QRect(0, 10, 8, 7), qRgb(220, 0, 0)), 12);
}

TEST_F(Rendered, SuitChooserAndCurrentSuitPicture) {
    GameState state = MidHand();
    state.choosingSuit = true;
    state.currentSuit = Diamonds;
    const QImage table = RenderTableImage(state);
    EXPECT_TRUE(ShowsWhole(table, {72, 164}, 146));
    EXPECT_TRUE(ShowsWhole(table, {96, 164}, 147));
    EXPECT_TRUE(ShowsWhole(table, {120, 164}, 148));
    EXPECT_TRUE(ShowsWhole(table, {144, 164}, 145));
    EXPECT_TRUE(ShowsWhole(table, {1, 247}, 154));
}

TEST_F(Rendered, EmptyStockCentresTheDiscardPile) {
    GameState state = MidHand();
    while (!state.deck.Empty()) state.deck.Draw();
    const QImage table = RenderTableImage(state);
    EXPECT_TRUE(ShowsWhole(table, {106, 114}, 30));
    EXPECT_TRUE(Shows(table, {103, 109}, 54, {0, 0, 29, 5}));
    EXPECT_EQ(ColoursIn(table, QRect(64, 109, 32, 46)), std::set<QRgb>{kTable});
}

// A stored back that is no design draws as the Blue back, so the pack never vanishes.
TEST_F(Rendered, MissingBackNumberShowsTheBlueBack) {
    for (int stored : {53, 99}) {
        GameState state = MidHand();
        state.table.cardBackId = stored;
        const QImage table = RenderTableImage(state);
        EXPECT_TRUE(ShowsWhole(table, {115, 10}, 54)) << stored;  // Top's last back
        EXPECT_TRUE(ShowsWhole(table, {67, 114}, 54)) << stored;  // the stock
        EXPECT_TRUE(ShowsWhole(table, {116, 114}, 30)) << stored;
    }
}

TEST_F(Rendered, TitlePictureStandsCentredOnWhite) {
    GameState state;
    TitleArt title;
    const QImage table = RenderTableImage(state, title);
    EXPECT_TRUE(ShowsWhole(table, {55, 69}, 140));
    EXPECT_EQ(ColoursIn(table, QRect(0, 0, 240, 69)), std::set<QRgb>{kWhite});
    EXPECT_EQ(ColoursIn(table, QRect(177, 69, 63, 199)), std::set<QRgb>{kWhite});
    ASSERT_NE(title.Get(), nullptr);
    // The loaded picture survives a cache that forgets everything.
    BitmapCache::Shared().Clear();
    EXPECT_TRUE(RenderTableImage(state, title) == table);
}

TEST_F(Rendered, WinnerScreenShowsTrophyWinnerNameAndSheetOnWhite) {
    GameState state = MidHand();
    state.gameInProgress = false;
    state.betweenGames = state.handOver = true;
    state.playTo = 100;
    state.scores = {40, 20, 105, 0};
    state.gameWinner = TopSeat;
    const QImage table = RenderTableImage(state);
    EXPECT_TRUE(ShowsWhole(table, {107, 10}, 164));
    EXPECT_EQ(table.pixel(0, 0), kWhite);
    const Size winner = Measure(WinnerFont, "Winner");
    const QRect winnerCell(120 - winner.width / 2, 50, winner.width, 15);
    EXPECT_EQ(ColoursIn(table, winnerCell), (std::set<QRgb>{kWhite, 0xFF000064}));
    const Size name = Measure(WinnerFont, "Top");
    EXPECT_GT(CountOf(table, QRect(120 - name.width / 2, 73, name.width, 15), kBlack), 20);
}

// The box and its columns follow the measured widths: bold for the box, normal for
// the columns.
TEST_F(Rendered, ScoreSheetBoxAndColumnsFollowTheMeasuredText) {
    GameState state = MidHand();
    state.playerNames = {"Player1", "Player2", "Player3"};
    state.scores = {125, 40, 0, 7};
    state.showHandScore = true;
    const QImage table = RenderTableImage(state);

    int bold = Measure(ScoreTitleFont, "You").width;
    for (const std::string& n : state.playerNames) bold += Measure(ScoreTitleFont, n).width;
    const int w = bold + 50, h = 3 * Measure(ScoreTitleFont, "Score").height + 70;
    const QRect box(120 - w / 2, 134 - h / 2, w / 2 * 2, h / 2 * 2);
    EXPECT_EQ(ColoursIn(table, QRect(box.left(), box.top(), box.width(), 1)),
              std::set<QRgb>{kBlack});
    EXPECT_EQ(ColoursIn(table, QRect(box.left(), box.bottom(), box.width(), 1)),
              std::set<QRgb>{kBlack});
    EXPECT_EQ(ColoursIn(table, QRect(box.left(), box.top(), 1, box.height())),
              std::set<QRgb>{kBlack});
    EXPECT_EQ(ColoursIn(table, QRect(box.right(), box.top(), 1, box.height())),
              std::set<QRgb>{kBlack});
    EXPECT_EQ(table.pixel(box.left() + 1, box.top() + 1), kWhite);
    EXPECT_EQ(table.pixel(box.left() + 20, box.top() - 1), kTable);

    const Size tap = Measure(LabelFont, "Tap To Continue");
    const QRect tapCell(120 - tap.width / 2, box.bottom() + 1 - tap.height - 3, tap.width, 11);
    const int headerY = box.top() + 11 + 15;
    const int x1 = box.left() + 8 + Measure(LabelFont, "You").width + 16;
    const int x2 = x1 + Measure(LabelFont, "Player1").width + 16;
    for (int lineX : {x1 - 8, x2 - 8})
        EXPECT_EQ(ColoursIn(table, QRect(lineX, headerY, 1, tapCell.top() - headerY)),
                  std::set<QRgb>{kBlack});
    // "40" starts in the Left column, right of its line, under "Player1".
    const int scoreY = headerY + 11 + 13;
    EXPECT_EQ(CountOf(table, QRect(x1 - 7, scoreY, 7, 11), kBlack), 0);
    EXPECT_GT(CountOf(table, QRect(x1, scoreY, Measure(LabelFont, "40").width, 11), kBlack), 10);
    EXPECT_EQ(ColoursIn(table, tapCell), (std::set<QRgb>{kWhite, kRed}));
}

// The score sheet over the table, read back from its pixels: on a row below the
// scores only the two borders and the three rules are black.
struct SheetColumns {
    explicit SheetColumns(const QImage& table) {
        for (int x = 0; x < table.width(); ++x)
            if (table.pixel(x, kBlankRow) == kBlack) lines.push_back(x);
    }
    static constexpr int kBlankRow = 155;    // between the scores and "Tap To Continue"
    static constexpr int kHeadingRow = 109;  // the 11-pixel rows of headings and scores
    static constexpr int kScoreRow = 133;
    std::vector<int> lines;
};

void ExpectEveryColumnShows(const QImage& table) {
    const SheetColumns sheet(table);
    ASSERT_EQ(sheet.lines.size(), 5u) << "both borders and three rules on the table";
    for (std::size_t i = 0; i < 4; ++i) {
        const int from = sheet.lines[i] + 1, to = sheet.lines[i + 1];
        EXPECT_GT(CountOf(table, QRect(from, SheetColumns::kHeadingRow, to - from, 11), kBlack), 5)
            << "heading " << i;
        EXPECT_GT(CountOf(table, QRect(from, SheetColumns::kScoreRow, to - from, 11), kBlack), 5)
            << "score " << i;
        // The score keeps two white pixels before the next rule, which stays whole.
        EXPECT_EQ(ColoursIn(table, QRect(to - 2, SheetColumns::kScoreRow, 2, 11)),
                  std::set<QRgb>{kWhite})
            << "score " << i;
        EXPECT_EQ(ColoursIn(table, QRect(to, SheetColumns::kHeadingRow, 1, 60)),
                  std::set<QRgb>{kBlack})
            << "rule " << i;
    }
}

TEST_F(Rendered, ScoreSheetWithTenWideCharactersANameFitsTheTable) {
    GameState state = MidHand();
    const std::string wide(10, 'W');
    state.playerNames = {wide, wide, wide};
    state.scores = {95, 120, 85, 60};
    state.showHandScore = true;
    ExpectEveryColumnShows(RenderTableImage(state));
}

TEST_F(Rendered, LongScoresUnderOneLetterNamesKeepToTheirColumns) {
    GameState state = MidHand();
    state.playerNames = {"A", "B", "C"};
    state.scores = {12345, -1234, 99999, 12345};
    state.showHandScore = true;
    ExpectEveryColumnShows(RenderTableImage(state));
}

TEST_F(Rendered, SurfacePrimitivesKeepTheirEdges) {
    QtSurface surface(Size{20, 20});
    surface.FillRect({0, 0, 20, 20}, White);
    surface.Rectangle({2, 2, 8, 6}, MakeColor(0, 0, 255));
    surface.Line({10, 1}, {15, 1});
    surface.Line({10, 9}, {10, 3});
    const QImage& image = *surface.OwnImage();
    EXPECT_EQ(image.pixel(2, 2), kBlack);
    EXPECT_EQ(image.pixel(7, 5), kBlack);
    EXPECT_EQ(image.pixel(8, 5), kWhite);
    EXPECT_EQ(image.pixel(3, 3), 0xFF0000FF);
    EXPECT_EQ(CountOf(image, QRect(9, 1, 8, 1), kBlack), 5);
    EXPECT_EQ(image.pixel(15, 1), kWhite);
    EXPECT_EQ(CountOf(image, QRect(10, 2, 1, 10), kBlack), 6);
    EXPECT_EQ(image.pixel(10, 3), kWhite);
    EXPECT_EQ(surface.SetTextColor(StatusRed), Black);
    EXPECT_EQ(surface.SetBackColor(Black), White);
}

}  // namespace
}  // namespace mervane
