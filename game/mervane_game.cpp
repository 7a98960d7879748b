#include "game/mervane_game.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include "cards/rules.h"
#include "game/texts.h"
#include "game/timings.h"

namespace mervane {

void MervaneGame::AddObserver(GameObserver* observer) {
    observers_.push_back(observer);
}

void MervaneGame::RemoveObserver(GameObserver* observer) {
    std::erase(observers_, observer);
}

void MervaneGame::ApplyLoadedSettings(const GameSettings& settings) {
    ApplySettings(settings);
    UpdateLayoutRect();
}

void MervaneGame::ApplySettings(const GameSettings& settings) {
    state_.playerNames = settings.playerNames;
    state_.playTo = settings.playTo;
    state_.table.cardBackId = settings.cardBackId;
    state_.table.tableColor = static_cast<Color>(settings.tableColor);
    state_.trainingMode = settings.trainingMode;
    state_.rules = settings.rules;
    if (const auto delay = DelayForSpeed(settings.playSpeed)) state_.computerDelayMs = *delay;
    SetComputerLevel(settings.level);
}

void MervaneGame::SetComputerLevel(Level level) {
    if (level != nextLevel_.value_or(level_)) nextLevel_ = level;
}

GameSettings MervaneGame::Settings() const {
    GameSettings values;
    values.playerNames = state_.playerNames;
    values.playTo = state_.playTo;
    values.playSpeed = SpeedForDelay(state_.computerDelayMs);
    values.tableColor = static_cast<std::int32_t>(state_.table.tableColor);
    values.cardBackId = state_.table.cardBackId;
    values.trainingMode = state_.trainingMode;
    values.rules = state_.rules;
    values.level = nextLevel_.value_or(level_);
    return values;
}

// --- primitives ---

void MervaneGame::Redraw() {
    platform_.Redraw();
}

void MervaneGame::SetSeatStatus(TablePosition position, std::string_view text) {
    SetStatus(SeatAtPosition(position), text);
    Redraw();
}

void MervaneGame::SetStatus(Seat seat, std::string_view text) {
    if (seat < 0 || seat >= SeatCount) return;
    auto& line = state_.statusText[static_cast<std::size_t>(seat)];
    if (line == text) return;
    line = text;
    Notify([&](GameObserver& o) { o.StatusChanged(seat, text); });
}

void MervaneGame::ClearStatusLines() {
    for (Seat seat = 0; seat < SeatCount; ++seat) SetStatus(seat, "");
}

void MervaneGame::RefreshCardCounts() {
    for (Seat seat = 0; seat < SeatCount; ++seat)
        state_.table.SetHandSize(PositionOfSeat(seat),
                                 state_.hands[static_cast<std::size_t>(seat)].Count());
}

bool MervaneGame::DrawForSeat(Seat seat) {
    const Card card = state_.deck.Draw();
    if (card == NoCard) return false;
    state_.hands[static_cast<std::size_t>(seat)].Add(card);
    Record({.kind = TableEvent::Kind::Draw, .seat = seat});
    Notify([&](GameObserver& o) { o.CardDrawn(seat, card); });
    RefreshCardCounts();
    return true;
}

void MervaneGame::ClearHands() {
    ClearStatusLines();
    for (auto& hand : state_.hands) hand.Clear();
    // Keeps the renderer's counts in step with the emptied hands for this paint.
    RefreshCardCounts();
    Redraw();
}

Seat MervaneGame::NextSeat(Seat seat) const {
    const bool reversed = state_.reversed && state_.rules.advanced;
    return reversed ? (seat + SeatCount - 1) % SeatCount : (seat + 1) % SeatCount;
}

// --- the chain of turns ---

// The game's wait for one pause: the chain suspends unless the platform is done at once.
struct MervaneGame::Pause {
    MervaneGame& game;
    int ms;

    bool await_ready() const noexcept { return false; }
    bool await_suspend(std::coroutine_handle<> paused) {
        return game.platform_.Sleep(ms, [&game = game, paused] { game.ResumeChain(paused); });
    }
    void await_resume() const noexcept {}
};

MervaneGame::Pause MervaneGame::Sleep(int ms) {
    return {*this, ms};
}

// A message is waited on as a pause is: no event loop runs inside the chain.
struct MervaneGame::Message {
    MervaneGame& game;
    std::string_view text;

    bool await_ready() const noexcept { return false; }
    bool await_suspend(std::coroutine_handle<> paused) {
        return game.platform_.ShowMessage(text,
                                          [&game = game, paused] { game.ResumeChain(paused); });
    }
    void await_resume() const noexcept {}
};

MervaneGame::Message MervaneGame::ShowMessage(std::string_view text) {
    return {*this, text};
}

// A chain never starts inside another: taps and commands that come meanwhile are held.
void MervaneGame::StartChain(Next first) {
    StartChain(Task<Next>{}, first);
}
void MervaneGame::StartChain(Task<Next> first) {
    StartChain(std::move(first), {});
}

void MervaneGame::StartChain(Task<Next> firstStep, Next first) {
    if (Busy()) return;
    // A chain waiting for the person is replaced: its frames go with it.
    person_.Forget();
    state_.hint.reset();
    chain_ = RunChain(std::move(firstStep), first);
    ResumeChain({});
}

// Turns follow one another in a loop rather than by nested calls, so a long session
// never deepens the stack. A computer seat's pass redraws only once the chain after it
// is done, as the nested form would on its way back. The chain opens with `firstStep`
// when there is one, else with `next`.
Task<> MervaneGame::RunChain(Task<Next> firstStep, Next next) {
    if (!firstStep.Done()) next = co_await std::move(firstStep);
    while (next.step != Step::Done) {
        switch (next.step) {
            case Step::Computer: next = co_await ComputerTurnStep(next.seat); break;
            case Step::Human: next = co_await HumanTurnStep(); break;
            case Step::NewHand: next = co_await StartHandStep(); break;
            case Step::HandEnd:
                EndHand(next.seat);
                next = {};
                break;
            case Step::Done: break;
        }
    }
    FlushPassRedraws();
}

// `paused` is the innermost step waiting on a pause; empty to start the chain.
void MervaneGame::ResumeChain(std::coroutine_handle<> paused) {
    if (paused)
        paused.resume();
    else
        chain_.Start();
    if (chain_.Done()) {
        ChainEnded();
        return;
    }
    if (!person_.Waiting()) return;
    // A redo names the suit the move named, as soon as it is asked for.
    if (person_.WaitingForSuit() && redoSuit_) {
        DeliverSuit(*std::exchange(redoSuit_, std::nullopt));
        return;
    }
    if (person_.WaitingForMove()) asked_ = Capture();
    Notify([](GameObserver& o) { o.PersonAsked(); });
    TakeHeldInput();
}

void MervaneGame::ChainEnded() {
    const Task<> ended = std::move(chain_);
    ended.RethrowIfFailed();
    TakeHeldInput();
}

// What waited runs in the order it came until something starts a new chain; the rest
// waits for that one.
void MervaneGame::TakeHeldInput() {
    while (!held_.empty() && !Busy()) {
        HeldInput input = std::move(held_.front());
        held_.pop_front();
        if (const Point* tap = std::get_if<Point>(&input))
            OnTableTap(tap->x, tap->y);
        else if (const HeldIntent* intent = std::get_if<HeldIntent>(&input))
            intent->intent();
        else
            std::get<std::function<void()>>(input)();
    }
}

void MervaneGame::WhenIdle(std::function<void()> command) {
    if (Busy()) {
        held_.emplace_back(std::move(command));
        return;
    }
    command();
}

// The taps made so far reach the game while its human's turn is closed: they fall.
void MervaneGame::PumpViewMessages() {
    platform_.PumpViewMessages();
    DropHeldTaps();
}

void MervaneGame::DropHeldTaps() {
    if (held_.empty()) return;  // nearly always, and then cheaper than a pass
    std::erase_if(held_, [](const HeldInput& input) {
        return !std::holds_alternative<std::function<void()>>(input);
    });
}

MervaneGame::Next MervaneGame::TurnOf(Seat seat) {
    if (seat == HumanSeat) return {Step::Human, HumanSeat};
    return {Step::Computer, seat};
}

void MervaneGame::StartHand() {
    StartChain(Next{Step::NewHand, 0});
}

Task<MervaneGame::Next> MervaneGame::StartHandStep() {
    state_.showSplash = false;
    state_.passCount = 0;
    state_.choosingSuit = false;
    state_.reversed = false;
    history_.clear();
    ForgetMoves();
    if (!std::exchange(dealingAgain_, false)) {
        state_.deck.Shuffle(platform_, random_, platform_);
        deal_ = DealPoint{Capture(), handsDealt_};
    }
    ClearHands();
    DealHand();
    state_.dealer = state_.dealer + 1 > 3 ? 0 : state_.dealer + 1;
    Notify([&](GameObserver& o) { o.HandDealt(handsDealt_, state_.dealer, state_.topCard); });
    SetSeatStatus(PositionOfSeat(state_.dealer), text::Dealing);
    co_await Sleep(DealingPauseMs);
    ClearStatusLines();
    Redraw();
    co_await Sleep(DealtPauseMs);
    state_.gameInProgress = true;
    state_.betweenGames = false;
    co_return TurnOf((state_.dealer + 1) % SeatCount);
}

void MervaneGame::DealHand() {
    TakeNextLevel();
    state_.showHandScore = false;
    for (auto position : {Bottom, Top, Left, Right}) state_.table.SetHandSize(position, 5);
    for (auto& hand : state_.hands) hand.SetCapacity(CardsInPack);
    const int perSeat = state_.rules.sevenCards ? 7 : 5;
    for (int round = 0; round < perSeat; ++round) {
        for (auto& hand : state_.hands) hand.Add(state_.deck.Draw());
    }
    for (auto& hand : state_.hands) hand.Sort(true, false);
    state_.topCard = state_.deck.Draw();
    starter_ = state_.topCard;
    state_.currentSuit = SuitOf(state_.topCard);
    RefreshCardCounts();
    ++handsDealt_;
}

Task<bool> MervaneGame::CheckDeadRound() {
    if (state_.passCount < 5) co_return true;
    co_await ShowMessage(text::DeadRound);
    Notify([&](GameObserver& o) { o.DeadRound(); });
    co_return false;
}

Task<MervaneGame::Next> MervaneGame::ComputerTurnStep(Seat seat) {
    const TablePosition position = PositionOfSeat(seat);
    state_.humanTurn = false;
    if (!co_await CheckDeadRound()) co_return Next{Step::NewHand, 0};
    SetSeatStatus(position, text::Thinking);
    // A seat that searches long does so inside the pause.
    auto searched = SearchBeside(seat);
    co_await Sleep(state_.computerDelayMs);
    PumpViewMessages();
    SeatMove move = co_await Chosen(seat, searched);
    while (move.IsDraw()) {
        if (!DrawForSeat(seat)) {
            ++state_.passCount;
            Record({.kind = TableEvent::Kind::Pass, .seat = seat});
            SetStatus(seat, text::Pass);
            Notify([&](GameObserver& o) { o.SeatPassed(seat); });
            ++pendingPassRedraws_;
            co_return TurnOf(NextSeat(seat));
        }
        SetSeatStatus(position, text::DrawOne);
        co_await Sleep(state_.computerDelayMs);
        SetStatus(seat, text::Thinking);
        Redraw();
        searched = SearchBeside(seat);
        co_await Sleep(state_.computerDelayMs);
        move = co_await Chosen(seat, searched);
    }
    if (Judge(seat, move) != IntentAnswer::Taken)
        throw std::logic_error("a computer seat chose a card it may not play");
    TakeFromHand(seat, move.card);
    co_return co_await PlayCard(seat, move.card, move.named);
}

std::optional<Decision<SeatMove>> MervaneGame::SearchBeside(Seat seat) {
    auto search = PlayerOf(seat).MoveSearch();
    if (!search) return std::nullopt;
    struct Job {
        SeatView view;
        SeatMove move;
    };
    auto job = std::make_shared<Job>(Job{ViewFor(seat), {}});
    platform_.RunBeside([job, search = std::move(search)] { job->move = search(job->view); },
                        [this, job] {
                            if (auto turn = searched_.Deliver(job->move)) ResumeChain(turn);
                        });
    return Decision<SeatMove>(searched_);
}

Decision<SeatMove> MervaneGame::Chosen(Seat seat, std::optional<Decision<SeatMove>>& searched) {
    if (searched) return *std::exchange(searched, std::nullopt);
    return PlayerOf(seat).ChooseMove(ViewFor(seat));
}

bool MervaneGame::AskHint() {
    if (!CanAskHint()) return false;
    SeatView view = ViewFor(HumanSeat);
    const std::uint64_t viewHash = HashView(view);
    if (state_.hint || hintSearch_ == viewHash) return true;
    hintSearch_ = viewHash;
    struct Job {
        SeatView view;
        MoveSurvey survey;
    };
    auto job = std::make_shared<Job>(Job{std::move(view), {}});
    platform_.RunBeside([job] { job->survey = SurveyMoves(job->view); },
                        [this, job, viewHash] { ShowHint(job->survey, viewHash); });
    return true;
}

// Odds found for a table that has since moved on are let fall.
void MervaneGame::ShowHint(const MoveSurvey& survey, std::uint64_t viewHash) {
    if (hintSearch_ == viewHash) hintSearch_.reset();
    if (!person_.WaitingForMove() || HashView(ViewFor(HumanSeat)) != viewHash) return;
    state_.hint = survey;
    Notify([](GameObserver& o) { o.HintShown(); });
    Redraw();
}

void MervaneGame::TakeFromHand(Seat seat, Card card) {
    auto& hand = state_.hands[static_cast<std::size_t>(seat)];
    const auto at = std::find(hand.begin(), hand.end(), card);
    const auto index = static_cast<int>(at - hand.begin());
    Notify([&](GameObserver& o) { o.CardLeftHand(seat, card, index); });
    hand.Remove(card);
}

void MervaneGame::Play(Seat seat, Card card) {
    state_.passCount = 0;
    state_.topCard = card;
    RefreshCardCounts();
    Record({.kind = TableEvent::Kind::Play, .seat = seat, .card = card});
    Notify([&](GameObserver& o) { o.CardPlayed(seat, card); });
}

void MervaneGame::SetCurrentSuit(Suit suit) {
    state_.currentSuit = suit;
    Notify([&](GameObserver& o) { o.SuitNamed(suit); });
}

// --- one way to play a card ---

const PlayStyle& MervaneGame::StyleOf(Seat seat) {
    return seat == HumanSeat ? HumanStyle : ComputerStyle;
}

const CardList& MervaneGame::HandOf(Seat seat) const {
    return state_.hands[static_cast<std::size_t>(seat)];
}

// A level chosen during a hand takes the computer seats as the next one is dealt.
void MervaneGame::TakeNextLevel() {
    if (nextLevel_) UseLevel(*std::exchange(nextLevel_, std::nullopt));
}

void MervaneGame::UseLevel(Level level) {
    level_ = level;
    levelPlayer_ = level_ == Level::Normal ? nullptr : MakeComputerPlayer(level_);
    SeatPlayer* player = levelPlayer_ ? levelPlayer_.get() : &normal_;
    for (Seat seat = LeftSeat; seat < SeatCount; ++seat)
        players_[static_cast<std::size_t>(seat)] = player;
}

SeatPlayer& MervaneGame::PlayerOf(Seat seat) const {
    return *players_[static_cast<std::size_t>(seat)];
}

void MervaneGame::SetPlayer(Seat seat, SeatPlayer* player) {
    if (seat < 0 || seat >= SeatCount) return;
    SeatPlayer* own = seat == HumanSeat ? static_cast<SeatPlayer*>(&person_) : &normal_;
    players_[static_cast<std::size_t>(seat)] = player ? player : own;
}

SeatView MervaneGame::ViewFor(Seat seat) const {
    SeatView view;
    view.seat = seat;
    view.hand = HandOf(seat);
    view.starter = starter_;
    view.topCard = state_.topCard;
    view.currentSuit = state_.currentSuit;
    for (Seat s = 0; s < SeatCount; ++s)
        view.handCounts[static_cast<std::size_t>(s)] = HandOf(s).Count();
    view.packCount = state_.deck.Remaining();
    view.scores = state_.scores;
    view.playTo = state_.playTo;
    view.rules = state_.rules;
    view.reversed = state_.reversed;
    view.dealer = state_.dealer;
    view.passCount = state_.passCount;
    view.history = history_;
    return view;
}

void MervaneGame::Record(TableEvent event) {
    history_.push_back(event);
}

// Whether the seat may make the move now; changes nothing.
IntentAnswer MervaneGame::Judge(Seat seat, SeatMove move) const {
    if (move.IsDraw()) return state_.deck.Empty() ? IntentAnswer::PackEmpty : IntentAnswer::Taken;
    if (!HandOf(seat).Contains(move.card)) return IntentAnswer::NoSuchCard;
    if (!IsLegalPlay(move.card, state_.topCard, state_.currentSuit))
        return IntentAnswer::IllegalCard;
    return IntentAnswer::Taken;
}

// Judges the person's move; a card that may not be played is told to the observers.
IntentAnswer MervaneGame::Vet(SeatMove move) {
    const IntentAnswer answer = Judge(HumanSeat, move);
    if (answer == IntentAnswer::IllegalCard)
        Notify(
            [&](GameObserver& o) { o.TapRefused(move.card, state_.topCard, state_.currentSuit); });
    return answer;
}

// The card has left the seat's hand; it becomes the top card and takes effect.
Task<MervaneGame::Next> MervaneGame::PlayCard(Seat seat, Card card, Suit named) {
    const PlayStyle style = StyleOf(seat);
    Play(seat, card);
    if (IsEight(card)) co_return co_await PlayEight(seat, named, style);
    state_.currentSuit = SuitOf(card);
    SetStatus(seat, "");
    if (state_.rules.advanced) {
        switch (RankOf(card)) {
            case Ace: co_await Reverse(seat, style); break;
            case Queen: co_return co_await Skip(seat);
            case Two: co_await DrawTwo(seat, style); break;
            default: break;
        }
    }
    Redraw();
    co_return AfterPlay(seat);
}

MervaneGame::Next MervaneGame::AfterPlay(Seat seat) const {
    if (HandOf(seat).Empty()) return {Step::HandEnd, seat};
    return TurnOf(NextSeat(seat));
}

// An eight that empties the hand wins it before any suit is named. The person's seat
// shows the suit boxes while it chooses.
Task<MervaneGame::Next> MervaneGame::PlayEight(Seat seat, Suit named, PlayStyle style) {
    if (style.choosesSuitByTap) {
        if (HandOf(seat).Empty()) co_return Next{Step::HandEnd, seat};
        state_.choosingSuit = true;
        SetStatus(seat, text::ChooseSuit);
        Redraw();
        FlushPassRedraws();
    }
    if (named == NoSuit) named = co_await PlayerOf(seat).ChooseSuit(ViewFor(seat));
    state_.choosingSuit = false;
    history_.back().named = named;
    SetCurrentSuit(named);
    SetStatus(seat, SuitName(named));
    Redraw();
    co_return AfterPlay(seat);
}

Task<> MervaneGame::Reverse(Seat seat, PlayStyle style) {
    state_.reversed = !state_.reversed;
    Notify([&](GameObserver& o) { o.DirectionChanged(state_.reversed); });
    SetStatus(seat, text::Reverse);
    if (!style.announcesSpecials) co_return;
    Redraw();
    co_await Sleep(SpecialCardPauseMs);
}

// The seat opposite is the one after next in either direction.
Task<MervaneGame::Next> MervaneGame::Skip(Seat seat) {
    ClearStatusLines();
    SetStatus(seat, text::Skip);
    // A Queen that empties the hand ends it: nobody is passed over.
    if (!HandOf(seat).Empty()) Notify([&](GameObserver& o) { o.SeatSkipped(NextSeat(seat)); });
    Redraw();
    co_await Sleep(SpecialCardPauseMs);
    if (HandOf(seat).Empty()) co_return Next{Step::HandEnd, seat};
    co_return TurnOf(OppositeSeat(seat));
}

// A Two that empties the hand makes nobody draw.
Task<> MervaneGame::DrawTwo(Seat seat, PlayStyle style) {
    const bool last = HandOf(seat).Empty();
    if (!last || style.announcesSpecials) SetStatus(seat, text::DrawTwo);
    if (style.announcesSpecials) {
        Redraw();
        co_await Sleep(SpecialCardPauseMs);
    }
    if (last) co_return;
    const Seat drawer = NextSeat(seat);
    const int count = std::min(2, static_cast<int>(state_.deck.Remaining()));
    Notify([&](GameObserver& o) { o.DrawTwoTaken(drawer, count); });
    // A draw from a used-up pack is simply skipped: it is no pass.
    DrawForSeat(drawer);
    DrawForSeat(drawer);
}

Task<MervaneGame::Next> MervaneGame::HumanTurnStep() {
    if (!co_await CheckDeadRound()) co_return Next{Step::NewHand, 0};
    const bool canPlay = HasLegalPlay(state_.hands[0], RankOf(state_.topCard), state_.currentSuit);
    if (state_.deck.Empty() && !canPlay) co_return co_await HumanPasses();
    state_.humanTurn = true;
    SetStatus(HumanSeat, text::YourMove);
    Redraw();
    FlushPassRedraws();
    for (;;) {
        const SeatMove move = co_await PlayerOf(HumanSeat).ChooseMove(ViewFor(HumanSeat));
        if (Vet(move) != IntentAnswer::Taken) continue;
        if (!move.IsDraw()) {
            TakeFromHand(HumanSeat, move.card);
            co_return co_await PlayCard(HumanSeat, move.card, move.named);
        }
        // A draw keeps the turn open while there is more to draw or a card to play.
        DrawForSeat(HumanSeat);
        if (state_.deck.Empty() &&
            !HasLegalPlay(state_.hands[0], RankOf(state_.topCard), state_.currentSuit))
            co_return co_await HumanPasses();
        Redraw();
    }
}

// A computer seat's pass is painted once the person is asked, or the chain is done.
void MervaneGame::FlushPassRedraws() {
    for (; pendingPassRedraws_ > 0; --pendingPassRedraws_) Redraw();
}

Task<MervaneGame::Next> MervaneGame::HumanPasses() {
    ++state_.passCount;
    Record({.kind = TableEvent::Kind::Pass, .seat = HumanSeat});
    SetStatus(HumanSeat, text::Pass);
    Notify([&](GameObserver& o) { o.SeatPassed(HumanSeat); });
    Redraw();
    co_await Sleep(HumanPassPauseMs);
    co_return TurnOf(NextSeat(HumanSeat));
}

// Each seat's status line shows the points left in its hand, as the sheet does.
void MervaneGame::ShowHandPoints() {
    for (Seat seat = 0; seat < SeatCount; ++seat)
        SetStatus(seat, std::to_string(HandPoints(HandOf(seat))));
}

void MervaneGame::EndHand(Seat winner) {
    ForgetMoves();
    ShowHandPoints();
    state_.handOver = true;
    state_.showHandScore = true;
    auto& score = state_.scores[static_cast<std::size_t>(winner)];
    for (Seat seat = 0; seat < SeatCount; ++seat) {
        if (seat != winner) score += HandPoints(state_.hands[static_cast<std::size_t>(seat)]);
    }
    Notify([&](GameObserver& o) { o.HandEnded(winner, state_.scores); });
    if (score >= state_.playTo) {
        state_.gameInProgress = false;
        state_.betweenGames = true;
        state_.gameWinner = winner;
        Notify([&](GameObserver& o) { o.GameOver(winner); });
    }
    Redraw();
    // The sheet now shown waits for a tap made after it appeared: one made while the
    // last turns played out must not skip it.
    platform_.DropQueuedTaps();
    DropHeldTaps();
}

// --- the person's intents ---

// Holds the intent while a chain runs; else answers it now.
IntentAnswer MervaneGame::HoldOr(std::function<IntentAnswer()> intent) {
    if (Busy()) {
        held_.emplace_back(HeldIntent{std::move(intent)});
        return IntentAnswer::Held;
    }
    return intent();
}

IntentAnswer MervaneGame::NotAskedForMove() const {
    return person_.WaitingForSuit() ? IntentAnswer::SuitAsked : IntentAnswer::NotYourTurn;
}

IntentAnswer MervaneGame::Deliver(SeatMove move) {
    if (!person_.WaitingForMove()) return NotAskedForMove();
    const IntentAnswer answer = Vet(move);
    if (answer != IntentAnswer::Taken) return answer;
    state_.hint.reset();
    if (asked_) undo_.push_back({*std::exchange(asked_, std::nullopt), move});
    if (!std::exchange(redoing_, false)) redo_.clear();
    ResumeChain(person_.Deliver(move));
    return IntentAnswer::Taken;
}

MervaneGame::Snapshot MervaneGame::Capture() const {
    Snapshot snapshot{state_, history_, starter_};
    snapshot.state.hint.reset();
    return snapshot;
}

void MervaneGame::DeliverSuit(Suit suit) {
    if (!undo_.empty()) undo_.back().suit = suit;
    ResumeChain(person_.Deliver(suit));
}

void MervaneGame::ForgetMoves() {
    undo_.clear();
    redo_.clear();
    asked_.reset();
    redoSuit_.reset();
}

// Back to a table kept earlier; the options chosen since stay in force.
void MervaneGame::Restore(const Snapshot& snapshot) {
    GameState table = snapshot.state;
    table.playerNames = std::move(state_.playerNames);
    table.trainingMode = state_.trainingMode;
    table.rules = state_.rules;
    table.computerDelayMs = state_.computerDelayMs;
    table.playTo = state_.playTo;
    state_ = std::move(table);
    history_ = snapshot.history;
    starter_ = snapshot.starter;
}

bool MervaneGame::Undo() {
    if (!CanUndo()) return false;
    TakenMove taken = std::move(undo_.back());
    undo_.pop_back();
    Restore(taken.before);
    redo_.push_back(std::move(taken));
    redoSuit_.reset();
    Notify([&](GameObserver& o) { o.MovesTakenBack(undo_.size()); });
    StartChain(Next{Step::Human, HumanSeat});
    return true;
}

bool MervaneGame::RestartDeal() {
    if (!CanRestartDeal()) return false;
    Restore(deal_->table);
    handsDealt_ = deal_->handsDealt;
    dealingAgain_ = true;
    Notify([](GameObserver& o) { o.DealRestarted(); });
    StartChain(Next{Step::NewHand, 0});
    return true;
}

SavedGame MervaneGame::Saved(const Snapshot& snapshot, SavedGame::At at) const {
    const GameState& s = snapshot.state;
    SavedGame saved;
    saved.at = at;
    // The options in force now, which a moment kept earlier may not have had.
    saved.rules = state_.rules;
    saved.playTo = state_.playTo;
    saved.level = level_;
    saved.nextLevel = nextLevel_;
    saved.scores = s.scores;
    saved.dealer = s.dealer;
    saved.handsDealt = handsDealt_;
    saved.randomState = random_.State();
    saved.shuffleCount = s.deck.ShuffleCount();
    saved.pack = s.deck.Cards();
    saved.drawn = s.deck.DrawPos();
    if (at != SavedGame::At::Deal) {
        saved.hands = s.hands;
        saved.topCard = s.topCard;
        saved.currentSuit = s.currentSuit;
        saved.starter = snapshot.starter;
        saved.reversed = s.reversed;
        saved.passCount = s.passCount;
        saved.history = snapshot.history;
    } else {
        saved.currentSuit = Spades;
    }
    return saved;
}

// The last moment the game can be taken up again from: the sheet shown, the move asked,
// the move asked and made while the turns after it run, or the deal. The observers add
// what they keep as of that moment.
std::optional<SavedGame> MervaneGame::SaveGame() {
    std::optional<SavedGame> saved = SavedMoment();
    if (saved) Notify([&](GameObserver& o) { o.SavingGame(*saved); });
    return saved;
}

std::optional<SavedGame> MervaneGame::SavedMoment() const {
    if (!state_.gameInProgress) return std::nullopt;
    if (state_.handOver) return Saved(Capture(), SavedGame::At::HandOver);
    if (person_.WaitingForMove() && asked_) return Saved(*asked_, SavedGame::At::Move);
    if (!undo_.empty()) {
        const TakenMove& last = undo_.back();
        SavedGame saved = Saved(last.before, SavedGame::At::Move);
        saved.pendingMove =
            last.move.IsDraw()
                ? TableEvent{TableEvent::Kind::Draw, HumanSeat}
                : TableEvent{TableEvent::Kind::Play, HumanSeat, last.move.card,
                             last.move.named != NoSuit ? last.move.named : last.suit};
        return saved;
    }
    if (deal_) {
        SavedGame saved = Saved(deal_->table, SavedGame::At::Deal);
        saved.handsDealt = deal_->handsDealt;
        return saved;
    }
    return std::nullopt;
}

namespace {

// The hand under way as it was shuffled: the pack is not shuffled again within a hand,
// so its order and the generator are as they were then.
SavedGame DealOf(const SavedGame& saved) {
    SavedGame deal = saved;
    deal.at = SavedGame::At::Deal;
    deal.dealer = (saved.dealer + SeatCount - 1) % SeatCount;
    deal.handsDealt = saved.handsDealt - 1;
    deal.drawn = 0;
    deal.hands = {};
    deal.topCard = deal.starter = NoCard;
    deal.currentSuit = Spades;
    deal.reversed = false;
    deal.passCount = 0;
    deal.history.clear();
    deal.pendingMove.reset();
    return deal;
}

}  // namespace

void MervaneGame::Arrange(const SavedGame& saved) {
    state_.rules = saved.rules;
    state_.playTo = saved.playTo;
    state_.scores = saved.scores;
    state_.dealer = saved.dealer;
    state_.hands = saved.hands;
    state_.deck.Arrange(saved.pack, saved.drawn);
    state_.deck.SetShuffleCount(saved.shuffleCount);
    state_.topCard = saved.topCard;
    state_.currentSuit = saved.currentSuit;
    state_.passCount = saved.passCount;
    state_.reversed = saved.reversed;
    state_.gameInProgress = true;
    state_.betweenGames = false;
    state_.showSplash = false;
    state_.humanTurn = state_.choosingSuit = false;
    state_.handOver = state_.showHandScore = saved.at == SavedGame::At::HandOver;
    state_.gameWinner = NoSeat;
    history_ = saved.history;
    starter_ = saved.starter;
    handsDealt_ = saved.handsDealt;
    random_.Seed(saved.randomState);
    ClearStatusLines();
    RefreshCardCounts();
}

bool MervaneGame::ResumeGame(const SavedGame& saved) {
    if (Busy()) return false;
    ForgetMoves();
    deal_.reset();
    // The deal first, so that the hand can be dealt again from it.
    if (saved.at != SavedGame::At::HandOver) {
        Arrange(saved.at == SavedGame::At::Deal ? saved : DealOf(saved));
        deal_ = DealPoint{Capture(), handsDealt_};
    }
    Arrange(saved);
    UseLevel(saved.level);
    nextLevel_ = saved.nextLevel;
    Notify([&](GameObserver& o) { o.GameResumed(saved); });
    switch (saved.at) {
        case SavedGame::At::Deal:
            // The hand is dealt at the saved level, before its first pause; a level chosen
            // during it waits for the next deal as it did.
            nextLevel_.reset();
            dealingAgain_ = true;
            StartChain(Next{Step::NewHand, 0});
            if (saved.nextLevel) nextLevel_ = saved.nextLevel;
            break;
        case SavedGame::At::HandOver:
            ShowHandPoints();
            Redraw();
            break;
        case SavedGame::At::Move:
            StartChain(Next{Step::Human, HumanSeat});
            if (const auto& move = saved.pendingMove) {
                const bool draw = move->kind == TableEvent::Kind::Draw;
                const bool eight = !draw && IsEight(move->card);
                MakeAgain(draw ? SeatMove::Draw() : SeatMove::Play(move->card),
                          eight ? move->named : NoSuit);
            }
            break;
    }
    return true;
}

// The person's move made again, with the suit an eight named once it is asked for.
IntentAnswer MervaneGame::MakeAgain(SeatMove move, Suit suit) {
    if (suit != NoSuit) redoSuit_ = suit;
    redoing_ = true;
    return Deliver(move);
}

bool MervaneGame::Redo() {
    if (!CanRedo()) return false;
    TakenMove taken = std::move(redo_.back());
    redo_.pop_back();
    if (MakeAgain(taken.move, taken.suit) == IntentAnswer::Taken) return true;
    // The table is not the one the move was made at: nothing more to make again.
    redoing_ = false;
    redoSuit_.reset();
    redo_.clear();
    return false;
}

IntentAnswer MervaneGame::PlayHandCard(int index) {
    return HoldOr([this, index] {
        const CardList& hand = HandOf(HumanSeat);
        if (person_.WaitingForMove() && (index < 0 || index >= hand.Count()))
            return IntentAnswer::NoSuchCard;
        return Deliver(SeatMove::Play(hand.At(index)));
    });
}

IntentAnswer MervaneGame::DrawCard() {
    return HoldOr([this] { return Deliver(SeatMove::Draw()); });
}

IntentAnswer MervaneGame::ChooseSuit(Suit suit) {
    return HoldOr([this, suit] {
        if (!person_.WaitingForSuit())
            return person_.WaitingForMove() ? IntentAnswer::NoSuitAsked : IntentAnswer::NotYourTurn;
        if (suit < Spades || suit > Clubs) return IntentAnswer::NoSuchSuit;
        DeliverSuit(suit);
        return IntentAnswer::Taken;
    });
}

IntentAnswer MervaneGame::Continue() {
    return HoldOr([this] {
        if (!state_.handOver) return IntentAnswer::NothingToContinue;
        state_.handOver = false;
        state_.showHandScore = false;
        if (state_.gameInProgress) {
            StartHand();
        } else {
            NewGame();
        }
        return IntentAnswer::Taken;
    });
}

void MervaneGame::UpdateLayoutRect() {
    state_.table.SetTableRect(platform_.ClientRect());
}

IntentAnswer MervaneGame::Act(const TableIntent& intent) {
    switch (intent.kind) {
        case TableIntent::Kind::PlayCard: return PlayHandCard(intent.index);
        case TableIntent::Kind::Draw: return DrawCard();
        case TableIntent::Kind::ChooseSuit: return ChooseSuit(intent.suit);
        case TableIntent::Kind::Continue: return Continue();
    }
    return IntentAnswer::NothingToContinue;
}

void MervaneGame::OnTableTap(int x, int y) {
    if (Busy()) {
        held_.emplace_back(Point{x, y});
        return;
    }
    if (state_.handOver) {
        Continue();
        return;
    }
    HumanTableTap(x, y);
}

// The suit boxes while a suit is asked for; else the pack, then the hand.
void MervaneGame::HumanTableTap(int x, int y) {
    if (!state_.humanTurn) return;
    UpdateLayoutRect();
    if (state_.choosingSuit) {
        const int box = state_.table.HitSuitBox({x, y});
        if (box >= 0) ChooseSuit(SuitBoxOrder[static_cast<std::size_t>(box)]);
        return;
    }
    if (state_.table.HitDrawPile({x, y}) && !state_.deck.Empty()) {
        DrawCard();
        return;
    }
    const int index = state_.table.HitHandCard({x, y}, HandOf(HumanSeat).Count());
    if (index >= 0) PlayHandCard(index);
}

// --- commands ---

void MervaneGame::NewGame() {
    if (state_.gameInProgress) return;
    state_.scores = {};
    state_.gameWinner = NoSeat;
    state_.handOver = false;
    state_.humanTurn = false;
    state_.gameInProgress = true;
    Notify([](GameObserver& o) { o.GameStarted(); });
    StartChain(NewGameStep());
}

// Taps made before the new game are let fall, as the chain's other pumps do.
Task<MervaneGame::Next> MervaneGame::NewGameStep() {
    PumpViewMessages();
    co_return co_await StartHandStep();
}

void MervaneGame::QuitAndNewGame() {
    if (state_.gameInProgress) {
        if (!platform_.AskYesNo(text::QuitGame)) return;
        state_.gameInProgress = false;
    }
    NewGame();
}

void MervaneGame::AbandonAndNewGame() {
    state_.gameInProgress = false;
    NewGame();
}

}  // namespace mervane
