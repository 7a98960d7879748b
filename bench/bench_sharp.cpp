#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <memory>
#include <string_view>

#include "cards/platform_services.h"
#include "game/game_state.h"
#include "game/texts.h"
#include "layout/sharp_layout.h"
#include "render/card_decks.h"
#include "render/sharp_surface.h"
#include "render/sharp_table_draw.h"
#include "render/snapshot.h"

namespace mervane {
namespace {

// Fonts need a GUI application before any benchmark runs; benchmark_main owns main.
int argc = 1;
char arg0[] = "bench_sharp";
char* argv[] = {arg0, nullptr};
const bool kApplication = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv);
    return true;
}();

constexpr QSize k4K(3840, 2160);

class NoAlerts final : public Alerts {
  public:
    void ShowMessage(std::string_view) override {}
};

// A pack shuffled from a fixed seed and five cards dealt to each seat, as a deal does.
GameState SeededDeal() {
    GameState state;
    CrtRandom random;
    NoAlerts alerts;
    state.deck.Shuffle(FixedClock({14, 2, 20, 31, 7}), random, alerts);
    for (Seat seat = 0; seat < SeatCount; ++seat) {
        auto& hand = state.hands[static_cast<std::size_t>(seat)];
        hand.SetCapacity(MaxListCards);
        for (int i = 0; i < 5; ++i) hand.Add(state.deck.Draw());
        state.table.SetHandSize(PositionOfSeat(seat), 5);
    }
    state.topCard = state.deck.Draw();
    state.playerNames = {"Player1", "Player2", "Player3"};
    state.statusText = {std::string(text::YourMove), std::string(text::Pass),
                        std::string(text::DrawOne), std::string(text::Thinking)};
    state.currentSuit = Hearts;
    state.dealer = TopSeat;
    state.gameInProgress = true;
    state.betweenGames = false;
    state.showSplash = false;
    return state;
}

// The default installed deck, parsed; null (classic faces) when none is installed.
CardFaceRenderer* DefaultFaces(benchmark::State& state) {
    static const std::unique_ptr<CardFaceRenderer> faces = [] {
        const std::vector<DeckInfo> decks = FindCardDecks();
        const QString id = DefaultDeckId(decks);
        for (const DeckInfo& deck : decks)
            if (deck.id == id) {
                auto renderer = std::make_unique<CardFaceRenderer>(deck.svgPath);
                renderer->Preload();
                return renderer;
            }
        return std::unique_ptr<CardFaceRenderer>();
    }();
    state.SetLabel(faces ? "deck faces" : "no deck installed: classic faces");
    return faces.get();
}

// One paint of the view as the window makes it: the table laid out for the window, one
// table unit per device pixel.
void Paint(const GameState& game, QImage& window, CardFaceRenderer* faces) {
    const Size size{window.width(), window.height()};
    SharpCounts counts;
    for (Seat seat = 0; seat < SeatCount; ++seat)
        counts.handSize[static_cast<std::size_t>(PositionOfSeat(seat) - 1)] =
            game.hands[static_cast<std::size_t>(seat)].Count();
    SharpSurface surface(window, size, QPointF(0, 0), 1.0, faces);
    DrawSharpTable(game, LayOutSharpTable(size, counts), {}, {}, surface);
}

double ResidentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    return 0;
}

void BM_SharpRepaint4KWarm(benchmark::State& state) {
    CardFaceRenderer* faces = DefaultFaces(state);
    const GameState game = SeededDeal();
    QImage window(k4K, QImage::Format_RGB32);
    window.fill(Qt::black);
    Paint(game, window, faces);  // the first deal at 4K: every picture rendered
    state.counters["rss_after_first_deal_MB"] = ResidentMegabytes();
    for (auto _ : state) {
        Paint(game, window, faces);
        benchmark::DoNotOptimize(window.constBits());
    }
}
BENCHMARK(BM_SharpRepaint4KWarm)->Unit(benchmark::kMillisecond);

// Each iteration a window size not seen before, so every picture is rendered anew at
// its new size; the deck is parsed already.
void BM_SharpFirstRepaintAfterResize(benchmark::State& state) {
    CardFaceRenderer* faces = DefaultFaces(state);
    const GameState game = SeededDeal();
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++step;
        QImage window(k4K.width() - step * 3 % 900, k4K.height() - step * 5 % 700,
                      QImage::Format_RGB32);
        state.ResumeTiming();
        Paint(game, window, faces);
        benchmark::DoNotOptimize(window.constBits());
    }
}
BENCHMARK(BM_SharpFirstRepaintAfterResize)->Unit(benchmark::kMillisecond)->Iterations(40);

}  // namespace
}  // namespace mervane
