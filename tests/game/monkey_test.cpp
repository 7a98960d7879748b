#include <gtest/gtest.h>

#include <random>
#include <set>

#include "game/headless_platform.h"
#include "game/mervane_game.h"
#include "tests/cards/card_text.h"

namespace mervane {
namespace {

// Thousands of hands played by random taps anywhere on the table, with the options
// changed between games; every visible step must keep the table sound.
class MonkeyTable {
  public:
    explicit MonkeyTable(unsigned seed) : rng_(seed) {
        platform_.Attach(game_);
        platform_.SetLineSink([this](std::string_view line) { OnLine(line); });
        GameSettings settings;
        settings.playSpeed = 2;
        game_.ApplyLoadedSettings(settings);
    }

    void PlayHands(int hands) {
        while (handsEnded_ < hands) {
            PickOptionsIfBetweenGames();
            const int before = handsEnded_;
            for (int taps = 0; handsEnded_ == before; ++taps) {
                ASSERT_LT(taps, 20000) << "a hand that never ends";
                if (rng_() % 3 == 0) platform_.QueueTap(RandomX(), RandomY());
                TapSomewhere();
                if (::testing::Test::HasFatalFailure()) return;
            }
        }
        EXPECT_EQ(handsStarted_, handsEnded_ + (game_.State().handOver ? 0 : 1));
    }

    int wins = 0, deadRounds = 0;

  private:
    int RandomX() { return static_cast<int>(rng_() % 240); }
    int RandomY() { return static_cast<int>(rng_() % 268); }

    void PickOptionsIfBetweenGames() {
        if (game_.State().gameInProgress) return;
        GameSettings s = game_.Settings();
        s.rules.sevenCards = rng_() % 2 == 1;
        s.rules.advanced = rng_() % 2 == 1;
        s.playTo = 1 + static_cast<int>(rng_() % 300);
        game_.ApplySettings(s);
        game_.NewGame();
    }

    // Random taps are mostly aimed at something, so that hands move on.
    void TapSomewhere() {
        const auto& s = game_.State();
        const auto& table = s.table;
        Point p{RandomX(), RandomY()};
        switch (rng_() % 4) {
            case 0: break;
            case 1: {
                const Rect r = table.DrawPileRect();
                p = {r.left + static_cast<int>(rng_() % 29), r.top + static_cast<int>(rng_() % 41)};
                break;
            }
            case 2: {
                const Rect r = table.SuitBoxes()[rng_() % 4];
                p = {r.left + static_cast<int>(rng_() % 24), r.top + static_cast<int>(rng_() % 22)};
                break;
            }
            default: {
                const int n = s.hands[0].Count();
                if (n == 0) break;
                const Point c =
                    table.CardPos(Bottom, static_cast<int>(rng_() % static_cast<unsigned>(n)));
                p = {c.x + 1 + static_cast<int>(rng_() % 9),
                     c.y + 1 + static_cast<int>(rng_() % 19)};
            }
        }
        game_.OnTableTap(p.x, p.y);
    }

    void OnLine(std::string_view line) {
        if (line.starts_with("hand ")) {
            ++handsStarted_;
            covered_.clear();
            lastTop_ = game_.State().topCard;
        } else if (line.starts_with("end ")) {
            ++handsEnded_;
            ++wins;
        } else if (line == "dead") {
            ++handsEnded_;
            ++deadRounds;
        } else if (line.starts_with("play ")) {
            covered_.insert(lastTop_);
            lastTop_ = game_.State().topCard;
        } else if (line == "redraw" && !game_.State().showSplash &&
                   game_.State().deck.DrawPos() > 0) {
            // (Between the shuffle and the deal the old top card still shows on the pile.)
            CheckInvariants();
        }
    }

    void CheckInvariants() {
        const auto& s = game_.State();
        std::array<int, 53> places{};
        for (Seat seat = 0; seat < SeatCount; ++seat) {
            const auto& hand = s.hands[static_cast<std::size_t>(seat)];
            ASSERT_LE(hand.Count(), 36);
            ASSERT_EQ(hand.Count(), s.table.HandSize(PositionOfSeat(seat)));
            for (Card c : hand) {
                ASSERT_TRUE(IsCard(c));
                ++places[static_cast<std::size_t>(c)];
                ASSERT_EQ(covered_.count(c), 0u) << CardText(c) << " came back";
            }
        }
        for (int i = s.deck.DrawPos(); i < 52; ++i)
            ++places[static_cast<std::size_t>(s.deck.At(i))];
        if (IsCard(s.topCard)) {
            ++places[static_cast<std::size_t>(s.topCard)];
            ASSERT_EQ(covered_.count(s.topCard), 0u);
        }
        for (Card c = 1; c <= 52; ++c)
            ASSERT_LE(places[static_cast<std::size_t>(c)], 1) << CardText(c);
    }

    HeadlessPlatform platform_;
    MervaneGame game_{platform_};
    std::mt19937 rng_;
    std::set<Card> covered_;
    Card lastTop_ = NoCard;
    int handsStarted_ = 0, handsEnded_ = 0;
};

TEST(MonkeyTest, RandomTapsKeepTheTableSoundForThousandsOfHands) {
    for (unsigned seed : {1u, 2u, 3u}) {
        MonkeyTable table(seed);
        table.PlayHands(1000);
        if (HasFatalFailure()) return;
        EXPECT_GT(table.wins, 0);
    }
}

}  // namespace
}  // namespace mervane
