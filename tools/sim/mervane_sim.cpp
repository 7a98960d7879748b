// mervane-sim: plays whole games headless through the real game flow.
#include <QDir>
#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include "render/snapshot.h"
#include "tools/sim/sim_driver.h"

namespace {

constexpr std::string_view kHelp = R"(usage: mervane-sim [options]

Plays Mervane headless through the game's own flow on a 240 x 268 table. The three
computer seats play as in the game; the human seat is driven by taps at the table's
coordinates with a fixed policy:
  - play the first card of the hand, in hand order, that is legal;
  - if none, tap the pack while it holds cards;
  - after an eight, tap the box of the suit the hand now holds most of
    (ties go to Hearts, Diamonds, Clubs, Spades);
  - answer OK to every message, and tap to continue after a hand.
Pauses are recorded, not waited for.

options:
  --seed-clock "YYYY-MM-DD HH:MM:SS"  the local time every shuffle reads (default: now)
  --hands N        stop after N hands (default: play one game to its end)
  --seven          deal seven cards
  --advanced       Advanced Rules (Reverse, Skip, Draw Two)
  --training       Training Mode: snapshots show every hand face up
  --play-to N      points that end a game (default 200)
  --trace          print every event, one per line
  --bench          print hands per second instead (default 100000 hands)
  --snapshot FILE.png      save the table as the view shows it at the end
  --snapshot-every DIR     save the table after every redraw, DIR/frame-00001.png on
  --help           this text

trace lines: hand <n> dealer <seat> starter <card> | deal <seat> <cards...> |
  status <seat> <text> | play <seat> <card> | suit <suit> | draw <seat> <card> |
  pause <ms> | message <text> | redraw | pump |
  end <winner> scores <s0> <s1> <s2> <s3> | dead | gameover <winner>
)";

int Fail(const std::string& message) {
    std::cerr << "mervane-sim: " << message << "\n(see --help)\n";
    return 2;
}

// Painting needs a GUI application; the simulator has no window, so it paints off-screen.
std::unique_ptr<QGuiApplication> MakePaintingApplication(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

bool ParseCount(const char* text, int& out) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 1 || value > 100'000'000) return false;
    out = static_cast<int>(value);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    using mervane::sim::Options;
    Options options;
    std::string snapshotFile, snapshotDir;
    options.clock = mervane::SystemClock().LocalNow();
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        int count = 0;
        if (arg == "--help" || arg == "-h") {
            std::cout << kHelp;
            return 0;
        } else if (arg == "--seed-clock" && hasValue) {
            const auto clock = mervane::sim::ParseClock(argv[++i]);
            if (!clock) return Fail("--seed-clock wants \"YYYY-MM-DD HH:MM:SS\"");
            options.clock = *clock;
        } else if (arg == "--hands" && hasValue) {
            if (!ParseCount(argv[++i], count)) return Fail("--hands wants a positive number");
            options.hands = count;
        } else if (arg == "--play-to" && hasValue) {
            if (!ParseCount(argv[++i], count)) return Fail("--play-to wants a positive number");
            options.playTo = count;
        } else if (arg == "--seven") {
            options.sevenCards = true;
        } else if (arg == "--advanced") {
            options.advancedRules = true;
        } else if (arg == "--training") {
            options.trainingMode = true;
        } else if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--bench") {
            options.bench = true;
        } else if (arg == "--snapshot" && hasValue) {
            snapshotFile = argv[++i];
        } else if (arg == "--snapshot-every" && hasValue) {
            snapshotDir = argv[++i];
        } else {
            return Fail("unknown option " + std::string(arg));
        }
    }
    if (options.bench && !options.hands) options.hands = 100'000;

    mervane::sim::Driver driver(options);
    if (options.trace && !options.bench) {
        driver.SetLineSink([](std::string_view line) { std::cout << line << '\n'; });
    }
    std::unique_ptr<QGuiApplication> application;
    if (!snapshotFile.empty() || !snapshotDir.empty())
        application = MakePaintingApplication(argc, argv);
    int frame = 0;
    if (!snapshotDir.empty()) {
        if (!QDir().mkpath(QString::fromStdString(snapshotDir)))
            return Fail("cannot make the folder " + snapshotDir);
        const QDir dir(QString::fromStdString(snapshotDir));
        driver.SetAfterRedraw([dir, &frame](mervane::GameState& state) {
            const QString name = QStringLiteral("frame-%1.png").arg(++frame, 5, 10, QChar('0'));
            mervane::SaveSnapshot(state, dir.filePath(name));
        });
    }
    const auto start = std::chrono::steady_clock::now();
    const int hands = driver.Run();
    if (!snapshotFile.empty() &&
        !mervane::SaveSnapshot(driver.Game().State(), QString::fromStdString(snapshotFile)))
        return Fail("cannot write " + snapshotFile);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (options.bench) {
        std::printf("hands %d seconds %.3f hands/s %.0f\n", hands, elapsed.count(),
                    hands / elapsed.count());
    } else if (!options.trace) {
        const auto& scores = driver.Game().State().scores;
        std::printf("hands %d scores %d %d %d %d\n", hands, scores[0], scores[1], scores[2],
                    scores[3]);
    }
    return 0;
}
