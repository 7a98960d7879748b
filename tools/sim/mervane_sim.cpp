// mervane-sim: plays whole games headless through the real game flow.
#include <QDir>
#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iomanip>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "render/snapshot.h"
#include "tools/sim/sim_driver.h"

namespace {

constexpr std::string_view kHelp = R"(usage: mervane-sim [options]

Plays Mervane headless through the game's own flow on a 240 x 268 table. The three
computer seats play as in the game; the human seat is driven by taps at the table's
coordinates, with one of three policies:

  --human first (the default)
    - play the first card of the hand, in hand order, that is legal;
    - if none, tap the pack while it holds cards;
    - after an eight, tap the box of the suit the hand now holds most of
      (ties go to Hearts, Diamonds, Clubs, Spades).
  --human random:SEED (SEED from 0 to 18446744073709551615)
    Numbers come from SplitMix64 over a 64-bit state that starts at SEED: each number
    adds 0x9E3779B97F4A7C15 to the state, z = state, z = (z ^ (z >> 30)) *
    0xBF58476D1CE4E5B9, z = (z ^ (z >> 27)) * 0x94D049BB133111EB, and is z ^ (z >> 31).
    - at the human's move, with n cards in the hand, take the next number r and let
      k = r mod (n + 1): if k < n tap card k in hand order, legal or not (an illegal
      card does nothing); if k = n tap the pack, even when it is empty;
    - when a suit is asked for, take the next number r and tap suit box r mod 4,
      counting the boxes from the left.
  --human hint
    - at the human's move, ask the game's hint and take the move it marks best
      (the hint is the hard level's search from the human's view: see below);
    - after an eight, the suit the hint's move named.
The policies answer OK to every message and tap to continue after a hand. Pauses are
recorded, not waited for. A hand that takes more than 100000 of the human's taps is
reported as a stuck game.
A seat may instead play at a computer level (--level SEAT=LEVEL, repeatable; seat 0 is
the human's, 1 Left, 2 Top, 3 Right):
  easy    a card of the top card's rank before one of the suit, the first legal one
          in hand order, an eight as soon as it comes up; the pack only when no card
          is legal; an eight names a suit by chance, seeded from what the seat sees.
  normal  the computer seats' own rule (the default for seats 1 to 3).
  hard    at each choice of more than one card (or suit), deals the cards it cannot
          see 1000 times as the table's history allows, plays each choice out to the
          hand's end with the normal rule at every seat, and takes the one that wins
          most often (then scores most); the pack only when no card is legal.
A level in seat 0 replaces the human policy. Every level replays exactly.

options:
  --seed-clock "YYYY-MM-DD HH:MM:SS"  the local time every shuffle reads (default: now)
  --hands N        stop after N hands (default: play one game to its end)
  --seven          deal seven cards
  --advanced       Advanced Rules (Reverse, Skip, Draw Two)
  --training       Training Mode: snapshots show every hand face up
  --play-to N      points that end a game (default 200)
  --human POLICY   first, random:SEED or hint, as above
  --level SEAT=LEVEL  SEAT 0 to 3 plays at LEVEL: easy, normal or hard, as above
  --trace          print every event, one per line
  --bench          print hands per second instead (default 100000 hands)
  --snapshot FILE.png      save the table as the view shows it at the end
  --snapshot-every DIR     save the table after every redraw, DIR/frame-00001.png on
  --help           this text

trace lines: hand <n> dealer <seat> starter <card> | deal <seat> <cards...> |
  status <seat> <text> | play <seat> <card> | suit <suit> | draw <seat> <card> |
  pause <ms> | message <text> | redraw | pump |
  end <winner> scores <s0> <s1> <s2> <s3> | dead | gameover <winner>

exit status: 0 done, 1 the game or a file failed, 2 a wrong command line.
)";

// A wrong command line.
int Usage(const std::string& message) {
    std::cerr << "mervane-sim: " << message << "\n(see --help)\n";
    return 2;
}

// The run itself went wrong: a file that could not be written, a stuck game.
int Failure(const std::string& message) {
    std::cerr << "mervane-sim: " << message << "\n";
    return 1;
}

// A trace sent to a full disk or a closed pipe is a failed run, not a finished one.
int Finish() {
    std::cout.flush();
    if (!std::cout) return Failure("cannot write the standard output");
    return 0;
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

bool TakesValue(std::string_view arg) {
    return arg == "--seed-clock" || arg == "--hands" || arg == "--play-to" || arg == "--human" ||
           arg == "--level" || arg == "--snapshot" || arg == "--snapshot-every";
}

struct CommandLine {
    mervane::sim::Options options;
    std::string snapshotFile, snapshotDir;
    bool help = false;
};

// An empty string when the command line is good, else what is wrong with it.
std::string Parse(int argc, char** argv, CommandLine& line) {
    auto& options = line.options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            line.help = true;
            return {};
        }
        const char* value = nullptr;
        if (TakesValue(arg)) {
            // "--hands --trace" forgot the number; it does not name a file "--trace".
            if (i + 1 >= argc || std::string_view(argv[i + 1]).starts_with("--"))
                return arg + " needs a value";
            value = argv[++i];
        }
        int count = 0;
        if (arg == "--seed-clock") {
            const auto clock = mervane::sim::ParseClock(value);
            if (!clock) return "--seed-clock wants a real date and time as \"YYYY-MM-DD HH:MM:SS\"";
            options.clock = *clock;
        } else if (arg == "--hands") {
            if (!ParseCount(value, count)) return "--hands wants a positive number";
            options.hands = count;
        } else if (arg == "--play-to") {
            if (!ParseCount(value, count)) return "--play-to wants a positive number";
            options.playTo = count;
        } else if (arg == "--human") {
            const auto policy = mervane::sim::ParseHumanPolicy(value);
            if (!policy) return "--human wants first, random:SEED or hint";
            options.human = *policy;
        } else if (arg == "--level") {
            const auto level = mervane::sim::ParseSeatLevel(value);
            if (!level)
                return "--level wants SEAT=LEVEL, SEAT 0 to 3 and LEVEL easy, normal or hard";
            options.levels[static_cast<std::size_t>(level->first)] = level->second;
        } else if (arg == "--snapshot") {
            // An empty name would mean "no snapshot" below and save nothing without a word.
            if (*value == '\0') return "--snapshot wants a file name";
            line.snapshotFile = value;
        } else if (arg == "--snapshot-every") {
            if (*value == '\0') return "--snapshot-every wants a folder";
            line.snapshotDir = value;
        } else if (arg == "--seven") {
            options.rules.sevenCards = true;
        } else if (arg == "--advanced") {
            options.rules.advanced = true;
        } else if (arg == "--training") {
            options.trainingMode = true;
        } else if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--bench") {
            options.bench = true;
        } else {
            return "unknown option " + arg;
        }
    }
    return {};
}

// Thrown from inside the run, which has no other way to stop at the first lost frame.
class SnapshotFailed : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

void Save(const mervane::GameState& state, const QString& path) {
    QString reason;
    if (!mervane::SaveSnapshot(state, path, &reason))
        throw SnapshotFailed("cannot write " + path.toStdString() + ": " + reason.toStdString());
}

}  // namespace

int main(int argc, char** argv) {
    CommandLine line;
    line.options.clock = mervane::SystemClock().LocalNow();
    if (const std::string wrong = Parse(argc, argv, line); !wrong.empty()) return Usage(wrong);
    if (line.help) {
        std::cout << kHelp;
        return Finish();
    }
    auto& options = line.options;
    if (options.bench && !options.hands) options.hands = 100'000;

    mervane::sim::Driver driver(options);
    if (options.trace && !options.bench) {
        driver.SetLineSink([](std::string_view text) { std::cout << text << '\n'; });
    }
    std::unique_ptr<QGuiApplication> application;
    if (!line.snapshotFile.empty() || !line.snapshotDir.empty())
        application = MakePaintingApplication(argc, argv);
    int frame = 0;
    if (!line.snapshotDir.empty()) {
        if (!QDir().mkpath(QString::fromStdString(line.snapshotDir)))
            return Failure("cannot make the folder " + line.snapshotDir);
        const QDir dir(QString::fromStdString(line.snapshotDir));
        driver.SetAfterRedraw([dir, &frame](const mervane::GameState& state) {
            Save(state,
                 dir.filePath(QStringLiteral("frame-%1.png").arg(++frame, 5, 10, QChar('0'))));
        });
    }
    const auto start = std::chrono::steady_clock::now();
    int hands = 0;
    try {
        hands = driver.Run();
        if (!line.snapshotFile.empty())
            Save(driver.Game().State(), QString::fromStdString(line.snapshotFile));
    } catch (const std::exception& error) {
        std::cout.flush();
        return Failure(error.what());
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (options.bench) {
        std::cout << "hands " << hands << " seconds " << std::fixed << std::setprecision(3)
                  << elapsed.count() << " hands/s " << std::setprecision(0)
                  << hands / elapsed.count() << '\n';
    } else if (!options.trace) {
        const auto& scores = driver.Game().State().scores;
        std::cout << "hands " << hands << " scores " << scores[0] << ' ' << scores[1] << ' '
                  << scores[2] << ' ' << scores[3] << '\n';
    }
    return Finish();
}
