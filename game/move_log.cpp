#include "game/move_log.h"

#include <utility>

#include "cards/rules.h"

namespace mervane {

namespace logtext {

namespace {

// The subject and its verb: "You play", "Player2 plays".
std::string Does(const Who& who, std::string_view verb, std::string_view verbS) {
    return who.name + " " + std::string(who.you ? verb : verbS);
}

// "a 5", "an Ace".
std::string WithArticle(int rank) {
    return (rank == Ace ? "an " : "a ") + RankName(rank);
}

}  // namespace

std::string RankName(int rank) {
    switch (rank) {
        case Ace: return "Ace";
        case 11: return "Jack";
        case Queen: return "Queen";
        case King: return "King";
        default: return std::to_string(rank);
    }
}

std::string_view SuitSingular(Suit suit) {
    switch (suit) {
        case Spades: return "Spade";
        case Hearts: return "Heart";
        case Diamonds: return "Diamond";
        case Clubs: return "Club";
        default: return {};
    }
}

std::string CardName(Card card) {
    if (!IsCard(card)) return {};
    return RankName(RankOf(card)) + " of " + std::string(SuitName(SuitOf(card)));
}

std::string Deals(const Who& who, Card starter) {
    return Does(who, "deal", "deals") + "; the starter is the " + CardName(starter);
}

std::string Plays(const Who& who, Card card) {
    return Does(who, "play", "plays") + " the " + CardName(card);
}

std::string PlaysEight(const Who& who, Card card, Suit named) {
    return Plays(who, card) + (who.you ? " and name " : " and names ") +
           std::string(SuitName(named));
}

std::string DrawsCard(const Who& who) {
    return Does(who, "draw", "draws") + " a card";
}

std::string DrawsForDrawTwo(const Who& who, int count) {
    if (count <= 0) return Does(who, "draw", "draws") + " nothing (Draw Two): the pack is used up";
    const std::string cards = count == 1 ? " 1 card" : " " + std::to_string(count) + " cards";
    return Does(who, "draw", "draws") + cards + " (Draw Two)";
}

std::string Skipped(const Who& who) {
    return Does(who, "are", "is") + " skipped";
}

std::string Direction(bool reversed) {
    return reversed ? "Play now goes counter-clockwise" : "Play now goes clockwise";
}

std::string Passes(const Who& who) {
    return Does(who, "pass", "passes");
}

std::string WinsHand(const Who& who, int points) {
    return Does(who, "win", "wins") + " the hand and " + (who.you ? "score " : "scores ") +
           std::to_string(points);
}

std::string DeadRound() {
    return "Dead round: nobody scores";
}

std::string WinsGame(const Who& who) {
    return Does(who, "win", "wins") + " the game";
}

std::string Refused(Card card, Card topCard, Suit currentSuit, bool canDraw) {
    const int rank = RankOf(topCard);
    std::string line = "The " + CardName(card) + " does not follow " +
                       std::string(SuitName(currentSuit)) + " or match the " + RankName(rank) +
                       "; play a " + std::string(SuitSingular(currentSuit));
    // On an eight, matching the rank is playing an eight.
    if (rank != Eight) line += ", " + WithArticle(rank);
    line += " or an eight";
    if (canDraw) line += ", or draw";
    return line;
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
    if (listener_) listener_->Cleared();
}

void MoveLog::HandDealt(int /*handNumber*/, Seat dealer, Card starter) {
    TellPendingEight();
    drawsTold_ = 0;
    Add(logtext::Deals(WhoIs(dealer), starter));
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
