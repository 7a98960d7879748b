#include <benchmark/benchmark.h>

#include "cards/card_deck.h"
#include "cards/computer_player.h"

namespace mervane {
namespace {

struct QuietAlerts final : Alerts {
    void ShowMessage(std::string_view) override {}
};

void BM_Shuffle(benchmark::State& state) {
    CardDeck deck;
    FixedClock clock({25, 11, 14, 30, 15});
    CrtRandom random;
    QuietAlerts alerts;
    for (auto _ : state) {
        deck.Shuffle(clock, random, alerts);
        benchmark::DoNotOptimize(deck.Cards());
    }
}
BENCHMARK(BM_Shuffle);

void BM_ChooseComputerPlay(benchmark::State& state) {
    CardList hand;
    hand.SetCapacity(52);
    for (Card c : {2, 35, 37, 30, 48, 22, 42, 20, 47}) hand.Add(c);
    for (auto _ : state) {
        CardList copy = hand;
        Suit named = NoSuit;
        benchmark::DoNotOptimize(ChooseComputerPlay(copy, 9, Clubs, named));
    }
}
BENCHMARK(BM_ChooseComputerPlay);

}  // namespace
}  // namespace mervane
