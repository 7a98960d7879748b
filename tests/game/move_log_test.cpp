#include "game/move_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cards/rules.h"
#include "tests/cards/card_text.h"
#include "tests/game/game_fixture.h"
#include "tools/sim/sim_driver.h"

namespace mervane {
namespace {

// Collects what the log writes, clearing included.
struct Recorder final : MoveLogListener {
    void LineAdded(const std::string& line) override { lines.push_back(line); }
    void Refilled(const std::vector<std::string>& all) override {
        lines = all;
        ++clears;
    }
    std::vector<std::string> lines;
    int clears = 0;
};

class MoveLogTest : public GameTest {
  protected:
    MoveLogTest() { game.AddObserver(&log); }
    ~MoveLogTest() override { game.RemoveObserver(&log); }

    // The lines written since the position was set.
    std::vector<std::string> Written() const {
        return {log.Lines().begin() + static_cast<long>(mark), log.Lines().end()};
    }
    void SetTable(const TableSetup& setup) {
        GameTest::SetTable(setup);
        mark = log.Lines().size();
    }

    MoveLog log{game.State()};
    std::size_t mark = 0;
};

TEST_F(MoveLogTest, ComputerPlaysDrawsAndNamesASuit) {
    SetTable({.hands = {{C("3C"), C("4C")},
                        {C("8S"), C("KC"), C("QC")},
                        {C("9H"), C("KS")},
                        {C("KD"), C("JD")}},
              .top = C("5H"),
              .draws = {C("9D")}});
    GameTestAccess::ComputerTurn(game, TopSeat);
    const std::vector<std::string> expected{"Player2 plays the 9 of Hearts", "Player3 draws a card",
                                            "Player3 plays the 9 of Diamonds"};
    EXPECT_EQ(Written(), expected);

    SetTable({.hands = {{C("3C"), C("4C")},
                        {C("8S"), C("KC"), C("QC")},
                        {C("JS"), C("6D")},
                        {C("7D"), C("6S")}},
              .top = C("5H")});
    GameTestAccess::ComputerTurn(game, LeftSeat);
    ASSERT_FALSE(Written().empty());
    EXPECT_EQ(Written()[0], "Player1 plays the 8 of Spades and names " +
                                std::string(SuitName(Suit(std::stoi(First("suit").substr(5))))));
}

TEST_F(MoveLogTest, TheHumansEightIsToldOnceTheSuitIsChosen) {
    SetTable({.hands = {{C("8S"), C("4C")}, {C("KC")}, {C("KD")}, {C("KS")}}, .top = C("5H")});
    HumansTurn();
    TapCard(0);
    EXPECT_TRUE(Written().empty()) << Written()[0];
    TapSuitBox(2);
    ASSERT_FALSE(Written().empty());
    EXPECT_EQ(Written()[0], "You play the 8 of Spades and name Clubs");

    // The last card, an eight, names nothing: the line is told before the win.
    SetTable({.hands = {{C("8S")}, {C("KC")}, {C("QS")}, {C("3C")}}, .top = C("5H")});
    HumansTurn();
    TapCard(0);
    const std::vector<std::string> expected{"You play the 8 of Spades",
                                            "You win the hand and score 23"};
    EXPECT_EQ(Written(), expected);
}

TEST_F(MoveLogTest, DrawTwoIsOneLineNotOnePerCard) {
    SetAdvancedRules(true);
    SetTable(
        {.hands = {{C("3C"), C("4C")}, {C("JS")}, {C("JD")}, {C("2H"), C("KC")}}, .top = C("5H")});
    GameTestAccess::ComputerTurn(game, RightSeat);
    std::vector<std::string> expected{"Player3 plays the 2 of Hearts",
                                      "You draw 2 cards (Draw Two)"};
    EXPECT_EQ(Written(), expected);
    EXPECT_EQ(Lines("draw").size(), 2U);

    // One card left in the pack: one drawn, no pass.
    SetTable({.hands = {{C("2H"), C("4C")}, {C("KC"), C("KD")}, {C("JS")}, {C("JD")}},
              .top = C("5H"),
              .draws = {C("9S")},
              .spare = 0});
    HumansTurn();
    TapCard(0);
    ASSERT_GE(Written().size(), 2U);
    EXPECT_EQ(Written()[1], "Player1 draws 1 card (Draw Two)");
}

TEST_F(MoveLogTest, SkipAndReverseNameTheSeatAndTheDirection) {
    SetAdvancedRules(true);
    SetTable({.hands = {{C("QH"), C("4C")}, {C("KC")}, {C("KD")}, {C("KS")}}, .top = C("5H")});
    HumansTurn();
    TapCard(0);
    ASSERT_GE(Written().size(), 2U);
    EXPECT_EQ(Written()[1], "Player1 is skipped");

    SetTable({.hands = {{C("QH"), C("4C")}, {C("KC")}, {C("KD")}, {C("KS")}}, .top = C("5H")});
    Position().reversed = true;
    HumansTurn();
    TapCard(0);
    ASSERT_GE(Written().size(), 2U);
    EXPECT_EQ(Written()[1], "Player3 is skipped");

    SetTable(
        {.hands = {{C("AH"), C("4C")}, {C("JS")}, {C("JD")}, {C("AS"), C("KC")}}, .top = C("5H")});
    Position().reversed = false;
    HumansTurn();
    TapCard(0);
    const std::vector<std::string> expected{
        "You play the Ace of Hearts", "Play now goes counter-clockwise",
        "Player3 plays the Ace of Spades", "Play now goes clockwise"};
    EXPECT_EQ(Written(), expected);

    // A Queen that ends the hand passes over nobody.
    SetTable({.hands = {{C("3C")}, {C("KC")}, {C("QH")}, {C("4C")}}, .top = C("5H")});
    GameTestAccess::ComputerTurn(game, TopSeat);
    ASSERT_EQ(Written().size(), 2U);
    EXPECT_EQ(Written()[1], "Player2 wins the hand and scores 17");
}

TEST_F(MoveLogTest, PassesWinsAndDeadRounds) {
    SetTable({.hands = {{C("3C")}, {C("KC")}, {C("KD")}, {C("QD")}}, .top = C("5H"), .spare = 0});
    GameTestAccess::ComputerTurn(game, LeftSeat);
    const std::vector<std::string> passes{"Player1 passes", "Player2 passes", "Player3 passes",
                                          "You pass"};
    const std::vector<std::string> written = Written();
    ASSERT_GE(written.size(), 7U);
    EXPECT_EQ(std::vector(written.begin(), written.begin() + 4), passes);
    EXPECT_EQ(written[4], "Player1 passes");
    // The fifth pass in a row ends the hand on the next turn.
    EXPECT_EQ(written[5], "Dead round: nobody scores");
    EXPECT_EQ(written[6].rfind("Player1 deals; the starter is the ", 0), 0U) << written[6];

    SetTable(
        {.hands = {{C("3C")}, {C("KC"), C("5D")}, {C("JS"), C("KS")}, {C("9H")}}, .top = C("5H")});
    Position().playTo = 30;
    GameTestAccess::ComputerTurn(game, RightSeat);
    const std::vector<std::string> won{"Player3 plays the 9 of Hearts",
                                       "Player3 wins the hand and scores 38",
                                       "Player3 wins the game"};
    EXPECT_EQ(Written(), won);
}

TEST_F(MoveLogTest, ARefusedTapSaysWhyAndChangesNothing) {
    SetTable({.hands = {{C("9C"), C("4D")}, {C("KC")}, {C("KD")}, {C("KS")}}, .top = C("5H")});
    HumansTurn();
    const std::string before = CardText(State().topCard);
    const auto status = State().statusText;
    const int redraws = platform.Redraws();
    TapCard(0);
    const std::vector<std::string> refused{
        "The 9 of Clubs does not follow Hearts or match the 5; play a Heart, a 5 or an eight, "
        "or draw"};
    EXPECT_EQ(Written(), refused);
    EXPECT_TRUE(trace.empty()) << trace.front();
    EXPECT_EQ(platform.Redraws(), redraws);
    EXPECT_EQ(HandOf(HumanSeat), (std::vector{C("9C"), C("4D")}));
    EXPECT_EQ(CardText(State().topCard), before);
    EXPECT_EQ(State().currentSuit, Hearts);
    EXPECT_EQ(State().statusText, status);
    EXPECT_TRUE(State().humanTurn);
    EXPECT_EQ(State().passCount, 0);

    // An Ace on top, and no pack left to draw from.
    SetTable({.hands = {{C("9C"), C("AS")}, {C("KC")}, {C("KD")}, {C("KS")}},
              .top = C("AH"),
              .spare = 0});
    HumansTurn();
    TapCard(0);
    ASSERT_EQ(Written().size(), 1U);
    EXPECT_EQ(Written()[0],
              "The 9 of Clubs does not follow Hearts or match the Ace; play a Heart, an Ace or "
              "an eight");

    // On an eight, the named suit or another eight.
    SetTable({.hands = {{C("9C"), C("KD")}, {C("KC")}, {C("QD")}, {C("KS")}},
              .top = C("8S"),
              .suit = Diamonds});
    HumansTurn();
    TapCard(0);
    ASSERT_EQ(Written().size(), 1U);
    EXPECT_EQ(Written()[0],
              "The 9 of Clubs does not follow Diamonds or match the 8; play a Diamond or an "
              "eight, or draw");
}

TEST_F(MoveLogTest, ANewGameEmptiesTheLogAndTellsTheListener) {
    Recorder recorder;
    log.SetListener(&recorder);
    game.NewGame();
    EXPECT_EQ(recorder.clears, 1);
    ASSERT_FALSE(recorder.lines.empty());
    EXPECT_EQ(recorder.lines, log.Lines());
    EXPECT_EQ(recorder.lines[0].rfind("Player1 deals; the starter is the ", 0), 0U);
    // Quitting the game under way starts the log afresh.
    game.QuitAndNewGame();
    EXPECT_EQ(recorder.clears, 2);
    ASSERT_FALSE(log.Lines().empty());
    EXPECT_EQ(log.Lines()[0].rfind("Player2 deals; ", 0), 0U) << log.Lines()[0];
    log.SetListener(nullptr);
}

// The log lines a reader of the trace expects, worked out from the trace alone.
class TraceReader {
  public:
    TraceReader(int perSeat, bool advanced) : perSeat_(perSeat), advanced_(advanced) {}

    void Read(const std::string& line) {
        std::istringstream in(line);
        std::string kind;
        in >> kind;
        if (kind == "hand") {
            int number = 0;
            std::string word;
            Card starter = NoCard;
            in >> number >> word >> dealer_ >> word >> starter;
            TellEight();
            pack_ = CardsInPack - SeatCount * perSeat_ - 1;
            reversed_ = false;
            Expect(Name(dealer_) + Verb(dealer_, " deal", " deals") + "; the starter is the " +
                   logtext::CardName(starter));
        } else if (kind == "deal") {
            Seat seat = 0;
            in >> seat;
            int cards = 0;
            for (Card card = 0; in >> card;) ++cards;
            held_[static_cast<std::size_t>(seat)] = cards;
        } else if (kind == "play") {
            Seat seat = 0;
            Card card = NoCard;
            in >> seat >> card;
            Played(seat, card);
        } else if (kind == "suit") {
            int suit = 0;
            in >> suit;
            Expect(Name(eightSeat_) + Verb(eightSeat_, " play", " plays") + " the " +
                   logtext::CardName(eight_) + Verb(eightSeat_, " and name ", " and names ") +
                   std::string(SuitName(suit)));
            eight_ = NoCard;
        } else if (kind == "draw") {
            Seat seat = 0;
            in >> seat;
            TellEight();
            --pack_;
            ++held_[static_cast<std::size_t>(seat)];
            if (drawTwoLeft_ > 0)
                --drawTwoLeft_;
            else
                Expect(Name(seat) + Verb(seat, " draw", " draws") + " a card");
        } else if (kind == "status") {
            Seat seat = 0;
            in >> seat;
            std::string text;
            std::getline(in >> std::ws, text);
            // The human's "Pass" may stay from his last pass: his pause marks each one.
            if (text == "Pass" && seat != HumanSeat) Expect(Name(seat) + " passes");
        } else if (line == "pause 700") {
            Expect("You pass");
        } else if (kind == "end") {
            Ended(in);
        } else if (kind == "dead") {
            TellEight();
            Expect("Dead round: nobody scores");
        } else if (kind == "gameover") {
            Seat seat = 0;
            in >> seat;
            Expect(Name(seat) + Verb(seat, " win", " wins") + " the game");
            scores_ = {};
        }
    }

    const std::vector<std::string>& Expected() const { return expected_; }

  private:
    static std::string Name(Seat seat) {
        return seat == HumanSeat ? "You" : "Player" + std::to_string(seat);
    }
    static std::string Verb(Seat seat, const char* you, const char* other) {
        return seat == HumanSeat ? you : other;
    }
    Seat Next(Seat seat) const { return (seat + (reversed_ ? SeatCount - 1 : 1)) % SeatCount; }
    void Expect(std::string line) { expected_.push_back(std::move(line)); }
    void TellEight() {
        if (eight_ == NoCard) return;
        Expect(Name(eightSeat_) + Verb(eightSeat_, " play", " plays") + " the " +
               logtext::CardName(eight_));
        eight_ = NoCard;
    }

    void Played(Seat seat, Card card) {
        TellEight();
        const bool empty = --held_[static_cast<std::size_t>(seat)] == 0;
        if (IsEight(card)) {
            eightSeat_ = seat;
            eight_ = card;
            return;
        }
        Expect(Name(seat) + Verb(seat, " play", " plays") + " the " + logtext::CardName(card));
        if (!advanced_) return;
        if (RankOf(card) == Ace) {
            reversed_ = !reversed_;
            Expect(reversed_ ? "Play now goes counter-clockwise" : "Play now goes clockwise");
        } else if (RankOf(card) == Queen && !empty) {
            Expect(Name(Next(seat)) + Verb(Next(seat), " are", " is") + " skipped");
        } else if (RankOf(card) == Two && !empty) {
            drawTwoLeft_ = std::min(2, pack_);
            const std::string what = drawTwoLeft_ == 2 ? " 2 cards" : " 1 card";
            Expect(Name(Next(seat)) + Verb(Next(seat), " draw", " draws") +
                   (drawTwoLeft_ == 0 ? " nothing (Draw Two): the pack is used up"
                                      : what + " (Draw Two)"));
        }
    }

    void Ended(std::istringstream& in) {
        TellEight();
        Seat winner = 0;
        std::string word;
        in >> winner >> word;
        std::array<int, SeatCount> now{};
        for (int& score : now) in >> score;
        const auto w = static_cast<std::size_t>(winner);
        Expect(Name(winner) + Verb(winner, " win", " wins") + " the hand and " +
               Verb(winner, "score ", "scores ") + std::to_string(now[w] - scores_[w]));
        scores_ = now;
    }

    int perSeat_;
    bool advanced_;
    bool reversed_ = false;
    Seat dealer_ = 0;
    int pack_ = 0;
    int drawTwoLeft_ = 0;
    std::array<int, SeatCount> held_{};
    std::array<int, SeatCount> scores_{};
    Seat eightSeat_ = NoSeat;
    Card eight_ = NoCard;
    std::vector<std::string> expected_;
};

struct SeededGame {
    const char* policy;
    bool seven;
    bool advanced;
};

// Whole games played by the simulator: every line of the log but the refusals is the one
// that the trace calls for, in the same order.
TEST(MoveLogGame, EachLineReadsAsTheTraceOfASeededGame) {
    const SeededGame games[] = {{"random:42", true, true},
                                {"random:7", false, true},
                                {"first", false, false},
                                {"random:3", true, false}};
    std::map<std::string, int> forms;
    for (const SeededGame& seeded : games) {
        SCOPED_TRACE(seeded.policy);
        sim::Options options;
        options.clock = *sim::ParseClock("2026-03-07 00:00:00");
        options.human = *sim::ParseHumanPolicy(seeded.policy);
        options.rules = {.advanced = seeded.advanced, .sevenCards = seeded.seven};
        sim::Driver driver(options);
        MoveLog log(driver.Game().State());
        driver.Game().AddObserver(&log);
        TraceReader reader(seeded.seven ? 7 : 5, seeded.advanced);
        driver.SetLineSink([&](std::string_view line) { reader.Read(std::string(line)); });
        driver.Run();
        driver.Game().RemoveObserver(&log);

        std::vector<std::string> told;
        for (const std::string& line : log.Lines()) {
            if (line.find(" does not follow ") != std::string::npos) {
                ++forms["refused"];
                continue;
            }
            told.push_back(line);
        }
        const auto& expected = reader.Expected();
        std::size_t i = 0;
        while (i < told.size() && i < expected.size() && told[i] == expected[i]) ++i;
        EXPECT_EQ(i, expected.size()) << "expected: " << (i < expected.size() ? expected[i] : "")
                                      << "\ntold: " << (i < told.size() ? told[i] : "(end)");
        EXPECT_EQ(told.size(), expected.size());
        for (const std::string& line : told) {
            for (const char* form : {" skipped", "counter-clockwise", "(Draw Two)", " passes",
                                     " names ", " draws a card", " wins the hand"})
                if (line.find(form) != std::string::npos) ++forms[form];
        }
    }
    // These games were picked so that every line form is met.
    for (const char* form : {"refused", " skipped", "counter-clockwise", "(Draw Two)", " passes",
                             " names ", " draws a card", " wins the hand"})
        EXPECT_GT(forms[form], 0) << form;
}

}  // namespace
}  // namespace mervane
