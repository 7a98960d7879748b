#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cards/card.h"
#include "game/game_state.h"
#include "game/observer.h"
#include "game/texts.h"

namespace mervane {

// The lines of the move log in the user's language, each built from a whole sentence
// of the catalogue so that translations may order the words freely.
namespace logtext {

// Who did something: the human has sentences of their own ("You draw", "Player3 draws").
struct Who {
    std::string name;
    bool you = false;
};

// Card names as the log writes them: "Ace", "9 of Hearts".
using text::CardName;
using text::RankName;

std::string Deals(const Who& who, Card starter);
std::string Plays(const Who& who, Card card);
std::string PlaysEight(const Who& who, Card card, Suit named);
std::string DrawsCard(const Who& who);
std::string DrawsForDrawTwo(const Who& who, int count);
std::string Skipped(const Who& who);
std::string Direction(bool reversed);
std::string Passes(const Who& who);
std::string WinsHand(const Who& who, int points);
std::string DeadRound();
std::string WinsGame(const Who& who);
// Why the card may not go on the pile, and what may; `canDraw` while the pack holds cards.
std::string Refused(Card card, Card topCard, Suit currentSuit, bool canDraw);

}  // namespace logtext

// Told of each line the log writes.
class MoveLogListener {
  public:
    virtual void LineAdded(const std::string& line) = 0;
    // The log was emptied by a new game, or went back to lines it had before (a move
    // taken back, a deal restarted, a game taken up): these are all its lines now, told
    // as they stand rather than as news.
    virtual void Refilled(const std::vector<std::string>& lines) = 0;

  protected:
    ~MoveLogListener() = default;
};

// The game's events as lines in words, one per visible move, kept for the game under
// way. Names come from the state, which must outlive the log.
class MoveLog final : public GameObserver {
  public:
    explicit MoveLog(const GameState& state) : state_(state) {}

    const std::vector<std::string>& Lines() const { return lines_; }
    // One listener, or none with nullptr; it must outlive the log or be unset first.
    void SetListener(MoveLogListener* listener) { listener_ = listener; }

    void HandDealt(int handNumber, Seat dealer, Card starter) override;
    void CardPlayed(Seat seat, Card card) override;
    void SuitNamed(Suit suit) override;
    void CardDrawn(Seat seat, Card card) override;
    void HandEnded(Seat winner, const std::array<std::int32_t, SeatCount>& scores) override;
    void DeadRound() override;
    void GameOver(Seat winner) override;
    void GameStarted() override;
    void SeatSkipped(Seat seat) override;
    void DirectionChanged(bool reversed) override;
    void DrawTwoTaken(Seat seat, int count) override;
    void SeatPassed(Seat seat) override;
    void TapRefused(Card card, Card topCard, Suit currentSuit) override;
    void PersonAsked() override;
    void MovesTakenBack(std::size_t movesLeft) override;
    void DealRestarted() override;
    void SavingGame(SavedGame& saved) override;
    void GameResumed(const SavedGame& saved) override;

  private:
    logtext::Who WhoIs(Seat seat) const;
    void Add(std::string line);
    // An eight waits for the suit it names, to be told in one line; anything else that
    // happens first tells it without one.
    void TellPendingEight();
    // Back to the first `count` lines, told to the listener afresh.
    void KeepLines(std::size_t count);

    const GameState& state_;
    std::vector<std::string> lines_;
    MoveLogListener* listener_ = nullptr;
    Seat eightSeat_ = NoSeat;
    Card eight_ = NoCard;
    // The lines before this hand's deal, and before each of the person's moves in it.
    std::size_t handStart_ = 0;
    std::vector<std::size_t> moveStarts_;
    // The draws that a Draw Two line has told already.
    int drawsTold_ = 0;
};

}  // namespace mervane
