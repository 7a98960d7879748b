#include "tools/sim/sim_driver.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "cards/computer_player.h"
#include "cards/rules.h"

namespace mervane::sim {

namespace {

// The number in text[from, from + width), all digits; -1 otherwise.
int Digits(std::string_view text, std::size_t from, std::size_t width) {
    int value = 0;
    for (std::size_t i = from; i < from + width; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

int DaysInMonth(int year, int month) {
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

}  // namespace

std::optional<LocalTime> ParseClock(std::string_view text) {
    // YYYY-MM-DD HH:MM:SS, nothing more and nothing less.
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' ||
        text[13] != ':' || text[16] != ':')
        return std::nullopt;
    const int year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
    const int hour = Digits(text, 11, 2), minute = Digits(text, 14, 2);
    const int second = Digits(text, 17, 2);
    if (year < 1 || month < 1 || month > 12 || day < 1 || hour < 0 || hour > 23 || minute < 0 ||
        minute > 59 || second < 0 || second > 59)
        return std::nullopt;
    if (day > DaysInMonth(year, month)) return std::nullopt;
    return LocalTime{day, month - 1, hour, minute, second};
}

std::optional<HumanPolicy> ParseHumanPolicy(std::string_view text) {
    if (text == "first") return HumanPolicy{};
    constexpr std::string_view prefix = "random:";
    if (!text.starts_with(prefix) || text.size() == prefix.size()) return std::nullopt;
    std::uint64_t seed = 0;
    for (const char c : text.substr(prefix.size())) {
        if (c < '0' || c > '9') return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (seed > (UINT64_MAX - digit) / 10) return std::nullopt;
        seed = seed * 10 + digit;
    }
    return HumanPolicy{HumanPolicy::Kind::Random, seed};
}

std::uint64_t SplitMix64::Next() {
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

Driver::Driver(const Options& options)
    : options_(options), platform_(options.clock), random_(options.human.seed) {
    platform_.Attach(game_);
    GameSettings settings;
    settings.playTo = options.playTo;
    settings.sevenCards = options.sevenCards ? 1 : 0;
    settings.advancedRules = options.advancedRules ? 1 : 0;
    settings.trainingMode = options.trainingMode ? 1 : 0;
    game_.ApplyLoadedSettings(settings);
}

void Driver::SetLineSink(HeadlessPlatform::LineSink sink) {
    sink_ = std::move(sink);
    platform_.SetLineSink([this](std::string_view line) { OnLine(line); });
}

void Driver::SetAfterRedraw(std::function<void(const GameState&)> hook) {
    afterRedraw_ = std::move(hook);
    platform_.SetLineSink([this](std::string_view line) { OnLine(line); });
}

void Driver::OnLine(std::string_view line) {
    if (sink_) sink_(line);
    if (afterRedraw_ && line == "redraw") afterRedraw_(game_.State());
}

bool Driver::Finished() const {
    if (options_.hands) return platform_.HandsEnded() >= *options_.hands;
    return platform_.GamesEnded() > 0 && game_.State().handOver;
}

int Driver::Run() {
    game_.NewGame();
    int handsEnded = platform_.HandsEnded();
    int taps = 0;
    while (!Finished()) {
        const GameState& state = game_.State();
        if (state.handOver) {
            game_.OnTableTap(0, 0);
        } else if (state.humanTurn) {
            if (++taps > options_.maxTapsPerHand) {
                throw StuckGame("hand " + std::to_string(game_.HandsDealt()) +
                                " still runs after " + std::to_string(options_.maxTapsPerHand) +
                                " taps of the human");
            }
            HumanMove();
        } else {
            throw std::logic_error("the game waits for nobody");
        }
        if (platform_.HandsEnded() != handsEnded) {
            handsEnded = platform_.HandsEnded();
            taps = 0;
        }
    }
    return platform_.HandsEnded();
}

void Driver::HumanMove() {
    if (options_.human.kind == HumanPolicy::Kind::Random) {
        RandomPolicyMove();
    } else {
        FirstPolicyMove();
    }
}

void Driver::TapCard(int index) {
    // One pixel inside the card's visible strip: its left and top edges are outside.
    const Point corner = game_.State().table.CardPos(Bottom, index);
    game_.OnTableTap(corner.x + 1, corner.y + 1);
}

void Driver::TapPack() {
    const Rect pile = game_.State().table.DrawPileRect();
    game_.OnTableTap(pile.left + 1, pile.top + 1);
}

void Driver::TapSuitBox(std::size_t box) {
    const Rect r = game_.State().table.SuitBoxes()[box];
    game_.OnTableTap(r.left + 1, r.top + 1);
}

// The first legal card in hand order; else the pack; after an eight the suit the hand
// holds most of.
void Driver::FirstPolicyMove() {
    const GameState& state = game_.State();
    const CardList& hand = state.hands[0];
    if (state.choosingSuit) {
        constexpr Suit boxSuits[] = {Hearts, Diamonds, Clubs, Spades};
        const Suit wanted = LongestSuit(hand);
        for (std::size_t box = 0; box < 4; ++box) {
            if (boxSuits[box] == wanted) TapSuitBox(box);
        }
        return;
    }
    for (int i = 0; i < hand.Count(); ++i) {
        if (!IsLegalPlay(hand.At(i), state.topCard, state.currentSuit)) continue;
        TapCard(i);
        return;
    }
    TapPack();
}

// Any card, legal or not, or the pack, even an empty one: every tap a person could make
// on the hand is taken sooner or later.
void Driver::RandomPolicyMove() {
    const GameState& state = game_.State();
    if (state.choosingSuit) {
        const auto boxes = state.table.SuitBoxes();
        std::array<std::size_t, 4> leftToRight{};
        std::iota(leftToRight.begin(), leftToRight.end(), std::size_t{0});
        std::stable_sort(leftToRight.begin(), leftToRight.end(), [&](std::size_t a, std::size_t b) {
            return boxes[a].left < boxes[b].left;
        });
        TapSuitBox(leftToRight[random_.Next() % 4]);
        return;
    }
    const auto n = static_cast<std::uint64_t>(state.hands[0].Count());
    const std::uint64_t k = random_.Next() % (n + 1);
    if (k < n) {
        TapCard(static_cast<int>(k));
    } else {
        TapPack();
    }
}

}  // namespace mervane::sim
