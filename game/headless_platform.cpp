#include "game/headless_platform.h"

#include <string>
#include <utility>

#include "game/mervane_game.h"

namespace mervane {

namespace {

std::string Number(int value) {
    return std::to_string(value);
}

}  // namespace

void HeadlessPlatform::Attach(MervaneGame& game) {
    game_ = &game;
    game.AddObserver(this);
}

void HeadlessPlatform::Emit(const std::string& line) {
    sink_(line);
}

void HeadlessPlatform::Redraw() {
    ++redraws_;
    if (!Tracing()) return;
    Emit("redraw");
}

bool HeadlessPlatform::Sleep(int ms, std::function<void()> resume) {
    if (Tracing()) Emit("pause " + Number(ms));
    if (!holdPauses_) return false;
    heldPause_ = std::move(resume);
    return true;
}

void HeadlessPlatform::RunBeside(std::function<void()> work, std::function<void()> done) {
    if (holdWork_) {
        heldWork_.emplace_back(std::move(work), std::move(done));
        return;
    }
    work();
    done();
}

void HeadlessPlatform::FinishWorkBeside() {
    if (heldWork_.empty()) return;
    auto [work, done] = std::move(heldWork_.front());
    heldWork_.pop_front();
    work();
    done();
}

void HeadlessPlatform::EndPause() {
    if (auto resume = std::exchange(heldPause_, {})) resume();
}

void HeadlessPlatform::ShowMessage(std::string_view text) {
    if (Tracing()) Emit("message " + std::string(text));
}

bool HeadlessPlatform::ShowMessage(std::string_view text, std::function<void()> /*resume*/) {
    ShowMessage(text);
    return false;
}

bool HeadlessPlatform::AskYesNo(std::string_view text) {
    if (Tracing()) Emit("ask " + std::string(text));
    return answerYes_;
}

void HeadlessPlatform::PumpViewMessages() {
    if (Tracing()) Emit("pump");
    while (!queuedTaps_.empty()) {
        const Point tap = queuedTaps_.front();
        queuedTaps_.pop_front();
        if (game_) game_->OnTableTap(tap.x, tap.y);
    }
}

void HeadlessPlatform::HandDealt(int handNumber, Seat dealer, Card starter) {
    if (!Tracing()) return;
    Emit("hand " + Number(handNumber) + " dealer " + Number(dealer) + " starter " +
         Number(starter));
    if (!game_) return;
    for (Seat seat = 0; seat < SeatCount; ++seat) {
        std::string line = "deal " + Number(seat);
        for (Card card : game_->State().hands[static_cast<std::size_t>(seat)])
            line += " " + Number(card);
        Emit(line);
    }
}

void HeadlessPlatform::StatusChanged(Seat seat, std::string_view text) {
    if (!Tracing()) return;
    Emit("status " + Number(seat) + " " + std::string(text));
}

void HeadlessPlatform::CardPlayed(Seat seat, Card card) {
    if (!Tracing()) return;
    Emit("play " + Number(seat) + " " + Number(card));
}

void HeadlessPlatform::SuitNamed(Suit suit) {
    if (Tracing()) Emit("suit " + Number(suit));
}

void HeadlessPlatform::CardDrawn(Seat seat, Card card) {
    if (!Tracing()) return;
    Emit("draw " + Number(seat) + " " + Number(card));
}

void HeadlessPlatform::HandEnded(Seat winner, const std::array<std::int32_t, SeatCount>& scores) {
    ++handsEnded_;
    if (!Tracing()) return;
    std::string line = "end " + Number(winner) + " scores";
    for (int score : scores) line += " " + Number(score);
    Emit(line);
}

void HeadlessPlatform::DeadRound() {
    ++handsEnded_;
    if (Tracing()) Emit("dead");
}

void HeadlessPlatform::GameOver(Seat winner) {
    ++gamesEnded_;
    if (Tracing()) Emit("gameover " + Number(winner));
}

}  // namespace mervane
