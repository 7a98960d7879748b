#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSlider>
#include <QTimer>
#include <map>
#include <set>

#include "app/dialogs/about_dlg.h"
#include "app/dialogs/color_dlg.h"
#include "app/dialogs/game_setup_dlg.h"
#include "app/dialogs/score_dlg.h"
#include "app/dialogs/table_setup_dlg.h"
#include "app/stores/statistics.h"
#include "app/table/keyboard_play.h"
#include "app/translations.h"
#include "app_test_support.h"
#include "cards/rules.h"
#include "game/texts.h"
#include "game/timings.h"
#include "tests/cards/card_text.h"
#include "tests/game/game_test_access.h"

namespace mervane {
namespace {

using testing::AppFixture;
using testing::WaitWhileBusy;

// The game's events as lines, for comparing two games.
class TraceRecorder : public GameObserver {
  public:
    void HandDealt(int hand, Seat dealer, Card starter) override {
        Add(QStringLiteral("deal %1 %2 %3").arg(hand).arg(dealer).arg(starter));
    }
    void StatusChanged(Seat seat, std::string_view text) override {
        Add(QStringLiteral("status %1 %2")
                .arg(seat)
                .arg(QString::fromUtf8(text.data(), qsizetype(text.size()))));
    }
    void CardPlayed(Seat seat, Card card) override {
        Add(QStringLiteral("play %1 %2").arg(seat).arg(card));
    }
    void SuitNamed(Suit suit) override { Add(QStringLiteral("suit %1").arg(suit)); }
    void CardDrawn(Seat seat, Card card) override {
        Add(QStringLiteral("draw %1 %2").arg(seat).arg(card));
    }
    void HandEnded(Seat winner, const std::array<std::int32_t, SeatCount>& scores) override {
        Add(QStringLiteral("end %1 %2 %3 %4 %5")
                .arg(winner)
                .arg(scores[0])
                .arg(scores[1])
                .arg(scores[2])
                .arg(scores[3]));
    }
    void DeadRound() override { Add(QStringLiteral("dead")); }
    void GameOver(Seat winner) override { Add(QStringLiteral("over %1").arg(winner)); }

    QStringList lines;

  private:
    void Add(const QString& line) { lines << line; }
};

// The human's move in a plain strategy: the first legal card, else the pack; Clubs
// after an eight.
struct Move {
    enum Kind { Card, Draw, Suit, Continue, None } kind = None;
    int index = 0;
};

Move ChooseMove(const GameState& state) {
    if (state.handOver) return {Move::Continue};
    if (!state.humanTurn) return {};
    if (state.choosingSuit) return {Move::Suit, 2};
    const CardList& hand = state.hands[0];
    for (int i = 0; i < hand.Count(); ++i)
        if (IsLegalPlay(hand.At(i), state.topCard, state.currentSuit)) return {Move::Card, i};
    return {Move::Draw};
}

// A window played by keys or by taps, recording its game.
class Player : public AppFixture {
  public:
    ~Player() {
        if (recording_) View().Game().RemoveObserver(&trace);
    }

    void StartActive() {
        Start();
        Frame().activateWindow();
        (void)QTest::qWaitForWindowActive(&Frame());
        View().Game().AddObserver(&trace);
        recording_ = true;
    }

    // A key to the view, as the window delivers it; returns once the chain it starts
    // is over.
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const bool idle = !View().Busy();
        QTest::keyClick(&View(), Qt::Key(key), modifiers);
        if (idle) WaitWhileBusy(View());
    }

    // Moves the ring to card `index` from the first card.
    void FocusCard(int index) {
        if (!View().Keys().RingShown()) Key(Qt::Key_Home);
        Key(Qt::Key_Home);
        for (int i = 0; i < index; ++i) Key(Qt::Key_Right);
    }

    void MoveByKeys(const Move& move) {
        switch (move.kind) {
            case Move::Card: FocusCard(move.index), Key(Qt::Key_Return); break;
            case Move::Draw: Key(Qt::Key_D); break;
            case Move::Suit: Key(Qt::Key_C); break;
            case Move::Continue: Key(Qt::Key_Space); break;
            case Move::None: break;
        }
    }

    // The screen reader's press on the table's child for the move.
    void MoveByReader(const Move& move) {
        const bool idle = !View().Busy();
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&View());
        const auto named = [&](const QString& prefix) -> QAccessibleInterface* {
            for (int i = 0; i < table->childCount(); ++i)
                if (table->child(i)->text(QAccessible::Name).startsWith(prefix))
                    return table->child(i);
            return nullptr;
        };
        QAccessibleInterface* child = nullptr;
        switch (move.kind) {
            case Move::Card: child = table->child(move.index); break;
            case Move::Draw: child = named("Draw pile"); break;
            case Move::Suit: child = named("Clubs"); break;
            case Move::Continue:
                child = named("Scores:") ? named("Scores:") : table->child(0);
                break;
            case Move::None: return;
        }
        ASSERT_NE(child, nullptr);
        ASSERT_NE(child->actionInterface(), nullptr);
        child->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        if (idle) WaitWhileBusy(View());
    }

    void MoveByTaps(const Move& move) {
        switch (move.kind) {
            case Move::Card: TapTable(HandCardPoint(move.index)); break;
            case Move::Draw: TapTable(DrawPilePoint()); break;
            case Move::Suit: TapTable(State().table.SuitBoxes()[2].Center()); break;
            case Move::Continue: TapTable({3, 3}); break;
            case Move::None: break;
        }
    }

    // Plays `hands` hands from a new game, each move made by `make`.
    template <class Make>
    void PlayHands(int hands, Make make) {
        for (int moves = 0; moves < 1000 && View().Game().HandsDealt() <= hands; ++moves) {
            const Move move = ChooseMove(State());
            ASSERT_NE(move.kind, Move::None);
            make(move);
        }
    }

    void Position(std::initializer_list<const char*> cards) {
        testing::SetHumanToMove(View(), cards);
    }

    TraceRecorder trace;

  private:
    bool recording_ = false;
};

class KeyboardTest : public ::testing::Test, public Player {};

TEST_F(KeyboardTest, AWholeHandPlaysByKeysAlone) {
    StartActive();
    EXPECT_EQ(QApplication::focusWidget(), &View()) << "the table has the keys from the start";
    Key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(State().humanTurn);
    Position({"5S", "KC", "3D", "8D", "9S"});

    // The first key shows the ring where it stands; later ones move it, within the hand.
    EXPECT_FALSE(View().Keys().RingShown());
    EXPECT_EQ(View().Marks().focusedCard, -1);
    Key(Qt::Key_Right);
    EXPECT_EQ(View().Marks().focusedCard, 0);
    Key(Qt::Key_Left);
    EXPECT_EQ(View().Marks().focusedCard, 0);
    Key(Qt::Key_End);
    EXPECT_EQ(View().Marks().focusedCard, 4);
    Key(Qt::Key_Right);
    EXPECT_EQ(View().Marks().focusedCard, 4);
    Key(Qt::Key_Home);
    Key(Qt::Key_Right);
    EXPECT_EQ(View().Marks().focusedCard, 1);

    // The King of Clubs does not follow the 9 of Hearts: Enter changes nothing.
    const GameState before = State();
    const int paints = View().PaintCount();
    trace.lines.clear();
    Key(Qt::Key_Return);
    EXPECT_EQ(State().hands, before.hands);
    EXPECT_EQ(State().topCard, before.topCard);
    EXPECT_EQ(State().statusText, before.statusText);
    EXPECT_TRUE(State().humanTurn);
    EXPECT_TRUE(trace.lines.isEmpty()) << trace.lines.join('\n').toStdString();
    EXPECT_GE(View().PaintCount(), paints);

    // D draws one card, and the turn goes on.
    Key(Qt::Key_D);
    EXPECT_EQ(State().hands[0].Count(), 6);
    ASSERT_EQ(trace.lines.size(), 1);
    EXPECT_TRUE(trace.lines[0].startsWith("draw 0 ")) << trace.lines[0].toStdString();
    EXPECT_TRUE(State().humanTurn);

    // The eight opens the boxes; the ring moves over them, and a letter names the suit.
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    ASSERT_EQ(State().hands[0].At(3), ParseCard("8D"));
    Key(Qt::Key_Space);
    ASSERT_TRUE(State().choosingSuit);
    EXPECT_EQ(View().Marks().focusedCard, -1);
    EXPECT_EQ(View().Marks().focusedSuitBox, 0);
    Key(Qt::Key_Right);
    EXPECT_EQ(View().Marks().focusedSuitBox, 1);
    EXPECT_TRUE(State().choosingSuit) << "moving the ring picks nothing";
    trace.lines.clear();
    Key(Qt::Key_S);
    ASSERT_GE(trace.lines.size(), 2);
    EXPECT_EQ(trace.lines[0], QStringLiteral("suit %1").arg(Spades));
    EXPECT_EQ(trace.lines[1], QStringLiteral("status 0 Spades"));

    // The rest of the hand, then Enter deals the next.
    PlayHands(1, [this](const Move& move) { MoveByKeys(move); });
    EXPECT_EQ(View().Game().HandsDealt(), 2);
    EXPECT_FALSE(State().handOver);
}

TEST_F(KeyboardTest, ARingShrinksWithTheHandAndAMouseTapHidesIt) {
    StartActive();
    Key(Qt::Key_N, Qt::ControlModifier);
    Position({"KC", "3D", "4C", "5S"});
    Key(Qt::Key_End);
    Key(Qt::Key_End);
    EXPECT_EQ(View().Marks().focusedCard, 3);
    Position({"KC", "3D"});
    EXPECT_EQ(View().Marks().focusedCard, 1);
    // Enter plays the card shown under the ring, not one beyond the hand.
    Position({"KC", "9D"});
    Key(Qt::Key_Return);
    EXPECT_EQ(State().hands[0].Count(), 1);
    TapTable({3, 3});
    EXPECT_FALSE(View().Keys().RingShown());
    EXPECT_EQ(View().Marks(), TableMarks{});
}

TEST_F(KeyboardTest, AKeyDuringTheComputersTurnsIsHeldLikeATap) {
    StartActive();
    Key(Qt::Key_N, Qt::ControlModifier);
    Position({"9S", "KC", "3D"});
    Key(Qt::Key_Home);
    View().Platform().SetPauseScale(0.2);
    QTest::keyClick(&View(), Qt::Key_Return);
    ASSERT_TRUE(View().Busy());
    QTest::keyClick(&View(), Qt::Key_D);
    EXPECT_EQ(View().QueuedInputs(), 1u);
    EXPECT_EQ(State().hands[0].Count(), 2);
    WaitWhileBusy(View());
    EXPECT_EQ(View().QueuedInputs(), 0u);
}

TEST_F(KeyboardTest, KeysTapsAndTheScreenReaderPlayTheSameGame) {
    StartActive();
    Trigger(ID_NEW_GAME_TOOLBAR);
    PlayHands(3, [this](const Move& move) { MoveByTaps(move); });
    const QStringList tapped = trace.lines;

    Player byKeys;
    byKeys.StartActive();
    byKeys.Key(Qt::Key_N, Qt::ControlModifier);
    byKeys.PlayHands(3, [&byKeys](const Move& move) { byKeys.MoveByKeys(move); });
    ASSERT_GT(tapped.size(), 30);
    EXPECT_EQ(byKeys.trace.lines, tapped);

    Player byReader;
    byReader.StartActive();
    byReader.Trigger(ID_NEW_GAME_TOOLBAR);
    byReader.PlayHands(3, [&byReader](const Move& move) { byReader.MoveByReader(move); });
    EXPECT_EQ(byReader.trace.lines, tapped);
}

TEST_F(KeyboardTest, CtrlNAsksMidGameLikeTheMenuAndCtrlQExits) {
    StartActive();
    Key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(State().gameInProgress);
    messages.answers = {false};
    Key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0],
              QString::fromUtf8(text::QuitGame.data(), qsizetype(text::QuitGame.size())));
    EXPECT_EQ(View().Game().HandsDealt(), 1);
    Trigger(ID_NEW_GAME);
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[1], messages.shown[0]);
    messages.answers = {true};
    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(View().Game().HandsDealt(), 2);

    // Neither key shows in the menu.
    for (QAction* action : Frame().GameMenu()->actions())
        for (const QKeySequence& keys :
             {QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::CTRL | Qt::Key_Q)})
            EXPECT_FALSE(action->shortcuts().contains(keys)) << action->text().toStdString();
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(Frame().isVisible());
}

// Keys as the keyboard gives them: to the window, which hands them to an open menu,
// a shortcut or the widget with the focus.
struct Keystroke {
    int key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

void Press(QWidget& window, std::initializer_list<Keystroke> keys) {
    for (const Keystroke& stroke : keys) {
        QWidget* popup = QApplication::activePopupWidget();
        QWidget* modal = QApplication::activeModalWidget();
        QWidget* target = popup ? popup : modal ? modal : &window;
        QTest::keyClick(target->windowHandle(), Qt::Key(stroke.key), stroke.modifiers);
        QApplication::processEvents();
    }
}

struct MenuPath {
    const char* name;
    std::initializer_list<Keystroke> keys;
};

void PrintTo(const MenuPath& path, std::ostream* out) {
    *out << path.name;
}

constexpr Qt::KeyboardModifiers Alt = Qt::AltModifier;

const MenuPath MenuPaths[] = {
    {"MenuAndViewEscaped",
     {{Qt::Key_M, Alt}, {Qt::Key_Escape}, {Qt::Key_V, Alt}, {Qt::Key_Escape}}},
    {"EscapedTwice", {{Qt::Key_M, Alt}, {Qt::Key_Escape}, {Qt::Key_Escape}}},
    {"MovedAcrossTheBar", {{Qt::Key_M, Alt}, {Qt::Key_Right}, {Qt::Key_Escape}}},
    {"SubmenuEscaped",
     {{Qt::Key_V, Alt},
      {Qt::Key_Down},
      {Qt::Key_Down},
      {Qt::Key_Down},
      {Qt::Key_Right},
      {Qt::Key_Escape},
      {Qt::Key_Escape}}},
    {"AboutClosed", {{Qt::Key_M, Alt}, {Qt::Key_Escape}, {Qt::Key_M, Alt}, {Qt::Key_A}}},
    {"StatisticsClosed", {{Qt::Key_V, Alt}, {Qt::Key_T}}},
};

class FocusAfterMenuTest : public ::testing::TestWithParam<MenuPath>, public Player {};

// Whatever menu or dialog was open, once it is gone the arrows move the ring again.
TEST_P(FocusAfterMenuTest, TheTableHasTheKeysOnceItCloses) {
    StartActive();
    Frame().showMaximized();
    QApplication::processEvents();
    // A dialog the path opens is closed by its Escape, as a user closes it.
    testing::WhenShown<QDialog>(Frame(), [](QDialog& dialog) {
        QTimer::singleShot(0, &dialog,
                           [&dialog] { QTest::keyClick(dialog.windowHandle(), Qt::Key_Escape); });
    });
    Press(Frame(), GetParam().keys);
    ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
    ASSERT_EQ(QApplication::activeModalWidget(), nullptr);
    Frame().activateWindow();  // as the window manager does once a dialog goes
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    Press(Frame(), {{Qt::Key_N, Qt::ControlModifier}});
    WaitWhileBusy(View());
    ASSERT_TRUE(State().humanTurn);
    Press(Frame(), {{Qt::Key_Right}});
    EXPECT_EQ(QApplication::focusWidget(), &View());
    EXPECT_TRUE(View().Keys().RingShown());
    EXPECT_EQ(View().Marks().focusedCard, 0);
}

INSTANTIATE_TEST_SUITE_P(EachPath, FocusAfterMenuTest, ::testing::ValuesIn(MenuPaths),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyboardTest, ShowPlayableCardsIsRememberedAndLeavesTapsAlone) {
    StartActive();
    QAction* toggle = Frame().ShowPlayableAction();
    EXPECT_EQ(toggle->text(), "Show &Playable Cards");
    EXPECT_TRUE(Frame().ViewMenu()->actions().contains(toggle));
    EXPECT_FALSE(toggle->isChecked()) << "off for a new user";
    Trigger(ID_NEW_GAME_TOOLBAR);
    Position({"KC", "9S", "3D"});
    const QImage plain = View().grab().toImage();
    toggle->trigger();
    EXPECT_TRUE(View().Marks().showPlayable);
    EXPECT_NE(View().grab().toImage(), plain);
    // The raised card is tapped where it lies in the layout.
    TapTable(HandCardPoint(1));
    EXPECT_EQ(State().hands[0].Count(), 2);
    Frame().close();

    AppFixture again;
    again.storedLook = true;
    // The same window-state file: the fixture keeps it beside its settings.
    again.Start(SettingsPath());
    EXPECT_TRUE(again.Frame().ShowPlayableAction()->isChecked());
    EXPECT_TRUE(again.View().ShowPlayable());
}

// --- the intents keys make ---

TEST(KeyIntents, DMeansDiamondsOnlyWhileASuitIsAsked) {
    GameState state;
    state.table.SetTableRect({0, 0, 240, 268});
    state.humanTurn = true;
    KeyboardPlay keys;
    EXPECT_EQ(keys.OnKey(Qt::Key_D, state), TableIntent::Draw());
    EXPECT_FALSE(keys.OnKey(Qt::Key_H, state)) << "no suit is asked for";
    state.choosingSuit = true;
    EXPECT_EQ(keys.OnKey(Qt::Key_D, state), TableIntent::Name(Diamonds));
    EXPECT_EQ(keys.OnKey(Qt::Key_H, state), TableIntent::Name(Hearts));
    EXPECT_EQ(keys.OnKey(Qt::Key_Return, state), TableIntent::Name(Hearts)) << "the ring's box";
    // A held-down key repeats the ring's moves, never a move of the game.
    EXPECT_FALSE(keys.OnKey(Qt::Key_S, state, true));
    EXPECT_FALSE(keys.OnKey(Qt::Key_A, state));
}

TEST(KeyIntents, EnterPlaysTheRingsCardOnceTheRingShowsAndContinuesAfterAHand) {
    GameState state;
    state.humanTurn = true;
    state.hands[HumanSeat].SetCapacity(CardsInPack);
    for (const Card card : {1, 2, 3}) state.hands[HumanSeat].Add(card);
    KeyboardPlay keys;
    EXPECT_FALSE(keys.OnKey(Qt::Key_Return, state)) << "the first key only shows the ring";
    EXPECT_FALSE(keys.OnKey(Qt::Key_End, state));
    EXPECT_EQ(keys.OnKey(Qt::Key_Return, state), TableIntent::Play(2));
    state.hands[HumanSeat].Remove(3);
    EXPECT_EQ(keys.OnKey(Qt::Key_Space, state), TableIntent::Play(1)) << "kept inside the hand";
    state.handOver = true;
    EXPECT_EQ(keys.OnKey(Qt::Key_Enter, state), TableIntent::GoOn());
}

// --- mnemonics ---

QChar MnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// Every control a person can reach answers to one Alt+letter of its own: its text's,
// or its label's.
void ExpectMnemonicsWithoutClashes(QWidget& dialog, const char* name) {
    std::map<QChar, QString> taken;
    std::set<QWidget*> reached;
    const auto claim = [&](const QString& text, QWidget* control) {
        const QChar letter = MnemonicOf(text);
        if (letter.isNull()) return;
        const auto [at, fresh] = taken.emplace(letter, text);
        EXPECT_TRUE(fresh) << name << ": '" << text.toStdString() << "' and '"
                           << at->second.toStdString() << "'";
        reached.insert(control);
    };
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        claim(button->text(), button);
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy()) claim(label->text(), label->buddy());
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        const auto* edit = qobject_cast<QLineEdit*>(control);
        const bool readOnly = edit && edit->isReadOnly();
        // A combo box's own line edit is reached through the box.
        const bool inner = qobject_cast<QComboBox*>(control->parentWidget()) ||
                           qobject_cast<QAbstractSpinBox*>(control->parentWidget());
        if (control->focusPolicy() == Qt::NoFocus || readOnly || inner) continue;
        if (!qobject_cast<QAbstractButton*>(control) && !qobject_cast<QLineEdit*>(control) &&
            !qobject_cast<QComboBox*>(control) && !qobject_cast<QSlider*>(control) &&
            !qobject_cast<QAbstractSpinBox*>(control))
            continue;
        EXPECT_TRUE(reached.count(control) || reached.count(control->parentWidget()))
            << name << ": " << control->metaObject()->className() << " "
            << control->objectName().toStdString() << " has no Alt+letter";
    }
}

// Each dialog the player can open, and the message boxes.
void ExpectDialogMnemonicsWithoutClashes() {
    MessageBoxes messages;
    CGameSetupDlg setup(messages);
    ExpectMnemonicsWithoutClashes(setup, "Game Setup");
    CTableSetupDlg table(messages);
    ExpectMnemonicsWithoutClashes(table, "Table Setup");
    CColorDlg colour;
    ExpectMnemonicsWithoutClashes(colour, "Colour");
    CScoreDlg score;
    ExpectMnemonicsWithoutClashes(score, "Score");
    CAboutDlg about(nullptr);
    ExpectMnemonicsWithoutClashes(about, "About");
    for (const bool question : {false, true}) {
        bool seen = false;
        QWidget owner;
        QTimer::singleShot(0, &owner, [&] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(top);
                if (!box || !box->isVisible()) continue;
                seen = true;
                ExpectMnemonicsWithoutClashes(*box, question ? "Yes/No" : "Message");
                EXPECT_EQ(box->findChildren<QAbstractButton*>().size(), question ? 2 : 1);
                box->reject();
            }
        });
        if (question)
            messages.Ask(&owner, QStringLiteral("Quit?"));
        else
            messages.Show(&owner, QStringLiteral("Note"));
        EXPECT_TRUE(seen);
    }
}

// Each menu of the menu bar, and the bar's own titles: no two entries share a letter.
void ExpectMenuMnemonicsWithoutClashes(QMenuBar& bar) {
    const auto check = [](const QList<QAction*>& actions, const QString& name, auto& self) -> void {
        std::map<QChar, QString> taken;
        for (QAction* action : actions) {
            if (action->isSeparator() || !action->isVisible()) continue;
            // An entry without a letter is still reached with the arrows.
            const QChar letter = MnemonicOf(action->text());
            if (!letter.isNull()) {
                const auto [at, fresh] = taken.emplace(letter, action->text());
                EXPECT_TRUE(fresh) << name.toStdString() << ": '" << action->text().toStdString()
                                   << "' and '" << at->second.toStdString() << "'";
            }
            if (action->menu()) self(action->menu()->actions(), action->text(), self);
        }
    };
    check(bar.actions(), QStringLiteral("menu bar"), check);
}

TEST(DialogMnemonics, EveryControlHasAnAltLetterOfItsOwn) {
    ExpectDialogMnemonicsWithoutClashes();
}

// The translated texts choose their own letters; each language is checked alone.
class TranslatedMnemonics : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        ASSERT_EQ(InstallTranslations(QStringList{QString::fromLatin1(GetParam())}),
                  QString::fromLatin1(GetParam()));
    }
    void TearDown() override { RemoveTranslations(); }
};

TEST_P(TranslatedMnemonics, EachDialogAndMenuGivesEveryEntryALetterOfItsOwn) {
    ExpectDialogMnemonicsWithoutClashes();
    AppFixture app;
    ExpectMenuMnemonicsWithoutClashes(*app.Start().menuBar());
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, TranslatedMnemonics,
                         ::testing::Values("en", "de", "fr", "es"),
                         [](const auto& info) { return std::string(info.param); });

// Samples the shake's offsets until it ends; false when it never does.
bool FollowShake(const CMervaneView& view, std::set<int>& offsets) {
    QElapsedTimer clock;
    clock.start();
    while (view.Shaking() && clock.elapsed() < 5000) {
        offsets.insert(view.Marks().shakeOffset);
        QTest::qWait(5);
    }
    return !view.Shaking();
}

TEST_F(KeyboardTest, ARefusedCardShakesInTheSharpLookAndTheGameIgnoresIt) {
    startLook = TableLook::Sharp;
    StartActive();
    EXPECT_TRUE(View().Marks().showDirection);
    Key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(State().humanTurn);
    Position({"5S", "KC", "3D", "9S"});

    // The King of Clubs does not follow the 9 of Hearts.
    const GameState before = State();
    trace.lines.clear();
    TapHandCard(1);
    ASSERT_TRUE(View().Shaking());
    EXPECT_EQ(View().Marks().shakeCard, 1);
    std::set<int> offsets;
    ASSERT_TRUE(FollowShake(View(), offsets));
    EXPECT_TRUE(offsets.count(-3) && offsets.count(3)) << offsets.size();
    EXPECT_EQ(View().Marks().shakeOffset, 0);
    EXPECT_EQ(View().Marks().shakeCard, -1);
    EXPECT_EQ(State().hands, before.hands);
    EXPECT_EQ(State().topCard, before.topCard);
    EXPECT_EQ(State().statusText, before.statusText);
    EXPECT_TRUE(State().humanTurn);
    EXPECT_TRUE(trace.lines.isEmpty()) << trace.lines.join('\n').toStdString();

    // Enter on a refused card shakes it as well.
    FocusCard(2);
    Key(Qt::Key_Return);
    EXPECT_TRUE(View().Shaking());
    EXPECT_EQ(View().Marks().shakeCard, 2);
    ASSERT_TRUE(FollowShake(View(), offsets));

    // A card that may be played does not shake.
    TapHandCard(3);
    EXPECT_NE(State().hands, before.hands);
    EXPECT_FALSE(View().Shaking());
}

// The Sharp table shows why a card was refused, repaints only while that fades, and
// then rests: no frames while nothing changes.
TEST_F(KeyboardTest, TheSharpTableShowsARefusalUntilItFadesAndThenStopsPainting) {
    startLook = TableLook::Sharp;
    StartActive();
    Key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(View().ShowsSharpTable());
    Position({"5S", "KC", "3D", "9S"});
    const QImage atRest = View().grab().toImage();
    TapHandCard(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !View().Shaking(); }));
    const QImage refused = View().grab().toImage();
    EXPECT_NE(refused, atRest) << "the reason is shown";
    const int paints = View().PaintCount();
    QTest::qWait(RefusalShowMs + 300);
    EXPECT_GT(View().PaintCount(), paints + 2) << "the fade is painted";
    EXPECT_NE(View().grab().toImage(), refused) << "and is over";
    const int rested = View().PaintCount();
    QTest::qWait(300);
    EXPECT_EQ(View().PaintCount(), rested);
}

TEST_F(KeyboardTest, TheClassicLookNeitherShakesNorShowsTheDirection) {
    StartActive();
    Key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(State().humanTurn);
    Position({"5S", "KC", "3D", "9S"});
    TapTable(HandCardPoint(1));
    EXPECT_FALSE(View().Shaking());
    EXPECT_EQ(View().Marks(), TableMarks{});
}

}  // namespace
// Ctrl+Z takes the person's move back, Ctrl+Shift+Z makes it again, and Restart Deal
// deals the hand anew as it came; each is enabled only when there is something to do,
// and the statistics count the undo.
TEST(UndoInTheWindow, KeysAndTheMenuTakeBackRedoAndDealAgain) {
    AppFixture app;
    CMainFrame& frame = app.Start();
    app.Trigger(ID_NEW_GAME_TOOLBAR);
    ASSERT_TRUE(app.State().humanTurn);
    const CardList dealt = app.State().hands[HumanSeat];
    EXPECT_FALSE(frame.UndoAction()->isEnabled());
    EXPECT_FALSE(frame.RedoAction()->isEnabled());
    EXPECT_TRUE(frame.RestartDealAction()->isEnabled());
    const auto scores = app.State().scores;
    ASSERT_TRUE(app.PlayHumanMove());
    WaitWhileBusy(app.View());
    ASSERT_TRUE(app.State().humanTurn) << "the hand goes on after one move";
    const CardList afterMove = app.State().hands[HumanSeat];
    const Card topAfterMove = app.State().topCard;
    ASSERT_TRUE(frame.UndoAction()->isEnabled());
    QTest::keyClick(&app.View(), Qt::Key_Z, Qt::ControlModifier);
    WaitWhileBusy(app.View());
    EXPECT_EQ(app.State().hands[HumanSeat], dealt);
    EXPECT_FALSE(frame.UndoAction()->isEnabled());
    ASSERT_TRUE(frame.RedoAction()->isEnabled());
    QTest::keyClick(&app.View(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    WaitWhileBusy(app.View());
    EXPECT_EQ(app.State().hands[HumanSeat], afterMove);
    EXPECT_EQ(app.State().topCard, topAfterMove);
    EXPECT_FALSE(frame.RedoAction()->isEnabled());
    frame.RestartDealAction()->trigger();
    WaitWhileBusy(app.View());
    EXPECT_EQ(app.State().hands[HumanSeat], dealt);
    EXPECT_EQ(app.State().scores, scores);
    EXPECT_FALSE(frame.UndoAction()->isEnabled());
    const auto& counted = frame.Statistics().Current().Of(Level::Normal, RuleSetIndex({}));
    EXPECT_EQ(counted.played, 1) << "a hand dealt again is still one game";
    EXPECT_EQ(counted.undos, 1);
    EXPECT_EQ(counted.undoGames, 1);
}

}  // namespace mervane
