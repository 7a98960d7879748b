#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include "app/frame/main_frame.h"
#include "app/frame/move_log_panel.h"
#include "app/stores/saved_game_store.h"
#include "app/stores/statistics.h"
#include "app_test_support.h"
#include "tests/game/game_test_access.h"

namespace mervane {
namespace {

using testing::AppFixture;

class ResumeAppTest : public ::testing::Test, public AppFixture {
  protected:
    QString GamePath() {
        return SavedGameStore::BesideWindowState(Frame().WindowState().FilePath());
    }
    QStringList LogLines() {
        QStringList lines;
        const QListWidget* list = Frame().LogPanel()->List();
        for (int row = 0; row < list->count(); ++row) lines << list->item(row)->text();
        return lines;
    }
    const RuleSetStatistics& Counted() {
        return Frame().Statistics().Current().Of(Level::Normal, 0);
    }
};

// Closed in the middle of the second hand, the game comes back at the next start as it
// stood, with its log and its sheet; it is one game, counted once when dealt and once
// when it ends under the level it was dealt at, and its file goes with it.
TEST_F(ResumeAppTest, AGameClosedMidHandComesBackWithItsLogSheetAndCount) {
    Start();
    Trigger(ID_NEW_GAME_TOOLBAR);
    Frame().LevelAction(Level::Hard)->trigger();  // from the second hand on
    ASSERT_TRUE(PlayOutHand());
    QTest::qWait(1);
    // Put away at the sheet already, should the program never close.
    const SavedGameStore::Loaded atSheet = SavedGameStore(GamePath()).Load();
    ASSERT_TRUE(atSheet.game);
    EXPECT_EQ(atSheet.game->at, SavedGame::At::HandOver);
    QStringList savedLog;
    for (const std::string& line : atSheet.game->log) savedLog << QString::fromStdString(line);
    EXPECT_EQ(savedLog, LogLines());
    EXPECT_EQ(atSheet.game->sheet, Frame().Host().History().Hands());
    TapTable({10, 10});  // the next hand
    ASSERT_TRUE(PlayHumanMove());
    QSignalSpy announced(Frame().LogPanel(), &MoveLogPanel::lineAdded);
    Frame().UndoAction()->trigger();
    testing::WaitWhileBusy(View());
    EXPECT_EQ(announced.count(), 0) << "lines taken back are not news";
    ASSERT_TRUE(PlayHumanMove());
    ASSERT_TRUE(State().humanTurn);
    const GameState before = State();
    const QStringList log = LogLines();
    const std::vector<HandScore> sheet = Frame().Host().History().Hands();
    ASSERT_FALSE(sheet.empty());
    Frame().close();
    ASSERT_TRUE(QFile::exists(GamePath()));

    Start();
    EXPECT_EQ(State().hands, before.hands);
    EXPECT_EQ(State().topCard, before.topCard);
    EXPECT_EQ(State().scores, before.scores);
    EXPECT_EQ(State().dealer, before.dealer);
    EXPECT_TRUE(State().humanTurn);
    EXPECT_EQ(LogLines(), log);
    EXPECT_EQ(Frame().Host().History().Hands(), sheet);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
    EXPECT_EQ(Counted().played, 1) << "a game taken up is not dealt again";
    EXPECT_TRUE(Frame().RestartDealAction()->isEnabled());
    ASSERT_TRUE(PlayHumanMove());
    Frame().UndoAction()->trigger();
    testing::WaitWhileBusy(View());
    EXPECT_EQ(Counted().undos, 2);
    EXPECT_EQ(Counted().undoGames, 1) << "one game, whatever the break";

    GameTestAccess::State(View().Game()).playTo = 1;
    for (int hands = 0; hands < 20 && State().gameInProgress; ++hands) {
        ASSERT_TRUE(PlayOutHand());
        if (State().gameInProgress) TapTable({10, 10});
    }
    ASSERT_FALSE(State().gameInProgress);
    EXPECT_EQ(Counted().played, 1);
    EXPECT_EQ(Counted().finished, 1) << "counted under the level it was dealt at";
    EXPECT_EQ(Frame().Statistics().Current().Of(Level::Hard, 0), RuleSetStatistics{});
    EXPECT_FALSE(QFile::exists(GamePath())) << "a game over is not taken up again";
}

// A file that cannot be taken up is put aside, told once, and the title shows: never a
// half-restored table.
TEST_F(ResumeAppTest, AFileThatCannotBeTakenUpIsPutAsideWithOneMessage) {
    Start();
    Trigger(ID_NEW_GAME_TOOLBAR);
    Frame().close();
    QFile saved(GamePath());
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray good = saved.readAll();
    saved.close();
    const auto replaced = [&good](const QByteArray& key, const QByteArray& line) {
        const qsizetype at = good.indexOf("\n" + key + " ") + 1;
        return good.left(at) + line + good.mid(good.indexOf('\n', at));
    };
    const QByteArray handCard = good.mid(good.indexOf("\nhand 0 ") + 8).split(' ').first();
    const struct {
        const char* what;
        QByteArray text;
    } cases[] = {
        {"empty", ""},
        {"not text", QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)},
        {"another version", "mervane saved game 2" + good.mid(good.indexOf('\n'))},
        {"cut short", good.left(good.size() - 10)},
        {"a card twice", replaced("starter", "starter " + handCard)},
        {"a dealer that does not exist", replaced("dealer", "dealer 7")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile file(GamePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.text);
        file.close();
        messages.shown.clear();
        Start();
        QTest::qWait(20);
        EXPECT_EQ(messages.shown,
                  QStringList{"The game left last time could not be read and was put aside."});
        EXPECT_FALSE(State().gameInProgress);
        EXPECT_TRUE(State().showSplash);
        EXPECT_FALSE(QFile::exists(GamePath()));
        EXPECT_TRUE(QFile::exists(GamePath() + ".unreadable"));
        Frame().close();
    }
}

}  // namespace
}  // namespace mervane
