#include "tools/sim/sim_driver.h"

#include <string>

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
    if (text == "hint") return HumanPolicy{HumanPolicy::Kind::Hint};
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

std::optional<std::pair<Seat, Level>> ParseSeatLevel(std::string_view text) {
    if (text.size() < 3 || text[1] != '=' || text[0] < '0' || text[0] > '3') return std::nullopt;
    const auto level = ParseLevel(text.substr(2));
    if (!level) return std::nullopt;
    return std::pair{static_cast<Seat>(text[0] - '0'), *level};
}

void HumanSeatPolicy::Count(const SeatView& view) {
    if (++decisions_ <= maxDecisions_) return;
    throw StuckGame("a hand still runs after " + std::to_string(maxDecisions_) +
                    " decisions of the human (" + std::to_string(view.history.size()) +
                    " moves at the table)");
}

// first: the first legal card in hand order, else the pack. random: any card, legal or
// not, or the pack, even an empty one, so that every move a person could try is tried.
// hint: the move the hint marks best.
Decision<SeatMove> HumanSeatPolicy::ChooseMove(const SeatView& view) {
    Count(view);
    const CardList& hand = view.hand;
    if (policy_.kind == HumanPolicy::Kind::Hint) {
        return SurveyMoves(view).Best();
    }
    if (policy_.kind == HumanPolicy::Kind::Random) {
        const auto n = static_cast<std::uint64_t>(hand.Count());
        const std::uint64_t k = random_.Next() % (n + 1);
        if (k < n) return SeatMove::Play(hand.At(static_cast<int>(k)));
        return SeatMove::Draw();
    }
    for (const Card card : hand) {
        if (IsLegalPlay(card, view.topCard, view.currentSuit)) return SeatMove::Play(card);
    }
    return SeatMove::Draw();
}

// first: the suit the hand holds most of. random: any of the four boxes.
Decision<Suit> HumanSeatPolicy::ChooseSuit(const SeatView& view) {
    Count(view);
    if (policy_.kind == HumanPolicy::Kind::Random)
        return SuitBoxOrder[static_cast<std::size_t>(random_.Next() % 4)];
    return LongestSuit(view.hand);
}

Driver::Driver(const Options& options)
    : options_(options), platform_(options.clock), human_(options.human, options.maxTapsPerHand) {
    platform_.Attach(game_);
    game_.SetPlayer(HumanSeat, &human_);
    for (Seat seat = 0; seat < SeatCount; ++seat) {
        const auto& level = options.levels[static_cast<std::size_t>(seat)];
        if (!level) continue;
        auto& player = levelPlayers_[static_cast<std::size_t>(seat)];
        player = MakeComputerPlayer(*level);
        game_.SetPlayer(seat, player.get());
    }
    GameSettings settings;
    settings.playTo = options.playTo;
    settings.rules = options.rules;
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

// The human decides inside the game's own chain, so each call below plays on until a
// hand is over.
int Driver::Run() {
    human_.NewHand();
    game_.NewGame();
    while (!Finished()) {
        if (!game_.State().handOver) throw std::logic_error("the game waits for nobody");
        human_.NewHand();
        game_.Continue();
    }
    return platform_.HandsEnded();
}

}  // namespace mervane::sim
