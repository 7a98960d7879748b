#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <chrono>
#include <cstring>
#include <vector>

#include "game/game_state.h"
#include "game/texts.h"
#include "render/bitmap_cache.h"
#include "render/qt_surface.h"
#include "render/snapshot.h"
#include "render/table_painter.h"

namespace mervane {
namespace {

// Fonts need a GUI application before any benchmark runs; benchmark_main owns main.
int argc = 1;
char arg0[] = "bench_render";
char* argv[] = {arg0, nullptr};
const bool kApplication = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv);
    return true;
}();

// Until the card bitmaps land, plain pictures of the right sizes keep the copies real.
void ProvideMissingBitmaps() {
    BitmapCache& cache = BitmapCache::Shared();
    const auto provide = [&](int id, QSize size) {
        if (!cache.Image(id).isNull()) return;
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor::fromRgb(id, 255 - id, 128));
        cache.Provide(id, image);
    };
    for (int id = 1; id <= 65; ++id)
        if (id != 53) provide(id, {29, 41});
    for (int id = 153; id <= 156; ++id) provide(id, {19, 19});
    provide(166, {8, 7});
}

GameState FourFiveCardHands() {
    GameState state;
    Card next = 3;
    for (Seat seat = 0; seat < SeatCount; ++seat) {
        auto& hand = state.hands[static_cast<std::size_t>(seat)];
        hand.SetCapacity(MaxListCards);
        for (int i = 0; i < 5; ++i) hand.Add(next += 2);
        state.table.SetHandSize(PositionOfSeat(seat), 5);
    }
    state.playerNames = {"Player1", "Player2", "Player3"};
    state.statusText = {std::string(text::YourMove), std::string(text::Pass),
                        std::string(text::DrawOne), std::string(text::Thinking)};
    state.topCard = 30;
    state.currentSuit = Hearts;
    state.dealer = TopSeat;
    state.gameInProgress = true;
    state.betweenGames = false;
    state.showSplash = false;
    for (int i = 0; i < 21; ++i) state.deck.Draw();
    return state;
}

// One memcpy of a 240 x 268 32-bit frame, in nanoseconds, measured outside the loop.
double FrameCopyNs() {
    std::vector<std::uint32_t> from(ViewWidth * ViewHeight, 0x00FF00u), to(from.size());
    constexpr int kRounds = 3000;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i) {
        from[static_cast<std::size_t>(i) % from.size()] = static_cast<std::uint32_t>(i);
        std::memcpy(to.data(), from.data(), from.size() * sizeof(std::uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / kRounds;
}

void BM_PaintCardTable(benchmark::State& state) {
    ProvideMissingBitmaps();
    GameState game = FourFiveCardHands();
    QImage window(ViewWidth, ViewHeight, QImage::Format_RGB32);
    RenderTableImage(game);  // first paint: fonts and decoding out of the way
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        QtSurface surface(window);
        OnDraw(game, surface);
        benchmark::DoNotOptimize(window.constBits());
    }
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    const double paintNs = spent.count() / static_cast<double>(state.iterations());
    static const double frameCopyNs = FrameCopyNs();
    state.counters["frame_memcpy_ns"] = frameCopyNs;
    // How many plain frame copies one whole paint costs.
    state.counters["paint_vs_memcpy"] = paintNs / frameCopyNs;
}
BENCHMARK(BM_PaintCardTable)->Unit(benchmark::kMicrosecond);

void BM_MemcpyFrame(benchmark::State& state) {
    std::vector<std::uint32_t> from(ViewWidth * ViewHeight, 0x00FF00u), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(std::uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mervane
