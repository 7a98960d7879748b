#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "cards/rules.h"
#include "game/levels.h"
#include "tools/sim/sim_driver.h"

namespace mervane::sim {
namespace {

// The Hard seat's player, timing each decision that has more than one move to weigh (the
// others return at once and would only flatter the figures).
// With `hint`, the seat follows the hint instead, and its search (which weighs drawing
// too) is timed.
class Timed final : public SeatPlayer {
  public:
    explicit Timed(bool hint = false) : hint_(hint) {}
    Decision<SeatMove> ChooseMove(const SeatView& view) override {
        const auto start = std::chrono::steady_clock::now();
        const SeatMove move =
            hint_ ? SurveyMoves(view).Best() : hard_.ChooseMove(view).await_resume();
        if (Choices(view) > 1) Keep(start);
        return move;
    }
    Decision<Suit> ChooseSuit(const SeatView& view) override {
        const auto start = std::chrono::steady_clock::now();
        const Suit suit = hard_.ChooseSuit(view).await_resume();
        Keep(start);
        return suit;
    }
    std::vector<double> ms;

  private:
    static int Choices(const SeatView& view) {
        int cards = 0;
        bool eight = false;
        for (Card card : view.hand) {
            if (!IsLegalPlay(card, view.topCard, view.currentSuit)) continue;
            if (IsEight(card))
                eight = true;
            else
                ++cards;
        }
        return cards + (eight ? 4 : 0) + (view.packCount > 0 ? 1 : 0);
    }
    void Keep(std::chrono::steady_clock::time_point start) {
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        ms.push_back(took.count());
    }
    HardPolicy hard_;
    bool hint_;
};

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1));
    return values[at];
}

// Hard in seat 1 against Normal seats through seeded games (standard, Advanced, and
// seven cards with Advanced), one core; the counters are the median and the 99th
// percentile of its decisions in milliseconds. hint:1 times the hint's search instead.
void BM_HardDecision(benchmark::State& state) {
    Timed timed(state.range(1) != 0);
    const RuleSet ruleSets[] = {{false, false}, {true, false}, {true, true}};
    for (auto _ : state) {
        timed.ms.clear();
        int clock = 0;
        for (const RuleSet& rules : ruleSets) {
            Options options;
            options.clock = {1 + clock++, 4, 10, 20, 30};
            options.hands = static_cast<int>(state.range(0));
            options.rules = rules;
            Driver driver(options);
            driver.Game().SetPlayer(1, &timed);
            driver.Run();
        }
    }
    state.counters["decisions"] = static_cast<double>(timed.ms.size());
    state.counters["median_ms"] = Percentile(timed.ms, 0.5);
    state.counters["p99_ms"] = Percentile(timed.ms, 0.99);
    state.counters["max_ms"] = Percentile(timed.ms, 1.0);
}
BENCHMARK(BM_HardDecision)
    ->ArgNames({"hands", "hint"})
    ->Args({100, 0})
    ->Args({100, 1})
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

}  // namespace
}  // namespace mervane::sim
