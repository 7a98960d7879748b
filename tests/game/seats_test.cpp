#include <stdexcept>

#include "cards/computer_player.h"
#include "cards/rules.h"
#include "game_fixture.h"
#include "tools/sim/sim_driver.h"

namespace mervane {
namespace {

using Lines_ = std::vector<std::string>;
using A = IntentAnswer;

class Intents : public GameTest {
  protected:
    // The person to move with 9H and 4C on a 5H; `pack` cards left to draw.
    void PersonToMove(int pack = 10) {
        SetTable({.hands = {{C("9H"), C("4C"), C("8S")}, {C("KD")}, {C("KC")}, {C("2S")}},
                  .top = C("5H"),
                  .spare = pack});
        HumansTurn();
    }
    void SuitAsked() {
        PersonToMove();
        ASSERT_EQ(game.PlayHandCard(2), A::Taken);
        ASSERT_TRUE(State().choosingSuit);
    }
};

// A fresh position for each case of the table below.
struct IntentCase : Intents {
    void TestBody() override {}
    using GameTest::game;
    using GameTest::platform;
    using GameTest::State;
    using GameTest::trace;
    using Intents::PersonToMove;
    using Intents::SuitAsked;
};

// Each intent in each situation: taken, or refused with its reason and nothing changed.
TEST_F(Intents, EachIsTakenOnlyWhereItFits) {
    struct Case {
        const char* situation;
        std::function<void(IntentCase&)> arrange;
        std::function<A(MervaneGame&)> intent;
        A expected;
    };
    const auto toMove = [](IntentCase& t) { t.PersonToMove(); };
    const auto emptyPack = [](IntentCase& t) { t.PersonToMove(0); };
    const auto suit = [](IntentCase& t) { t.SuitAsked(); };
    const auto computer = [](IntentCase& t) {
        t.PersonToMove();
        t.platform.HoldPauses(true);
        ASSERT_EQ(t.game.PlayHandCard(0), A::Taken);  // the Left seat now thinks
    };
    const auto title = [](IntentCase&) {};
    const std::vector<Case> cases = {
        {"title", title, [](MervaneGame& g) { return g.PlayHandCard(0); }, A::NotYourTurn},
        {"title", title, [](MervaneGame& g) { return g.DrawCard(); }, A::NotYourTurn},
        {"title", title, [](MervaneGame& g) { return g.ChooseSuit(Hearts); }, A::NotYourTurn},
        {"title", title, [](MervaneGame& g) { return g.Continue(); }, A::NothingToContinue},
        {"to move", toMove, [](MervaneGame& g) { return g.PlayHandCard(1); }, A::IllegalCard},
        {"to move", toMove, [](MervaneGame& g) { return g.PlayHandCard(3); }, A::NoSuchCard},
        {"to move", toMove, [](MervaneGame& g) { return g.PlayHandCard(-1); }, A::NoSuchCard},
        {"to move", toMove, [](MervaneGame& g) { return g.ChooseSuit(Clubs); }, A::NoSuitAsked},
        {"to move", toMove, [](MervaneGame& g) { return g.Continue(); }, A::NothingToContinue},
        {"empty pack", emptyPack, [](MervaneGame& g) { return g.DrawCard(); }, A::PackEmpty},
        {"suit", suit, [](MervaneGame& g) { return g.PlayHandCard(0); }, A::SuitAsked},
        {"suit", suit, [](MervaneGame& g) { return g.DrawCard(); }, A::SuitAsked},
        {"suit", suit, [](MervaneGame& g) { return g.ChooseSuit(NoSuit); }, A::NoSuchSuit},
        {"computer", computer, [](MervaneGame& g) { return g.DrawCard(); }, A::Held},
    };
    for (const Case& c : cases) {
        IntentCase fresh;
        c.arrange(fresh);
        const GameState before = fresh.State();
        const std::size_t lines = fresh.trace.size();
        EXPECT_EQ(c.intent(fresh.game), c.expected) << c.situation;
        if (c.expected == A::Held) continue;
        EXPECT_EQ(fresh.trace.size(), lines) << c.situation << ": a refusal shows nothing";
        EXPECT_EQ(fresh.State().hands, before.hands) << c.situation;
        EXPECT_EQ(fresh.State().deck.DrawPos(), before.deck.DrawPos()) << c.situation;
    }
}

TEST_F(Intents, TakenOnesPlayDrawNameAndContinue) {
    PersonToMove();
    EXPECT_EQ(game.DrawCard(), A::Taken);
    EXPECT_EQ(HandOf(HumanSeat).size(), 4u);
    EXPECT_EQ(game.PlayHandCard(2), A::Taken);
    EXPECT_EQ(Status(HumanSeat), "Choose Suit?");
    trace.clear();
    EXPECT_EQ(game.ChooseSuit(Clubs), A::Taken);
    EXPECT_EQ(Head(4), (Lines_{"suit 3", "status 0 Clubs", "redraw", "status 1 Thinking..."}));
}

class RefusalSpy : public GameObserver {
  public:
    void TapRefused(Card card, Card, Suit) override { refused.push_back(card); }
    std::vector<Card> refused;
};

TEST_F(Intents, AnIllegalCardIsToldWithItsCardForTheLog) {
    RefusalSpy spy;
    game.AddObserver(&spy);
    PersonToMove();
    EXPECT_EQ(game.PlayHandCard(1), A::IllegalCard);
    EXPECT_EQ(game.DrawCard(), A::Taken);
    EXPECT_EQ(spy.refused, std::vector<Card>{C("4C")}) << "a draw is no refusal";
    game.RemoveObserver(&spy);
}

// A seat whose moves are scripted by the test, and which keeps what it was shown.
class ScriptedSeat final : public SeatPlayer {
  public:
    Decision<SeatMove> ChooseMove(const SeatView& view) override {
        seen.push_back(view);
        return moves.at(seen.size() - 1);
    }
    Decision<Suit> ChooseSuit(const SeatView&) override { return Diamonds; }
    std::vector<SeatMove> moves;
    std::vector<SeatView> seen;
};

class Seats : public GameTest {};

TEST_F(Seats, AComputerSeatPlaysWhatItsPlayerChooses) {
    ScriptedSeat left;
    left.moves = {SeatMove::Draw(), SeatMove::Play(C("8D"))};
    game.SetPlayer(LeftSeat, &left);
    SetTable({.hands = {{C("KS")}, {C("8D"), C("5H")}, {C("KC")}, {C("2S")}},
              .top = C("9H"),
              .draws = {C("3C")}});
    GameTestAccess::ComputerTurn(game, LeftSeat);
    // It drew although it held a 5H, then its eight named the suit it was asked for.
    EXPECT_EQ(Slice(0, 3), (Lines_{"status 1 Thinking...", "redraw", "pause 1000"}));
    EXPECT_EQ(First("draw"), "draw 1 " + std::to_string(C("3C")));
    EXPECT_EQ(First("suit"), "suit 2") << "Diamonds";
    ASSERT_EQ(left.seen.size(), 2u);
    EXPECT_EQ(left.seen[1].hand.Count(), 3);
    game.SetPlayer(LeftSeat, nullptr);
}

TEST_F(Seats, ACardItMayNotPlayIsAFaultOfThePolicy) {
    ScriptedSeat left;
    left.moves = {SeatMove::Play(C("KC"))};  // not even in its hand
    game.SetPlayer(LeftSeat, &left);
    SetTable({.hands = {{C("KS")}, {C("5H")}, {C("KC")}, {C("2S")}}, .top = C("9H")});
    EXPECT_THROW(GameTestAccess::ComputerTurn(game, LeftSeat), std::logic_error);
    game.SetPlayer(LeftSeat, nullptr);
}

// The view holds the seat's own hand and what the table showed, in order.
TEST_F(Seats, TheViewHoldsWhatTheSeatSawAndNoMore) {
    ScriptedSeat right;
    right.moves = {SeatMove::Play(C("7S"))};
    game.SetPlayer(RightSeat, &right);
    SetAdvancedRules(true);
    SetTable({.hands = {{C("KS"), C("9S")}, {C("5C")}, {C("KC"), C("7H")}, {C("7S"), C("3S")}},
              .top = C("9H"),
              .draws = {C("4D"), C("6H")}});
    Position().scores = {10, 20, 30, 40};
    GameTestAccess::ComputerTurn(game, LeftSeat);  // Left draws twice and plays the 6H, Top its 7H
    ASSERT_EQ(right.seen.size(), 1u);
    const SeatView& view = right.seen[0];
    EXPECT_EQ(view.seat, RightSeat);
    EXPECT_EQ(std::vector<Card>(view.hand.begin(), view.hand.end()),
              (std::vector<Card>{C("7S"), C("3S")}));
    EXPECT_EQ(view.topCard, C("7H"));
    EXPECT_EQ(view.handCounts, (std::array<std::int32_t, 4>{2, 2, 1, 2}));
    EXPECT_EQ(view.packCount, 10);
    EXPECT_EQ(view.scores, (std::array<std::int32_t, 4>{10, 20, 30, 40}));
    EXPECT_TRUE(view.rules.advanced);
    using K = TableEvent::Kind;
    EXPECT_EQ(view.history, (std::vector<TableEvent>{
                                {.kind = K::Draw, .seat = LeftSeat},
                                {.kind = K::Draw, .seat = LeftSeat},
                                {.kind = K::Play, .seat = LeftSeat, .card = C("6H")},
                                {.kind = K::Play, .seat = TopSeat, .card = C("7H")},
                            }));
    EXPECT_EQ(First("play 3"), "play 3 " + std::to_string(C("7S")));
    game.SetPlayer(RightSeat, nullptr);
}

// The same seeded game played by taps at the layout's points, by intents, and by the
// simulator's seat policy: one trace.
std::vector<std::string> PlayByTapsOrIntents(bool taps) {
    HeadlessPlatform platform({7, 2, 0, 0, 0});
    MervaneGame game(platform);
    platform.Attach(game);
    std::vector<std::string> trace;
    platform.SetLineSink([&](std::string_view line) { trace.emplace_back(line); });
    GameSettings settings;
    settings.rules.advanced = true;
    game.ApplyLoadedSettings(settings);
    game.NewGame();
    const auto tap = [&](Point p) { game.OnTableTap(p.x + 1, p.y + 1); };
    while (platform.GamesEnded() == 0) {
        const GameState& s = game.State();
        const CardList& hand = s.hands[0];
        if (s.handOver) {
            taps ? tap({0, 0}) : (void)game.Continue();
        } else if (s.choosingSuit) {
            const Suit suit = LongestSuit(hand);
            const auto box = static_cast<std::size_t>(
                std::find(SuitBoxOrder.begin(), SuitBoxOrder.end(), suit) - SuitBoxOrder.begin());
            const Rect r = s.table.SuitBoxes()[box];
            taps ? tap({r.left, r.top}) : (void)game.ChooseSuit(suit);
        } else {
            int index = 0;
            while (index < hand.Count() && !IsLegalPlay(hand.At(index), s.topCard, s.currentSuit))
                ++index;
            if (index < hand.Count()) {
                taps ? tap(s.table.CardPos(Bottom, index)) : (void)game.PlayHandCard(index);
            } else {
                const Rect pile = s.table.DrawPileRect();
                taps ? tap({pile.left, pile.top}) : (void)game.DrawCard();
            }
        }
    }
    return trace;
}

TEST(SeatPaths, TapsIntentsAndTheSimulatorsSeatPlayOneGame) {
    const auto byTaps = PlayByTapsOrIntents(true);
    const auto byIntents = PlayByTapsOrIntents(false);
    sim::Options options;
    options.clock = {7, 2, 0, 0, 0};
    options.rules.advanced = true;
    options.trace = true;
    sim::Driver driver(options);
    std::vector<std::string> bySeat;
    driver.SetLineSink([&](std::string_view line) { bySeat.emplace_back(line); });
    driver.Run();
    ASSERT_GT(byTaps.size(), 500u);
    EXPECT_EQ(byIntents, byTaps);
    EXPECT_EQ(bySeat, byTaps);
}

}  // namespace
}  // namespace mervane
