#include "game/move_log.h"

#include <algorithm>
#include <utility>

#include "cards/rules.h"
#include "game/saved_game.h"
#include "game/texts.h"
#include "game/translate.h"

namespace mervane {

namespace logtext {

namespace {

// Each line is one whole sentence per subject form, so that a translation may order
// its words freely: the human's sentence takes the values as %1 and %2, another
// seat's takes the name as %1 and the values after it. Unused values are ignored.
std::string Say(const Who& who, const std::string& you, const std::string& them,
                std::string_view first = {}, std::string_view second = {}) {
    return who.you ? Arg(you, {first, second}) : Arg(them, {who.name, first, second});
}

// "a Heart", "a Spade": one card of the suit, as the refused line asks for it.
std::string OneOfSuit(Suit suit) {
    switch (suit) {
        case Spades: return Tr("Cards", "a Spade");
        case Hearts: return Tr("Cards", "a Heart");
        case Diamonds: return Tr("Cards", "a Diamond");
        case Clubs: return Tr("Cards", "a Club");
        default: return {};
    }
}

// "a 5", "an Ace".
std::string WithArticle(int rank) {
    if (rank == Ace) return Tr("Cards", "an Ace");
    //: One card of a rank, as the refused line asks for it: "a 5", "a King".
    return Arg(Tr("Cards", "a %1"), {RankName(rank)});
}

}  // namespace

std::string Deals(const Who& who, Card starter) {
    return Say(who, Tr("MoveLog", "You deal; the starter is the %1"),
               Tr("MoveLog", "%1 deals; the starter is the %2"), CardName(starter));
}

std::string Plays(const Who& who, Card card) {
    return Say(who, Tr("MoveLog", "You play the %1"), Tr("MoveLog", "%1 plays the %2"),
               CardName(card));
}

std::string PlaysEight(const Who& who, Card card, Suit named) {
    return Say(who, Tr("MoveLog", "You play the %1 and name %2"),
               Tr("MoveLog", "%1 plays the %2 and names %3"), CardName(card),
               text::SuitName(named));
}

std::string DrawsCard(const Who& who) {
    return Say(who, Tr("MoveLog", "You draw a card"), Tr("MoveLog", "%1 draws a card"));
}

std::string DrawsForDrawTwo(const Who& who, int count) {
    if (count <= 0)
        return Say(who, Tr("MoveLog", "You draw nothing (Draw Two): the pack is used up"),
                   Tr("MoveLog", "%1 draws nothing (Draw Two): the pack is used up"));
    if (count == 1)
        return Say(who, Tr("MoveLog", "You draw 1 card (Draw Two)"),
                   Tr("MoveLog", "%1 draws 1 card (Draw Two)"));
    return Say(who, Tr("MoveLog", "You draw %1 cards (Draw Two)"),
               Tr("MoveLog", "%1 draws %2 cards (Draw Two)"), std::to_string(count));
}

std::string Skipped(const Who& who) {
    return Say(who, Tr("MoveLog", "You are skipped"), Tr("MoveLog", "%1 is skipped"));
}

std::string Direction(bool reversed) {
    return reversed ? Tr("MoveLog", "Play now goes counter-clockwise")
                    : Tr("MoveLog", "Play now goes clockwise");
}

std::string Passes(const Who& who) {
    return Say(who, Tr("MoveLog", "You pass"), Tr("MoveLog", "%1 passes"));
}

std::string WinsHand(const Who& who, int points) {
    return Say(who, Tr("MoveLog", "You win the hand and score %1"),
               Tr("MoveLog", "%1 wins the hand and scores %2"), std::to_string(points));
}

std::string DeadRound() {
    return Tr("MoveLog", "Dead round: nobody scores");
}

std::string WinsGame(const Who& who) {
    return Say(who, Tr("MoveLog", "You win the game"), Tr("MoveLog", "%1 wins the game"));
}

std::string Refused(Card card, Card topCard, Suit currentSuit, bool canDraw) {
    const int rank = RankOf(topCard);
    // On an eight, matching the rank is playing an eight: the rank is not offered twice.
    std::string pattern;
    if (rank != Eight)
        pattern = canDraw ? Tr("MoveLog",
                               "The %1 does not follow %2 or match the %3; play %4, %5 or an "
                               "eight, or draw")
                          : Tr("MoveLog",
                               "The %1 does not follow %2 or match the %3; play %4, %5 or an "
                               "eight");
    else
        pattern = canDraw ? Tr("MoveLog",
                               "The %1 does not follow %2 or match the %3; play %4 or an eight, "
                               "or draw")
                          : Tr("MoveLog",
                               "The %1 does not follow %2 or match the %3; play %4 or an eight");
    return Arg(pattern, {CardName(card), text::SuitName(currentSuit), RankName(rank),
                         OneOfSuit(currentSuit), WithArticle(rank)});
}

}  // namespace logtext

logtext::Who MoveLog::WhoIs(Seat seat) const {
    return {state_.SeatName(seat), seat == HumanSeat};
}

void MoveLog::Add(std::string line) {
    lines_.push_back(std::move(line));
    if (listener_) listener_->LineAdded(lines_.back());
}

void MoveLog::TellPendingEight() {
    if (eight_ == NoCard) return;
    Add(logtext::Plays(WhoIs(eightSeat_), std::exchange(eight_, NoCard)));
}

void MoveLog::GameStarted() {
    eight_ = NoCard;
    drawsTold_ = 0;
    lines_.clear();
    if (listener_) listener_->Refilled(lines_);
}

void MoveLog::HandDealt(int /*handNumber*/, Seat dealer, Card starter) {
    TellPendingEight();
    drawsTold_ = 0;
    handStart_ = lines_.size();
    moveStarts_.clear();
    Add(logtext::Deals(WhoIs(dealer), starter));
}

void MoveLog::PersonAsked() {
    if (state_.humanTurn && !state_.choosingSuit) moveStarts_.push_back(lines_.size());
}

void MoveLog::MovesTakenBack(std::size_t movesLeft) {
    if (movesLeft >= moveStarts_.size()) return;
    KeepLines(moveStarts_[movesLeft]);
    moveStarts_.resize(movesLeft);
}

void MoveLog::DealRestarted() {
    KeepLines(handStart_);
}

// The lines up to the saved moment: the deal about to be told, or a move about to be
// made again, are told again when the game is taken up.
void MoveLog::SavingGame(SavedGame& saved) {
    std::size_t count = lines_.size();
    if (saved.at == SavedGame::At::Deal)
        count = handStart_;
    else if (saved.pendingMove && !moveStarts_.empty())
        count = moveStarts_.back();
    count = std::min(count, lines_.size());
    saved.log.assign(lines_.begin(), lines_.begin() + static_cast<std::ptrdiff_t>(count));
    saved.logHandStart = static_cast<std::int32_t>(std::min(handStart_, count));
}

void MoveLog::GameResumed(const SavedGame& saved) {
    lines_ = saved.log;
    handStart_ = static_cast<std::size_t>(saved.logHandStart);
    moveStarts_.clear();
    KeepLines(lines_.size());
}

void MoveLog::KeepLines(std::size_t count) {
    eight_ = NoCard;
    drawsTold_ = 0;
    lines_.resize(std::min(count, lines_.size()));
    if (listener_) listener_->Refilled(lines_);
}

void MoveLog::CardPlayed(Seat seat, Card card) {
    TellPendingEight();
    if (IsEight(card)) {
        eightSeat_ = seat;
        eight_ = card;
        return;
    }
    Add(logtext::Plays(WhoIs(seat), card));
}

void MoveLog::SuitNamed(Suit suit) {
    if (eight_ == NoCard) return;
    Add(logtext::PlaysEight(WhoIs(eightSeat_), std::exchange(eight_, NoCard), suit));
}

void MoveLog::CardDrawn(Seat seat, Card /*card*/) {
    TellPendingEight();
    if (drawsTold_ > 0) {
        --drawsTold_;
        return;
    }
    Add(logtext::DrawsCard(WhoIs(seat)));
}

void MoveLog::DrawTwoTaken(Seat seat, int count) {
    TellPendingEight();
    drawsTold_ = count;
    Add(logtext::DrawsForDrawTwo(WhoIs(seat), count));
}

void MoveLog::HandEnded(Seat winner, const std::array<std::int32_t, SeatCount>& /*scores*/) {
    TellPendingEight();
    int points = 0;
    for (Seat seat = 0; seat < SeatCount; ++seat) {
        if (seat != winner) points += HandPoints(state_.hands[static_cast<std::size_t>(seat)]);
    }
    Add(logtext::WinsHand(WhoIs(winner), points));
}

void MoveLog::DeadRound() {
    TellPendingEight();
    Add(logtext::DeadRound());
}

void MoveLog::GameOver(Seat winner) {
    TellPendingEight();
    Add(logtext::WinsGame(WhoIs(winner)));
}

void MoveLog::SeatSkipped(Seat seat) {
    TellPendingEight();
    Add(logtext::Skipped(WhoIs(seat)));
}

void MoveLog::DirectionChanged(bool reversed) {
    TellPendingEight();
    Add(logtext::Direction(reversed));
}

void MoveLog::SeatPassed(Seat seat) {
    TellPendingEight();
    Add(logtext::Passes(WhoIs(seat)));
}

void MoveLog::TapRefused(Card card, Card topCard, Suit currentSuit) {
    Add(logtext::Refused(card, topCard, currentSuit, !state_.deck.Empty()));
}

}  // namespace mervane
