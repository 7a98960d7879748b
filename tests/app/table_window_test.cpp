// The resizable window: the table fitted and centred at any size, full screen, the
// zoom keys' whole factors, and the View menu's looks and card faces.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include "app/mervane_app.h"
#include "app_test_support.h"
#include "cards/rules.h"
#include "render/sharp_surface.h"
#include "tests/game/game_test_access.h"

namespace mervane {
namespace {

using testing::AppFixture;

class TableWindowTest : public ::testing::Test, public AppFixture {
  protected:
    // The view at exactly `size`, the window around it.
    void ResizeView(QSize size) {
        Frame().resize(Frame().size() - View().size() + size);
        QApplication::processEvents();
        ASSERT_EQ(View().size(), size);
    }
    QImage Shown() { return View().grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QColor TableColour() const {
        const Color c = State().table.tableColor;
        return QColor(RedOf(c), GreenOf(c), BlueOf(c));
    }
    // Plays one legal card, drawing first if need be, by taps where the look shows the cards.
    void PlayACardByTapping() {
        Trigger(ID_NEW_GAME_TOOLBAR);
        const GameState& state = State();
        while (!HasLegalPlay(state.hands[0], RankOf(state.topCard), state.currentSuit) &&
               !state.deck.Empty()) {
            const int before = state.hands[0].Count();
            TapPack();
            ASSERT_EQ(state.hands[0].Count(), before + 1);
        }
        int index = 0;
        while (!IsLegalPlay(state.hands[0].At(index), state.topCard, state.currentSuit)) ++index;
        const Card card = state.hands[0].At(index);
        TapHandCard(index);
        EXPECT_FALSE(state.hands[0].Contains(card));
    }
};

TEST_F(TableWindowTest, ClassicTakesTheLargestWholeFactorCentredWithTheMarginInTheTableColour) {
    Start();
    Trigger(ID_NEW_GAME_TOOLBAR);
    ResizeView({900, 700});  // 3.75 across, 2.61 down
    const TableViewport viewport = View().Viewport();
    EXPECT_EQ(viewport.scale, 2);
    EXPECT_EQ(viewport.left, 210);
    EXPECT_EQ(viewport.top, 82);
    EXPECT_EQ(View().Zoom(), 2);
    const QImage shown = Shown();
    for (QPoint corner : {QPoint(0, 0), QPoint(899, 699), QPoint(209, 350), QPoint(690, 81)})
        EXPECT_EQ(shown.pixelColor(corner), TableColour()) << corner.x() << "," << corner.y();
    // Every table pixel a 2 x 2 block at the viewport's corner.
    const QImage& table = View().LastFrame();
    int mismatches = 0;
    for (int y = 0; y < 268; y += 5)
        for (int x = 0; x < 240; x += 3)
            mismatches += shown.pixel(210 + 2 * x + (y & 1), 82 + 2 * y + 1) != table.pixel(x, y);
    EXPECT_EQ(mismatches, 0);
}

TEST_F(TableWindowTest, SharpFillsTheWindowAtAnyScaleAndTapsStillHit) {
    startLook = TableLook::Sharp;
    Start();
    ResizeView({517, 611});
    const TableViewport viewport = View().Viewport();
    const double ratio = View().devicePixelRatioF();
    EXPECT_NEAR(viewport.scale, 517.0 / 240, 1e-9) << "the width limits";
    EXPECT_EQ(viewport.left, 0);
    EXPECT_EQ(viewport.top, std::floor((611 - 268 * viewport.scale) / 2 * ratio) / ratio)
        << "centred, on a device pixel";
    PlayACardByTapping();
}

// Every device pixel across and down the table maps back to the table pixel that the
// Sharp surface paints on it, at this process's device pixel ratio (ctest runs these
// cases at 1 and at 2).
TEST_F(TableWindowTest, EachDevicePixelMapsToTheTablePixelPaintedOnIt) {
    startLook = TableLook::Sharp;
    Start();
    for (QSize size : {QSize(360, 402), QSize(540, 700), QSize(888, 991)}) {
        ResizeView(size);
        const TableViewport viewport = View().Viewport();
        const double ratio = View().devicePixelRatioF();
        QImage device(size * ratio, QImage::Format_RGB32);
        device.setDevicePixelRatio(ratio);
        SharpSurface painted(device, {240, 268}, QPointF(viewport.left, viewport.top),
                             viewport.scale, nullptr);
        int wrong = 0;
        for (int unit = 0; unit < 240; ++unit) {
            const QRect cell = painted.DeviceRect({unit, unit, unit + 1, unit + 1});
            for (int x = cell.left(); x <= cell.right(); ++x)
                wrong += View().ToTable(QPointF(x / ratio, cell.top() / ratio)).x != unit;
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                wrong += View().ToTable(QPointF(cell.left() / ratio, y / ratio)).y != unit;
        }
        EXPECT_EQ(wrong, 0) << size.width() << "x" << size.height() << " at ratio " << ratio;
    }
}

TEST_F(TableWindowTest, SharpShowsTheTitleAndTheTableWithSmoothEdges) {
    startLook = TableLook::Sharp;
    Start();
    ResizeView({960, 1072});
    QImage shown = Shown();
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(Qt::white)) << "the title's white";
    Trigger(ID_NEW_GAME_TOOLBAR);
    shown = Shown();
    // The first card of the hand, well inside the part no other card covers.
    const Point corner = State().table.CardPos(Bottom, 0);
    const int k = static_cast<int>(4 * View().devicePixelRatioF());  // device pixels a unit
    QSet<QRgb> colours;
    for (int y = 0; y < 40 * k; ++y)
        for (int x = 0; x < 10 * k; ++x)
            colours.insert(shown.pixel(corner.x * k + x, corner.y * k + y));
    EXPECT_GT(colours.size(), 12) << "antialiased, not a few flat bitmap colours";
}

TEST_F(TableWindowTest, TheWindowNeverHoldsLessThanTheTableAtOneTimes) {
    Start();
    Frame().resize(100, 100);
    QApplication::processEvents();
    EXPECT_GE(View().width(), 240);
    EXPECT_GE(View().height(), 268);
}

TEST_F(TableWindowTest, ZoomKeysStepFromAnyFreeSizeToWholeFactors) {
    Start();
    ResizeView({400, 500});  // 1.67 x 1.87: the table is shown at 1x
    QTest::keyClick(&Frame(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(View().size(), QSize(480, 536));
    ResizeView({600, 700});  // 2.5 x 2.6
    QTest::keyClick(&Frame(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(View().size(), QSize(240, 268));
}

TEST_F(TableWindowTest, F11EntersAndLeavesFullScreenAndEscapeLeavesIt) {
    Start();
    const QSize before = View().size();
    QTest::keyClick(&Frame(), Qt::Key_Escape);
    EXPECT_FALSE(Frame().isFullScreen()) << "Escape does nothing in a window";
    QTest::keyClick(&Frame(), Qt::Key_F11);
    EXPECT_TRUE(Frame().isFullScreen());
    EXPECT_TRUE(Frame().FullScreenAction()->isChecked());
    QTest::keyClick(&Frame(), Qt::Key_Escape);
    EXPECT_FALSE(Frame().isFullScreen());
    EXPECT_FALSE(Frame().FullScreenAction()->isChecked());
    QTest::keyClick(&Frame(), Qt::Key_F11);
    QTest::keyClick(&Frame(), Qt::Key_F11);
    EXPECT_FALSE(Frame().isFullScreen());
    QApplication::processEvents();
    EXPECT_EQ(View().size(), before);
}

TEST_F(TableWindowTest, AFreeSizeAndMaximisedAreRemembered) {
    Start();
    ResizeView({555, 640});
    Frame().close();
    Start();
    EXPECT_EQ(View().size(), QSize(555, 640));
    Frame().showMaximized();
    QApplication::processEvents();
    Frame().close();
    Start();
    EXPECT_TRUE(Frame().isMaximized());
    Frame().showNormal();
    QApplication::processEvents();
    EXPECT_EQ(View().size(), QSize(555, 640)) << "the size it goes back to";
}

TEST_F(TableWindowTest, ANewUserGetsSharpAndTheChosenLookIsRemembered) {
    storedLook = true;
    Start();
    EXPECT_EQ(View().Look(), TableLook::Sharp);
    EXPECT_TRUE(Frame().LookAction(TableLook::Sharp)->isChecked());
    EXPECT_TRUE(Frame().FacesMenu()->isEnabled());
    Frame().LookAction(TableLook::Classic)->trigger();
    EXPECT_EQ(View().Look(), TableLook::Classic);
    EXPECT_FALSE(Frame().FacesMenu()->isEnabled()) << "classic faces only in Classic";
    const QString statePath = Frame().WindowState().FilePath();
    Frame().close();
    EXPECT_EQ(QSettings(statePath, QSettings::IniFormat).value("View/LOOK").toString(), "Classic");
    EXPECT_FALSE(QFile::exists(SettingsPath())) << "a view choice is not a setting";
    Start();
    EXPECT_EQ(View().Look(), TableLook::Classic);
    EXPECT_TRUE(Frame().LookAction(TableLook::Classic)->isChecked());
}

TEST_F(TableWindowTest, CardFacesListsTheInstalledDecksAndClassic) {
    storedLook = true;
    Start();
    emit Frame().FacesMenu()->aboutToShow();
    const QList<QAction*> items = Frame().FacesMenu()->actions();
    ASSERT_FALSE(items.isEmpty());
    EXPECT_EQ(items.back()->text(), "Classic");
    const auto& decks = View().FaceSource().Decks();
    if (decks.empty()) {
        EXPECT_TRUE(items.back()->isChecked()) << "with no deck the faces are the classic ones";
        GTEST_SKIP() << "no card decks installed";
    }
    ASSERT_EQ(items.size(), static_cast<qsizetype>(decks.size()) + 2);  // and a separator
    int checked = 0;
    for (QAction* item : items) checked += item->isChecked();
    EXPECT_EQ(checked, 1);
    items.back()->trigger();
    EXPECT_EQ(View().Faces(), ViewChoice::ClassicFaces);
    EXPECT_EQ(View().ActiveFaces(), nullptr);
    items.front()->trigger();
    EXPECT_EQ(View().Faces(), decks.front().id);
    ASSERT_NE(View().ActiveFaces(), nullptr);
    const QString statePath = Frame().WindowState().FilePath();
    Frame().close();
    EXPECT_EQ(QSettings(statePath, QSettings::IniFormat).value("View/FACES").toString(),
              decks.front().id);
}

TEST_F(TableWindowTest, TheDeckIsParsedAfterTheFirstPaintAndThenShown) {
    startLook = TableLook::Sharp;
    Start();
    if (View().FaceSource().Decks().empty()) GTEST_SKIP() << "no card decks installed";
    ASSERT_TRUE(QTest::qWaitFor([this] { return View().ActiveFaces() != nullptr; }, 5000));
    CardFaceRenderer* faces = View().ActiveFaces();
    QSignalSpy parsed(&View().FaceSource(), &CardFaceSource::parsed);
    if (!faces->Parsed()) {
        ASSERT_TRUE(parsed.wait(10000));
    }
    EXPECT_TRUE(faces->Parsed());
    EXPECT_EQ(faces->ParseCount(), 1);
    const int before = faces->RenderCount();
    Trigger(ID_NEW_GAME_TOOLBAR);
    (void)Shown();
    // Drawn on the worker, after which the window shows them.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !View().FaceSource().Busy() && !faces->HasWanted(); }, 10000));
    EXPECT_GT(faces->RenderCount(), before) << "the hand's faces come from the deck";
    const int after = faces->RenderCount();
    (void)Shown();
    EXPECT_FALSE(faces->HasWanted());
    EXPECT_EQ(faces->RenderCount(), after) << "a repaint renders nothing again";
}

}  // namespace
}  // namespace mervane
