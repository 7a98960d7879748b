// One running copy of the game for the statistics tests, a process of its own:
//   statistics_copy play SETTINGS GAMES  opens the real window over SETTINGS (its
//       statistics beside it), says "ready", waits for a line on its input, then plays
//       GAMES one-hand games and prints "played N won W" for what it saw.
//   statistics_copy save STATISTICS     says "saving", then saves counts 1, 2, 3, ...
//       (every count of a save the same) until it is killed.
#include <QApplication>
#include <cstdio>
#include <iostream>
#include <string>

#include "app/mervane_app.h"
#include "app/stores/statistics.h"
#include "app_test_support.h"

namespace mervane {
namespace {

int Play(const QString& settingsPath, int games) {
    testing::AppFixture copy;
    copy.Start(settingsPath);
    std::printf("ready\n");
    std::fflush(stdout);
    std::string go;
    std::getline(std::cin, go);
    int won = 0;
    for (int game = 0; game < games; ++game) {
        GameSettings settings = copy.View().Game().Settings();
        settings.playTo = 1;  // the first hand that someone wins ends the game
        copy.View().Game().ApplySettings(settings);
        if (game > 0) copy.TapTable({10, 10});  // from the winner screen
        copy.Trigger(ID_NEW_GAME_TOOLBAR);
        for (int hands = 0; hands < 20 && copy.State().gameInProgress; ++hands) {
            if (!copy.PlayOutHand()) return 1;
            if (copy.State().gameInProgress) copy.TapTable({10, 10});
        }
        if (copy.State().gameInProgress) return 1;
        won += copy.View().State().gameWinner == HumanSeat;
    }
    copy.Frame().close();
    std::printf("played %d won %d\n", games, won);
    return 0;
}

int SaveUntilKilled(const QString& path) {
    const StatisticsStore store(path);
    std::printf("saving\n");
    std::fflush(stdout);
    for (std::int64_t count = 1;; ++count) {
        Statistics statistics;
        for (LevelStatistics& level : statistics.levels) {
            for (RuleSetStatistics& set : level) {
                set = {count, count, count, count, count, count, count, {count, count, count},
                       count, count};
            }
        }
        store.Save(statistics);
    }
}

}  // namespace
}  // namespace mervane

int main(int argc, char* argv[]) {
    qputenv("LANGUAGE", "en");
    mervane::CMervaneApp::BeforeQApplication();
    QApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() == 4 && args[1] == "play") return mervane::Play(args[2], args[3].toInt());
    if (args.size() == 3 && args[1] == "save") return mervane::SaveUntilKilled(args[2]);
    std::fprintf(stderr, "usage: statistics_copy play SETTINGS GAMES | save STATISTICS\n");
    return 2;
}
