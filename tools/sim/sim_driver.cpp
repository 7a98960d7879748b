#include "tools/sim/sim_driver.h"

#include <cstdio>
#include <stdexcept>

#include "cards/computer_player.h"
#include "cards/rules.h"

namespace mervane::sim {

std::optional<LocalTime> ParseClock(std::string_view text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    char tail = 0;
    const std::string copy(text);
    if (std::sscanf(copy.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &year, &month, &day, &hour, &minute,
                    &second, &tail) != 6)
        return std::nullopt;
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59 ||
        hour < 0 || minute < 0 || second < 0)
        return std::nullopt;
    return LocalTime{day, month - 1, hour, minute, second};
}

Driver::Driver(const Options& options) : options_(options), platform_(options.clock) {
    platform_.Attach(game_);
    GameSettings settings;
    settings.playTo = options.playTo;
    settings.sevenCards = options.sevenCards ? 1 : 0;
    settings.advancedRules = options.advancedRules ? 1 : 0;
    settings.trainingMode = options.trainingMode ? 1 : 0;
    game_.ApplyLoadedSettings(settings);
    game_.State().table.SetTableRect(platform_.ClientRect());
}

void Driver::SetLineSink(HeadlessPlatform::LineSink sink) {
    sink_ = std::move(sink);
    platform_.SetLineSink([this](std::string_view line) { OnLine(line); });
}

void Driver::SetAfterRedraw(std::function<void(GameState&)> hook) {
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
    while (!Finished()) {
        const GameState& state = game_.State();
        if (state.handOver) {
            game_.OnTableTap(0, 0);
        } else if (state.humanTurn) {
            HumanMove();
        } else {
            throw std::logic_error("the game waits for nobody");
        }
    }
    return platform_.HandsEnded();
}

Point Driver::CardTapPoint(int index) const {
    // One pixel inside the card's visible strip: its left and top edges are outside.
    const Point corner = game_.State().table.CardPos(Bottom, index);
    return {corner.x + 1, corner.y + 1};
}

// The first legal card in hand order; else the pack; after an eight the suit the hand
// holds most of.
void Driver::HumanMove() {
    const GameState& state = game_.State();
    const auto& table = state.table;
    const CardList& hand = state.hands[0];
    if (state.choosingSuit) {
        constexpr Suit boxSuits[] = {Hearts, Diamonds, Clubs, Spades};
        const Suit wanted = LongestSuit(hand);
        for (std::size_t box = 0; box < 4; ++box) {
            if (boxSuits[box] != wanted) continue;
            const Rect r = table.SuitBoxes()[box];
            game_.OnTableTap(r.left + 1, r.top + 1);
        }
        return;
    }
    for (int i = 0; i < hand.Count(); ++i) {
        if (!IsLegalPlay(hand.At(i), state.topCard, state.currentSuit)) continue;
        const Point p = CardTapPoint(i);
        game_.OnTableTap(p.x, p.y);
        return;
    }
    const Rect pile = table.DrawPileRect();
    game_.OnTableTap(pile.left + 1, pile.top + 1);
}

}  // namespace mervane::sim
