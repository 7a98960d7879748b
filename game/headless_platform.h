#pragma once

#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "cards/platform_services.h"
#include "game/observer.h"
#include "game/platform.h"

namespace mervane {

class MervaneGame;

// The platform without a window: pauses are recorded, not waited for, messages are
// answered at once, and every visible step becomes one line of a trace:
//   redraw | pause <ms> | message <text> | ask <text> | pump
//   hand <n> dealer <seat> starter <card> | deal <seat> <cards...> | status <seat> <text>
//   play <seat> <card> | suit <suit> | draw <seat> <card>
//   end <winner> scores <s0> <s1> <s2> <s3> | dead | gameover <winner>
// Used by the simulator and by the tests, which check the exact order of what is seen.
class HeadlessPlatform final : public GamePlatform, public GameObserver {
  public:
    using LineSink = std::function<void(std::string_view)>;

    explicit HeadlessPlatform(LocalTime now = {7, 2, 0, 0, 0}) : clock_(now) {}

    // Connects the game whose queued taps a pump delivers, and observes it.
    void Attach(MervaneGame& game);
    void SetLineSink(LineSink sink) { sink_ = std::move(sink); }
    void AnswerQuestionsWith(bool yes) { answerYes_ = yes; }
    // A tap made while the computer plays: it reaches the game at the next pump.
    void QueueTap(int x, int y) { queuedTaps_.push_back({x, y}); }
    std::size_t QueuedTaps() const { return queuedTaps_.size(); }
    // Tests hold each pause open, as a window does, until they end it.
    void HoldPauses(bool hold) { holdPauses_ = hold; }
    bool InPause() const { return static_cast<bool>(heldPause_); }
    void EndPause();
    // Tests hold work beside the game, as a window's thread would, until they finish
    // the oldest.
    void HoldWorkBeside(bool hold) { holdWork_ = hold; }
    std::size_t HeldWork() const { return heldWork_.size(); }
    void FinishWorkBeside();

    int Redraws() const { return redraws_; }
    // Hands that ended, won or dead, and games that ended.
    int HandsEnded() const { return handsEnded_; }
    int GamesEnded() const { return gamesEnded_; }

    // GamePlatform
    void Redraw() override;
    // Recorded and over at once, unless pauses are held.
    bool Sleep(int ms, std::function<void()> resume) override;
    void ShowMessage(std::string_view text) override;
    // Recorded and answered at once, as the other message is.
    bool ShowMessage(std::string_view text, std::function<void()> resume) override;
    bool AskYesNo(std::string_view text) override;
    void PumpViewMessages() override;
    void DropQueuedTaps() override { queuedTaps_.clear(); }
    Rect ClientRect() const override { return client_; }
    // Run at once, unless work is held.
    void RunBeside(std::function<void()> work, std::function<void()> done) override;
    LocalTime LocalNow() const override { return clock_.LocalNow(); }

    // GameObserver
    void HandDealt(int handNumber, Seat dealer, Card starter) override;
    void StatusChanged(Seat seat, std::string_view text) override;
    void CardPlayed(Seat seat, Card card) override;
    void SuitNamed(Suit suit) override;
    void CardDrawn(Seat seat, Card card) override;
    void HandEnded(Seat winner, const std::array<std::int32_t, SeatCount>& scores) override;
    void DeadRound() override;
    void GameOver(Seat winner) override;

  private:
    void Emit(const std::string& line);
    bool Tracing() const { return static_cast<bool>(sink_); }

    MervaneGame* game_ = nullptr;
    LineSink sink_;
    FixedClock clock_;
    Rect client_{0, 0, 240, 268};
    bool answerYes_ = true;
    bool holdPauses_ = false;
    std::function<void()> heldPause_;
    bool holdWork_ = false;
    std::deque<std::pair<std::function<void()>, std::function<void()>>> heldWork_;
    std::deque<Point> queuedTaps_;
    int redraws_ = 0;
    int handsEnded_ = 0;
    int gamesEnded_ = 0;
};

}  // namespace mervane
