// Statistics across games: counted from the game's own events per rule set, kept in a
// file beside the window state, read safely whatever the file holds.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QProcess>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QThread>
#include <set>

#include "app/dialogs/statistics_dlg.h"
#include "app/stores/statistics.h"
#include "app_test_support.h"
#include "game/headless_platform.h"
#include "tests/game/game_test_access.h"

namespace mervane {
namespace {

using testing::AppFixture;

void WriteFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// A new game dealt for real, so that the seats take `level` and the keeper reads it; the
// computer seats play up to the person's turn.
void DealAt(MervaneGame& game, Level level) {
    game.SetComputerLevel(level);
    game.QuitAndNewGame();
}

TEST(StatisticsStore, KeepsEveryCountPerLevelAndRuleSet) {
    QTemporaryDir dir;
    const StatisticsStore store(dir.filePath("s.ini"));
    EXPECT_EQ(store.Load(), Statistics{}) << "no file, no games";
    const int advanced = RuleSetIndex({.advanced = true});
    Statistics saved;
    saved.Of(Level::Normal, advanced) = {7, 5, 3, 612, 1800, 2, 1, {1, 0, 1}, 2, 9};
    saved.Of(Level::Easy, advanced) = {4, 4, 4, 300, 900, 4, 4, {}, 1, 1};
    saved.Of(Level::Hard, RuleSetIndex({.sevenCards = true})) = {3, 2, 0, 40, 60, 0, 0, {1, 1, 0}};
    saved.Of(Level::Normal, RuleSetIndex({.sevenCards = true})).played = 1;
    ASSERT_TRUE(store.Save(saved));
    EXPECT_EQ(store.Load(), saved);
    EXPECT_EQ(StatisticsStore::BesideWindowState("/a/b/mervane-window.ini"),
              "/a/b/mervane-statistics.ini");
    EXPECT_EQ(StatisticsStore::BesideWindowState("/a/b/other-window.ini"),
              "/a/b/other-statistics.ini");
}

TEST(StatisticsStore, ACorruptFileReadsAsZerosWhereItCannotBeRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath("s.ini");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "[Advanced5]\nPLAYED=12\nWON=twelve\nBEST_SCORE=-40\nFINISHED=9999999999999999999999\n"
        "\x01\xff\xfe garbage [[[\n[Standard7\nPLAYED=3\n");
    file.close();
    const Statistics read = StatisticsStore(path).Load();
    const RuleSetStatistics& advanced = read.Of(Level::Normal, RuleSetIndex({.advanced = true}));
    EXPECT_EQ(advanced.played, 12);
    EXPECT_EQ(advanced.won, 0);
    EXPECT_EQ(advanced.bestScore, 0) << "never negative";
    EXPECT_EQ(advanced.finished, 0) << "out of range";
    EXPECT_EQ(StatisticsStore(dir.path()).Load(), Statistics{}) << "a folder, not a file";
}

// A file from before levels holds Normal's games. Once this version has added games at
// other levels, a version from before levels still finds its own where it left them.
TEST(StatisticsStore, AFileFromBeforeLevelsIsNormalsAndStaysWhereItsVersionReadsIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath("s.ini");
    WriteFile(path,
              "[Standard5]\nPLAYED=4\nFINISHED=3\nWON=2\nBEST_SCORE=150\n"
              "[Advanced7]\nPLAYED=6\nWINS_TOP=5\n");
    const StatisticsStore store(path);
    Statistics expected;
    expected.Of(Level::Normal, 0) = {.played = 4, .finished = 3, .won = 2, .bestScore = 150};
    expected.Of(Level::Normal, 3) = {.played = 6, .computerWins = {0, 5, 0}};
    EXPECT_EQ(store.Load(), expected);

    HeadlessPlatform platform;
    MervaneGame game(platform);
    StatisticsKeeper keeper(game, store);
    DealAt(game, Level::Easy);
    DealAt(game, Level::Hard);
    expected.Of(Level::Easy, 0).played = 1;
    expected.Of(Level::Hard, 0).played = 1;
    EXPECT_EQ(store.Load(), expected);
    const QSettings older(path, QSettings::IniFormat);  // the groups and keys it reads
    EXPECT_EQ(older.value("Standard5/PLAYED").toInt(), 4);
    EXPECT_EQ(older.value("Standard5/BEST_SCORE").toInt(), 150);
    EXPECT_EQ(older.value("Advanced7/WINS_TOP").toInt(), 5);
}

// The counting rules, event by event, on a game that never runs.
TEST(StatisticsKeeper, CountsStreaksScoresAndSeatsAsTheEventsCome) {
    QTemporaryDir dir;
    const StatisticsStore store(dir.filePath("s.ini"));
    HeadlessPlatform platform;
    MervaneGame game(platform);
    StatisticsKeeper keeper(game, store);
    GameState& state = GameTestAccess::State(game);
    // `hints` in each of two hands; none counts before the deal or after the end.
    const auto play = [&](Seat winner, int yourScore, int hints) {
        keeper.GameStarted();
        keeper.HintShown();
        for (int hand = 1; hand <= 2; ++hand) {
            keeper.HandDealt(hand, LeftSeat, 0);  // a later hand is the same game
            for (int i = 0; i < hints; ++i) keeper.HintShown();
        }
        state.scores[HumanSeat] = yourScore;
        keeper.GameOver(winner);
        keeper.HintShown();
    };
    play(HumanSeat, 120, 2);
    play(HumanSeat, 90, 0);
    play(TopSeat, 30, 1);
    play(HumanSeat, 150, 0);
    keeper.GameStarted();
    keeper.HandDealt(1, LeftSeat, 0);
    const RuleSetStatistics& counted = keeper.Current().Of(Level::Normal, 0);
    EXPECT_EQ(counted.played, 5);
    EXPECT_EQ(counted.finished, 4);
    EXPECT_EQ(counted.won, 3);
    EXPECT_EQ(counted.longestStreak, 2);
    EXPECT_EQ(counted.currentStreak, 1);
    EXPECT_EQ(counted.bestScore, 150);
    EXPECT_DOUBLE_EQ(counted.AverageScore(), (120 + 90 + 30 + 150) / 4.0);
    EXPECT_EQ(counted.computerWins, (std::array<std::int64_t, 3>{0, 1, 0}));
    EXPECT_EQ(counted.hintGames, 2);
    EXPECT_EQ(counted.hints, 6);
    keeper.GameStarted();  // the game under way is given up
    EXPECT_EQ(keeper.Current().Of(Level::Normal, 0).currentStreak, 0);
    state.rules.advanced = true;
    keeper.HandDealt(1, LeftSeat, 0);
    EXPECT_EQ(keeper.Current().Of(Level::Normal, RuleSetIndex({.advanced = true})).played, 1)
        << "counted under the rules of its deal";
    keeper.HintShown();
    EXPECT_EQ(keeper.Current().Of(Level::Normal, RuleSetIndex({.advanced = true})).hints, 1);
    EXPECT_EQ(store.Load(), keeper.Current()) << "saved as it goes, hints too";
}

// Two copies over one file, each with its own game at the level it is given; every
// game each finishes counts, under its level alone.
TEST(StatisticsKeeper, CopiesSideBySideAddTheirGamesStreaksBestsAndHintsPerLevel) {
    QTemporaryDir dir;
    const StatisticsStore store(dir.filePath("s.ini"));
    HeadlessPlatform platformA, platformB;
    MervaneGame gameA(platformA), gameB(platformB);
    StatisticsKeeper a(gameA, store);
    StatisticsKeeper b(gameB, store);
    MervaneGame* games[2] = {&gameA, &gameB};
    StatisticsKeeper* keepers[2] = {&a, &b};
    constexpr Level E = Level::Easy, N = Level::Normal, H = Level::Hard;
    const struct {
        int copy;
        Level level;
        Seat winner;
        int score, hints;
        // The level's counts in the file after the game.
        std::int64_t played, won, current, longest, best, hintGames, hintsInAll;
    } steps[] = {
        {0, N, HumanSeat, 100, 0, 1, 1, 1, 1, 100, 0, 0},
        {1, E, HumanSeat, 40, 2, 1, 1, 1, 1, 40, 1, 2},
        {1, N, HumanSeat, 50, 0, 2, 2, 2, 2, 100, 0, 0},
        {0, E, TopSeat, 70, 1, 2, 1, 0, 1, 70, 2, 3},
        {0, N, HumanSeat, 80, 0, 3, 3, 3, 3, 100, 0, 0},
        {1, N, TopSeat, 120, 1, 4, 3, 0, 3, 120, 1, 1},
        {1, H, HumanSeat, 5, 0, 1, 1, 1, 1, 5, 0, 0},
        {0, N, HumanSeat, 90, 0, 5, 4, 1, 3, 120, 1, 1},
        {1, N, HumanSeat, 10, 3, 6, 5, 2, 3, 120, 2, 4},
        {0, E, HumanSeat, 60, 0, 3, 2, 1, 1, 70, 2, 3},
    };
    int step = 0;
    for (const auto& s : steps) {
        SCOPED_TRACE(++step);
        MervaneGame& game = *games[s.copy];
        DealAt(game, s.level);
        for (int i = 0; i < s.hints; ++i) keepers[s.copy]->HintShown();
        GameTestAccess::State(game).scores[HumanSeat] = s.score;
        keepers[s.copy]->GameOver(s.winner);
        const Statistics inFile = store.Load();
        const RuleSetStatistics file = inFile.Of(s.level, 0);
        EXPECT_EQ(file.played, s.played);
        EXPECT_EQ(file.finished, s.played);
        EXPECT_EQ(file.won, s.won);
        EXPECT_EQ(file.currentStreak, s.current);
        EXPECT_EQ(file.longestStreak, s.longest);
        EXPECT_EQ(file.bestScore, s.best);
        EXPECT_EQ(file.hintGames, s.hintGames);
        EXPECT_EQ(file.hints, s.hintsInAll);
        std::int64_t played = 0;
        for (const LevelStatistics& level : inFile.levels)
            for (const RuleSetStatistics& set : level) played += set.played;
        EXPECT_EQ(played, step) << "each game once, at one level";
        EXPECT_EQ(keepers[s.copy]->Current(), inFile) << "the copy shows the file";
    }
}

class StatisticsAppTest : public ::testing::Test, public AppFixture {
  protected:
    GameState& Position() { return GameTestAccess::State(View().Game()); }
    const RuleSetStatistics& Counted(bool advanced, bool seven) {
        return Frame().Statistics().Current().Of(
            Level::Normal, RuleSetIndex({.advanced = advanced, .sevenCards = seven}));
    }
    // Deals a game that ends with its first hand.
    void PlayOneHandGame() {
        GameSettings settings = View().Game().Settings();
        settings.playTo = 1;
        View().Game().ApplySettings(settings);
        Trigger(ID_NEW_GAME_TOOLBAR);
        // A dead round scores nothing: deal again until someone wins.
        for (int hands = 0; hands < 20 && State().gameInProgress; ++hands) {
            ASSERT_TRUE(PlayOutHand());
            if (State().gameInProgress) TapTable({10, 10});
        }
        ASSERT_FALSE(State().gameInProgress);
    }
};

TEST_F(StatisticsAppTest, GamesAreCountedWhenDealtAndWhenWon) {
    Start();
    PlayOneHandGame();
    const Seat first = View().State().gameWinner;
    TapTable({10, 10});  // from the winner screen
    PlayOneHandGame();
    const Seat second = View().State().gameWinner;
    const RuleSetStatistics standard = Counted(false, false);
    EXPECT_EQ(standard.played, 2);
    EXPECT_EQ(standard.finished, 2);
    const int yours = (first == HumanSeat) + (second == HumanSeat);
    EXPECT_EQ(standard.won, yours);
    std::int64_t computers = 0;
    for (std::int64_t wins : standard.computerWins) computers += wins;
    EXPECT_EQ(computers, 2 - yours);
    EXPECT_EQ(standard.longestStreak, yours == 2 ? 2 : yours);
    EXPECT_GE(standard.bestScore, 0);
    EXPECT_EQ(Counted(true, false), RuleSetStatistics{}) << "other rule sets untouched";

    const QString file = StatisticsStore::BesideWindowState(Frame().WindowState().FilePath());
    Frame().close();
    EXPECT_EQ(StatisticsStore(file).Load().Of(Level::Normal, 0), standard) << file.toStdString();
    Start();
    EXPECT_EQ(Counted(false, false), standard) << "kept across starts";
}

TEST_F(StatisticsAppTest, AGameGivenUpCountsAsPlayedAndEndsTheStreak) {
    Start();
    Position().rules = {.advanced = true, .sevenCards = true};
    Trigger(ID_NEW_GAME_TOOLBAR);
    EXPECT_EQ(Counted(true, true).played, 1);
    messages.answers = {true};
    Trigger(ID_NEW_GAME);
    EXPECT_EQ(Counted(true, true).played, 2);
    EXPECT_EQ(Counted(true, true).finished, 0);
    EXPECT_EQ(Counted(true, true).currentStreak, 0);
}

TEST_F(StatisticsAppTest, TheDialogShowsTheLevelInForceAndResetClearsEveryLevel) {
    Start();
    std::array<QString, 3> names{"Ann", "Bo", "Cy"};
    const auto shownLevel = [&] {
        return CStatisticsDlg(Frame().Statistics(), Frame().Messages(), names, &Frame())
            .ShownLevel();
    };
    View().Game().SetComputerLevel(Level::Hard);
    EXPECT_EQ(shownLevel(), Level::Hard) << "between games, the next game's";
    View().Game().SetComputerLevel(Level::Easy);
    Trigger(ID_NEW_GAME_TOOLBAR);
    View().Game().SetComputerLevel(Level::Hard);
    for (int i = 0; i < 3; ++i) Frame().Statistics().HintShown();
    CStatisticsDlg dialog(Frame().Statistics(), Frame().Messages(), names, &Frame());
    EXPECT_EQ(dialog.ShownLevel(), Level::Easy) << "the game under way's";
    QTableWidget* table = dialog.Table();
    ASSERT_EQ(table->columnCount(), RuleSetCount);
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), "Standard\n5 cards");
    EXPECT_EQ(table->verticalHeaderItem(0)->text(), "Games played");
    EXPECT_EQ(table->item(0, 0)->text(), "1");
    EXPECT_EQ(table->item(2, 0)->text(), "-") << "no win rate before a game ends";
    const int hintRow = 6;
    EXPECT_EQ(table->verticalHeaderItem(hintRow)->text(), "Hints used");
    EXPECT_EQ(table->item(hintRow, 0)->text(), "3 in 1 game");
    EXPECT_EQ(table->verticalHeaderItem(table->rowCount() - 1)->text(), "Games won by Cy");
    const int width = table->horizontalHeader()->length();
    dialog.LevelChoice()->setCurrentIndex(static_cast<int>(Level::Normal));
    EXPECT_EQ(table->item(0, 0)->text(), "0");
    EXPECT_EQ(table->item(hintRow, 0)->text(), "0");
    EXPECT_EQ(table->horizontalHeader()->length(), width) << "the same columns at every level";

    // Another copy's games at every level, which this one takes in with its next save.
    const StatisticsStore file(
        StatisticsStore::BesideWindowState(Frame().WindowState().FilePath()));
    ASSERT_TRUE(file.Update([](Statistics inFile) {
        for (LevelStatistics& level : inFile.levels) level[1].played = 2;
        return inFile;
    }));
    Frame().Statistics().HintShown();
    const Statistics everyLevel = Frame().Statistics().Current();
    ASSERT_EQ(everyLevel.Of(Level::Hard, 1).played, 2);
    messages.answers = {false};
    dialog.OnReset();
    EXPECT_EQ(messages.shown.back(), "Reset all statistics?");
    EXPECT_EQ(file.Load(), everyLevel) << "No keeps them";
    messages.answers = {true};
    dialog.OnReset();
    EXPECT_EQ(file.Load(), Statistics{}) << "every level cleared";
    EXPECT_EQ(Frame().Statistics().Current(), Statistics{});
    dialog.LevelChoice()->setCurrentIndex(static_cast<int>(Level::Easy));
    EXPECT_EQ(table->item(0, 0)->text(), "0");
}

TEST_F(StatisticsAppTest, TheDialogWritesFiguresInTheUsersNumberFormat) {
    Start();
    const QString file = StatisticsStore::BesideWindowState(Frame().WindowState().FilePath());
    Frame().close();
    Statistics statistics;
    statistics.Of(Level::Normal, 0).played = 1234;
    statistics.Of(Level::Normal, 0).finished = 3;
    statistics.Of(Level::Normal, 0).totalScore = 1637;
    statistics.Of(Level::Normal, 0).hints = 2500;
    statistics.Of(Level::Normal, 0).hintGames = 12;
    ASSERT_TRUE(StatisticsStore(file).Save(statistics));
    Start();
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    CStatisticsDlg dialog(Frame().Statistics(), Frame().Messages(), {"Ann", "Bo", "Cy"}, &Frame());
    QLocale::setDefault(before);
    EXPECT_EQ(dialog.Table()->item(0, 0)->text(), QStringLiteral("1.234"));
    EXPECT_TRUE(dialog.Table()->findItems(QStringLiteral("545,7"), Qt::MatchExactly).size() == 1);
    EXPECT_EQ(
        dialog.Table()->findItems(QStringLiteral("2.500 in 12 games"), Qt::MatchExactly).size(), 1);
}

// Counts above 2^53 cannot be added to exactly: they read as unreadable, and a count
// that reaches 2^53 stays there.
TEST_F(StatisticsAppTest, HugeCountsReadAsUnreadableAndAdditionsStopAtTheTop) {
    Start();
    const QString file = StatisticsStore::BesideWindowState(Frame().WindowState().FilePath());
    Frame().close();
    WriteFile(file,
              "[Standard5]\nPLAYED=9007199254740992\nFINISHED=9007199254740991\n"
              "WON=9223372036854775807\nTOTAL_SCORE=9007199254740992\n"
              "CURRENT_STREAK=9007199254740992\nLONGEST_STREAK=9007199254740992\n"
              "WINS_LEFT=9007199254740993\nWINS_TOP=9223372036854775807\n"
              "WINS_RIGHT=9223372036854775807\n");
    Start();
    EXPECT_EQ(Counted(false, false).played, MaxCount);
    EXPECT_EQ(Counted(false, false).won, 0) << "above 2^53";
    EXPECT_EQ(Counted(false, false).computerWins, (std::array<std::int64_t, 3>{}));
    PlayOneHandGame();
    const RuleSetStatistics counted = Counted(false, false);
    EXPECT_EQ(counted.played, MaxCount);
    EXPECT_EQ(counted.finished, MaxCount);
    EXPECT_EQ(counted.totalScore, MaxCount);
    EXPECT_EQ(counted.longestStreak, MaxCount);
    EXPECT_LE(counted.won, 1);
    EXPECT_EQ(StatisticsStore(file).Load().Of(Level::Normal, 0), counted);
}

// The statistics' folder is a regular file until the third game.
TEST_F(StatisticsAppTest, AFailedSaveIsToldOnceAndItsGamesAreWrittenByTheNextSave) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("state");
    WriteFile(folder, "not a folder");
    qputenv("MERVANE_WINDOW_STATE_FILE", (folder + "/mervane-window.ini").toUtf8());
    Start();
    qunsetenv("MERVANE_WINDOW_STATE_FILE");
    const QString file = folder + "/mervane-statistics.ini";
    PlayOneHandGame();
    TapTable({10, 10});
    PlayOneHandGame();
    ASSERT_EQ(messages.shown.size(), 1) << messages.shown.join(" | ").toStdString();
    EXPECT_TRUE(messages.shown[0].startsWith("The statistics could not be saved to\n" + file))
        << messages.shown[0].toStdString();
    EXPECT_EQ(Counted(false, false).finished, 2) << "kept for the run";
    ASSERT_TRUE(QFile::remove(folder) && QDir().mkpath(folder));
    TapTable({10, 10});
    PlayOneHandGame();
    EXPECT_EQ(StatisticsStore(file).Load().Of(Level::Normal, 0).finished, 3);
    EXPECT_EQ(StatisticsStore(file).Load().Of(Level::Normal, 0).played, 3);
    EXPECT_EQ(messages.shown.size(), 1);
}

// Two copies of the game, each a process of its own, finish games at the same time
// over one statistics file that already holds some.
TEST(StatisticsCopies, TwoCopiesPlayingAtOnceKeepEveryGame) {
    QTemporaryDir dir;
    const QString file = dir.filePath("mervane-statistics.ini");
    WriteFile(file, "[Standard5]\nPLAYED=4\nFINISHED=3\nWON=2\nWINS_LEFT=1\n");
    constexpr int Games = 5;
    QProcess copies[2];
    for (QProcess& copy : copies) {
        copy.start(MERVANE_STATISTICS_COPY,
                   {"play", dir.filePath("mervane.ini"), QString::number(Games)});
        ASSERT_TRUE(copy.waitForReadyRead(60000));
        ASSERT_EQ(copy.readLine(), "ready\n") << "both have read the file";
    }
    for (QProcess& copy : copies) copy.write("go\n");
    std::int64_t won = 2;
    for (QProcess& copy : copies) {
        ASSERT_TRUE(copy.waitForFinished(240000));
        ASSERT_EQ(copy.exitCode(), 0) << copy.readAllStandardError().toStdString();
        int played = 0;
        int copyWon = 0;
        ASSERT_EQ(std::sscanf(copy.readAllStandardOutput().constData(), "played %d won %d", &played,
                              &copyWon),
                  2);
        won += copyWon;
    }
    const RuleSetStatistics counted = StatisticsStore(file).Load().Of(Level::Normal, 0);
    EXPECT_EQ(counted.played, 4 + 2 * Games);
    EXPECT_EQ(counted.finished, 3 + 2 * Games);
    EXPECT_EQ(counted.won, won);
    EXPECT_EQ(counted.computerWins[0] + counted.computerWins[1] + counted.computerWins[2],
              1 + 2 * Games - (won - 2));
}

// A copy killed while it saves over and over, then a start: the file holds one whole
// save and nothing of ours is left beside it.
TEST_F(StatisticsAppTest, ASaveKilledHalfWayLeavesNothingBehindAfterTheNextStart) {
    QTemporaryDir dir;
    const QString file = dir.filePath("mervane-statistics.ini");
    QProcess saver;
    saver.start(MERVANE_STATISTICS_COPY, {"save", file});
    ASSERT_TRUE(saver.waitForReadyRead(60000));
    QThread::msleep(300);
    saver.kill();  // SIGKILL
    ASSERT_TRUE(saver.waitForFinished(10000));
    // A kill inside the making of the lock file leaves one naming nobody, left over only
    // once it is older than a save could take: the next start comes after that.
    if (QFileInfo::exists(file + ".lock")) QThread::msleep(2100);
    // What a kill between QSaveFile's write and its rename leaves, and files not ours.
    for (const char* name : {"mervane-statistics.ini.QdtsDK", "mervane-statistics.ini.old",
                             "mervane-statistics.ini.backup", "notes.txt"})
        WriteFile(dir.filePath(name), "[Standard5]\nPLAYED=1\n");
    Start(dir.filePath("mervane.ini"));
    EXPECT_EQ(QDir(dir.path())
                  .entryList({"mervane-statistics*", "notes.txt"}, QDir::Files | QDir::Hidden,
                             QDir::Name),
              (QStringList{"mervane-statistics.ini", "mervane-statistics.ini.backup",
                           "mervane-statistics.ini.old", "notes.txt"}));
    std::set<std::int64_t> values;
    for (const LevelStatistics& level : Frame().Statistics().Current().levels) {
        for (const RuleSetStatistics& set : level) {
            values.insert({set.played, set.finished, set.won, set.bestScore, set.totalScore,
                           set.longestStreak, set.currentStreak, set.hintGames, set.hints});
            values.insert(set.computerWins.begin(), set.computerWins.end());
        }
    }
    EXPECT_EQ(values.size(), 1u) << "one save, whole";
    EXPECT_GT(*values.begin(), 0);
}

}  // namespace
}  // namespace mervane
