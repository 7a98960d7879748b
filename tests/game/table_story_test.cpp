// The table's callouts told from the game's events: scripted moves on a stepped clock,
// then whole seeded games with the story checked after every event.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "game/table_story.h"
#include "game/timings.h"
#include "tests/cards/card_text.h"
#include "tools/sim/sim_driver.h"

namespace mervane {
namespace {

// "1:two +2, pile:H, why:The 9~": each seat's callout, the named suit, the refusal's
// first words; "~" while fading.
std::string Summary(const TableCallouts& look) {
    constexpr const char* kinds[] = {"drew", "two", "skip", "rev"};
    const auto fade = [](double opacity) { return opacity < 1.0 ? "~" : ""; };
    std::string out;
    const auto add = [&out](const std::string& part) { out += (out.empty() ? "" : ", ") + part; };
    for (Seat seat = 0; seat < SeatCount; ++seat) {
        if (const auto& c = look.seats[static_cast<std::size_t>(seat)])
            add(std::to_string(seat) + ":" + kinds[static_cast<int>(c->kind)] + " " + c->text +
                fade(c->opacity));
    }
    if (look.namedSuit != NoSuit) add(std::string("pile:") + "SHDC"[look.namedSuit]);
    if (!look.refusal.empty())
        add("why:" + look.refusal.substr(0, look.refusal.find(" of ")) + fade(look.refusalOpacity));
    return out;
}

// An event ("draw 1", "play 0 2H", "two 1 2" (seat, count), "skip 1", "reverse",
// "suit H", "pass 1", "refuse 9H", "deal", "newgame"), "?" and what the table shows,
// or "next" and when it next changes (-1: never).
void Step(TableStory& story, const std::string& step, std::int64_t now) {
    std::istringstream in(step);
    std::string verb, card;
    Seat seat = NoSeat;
    in >> verb;
    if (verb == "draw" && in >> seat) return story.CardDrawn(seat, ParseCard("3S"));
    if (verb == "play" && in >> seat >> card) return story.CardPlayed(seat, ParseCard(card));
    if (verb == "two" && in >> seat >> card) return story.DrawTwoTaken(seat, std::stoi(card));
    if (verb == "skip" && in >> seat) return story.SeatSkipped(seat);
    if (verb == "reverse") return story.DirectionChanged(true);
    if (verb == "suit" && in >> card) return story.SuitNamed(SuitOf(ParseCard("2" + card)));
    if (verb == "pass" && in >> seat) return story.SeatPassed(seat);
    if (verb == "refuse" && in >> card)
        return story.TapRefused(ParseCard(card), ParseCard("5C"), Clubs);
    if (verb == "deal") return story.HandDealt(2, 0, ParseCard("5C"));
    if (verb == "newgame") return story.GameStarted();
    if (verb.starts_with("?")) {
        EXPECT_EQ(Summary(story.At(now)), step.substr(1)) << "at " << now;
    } else if (verb == "next" && in >> card) {
        EXPECT_EQ(story.NextChangeAt(now).value_or(-1), std::stoll(card)) << "at " << now;
    } else {
        ADD_FAILURE() << "a step of no known kind: " << step;
    }
}

// Each script is "<ms> <step>; ...", the clock set to <ms> before the step.
TEST(TableStory, TellsTheHandsLastMoves) {
    const std::pair<const char*, const char*> scripts[] = {
        {"three draws in a row: +3, fading after the last; another seat counts its own",
         "0 draw 1; 0 ?1:drew +1; 900 draw 1; 1800 draw 1; 1800 draw 2;"
         "2999 ?1:drew +3, 2:drew +1; 3100 ?1:drew +3~, 2:drew +1~; 3300 ?"},
        {"a Draw Two: +2 on the drawer, its draws not counted again, fewer from a short pack",
         "0 play 0 2H; 0 two 1 2; 0 draw 1; 0 draw 1; 0 ?1:two +2; 600 draw 1; 600 ?1:drew +1;"
         "700 play 1 2D; 700 two 2 1; 700 draw 2; 700 two 3 0; 700 ?2:two +1"},
        {"a Skip on the seat passed over, a Reverse at the Ace's seat",
         "0 play 0 QH; 0 skip 1; 100 draw 2; 200 play 2 AH; 200 reverse;"
         "200 ?1:skip Skipped, 2:rev Reverse; 1500 ?2:rev Reverse~"},
        {"an eight's suit stays on the pile until a card follows it",
         "0 play 3 8C; 0 suit H; 9000 draw 0; 9000 ?0:drew +1, pile:H; 9100 play 0 8D; 9100 ?;"
         "9200 suit S; 9300 play 1 4S; 9300 ?"},
        {"a seat's next move ends its callout",
         "0 draw 1; 0 skip 2; 0 play 3 AS; 0 reverse; 100 pass 1; 100 play 2 5S; 100 play 3 6S;"
         "100 ?"},
        {"a refusal says why for its time and a new one replaces it",
         "0 refuse 9H; 2199 ?why:The 9; 2300 ?why:The 9~; 2500 ?; 3000 refuse 9H;"
         "4000 refuse KD; 6399 ?why:The King~; 6500 ?"},
        {"the human's next move ends a refusal, another seat's does not",
         "0 refuse 9H; 100 play 1 4C; 100 draw 2; 100 ?2:drew +1, why:The 9; 200 draw 0;"
         "200 ?0:drew +1, 2:drew +1"},
        {"a new hand or a new game clears the table",
         "0 play 3 8C; 0 suit H; 0 skip 0; 0 refuse 9H; 0 deal; 0 ?; 10 two 2 2; 10 suit D;"
         "10 newgame; 10 ?"},
        {"a repaint is asked for at a fade's start, every frame of it, never for the suit",
         "0 suit H; 0 next -1; 0 draw 1; 400 refuse 9H; 400 next 1200; 1300 next 1300;"
         "1500 next 2600; 2900 next -1"},
    };
    for (const auto& [name, script] : scripts) {
        SCOPED_TRACE(name);
        GameState state;
        std::int64_t now = 0;
        TableStory story(state, [&now] { return now; });
        std::istringstream steps(script);
        for (std::string step; std::getline(steps >> now >> std::ws, step, ';');)
            Step(story, step, now);
    }
}

// Added after the story, it hears each event once the story has taken it.
struct StoryChecker final : GameObserver {
    StoryChecker(const TableStory& s, const GameState& g, const std::int64_t& n)
        : story(s), state(g), now(n) {}
    int Count(Seat seat) const { return state.hands[static_cast<std::size_t>(seat)].Count(); }
    void Check() const {
        for (const auto& c : story.At(now).seats) {
            if (c) {
                EXPECT_LT(now - c->since, CalloutShowMs) << c->text;
            }
        }
    }
    void StatusChanged(Seat, std::string_view) override { Check(); }
    void CardPlayed(Seat, Card) override { Check(); }
    void TapRefused(Card, Card, Suit) override { ++refusals; }
    void DrawTwoTaken(Seat seat, int count) override {
        twoSeat = count > 0 ? seat : NoSeat, twoLeft = count, handBefore = Count(seat);
    }
    void CardDrawn(Seat seat, Card) override {
        Check();
        if (seat != twoSeat || --twoLeft > 0) return;
        const auto c = story.At(now).seats[static_cast<std::size_t>(seat)];
        ASSERT_TRUE(c && c->kind == CalloutKind::MustDrawTwo) << "seat " << seat;
        EXPECT_EQ(Count(seat), handBefore + c->count) << "seat " << seat;
        twoSeat = NoSeat, ++drawTwos;
    }

    const TableStory& story;
    const GameState& state;
    const std::int64_t& now;
    Seat twoSeat = NoSeat;
    int twoLeft = 0, handBefore = 0, refusals = 0, drawTwos = 0;
};

TEST(TableStory, KeepsItsPromisesThroughSeededGames) {
    int refusals = 0, drawTwos = 0;
    for (int seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        sim::Options options;
        options.clock = LocalTime{7, 2, 0, 3, seed};
        options.rules = {.advanced = true, .sevenCards = seed % 2 == 1};
        options.human = {sim::HumanPolicy::Kind::Random, static_cast<std::uint64_t>(seed)};
        sim::Driver driver(options);
        std::int64_t now = 0;  // the game's pauses are its clock, as a window waits them out
        driver.SetLineSink([&now](std::string_view line) {
            if (line.starts_with("pause ")) now += std::stoi(std::string(line.substr(6)));
        });
        TableStory story(driver.Game().State(), [&now] { return now; });
        StoryChecker checker(story, driver.Game().State(), now);
        driver.Game().AddObserver(&story);
        driver.Game().AddObserver(&checker);
        driver.Run();
        refusals += checker.refusals, drawTwos += checker.drawTwos;
    }
    EXPECT_GT(refusals, 0);
    EXPECT_GT(drawTwos, 0);
}

}  // namespace
}  // namespace mervane
