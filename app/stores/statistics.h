#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

#include "game/levels.h"
#include "game/observer.h"
#include "game/rule_set.h"

namespace mervane {

class MervaneGame;

// The largest count kept: every count up to it is exact in a double, and a count that
// reaches it stays there instead of overflowing.
inline constexpr std::int64_t MaxCount = std::int64_t{1} << 53;

// The counts of one rule set: "Advanced Rules" on or off, five or seven cards.
struct RuleSetStatistics {
    std::int64_t played = 0;      // games dealt
    std::int64_t finished = 0;    // games that reached their winner screen
    std::int64_t won = 0;         // of those, won by you
    std::int64_t bestScore = 0;   // your best final score; 0 until a game finished
    std::int64_t totalScore = 0;  // your final scores added up, for the average
    std::int64_t longestStreak = 0;
    std::int64_t currentStreak = 0;
    std::array<std::int64_t, 3> computerWins{};  // Left, Top, Right
    std::int64_t hintGames = 0;                  // games in which you were shown a hint
    std::int64_t hints = 0;                      // hints shown in them, all told
    std::int64_t undoGames = 0;                  // games in which you took a move back
    std::int64_t undos = 0;                      // moves taken back in them, all told

    double WinRate() const { return finished ? double(won) / double(finished) : 0.0; }
    double AverageScore() const { return finished ? double(totalScore) / double(finished) : 0.0; }
    bool operator==(const RuleSetStatistics&) const = default;
};

// The rule sets in the order they are shown: standard five, standard seven, advanced
// five, advanced seven.
inline constexpr int RuleSetCount = 4;
int RuleSetIndex(RuleSet rules);
QString RuleSetTitle(int index);

// The computer seats' levels, in Level's order.
inline constexpr int LevelCount = 3;
inline constexpr std::size_t LevelIndex(Level level) {
    return static_cast<std::size_t>(level);
}

using LevelStatistics = std::array<RuleSetStatistics, RuleSetCount>;

// A game counts under the computer seats' level at its first deal and under its rules.
struct Statistics {
    std::array<LevelStatistics, LevelCount> levels{};

    LevelStatistics& Of(Level level) { return levels[LevelIndex(level)]; }
    const LevelStatistics& Of(Level level) const { return levels[LevelIndex(level)]; }
    RuleSetStatistics& Of(Level level, int ruleSet) {
        return Of(level)[static_cast<std::size_t>(ruleSet)];
    }
    const RuleSetStatistics& Of(Level level, int ruleSet) const {
        return Of(level)[static_cast<std::size_t>(ruleSet)];
    }
    bool operator==(const Statistics&) const = default;
};

// Statistics live in the state folder beside the window state, never in the settings.
// A value that cannot be read (a corrupt or hand-edited file, a count above MaxCount)
// reads as 0, and a file that cannot be read at all as no games; neither stops the game.
// Every write happens under a lock file shared by all running copies of the program.
// Normal's counts keep the groups of the versions before levels, whose games were all
// played at Normal, so that such a version still finds them; Easy and Hard have groups
// of their own beside them.
class StatisticsStore {
  public:
    explicit StatisticsStore(QString filePath) : filePath_(std::move(filePath)) {}
    // Beside the window state: "name-window.ini" gives "name-statistics.ini".
    static QString BesideWindowState(const QString& windowStatePath);

    QString FilePath() const { return filePath_; }
    Statistics Load() const;
    // Writes exactly these counts.
    bool Save(const Statistics& statistics) const;
    // Reads the file, writes what `change` makes of its counts and returns that; all
    // under the lock, so that no other copy writes in between. Nothing when the file
    // could not be written.
    using Change = std::function<Statistics(const Statistics& inFile)>;
    std::optional<Statistics> Update(const Change& change) const;
    // Removes what a save cut short (by a kill or a crash) left beside the file.
    void RemoveLeftovers() const;

  private:
    QString filePath_;
};

// Counts games as the game reports them: played once dealt, under the rules of that
// deal and at the computer seats' level then; finished once a winner is declared. A
// game given up for a new one ends the current winning streak. The hints shown during a
// game count under its level and rules. Each save adds this copy's games since its last
// save to the counts in the file, so that copies running side by side each keep their
// games.
class StatisticsKeeper final : public GameObserver {
  public:
    StatisticsKeeper(MervaneGame& game, const StatisticsStore& store);
    ~StatisticsKeeper();
    StatisticsKeeper(const StatisticsKeeper&) = delete;
    StatisticsKeeper& operator=(const StatisticsKeeper&) = delete;

    // Takes the message for the user about the first failed save of a run.
    using FailureReporter = std::function<void(const QString& message)>;
    void SetFailureReporter(FailureReporter reporter) { reportFailure_ = std::move(reporter); }

    // The file's counts as of the last save, with this copy's games since then.
    const Statistics& Current() const { return statistics_; }
    void Reset();
    // The level whose counts to show first: the game under way's, or else the one the
    // next game will be dealt at.
    Level LevelInForce() const;

    void GameStarted() override;
    void HandDealt(int handNumber, Seat dealer, Card starter) override;
    void GameOver(Seat winner) override;
    void HintShown() override;
    void MovesTakenBack(std::size_t movesLeft) override;
    void SavingGame(SavedGame& saved) override;
    void GameResumed(const SavedGame& saved) override;

  private:
    struct SinceSave;
    static RuleSetStatistics WithChange(const RuleSetStatistics& file,
                                        const RuleSetStatistics& before,
                                        const RuleSetStatistics& after, const SinceSave& since);
    void Save();
    void ReportSaveFailure();
    void EndStreak();
    RuleSetStatistics& Counting() { return statistics_.Of(level_, ruleSet_); }

    MervaneGame& game_;
    const StatisticsStore& store_;
    Statistics statistics_;
    // The counts as last read or written; the difference is what the next save adds.
    Statistics saved_;
    // What a difference of counts cannot tell, per level and rule set, since the last save.
    struct SinceSave {
        bool streakEnded = false;
        std::int64_t winsBeforeEnd = 0;    // go on the streak in the file
        std::int64_t longestAfterEnd = 0;  // this copy's own streaks after it ended
        std::int64_t bestScore = 0;
    };
    std::array<std::array<SinceSave, RuleSetCount>, LevelCount> sinceSave_{};
    bool resetPending_ = false;
    FailureReporter reportFailure_;
    bool failureReported_ = false;
    bool startPending_ = false;
    // The game under way counts under these; ruleSet_ is -1 when none counts.
    Level level_ = Level::Normal;
    int ruleSet_ = -1;
    bool hintInGame_ = false;
    bool undoInGame_ = false;
};

}  // namespace mervane
