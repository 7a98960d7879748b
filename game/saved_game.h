#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cards/card.h"
#include "cards/card_list.h"
#include "game/levels.h"
#include "game/rule_set.h"
#include "game/score_history.h"
#include "game/seat_view.h"
#include "game/seats.h"

namespace mervane {

// A game put away to be taken up again: the table at the last moment the person was
// asked for a move (or shown a hand's sheet), and the move made there if the turns after
// it had not finished. Plain data; the game makes it and takes it back.
struct SavedGame {
    // The person's move, a hand's sheet, or a hand dealt whose turns had not reached the
    // person yet (taken up again from its deal).
    enum class At : std::uint8_t { Move, HandOver, Deal };

    At at = At::Move;
    RuleSet rules;
    std::int32_t playTo = 200;
    Level level = Level::Normal;
    std::optional<Level> nextLevel;
    std::array<std::int32_t, SeatCount> scores{};
    Seat dealer = 0;
    int handsDealt = 0;
    std::uint32_t randomState = 1;
    std::int32_t shuffleCount = 1;
    std::array<Card, CardsInPack> pack{};
    std::int32_t drawn = 0;  // cards of the pack already dealt or drawn
    std::array<CardList, SeatCount> hands;
    Card topCard = NoCard;
    Suit currentSuit = NoSuit;
    Card starter = NoCard;
    bool reversed = false;
    std::int32_t passCount = 0;
    std::vector<TableEvent> history;
    // The person's move made at this table, with the suit its eight named.
    std::optional<TableEvent> pendingMove;
    // What the window showed beside the table: the move log's lines as of this moment,
    // the first of them that tells this hand, and the rows of the score sheet.
    std::vector<std::string> log;
    std::int32_t logHandStart = 0;
    std::vector<HandScore> sheet;
    // How the statistics count the game: their own number for the level and rules it was
    // dealt under (-1 when it is not counted), and whether a hint or a move taken back
    // helped it already, counted once a game.
    std::int32_t countedAs = -1;
    bool hinted = false;
    bool tookBack = false;

    bool operator==(const SavedGame&) const = default;
};

// The text of a saved game, one fact a line, first a line naming the format's version.
std::string WriteSavedGame(const SavedGame& game);

// The game a text holds, or nothing with the reason in `why`: a text from another
// version, cut short or garbled, or a table that cannot be (a card twice or missing, a
// hand larger than the pack, a seat that does not exist, a move that is not legal).
std::optional<SavedGame> ReadSavedGame(std::string_view text, std::string* why = nullptr);

}  // namespace mervane
