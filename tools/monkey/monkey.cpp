#include "monkey.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/frame/main_frame.h"
#include "app/stores/settings_store.h"
#include "app/table/mervane_view.h"
#include "app/table/table_accessible.h"
#include "cards/rules.h"

namespace mervane {
namespace {

// The names a screen reader hears, made here again so that the tree is checked
// against the cards rather than against its own words.
QString CardName(Card card) {
    static const char* const ranks[] = {"Ace", "2", "3",  "4",    "5",     "6",   "7",
                                        "8",   "9", "10", "Jack", "Queen", "King"};
    static const char* const suits[] = {"Spades", "Hearts", "Diamonds", "Clubs"};
    return QStringLiteral("%1 of %2")
        .arg(QLatin1String(ranks[RankOf(card) - 1]), QLatin1String(suits[SuitOf(card)]));
}

// Names that have tripped text code before: a placeholder, a separator, accents, length.
const char* const Names[] = {
    "Ann", "%1", "Bo: 3 cards", "Zoë", "Łukasz", "A very long name indeed", "", "Player2"};
const char* const PlayTos[] = {"", "0", "1", "25", "50", "100", "150", "500", "99999", "abc"};

void Mix(std::uint64_t& digest, std::uint64_t value) {
    digest = (digest ^ value) * 1099511628211ull;
}

}  // namespace

Monkey::Monkey(const MonkeyOptions& options) : options_(options), random_(options.seed) {}

Monkey::~Monkey() {
    qApp->removeEventFilter(this);
    if (frame_) frame_->View()->Game().RemoveObserver(this);
    frame_.reset();
}

CMervaneView& Monkey::View() const {
    return *frame_->View();
}

void Monkey::Note(const std::string& what) {
    action_ = what;
    if (options_.verbose) std::printf("%ld %s\n", counts_.actions, what.c_str());
}

void Monkey::Fail(const std::string& what) {
    std::fflush(stdout);
    std::fprintf(stderr,
                 "mervane-monkey: seed %llu, action %ld (%s): %s\n"
                 "replay: mervane-monkey --seed %llu --actions %ld --verbose\n",
                 static_cast<unsigned long long>(options_.seed), counts_.actions, action_.c_str(),
                 what.c_str(), static_cast<unsigned long long>(options_.seed), counts_.actions);
    std::fflush(stderr);
    std::_Exit(1);
}

void Monkey::Start() {
    // Rules, names and target chosen by this run's seed.
    {
        QSettings ini(options_.settingsPath, QSettings::IniFormat);
        ini.beginGroup(QStringLiteral("Settings"));
        ini.setValue(QStringLiteral("PLAYTO"), std::array{50, 100, 150}[Below(3)]);
        ini.setValue(QStringLiteral("ADVANCED"), Below(2));
        ini.setValue(QStringLiteral("SEVENCARDS"), Below(2));
        ini.setValue(QStringLiteral("TRAINING"), Below(2));
        ini.setValue(QStringLiteral("PLAYER1"), QString::fromUtf8(Names[Below(8)]));
    }
    frame_ = std::make_unique<CMainFrame>(SettingsStore(options_.settingsPath));
    QtGamePlatform& platform = View().Platform();
    platform.SetPauseScale(0);
    // The shuffle reads the clock: a time fixed by this run's seed makes every deal replay.
    platform.FixClock(LocalTime{1 + Below(28), Below(12), Below(24), Below(60), Below(60)});
    View().Game().AddObserver(this);
    // Qt reports nothing while no screen reader listens; a sink keeps the tree's
    // updates running as they would for one.
    SetAccessibleEventSink([](QAccessibleEvent*) {});
    frame_->SetLook(Chance(50) ? TableLook::Sharp : TableLook::Classic);
    frame_->resize(300 + Below(200), 340 + Below(200));
    frame_->show();
    frame_->activateWindow();
    (void)QTest::qWaitForWindowExposed(frame_.get());
    qApp->installEventFilter(this);
}

int Monkey::Run() {
    Start();
    for (counts_.actions = 1; counts_.actions <= options_.actions; ++counts_.actions) {
        if (View().Busy()) ++counts_.midChainActions;
        Act();
        Settle();
        Check();
    }
    --counts_.actions;
    SetAccessibleEventSink({});
    return 0;
}

// --- timing ---

void Monkey::BeginStretch(std::string what) {
    stretchWhat_ = std::move(what);
    stretch_.start();
    timing_ = true;
}

void Monkey::EndStretch() {
    if (!timing_) return;
    timing_ = false;
    const double ms = static_cast<double>(stretch_.nsecsElapsed()) / 1e6;
    if (ms > counts_.longestMs) {
        counts_.longestMs = ms;
        counts_.longestWhat = stretchWhat_;
    }
    if (ms > options_.maxMs)
        Fail(stretchWhat_ + " took " + std::to_string(static_cast<int>(ms)) + " ms, more than " +
             std::to_string(options_.maxMs));
}

void Monkey::RunEvents() {
    BeginStretch("events after " + action_);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    EndStretch();
}

// --- actions ---

void Monkey::Act() {
    const int roll = Below(100);
    // A New Game while the computer plays, now and then.
    if (View().Busy() && Chance(2)) {
        Note("New Game during a chain");
        BeginStretch(action_);
        frame_->Command(ID_NEW_GAME)->trigger();
        EndStretch();
        return;
    }
    // Dialogs are few: each is built, laid out and shaped anew, the dearest action.
    if (roll < 52)
        Tap();
    else if (roll < 80)
        Key();
    else if (roll < 86)
        Press();
    else if (roll < 90)
        ResizeWindow();
    else if (roll < 93)
        ChangeLook();
    else if (roll < 97)
        MenuCommand();
    else
        ViewToggle();
}

void Monkey::Tap() {
    const GameState& state = View().State();
    const CCardTable& table = state.table;
    // The Sharp look lays its table out for the widget in device pixels; Classic taps
    // table pixels through the viewport.
    const bool sharp = View().ShowsSharpTable();
    const SharpTable layout = sharp ? View().SharpLayout() : SharpTable{};
    Rect target = sharp ? Rect{0, 0, layout.window.width, layout.window.height}
                        : Rect{0, 0, TableWidth, TableHeight};
    std::string where = "the table";
    const int roll = Below(100);
    const int count = state.hands[HumanSeat].Count();
    if (roll < 50 && count > 0) {
        const int index = Below(count);
        if (sharp) {
            target = layout.handStrips.at(static_cast<std::size_t>(index));
        } else {
            const Point corner = table.CardPos(Bottom, index);
            const int width = index == count - 1 ? table.cardWidth : std::max(1, table.stepX);
            target = RectAt(corner, {width, table.cardHeight});
        }
        where = "hand card " + std::to_string(index);
    } else if (roll < 68) {
        target = sharp ? layout.pack : table.DrawPileRect();
        where = "the pack";
    } else if (roll < 85) {
        const auto box = static_cast<std::size_t>(Below(4));
        target = sharp ? layout.suitBoxes[box] : table.SuitBoxes()[box];
        where = "a suit box";
    }
    const Point p{target.left + Below(std::max(1, target.Width())),
                  target.top + Below(std::max(1, target.Height()))};
    QPoint at;
    if (sharp) {
        const double ratio = View().devicePixelRatioF();
        at = QPoint(static_cast<int>((p.x + 0.5) / ratio), static_cast<int>((p.y + 0.5) / ratio));
    } else {
        const TableViewport viewport = View().Viewport();
        at = QPoint(static_cast<int>(viewport.left + (p.x + 0.5) * viewport.scale),
                    static_cast<int>(viewport.top + (p.y + 0.5) * viewport.scale));
    }
    if (roll >= 95) {
        // Anywhere in the widget, margins included.
        at = QPoint(Below(std::max(1, View().width())), Below(std::max(1, View().height())));
        where = "the widget";
    }
    Note("tap " + where + " at " + std::to_string(at.x()) + "," + std::to_string(at.y()));
    BeginStretch(action_);
    QTest::mouseClick(&View(), Qt::LeftButton, {}, at);
    EndStretch();
}

void Monkey::Key() {
    struct Stroke {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* name;
    };
    static const Stroke strokes[] = {
        {Qt::Key_Left, {}, "Left"},   {Qt::Key_Right, {}, "Right"},  {Qt::Key_Home, {}, "Home"},
        {Qt::Key_End, {}, "End"},     {Qt::Key_Return, {}, "Enter"}, {Qt::Key_Space, {}, "Space"},
        {Qt::Key_D, {}, "D"},         {Qt::Key_H, {}, "H"},          {Qt::Key_C, {}, "C"},
        {Qt::Key_S, {}, "S"},         {Qt::Key_Return, {}, "Enter"}, {Qt::Key_Space, {}, "Space"},
        {Qt::Key_Right, {}, "Right"}, {Qt::Key_D, {}, "D"},
    };
    static const Stroke newGame{Qt::Key_N, Qt::ControlModifier, "Ctrl+N"};
    const Stroke& stroke =
        Chance(2) ? newGame : strokes[Below(static_cast<int>(std::size(strokes)))];
    Note(std::string("key ") + stroke.name);
    // Shortcuts are the active window's.
    if (QApplication::activeWindow() != frame_.get()) frame_->activateWindow();
    BeginStretch(action_);
    QTest::keyClick(&View(), stroke.key, stroke.modifiers);
    EndStretch();
}

// A screen reader's press on one of the table's children.
void Monkey::Press() {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&View());
    const int count = table ? table->childCount() : 0;
    if (count == 0) return Note("press: no children");
    const int index = Below(count);
    QAccessibleInterface* child = table->child(index);
    QAccessibleActionInterface* actions = child ? child->actionInterface() : nullptr;
    Note("press child " + std::to_string(index) + " " +
         (child ? child->text(QAccessible::Name).toStdString() : std::string("?")));
    if (!actions || !actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
        return;
    BeginStretch(action_);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EndStretch();
}

void Monkey::ResizeWindow() {
    const int roll = Below(100);
    if (roll < 8) {
        Note("key F11");
        BeginStretch(action_);
        QTest::keyClick(frame_.get(), Qt::Key_F11);
        EndStretch();
        return;
    }
    if (roll < 16) {
        const bool in = Chance(50);
        Note(in ? "key Ctrl++" : "key Ctrl+-");
        BeginStretch(action_);
        QTest::keyClick(frame_.get(), in ? Qt::Key_Plus : Qt::Key_Minus, Qt::ControlModifier);
        EndStretch();
        return;
    }
    // Mostly small: every chain step repaints the whole window.
    const QSize size(200 + Below(roll < 90 ? 300 : 1000), 200 + Below(roll < 90 ? 340 : 800));
    Note("resize to " + std::to_string(size.width()) + "x" + std::to_string(size.height()));
    BeginStretch(action_);
    if (frame_->isFullScreen()) frame_->showNormal();
    frame_->resize(size);
    EndStretch();
}

void Monkey::ChangeLook() {
    const TableLook look =
        View().Look() == TableLook::Sharp ? TableLook::Classic : TableLook::Sharp;
    Note(look == TableLook::Sharp ? "View > Sharp" : "View > Classic");
    BeginStretch(action_);
    frame_->LookAction(look)->trigger();
    EndStretch();
}

void Monkey::MenuCommand() {
    QAction* action = nullptr;
    const int roll = Below(100);
    if (roll < 15) {
        action = frame_->Command(ID_NEW_GAME);
    } else if (roll < 40) {
        action = frame_->Command(ID_NEW_GAME_TOOLBAR);
    } else if (roll < 55) {
        action = frame_->Command(ID_SHOW_SCORE);
    } else if (roll < 67) {
        action = frame_->Command(ID_GAME_SETUP);
    } else if (roll < 80) {
        action = frame_->Command(ID_TABLE_SETUP);
    } else if (roll < 88) {
        action = frame_->Command(ID_APP_ABOUT);
    } else {
        for (QAction* item : frame_->ViewMenu()->actions())
            if (item->text().remove(QLatin1Char('&')) == QStringLiteral("Statistics..."))
                action = item;
        if (!action) Fail("View menu has no Statistics...");
    }
    Note("menu " + action->text().remove(QLatin1Char('&')).trimmed().toStdString() +
         (action->isEnabled() ? "" : " (disabled)"));
    // A person cannot choose a greyed command.
    if (!action->isEnabled()) return;
    BeginStretch(action_);
    action->trigger();
    EndStretch();
}

void Monkey::ViewToggle() {
    const int roll = Below(4);
    if (roll == 0) {
        Note("View > Show Playable Cards");
        frame_->ShowPlayableAction()->trigger();
    } else if (roll == 1) {
        Note("View > Animations");
        frame_->AnimationsAction()->trigger();
    } else if (roll == 2) {
        Note("View > Move Log");
        frame_->ShowLogAction()->trigger();
    } else {
        // Slides last no time at this speed; held ones are painted part way.
        const bool hold = Chance(50);
        Note(hold ? "hold slides" : "release slides");
        View().HoldSlidesAt(hold ? std::optional<double>(Below(100) / 100.0) : std::nullopt);
    }
}

// Either the chain runs to its end or only a few turns of it, so that the next action
// comes in the middle of it. Pauses last one turn of the event loop, so the count of
// turns, not the clock, decides where the chain stands.
void Monkey::Settle() {
    if (Chance(50)) {
        for (int turns = Below(8); turns > 0; --turns) RunEvents();
        // A box that opened in the last turn is answered in the next, as a person would.
        for (int turns = 0; answerScheduled_ && turns < 10; ++turns) RunEvents();
        return;
    }
    for (int turns = 0; View().Busy() || turns < 1; ++turns) {
        if (turns > 100000) Fail("the chain of turns never ended");
        RunEvents();
    }
}

// --- dialogs ---

bool Monkey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && qobject_cast<QDialog*>(widget) && widget->isModal()) {
            ++counts_.dialogs;
            ScheduleAnswer();
        }
    }
    return QObject::eventFilter(watched, event);
}

void Monkey::ScheduleAnswer() {
    if (answerScheduled_) return;
    answerScheduled_ = true;
    QTimer::singleShot(0, this, &Monkey::Answer);
}

void Monkey::Answer() {
    answerScheduled_ = false;
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    // What opened the dialog ends here; the answer, and what follows it until the
    // monkey's next step, is a stretch of its own.
    EndStretch();
    if (answering_ != dialog) {
        answering_ = dialog;
        attempts_ = 0;
    }
    ++attempts_;
    BeginStretch(std::string("answer to ") + dialog->metaObject()->className() + " in " + action_);
    AnswerDialog(*dialog);
    if (QApplication::activeModalWidget()) ScheduleAnswer();
}

void Monkey::AnswerDialog(QDialog& dialog) {
    ++counts_.answers;
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        const QList<QAbstractButton*> buttons = box->buttons();
        if (buttons.isEmpty()) return box->reject();
        QAbstractButton* button = buttons[Below(static_cast<int>(buttons.size()))];
        if (options_.verbose)
            std::printf("  message \"%s\": %s\n", box->text().toStdString().c_str(),
                        button->text().toStdString().c_str());
        button->click();
        return;
    }
    // A dialog that will not close (refused values) is cancelled in the end.
    if (attempts_ > 6) return dialog.reject();
    if (attempts_ <= 3 && Chance(45) && Fiddle(dialog)) return;
    auto* box = dialog.findChild<QDialogButtonBox*>();
    if (!box) return dialog.reject();
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* button : box->buttons())
        if (button->isEnabled() && box->buttonRole(button) != QDialogButtonBox::HelpRole)
            buttons << button;
    if (buttons.isEmpty()) return dialog.reject();
    QAbstractButton* button = buttons[Below(static_cast<int>(buttons.size()))];
    if (options_.verbose)
        std::printf("  %s: %s\n", dialog.metaObject()->className(),
                    button->text().toStdString().c_str());
    button->click();
}

// Changes one field of the dialog as a person would.
bool Monkey::Fiddle(QDialog& dialog) {
    std::vector<QWidget*> fields;
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (!widget->isVisible() || !widget->isEnabled() || widget->window() != &dialog) continue;
        if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
            qobject_cast<QCheckBox*>(widget) || qobject_cast<QAbstractSpinBox*>(widget))
            fields.push_back(widget);
        else if (auto* button = qobject_cast<QPushButton*>(widget))
            if (!qobject_cast<QDialogButtonBox*>(button->parentWidget()) &&
                !button->text().contains(QStringLiteral("Help")))
                fields.push_back(widget);
    }
    if (fields.empty()) return false;
    QWidget* field = fields[static_cast<std::size_t>(Below(static_cast<int>(fields.size())))];
    std::string what = field->metaObject()->className();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        // The Play To field's own edit takes a target; a name field takes a name.
        const bool target = qobject_cast<QAbstractSpinBox*>(edit->parentWidget()) != nullptr;
        const char* text =
            target ? PlayTos[Below(static_cast<int>(std::size(PlayTos)))] : Names[Below(8)];
        // Typed where QtTest knows the keys; pasted otherwise.
        edit->selectAll();
        if (QString::fromUtf8(text) == QString::fromLatin1(text))
            QTest::keyClicks(edit, QString::fromUtf8(text));
        else
            edit->insert(QString::fromUtf8(text));
        what += std::string(" \"") + text + "\"";
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) {
        const QString text =
            QString::fromUtf8(PlayTos[Below(static_cast<int>(std::size(PlayTos)))]);
        spin->selectAll();
        QTest::keyClicks(spin, text);
        if (Chance(30)) QTest::keyClick(spin, Chance(50) ? Qt::Key_Up : Qt::Key_Down);
        what += " \"" + text.toStdString() + "\"";
    } else if (auto* combo = qobject_cast<QComboBox*>(field)) {
        if (combo->count() > 0) combo->setCurrentIndex(Below(combo->count()));
        what += " " + std::to_string(combo->currentIndex());
    } else if (auto* check = qobject_cast<QAbstractButton*>(field)) {
        what += " " + check->text().toStdString();
        check->click();
    }
    if (options_.verbose) std::printf("  %s: %s\n", dialog.metaObject()->className(), what.c_str());
    return true;
}

// --- observing ---

void Monkey::HandDealt(int, Seat, Card) {
    ++counts_.handsDealt;
}
void Monkey::HandEnded(Seat, const std::array<std::int32_t, SeatCount>&) {
    ++counts_.handsEnded;
}
void Monkey::DeadRound() {
    ++counts_.deadRounds;
}
void Monkey::GameOver(Seat) {
    ++counts_.gamesFinished;
}
void Monkey::GameStarted() {
    ++counts_.gamesStarted;
}
void Monkey::TapRefused(Card, Card, Suit) {
    ++counts_.refusedTaps;
}

// --- checks ---

void Monkey::Check() {
    if (QWidget* open = QApplication::activeModalWidget()) {
        const auto* box = qobject_cast<QMessageBox*>(open);
        Fail(std::string("a dialog is still open after the action: ") +
             open->metaObject()->className() +
             (box ? " \"" + box->text().toStdString() + "\"" : std::string()));
    }
    if (!View().Busy() && View().QueuedInputs() != 0)
        Fail("the game is idle with " + std::to_string(View().QueuedInputs()) +
             " inputs still held");
    CheckCards();
    CheckAccessible();
    const GameState& state = View().State();
    for (const CardList& hand : state.hands)
        for (int i = 0; i < hand.Count(); ++i)
            Mix(counts_.digest, static_cast<unsigned>(hand.At(i)));
    Mix(counts_.digest, static_cast<unsigned>(state.topCard));
    Mix(counts_.digest, static_cast<unsigned>(state.deck.DrawPos()));
    Mix(counts_.digest, View().Busy());
}

// Every card once: in a hand, in the pack, the starter or played this hand.
void Monkey::CheckCards() {
    const GameState& state = View().State();
    if (state.showSplash) return;
    const SeatView seen = View().Game().ViewFor(HumanSeat);
    if (seen.starter == NoCard) return;
    std::array<int, CardsInPack + 1> times{};
    std::string stray;
    const auto count = [&](Card card, const char* where) {
        if (!IsCard(card))
            stray += std::string(" ") + where + " holds " + std::to_string(card) + ";";
        else
            ++times[static_cast<std::size_t>(card)];
    };
    for (const CardList& hand : state.hands)
        for (int i = 0; i < hand.Count(); ++i) count(hand.At(i), "a hand");
    for (int i = state.deck.DrawPos(); i < CardsInPack; ++i) count(state.deck.At(i), "the pack");
    count(seen.starter, "the starter");
    for (const TableEvent& event : seen.history)
        if (event.kind == TableEvent::Kind::Play) count(event.card, "the history");
    for (Card card = 1; card <= CardsInPack; ++card)
        if (times[static_cast<std::size_t>(card)] != 1)
            stray += " " + CardName(card).toStdString() + " is there " +
                     std::to_string(times[static_cast<std::size_t>(card)]) + " times;";
    if (!stray.empty()) Fail("cards not accounted for:" + stray);
}

// The screen reader's table says what the game holds.
void Monkey::CheckAccessible() {
    const GameState& state = View().State();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&View());
    if (!table) Fail("the table has no accessible interface");
    const bool winner = !state.gameInProgress && state.betweenGames && state.handOver;
    if (winner || state.showSplash) {
        if (table->childCount() != 2) Fail("the title or winner screen has other children");
        return;
    }
    const CardList& hand = state.hands[HumanSeat];
    const int children = table->childCount();
    for (int i = 0; i < hand.Count(); ++i) {
        QAccessibleInterface* child = i < children ? table->child(i) : nullptr;
        const QString name = child ? child->text(QAccessible::Name) : QString();
        if (!child || child->role() != QAccessible::Button || name != CardName(hand.At(i)))
            Fail("hand card " + std::to_string(i) + " is " + CardName(hand.At(i)).toStdString() +
                 " but the tree says \"" + name.toStdString() + "\"");
    }
    static const QRegularExpression seatLine(QStringLiteral("^.*: (\\d+) cards?(, .*)?$"));
    static const QRegularExpression packLine(QStringLiteral("^Draw pile, (\\d+) cards?$"));
    std::vector<int> seatCounts;
    int boxes = 0;
    bool pack = false;
    for (int i = hand.Count(); i < children; ++i) {
        QAccessibleInterface* child = table->child(i);
        const QString name = child->text(QAccessible::Name);
        if (child->role() == QAccessible::Button && name.contains(QStringLiteral(" of ")))
            Fail("a card named \"" + name.toStdString() + "\" after the hand");
        if (const auto m = packLine.match(name); m.hasMatch()) {
            pack = true;
            if (m.captured(1).toInt() != state.deck.Remaining())
                Fail("the pack holds " + std::to_string(state.deck.Remaining()) +
                     " but the tree says \"" + name.toStdString() + "\"");
        } else if (child->role() == QAccessible::StaticText) {
            if (const auto s = seatLine.match(name); s.hasMatch())
                seatCounts.push_back(s.captured(1).toInt());
        } else if (child->role() == QAccessible::Button) {
            ++boxes;
        }
    }
    if (pack == state.deck.Empty()) Fail("the tree's pack does not match the game's");
    if ((boxes == 4) != state.choosingSuit || (boxes != 0 && boxes != 4))
        Fail("the tree shows " + std::to_string(boxes) + " suit boxes");
    if (seatCounts.size() != SeatCount)
        Fail("the tree has " + std::to_string(seatCounts.size()) + " seats");
    for (Seat seat = 0; seat < SeatCount; ++seat)
        if (seatCounts[static_cast<std::size_t>(seat)] !=
            state.hands[static_cast<std::size_t>(seat)].Count())
            Fail("seat " + std::to_string(seat) + " holds " +
                 std::to_string(state.hands[static_cast<std::size_t>(seat)].Count()) +
                 " cards but the tree says " +
                 std::to_string(seatCounts[static_cast<std::size_t>(seat)]));
}

}  // namespace mervane
