#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/dialogs/help_window.h"
#include "app/mervane_app.h"
#include "app/play/qt_platform.h"
#include "app_test_support.h"
#include "cards/rules.h"
#include "game/headless_platform.h"
#include "game/texts.h"
#include "tests/game/game_test_access.h"

inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}

namespace mervane {
namespace {

using testing::AppFixture;

// Ends a hung exec() with 3 after `ms`. The timer dies with the test, so it can never
// end an event loop of a later test in the same process.
std::unique_ptr<QTimer> ExitAfter(int ms) {
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    QObject::connect(timer.get(), &QTimer::timeout, [] { QCoreApplication::exit(3); });
    timer->start(ms);
    return timer;
}

struct CommandStates {
    bool toolbarNewGame;
    bool showScore;
};

CommandStates StatesOf(CMainFrame& frame) {
    return {frame.Command(ID_NEW_GAME_TOOLBAR)->isEnabled(),
            frame.Command(ID_SHOW_SCORE)->isEnabled()};
}

void ExpectAlwaysOn(CMainFrame& frame) {
    for (CommandId id :
         {ID_GAME_SETUP, ID_TABLE_SETUP, ID_NEW_GAME, ID_APP_ABOUT, ID_HELP_CONTENTS, ID_APP_EXIT})
        EXPECT_TRUE(frame.Command(id)->isEnabled()) << id;
}

class WindowTest : public ::testing::Test, public AppFixture {};

TEST_F(WindowTest, StartsOnTheTitlePictureWithDefaults) {
    CMainFrame& frame = Start();
    EXPECT_EQ(frame.windowTitle(), "Mervane");
    const GameState& state = State();
    EXPECT_TRUE(state.showSplash);
    EXPECT_EQ(state.playerNames[0], "Player1");
    EXPECT_EQ(state.playTo, 200);
    EXPECT_EQ(state.computerDelayMs, 1000);
    EXPECT_EQ(state.table.tableColor, DefaultTableColor);
    EXPECT_EQ(state.table.cardBackId, 54);
    // The title picture stands on white, not on the table's green.
    const QImage& frameImage = View().LastFrame();
    ASSERT_EQ(frameImage.size(), QSize(240, 268));
    EXPECT_EQ(frameImage.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_FALSE(QFile::exists(SettingsPath())) << "reading must not write the settings";
}

TEST_F(WindowTest, MenuHoldsItsItemsInOrder) {
    CMainFrame& frame = Start();
    ASSERT_EQ(frame.menuBar()->actions().size(), 3);
    EXPECT_EQ(frame.menuBar()->actions()[0]->menu(), frame.GameMenu());
    EXPECT_EQ(frame.menuBar()->actions()[1]->menu(), frame.PlayMenu());
    EXPECT_EQ(frame.menuBar()->actions()[2]->menu(), frame.ViewMenu());
    EXPECT_EQ(frame.PlayMenu()->title(), "&Play");
    EXPECT_EQ(frame.GameMenu()->title(), "&Mervane");
    QStringList texts;
    for (QAction* action : frame.GameMenu()->actions())
        texts << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(texts, QStringList({"&Game Setup", "&Table Setup ", "-", "&New Game", "&Show Score",
                                  "-", "&About Mervane...", "Help...", "-", "E&xit"}));
    ASSERT_EQ(frame.CommandBar()->actions().size(), 1);
    EXPECT_EQ(frame.CommandBar()->actions()[0]->toolTip(), "New Game");
}

TEST_F(WindowTest, CommandStatesFollowEachPhase) {
    WriteSettingsFile("[Settings]\nPLAYTO=500\n");
    CMainFrame& frame = Start();
    ExpectAlwaysOn(frame);
    EXPECT_TRUE(StatesOf(frame).toolbarNewGame);
    EXPECT_FALSE(StatesOf(frame).showScore);

    // Seen from inside the chain, at the first pause of the deal.
    View().Platform().SetPauseScale(0.01);
    std::optional<CommandStates> whileDealing;
    QTimer::singleShot(1, &frame, [&] { whileDealing = StatesOf(frame); });
    Trigger(ID_NEW_GAME_TOOLBAR);
    View().Platform().SetPauseScale(0);
    ASSERT_TRUE(whileDealing.has_value());
    EXPECT_FALSE(whileDealing->toolbarNewGame);
    EXPECT_TRUE(whileDealing->showScore);

    ASSERT_TRUE(PlayOutHand());
    EXPECT_TRUE(State().gameInProgress);
    EXPECT_FALSE(StatesOf(frame).toolbarNewGame);
    EXPECT_TRUE(StatesOf(frame).showScore) << "the sheet of a hand still belongs to the game";
    ExpectAlwaysOn(frame);
}

TEST_F(WindowTest, WinnerScreenOffersTheToolbarAgain) {
    WriteSettingsFile("[Settings]\nPLAYTO=1\n");
    CMainFrame& frame = Start();
    Trigger(ID_NEW_GAME_TOOLBAR);
    ASSERT_TRUE(PlayOutHand());
    EXPECT_FALSE(State().gameInProgress);
    EXPECT_TRUE(State().betweenGames);
    EXPECT_TRUE(StatesOf(frame).toolbarNewGame);
    EXPECT_FALSE(StatesOf(frame).showScore);
    ExpectAlwaysOn(frame);
    // The menu's New Game asks nothing on the winner screen. (The hand that the
    // clock deals may have ended in a dead round, whose message comes before.)
    messages.shown.clear();
    Trigger(ID_NEW_GAME);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(" | ").toStdString();
    EXPECT_TRUE(State().gameInProgress);
    EXPECT_EQ(State().scores, (std::array<std::int32_t, 4>{}));
}

TEST_F(WindowTest, ToolbarNewGameDealsAndThenIgnoresItself) {
    CMainFrame& frame = Start();
    frame.CommandBar()->actions()[0]->trigger();
    EXPECT_FALSE(State().showSplash);
    EXPECT_TRUE(State().gameInProgress);
    EXPECT_EQ(View().Game().HandsDealt(), 1);
    frame.CommandBar()->actions()[0]->trigger();  // disabled: a triggered action does nothing
    EXPECT_EQ(View().Game().HandsDealt(), 1);
}

TEST_F(WindowTest, MenuNewGameAsksAndNoLeavesTheHandAsItWas) {
    Start();
    Trigger(ID_NEW_GAME_TOOLBAR);
    ASSERT_TRUE(State().humanTurn);
    const auto hand = State().hands[0];
    const Card top = State().topCard;
    messages.answers = {false};
    Trigger(ID_NEW_GAME);
    EXPECT_EQ(messages.shown, QStringList{"Are you sure you want to quit current game?"});
    EXPECT_EQ(View().Game().HandsDealt(), 1);
    EXPECT_EQ(State().topCard, top);
    EXPECT_EQ(State().hands[0].Count(), hand.Count());
    EXPECT_TRUE(State().humanTurn);

    messages.answers = {true};
    GameTestAccess::State(View().Game()).scores[0] = 77;
    Trigger(ID_NEW_GAME);
    EXPECT_EQ(View().Game().HandsDealt(), 2);
    EXPECT_EQ(State().scores[0], 0);
    EXPECT_TRUE(State().gameInProgress);
}

// Plays a legal card by tapping it at the given zoom; the card must leave the hand.
void PlaysACardByTapping(AppFixture& app, int zoom) {
    app.Start();
    app.Frame().SetZoom(zoom);
    ASSERT_EQ(app.View().width(), 240 * zoom);
    app.Trigger(ID_NEW_GAME_TOOLBAR);
    const GameState& state = app.State();
    // Draw until a legal card is in hand; a tap on the pack draws one card.
    while (!HasLegalPlay(state.hands[0], RankOf(state.topCard), state.currentSuit) &&
           !state.deck.Empty()) {
        const int before = state.hands[0].Count();
        app.TapTable(app.DrawPilePoint());
        ASSERT_EQ(state.hands[0].Count(), before + 1);
    }
    ASSERT_TRUE(state.humanTurn);
    int index = 0;
    while (!IsLegalPlay(state.hands[0].At(index), state.topCard, state.currentSuit)) ++index;
    const Card card = state.hands[0].At(index);
    const Point tap = app.HandCardPoint(index);
    ASSERT_EQ(state.table.HitHandCard(tap, state.hands[0].Count()), index);
    app.TapTable(tap);
    EXPECT_FALSE(state.hands[0].Contains(card)) << "zoom " << zoom;
}

TEST_F(WindowTest, TapOnACardPlaysItAtOneTimes) {
    PlaysACardByTapping(*this, 1);
}
TEST_F(WindowTest, TapOnACardPlaysItAtThreeTimes) {
    PlaysACardByTapping(*this, 3);
}

TEST_F(WindowTest, TapsMapToTablePixelsByDivision) {
    Start();
    Frame().SetZoom(3);
    EXPECT_EQ(View().ToTable(QPointF(5, 5)), (Point{1, 1}));
    EXPECT_EQ(View().ToTable(QPointF(719.9, 803.9)), (Point{239, 267}));
    EXPECT_EQ(View().ToTable(QPointF(3, 2.99)), (Point{1, 0}));
}

TEST_F(WindowTest, ZoomKeysResizeTheWindowAndAreRemembered) {
    CMainFrame& frame = Start();
    frame.SetZoom(1);
    const QSize small = frame.size();
    QTest::keyClick(&frame, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(View().Zoom(), 2);
    QApplication::processEvents();
    EXPECT_GT(frame.size().width(), small.width() + 200);
    QTest::keyClick(&frame, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(&frame, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(View().Zoom(), 1) << "never below 1x";
    for (int i = 0; i < 8; ++i) QTest::keyClick(&frame, Qt::Key_Plus, Qt::ControlModifier);
    const int fits = CMainFrame::FittingZoom(MaxZoom, frame.frameGeometry().size() - View().size(),
                                             frame.screen()->availableSize());
    ASSERT_GE(fits, 2);
    EXPECT_EQ(View().Zoom(), fits) << "never beyond the screen";
    EXPECT_EQ(View().size(), QSize(240, 268) * fits);
    QTest::keyClick(&frame, Qt::Key_Minus, Qt::ControlModifier);
    frame.close();
    EXPECT_FALSE(QFile::exists(SettingsPath())) << "window state is not a setting";
    EXPECT_EQ(QSettings(frame.WindowState().FilePath(), QSettings::IniFormat)
                  .value("Window/ZOOM")
                  .toInt(),
              fits - 1);
    Start();
    EXPECT_EQ(View().Zoom(), fits - 1);
    EXPECT_EQ(View().size(), QSize(240, 268) * (fits - 1));
}

TEST_F(WindowTest, TableIsShownWithCrispPixels) {
    Start();
    Trigger(ID_NEW_GAME_TOOLBAR);
    Frame().SetZoom(3);
    const QImage shown = View().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& table = View().LastFrame();
    int mismatches = 0;
    for (int y = 0; y < 268; y += 7)
        for (int x = 0; x < 240; x += 5)
            for (int d = 0; d < 3; ++d)
                mismatches += shown.pixel(x * 3 + d, y * 3 + 2 - d) != table.pixel(x, y);
    EXPECT_EQ(mismatches, 0);
}

TEST_F(WindowTest, TapDuringTheComputersPausesIsIgnored) {
    WriteSettingsFile("[Settings]\nPLAYSPEED=2\n");
    Start();
    View().Platform().SetPauseScale(0.05);
    // The first hand is dealt by Left and opened by Top: tap the pack while Top thinks.
    bool tapped = false;
    std::size_t queuedAfterTap = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (tapped || State().statusText[TopSeat] != text::Thinking) return;
        tapped = true;
        TapTable(DrawPilePoint());
        queuedAfterTap = View().QueuedInputs();
    });
    poll.start(1);
    Trigger(ID_NEW_GAME_TOOLBAR);
    poll.stop();
    ASSERT_TRUE(tapped);
    EXPECT_EQ(queuedAfterTap, 1u) << "the view holds the tap back while the computer plays";
    EXPECT_EQ(View().QueuedInputs(), 0u);
    ASSERT_TRUE(State().humanTurn);
    EXPECT_EQ(State().hands[0].Count(), 5) << "the tap must not have drawn a card";
}

TEST_F(WindowTest, CommandsDuringAChainWaitForItsEnd) {
    Start();
    View().Platform().SetPauseScale(0.01);
    bool askedInsideChain = false;
    QTimer::singleShot(2, &Frame(), [&] {
        ASSERT_TRUE(View().Game().Busy());
        Trigger(ID_NEW_GAME);  // would ask and restart if it ran now
        askedInsideChain = !messages.shown.isEmpty();
    });
    messages.answers = {false};
    Trigger(ID_NEW_GAME_TOOLBAR);
    EXPECT_FALSE(askedInsideChain);
    EXPECT_EQ(messages.shown, QStringList{"Are you sure you want to quit current game?"});
    EXPECT_EQ(View().Game().HandsDealt(), 1);
}

// The dead-round box is waited on as a pause is: the chain is suspended while it is
// open (no loop of the box's own runs inside it), the window paints and timers fire,
// and its OK resumes the chain with the next hand; nothing is traced meanwhile.
TEST_F(WindowTest, DeadRoundBoxSuspendsTheChainUntilAnswered) {
    Start();
    Trigger(ID_NEW_GAME_TOOLBAR);
    ASSERT_TRUE(State().humanTurn);
    MervaneGame& game = View().Game();
    const int handsBefore = game.HandsDealt();
    Frame().Messages().SetAnswerer({});  // the real box
    std::vector<std::string> trace;
    HeadlessPlatform observer;
    observer.SetLineSink([&trace](std::string_view line) { trace.emplace_back(line); });
    game.AddObserver(&observer);

    // Answers a box that blocks the start of the chain, so that a fault fails, not hangs.
    bool answeredInsideChain = false;
    bool chainStarted = false;
    testing::WhenShown<QMessageBox>(Frame(), [&](QMessageBox& box) {
        answeredInsideChain = !chainStarted;
        if (answeredInsideChain) box.button(QMessageBox::Ok)->click();
    });
    GameTestAccess::State(game).passCount = 5;
    GameTestAccess::ComputerTurn(game, 1);
    chainStarted = true;
    EXPECT_FALSE(answeredInsideChain) << "the box ran a loop of its own inside the chain";

    QMessageBox* box = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        for (QMessageBox* shown : Frame().findChildren<QMessageBox*>())
            if (shown->isVisible()) box = shown;
        return box != nullptr;
    }));
    EXPECT_EQ(box->text(), QString::fromUtf8(text::DeadRound.data(),
                                             static_cast<qsizetype>(text::DeadRound.size())));
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(game.Busy());
    const int paints = View().PaintCount();
    View().update();
    bool timerFired = false;
    QTimer::singleShot(20, &Frame(), [&timerFired] { timerFired = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return timerFired && View().PaintCount() > paints; }));
    EXPECT_TRUE(trace.empty()) << trace.front();
    EXPECT_EQ(game.HandsDealt(), handsBefore);

    box->button(QMessageBox::Ok)->click();
    testing::WaitWhileBusy(View());
    game.RemoveObserver(&observer);
    EXPECT_EQ(game.HandsDealt(), handsBefore + 1);
    ASSERT_FALSE(trace.empty());
    EXPECT_EQ(trace[0], "dead");
    EXPECT_TRUE(std::any_of(trace.begin(), trace.end(),
                            [](const std::string& line) { return line.starts_with("hand "); }));
    EXPECT_TRUE(State().humanTurn) << "the next hand plays to the human's turn";
}

TEST_F(WindowTest, HelpAndF1OpenTheContents) {
    CMainFrame& frame = Start();
    Trigger(ID_HELP_CONTENTS);
    HelpWindow* help = frame.Help().Window();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    EXPECT_EQ(help->CurrentAnchor(), "Main_Contents");
    EXPECT_TRUE(help->Browser()->toPlainText().contains("Eights are wild"));
    help->close();
    QTest::keyClick(&frame, Qt::Key_F1);
    EXPECT_TRUE(help->isVisible());
}

// Help asked for during the deal's chain of turns opens once the chain is over.
void HelpWaitsForTheChain(AppFixture& app, const std::function<void()>& askForHelp) {
    CMainFrame& frame = app.Start();
    app.View().Platform().SetPauseScale(0.01);
    bool openInsideChain = true;
    std::size_t queued = 0;
    QTimer::singleShot(2, &frame, [&] {
        ASSERT_TRUE(app.View().Busy());
        askForHelp();
        openInsideChain = frame.Help().Window() && frame.Help().Window()->isVisible();
        queued = app.View().QueuedInputs();
    });
    app.Trigger(ID_NEW_GAME_TOOLBAR);
    app.View().Platform().SetPauseScale(0);
    EXPECT_FALSE(openInsideChain);
    EXPECT_EQ(queued, 1u);
    EXPECT_TRUE(app.State().humanTurn) << "the chain has run to the human's turn";
    ASSERT_NE(frame.Help().Window(), nullptr);
    EXPECT_TRUE(frame.Help().Window()->isVisible());
    EXPECT_EQ(frame.Help().Window()->CurrentAnchor(), "Main_Contents");
    frame.Help().Close();
}

TEST_F(WindowTest, HelpCommandDuringAChainWaitsForItsEnd) {
    HelpWaitsForTheChain(*this, [this] { Trigger(ID_HELP_CONTENTS); });
}

TEST_F(WindowTest, F1DuringAChainWaitsForItsEnd) {
    HelpWaitsForTheChain(*this, [this] { QTest::keyClick(&Frame(), Qt::Key_F1); });
}

// The help window is the program's: the main window's icon, and Escape closes it.
TEST_F(WindowTest, HelpWindowCarriesTheIconAndClosesOnEscape) {
    CMainFrame& frame = Start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));  // no late activation to come
    Trigger(ID_HELP_CONTENTS);
    HelpWindow* help = frame.Help().Window();
    ASSERT_NE(help, nullptr);
    ASSERT_FALSE(frame.windowIcon().isNull());
    for (int size : {16, 32})
        EXPECT_EQ(help->windowIcon().pixmap(size).toImage(),
                  frame.windowIcon().pixmap(size).toImage())
            << size;
    help->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    help->Browser()->setFocus();
    QTest::keyClick(help->Browser(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    EXPECT_TRUE(frame.isVisible()) << "only the help closes";
    Trigger(ID_HELP_CONTENTS);
    EXPECT_TRUE(help->isVisible()) << "and it opens again";
    frame.Help().Close();
}

// The help window opens centred on the main window, about 60 % as wide and 80 % as
// high, on the screen (the test screen is 800 x 600).
TEST_F(WindowTest, HelpOpensCentredOnTheWindowAtItsShare) {
    CMainFrame& frame = Start();
    frame.ShowLog(true);
    frame.SetZoom(1);
    const QRect room = frame.screen()->availableGeometry();
    frame.showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame.frameGeometry() == room; }));
    Trigger(ID_HELP_CONTENTS);
    const QRect window = frame.frameGeometry();
    const QRect help = frame.Help().Window()->frameGeometry();
    EXPECT_LE((help.center() - window.center()).manhattanLength(), 2);
    EXPECT_NEAR(help.width(), window.width() * 0.6, 2);
    EXPECT_NEAR(help.height(), window.height() * 0.8, 2);
    EXPECT_TRUE(room.contains(help));
    frame.Help().Close();
}

// Where the frame goes for a main window's frame: centred, at its share, never
// smaller than a page can be read in nor beyond the screen's available area.
TEST(HelpPlacement, CentredAtItsShareWithinTheScreen) {
    const QRect room(0, 30, 1280, 994);  // a panel across the top
    struct Case {
        const char* what;
        QRect window;
        QRect help;
    };
    const Case cases[] = {
        {"maximised", room, {256, 129, 768, 795}},
        {"in the middle", {240, 212, 800, 600}, {400, 272, 480, 480}},
        {"small: the least size", {100, 100, 400, 300}, {90, 70, 420, 360}},
        {"half off the left edge", {-300, 200, 800, 600}, {0, 260, 480, 480}},
        {"below the bottom", {200, 800, 800, 600}, {360, 544, 480, 480}},
        {"larger than the screen", {-100, -100, 2000, 1500}, {80, 30, 1200, 994}},
    };
    for (const Case& c : cases) EXPECT_EQ(HelpFrameFor(c.window, room), c.help) << c.what;
}

TEST_F(WindowTest, ExitClosesWithoutAsking) {
    CMainFrame& frame = Start();
    Trigger(ID_NEW_GAME_TOOLBAR);
    Trigger(ID_APP_EXIT);
    EXPECT_FALSE(frame.isVisible());
    EXPECT_TRUE(messages.shown.isEmpty());
}

// The real program: closing the window in the middle of a chain at "Slow" ends
// exec() within a second, asking nothing.
TEST(ProgramTest, ClosingDuringASlowChainEndsPromptly) {
    QTemporaryDir dir;
    const QString path = dir.filePath("mervane.ini");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nPLAYSPEED=0\n");
    file.close();
    qputenv("MERVANE_SETTINGS_FILE", path.toUtf8());
    testing::MessageRecorder messages;
    CMervaneApp app;
    ASSERT_TRUE(app.InitInstance());
    messages.Attach(app.MainFrame()->Messages());
    CMainFrame* frame = app.MainFrame();
    QElapsedTimer sinceClose;
    QTimer::singleShot(50, frame, [frame] { frame->Command(ID_NEW_GAME_TOOLBAR)->trigger(); });
    QTimer::singleShot(1500, frame, [&] {
        EXPECT_TRUE(frame->View()->Game().Busy());
        sinceClose.start();
        frame->close();
    });
    const auto hungChain = ExitAfter(10000);
    const int result = QApplication::exec();
    EXPECT_EQ(result, 0);
    EXPECT_LT(sinceClose.elapsed(), 1000);
    EXPECT_TRUE(messages.shown.isEmpty());
    qunsetenv("MERVANE_SETTINGS_FILE");
}

TEST(ProgramTest, ClosingInsideADialogEndsPromptly) {
    QTemporaryDir dir;
    qputenv("MERVANE_SETTINGS_FILE", dir.filePath("mervane.ini").toUtf8());
    CMervaneApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame* frame = app.MainFrame();
    QTimer::singleShot(50, frame, [frame] { frame->Command(ID_TABLE_SETUP)->trigger(); });
    QTimer::singleShot(300, frame, [frame] { frame->Command(ID_APP_EXIT)->trigger(); });
    const auto hung = ExitAfter(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(QSettings(dir.filePath("mervane.ini"), QSettings::IniFormat)
                     .contains("Settings/TABLECOLOR"));
    qunsetenv("MERVANE_SETTINGS_FILE");
}

}  // namespace
}  // namespace mervane
