#include "game/table_story.h"

#include <algorithm>
#include <string>

#include "game/move_log.h"
#include "game/timings.h"
#include "game/translate.h"

namespace mervane {

namespace {

bool IsSeat(Seat seat) {
    return seat >= 0 && seat < SeatCount;
}

// Full for most of its life, then fading to nothing at its end.
double Opacity(std::int64_t since, int lifeMs, std::int64_t now) {
    const std::int64_t left = since + lifeMs - now;
    if (left <= 0) return 0.0;
    return std::min(1.0, static_cast<double>(left) / CalloutFadeMs);
}

std::string CalloutText(CalloutKind kind, int count) {
    switch (kind) {
        case CalloutKind::Drew:
        case CalloutKind::MustDrawTwo: return Arg(Tr("Callouts", "+%1"), {std::to_string(count)});
        case CalloutKind::Skipped: return Tr("Callouts", "Skipped");
        case CalloutKind::Reversed: return Tr("Callouts", "Reverse");
    }
    return {};
}

// When a timed item next changes by itself: the start of its fade, or now while it fades.
std::optional<std::int64_t> ChangeOf(std::int64_t since, int lifeMs, std::int64_t now) {
    const std::int64_t end = since + lifeMs;
    if (now >= end) return std::nullopt;
    return std::max(now, end - CalloutFadeMs);
}

void KeepEarliest(std::optional<std::int64_t>& earliest, std::optional<std::int64_t> next) {
    if (next && (!earliest || *next < *earliest)) earliest = next;
}

}  // namespace

TableCallouts TableStory::At(std::int64_t now) const {
    TableCallouts out;
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        const auto& shown = shown_[i];
        if (!shown) continue;
        const double opacity = Opacity(shown->since, CalloutShowMs, now);
        if (opacity <= 0.0) continue;
        out.seats[i] = Callout{shown->kind, shown->count, CalloutText(shown->kind, shown->count),
                               opacity, shown->since};
    }
    out.namedSuit = named_;
    if (!refusal_.empty()) {
        out.refusalOpacity = Opacity(refusalSince_, RefusalShowMs, now);
        if (out.refusalOpacity > 0.0) out.refusal = refusal_;
    }
    return out;
}

std::optional<std::int64_t> TableStory::NextChangeAt(std::int64_t now) const {
    std::optional<std::int64_t> earliest;
    for (const auto& shown : shown_) {
        if (shown) KeepEarliest(earliest, ChangeOf(shown->since, CalloutShowMs, now));
    }
    if (!refusal_.empty()) KeepEarliest(earliest, ChangeOf(refusalSince_, RefusalShowMs, now));
    return earliest;
}

void TableStory::Clear() {
    shown_ = {};
    lastPlayer_ = NoSeat;
    drawingSeat_ = NoSeat;
    drawsInRun_ = 0;
    twoDrawer_ = NoSeat;
    twoDrawsLeft_ = 0;
    named_ = NoSuit;
    refusal_.clear();
}

void TableStory::Moved(Seat seat) {
    if (IsSeat(seat)) shown_[static_cast<std::size_t>(seat)].reset();
    drawingSeat_ = NoSeat;
    drawsInRun_ = 0;
    if (seat == HumanSeat) refusal_.clear();
}

void TableStory::Show(Seat seat, CalloutKind kind, int count) {
    if (IsSeat(seat)) shown_[static_cast<std::size_t>(seat)] = Shown{kind, count, clock_()};
}

void TableStory::HandDealt(int /*handNumber*/, Seat /*dealer*/, Card /*starter*/) {
    Clear();
}

void TableStory::GameStarted() {
    Clear();
}

void TableStory::MovesTakenBack(std::size_t /*movesLeft*/) {
    Clear();
}

void TableStory::DealRestarted() {
    Clear();
}

void TableStory::CardPlayed(Seat seat, Card /*card*/) {
    Moved(seat);
    lastPlayer_ = seat;
    // Any card played is the one that follows the named suit; an eight names anew.
    named_ = NoSuit;
}

void TableStory::SuitNamed(Suit suit) {
    named_ = suit;
}

void TableStory::CardDrawn(Seat seat, Card /*card*/) {
    if (seat == twoDrawer_ && twoDrawsLeft_ > 0) {
        --twoDrawsLeft_;
        return;
    }
    const int run = seat == drawingSeat_ ? drawsInRun_ + 1 : 1;
    Moved(seat);
    drawingSeat_ = seat;
    drawsInRun_ = run;
    Show(seat, CalloutKind::Drew, run);
}

void TableStory::SeatSkipped(Seat seat) {
    Show(seat, CalloutKind::Skipped, 0);
}

void TableStory::DirectionChanged(bool /*reversed*/) {
    Show(lastPlayer_, CalloutKind::Reversed, 0);
}

void TableStory::DrawTwoTaken(Seat seat, int count) {
    twoDrawer_ = seat;
    twoDrawsLeft_ = count;
    // Nothing to tell when the pack had nothing left to give.
    if (count > 0) Show(seat, CalloutKind::MustDrawTwo, count);
}

void TableStory::SeatPassed(Seat seat) {
    Moved(seat);
}

void TableStory::TapRefused(Card card, Card topCard, Suit currentSuit) {
    refusal_ = logtext::Refused(card, topCard, currentSuit, !state_.deck.Empty());
    refusalSince_ = clock_();
}

}  // namespace mervane
