#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>

#include "game/observer.h"
#include "tools/sim/sim_driver.h"

class QDialog;
class QWidget;

namespace mervane {

class CMainFrame;
class CMervaneView;

struct MonkeyOptions {
    std::uint64_t seed = 1;
    long actions = 1000;
    // The longest one action's handling may take, in milliseconds.
    int maxMs = 300;
    bool verbose = false;
    QString settingsPath;
};

// What a run saw, for the summary.
struct MonkeyCounts {
    long actions = 0;
    long handsDealt = 0;
    long handsEnded = 0;
    long gamesStarted = 0;
    long gamesFinished = 0;
    long deadRounds = 0;
    long refusedTaps = 0;
    long dialogs = 0;
    long answers = 0;
    long midChainActions = 0;
    double longestMs = 0;
    std::string longestWhat;
    std::uint64_t digest = 1469598103934665603ull;
};

// Drives one real main window from a seed: taps, keys, screen-reader presses, resizes,
// looks and menu commands, with every dialog and message answered as it opens. Every
// choice comes from its seed and the pauses are cut to a turn of the event loop, which
// the monkey counts, so a seed and an action count replay exactly.
class Monkey : public QObject, private GameObserver {
  public:
    explicit Monkey(const MonkeyOptions& options);
    ~Monkey() override;

    // 0 when every check held; otherwise the failure is printed and the program ends.
    int Run();
    const MonkeyCounts& Counts() const { return counts_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::uint64_t Next() { return random_.Next(); }
    int Below(int n) { return n <= 1 ? 0 : static_cast<int>(Next() % static_cast<unsigned>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }

    void Start();
    void Act();
    void Settle();
    void Check();
    void CheckCards();
    void CheckAccessible();
    [[noreturn]] void Fail(const std::string& what);
    void Note(const std::string& what);

    // Actions.
    void Tap();
    void Key();
    void Press();
    void ResizeWindow();
    void ChangeLook();
    void MenuCommand();
    void ViewToggle();

    // Each stretch of work between two of the monkey's own steps is timed on its own:
    // a dialog's opening, each answer, each turn of the event loop.
    void BeginStretch(std::string what);
    void EndStretch();
    void RunEvents();

    // Modal dialogs and message boxes are answered from the event loop they run.
    void ScheduleAnswer();
    void Answer();
    void AnswerDialog(QDialog& dialog);
    bool Fiddle(QDialog& dialog);

    void HandDealt(int handNumber, Seat dealer, Card starter) override;
    void HandEnded(Seat winner, const std::array<std::int32_t, SeatCount>& scores) override;
    void DeadRound() override;
    void GameOver(Seat winner) override;
    void GameStarted() override;
    void TapRefused(Card card, Card topCard, Suit currentSuit) override;

    CMervaneView& View() const;

    MonkeyOptions options_;
    sim::SplitMix64 random_;
    std::unique_ptr<CMainFrame> frame_;
    MonkeyCounts counts_;
    std::string action_;
    QElapsedTimer stretch_;
    std::string stretchWhat_;
    bool timing_ = false;
    bool answerScheduled_ = false;
    QPointer<QWidget> answering_;
    int attempts_ = 0;
};

}  // namespace mervane
