#include <benchmark/benchmark.h>

#include "tools/sim/sim_driver.h"

namespace mervane::sim {
namespace {

// Whole hands through the real game flow, pauses recorded rather than waited for.
void BM_HeadlessHands(benchmark::State& state) {
    Options options;
    options.clock = {7, 2, 0, 0, 0};
    options.hands = 1000;
    options.rules.advanced = state.range(0) != 0;
    long long hands = 0;
    for (auto _ : state) {
        Driver driver(options);
        hands += driver.Run();
    }
    state.counters["hands/s"] =
        benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HeadlessHands)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mervane::sim
