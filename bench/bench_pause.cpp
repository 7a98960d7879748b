#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <algorithm>
#include <cmath>

#include "app/dialogs/message_box.h"
#include "app/play/game_host.h"

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
