#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <memory>

#include "render/card_decks.h"

namespace mervane {
namespace {

// SVG text may need fonts, so a GUI application exists before any benchmark runs.
int argc = 1;
char arg0[] = "bench_decks";
char* argv[] = {arg0, nullptr};
const bool kApplication = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv);
    return true;
}();

// A card at a 3840 x 2160 table: 29 x 41 table units at about 5.5 pixels each.
constexpr QSize k4KCard(160, 226);

const DeckInfo* DefaultDeck(benchmark::State& state) {
    static const std::vector<DeckInfo> decks = FindCardDecks();
    const QString id = DefaultDeckId(decks);
    for (const DeckInfo& deck : decks)
        if (deck.id == id) {
            state.SetLabel(id.toStdString());
            return &deck;
        }
    state.SkipWithError("no card deck installed");
    return nullptr;
}

void BM_DeckColdParse(benchmark::State& state) {
    const DeckInfo* deck = DefaultDeck(state);
    if (!deck) return;
    for (auto _ : state) {
        CardFaceRenderer faces(deck->svgPath);
        benchmark::DoNotOptimize(faces.Preload());
    }
}
BENCHMARK(BM_DeckColdParse)->Unit(benchmark::kMillisecond);

void BM_DeckFirstRenderOf52At4K(benchmark::State& state) {
    const DeckInfo* deck = DefaultDeck(state);
    if (!deck) return;
    for (auto _ : state) {
        state.PauseTiming();
        auto faces = std::make_unique<CardFaceRenderer>(deck->svgPath);
        faces->Preload();
        state.ResumeTiming();
        for (Card card = 1; card <= CardsInPack; ++card)
            benchmark::DoNotOptimize(faces->Face(card, k4KCard));
        state.PauseTiming();
        faces.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeckFirstRenderOf52At4K)->Unit(benchmark::kMillisecond);

void BM_DeckWarmLookupOf52(benchmark::State& state) {
    const DeckInfo* deck = DefaultDeck(state);
    if (!deck) return;
    CardFaceRenderer faces(deck->svgPath);
    for (Card card = 1; card <= CardsInPack; ++card) faces.Face(card, k4KCard);
    for (auto _ : state)
        for (Card card = 1; card <= CardsInPack; ++card)
            benchmark::DoNotOptimize(faces.Face(card, k4KCard));
    if (faces.RenderCount() != CardsInPack) state.SkipWithError("a warm lookup rendered again");
}
BENCHMARK(BM_DeckWarmLookupOf52)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mervane
