#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "app/play/qt_platform.h"
#include "app_test_support.h"
#include "cards/card.h"
#include "game/texts.h"
#include "render/sharp_sheet_draw.h"
#include "render/sharp_table_draw.h"
#include "tests/cards/card_text.h"
#include "tests/game/game_test_access.h"

namespace mervane {

namespace {

using testing::AppFixture;
using testing::WaitWhileBusy;

// The hand's end as the player meets it in the window.
class HandResultInTheWindow : public ::testing::Test, public AppFixture {
  protected:
    // A dealt hand rearranged so that the human's 5 of Spades lets Left go out with its
    // Queen under Advanced Rules: "Skip" and its pause are the last thing before the sheet.
    void LeftGoesOutNext(std::int32_t leftScore) {
        Start();
        Trigger(ID_NEW_GAME_TOOLBAR);
        ASSERT_TRUE(State().humanTurn);
        GameState& state = GameTestAccess::State(View().Game());
        const Card hands[4][2] = {{ParseCard("5S"), ParseCard("9H")},
                                  {ParseCard("QS"), NoCard},
                                  {ParseCard("2H"), NoCard},
                                  {ParseCard("3H"), NoCard}};
        for (int seat = 0; seat < 4; ++seat) {
            state.hands[seat].Clear();
            for (Card card : hands[seat])
                if (card != NoCard) state.hands[seat].Add(card);
        }
        state.topCard = ParseCard("4S");
        state.currentSuit = Spades;
        state.passCount = 0;
        state.scores = {0, leftScore, 0, 0};
        GameSettings settings = View().Game().Settings();
        settings.rules.advanced = true;
        View().Game().ApplySettings(settings);
        View().Game().RefreshCardCounts();
    }

    // Taps the table once, while Left's "Skip" is shown.
    void TapDuringTheSkip() {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            if (tapped_ || State().statusText[LeftSeat] != text::Skip) return;
            tapped_ = true;
            TapTable({3, 3});
        });
        poll_.start(1);
    }

    QTimer poll_;
    bool tapped_ = false;
};

TEST_F(HandResultInTheWindow, ATapDuringTheLastPauseLeavesTheSheetUp) {
    LeftGoesOutNext(0);
    View().Platform().SetPauseScale(0.2);
    TapDuringTheSkip();
    TapTable(HandCardPoint(0));
    ASSERT_TRUE(tapped_);
    EXPECT_TRUE(State().handOver);
    EXPECT_TRUE(State().showHandScore);
    EXPECT_EQ(View().Game().HandsDealt(), 1);
    EXPECT_EQ(View().QueuedInputs(), 0u);
    // A tap on the sheet itself deals the next hand.
    TapTable({3, 3});
    EXPECT_EQ(View().Game().HandsDealt(), 2);
}

TEST_F(HandResultInTheWindow, ATapDuringTheLastPauseLeavesTheWinnerScreenUp) {
    LeftGoesOutNext(199);
    View().Platform().SetPauseScale(0.2);
    TapDuringTheSkip();
    TapTable(HandCardPoint(0));
    ASSERT_TRUE(tapped_);
    EXPECT_TRUE(State().handOver && State().betweenGames && !State().gameInProgress);
    EXPECT_EQ(View().State().gameWinner, LeftSeat);
    EXPECT_EQ(View().Game().HandsDealt(), 1);
}

// In the Sharp look the sheet fills the window on the felt, with the game's hands from
// the host's record; a click anywhere, even beyond where the scaled table would stand,
// goes on, and so does Enter.
TEST_F(HandResultInTheWindow, SharpSheetFillsTheWindowAndAnyClickOrEnterGoesOn) {
    startLook = TableLook::Sharp;
    LeftGoesOutNext(0);
    Frame().resize(1400, 500);
    ASSERT_TRUE(QTest::qWaitFor([&] { return View().width() > 2 * View().height(); }));
    TapHandCard(0);
    ASSERT_TRUE(State().showHandScore);
    const SharpSheetData data = SharpSheetFor(State(), Frame().Host().History().Hands());
    ASSERT_EQ(data.hands.size(), 1U);
    EXPECT_EQ(data.hands[0].winner, LeftSeat);
    const QImage shot = View().grab().toImage();
    const SharpSheetLayout layout =
        LayOutSharpSheet({shot.width(), shot.height()}, SharpSheetAskFor(data));
    const Color plate = PaletteFor(State().table.tableColor).plate;
    EXPECT_EQ(shot.pixelColor(layout.sheet.left + 3, layout.sheet.Center().y),
              QColor(RedOf(plate), GreenOf(plate), BlueOf(plate)));

    TapDevice({2, shot.height() / 2});
    EXPECT_EQ(View().Game().HandsDealt(), 2);
    ASSERT_TRUE(PlayOutHand());
    ASSERT_TRUE(State().showHandScore);
    QTest::keyClick(&View(), Qt::Key_Return);
    WaitWhileBusy(View());
    EXPECT_EQ(View().Game().HandsDealt(), 3);
}

}  // namespace
}  // namespace mervane
