// The window's furniture in each look: the move log as a dock beside the Classic table
// or a drawer over the Sharp one, and the toolbar each look carries.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QListWidget>
#include <QPropertyAnimation>
#include <QSettings>
#include <QSignalSpy>
#include <QToolBar>
#include <QToolButton>

#include "app/dialogs/score_dlg.h"
#include "app/dialogs/statistics_dlg.h"
#include "app/frame/log_drawer.h"
#include "app/frame/move_log_panel.h"
#include "app_test_support.h"

namespace mervane {
namespace {

using testing::AppFixture;
using testing::WaitWhileBusy;
using testing::WhenShown;

class FrameLooksTest : public ::testing::Test, public AppFixture {
  protected:
    LogDrawer& Drawer() { return *Frame().Drawer(); }
    QListWidget* List() { return Frame().LogPanel()->List(); }
    int StoredShowLog() {
        return QSettings(Frame().WindowState().FilePath(), QSettings::IniFormat)
            .value("View/SHOW_LOG")
            .toInt();
    }
    void PressL() {
        Frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
        QTest::keyClick(&View(), Qt::Key_L);
    }
    // Where the open drawer lies: against the table's right edge, as tall as it.
    QRect OpenPlace() {
        const QRect table = View().geometry();
        const int width = Drawer().width();
        return {table.right() + 1 - width, table.top(), width, table.height()};
    }
    QStringList ToolTexts() {
        QStringList texts;
        for (QAction* action : Frame().CommandBar()->actions()) texts << action->iconText();
        return texts;
    }
};

TEST_F(FrameLooksTest, TheSharpLogIsADrawerOverTheTableThatLOpensAndCloses) {
    startLook = TableLook::Sharp;
    CMainFrame& frame = Start();
    // The offscreen screen is narrower than the drawer wants: closed, yet remembered open.
    ASSERT_LT(frame.width(), CMainFrame::DrawerStartWidth);
    EXPECT_FALSE(Drawer().isVisible());
    EXPECT_FALSE(frame.ShowLogAction()->isChecked());
    EXPECT_EQ(StoredShowLog(), 1);
    EXPECT_FALSE(frame.LogPanel()->isVisible());
    EXPECT_TRUE(Drawer().isAncestorOf(List()));

    const QRect table = View().geometry();
    for (const bool animations : {false, true}) {
        SCOPED_TRACE(animations ? "sliding" : "at once");
        if (frame.AnimationsAction()->isChecked() != animations)
            frame.AnimationsAction()->trigger();
        PressL();
        EXPECT_TRUE(Drawer().IsOpen());
        EXPECT_TRUE(Drawer().isVisible());
        EXPECT_TRUE(frame.ShowLogAction()->isChecked());
        EXPECT_EQ(StoredShowLog(), 1);
        EXPECT_EQ(Drawer().pos().x() > OpenPlace().x(), animations) << "a slide starts outside";
        QTRY_COMPARE(Drawer().geometry(), OpenPlace());
        EXPECT_EQ(View().geometry(), table) << "the drawer lies over the table, taking no room";
        EXPECT_TRUE(List()->isVisible());
        // Yet the seats lay themselves out beside it, none under it.
        const double ratio = View().devicePixelRatioF();
        EXPECT_LE(View().SharpLayout().window.width, (table.width() - Drawer().width()) * ratio);

        PressL();
        if (animations) {
            const auto* slide = Drawer().findChild<QPropertyAnimation*>();
            EXPECT_GT(slide->endValue().toPoint().x(), OpenPlace().x()) << "it slides out";
        }
        EXPECT_FALSE(frame.ShowLogAction()->isChecked());
        EXPECT_EQ(StoredShowLog(), 0);
        QTRY_VERIFY(!Drawer().isVisible());
        EXPECT_EQ(View().SharpLayout().window.width, static_cast<int>(table.width() * ratio));
    }

    // The log fills and speaks in the drawer as in the dock.
    frame.ShowLogAction()->trigger();
    QSignalSpy spoken(frame.LogPanel(), &MoveLogPanel::lineAdded);
    Trigger(ID_NEW_GAME_TOOLBAR);
    ASSERT_TRUE(PlayOutHand());
    EXPECT_GE(List()->count(), 3);
    EXPECT_EQ(spoken.count(), List()->count());

    // No L while a dialog is open; the drawer's own button closes it.
    bool dialogShown = false;
    WhenShown<CStatisticsDlg>(frame, [&](CStatisticsDlg& dialog) {
        dialogShown = true;
        dialog.activateWindow();
        if (QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }))
            QTest::keyClick(&dialog, Qt::Key_L);
        dialog.reject();
    });
    frame.OnStatistics();
    EXPECT_TRUE(dialogShown);
    EXPECT_TRUE(Drawer().IsOpen());
    QTest::mouseClick(Drawer().findChild<QToolButton*>(), Qt::LeftButton);
    EXPECT_FALSE(Drawer().IsOpen());
    EXPECT_FALSE(frame.ShowLogAction()->isChecked());
}

TEST_F(FrameLooksTest, TheDrawersTextAndWidthGrowWithTheWindow) {
    startLook = TableLook::Sharp;
    CMainFrame& frame = Start();
    frame.ShowLogAction()->trigger();
    const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    for (const QSize window : {QSize(800, 560), QSize(1600, 1000), QSize(2400, 2160)}) {
        frame.resize(window);
        QTRY_COMPARE(frame.size(), window);
        const double grown = std::max(1.0, window.height() / 1080.0);
        EXPECT_NEAR(List()->font().pointSizeF(), desktop.pointSizeF() * grown, 0.01)
            << window.height();
        const double share = double(Drawer().width()) / View().width();
        EXPECT_TRUE(Drawer().width() >= 260 || share >= 0.22) << window.width();
        EXPECT_LE(share, 0.33) << window.width();
        QTRY_COMPARE(Drawer().geometry(), OpenPlace());
    }
}

TEST_F(FrameLooksTest, EachLookHasItsToolbarAndItsFormOfTheLog) {
    CMainFrame& frame = Start();  // Classic
    QToolBar& bar = *frame.CommandBar();
    const auto expectClassic = [&] {
        EXPECT_EQ(bar.actions(), QList<QAction*>{frame.Command(ID_NEW_GAME_TOOLBAR)});
        EXPECT_EQ(bar.iconSize(), QSize(16, 16));
        EXPECT_TRUE(frame.LogPanel()->isVisible());
        EXPECT_EQ(frame.LogPanel()->widget(), List());
        EXPECT_EQ(frame.dockWidgetArea(frame.LogPanel()), Qt::RightDockWidgetArea);
        EXPECT_LE(View().geometry().right(), frame.LogPanel()->geometry().left());
        EXPECT_FALSE(Drawer().isVisible());
        EXPECT_TRUE(frame.ShowLogAction()->shortcut().isEmpty()) << "L is the Sharp look's";
        EXPECT_EQ(List()->font(), frame.LogPanel()->font());
    };
    expectClassic();

    frame.LookAction(TableLook::Sharp)->trigger();
    ASSERT_EQ(
        bar.actions(),
        (QList<QAction*>{frame.Command(ID_NEW_GAME_TOOLBAR), frame.UndoAction(), frame.RedoAction(),
                         frame.RestartDealAction(), frame.Command(ID_SHOW_SCORE),
                         frame.StatisticsAction(), frame.ShowLogAction()}));
    EXPECT_EQ(ToolTexts(), (QStringList{"New Game", "Undo", "Redo", "Restart Deal", "Show Score",
                                        "Statistics", "Move Log"}));
    EXPECT_GE(bar.iconSize().width(), 24);
    for (QAction* action : bar.actions()) EXPECT_FALSE(action->icon().isNull());
    EXPECT_FALSE(frame.LogPanel()->isVisible());
    EXPECT_TRUE(Drawer().isAncestorOf(List()));

    // Each button runs the command of its menu item.
    const auto click = [&](QAction* action) {
        QTest::mouseClick(bar.widgetForAction(action), Qt::LeftButton);
        WaitWhileBusy(View());
    };
    click(frame.Command(ID_NEW_GAME_TOOLBAR));
    EXPECT_EQ(View().Game().HandsDealt(), 1);
    QStringList dialogs;
    WhenShown<CScoreDlg>(frame, [&](CScoreDlg& dialog) {
        dialogs << "score";
        dialog.accept();
    });
    click(frame.Command(ID_SHOW_SCORE));
    WhenShown<CStatisticsDlg>(frame, [&](CStatisticsDlg& dialog) {
        dialogs << "statistics";
        dialog.reject();
    });
    click(frame.StatisticsAction());
    EXPECT_EQ(dialogs, (QStringList{"score", "statistics"}));
    const bool open = Drawer().IsOpen();
    click(frame.ShowLogAction());
    EXPECT_EQ(Drawer().IsOpen(), !open);
    EXPECT_EQ(frame.ShowLogAction()->isChecked(), !open);

    // Back to Classic with the log shown: the dock, the one button.
    if (!frame.ShowLogAction()->isChecked()) frame.ShowLogAction()->trigger();
    frame.LookAction(TableLook::Classic)->trigger();
    expectClassic();
}

}  // namespace
}  // namespace mervane
