#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "game/headless_platform.h"
#include "game/mervane_game.h"
#include "game/timings.h"
#include "tests/cards/card_text.h"
#include "tests/game/game_test_access.h"

namespace mervane {

struct TableSetup {
    std::vector<std::vector<Card>> hands{4};
    Card top = NoCard;
    Suit suit = NoSuit;         // NoSuit: the top card's own suit
    std::vector<Card> draws{};  // the next cards of the pack, in order
    int spare = 10;             // further cards in the pack after the draws
};

// A game on the headless platform whose trace is kept line by line.
class GameTest : public ::testing::Test {
  protected:
    GameTest() {
        platform.Attach(game);
        platform.SetLineSink([this](std::string_view line) { trace.emplace_back(line); });
        game.ApplyLoadedSettings(GameSettings{});
    }

    const GameState& State() const { return game.State(); }
    // The state to arrange a position in; play itself goes through the game.
    GameState& Position() { return GameTestAccess::State(game); }

    // Puts a hand in play as if it had been dealt and played to this point.
    void SetTable(const TableSetup& setup) {
        std::vector<Card> used;
        for (Seat seat = 0; seat < SeatCount; ++seat) {
            auto& hand = Position().hands[static_cast<std::size_t>(seat)];
            hand.Clear();
            hand.SetCapacity(52);
            for (Card c : setup.hands.at(static_cast<std::size_t>(seat))) {
                hand.Add(c);
                used.push_back(c);
            }
        }
        used.push_back(setup.top);
        std::vector<Card> rest;
        for (Card c = 1; c <= 52; ++c) {
            const bool taken = std::count(used.begin(), used.end(), c) ||
                               std::count(setup.draws.begin(), setup.draws.end(), c);
            if (!taken) rest.push_back(c);
        }
        ASSERT_GE(rest.size(), static_cast<std::size_t>(setup.spare));
        // Dealt part: used cards, then the ones played earlier; the pack: draws, spares.
        std::vector<Card> order = used;
        order.insert(order.end(), rest.begin() + setup.spare, rest.end());
        const auto dealt = static_cast<std::int32_t>(order.size());
        order.insert(order.end(), setup.draws.begin(), setup.draws.end());
        order.insert(order.end(), rest.begin(), rest.begin() + setup.spare);
        std::array<Card, 52> pack{};
        ASSERT_EQ(order.size(), pack.size());
        std::copy(order.begin(), order.end(), pack.begin());
        ASSERT_TRUE(Position().deck.Arrange(pack, dealt));
        Position().topCard = setup.top;
        Position().currentSuit = setup.suit == NoSuit ? SuitOf(setup.top) : setup.suit;
        Position().statusText = {};
        Position().humanTurn = false;
        Position().choosingSuit = false;
        Position().handOver = false;
        Position().showHandScore = false;
        Position().passCount = 0;
        Position().showSplash = false;
        Position().gameInProgress = true;
        Position().betweenGames = false;
        Position().playTo = 200;
        game.RefreshCardCounts();
        trace.clear();
    }

    // Options as the settings dialogs apply them.
    void SetAdvancedRules(bool on) {
        ChangeSettings([on](GameSettings& s) { s.rules.advanced = on; });
    }
    void SetSevenCards(bool on) {
        ChangeSettings([on](GameSettings& s) { s.rules.sevenCards = on; });
    }
    void SetPlayTo(int points) {
        ChangeSettings([points](GameSettings& s) { s.playTo = points; });
    }
    void SetSpeed(PlaySpeed speed) {
        ChangeSettings([speed](GameSettings& s) { s.playSpeed = speed; });
    }
    template <typename Change>
    void ChangeSettings(Change change) {
        GameSettings settings = game.Settings();
        change(settings);
        game.ApplySettings(settings);
    }

    // Makes it the human's turn without running anything else.
    void HumansTurn() {
        GameTestAccess::HumanTurn(game);
        trace.clear();
    }

    Point CardPoint(int index) const {
        const Point p = game.State().table.CardPos(Bottom, index);
        return {p.x + 3, p.y + 30};
    }
    void TapCard(int index) { Tap(CardPoint(index)); }
    void TapPack() {
        const Rect pile = game.State().table.DrawPileRect();
        Tap({pile.left + 5, pile.top + 5});
    }
    void TapSuitBox(int box) {
        const Rect r = game.State().table.SuitBoxes()[static_cast<std::size_t>(box)];
        Tap({r.left + 3, r.top + 3});
    }
    void Tap(Point p) { game.OnTableTap(p.x, p.y); }

    std::vector<Card> HandOf(Seat seat) const {
        const auto& hand = game.State().hands[static_cast<std::size_t>(seat)];
        return {hand.begin(), hand.end()};
    }
    std::string Status(Seat seat) const {
        return game.State().statusText[static_cast<std::size_t>(seat)];
    }

    // The trace with the lines of one kind only ("pause", "status", ...).
    std::vector<std::string> Lines(std::string_view kind) const {
        std::vector<std::string> out;
        for (const auto& line : trace) {
            if (line.rfind(kind, 0) == 0) out.push_back(line);
        }
        return out;
    }
    // The first lines of the trace.
    std::vector<std::string> Head(std::size_t n) const {
        return {trace.begin(), trace.begin() + static_cast<long>(std::min(n, trace.size()))};
    }
    // Line i of the trace, or "(none)" past either end: a fault that shortens the trace
    // then fails the test instead of crashing it.
    std::string Line(long i) const {
        return i >= 0 && i < static_cast<long>(trace.size()) ? trace[static_cast<std::size_t>(i)]
                                                             : "(none)";
    }
    // Up to n lines from line i on; from the end when i is negative (-2: the last two).
    std::vector<std::string> Slice(long i, long n) const {
        const long size = static_cast<long>(trace.size());
        if (i < 0) i += size;
        i = std::clamp(i, 0L, size);
        return {trace.begin() + i, trace.begin() + std::min(size, i + n)};
    }
    // The first line of one kind, or "(none)".
    std::string First(std::string_view kind) const {
        const auto lines = Lines(kind);
        return lines.empty() ? "(none)" : lines.front();
    }
    bool Has(std::string_view line) const {
        return std::find(trace.begin(), trace.end(), line) != trace.end();
    }
    long Index(std::string_view line) const {
        const auto found = std::find(trace.begin(), trace.end(), line);
        return found == trace.end() ? -1 : static_cast<long>(found - trace.begin());
    }

    HeadlessPlatform platform;
    MervaneGame game{platform};
    std::vector<std::string> trace;
};

inline Card C(std::string_view text) {
    return ParseCard(text);
}

}  // namespace mervane
