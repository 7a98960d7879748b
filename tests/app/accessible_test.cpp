#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QListWidget>
#include <cmath>
#include <vector>

#include "app/frame/move_log_panel.h"
#include "app/table/table_accessible.h"
#include "app_test_support.h"
#include "cards/rules.h"
#include "game/translate.h"
#include "render/table_marks.h"
#include "tests/accessibility/arrange_eight.h"
#include "tests/game/game_test_access.h"

namespace mervane::testing {
namespace {

QAccessibleInterface* Table(AppFixture& app) {
    return QAccessible::queryAccessibleInterface(&app.View());
}

std::vector<QAccessibleInterface*> Children(AppFixture& app) {
    std::vector<QAccessibleInterface*> children;
    QAccessibleInterface* table = Table(app);
    for (int i = 0; i < table->childCount(); ++i) children.push_back(table->child(i));
    return children;
}

QAccessibleInterface* Named(AppFixture& app, const QString& name) {
    for (QAccessibleInterface* child : Children(app))
        if (child->text(QAccessible::Name) == name) return child;
    return nullptr;
}

void Press(QAccessibleInterface* child) {
    ASSERT_NE(child, nullptr);
    ASSERT_NE(child->actionInterface(), nullptr);
    child->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// Every child lies inside the view, on the screen.
void ExpectInsideView(AppFixture& app) {
    const QRect view(app.View().mapToGlobal(QPoint(0, 0)), app.View().size());
    for (QAccessibleInterface* child : Children(app)) {
        EXPECT_TRUE(view.contains(child->rect()))
            << child->text(QAccessible::Name).toStdString() << " at " << child->rect().x() << ","
            << child->rect().y();
        EXPECT_EQ(child->parent(), Table(app));
        EXPECT_EQ(Table(app)->indexOfChild(child), Table(app)->indexOfChild(child));
    }
}

// A hand dealt and the human to move.
void DealToHumanMove(AppFixture& app) {
    app.Start();
    app.Trigger(ID_NEW_GAME_TOOLBAR);
    ASSERT_TRUE(app.State().humanTurn);
}

TEST(SpokenNames, NameRankAndSuitInWords) {
    EXPECT_EQ(SpokenCardName(MakeCard(Ace, Spades)), "Ace of Spades");
    EXPECT_EQ(SpokenCardName(MakeCard(10, Hearts)), "10 of Hearts");
    EXPECT_EQ(SpokenCardName(MakeCard(Queen, Diamonds)), "Queen of Diamonds");
    EXPECT_EQ(SpokenCardName(MakeCard(King, Clubs)), "King of Clubs");
    EXPECT_EQ(SpokenCardName(MakeCard(2, Clubs)), "2 of Clubs");
    EXPECT_EQ(SpokenCardName(NoCard), "");
    EXPECT_EQ(SpokenCardName(53), "");
}

// A catalogue that brackets every text of the table's names, so each one shows where
// it went through the catalogue.
class BracketingCatalogue {
  public:
    BracketingCatalogue() {
        SetTranslator([](std::string_view context, std::string_view source) {
            if (context == "Accessible" || context == "Cards" || context == "Status")
                return "[" + std::string(source) + "]";
            return std::string(source);
        });
    }
    ~BracketingCatalogue() { SetTranslator({}); }
};

TEST(AccessibleTable, NamesAreBuiltFromTranslatedPatternsAndWords) {
    AppFixture app;
    DealToHumanMove(app);
    const BracketingCatalogue catalogue;
    const GameState& state = app.State();
    EXPECT_EQ(SpokenCardName(MakeCard(Ace, Spades)), "[[Ace] of [Spades]]");
    EXPECT_EQ(SpokenCardName(MakeCard(9, Hearts)), "[9 of [Hearts]]");
    EXPECT_NE(Named(app, QString("[Draw pile, %1 cards]").arg(state.deck.Remaining())), nullptr);
    const QString top = QString("[Top card: %1; follow %2]")
                            .arg(SpokenCardName(state.topCard), SpokenSuitName(state.currentSuit));
    EXPECT_TRUE(top.contains(" of [")) << top.toStdString();
    EXPECT_NE(Named(app, top), nullptr) << top.toStdString();
    const CardList& hand = state.hands[HumanSeat];
    const QString you = QString("[[You]: [%1 cards], [%2]]")
                            .arg(hand.Count())
                            .arg(QString::fromStdString(state.statusText[HumanSeat]));
    EXPECT_EQ(Children(app)[static_cast<std::size_t>(hand.Count() + 2)]->text(QAccessible::Name),
              you);
    // Another seat's name is the user's own and stays as it is.
    const QString left =
        Children(app)[static_cast<std::size_t>(hand.Count() + 3)]->text(QAccessible::Name);
    EXPECT_TRUE(left.startsWith("[" + QString::fromStdString(state.playerNames[0]) + ": "))
        << left.toStdString();
    for (int i = 0; i < hand.Count(); ++i) {
        const QString description =
            Children(app)[static_cast<std::size_t>(i)]->text(QAccessible::Description);
        EXPECT_TRUE(description.isEmpty() || description == "[playable]") << i;
    }
}

TEST(AccessibleTable, TitleScreenSaysWhatIsShown) {
    AppFixture app;
    app.Start();
    QAccessibleInterface* table = Table(app);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Pane);
    const auto children = Children(app);
    ASSERT_EQ(children.size(), 2u);  // the title and the (silent) notice
    EXPECT_EQ(children[0]->role(), QAccessible::StaticText);
    EXPECT_TRUE(children[0]->text(QAccessible::Name).contains("New Game"));
    EXPECT_EQ(children[1]->role(), QAccessible::Notification);
    ExpectInsideView(app);
}

TEST(AccessibleTable, HandInPlayNamesCardsPilesAndSeats) {
    AppFixture app;
    DealToHumanMove(app);
    const GameState& state = app.State();
    const CardList& hand = state.hands[HumanSeat];
    const auto children = Children(app);
    // The hand, the pack, the discard pile, four seats and the notice.
    ASSERT_EQ(children.size(), static_cast<std::size_t>(hand.Count() + 7));
    for (int i = 0; i < hand.Count(); ++i) {
        QAccessibleInterface* card = children[static_cast<std::size_t>(i)];
        EXPECT_EQ(card->role(), QAccessible::Button);
        EXPECT_EQ(card->text(QAccessible::Name), SpokenCardName(hand.At(i)));
        const bool legal = IsLegalPlay(hand.At(i), state.topCard, state.currentSuit);
        EXPECT_EQ(card->text(QAccessible::Description), legal ? "playable" : "") << i;
    }
    EXPECT_NE(Named(app, QString("Draw pile, %1 cards").arg(state.deck.Remaining())), nullptr);
    const QString top = QString("Top card: %1; follow %2")
                            .arg(SpokenCardName(state.topCard), SpokenSuitName(state.currentSuit));
    ASSERT_NE(Named(app, top), nullptr);
    EXPECT_EQ(Named(app, top)->role(), QAccessible::StaticText);
    const QString you = children[hand.Count() + 2]->text(QAccessible::Name);
    EXPECT_TRUE(you.startsWith(QString("You: %1 cards, ").arg(hand.Count()))) << you.toStdString();
    EXPECT_TRUE(you.endsWith(QString::fromStdString(state.statusText[HumanSeat])));
    const QString left = children[hand.Count() + 3]->text(QAccessible::Name);
    EXPECT_TRUE(left.startsWith(QString::fromStdString(state.playerNames[0]) + ": "));
    ExpectInsideView(app);
    // Each card's rectangle is where a tap hits that card.
    for (int i = 0; i < hand.Count(); ++i) {
        const QRect r = children[static_cast<std::size_t>(i)]->rect();
        const QPoint centre = app.View().mapFromGlobal(r.center());
        EXPECT_EQ(state.table.HitHandCard(app.View().ToTable(centre), hand.Count()), i);
    }
}

// The view of a full-screen 1920 x 1080 window in the Sharp look: each card's rectangle
// is the part of it that shows, a full card's height, and each plate says its score.
TEST(AccessibleTable, SharpCardsHaveTheirOnScreenPlaceAndSeatsTheirScores) {
    AppFixture app;
    app.startLook = TableLook::Sharp;
    app.Start();
    app.Frame().resize(app.Frame().size() - app.View().size() + QSize(1920, 990));
    app.Trigger(ID_NEW_GAME_TOOLBAR);
    GameTestAccess::State(app.View().Game()).scores = {12, 0, 7, 31};
    const GameState& state = app.State();
    const SharpTable layout = app.View().SharpLayout();
    const int count = state.hands[HumanSeat].Count();
    const std::vector<QAccessibleInterface*> children = Children(app);
    const QPoint origin = app.View().mapToGlobal(QPoint(0, 0));
    for (int i = 0; i < count; ++i) {
        const QRect r = children[static_cast<std::size_t>(i)]->rect();
        const Rect strip = layout.handStrips[static_cast<std::size_t>(i)];
        EXPECT_EQ(
            r, QRect(origin + QPoint(strip.left, strip.top), QSize(strip.Width(), strip.Height())))
            << i;
        EXPECT_GE(r.height(), 220) << i;
        const QPoint centre = app.View().mapFromGlobal(r.center());
        EXPECT_EQ(layout.HandCardAt({centre.x(), centre.y()}), i);
    }
    ExpectInsideView(app);
    for (Seat seat = 0; seat < SeatCount; ++seat) {
        QAccessibleInterface* plate = children[static_cast<std::size_t>(count + 2 + seat)];
        const QString expected =
            QString("score %1").arg(state.scores[static_cast<std::size_t>(seat)]) +
            (seat == state.dealer ? ", dealer" : "");
        EXPECT_EQ(plate->text(QAccessible::Description), expected) << seat;
        EXPECT_TRUE(plate->text(QAccessible::Name)
                        .contains(QString("%1 card").arg(
                            state.hands[static_cast<std::size_t>(seat)].Count())));
    }
}

TEST(AccessibleTable, PressingACardPlaysItAsATapDoes) {
    AppFixture pressed, tapped;
    DealToHumanMove(pressed);
    DealToHumanMove(tapped);
    const GameState& state = pressed.State();
    ASSERT_EQ(state.hands, tapped.State().hands) << "the fixed clock deals both alike";
    int legal = -1;
    for (int i = 0; i < state.hands[HumanSeat].Count() && legal < 0; ++i)
        if (IsLegalPlay(state.hands[HumanSeat].At(i), state.topCard, state.currentSuit)) legal = i;
    if (legal < 0) GTEST_SKIP() << "no legal card in this deal";
    const Card card = state.hands[HumanSeat].At(legal);

    Press(Children(pressed)[static_cast<std::size_t>(legal)]);
    WaitWhileBusy(pressed.View());
    tapped.TapTable(tapped.HandCardPoint(legal));

    EXPECT_FALSE(state.hands[HumanSeat].Contains(card));
    EXPECT_EQ(state.hands, tapped.State().hands);
    EXPECT_EQ(state.topCard, tapped.State().topCard);
    EXPECT_EQ(state.statusText, tapped.State().statusText);
}

TEST(AccessibleTable, PressingThePackDrawsAsATapDoes) {
    AppFixture pressed, tapped;
    DealToHumanMove(pressed);
    DealToHumanMove(tapped);
    const int dealt = pressed.State().deck.DrawPos();
    const QString pack = QString("Draw pile, %1 cards").arg(pressed.State().deck.Remaining());
    Press(Named(pressed, pack));
    WaitWhileBusy(pressed.View());
    tapped.TapTable(tapped.DrawPilePoint());
    EXPECT_GT(pressed.State().deck.DrawPos(), dealt);
    EXPECT_EQ(pressed.State().hands, tapped.State().hands);
    EXPECT_EQ(pressed.State().deck.DrawPos(), tapped.State().deck.DrawPos());
}

TEST(AccessibleTable, WinnerScreenNamesTheWinnerAndPressDealsAnew) {
    AppFixture app;
    DealToHumanMove(app);
    GameState& state = GameTestAccess::State(app.View().Game());
    state.gameInProgress = false;
    state.handOver = true;
    state.betweenGames = true;
    state.gameWinner = TopSeat;
    app.View().PaintNow();
    const auto children = Children(app);
    ASSERT_EQ(children.size(), 2u);
    const QString winner = children[0]->text(QAccessible::Name);
    EXPECT_TRUE(winner.startsWith("Winner: " + QString::fromStdString(state.playerNames[1])))
        << winner.toStdString();
    Press(children[0]);
    WaitWhileBusy(app.View());
    EXPECT_TRUE(app.State().gameInProgress);
    EXPECT_GT(Children(app).size(), 2u);
}

// A name is the user's text: a number sign in it is not a place for the score.
TEST(AccessibleTable, ScoresKeepANameThatLooksLikeAPlaceholder) {
    AppFixture app;
    DealToHumanMove(app);
    GameState& state = GameTestAccess::State(app.View().Game());
    state.playerNames[0] = "Lea%1";
    state.scores = {3, 14, 15, 92};
    state.showHandScore = true;
    app.View().PaintNow();
    EXPECT_NE(
        Named(app, "Scores: You 3, Lea%1 14, Player2 15, Player3 92. Tap the table to go on."),
        nullptr);
}

TEST(AccessibleTable, IllegalCardPressChangesNothing) {
    AppFixture app;
    DealToHumanMove(app);
    const GameState& state = app.State();
    for (int i = 0; i < state.hands[HumanSeat].Count(); ++i) {
        if (IsLegalPlay(state.hands[HumanSeat].At(i), state.topCard, state.currentSuit)) continue;
        const auto handBefore = state.hands;
        Press(Children(app)[static_cast<std::size_t>(i)]);
        WaitWhileBusy(app.View());
        EXPECT_EQ(state.hands, handBefore);
        return;
    }
    GTEST_SKIP() << "every card is legal in this deal";
}

TEST(AccessibleTable, SuitChoiceShowsFourBoxesAndPressPicksOne) {
    AppFixture app;
    DealToHumanMove(app);
    const int eight = GiveHumanAnEight(GameTestAccess::State(app.View().Game()));
    ASSERT_GE(eight, 0);
    const std::size_t before = Children(app).size();
    Press(Children(app)[static_cast<std::size_t>(eight)]);
    WaitWhileBusy(app.View());
    ASSERT_TRUE(app.State().choosingSuit);
    // One card fewer, four boxes more.
    EXPECT_EQ(Children(app).size(), before - 1 + 4);
    for (const char* suit : {"Hearts", "Diamonds", "Clubs", "Spades"}) {
        QAccessibleInterface* box = Named(app, suit);
        ASSERT_NE(box, nullptr) << suit;
        EXPECT_EQ(box->role(), QAccessible::Button);
    }
    ExpectInsideView(app);
    Press(Named(app, "Clubs"));
    WaitWhileBusy(app.View());
    EXPECT_FALSE(app.State().choosingSuit);
    EXPECT_EQ(Named(app, "Clubs"), nullptr);
    EXPECT_TRUE(app.State().currentSuit == Clubs || app.State().handOver ||
                !IsEight(app.State().topCard));
}

// While the suit is asked for, a card cannot be played, so none is called playable.
TEST(AccessibleTable, NoCardIsPlayableWhileASuitIsAskedFor) {
    AppFixture app;
    DealToHumanMove(app);
    GameState& state = GameTestAccess::State(app.View().Game());
    const int eight = GiveHumanAnEight(state);
    ASSERT_GE(eight, 0);
    Press(Children(app)[static_cast<std::size_t>(eight)]);
    WaitWhileBusy(app.View());
    ASSERT_TRUE(app.State().choosingSuit);
    ASSERT_TRUE(app.State().humanTurn);
    // The other eights, which match anything at any other moment.
    CardList& hand = state.hands[HumanSeat];
    hand.Clear();
    for (const Suit suit : {Hearts, Diamonds, Clubs, Spades})
        if (MakeCard(Eight, suit) != state.topCard) hand.Add(MakeCard(Eight, suit));
    app.View().Game().RefreshCardCounts();
    const auto children = Children(app);
    ASSERT_GE(children.size(), static_cast<std::size_t>(hand.Count()));
    for (int i = 0; i < hand.Count(); ++i) {
        ASSERT_TRUE(IsLegalPlay(hand.At(i), state.topCard, state.currentSuit)) << i;
        QAccessibleInterface* card = children[static_cast<std::size_t>(i)];
        EXPECT_EQ(card->text(QAccessible::Name), SpokenCardName(hand.At(i)));
        EXPECT_EQ(card->text(QAccessible::Description), "") << i;
    }
}

// Events as a screen reader receives them, recorded instead of sent.
struct EventLog {
    struct Seen {
        QAccessible::Event type;
        QAccessible::Role role;
        QString name;
    };
    static inline std::vector<Seen> seen;
    static void Record(QAccessibleEvent* event) {
        QAccessibleInterface* iface = event->accessibleInterface();
        if (!iface) return;
        seen.push_back({event->type(), iface->role(), iface->text(QAccessible::Name)});
    }
    EventLog() {
        seen.clear();
        SetAccessibleEventSink(&Record);
    }
    ~EventLog() { SetAccessibleEventSink(nullptr); }
    bool Has(QAccessible::Event type, QAccessible::Role role, const QString& part) const {
        for (const Seen& s : seen)
            if (s.type == type && s.role == role && s.name.contains(part)) return true;
        return false;
    }
};

TEST(AccessibleTable, ChangesAndAnnouncementsRaiseEvents) {
    AppFixture app;
    app.Start();
    Children(app);  // a screen reader has read the title
    EventLog log;
    app.Trigger(ID_NEW_GAME_TOOLBAR);
    ASSERT_TRUE(app.State().humanTurn);
    // The title went, the hand came, and the human's status line was spoken.
    EXPECT_TRUE(log.Has(QAccessible::ObjectDestroyed, QAccessible::StaticText, ""));
    const QString first = SpokenCardName(app.State().hands[HumanSeat].At(0));
    EXPECT_TRUE(log.Has(QAccessible::ObjectCreated, QAccessible::Button, first));
    EXPECT_TRUE(
        log.Has(QAccessible::ObjectShow, QAccessible::Notification,
                QString("You: ") + QString::fromStdString(app.State().statusText[HumanSeat])));

    AnnounceToScreenReader(&app.Frame(), "Player2 plays the 9 of Hearts");
    EXPECT_TRUE(log.Has(QAccessible::ObjectShow, QAccessible::Notification,
                        "Player2 plays the 9 of Hearts"));
    EXPECT_EQ(Children(app).back()->text(QAccessible::Name), "Player2 plays the 9 of Hearts");
    // Each line of the move log is spoken as it is written.
    log.seen.clear();
    const int before = app.Frame().LogPanel()->List()->count();
    app.PlayHumanMove();
    const int after = app.Frame().LogPanel()->List()->count();
    ASSERT_GT(after, before);
    for (int i = before; i < after; ++i) {
        const QString line = app.Frame().LogPanel()->List()->item(i)->text();
        EXPECT_TRUE(log.Has(QAccessible::ObjectShow, QAccessible::Notification, line))
            << qPrintable(line);
    }
    // A repaint with nothing changed says nothing.
    log.seen.clear();
    app.View().PaintNow();
    EXPECT_TRUE(log.seen.empty());
}

// Hard seats search beside the window's thread, and the hint comes the same way: Ctrl+H
// at the person's move raises the best card and gives each move's odds, which a screen
// reader hears on the cards and the pack; the move takes them away.
TEST(AccessibleTable, AHintAgainstHardSeatsIsHeardOnEveryMoveItWeighs) {
    AppFixture app;
    app.startLook = TableLook::Sharp;
    app.Start();
    app.Frame().LevelAction(Level::Hard)->trigger();
    app.Trigger(ID_NEW_GAME_TOOLBAR);
    EXPECT_EQ(app.View().Game().ComputerLevel(), Level::Hard);
    for (int move = 0; move < 3 && app.State().humanTurn; ++move) {
        ASSERT_TRUE(app.Frame().HintAction()->isEnabled());
        QTest::keyClick(&app.View(), Qt::Key_H, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(app.State().hint.has_value(), 10000);
        const GameState& state = app.State();
        const MoveSurvey& hint = *state.hint;
        const CardList& hand = state.hands[HumanSeat];
        const auto percent = [](double share) { return QString::number(std::lround(share * 100)); };
        int heard = 0;
        for (const MoveOdds& odds : hint.moves) {
            const bool best = &odds == &hint.moves[hint.best];
            const QString said = (best ? QString("best move, %1 % to win the hand")
                                       : QString("%1 % to win the hand"))
                                     .arg(percent(odds.winShare));
            QAccessibleInterface* item =
                odds.move.IsDraw()
                    ? Named(app, QString("Draw pile, %1 cards").arg(state.deck.Remaining()))
                    : Named(app, SpokenCardName(odds.move.card));
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item->text(QAccessible::Description),
                      odds.move.IsDraw() ? said : "playable, " + said);
            heard += best ? 1 : 0;
        }
        EXPECT_EQ(heard, 1);
        const std::vector<bool> raised = RaisedCards(state, {});
        const Card bestCard = hint.moves[hint.best].move.card;
        for (int i = 0; i < hand.Count(); ++i)
            EXPECT_EQ(i < static_cast<int>(raised.size()) && raised[static_cast<std::size_t>(i)],
                      hand.At(i) == bestCard);
        EXPECT_FALSE(app.View().grab().isNull());
        app.PlayHumanMove();
        EXPECT_FALSE(app.State().hint.has_value()) << "the move takes the hint away";
    }
}

}  // namespace
}  // namespace mervane::testing
