#include "app/statistics.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <algorithm>

#include "app/settings_store.h"
#include "game/mervane_game.h"

namespace mervane {
namespace {

constexpr const char* Groups[RuleSetCount] = {"Standard5", "Standard7", "Advanced5", "Advanced7"};

// Never negative: a hand-edited "-5" is as unreadable as "five".
std::int64_t ReadCount(const QSettings& settings, const char* key) {
    bool ok = false;
    const qlonglong value = settings.value(QLatin1String(key)).toString().trimmed().toLongLong(&ok);
    return ok && value > 0 ? value : 0;
}

void Write(QSettings& settings, const char* key, std::int64_t value) {
    settings.setValue(QLatin1String(key), QString::number(value));
}

}  // namespace

int RuleSetIndex(bool advancedRules, bool sevenCards) {
    return (advancedRules ? 2 : 0) + (sevenCards ? 1 : 0);
}

QString RuleSetTitle(int index) {
    const bool advanced = index >= 2;
    const bool seven = index % 2 == 1;
    return QCoreApplication::translate("mervane::CStatisticsDlg", "%1\n%2 cards")
        .arg(advanced ? QCoreApplication::translate("mervane::CStatisticsDlg", "Advanced")
                      : QCoreApplication::translate("mervane::CStatisticsDlg", "Standard"))
        .arg(seven ? 7 : 5);
}

QString StatisticsStore::BesideWindowState(const QString& windowStatePath) {
    // "name-window.ini" keeps its statistics in "name-statistics.ini".
    const QFileInfo state(windowStatePath);
    QString name = state.completeBaseName();
    if (name.endsWith(QLatin1String("-window"))) name.chop(7);
    if (name.isEmpty()) name = ApplicationName();
    return state.dir().filePath(name + QStringLiteral("-statistics.ini"));
}

Statistics StatisticsStore::Load() const {
    Statistics statistics;
    if (!QFileInfo::exists(filePath_)) return statistics;
    QSettings settings(filePath_, QSettings::IniFormat);
    for (int i = 0; i < RuleSetCount; ++i) {
        settings.beginGroup(QLatin1String(Groups[i]));
        RuleSetStatistics& set = statistics.ruleSets[static_cast<std::size_t>(i)];
        set.played = ReadCount(settings, "PLAYED");
        set.finished = ReadCount(settings, "FINISHED");
        set.won = ReadCount(settings, "WON");
        set.bestScore = ReadCount(settings, "BEST_SCORE");
        set.totalScore = ReadCount(settings, "TOTAL_SCORE");
        set.longestStreak = ReadCount(settings, "LONGEST_STREAK");
        set.currentStreak = ReadCount(settings, "CURRENT_STREAK");
        set.computerWins = {ReadCount(settings, "WINS_LEFT"), ReadCount(settings, "WINS_TOP"),
                            ReadCount(settings, "WINS_RIGHT")};
        settings.endGroup();
    }
    return statistics;
}

bool StatisticsStore::Save(const Statistics& statistics) const {
    QSettings settings(filePath_, QSettings::IniFormat);
    for (int i = 0; i < RuleSetCount; ++i) {
        const RuleSetStatistics& set = statistics.ruleSets[static_cast<std::size_t>(i)];
        settings.beginGroup(QLatin1String(Groups[i]));
        Write(settings, "PLAYED", set.played);
        Write(settings, "FINISHED", set.finished);
        Write(settings, "WON", set.won);
        Write(settings, "BEST_SCORE", set.bestScore);
        Write(settings, "TOTAL_SCORE", set.totalScore);
        Write(settings, "LONGEST_STREAK", set.longestStreak);
        Write(settings, "CURRENT_STREAK", set.currentStreak);
        Write(settings, "WINS_LEFT", set.computerWins[0]);
        Write(settings, "WINS_TOP", set.computerWins[1]);
        Write(settings, "WINS_RIGHT", set.computerWins[2]);
        settings.endGroup();
    }
    settings.sync();
    return settings.status() == QSettings::NoError;
}

StatisticsKeeper::StatisticsKeeper(MervaneGame& game, const StatisticsStore& store)
    : game_(game), store_(store), statistics_(store.Load()) {
    game_.AddObserver(this);
}

StatisticsKeeper::~StatisticsKeeper() {
    game_.RemoveObserver(this);
}

void StatisticsKeeper::Reset() {
    statistics_ = {};
    ruleSet_ = -1;
    Save();
}

void StatisticsKeeper::GameStarted() {
    // The game under way, if any, was given up.
    if (ruleSet_ >= 0) statistics_.ruleSets[static_cast<std::size_t>(ruleSet_)].currentStreak = 0;
    ruleSet_ = -1;
    startPending_ = true;
}

void StatisticsKeeper::HandDealt(int, Seat, Card) {
    if (!startPending_) return;
    startPending_ = false;
    const GameState& state = game_.State();
    ruleSet_ = RuleSetIndex(state.advancedRules != 0, state.sevenCards != 0);
    ++statistics_.ruleSets[static_cast<std::size_t>(ruleSet_)].played;
    Save();
}

void StatisticsKeeper::GameOver(Seat winner) {
    if (ruleSet_ < 0) return;
    RuleSetStatistics& set = statistics_.ruleSets[static_cast<std::size_t>(ruleSet_)];
    const std::int64_t yourScore = game_.State().scores[HumanSeat];
    ++set.finished;
    set.totalScore += std::max<std::int64_t>(yourScore, 0);
    set.bestScore = std::max(set.bestScore, yourScore);
    if (winner == HumanSeat) {
        ++set.won;
        set.longestStreak = std::max(set.longestStreak, ++set.currentStreak);
    } else {
        set.currentStreak = 0;
        if (winner > HumanSeat && winner < SeatCount)
            ++set.computerWins[static_cast<std::size_t>(winner - 1)];
    }
    ruleSet_ = -1;
    Save();
}

void StatisticsKeeper::Save() {
    store_.Save(statistics_);
}

}  // namespace mervane
