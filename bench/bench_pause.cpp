#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/dialogs/message_box.h"
#include "app/play/game_host.h"
#include "cards/computer_player.h"
#include "cards/rules.h"

// How closely the window's pauses keep their length, and what waiting costs: the
// chain is suspended and the event loop sleeps until the pause's timer.
namespace mervane {
namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](timeval t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void BM_WindowPause(benchmark::State& state) {
    const int ms = static_cast<int>(state.range(0));
    MessageBoxes messages;
    GameHost host(messages);
    QtGamePlatform& platform = host.Platform();
    double worstError = 0, errorSum = 0, cpu = 0, wall = 0;
    for (auto _ : state) {
        QEventLoop loop;  // stands in for the application's own loop
        QElapsedTimer clock;
        const double cpuBefore = CpuSeconds();
        clock.start();
        if (platform.Sleep(ms, [&loop] { loop.quit(); })) loop.exec();
        const double elapsed = clock.nsecsElapsed() / 1e6;
        cpu += CpuSeconds() - cpuBefore;
        wall += elapsed / 1e3;
        state.SetIterationTime(elapsed / 1e3);
        errorSum += elapsed - ms;
        worstError = std::max(worstError, std::abs(elapsed - ms));
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["mean_error_ms"] = errorSum / n;
    state.counters["worst_error_ms"] = worstError;
    state.counters["cpu_percent"] = 100 * cpu / wall;
}
BENCHMARK(BM_WindowPause)
    ->Arg(50)
    ->Arg(300)
    ->Arg(1000)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The person plays the first legal card, else draws; the suit after an eight is
// the longest.
void PersonMoves(MervaneGame& game) {
    const GameState& state = game.State();
    if (state.handOver) {
        game.Continue();
        return;
    }
    if (state.choosingSuit) {
        game.ChooseSuit(LongestSuit(state.hands[0]));
        return;
    }
    const CardList& hand = state.hands[0];
    for (int i = 0; i < hand.Count(); ++i) {
        if (IsLegalPlay(hand.At(i), state.topCard, state.currentSuit)) {
            game.PlayHandCard(i);
            return;
        }
    }
    game.DrawCard();
}

// Hard seats search beside the window's thread: with every pause cut to nothing, so
// that no pause hides a search, a timer ticking each millisecond measures the longest
// the event loop went without answering while whole hands were played.
void BM_HardSeatsLeaveTheWindowAnswering(benchmark::State& state) {
    MessageBoxes messages;
    messages.SetAnswerer([](MessageKind, const QString&) { return true; });
    GameHost host(messages);
    MervaneGame& game = host.Game();
    host.Platform().SetPauseScale(0);
    game.SetComputerLevel(Level::Hard);
    std::vector<double> gaps;
    for (auto _ : state) {
        const int handsBefore = game.HandsDealt();
        QEventLoop loop;
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        QElapsedTimer sinceTick;
        sinceTick.start();
        QObject::connect(&tick, &QTimer::timeout, [&] {
            gaps.push_back(sinceTick.nsecsElapsed() / 1e6);
            sinceTick.restart();
            if (game.HandsDealt() - handsBefore > 10) loop.quit();
            if (!game.Busy()) {
                if (!game.State().gameInProgress)
                    game.NewGame();
                else
                    PersonMoves(game);
            }
        });
        tick.start(1);
        loop.exec();
    }
    std::sort(gaps.begin(), gaps.end());
    state.counters["ticks"] = static_cast<double>(gaps.size());
    state.counters["median_gap_ms"] = gaps[gaps.size() / 2];
    state.counters["p99_gap_ms"] = gaps[gaps.size() * 99 / 100];
    state.counters["longest_gap_ms"] = gaps.back();
}
BENCHMARK(BM_HardSeatsLeaveTheWindowAnswering)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace mervane

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
