#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTest>

#include "app_test_support.h"
#include "cards/rules.h"
#include "game/timings.h"
#include "tests/cards/card_text.h"
#include "tests/game/game_test_access.h"

namespace mervane {
namespace {

using testing::AppFixture;

// Each move's card and the slide the view shows the moment the game reports it.
struct Move {
    bool played = false;
    Seat seat = 0;
    Card card = NoCard;
    std::optional<Slide> slide;
};

class MoveWatcher : public GameObserver {
  public:
    explicit MoveWatcher(CMervaneView& view) : view_(view) { view_.Game().AddObserver(this); }
    ~MoveWatcher() { view_.Game().RemoveObserver(this); }

    void HandDealt(int hand, Seat dealer, Card starter) override {
        trace << QStringLiteral("deal %1 %2 %3").arg(hand).arg(dealer).arg(starter);
        dealing = view_.Dealing();
        if (!dealing) return;
        // Half way, and with every card in its place.
        dealFrame = view_.grab().toImage();
        view_.HoldSlidesAt(1.0);
        dealtFrame = view_.grab().toImage();
    }
    void StatusChanged(Seat seat, std::string_view text) override {
        trace << QStringLiteral("status %1 %2").arg(seat).arg(QByteArray(text.data(), text.size()));
    }
    void SuitNamed(Suit suit) override { trace << QStringLiteral("suit %1").arg(suit); }
    void HandEnded(Seat winner, const std::array<std::int32_t, SeatCount>& scores) override {
        trace << QStringLiteral("end %1 %2").arg(winner).arg(scores[0]);
    }
    void CardPlayed(Seat seat, Card card) override {
        trace << QStringLiteral("play %1 %2").arg(seat).arg(card);
        moves.push_back({true, seat, card, view_.Marks().slide});
        frames.push_back(view_.LastFrame());
    }
    void CardDrawn(Seat seat, Card card) override {
        trace << QStringLiteral("draw %1 %2").arg(seat).arg(card);
        moves.push_back({false, seat, card, view_.Marks().slide});
        frames.push_back(view_.LastFrame());
    }

    QStringList trace;
    std::vector<Move> moves;
    std::vector<QImage> frames;
    bool dealing = false;
    QImage dealFrame;  // the deal held half way
    QImage dealtFrame;

  private:
    CMervaneView& view_;
};

class MotionTest : public ::testing::Test, public AppFixture {
  protected:
    MotionTest() { startLook = TableLook::Sharp; }

    void StartCounting() {
        Start();
        QObject::connect(&View(), &CMervaneView::slideEnded, &View(),
                         [this](bool landed) { ++(landed ? landed_ : cut_); });
    }

    void Position(std::initializer_list<const char*> cards) {
        testing::SetHumanToMove(View(), cards);
    }

    void Key(int key) {
        const bool idle = !View().Busy();
        QTest::keyClick(&View(), Qt::Key(key));
        if (idle) testing::WaitWhileBusy(View());
    }

    // Where a card of the table the view paints stands, as a slide names it.
    static Point At(Rect card) { return {card.left, card.top}; }

    void SetFast(bool advanced) {
        GameSettings values = View().Game().Settings();
        values.playSpeed = Fast;
        values.rules.advanced = advanced;
        View().Game().ApplySettings(values);
    }

    int landed_ = 0;
    int cut_ = 0;
};

TEST_F(MotionTest, AnimationsIsOnByDefaultRememberedAndForTheSharpLookOnly) {
    Start();
    QAction* toggle = Frame().AnimationsAction();
    EXPECT_EQ(toggle->text(), "&Animations");
    EXPECT_TRUE(Frame().ViewMenu()->actions().contains(toggle));
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_TRUE(toggle->isEnabled());
    EXPECT_TRUE(View().Animations());
    toggle->trigger();
    EXPECT_FALSE(View().Animations());
    Frame().SetLook(TableLook::Classic);
    EXPECT_FALSE(toggle->isEnabled()) << "the Classic look never moves a card";

    AppFixture again;
    again.storedLook = true;
    again.Start(SettingsPath());
    EXPECT_FALSE(again.Frame().AnimationsAction()->isChecked());
    EXPECT_FALSE(again.Frame().AnimationsAction()->isEnabled());
    EXPECT_FALSE(again.View().Animations());
}

// A state file written before the choice existed has no ANIMATIONS: it reads as on.
TEST_F(MotionTest, AnimationsIsOnWhenTheStateFileDoesNotMentionIt) {
    QString state = SettingsPath();
    state.replace(QStringLiteral(".ini"), QStringLiteral("-window.ini"));
    QFile file(state);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[View]\nLOOK=Sharp\nSHOW_PLAYABLE=1\n");
    file.close();
    storedLook = true;
    Start();
    ASSERT_EQ(Frame().WindowState().FilePath(), state);
    ASSERT_TRUE(Frame().ShowPlayableAction()->isChecked()) << "the file was read";
    EXPECT_TRUE(Frame().AnimationsAction()->isChecked());
    EXPECT_TRUE(View().Animations());
}

TEST_F(MotionTest, APlayedCardSlidesToThePileOverTheCardBeneath) {
    Start();
    Trigger(ID_NEW_GAME_TOOLBAR);
    ASSERT_TRUE(State().humanTurn);
    Position({"KC", "3D", "9S", "5S"});
    // The King of Spades is all the Left seat may play on the 9 of Spades.
    GameState& state = GameTestAccess::State(View().Game());
    state.hands[LeftSeat].Clear();
    for (const char* card : {"4C", "KS", "6C"}) state.hands[LeftSeat].Add(ParseCard(card));
    const SharpTable before = View().SharpLayout();
    View().HoldSlidesAt(0.5);
    MoveWatcher watcher(View());
    TapHandCard(2);

    ASSERT_FALSE(watcher.moves.empty());
    const Move& mine = watcher.moves.front();
    ASSERT_TRUE(mine.played && mine.seat == HumanSeat && mine.slide);
    EXPECT_EQ(mine.slide->card, ParseCard("9S"));
    EXPECT_TRUE(mine.slide->faceUp);
    EXPECT_EQ(mine.slide->from, At(before.Seat(Bottom).cards[2])) << "from its own place";
    EXPECT_EQ(mine.slide->to, At(before.discard));
    EXPECT_EQ(mine.slide->toSize, before.card);
    EXPECT_EQ(mine.slide->t, 0.5);

    // A computer's card comes from the middle of its fan as it was, at the fan's size.
    const Move& left = watcher.moves.at(1);
    ASSERT_TRUE(left.played && left.seat == LeftSeat && left.slide);
    EXPECT_EQ(left.slide->card, ParseCard("KS"));
    EXPECT_EQ(left.slide->beneath, ParseCard("9S"));
    EXPECT_EQ(left.slide->from, At(before.Seat(Left).cards[1]));
    EXPECT_EQ(left.slide->fromSize, before.seatCard);

    // The last move is still on its way.
    ASSERT_TRUE(View().Sliding());
    EXPECT_TRUE(SlideShown(State(), View().Marks()));
    View().HoldSlidesAt(std::nullopt);
    EXPECT_FALSE(View().Sliding());
}

TEST_F(MotionTest, TheDealAndACardOnItsWayArePainted) {
    Start();
    View().HoldSlidesAt(0.5);
    {
        MoveWatcher watcher(View());
        Trigger(ID_NEW_GAME_TOOLBAR);
        ASSERT_TRUE(watcher.dealing) << "the deal fans out from the pack";
        EXPECT_NE(watcher.dealFrame, watcher.dealtFrame);
        View().HoldSlidesAt(std::nullopt);
        EXPECT_FALSE(View().Dealing());
    }
    Position({"KC", "3D", "9S", "5S"});
    View().HoldSlidesAt(0.5);
    TapHandCard(2);
    ASSERT_TRUE(View().Sliding());
    const QImage held = View().grab().toImage();
    View().HoldSlidesAt(std::nullopt);
    EXPECT_NE(View().grab().toImage(), held);
}

TEST_F(MotionTest, ADrawnCardComesFromThePackFaceUpOnlyForYou) {
    Start();
    Trigger(ID_NEW_GAME_TOOLBAR);
    Position({"KC", "3D", "9S"});
    View().HoldSlidesAt(0.5);
    MoveWatcher watcher(View());
    Key(Qt::Key_D);
    ASSERT_EQ(watcher.moves.size(), 1u);
    const std::optional<Slide> mine = watcher.moves[0].slide;
    ASSERT_TRUE(mine);
    EXPECT_FALSE(mine->played);
    EXPECT_TRUE(mine->faceUp);
    EXPECT_EQ(mine->hand, Bottom);
    EXPECT_EQ(mine->handIndex, 3);
    const SharpTable layout = View().SharpLayout();
    EXPECT_EQ(mine->from, At(layout.pack));
    EXPECT_EQ(mine->to, At(layout.Seat(Bottom).cards[3]));

    // The 9 of Spades leaves the Left seat nothing to play: it draws, face down.
    TapHandCard(2);
    ASSERT_GE(watcher.moves.size(), 3u);
    const Move& left = watcher.moves[2];
    ASSERT_FALSE(left.played);
    ASSERT_EQ(left.seat, LeftSeat);
    ASSERT_TRUE(left.slide);
    EXPECT_FALSE(left.slide->faceUp);
    EXPECT_EQ(left.slide->hand, Left);
    EXPECT_EQ(left.slide->handIndex, 3);
}

// Each move ends the slide before it: one card moves at a time, and it is always the
// last move's.
TEST_F(MotionTest, EachMoveEndsTheSlideBeforeIt) {
    StartCounting();
    View().HoldSlidesAt(0.5);
    MoveWatcher watcher(View());
    Trigger(ID_NEW_GAME_TOOLBAR);
    ASSERT_TRUE(PlayOutHand());
    ASSERT_GT(watcher.moves.size(), 10u);
    for (const Move& move : watcher.moves) {
        ASSERT_TRUE(move.slide);
        EXPECT_EQ(move.slide->card, move.card);
        EXPECT_EQ(move.slide->played, move.played);
    }
    // Every slide but the last was cut short by the move or the tap after it.
    EXPECT_EQ(landed_, 0);
    EXPECT_EQ(cut_ + 1, static_cast<int>(watcher.moves.size()));
}

// The slides run on their own clock: each lands before the game's next pause is over,
// so none is ever cut short by the move after it.
TEST_F(MotionTest, EverySlideLandsWithinThePauseAfterItsMove) {
    StartCounting();
    View().Platform().SetPauseScale(0.2);
    SetFast(false);  // a Draw Two's two cards come without a pause between them
    MoveWatcher watcher(View());
    Trigger(ID_NEW_GAME_TOOLBAR);
    QElapsedTimer clock;
    clock.start();
    while (!State().handOver && clock.elapsed() < 60000) {
        // The human waits for the table to settle, as the pauses do.
        QTRY_VERIFY_WITH_TIMEOUT(!View().Sliding(), 2000);
        if (!PlayHumanMove()) QTest::qWait(5);
    }
    ASSERT_TRUE(State().handOver);
    QTRY_VERIFY_WITH_TIMEOUT(!View().Sliding(), 2000);
    ASSERT_GT(watcher.moves.size(), 10u);
    EXPECT_EQ(cut_, 0);
    EXPECT_EQ(landed_, static_cast<int>(watcher.moves.size()));
}

TEST_F(MotionTest, ATapOrAKeyDuringASlideLandsItAndIsHandledAtOnce) {
    StartCounting();
    Trigger(ID_NEW_GAME_TOOLBAR);
    Position({"KC", "3D", "9S"});
    View().Platform().SetPauseScale(1);
    Key(Qt::Key_D);
    ASSERT_TRUE(View().Sliding());
    Key(Qt::Key_End);
    EXPECT_FALSE(View().Sliding());
    EXPECT_TRUE(View().Keys().RingShown()) << "the key was not kept waiting";
    EXPECT_EQ(cut_, 1);

    Key(Qt::Key_D);
    ASSERT_TRUE(View().Sliding());
    View().Platform().SetPauseScale(0);
    TapHandCard(2);
    EXPECT_EQ(cut_, 2);
    EXPECT_FALSE(State().hands[0].Contains(ParseCard("9S")));
}

TEST_F(MotionTest, TheGameIsTheSameWithAnimationsOnOrOff) {
    const auto play = [](AppFixture& app, bool animations) {
        app.startLook = TableLook::Sharp;
        app.Start();
        app.View().SetAnimations(animations);
        GameSettings values = app.View().Game().Settings();
        values.playSpeed = Fast;
        values.rules.advanced = true;
        app.View().Game().ApplySettings(values);
        app.View().Platform().SetPauseScale(0.1);
        MoveWatcher watcher(app.View());
        app.Trigger(ID_NEW_GAME_TOOLBAR);
        EXPECT_TRUE(app.PlayOutHand());
        return watcher.trace;
    };
    AppFixture off;
    const QStringList withoutSlides = play(off, false);
    const QStringList withSlides = play(*this, true);
    ASSERT_GT(withSlides.size(), 30);
    EXPECT_EQ(withSlides, withoutSlides);
}

TEST_F(MotionTest, TheClassicLookPaintsTheSameWithAnimationsOnOrOff) {
    const auto play = [](AppFixture& app, bool animations) {
        app.startLook = TableLook::Classic;
        app.Start();
        app.View().SetAnimations(animations);
        app.View().HoldSlidesAt(0.5);
        MoveWatcher watcher(app.View());
        app.Trigger(ID_NEW_GAME_TOOLBAR);
        EXPECT_TRUE(app.PlayOutHand());
        for (const Move& move : watcher.moves) EXPECT_FALSE(move.slide);
        EXPECT_FALSE(app.View().Sliding());
        app.View().repaint();
        watcher.frames.push_back(app.View().LastFrame());
        return watcher.frames;
    };
    AppFixture on;
    const std::vector<QImage> withSlides = play(on, true);
    const std::vector<QImage> withoutSlides = play(*this, false);
    ASSERT_GT(withSlides.size(), 10u);
    EXPECT_TRUE(withSlides == withoutSlides);
}

}  // namespace
}  // namespace mervane
