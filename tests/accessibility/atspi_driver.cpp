// Not a test by itself: takes the real window through the title, a hand in play and a
// suit choice for atspi_tree.py, which reads the accessible tree at each. At each screen
// it prints "SCREEN <name>" and waits for a line on standard input before going on;
// at the end it prints "DONE" and quits.
#include <QApplication>
#include <QSocketNotifier>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/mervane_app.h"
#include "tests/accessibility/arrange_eight.h"
#include "tests/app/app_test_support.h"
#include "tests/game/game_test_access.h"

namespace mervane {
namespace {

void Say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

bool ToHandInPlay(testing::AppFixture& app) {
    app.Trigger(ID_NEW_GAME_TOOLBAR);
    return app.State().humanTurn;
}

bool ToSuitChoice(testing::AppFixture& app) {
    const int eight = testing::GiveHumanAnEight(GameTestAccess::State(app.View().Game()));
    if (eight < 0) return false;
    app.TapTable(app.HandCardPoint(eight));
    return app.State().choosingSuit;
}

}  // namespace
}  // namespace mervane

int main(int argc, char* argv[]) {
    using namespace mervane;
    CMervaneApp::BeforeQApplication();
    QApplication application(argc, argv);
    testing::AppFixture app;
    app.Start();

    struct Step {
        const char* screen;
        std::function<bool(testing::AppFixture&)> reach;
    };
    const std::vector<Step> steps = {
        {"title", nullptr}, {"hand", ToHandInPlay}, {"suit", ToSuitChoice}};
    std::size_t next = 0;
    int result = 0;
    const auto advance = [&] {
        if (next == steps.size()) {
            Say("DONE");
            application.quit();
            return;
        }
        const Step& step = steps[next++];
        if (step.reach && !step.reach(app)) {
            std::printf("FAILED to reach %s\n", step.screen);
            result = 1;
            application.quit();
            return;
        }
        std::printf("SCREEN %s\n", step.screen);
        std::fflush(stdout);
    };
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &application, [&] {
        char line[256];
        if (!std::fgets(line, sizeof line, stdin)) {
            application.quit();  // the reader went away
            return;
        }
        advance();
    });
    advance();
    application.exec();
    return result;
}
