#include "app/stores/statistics.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <utility>

#include "app/stores/settings_store.h"
#include "app/stores/window_state.h"
#include "game/mervane_game.h"

namespace mervane {
namespace {

constexpr const char* Groups[RuleSetCount] = {"Standard5", "Standard7", "Advanced5", "Advanced7"};

// Normal keeps the groups of the versions before levels; the others' are prefixed,
// "EasyStandard5", so that those versions pass over them.
QByteArray Group(std::size_t level, int ruleSet) {
    constexpr const char* Prefixes[LevelCount] = {"Easy", "", "Hard"};
    static_assert(LevelIndex(Level::Normal) == 1);
    return QByteArray(Prefixes[level]) + Groups[ruleSet];
}

// How long a save waits for another copy's save before it gives up (and tries again
// with the next game).
constexpr int LockWaitMs = 5000;

// "Group/KEY" to its value, as QSettings reads an INI file: "[Group" without its
// "]" still opens the group, a line without "=" or starting with ";" or "#" says
// nothing, and the last of two equal keys counts. Read from the bytes every time:
// QSettings keeps a file it has read and rereads it only when its size or time
// changes, which a rewrite within the file system's clock tick need not do.
using IniValues = QHash<QByteArray, QByteArray>;

IniValues ParseIni(const QByteArray& text) {
    IniValues values;
    QByteArray group;
    const QByteArray bom("\xEF\xBB\xBF");
    for (const QByteArray& raw : (text.startsWith(bom) ? text.mid(3) : text).split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) continue;
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            group = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0) continue;
        values.insert(group + '/' + line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return values;
}

// Never negative: a hand-edited "-5" is as unreadable as "five", and so is a count
// too large to add to.
std::int64_t ReadCount(const IniValues& values, const QByteArray& group, const char* key) {
    bool ok = false;
    const qlonglong value = values.value(group + '/' + key).toLongLong(&ok);
    return ok && value > 0 && value <= MaxCount ? value : 0;
}

// Both at most MaxCount, so the sum cannot overflow.
std::int64_t Sum(std::int64_t a, std::int64_t b) {
    return std::min(a + b, MaxCount);
}

// The same groups and keys that ParseIni and QSettings read.
QByteArray IniText(const Statistics& statistics) {
    QByteArray text;
    const auto line = [&text](const char* key, std::int64_t value) {
        text += key;
        text += '=';
        text += QByteArray::number(static_cast<qlonglong>(value));
        text += '\n';
    };
    for (std::size_t level = 0; level < LevelCount; ++level) {
        for (int i = 0; i < RuleSetCount; ++i) {
            const RuleSetStatistics& set = statistics.levels[level][static_cast<std::size_t>(i)];
            if (!text.isEmpty()) text += '\n';
            text += '[' + Group(level, i) + "]\n";
            line("PLAYED", set.played);
            line("FINISHED", set.finished);
            line("WON", set.won);
            line("BEST_SCORE", set.bestScore);
            line("TOTAL_SCORE", set.totalScore);
            line("LONGEST_STREAK", set.longestStreak);
            line("CURRENT_STREAK", set.currentStreak);
            line("WINS_LEFT", set.computerWins[0]);
            line("WINS_TOP", set.computerWins[1]);
            line("WINS_RIGHT", set.computerWins[2]);
            line("HINT_GAMES", set.hintGames);
            line("HINTS", set.hints);
            line("UNDO_GAMES", set.undoGames);
            line("UNDOS", set.undos);
        }
    }
    return text;
}

// A save holds the lock for milliseconds. A lock older than this is left over: a copy
// killed between making the lock file and writing its owner into it leaves one that
// names no process, which Qt judges by its age alone (30 s by default).
constexpr int StaleLockMs = 2000;

// The lock QSettings itself takes to write a file, so older versions wait for it too.
// It cannot be taken where the folder cannot be made or written.
bool Lock(QLockFile& lock, const QString& path, int waitMs) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    lock.setStaleLockTime(StaleLockMs);
    return lock.tryLock(waitMs);
}

}  // namespace

int RuleSetIndex(RuleSet rules) {
    return (rules.advanced ? 2 : 0) + (rules.sevenCards ? 1 : 0);
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
    return FileBesideWindowState(windowStatePath, QStringLiteral("-statistics.ini"));
}

Statistics StatisticsStore::Load() const {
    Statistics statistics;
    QFile file(filePath_);
    if (!QFileInfo(filePath_).isFile() || !file.open(QIODevice::ReadOnly)) return statistics;
    const IniValues values = ParseIni(file.readAll());
    for (std::size_t level = 0; level < LevelCount; ++level) {
        for (int i = 0; i < RuleSetCount; ++i) {
            const QByteArray group = Group(level, i);
            const auto count = [&](const char* key) { return ReadCount(values, group, key); };
            RuleSetStatistics& set = statistics.levels[level][static_cast<std::size_t>(i)];
            set.played = count("PLAYED");
            set.finished = count("FINISHED");
            set.won = count("WON");
            set.bestScore = count("BEST_SCORE");
            set.totalScore = count("TOTAL_SCORE");
            set.longestStreak = count("LONGEST_STREAK");
            set.currentStreak = count("CURRENT_STREAK");
            set.computerWins = {count("WINS_LEFT"), count("WINS_TOP"), count("WINS_RIGHT")};
            set.hintGames = count("HINT_GAMES");
            set.hints = count("HINTS");
            set.undoGames = count("UNDO_GAMES");
            set.undos = count("UNDOS");
        }
    }
    return statistics;
}

bool StatisticsStore::Save(const Statistics& statistics) const {
    return Update([&statistics](const Statistics&) { return statistics; }).has_value();
}

std::optional<Statistics> StatisticsStore::Update(const Change& change) const {
    QLockFile lock(filePath_ + QStringLiteral(".lock"));
    if (!Lock(lock, filePath_, LockWaitMs)) return std::nullopt;
    const Statistics result = change(Load());
    // Written whole under another name and renamed over the file: a kill half-way
    // leaves the old counts.
    QSaveFile file(filePath_);
    if (!file.open(QIODevice::WriteOnly)) return std::nullopt;
    file.write(IniText(result));
    if (!file.commit()) return std::nullopt;
    return result;
}

// A save killed half-way may leave its lock and QSaveFile's "file.XXXXXX" (six random
// letters) beside the file. Under the lock no copy is saving, so any such file is
// stale; taking the lock also removes a lock whose process has gone. A suffix without
// a capital is left alone: it may be a word, such as a user's own ".backup".
void StatisticsStore::RemoveLeftovers() const {
    const QFileInfo file(filePath_);
    if (!file.dir().exists()) return;
    QLockFile lock(filePath_ + QStringLiteral(".lock"));
    lock.setStaleLockTime(StaleLockMs);
    if (!lock.tryLock(0)) return;  // a copy is saving; its own files are in use
    const QRegularExpression temporary(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(file.fileName()) +
                                            QStringLiteral("\\.(?=[a-z]*[A-Z])[A-Za-z]{6}")));
    for (const QString& name : file.dir().entryList(QDir::Files | QDir::Hidden)) {
        if (temporary.match(name).hasMatch()) QFile::remove(file.dir().filePath(name));
    }
}

// The counts of one rule set in the file, with what this copy added since it last saw
// them: its games, its best score, and its wins on the file's streak (when this copy
// ended the streak, the file's streak ended there too).
RuleSetStatistics StatisticsKeeper::WithChange(const RuleSetStatistics& file,
                                               const RuleSetStatistics& before,
                                               const RuleSetStatistics& after,
                                               const SinceSave& since) {
    const auto add = [](std::int64_t inFile, std::int64_t was, std::int64_t now) {
        return Sum(inFile, std::max<std::int64_t>(now - was, 0));
    };
    RuleSetStatistics merged;
    merged.played = add(file.played, before.played, after.played);
    merged.finished = add(file.finished, before.finished, after.finished);
    merged.won = add(file.won, before.won, after.won);
    merged.totalScore = add(file.totalScore, before.totalScore, after.totalScore);
    for (std::size_t seat = 0; seat < merged.computerWins.size(); ++seat) {
        merged.computerWins[seat] =
            add(file.computerWins[seat], before.computerWins[seat], after.computerWins[seat]);
    }
    merged.hintGames = add(file.hintGames, before.hintGames, after.hintGames);
    merged.hints = add(file.hints, before.hints, after.hints);
    merged.undoGames = add(file.undoGames, before.undoGames, after.undoGames);
    merged.undos = add(file.undos, before.undos, after.undos);
    merged.bestScore = std::max(file.bestScore, since.bestScore);
    const std::int64_t continued = Sum(file.currentStreak, since.winsBeforeEnd);
    merged.currentStreak = since.streakEnded ? after.currentStreak : continued;
    merged.longestStreak = std::max({file.longestStreak, continued, since.longestAfterEnd});
    return merged;
}

StatisticsKeeper::StatisticsKeeper(MervaneGame& game, const StatisticsStore& store)
    : game_(game), store_(store) {
    store_.RemoveLeftovers();
    statistics_ = saved_ = store_.Load();
    game_.AddObserver(this);
}

StatisticsKeeper::~StatisticsKeeper() {
    game_.RemoveObserver(this);
}

void StatisticsKeeper::Reset() {
    statistics_ = {};
    sinceSave_ = {};
    resetPending_ = true;
    ruleSet_ = -1;
    Save();
}

Level StatisticsKeeper::LevelInForce() const {
    return ruleSet_ >= 0 ? level_ : game_.Settings().level;
}

void StatisticsKeeper::EndStreak() {
    Counting().currentStreak = 0;
    sinceSave_[LevelIndex(level_)][static_cast<std::size_t>(ruleSet_)].streakEnded = true;
}

void StatisticsKeeper::GameStarted() {
    // The game under way, if any, was given up.
    if (ruleSet_ >= 0) EndStreak();
    ruleSet_ = -1;
    startPending_ = true;
}

void StatisticsKeeper::HandDealt(int, Seat, Card) {
    if (!startPending_) return;
    startPending_ = false;
    // Read at the deal, which has just given the seats a level chosen meanwhile.
    level_ = game_.ComputerLevel();
    ruleSet_ = RuleSetIndex(game_.State().rules);
    hintInGame_ = false;
    undoInGame_ = false;
    RuleSetStatistics& set = Counting();
    set.played = Sum(set.played, 1);
    Save();
}

void StatisticsKeeper::GameOver(Seat winner) {
    if (ruleSet_ < 0) return;
    RuleSetStatistics& set = Counting();
    SinceSave& since = sinceSave_[LevelIndex(level_)][static_cast<std::size_t>(ruleSet_)];
    const std::int64_t yourScore = std::max<std::int64_t>(game_.State().scores[HumanSeat], 0);
    set.finished = Sum(set.finished, 1);
    set.totalScore = Sum(set.totalScore, yourScore);
    set.bestScore = std::max(set.bestScore, yourScore);
    since.bestScore = std::max(since.bestScore, yourScore);
    if (winner == HumanSeat) {
        set.won = Sum(set.won, 1);
        set.currentStreak = Sum(set.currentStreak, 1);
        set.longestStreak = std::max(set.longestStreak, set.currentStreak);
        if (since.streakEnded)
            since.longestAfterEnd = std::max(since.longestAfterEnd, set.currentStreak);
        else
            since.winsBeforeEnd = Sum(since.winsBeforeEnd, 1);
    } else {
        EndStreak();
        if (winner > HumanSeat && winner < SeatCount) {
            std::int64_t& wins = set.computerWins[static_cast<std::size_t>(winner - 1)];
            wins = Sum(wins, 1);
        }
    }
    ruleSet_ = -1;
    Save();
}

// Saved at once: a game left by closing the window is never finished.
void StatisticsKeeper::HintShown() {
    if (ruleSet_ < 0) return;
    RuleSetStatistics& set = Counting();
    if (!std::exchange(hintInGame_, true)) set.hintGames = Sum(set.hintGames, 1);
    set.hints = Sum(set.hints, 1);
    Save();
}

// A game taken up again was counted as played when it was dealt: it goes on counting
// under the level and rules it was dealt with (or not at all, when the statistics were
// reset during it), and is not given up.
void StatisticsKeeper::GameResumed(const SavedGame& saved) {
    startPending_ = false;
    const bool counted = saved.countedAs >= 0 && saved.countedAs < LevelCount * RuleSetCount;
    level_ = counted ? static_cast<Level>(saved.countedAs / RuleSetCount) : Level::Normal;
    ruleSet_ = counted ? saved.countedAs % RuleSetCount : -1;
    hintInGame_ = saved.hinted;
    undoInGame_ = saved.tookBack;
}

void StatisticsKeeper::SavingGame(SavedGame& saved) {
    saved.countedAs =
        ruleSet_ < 0 ? -1 : static_cast<std::int32_t>(LevelIndex(level_)) * RuleSetCount + ruleSet_;
    saved.hinted = hintInGame_;
    saved.tookBack = undoInGame_;
}

// A game with undos counts as any other; how many it took is kept beside.
void StatisticsKeeper::MovesTakenBack(std::size_t) {
    if (ruleSet_ < 0) return;
    RuleSetStatistics& set = Counting();
    if (!std::exchange(undoInGame_, true)) set.undoGames = Sum(set.undoGames, 1);
    set.undos = Sum(set.undos, 1);
    Save();
}

// This copy's games since its last save go on top of whatever other copies saved
// meanwhile. A save that fails keeps them for the next one and is told once a run.
void StatisticsKeeper::Save() {
    std::optional<Statistics> stored;
    if (resetPending_) {
        if (store_.Save(statistics_)) stored = statistics_;
    } else {
        stored = store_.Update([this](const Statistics& inFile) {
            Statistics merged;
            for (std::size_t level = 0; level < LevelCount; ++level) {
                for (std::size_t i = 0; i < RuleSetCount; ++i) {
                    merged.levels[level][i] =
                        WithChange(inFile.levels[level][i], saved_.levels[level][i],
                                   statistics_.levels[level][i], sinceSave_[level][i]);
                }
            }
            return merged;
        });
    }
    if (!stored) {
        ReportSaveFailure();
        return;
    }
    statistics_ = saved_ = *stored;
    sinceSave_ = {};
    resetPending_ = false;
}

void StatisticsKeeper::ReportSaveFailure() {
    if (failureReported_ || !reportFailure_) return;
    failureReported_ = true;
    reportFailure_(
        QCoreApplication::translate("mervane::StatisticsKeeper",
                                    "The statistics could not be saved to\n%1\n\n"
                                    "The games of this run are kept and saved with the next one.")
            .arg(QDir::toNativeSeparators(store_.FilePath())));
}

}  // namespace mervane
