#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "game/observer.h"

namespace mervane {

class MervaneGame;

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

    double WinRate() const { return finished ? double(won) / double(finished) : 0.0; }
    double AverageScore() const { return finished ? double(totalScore) / double(finished) : 0.0; }
    bool operator==(const RuleSetStatistics&) const = default;
};

// The rule sets in the order they are shown: standard five, standard seven, advanced
// five, advanced seven.
inline constexpr int RuleSetCount = 4;
int RuleSetIndex(bool advancedRules, bool sevenCards);
QString RuleSetTitle(int index);

struct Statistics {
    std::array<RuleSetStatistics, RuleSetCount> ruleSets{};
    bool operator==(const Statistics&) const = default;
};

// Statistics live in the state folder beside the window state, never in the settings.
// A value that cannot be read (a corrupt or hand-edited file) reads as 0, and a file
// that cannot be read at all as no games; neither stops the game.
class StatisticsStore {
  public:
    explicit StatisticsStore(QString filePath) : filePath_(std::move(filePath)) {}
    // Beside the window state: "name-window.ini" gives "name-statistics.ini".
    static QString BesideWindowState(const QString& windowStatePath);

    QString FilePath() const { return filePath_; }
    Statistics Load() const;
    bool Save(const Statistics& statistics) const;

  private:
    QString filePath_;
};

// Counts games as the game reports them: played once dealt, under the rules of that
// deal; finished once a winner is declared. A game given up for a new one ends the
// current winning streak.
class StatisticsKeeper final : public GameObserver {
  public:
    StatisticsKeeper(MervaneGame& game, const StatisticsStore& store);
    ~StatisticsKeeper();
    StatisticsKeeper(const StatisticsKeeper&) = delete;
    StatisticsKeeper& operator=(const StatisticsKeeper&) = delete;

    const Statistics& Current() const { return statistics_; }
    void Reset();

    void GameStarted() override;
    void HandDealt(int handNumber, Seat dealer, Card starter) override;
    void GameOver(Seat winner) override;

  private:
    void Save();

    MervaneGame& game_;
    const StatisticsStore& store_;
    Statistics statistics_;
    bool startPending_ = false;
    int ruleSet_ = -1;  // the rule set of the game under way, -1 when none counts
};

}  // namespace mervane
