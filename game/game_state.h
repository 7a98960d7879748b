#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "cards/card_deck.h"
#include "cards/card_list.h"
#include "game/levels.h"
#include "game/rule_set.h"
#include "game/seats.h"
#include "layout/card_table.h"

namespace mervane {

// One game at the four-seat table. Plain data: the flow changes it, painting reads it.
struct GameState {
    CCardTable table;
    std::array<CardList, SeatCount> hands;
    std::array<std::string, 3> playerNames;  // Left, Top, Right
    std::int32_t trainingMode = 0;
    RuleSet rules;
    std::int32_t computerDelayMs = 1000;
    CardDeck deck;
    bool gameInProgress = false;
    bool humanTurn = false;
    bool showSplash = true;
    Seat dealer = 0;
    bool choosingSuit = false;
    bool handOver = false;
    bool betweenGames = true;
    Card topCard = NoCard;
    Suit currentSuit = Spades;
    std::array<std::int32_t, SeatCount> scores{};
    std::int32_t playTo = 0;
    // The seat whose hand ended the last game, kept for the winner screen: the scores
    // alone cannot name it once the target has been changed or was never reachable.
    Seat gameWinner = NoSeat;
    std::array<std::string, SeatCount> statusText;
    bool showHandScore = false;
    std::int32_t passCount = 0;
    bool reversed = false;
    // The odds of the person's moves, shown from a hint until the person moves.
    std::optional<MoveSurvey> hint;

    // The name shown for a seat: "You" for the human.
    std::string SeatName(Seat seat) const;
};

}  // namespace mervane
