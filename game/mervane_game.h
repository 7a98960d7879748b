#pragma once

#include <string>
#include <string_view>

#include "cards/platform_services.h"
#include "game/game_state.h"
#include "game/observer.h"
#include "game/platform.h"
#include "game/settings.h"

namespace mervane {

// Where a seat's play looks different. The computer's special cards are announced with
// a redraw and a pause so that the human can follow them, even as its last card; the
// human has just made his own move and sees it at the next redraw. The human's eight
// opens the suit boxes; a computer seat names its suit at once.
struct PlayStyle {
    bool announcesSpecials;
    bool choosesSuitByTap;
};
inline constexpr PlayStyle ComputerStyle{.announcesSpecials = true, .choosesSuitByTap = false};
inline constexpr PlayStyle HumanStyle{.announcesSpecials = false, .choosesSuitByTap = true};

// The game flow of the table view: deals, plays the computer seats, takes the human's
// taps and scores. It never draws: every visible step goes through the platform.
class MervaneGame {
public:
    explicit MervaneGame(GamePlatform& platform) : platform_(platform) {}
    MervaneGame(const MervaneGame&) = delete;
    MervaneGame& operator=(const MervaneGame&) = delete;

    // Read only: the game changes through its operations.
    const GameState& State() const { return state_; }
    void SetObserver(GameObserver* observer) { observer_ = observer; }

    // The stored options into the game state and the layout, as start-up reads them;
    // the layout is also fitted to the platform's client rectangle.
    void ApplyLoadedSettings(const GameSettings& settings);
    // The options a settings dialog accepted. A play speed that names none of the
    // three leaves the pause as it was.
    void ApplySettings(const GameSettings& settings);
    // The options as they stand, in the form they are stored in.
    GameSettings Settings() const;

    // Primitives shared by the flow.
    void Redraw();
    void SetSeatStatus(TablePosition position, std::string_view text);
    void ClearStatusLines();
    void RefreshCardCounts();
    bool DrawForSeat(Seat seat);
    void ClearHands();
    void PumpViewMessages();
    Seat NextSeat(Seat seat) const;

    // Turns. Each runs the chain of turns that follows it until the human must tap
    // or the hand is over.
    void StartHand();
    void DealHand();
    void ComputerTurn(Seat seat);
    void HumanTurn();
    // False, after the message, when five passes in a row abandon the hand.
    bool CheckDeadRound();
    void EndHand(Seat winner);

    // Taps, in client coordinates of the view.
    void OnTableTap(int x, int y);
    void HumanTableTap(int x, int y);
    void ChooseSuitTap(int x, int y);

    // Commands.
    void NewGame();
    void QuitAndNewGame();
    // The Game Setup's way to restart after a changed target was confirmed.
    void AbandonAndNewGame();
    bool CanUseToolbarNewGame() const { return !state_.gameInProgress && state_.betweenGames; }
    bool CanShowScore() const { return state_.gameInProgress; }

    // A chain of turns is running (inside a pause, a message or a pump).
    bool Busy() const { return chainDepth_ > 0; }
    // The seat that won the last game, NoSeat while none has.
    Seat GameWinner() const { return state_.gameWinner; }
    int HandsDealt() const { return handsDealt_; }

private:
    // Tests set up positions (hands, top card, pack order) through this.
    friend struct GameTestAccess;

    enum class Step { Done, Computer, Human, NewHand, HandEnd };
    struct Next {
        Step step = Step::Done;
        Seat seat = 0;
    };

    void RunChain(Next first);
    Next TurnOf(Seat seat) const;
    Next StartHandStep();
    Next ComputerTurnStep(Seat seat);
    Next HumanTurnStep();
    static const PlayStyle& StyleOf(Seat seat);
    const CardList& HandOf(Seat seat) const;
    // `named` is the suit a computer seat names with an eight; the human taps a box.
    Next PlayCard(Seat seat, Card card, Suit named);
    Next AfterPlay(Seat seat) const;
    Next PlayEight(Seat seat, Suit named, const PlayStyle& style);
    void Reverse(Seat seat, const PlayStyle& style);
    Next Skip(Seat seat);
    void DrawTwo(Seat seat, const PlayStyle& style);
    Next HumanPasses();
    void SetStatus(Seat seat, std::string_view text);
    void SetCurrentSuit(Suit suit);
    void Play(Seat seat, Card card);
    void UpdateLayoutRect();

    GamePlatform& platform_;
    GameState state_;
    CrtRandom random_;
    GameObserver* observer_ = nullptr;
    int chainDepth_ = 0;
    int pendingPassRedraws_ = 0;
    int handsDealt_ = 0;
};

}  // namespace mervane
