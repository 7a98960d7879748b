// Statistics across games: counted from the game's own events per rule set, kept in a
// file beside the window state, read safely whatever the file holds.
#include <gtest/gtest.h>

#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app/statistics.h"
#include "app/statistics_dlg.h"
#include "app_test_support.h"
#include "game/headless_platform.h"
#include "tests/game/game_test_access.h"

namespace mervane {
namespace {

using testing::AppFixture;

TEST(StatisticsStore, KeepsEveryCountPerRuleSet) {
    QTemporaryDir dir;
    const StatisticsStore store(dir.filePath("s.ini"));
    EXPECT_EQ(store.Load(), Statistics{}) << "no file, no games";
    Statistics saved;
    saved.ruleSets[RuleSetIndex(true, false)] = {7, 5, 3, 612, 1800, 2, 1, {1, 0, 1}};
    saved.ruleSets[RuleSetIndex(false, true)].played = 1;
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
    const RuleSetStatistics& advanced = read.ruleSets[RuleSetIndex(true, false)];
    EXPECT_EQ(advanced.played, 12);
    EXPECT_EQ(advanced.won, 0);
    EXPECT_EQ(advanced.bestScore, 0) << "never negative";
    EXPECT_EQ(advanced.finished, 0) << "out of range";
    EXPECT_EQ(StatisticsStore(dir.path()).Load(), Statistics{}) << "a folder, not a file";
}

// The counting rules, event by event, on a game that never runs.
TEST(StatisticsKeeper, CountsStreaksScoresAndSeatsAsTheEventsCome) {
    QTemporaryDir dir;
    const StatisticsStore store(dir.filePath("s.ini"));
    HeadlessPlatform platform;
    MervaneGame game(platform);
    StatisticsKeeper keeper(game, store);
    GameState& state = GameTestAccess::State(game);
    const auto play = [&](Seat winner, int yourScore) {
        keeper.GameStarted();
        keeper.HandDealt(1, LeftSeat, 0);
        keeper.HandDealt(2, TopSeat, 0);  // a later hand is the same game
        state.scores[HumanSeat] = yourScore;
        keeper.GameOver(winner);
    };
    play(HumanSeat, 120);
    play(HumanSeat, 90);
    play(TopSeat, 30);
    play(HumanSeat, 150);
    keeper.GameStarted();
    keeper.HandDealt(1, LeftSeat, 0);
    const RuleSetStatistics& counted = keeper.Current().ruleSets[0];
    EXPECT_EQ(counted.played, 5);
    EXPECT_EQ(counted.finished, 4);
    EXPECT_EQ(counted.won, 3);
    EXPECT_EQ(counted.longestStreak, 2);
    EXPECT_EQ(counted.currentStreak, 1);
    EXPECT_EQ(counted.bestScore, 150);
    EXPECT_DOUBLE_EQ(counted.AverageScore(), (120 + 90 + 30 + 150) / 4.0);
    EXPECT_EQ(counted.computerWins, (std::array<std::int64_t, 3>{0, 1, 0}));
    keeper.GameStarted();  // the game under way is given up
    EXPECT_EQ(keeper.Current().ruleSets[0].currentStreak, 0);
    state.advancedRules = 1;
    keeper.HandDealt(1, LeftSeat, 0);
    EXPECT_EQ(keeper.Current().ruleSets[RuleSetIndex(true, false)].played, 1)
        << "counted under the rules of its deal";
    EXPECT_EQ(store.Load(), keeper.Current()) << "saved as it goes";
}

class StatisticsAppTest : public ::testing::Test, public AppFixture {
  protected:
    GameState& Position() { return GameTestAccess::State(View().Game()); }
    const RuleSetStatistics& Counted(bool advanced, bool seven) {
        return Frame().Statistics().Current().ruleSets[RuleSetIndex(advanced, seven)];
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
    EXPECT_EQ(StatisticsStore(file).Load().ruleSets[0], standard) << file.toStdString();
    Start();
    EXPECT_EQ(Counted(false, false), standard) << "kept across starts";
}

TEST_F(StatisticsAppTest, AGameGivenUpCountsAsPlayedAndEndsTheStreak) {
    Start();
    Position().advancedRules = 1;
    Position().sevenCards = 1;
    Trigger(ID_NEW_GAME_TOOLBAR);
    EXPECT_EQ(Counted(true, true).played, 1);
    messages.answers = {true};
    Trigger(ID_NEW_GAME);
    EXPECT_EQ(Counted(true, true).played, 2);
    EXPECT_EQ(Counted(true, true).finished, 0);
    EXPECT_EQ(Counted(true, true).currentStreak, 0);
}

TEST_F(StatisticsAppTest, TheDialogShowsTheCountsAndResetAsksFirst) {
    Start();
    Trigger(ID_NEW_GAME_TOOLBAR);
    std::array<QString, 3> names{"Ann", "Bo", "Cy"};
    CStatisticsDlg dialog(Frame().Statistics(), Frame().Messages(), names, &Frame());
    QTableWidget* table = dialog.Table();
    ASSERT_EQ(table->columnCount(), RuleSetCount);
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), "Standard\n5 cards");
    EXPECT_EQ(table->verticalHeaderItem(0)->text(), "Games played");
    EXPECT_EQ(table->item(0, 0)->text(), "1");
    EXPECT_EQ(table->item(2, 0)->text(), "-") << "no win rate before a game ends";
    EXPECT_EQ(table->verticalHeaderItem(table->rowCount() - 1)->text(), "Games won by Cy");

    messages.answers = {false};
    dialog.OnReset();
    EXPECT_EQ(messages.shown.back(), "Reset all statistics?");
    EXPECT_EQ(table->item(0, 0)->text(), "1") << "No keeps them";
    messages.answers = {true};
    dialog.OnReset();
    EXPECT_EQ(table->item(0, 0)->text(), "0");
    const StatisticsStore file(
        StatisticsStore::BesideWindowState(Frame().WindowState().FilePath()));
    EXPECT_EQ(file.Load(), Statistics{}) << "the file is cleared too";
}

TEST_F(StatisticsAppTest, TheDialogWritesFiguresInTheUsersNumberFormat) {
    Start();
    const QString file = StatisticsStore::BesideWindowState(Frame().WindowState().FilePath());
    Frame().close();
    Statistics statistics;
    statistics.ruleSets[0].played = 1234;
    statistics.ruleSets[0].finished = 3;
    statistics.ruleSets[0].totalScore = 1637;
    ASSERT_TRUE(StatisticsStore(file).Save(statistics));
    Start();
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    CStatisticsDlg dialog(Frame().Statistics(), Frame().Messages(), {"Ann", "Bo", "Cy"}, &Frame());
    QLocale::setDefault(before);
    EXPECT_EQ(dialog.Table()->item(0, 0)->text(), QStringLiteral("1.234"));
    EXPECT_TRUE(dialog.Table()->findItems(QStringLiteral("545,7"), Qt::MatchExactly).size() == 1);
}

}  // namespace
}  // namespace mervane
