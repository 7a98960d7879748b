#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cards/platform_services.h"
#include "game/game_state.h"
#include "game/observer.h"
#include "game/platform.h"
#include "game/saved_game.h"
#include "game/seat_player.h"
#include "game/seat_view.h"
#include "game/settings.h"
#include "game/task.h"

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

// What became of a person's intent. Anything but Taken and Held leaves the game as it
// was; IllegalCard is also told to the observers, with the card, as the move log's reason.
enum class IntentAnswer {
    Taken,
    Held,  // a chain of turns runs: the intent waits for its end or falls at its next pump
    NotYourTurn,
    NoSuchCard,
    IllegalCard,
    PackEmpty,
    NoSuchSuit,
    SuitAsked,    // a suit must be named first
    NoSuitAsked,  // no eight waits for its suit
    NothingToContinue,
};

// One of the person's moves as a value, for the inputs that name a target rather than
// tap a point (the keyboard, the screen reader).
struct TableIntent {
    enum class Kind { PlayCard, Draw, ChooseSuit, Continue };
    Kind kind = Kind::Continue;
    int index = -1;      // PlayCard: the card's place in the hand
    Suit suit = NoSuit;  // ChooseSuit
    static constexpr TableIntent Play(int index) { return {Kind::PlayCard, index, NoSuit}; }
    static constexpr TableIntent Draw() { return {Kind::Draw, -1, NoSuit}; }
    static constexpr TableIntent Name(Suit suit) { return {Kind::ChooseSuit, -1, suit}; }
    static constexpr TableIntent GoOn() { return {Kind::Continue, -1, NoSuit}; }
    bool operator==(const TableIntent&) const = default;
};

// The game flow of the table view: deals, plays the computer seats, takes the human's
// taps and scores. It never draws: every visible step goes through the platform.
class MervaneGame {
  public:
    explicit MervaneGame(GamePlatform& platform) : platform_(platform) {}
    MervaneGame(const MervaneGame&) = delete;
    MervaneGame& operator=(const MervaneGame&) = delete;

    // Read only: the game changes through its operations.
    const GameState& State() const { return state_; }
    // Observers hear of each event in the order they were added; each must outlive the
    // game or be removed first.
    void AddObserver(GameObserver* observer);
    void RemoveObserver(GameObserver* observer);

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
    Seat NextSeat(Seat seat) const;

    // Turns. Each starts the chain of turns that follows it, which runs until the
    // human must tap or the hand is over, pausing where the platform waits.
    void StartHand();
    void DealHand();
    // False, after the message, when five passes in a row abandon the hand.
    Task<bool> CheckDeadRound();
    void EndHand(Seat winner);

    // The person's moves. One made while a chain of turns runs is held: the chain's
    // next pump lets it fall, or it is taken once the chain ends.
    IntentAnswer PlayHandCard(int index);
    IntentAnswer DrawCard();
    IntentAnswer ChooseSuit(Suit suit);
    // Leaves a hand's sheet or the winner screen: the next hand, or a new game.
    IntentAnswer Continue();
    IntentAnswer Act(const TableIntent& intent);
    // A tap in client coordinates of the view, hit-tested into one of the intents.
    void OnTableTap(int x, int y);

    // Who decides for a seat: the person at seat 0 and NormalPolicy elsewhere unless
    // replaced. A replacement must outlive the game or be replaced in turn; nullptr
    // brings back the seat's own player.
    void SetPlayer(Seat seat, SeatPlayer* player);
    // How the computer seats play from the next deal on; the hand under way keeps its own.
    void SetComputerLevel(Level level);
    Level ComputerLevel() const { return level_; }
    // What the seat may know now: its hand, the table, the counts and the hand so far.
    SeatView ViewFor(Seat seat) const;
    // The odds of every move open to the person, from the person's view with the hard
    // level's search, found beside the window's thread; they show in the state's `hint`
    // until the person moves. False when no move is asked for.
    bool AskHint();
    bool CanAskHint() const { return person_.WaitingForMove(); }
    // Takes back the person's last move of this hand and the turns that followed it, to
    // the moment it was asked for; Redo makes it again, and the computer seats, deciding
    // from the table, make theirs again. Neither reaches past the hand's deal or its end.
    bool Undo();
    bool Redo();
    bool CanUndo() const { return !Busy() && !undo_.empty(); }
    bool CanRedo() const { return !Busy() && !redo_.empty() && person_.WaitingForMove(); }
    // Deals the hand under way again: the same cards from the same pack, the scores as
    // they were before it.
    bool RestartDeal();
    // The game under way as it can be taken up again; none between games.
    std::optional<SavedGame> SaveGame();
    // Takes a saved game up again where it was: the person's move (made again when it
    // had been made), a hand's sheet, or a hand to deal. False while turns are under way.
    bool ResumeGame(const SavedGame& saved);
    bool CanRestartDeal() const {
        return !Busy() && deal_ && state_.gameInProgress && !state_.handOver;
    }

    // Commands.
    void NewGame();
    void QuitAndNewGame();
    // The Game Setup's way to restart after a changed target was confirmed.
    void AbandonAndNewGame();
    bool CanUseToolbarNewGame() const { return !state_.gameInProgress && state_.betweenGames; }
    bool CanShowScore() const { return state_.gameInProgress; }
    // Runs `command` now, or once the chain under way has ended, in turn with the taps
    // and commands that came before it.
    void WhenIdle(std::function<void()> command);

    // A chain of turns is under way (paused, or inside a message), not waiting for
    // the person.
    bool Busy() const { return !chain_.Done() && !person_.Waiting(); }
    // Taps and commands waiting for the chain's end.
    std::size_t HeldInputs() const { return held_.size(); }
    int HandsDealt() const { return handsDealt_; }

  private:
    // Tests set up positions (hands, top card, pack order) through this.
    friend struct GameTestAccess;

    enum class Step { Done, Computer, Human, NewHand, HandEnd };
    struct Next {
        Step step = Step::Done;
        Seat seat = 0;
    };
    // What came while a chain ran: a tap, an intent, or a command.
    struct HeldIntent {
        std::function<IntentAnswer()> intent;
    };
    using HeldInput = std::variant<Point, HeldIntent, std::function<void()>>;
    struct Pause;
    struct Message;

    // The chain of turns: started now, resumed by the platform after each pause.
    void StartChain(Next first);
    void StartChain(Task<Next> firstStep);
    void StartChain(Task<Next> firstStep, Next first);
    Task<> RunChain(Task<Next> firstStep, Next next);
    void ResumeChain(std::coroutine_handle<> paused);
    void ChainEnded();
    Pause Sleep(int ms);
    Message ShowMessage(std::string_view text);
    void PumpViewMessages();
    void DropHeldTaps();
    void TakeHeldInput();

    static Next TurnOf(Seat seat);
    Task<Next> NewGameStep();
    Task<Next> StartHandStep();
    Task<Next> ComputerTurnStep(Seat seat);
    Task<Next> HumanTurnStep();
    Task<Next> HumanDraws();
    static const PlayStyle& StyleOf(Seat seat);
    SeatPlayer& PlayerOf(Seat seat) const;
    void TakeNextLevel();
    IntentAnswer Judge(Seat seat, SeatMove move) const;
    IntentAnswer Vet(SeatMove move);
    IntentAnswer HoldOr(std::function<IntentAnswer()> intent);
    IntentAnswer NotAskedForMove() const;
    IntentAnswer Deliver(SeatMove move);
    std::optional<Decision<SeatMove>> SearchBeside(Seat seat);
    Decision<SeatMove> Chosen(Seat seat, std::optional<Decision<SeatMove>>& searched);
    void ShowHint(const MoveSurvey& survey, std::uint64_t viewHash);
    // The whole hand as the person was asked for a move.
    struct Snapshot {
        GameState state;
        std::vector<TableEvent> history;
        Card starter = NoCard;
    };
    // A move of the person's, with the table before it.
    struct TakenMove {
        Snapshot before;
        SeatMove move;
        Suit suit = NoSuit;  // named after an eight
    };
    Snapshot Capture() const;
    void DeliverSuit(Suit suit);
    void ForgetMoves();
    SavedGame Saved(const Snapshot& snapshot, SavedGame::At at) const;
    std::optional<SavedGame> SavedMoment() const;
    void Restore(const Snapshot& snapshot);
    IntentAnswer MakeAgain(SeatMove move, Suit suit);
    void ShowHandPoints();
    // The table, the hands and the game's counts as `saved` has them; no turn starts.
    void Arrange(const SavedGame& saved);
    void UseLevel(Level level);
    void FlushPassRedraws();
    void HumanTableTap(int x, int y);
    void Record(TableEvent event);
    const CardList& HandOf(Seat seat) const;
    // `named` is the suit a computer seat names with an eight; the human taps a box.
    Task<Next> PlayCard(Seat seat, Card card, Suit named);
    Next AfterPlay(Seat seat) const;
    Task<Next> PlayEight(Seat seat, Suit named, PlayStyle style);
    Task<> Reverse(Seat seat, PlayStyle style);
    Task<Next> Skip(Seat seat);
    Task<> DrawTwo(Seat seat, PlayStyle style);
    Task<Next> HumanPasses();
    void SetStatus(Seat seat, std::string_view text);
    void SetCurrentSuit(Suit suit);
    void TakeFromHand(Seat seat, Card card);
    void Play(Seat seat, Card card);
    void UpdateLayoutRect();
    template <class Event>
    void Notify(const Event& event) {
        for (GameObserver* observer : observers_) event(*observer);
    }

    GamePlatform& platform_;
    GameState state_;
    CrtRandom random_;
    std::vector<GameObserver*> observers_;
    int pendingPassRedraws_ = 0;
    int handsDealt_ = 0;
    std::deque<HeldInput> held_;
    PersonPlayer person_;
    NormalPolicy normal_;
    std::array<SeatPlayer*, SeatCount> players_{&person_, &normal_, &normal_, &normal_};
    // The computer seats' level, and one chosen since the hand began: it takes the
    // seats at the next deal. A level's player decides from the view alone, so the
    // three seats share one.
    Level level_ = Level::Normal;
    std::optional<Level> nextLevel_;
    std::unique_ptr<SeatPlayer> levelPlayer_;
    // A computer seat's move searched beside the window's thread; the turn awaits it.
    Inbox<SeatMove> searched_;
    // The view whose hint is being searched for.
    std::optional<std::uint64_t> hintSearch_;
    // The person's moves of this hand, to take back and to make again; the table as the
    // person was last asked for a move; a suit a redo names once it is asked for.
    std::vector<TakenMove> undo_;
    std::vector<TakenMove> redo_;
    std::optional<Snapshot> asked_;
    std::optional<Suit> redoSuit_;
    // The table as the hand under way was shuffled, to deal it again.
    struct DealPoint {
        Snapshot table;
        int handsDealt = 0;
    };
    std::optional<DealPoint> deal_;
    bool dealingAgain_ = false;
    bool redoing_ = false;
    // The hand under way as every seat saw it.
    std::vector<TableEvent> history_;
    Card starter_ = NoCard;
    // Last, so that a chain abandoned mid-pause is destroyed before what it uses.
    Task<> chain_;
};

}  // namespace mervane
