#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "cards/computer_player.h"
#include "cards/rules.h"
#include "game/headless_platform.h"
#include "game/mervane_game.h"
#include "game/move_log.h"
#include "game/saved_game.h"
#include "game/score_history.h"

namespace mervane {
namespace {

// Everything of the table a move changes.
void ExpectSameTable(const GameState& a, const GameState& b) {
    EXPECT_EQ(a.hands, b.hands);
    EXPECT_EQ(a.deck.Cards(), b.deck.Cards());
    EXPECT_EQ(a.deck.DrawPos(), b.deck.DrawPos());
    EXPECT_EQ(a.topCard, b.topCard);
    EXPECT_EQ(a.currentSuit, b.currentSuit);
    EXPECT_EQ(a.scores, b.scores);
    EXPECT_EQ(a.dealer, b.dealer);
    EXPECT_EQ(a.passCount, b.passCount);
    EXPECT_EQ(a.reversed, b.reversed);
    EXPECT_EQ(a.statusText, b.statusText);
    EXPECT_EQ(a.humanTurn, b.humanTurn);
    EXPECT_EQ(a.choosingSuit, b.choosingSuit);
    EXPECT_EQ(a.handOver, b.handOver);
}

// The person's game at a real table: the first legal card, else the pack; the longest
// suit after an eight. Each move's trace runs from the move to the next time the person
// is asked.
struct Table {
    HeadlessPlatform platform{LocalTime{9, 11, 21, 17, 5}};
    MervaneGame game{platform};
    MoveLog log{game.State()};
    ScoreHistory sheet;
    std::string trace;

    explicit Table(bool advanced, bool start = true) {
        platform.Attach(game);
        game.AddObserver(&log);
        game.AddObserver(&sheet);
        platform.SetLineSink([this](std::string_view line) { (trace += line) += '\n'; });
        GameSettings settings;
        settings.rules.advanced = advanced;
        game.ApplyLoadedSettings(settings);
        if (start) game.NewGame();
    }
    const GameState& State() const { return game.State(); }
    // Plays until the person is asked for a move; false once the hands are done.
    bool UntilMoveAsked(int hands) {
        for (int steps = 0; steps < 1000; ++steps) {
            if (game.HandsDealt() > hands) return false;
            if (State().handOver) {
                game.Continue();
            } else if (State().choosingSuit) {
                game.ChooseSuit(LongestSuit(State().hands[HumanSeat]));
            } else if (game.CanAskHint()) {
                return true;
            } else {
                ADD_FAILURE() << "the person is not asked";
                return false;
            }
        }
        return false;
    }
    IntentAnswer Move() {
        const CardList& hand = State().hands[HumanSeat];
        for (int i = 0; i < hand.Count(); ++i)
            if (IsLegalPlay(hand.At(i), State().topCard, State().currentSuit))
                return game.PlayHandCard(i);
        return game.DrawCard();
    }
    // The trace of `step` up to the next move asked (suits named on the way).
    std::string TraceOf(const std::function<void()>& step, int hands) {
        const std::size_t from = trace.size();
        step();
        UntilMoveAsked(hands);
        return trace.substr(from);
    }
};

// After each of the person's moves of a seeded game, Undo brings back the table as it
// was before the move, Redo makes the move again with the same turns after it, and the
// game goes on as the one never taken back.
TEST(Undo, TakesBackEachMoveExactlyAndRedoReplaysItsTurns) {
    constexpr int kHands = 4;
    for (const bool advanced : {false, true}) {
        SCOPED_TRACE(advanced ? "advanced" : "standard");
        Table straight(advanced);
        std::vector<std::string> moves;
        while (straight.UntilMoveAsked(kHands))
            moves.push_back(straight.TraceOf([&] { straight.Move(); }, kHands));
        ASSERT_GT(moves.size(), 20U);

        Table taken(advanced);
        std::size_t undone = 0;
        for (std::size_t i = 0; taken.UntilMoveAsked(kHands); ++i) {
            ASSERT_LT(i, moves.size());
            const GameState before = taken.State();
            const SeatView seen = taken.game.ViewFor(HumanSeat);
            EXPECT_FALSE(taken.game.CanRedo());
            const std::string made = taken.TraceOf([&] { taken.Move(); }, kHands);
            EXPECT_EQ(made, moves[i]) << "move " << i;
            if (!taken.game.CanUndo()) continue;  // the move ended the hand
            ASSERT_TRUE(taken.game.Undo());
            ++undone;
            ASSERT_TRUE(taken.game.CanAskHint());
            ExpectSameTable(taken.State(), before);
            EXPECT_EQ(taken.game.ViewFor(HumanSeat).history, seen.history);
            ASSERT_TRUE(taken.game.CanRedo());
            const auto redo = [&] {
                ASSERT_TRUE(taken.game.Redo());
                EXPECT_FALSE(taken.State().choosingSuit) << "a redo names its eight's suit";
            };
            EXPECT_EQ(taken.TraceOf(redo, kHands), made) << "move " << i;
        }
        EXPECT_GT(undone, moves.size() / 2);
        ExpectSameTable(taken.State(), straight.State());
        EXPECT_EQ(taken.log.Lines(), straight.log.Lines()) << "the log tells each move once";
    }
}

// Undo goes back move by move to the hand's first, never past the deal, and keeps the
// options chosen meanwhile; a new move forgets what could have been made again.
TEST(Undo, StaysInsideTheHandAndANewMoveEndsRedo) {
    Table table(false);
    ASSERT_TRUE(table.UntilMoveAsked(1));
    EXPECT_FALSE(table.game.CanUndo()) << "nothing made yet";
    const GameState first = table.State();
    int made = 0;
    for (; made < 3 && table.State().hands[HumanSeat].Count() > 1; ++made) {
        ASSERT_EQ(table.Move(), IntentAnswer::Taken);
        if (!table.UntilMoveAsked(1)) break;
    }
    ASSERT_GE(made, 2);
    GameSettings renamed = table.game.Settings();
    renamed.playerNames[0] = "Ines";
    table.game.ApplySettings(renamed);
    while (table.game.Undo()) {
    }
    ExpectSameTable(table.State(), first);
    EXPECT_EQ(table.State().playerNames[0], "Ines") << "the options chosen since stay";
    EXPECT_TRUE(table.game.CanRedo());
    ASSERT_EQ(table.game.DrawCard(), IntentAnswer::Taken);
    table.UntilMoveAsked(1);
    EXPECT_FALSE(table.game.CanRedo());
}

// The part of a trace from the line that starts with `from` to the one that starts with
// `to` (or the end).
std::string Between(const std::string& trace, const std::string& from, const std::string& to,
                    std::size_t after = 0) {
    const std::size_t start = trace.find("\n" + from, after);
    if (start == std::string::npos) return {};
    const std::size_t end = trace.find("\n" + to, start + 1);
    return trace.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// Restart Deal in the middle of the second hand deals it again from the same pack with
// the scores it began with: the hand then plays as it did the first time.
TEST(RestartDeal, DealsTheHandAgainAsItWas) {
    Table straight(true);
    while (straight.UntilMoveAsked(2)) straight.Move();
    const std::string hand2 = Between(straight.trace, "hand 2 ", "hand 3 ");
    ASSERT_FALSE(hand2.empty());

    Table again(true);
    std::array<std::int32_t, SeatCount> scoresAtDeal{};
    for (int moves = 0; again.UntilMoveAsked(2);) {
        if (again.game.HandsDealt() < 2) {
            again.Move();
            continue;
        }
        if (moves == 0) scoresAtDeal = again.State().scores;
        if (moves++ == 3 || again.State().hands[HumanSeat].Count() == 1) break;
        again.Move();
    }
    ASSERT_EQ(again.game.HandsDealt(), 2);
    ASSERT_TRUE(again.game.CanRestartDeal());
    const std::size_t restartAt = again.trace.size();
    ASSERT_TRUE(again.game.RestartDeal());
    EXPECT_EQ(again.State().scores, scoresAtDeal);
    while (again.UntilMoveAsked(2)) again.Move();
    EXPECT_EQ(Between(again.trace, "hand 2 ", "hand 3 ", restartAt - 1), hand2);
    EXPECT_EQ(again.log.Lines(), straight.log.Lines()) << "the hand is told once";
    EXPECT_FALSE(again.game.CanUndo()) << "the hand's moves went with the deal";
}

// What happened at the table, without the pauses, redraws and status lines around it.
std::vector<std::string> Events(const std::string& trace) {
    std::vector<std::string> events;
    std::size_t from = 0;
    for (std::size_t end; (end = trace.find('\n', from)) != std::string::npos; from = end + 1) {
        const std::string line = trace.substr(from, end - from);
        for (const char* kind :
             {"hand ", "deal ", "play ", "draw ", "suit ", "end ", "dead", "gameover "})
            if (line.starts_with(kind)) events.push_back(line);
    }
    return events;
}

// A seeded game broken off after each of the person's moves, while the turns after it
// are paused or once the person is asked again, saved as text and taken up by a new
// game: the rest of the game, its log and its sheet are what they would have been, and
// the hand taken up can still be dealt again.
TEST(Resume, BrokenOffAfterEachMoveGoesOnAsIfNeverStopped) {
    constexpr int kHands = 3;
    for (const bool advanced : {false, true}) {
        SCOPED_TRACE(advanced ? "advanced" : "standard");
        Table straight(advanced);
        std::vector<std::size_t> asked;
        while (straight.UntilMoveAsked(kHands)) {
            asked.push_back(Events(straight.trace).size());
            straight.Move();
        }
        const std::vector<std::string> whole = Events(straight.trace);
        const auto restOf = [&whole](std::size_t from) {
            return std::vector<std::string>(whole.begin() + static_cast<long>(from), whole.end());
        };
        ASSERT_GT(asked.size(), 15U);
        for (std::size_t k = 0; k < asked.size(); ++k) {
            for (const bool midTurns : {false, true}) {
                SCOPED_TRACE("move " + std::to_string(k) + (midTurns ? " mid-turns" : ""));
                Table broken(advanced);
                for (std::size_t made = 0; made < k; ++made) {
                    ASSERT_TRUE(broken.UntilMoveAsked(kHands));
                    broken.Move();
                }
                ASSERT_TRUE(broken.UntilMoveAsked(kHands));
                if (midTurns) {
                    broken.platform.HoldPauses(true);
                    broken.Move();
                }
                // Paused, or with an eight's suit still to name, the move is made again
                // on resuming; else the person is asked anew (a draw keeps the turn) and
                // the game goes on from here.
                const bool madeAgain = broken.platform.InPause() || broken.State().choosingSuit;
                const std::size_t from = madeAgain ? asked[k] : Events(broken.trace).size();
                const auto saved = broken.game.SaveGame();
                ASSERT_TRUE(saved);
                std::string why;
                const auto read = ReadSavedGame(WriteSavedGame(*saved), &why);
                ASSERT_TRUE(read) << why;

                Table resumed(advanced, false);
                ASSERT_TRUE(resumed.game.ResumeGame(*read));
                while (resumed.UntilMoveAsked(kHands)) resumed.Move();
                ASSERT_EQ(Events(resumed.trace), restOf(from));
                ASSERT_EQ(resumed.log.Lines(), straight.log.Lines());
                ASSERT_EQ(resumed.sheet.Hands(), straight.sheet.Hands());
                if (midTurns) continue;

                Table dealtAgain(advanced, false);
                ASSERT_TRUE(dealtAgain.game.ResumeGame(*read));
                ASSERT_TRUE(dealtAgain.game.RestartDeal());
                while (dealtAgain.UntilMoveAsked(kHands)) dealtAgain.Move();
                const auto handStart =
                    std::find_if(whole.rend() - static_cast<long>(from), whole.rend(),
                                 [](const std::string& e) { return e.starts_with("hand "); });
                ASSERT_EQ(Events(dealtAgain.trace),
                          restOf(static_cast<std::size_t>(whole.rend() - handStart - 1)));
                ASSERT_EQ(dealtAgain.log.Lines(), straight.log.Lines());
            }
        }
    }
}

// Broken off at a hand's sheet, or while the next hand is being dealt, the game comes
// back at the sheet or deals that hand again, and goes on as it would have.
TEST(Resume, AtTheSheetOrTheDealTheHandsGoOn) {
    constexpr int kHands = 3;
    Table straight(true);
    while (straight.UntilMoveAsked(kHands)) straight.Move();
    const std::vector<std::string> whole = Events(straight.trace);
    const auto secondHand = std::find_if(
        whole.begin(), whole.end(), [](const std::string& e) { return e.starts_with("hand 2 "); });
    ASSERT_NE(secondHand, whole.end());
    for (const bool dealing : {false, true}) {
        SCOPED_TRACE(dealing ? "dealing" : "sheet");
        Table broken(true);
        while (!broken.State().handOver) {
            ASSERT_TRUE(broken.UntilMoveAsked(kHands));
            if (broken.State().hands[HumanSeat].Count() > 0) broken.Move();
        }
        if (dealing) {
            broken.platform.HoldPauses(true);
            broken.game.Continue();
            ASSERT_TRUE(broken.platform.InPause());
        }
        const auto saved = broken.game.SaveGame();
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->at, dealing ? SavedGame::At::Deal : SavedGame::At::HandOver);
        std::string why;
        const auto read = ReadSavedGame(WriteSavedGame(*saved), &why);
        ASSERT_TRUE(read) << why;
        if (dealing) {
            SavedGame levelChosen = *read;
            levelChosen.nextLevel = Level::Hard;
            Table chosen(true, false);
            ASSERT_TRUE(chosen.game.ResumeGame(levelChosen));
            EXPECT_EQ(chosen.game.ComputerLevel(), Level::Normal) << "dealt at its own level";
        }
        Table resumed(true, false);
        ASSERT_TRUE(resumed.game.ResumeGame(*read));
        EXPECT_EQ(resumed.State().handOver, !dealing);
        while (resumed.UntilMoveAsked(kHands)) resumed.Move();
        EXPECT_EQ(Events(resumed.trace), std::vector<std::string>(secondHand, whole.end()));
        EXPECT_EQ(resumed.log.Lines(), straight.log.Lines());
        EXPECT_EQ(resumed.sheet.Hands(), straight.sheet.Hands());
    }
}

}  // namespace
}  // namespace mervane
