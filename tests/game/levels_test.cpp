#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "cards/rules.h"
#include "game/levels.h"
#include "tests/cards/card_text.h"
#include "tests/game/game_test_access.h"
#include "tools/sim/sim_driver.h"

namespace mervane {
namespace {

// A level's player with every decision checked against the rules as its view shows them.
class Checked final : public SeatPlayer {
  public:
    explicit Checked(std::unique_ptr<SeatPlayer> inner) : inner_(std::move(inner)) {}

    Decision<SeatMove> ChooseMove(const SeatView& view) override {
        auto decision = inner_->ChooseMove(view);
        EXPECT_TRUE(decision.await_ready()) << "a computer level decides at once";
        const SeatMove move = decision.await_resume();
        if (views.empty()) first = {view, move};
        views.push_back(view);
        const bool canPlay = HasLegalPlay(view.hand, RankOf(view.topCard), view.currentSuit);
        if (move.IsDraw()) {
            // With an empty pack a draw is a pass: only a seat with nothing to play passes.
            EXPECT_TRUE(view.packCount > 0 || !canPlay) << "passed with a card to play";
        } else {
            EXPECT_TRUE(view.hand.Contains(move.card)) << CardText(move.card) << " not in hand";
            EXPECT_TRUE(IsLegalPlay(move.card, view.topCard, view.currentSuit))
                << CardText(move.card) << " on " << CardText(view.topCard);
            EXPECT_LE(move.named, NoSuit);
            EXPECT_GE(move.named, Spades);
        }
        return move;
    }
    Decision<Suit> ChooseSuit(const SeatView& view) override {
        auto decision = inner_->ChooseSuit(view);
        const Suit suit = decision.await_resume();
        EXPECT_TRUE(suit >= Spades && suit <= Clubs) << suit;
        return suit;
    }

    struct First {
        SeatView view;
        SeatMove move;
    } first;
    std::vector<SeatView> views;

  private:
    std::unique_ptr<SeatPlayer> inner_;
};

std::unique_ptr<SeatPlayer> QuickPlayer(Level level) {
    // Few deals keep the test quick; the search runs the same way at any count.
    if (level == Level::Hard) return std::make_unique<HardPolicy>(12);
    return MakeComputerPlayer(level);
}

TEST(Levels, EveryChoiceIsLegalUnderEveryRuleSet) {
    const RuleSet ruleSets[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    const std::array<Level, SeatCount> seats{Level::Hard, Level::Easy, Level::Normal, Level::Hard};
    for (const RuleSet& rules : ruleSets) {
        SCOPED_TRACE(std::string("advanced ") + (rules.advanced ? "on" : "off") + ", seven " +
                     (rules.sevenCards ? "on" : "off"));
        sim::Options options;
        options.rules = rules;
        options.hands = 30;
        sim::Driver driver(options);
        std::vector<std::unique_ptr<Checked>> players;
        for (Seat seat = 0; seat < SeatCount; ++seat) {
            players.push_back(
                std::make_unique<Checked>(QuickPlayer(seats[static_cast<std::size_t>(seat)])));
            driver.Game().SetPlayer(seat, players.back().get());
        }
        EXPECT_GE(driver.Run(), 30);
        for (const auto& player : players) EXPECT_GT(player->views.size(), 60U);
    }
}

TEST(Levels, NamesReadBackAndNormalIsTheGamesOwnRule) {
    for (Level level : {Level::Easy, Level::Normal, Level::Hard})
        EXPECT_EQ(ParseLevel(LevelName(level)), level);
    EXPECT_FALSE(ParseLevel("Hard"));
    EXPECT_FALSE(ParseLevel(""));
    EXPECT_NE(dynamic_cast<NormalPolicy*>(MakeComputerPlayer(Level::Normal).get()), nullptr);
    EXPECT_EQ(sim::ParseSeatLevel("3=hard"), (std::pair<Seat, Level>{3, Level::Hard}));
    for (const char* wrong : {"4=hard", "0=", "0hard", "=easy", "1=medium", "01=easy"})
        EXPECT_FALSE(sim::ParseSeatLevel(wrong)) << wrong;
}

// A table where seats 2, 3 and 0 follow clubs with a card the Normal rule must choose,
// holding besides it four cards drawn from `safe` (none of which it would play), and seat
// 1 to move next. The chain runs from seat 2; seat 1 is a Hard seat that records.
struct ArrangedHand {
    HeadlessPlatform platform;
    MervaneGame game{platform};
    NormalPolicy normal;
    Checked hard{std::make_unique<HardPolicy>(64)};

    ArrangedHand(const std::vector<Card>& hardHand, std::vector<Card> safe, unsigned seed,
                 bool advanced) {
        platform.Attach(game);
        GameSettings settings;
        settings.rules.advanced = advanced;
        game.ApplyLoadedSettings(settings);
        std::shuffle(safe.begin(), safe.end(), std::mt19937(seed));
        const Card follow[] = {ParseCard("KC"), ParseCard("QC"), ParseCard("JC")};
        GameState& state = GameTestAccess::State(game);
        std::vector<Card> order;
        std::size_t next = 0;
        for (Seat seat = 0; seat < SeatCount; ++seat) {
            auto& hand = state.hands[static_cast<std::size_t>(seat)];
            hand.Clear();
            hand.SetCapacity(52);
            if (seat == 1) {
                for (Card card : hardHand) hand.Add(card);
            } else {
                hand.Add(follow[seat == 0 ? 2 : seat - 2]);
                for (int i = 0; i < 4; ++i) hand.Add(safe.at(next++));
            }
            order.insert(order.end(), hand.begin(), hand.end());
        }
        const Card top = ParseCard("3C");
        order.push_back(top);
        const auto dealt = static_cast<std::int32_t>(order.size());
        for (std::size_t i = next; i < safe.size(); ++i) order.push_back(safe[i]);
        for (Card card = 1; card <= CardsInPack; ++card) {
            if (std::find(order.begin(), order.end(), card) == order.end()) order.push_back(card);
        }
        std::array<Card, CardsInPack> pack{};
        std::copy(order.begin(), order.end(), pack.begin());
        EXPECT_TRUE(state.deck.Arrange(pack, dealt));
        state.topCard = top;
        state.currentSuit = Clubs;
        state.gameInProgress = true;
        state.showSplash = false;
        game.RefreshCardCounts();
        game.SetPlayer(HumanSeat, &normal);
        game.SetPlayer(1, &hard);
        GameTestAccess::ComputerTurn(game, 2);
    }
};

// The same public hand with the hidden cards dealt otherwise: the Hard seat sees the same
// view and makes the same move, so what it cannot see does not reach its choice.
TEST(HardLevel, DecidesTheSameWhateverTheHiddenCardsAre) {
    const std::vector<std::vector<std::string>> hands{
        {"10C", "4C", "JD", "8H", "2S"},
        {"JH", "JS", "9C", "8D", "8C", "AH"},
        {"2C", "QD", "5S", "6D"},
    };
    std::vector<Card> all(CardsInPack);
    std::iota(all.begin(), all.end(), 1);
    for (const bool advanced : {false, true}) {
        for (const auto& texts : hands) {
            std::vector<Card> hardHand;
            for (const auto& text : texts) hardHand.push_back(ParseCard(text));
            // Cards the others hold besides the club they play: no club, eight or rank
            // that would change what the Normal rule chooses.
            std::vector<Card> safe;
            for (Card card : all) {
                const int rank = RankOf(card);
                if (SuitOf(card) != Clubs && !IsEight(card) && rank != 3 && rank < 11 &&
                    std::find(hardHand.begin(), hardHand.end(), card) == hardHand.end())
                    safe.push_back(card);
            }
            ArrangedHand a(hardHand, safe, 1, advanced);
            ArrangedHand b(hardHand, safe, 2, advanced);
            ASSERT_FALSE(a.hard.views.empty());
            ASSERT_FALSE(b.hard.views.empty());
            const SeatView& va = a.hard.first.view;
            const SeatView& vb = b.hard.first.view;
            SCOPED_TRACE(texts.front() + (advanced ? " advanced" : ""));
            // The plays seen, the same in both (under Advanced Rules the Queen passes over
            // seat 0).
            ASSERT_EQ(va.history.size(), advanced ? 2U : 3U);
            EXPECT_EQ(va.history, vb.history);
            EXPECT_EQ(va.handCounts, vb.handCounts);
            EXPECT_EQ(va.packCount, vb.packCount);
            EXPECT_EQ(va.hand, vb.hand);
            EXPECT_NE(a.game.State().hands[2], b.game.State().hands[2]);
            EXPECT_EQ(a.hard.first.move, b.hard.first.move);
            EXPECT_EQ(HashView(va), HashView(vb));
        }
    }
}

// The same view gives the same move from a fresh player and from one that has decided
// elsewhere first: nothing carries over from one decision to the next.
TEST(HardLevel, IsDeterministicForAView) {
    sim::Options options;
    options.rules.advanced = true;
    options.hands = 4;
    sim::Driver driver(options);
    Checked recorder(std::make_unique<HardPolicy>(24));
    driver.Game().SetPlayer(2, &recorder);
    driver.Run();
    ASSERT_GT(recorder.views.size(), 20U);
    HardPolicy used(24);
    for (std::size_t i = 0; i < recorder.views.size(); i += 5) {
        const SeatView& view = recorder.views[i];
        HardPolicy fresh(24);
        const SeatMove once = fresh.ChooseMove(view).await_resume();
        used.ChooseMove(recorder.views[(i + 3) % recorder.views.size()]);
        EXPECT_EQ(used.ChooseMove(view).await_resume(), once) << "decision " << i;
    }
}

// Positions where the search must leave the Normal rule's choice (the highest heart).
TEST(HardLevel, FindsTheMoveThatKeepsASeatFromGoingOut) {
    struct Case {
        const char* what;
        std::vector<std::string> hand;
        const char* top;
        bool advanced;
        std::string want;  // the card to play
    };
    const Case cases[] = {
        // The Two makes the Top seat, one card left, draw two; the King lets it go out.
        {"draw two", {"KH", "2H"}, "5H", true, "2H"},
        // The Queen passes over the Top seat; the King lets it go out.
        {"skip", {"KH", "QH"}, "5H", true, "QH"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SeatView view;
        view.seat = 1;
        view.hand.SetCapacity(MaxListCards);
        for (const auto& text : c.hand) view.hand.Add(ParseCard(text));
        view.starter = view.topCard = ParseCard(c.top);
        view.currentSuit = SuitOf(view.topCard);
        view.handCounts = {6, static_cast<std::int32_t>(c.hand.size()), 1, 6};
        view.packCount = 20;
        view.rules.advanced = c.advanced;
        view.dealer = 0;
        HardPolicy hard;
        EXPECT_EQ(CardText(hard.ChooseMove(view).await_resume().card), c.want);
    }
}

// Seat 2 drew on the starter and then went on with the Three of Hearts it drew: it holds
// none of the starter's suit from its deal. With its last card to come, the King of that
// suit keeps it out where the other Kings, alike in every other way, would not.
TEST(HardLevel, KeepsAwayFromWhatASeatShowedItLacks) {
    for (const char* starter : {"3C", "3D", "3S"}) {
        SeatView view;
        view.seat = 1;
        view.hand.SetCapacity(MaxListCards);
        for (const char* text : {"KD", "KC", "KS"}) view.hand.Add(ParseCard(text));
        view.starter = ParseCard(starter);
        view.history = {{TableEvent::Kind::Draw, 2},
                        {TableEvent::Kind::Play, 2, ParseCard("3H")},
                        {TableEvent::Kind::Play, 3, ParseCard("9H")},
                        {TableEvent::Kind::Play, 0, ParseCard("KH")}};
        view.topCard = ParseCard("KH");
        view.currentSuit = Hearts;
        view.handCounts = {4, 3, 1, 4};
        view.packCount = 25;
        view.dealer = 1;
        HardPolicy hard;
        EXPECT_EQ(CardText(hard.ChooseMove(view).await_resume().card),
                  std::string("K") + starter[1]);
    }
}

// The hint weighs every legal card once and the pack while it has cards, and marks best
// the move Hard makes from the same view.
TEST(Hint, WeighsEveryMoveAndMarksHardsChoice) {
    for (const bool advanced : {false, true}) {
        sim::Options options;
        options.rules.advanced = advanced;
        options.hands = 3;
        sim::Driver driver(options);
        Checked recorder(std::make_unique<HardPolicy>(16));
        driver.Game().SetPlayer(2, &recorder);
        driver.Run();
        ASSERT_GT(recorder.views.size(), 10U);
        for (const SeatView& view : recorder.views) {
            const MoveSurvey hint = SurveyMoves(view, 16);
            std::vector<Card> weighed;
            for (const MoveOdds& odds : hint.moves) {
                weighed.push_back(odds.move.card);
                EXPECT_GE(odds.winShare, 0.0);
                EXPECT_LE(odds.winShare, 1.0);
            }
            std::vector<Card> legal;
            for (Card card : view.hand)
                if (IsLegalPlay(card, view.topCard, view.currentSuit)) legal.push_back(card);
            if (view.packCount > 0) legal.push_back(NoCard);
            std::sort(weighed.begin(), weighed.end());
            std::sort(legal.begin(), legal.end());
            EXPECT_EQ(weighed, legal);
            if (hint.moves.empty()) continue;
            ASSERT_LT(hint.best, hint.moves.size());
            EXPECT_EQ(hint.moves[hint.best].move, HardMove(view, 16));
        }
    }
}

// A person who always takes the hint plays Hard's game, move for move.
TEST(Hint, FollowedEveryTimePlaysAsHardDoes) {
    const auto trace = [](bool hint) {
        sim::Options options;
        options.rules.advanced = true;
        options.hands = 2;
        if (hint)
            options.human = {sim::HumanPolicy::Kind::Hint};
        else
            options.levels[HumanSeat] = Level::Hard;
        sim::Driver driver(options);
        std::string lines;
        driver.SetLineSink([&lines](std::string_view line) { (lines += line) += '\n'; });
        driver.Run();
        return lines;
    };
    const std::string hard = trace(false);
    EXPECT_GT(std::count(hard.begin(), hard.end(), '\n'), 100);
    EXPECT_EQ(trace(true), hard);
}

// Hard searches beside the window's thread: its turn waits for the search however long
// the pause was, and goes on once the answer comes. A hint found for a table that has
// moved on is let fall; one for the move still asked for shows until the person moves.
TEST(Hint, ArrivesBesideTheTurnAndShowsOnlyForTheMoveItWasFoundFor) {
    struct Hints final : GameObserver {
        int shown = 0;
        void HintShown() override { ++shown; }
    } hints;
    HeadlessPlatform platform;
    MervaneGame game{platform};
    platform.Attach(game);
    game.AddObserver(&hints);
    HardPolicy hard(16);
    for (Seat seat = 1; seat < SeatCount; ++seat) game.SetPlayer(seat, &hard);
    platform.HoldWorkBeside(true);
    const auto untilAsked = [&] {
        for (int searches = 0; !game.CanAskHint(); ++searches) {
            ASSERT_LT(searches, 200);
            ASSERT_EQ(platform.HeldWork(), 1U) << "a Hard turn waits for its search";
            EXPECT_TRUE(game.Busy());
            platform.FinishWorkBeside();
        }
    };
    const auto playBest = [&] {
        const MoveSurvey& hint = *game.State().hint;
        const SeatMove best = hint.moves[hint.best].move;
        const CardList& hand = game.State().hands[HumanSeat];
        const auto at = std::find(hand.begin(), hand.end(), best.card) - hand.begin();
        return best.IsDraw() ? game.DrawCard() : game.PlayHandCard(static_cast<int>(at));
    };
    game.NewGame();
    untilAsked();
    EXPECT_FALSE(game.Busy());
    ASSERT_TRUE(game.AskHint());
    EXPECT_TRUE(game.AskHint());
    EXPECT_EQ(platform.HeldWork(), 1U) << "one search for one view";
    // The person moves before the hint comes: it is let fall.
    ASSERT_EQ(game.Act(TableIntent::Draw()), IntentAnswer::Taken);
    platform.FinishWorkBeside();
    EXPECT_FALSE(game.State().hint);
    EXPECT_EQ(hints.shown, 0);
    untilAsked();
    ASSERT_TRUE(game.AskHint());
    platform.FinishWorkBeside();
    ASSERT_TRUE(game.State().hint);
    EXPECT_EQ(hints.shown, 1);
    EXPECT_EQ(playBest(), IntentAnswer::Taken);
    EXPECT_FALSE(game.State().hint) << "the hint goes with the move";
    if (game.Busy()) {
        EXPECT_FALSE(game.AskHint()) << "no hint while the computers play";
    }
    game.RemoveObserver(&hints);
}

}  // namespace
}  // namespace mervane
