#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>

#include "app/frame/move_log_panel.h"
#include "app_test_support.h"

namespace mervane {
namespace {

using testing::AppFixture;

class MoveLogAppTest : public ::testing::Test, public AppFixture {
  protected:
    QListWidget& List() { return *Frame().LogPanel()->List(); }
    QStringList Shown() {
        QStringList lines;
        for (int i = 0; i < List().count(); ++i) lines << List().item(i)->text();
        return lines;
    }
    QVariant StoredShowLog() {
        return QSettings(Frame().WindowState().FilePath(), QSettings::IniFormat)
            .value("View/SHOW_LOG");
    }
};

TEST_F(MoveLogAppTest, ThePanelBesideTheTableShowsEachMoveAsItIsMade) {
    CMainFrame& frame = Start();
    MoveLogPanel& panel = *frame.LogPanel();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_TRUE(frame.ShowLogAction()->isChecked());
    EXPECT_EQ(frame.dockWidgetArea(&panel), Qt::RightDockWidgetArea);
    EXPECT_LE(View().geometry().right(), panel.geometry().left());
    EXPECT_EQ(List().count(), 0);

    Trigger(ID_NEW_GAME_TOOLBAR);
    ASSERT_TRUE(PlayOutHand());
    QApplication::processEvents();
    const auto& lines = panel.Log().Lines();
    QStringList expected;
    for (const std::string& line : lines) expected << QString::fromStdString(line);
    ASSERT_GE(expected.size(), 3);
    EXPECT_EQ(Shown(), expected);
    EXPECT_TRUE(expected.front().startsWith("Player1 deals; the starter is the "));
    EXPECT_TRUE(expected.back().contains(" the hand and score")) << expected.back().toStdString();
    // The newest line is the one in view.
    QScrollBar* scroll = List().verticalScrollBar();
    EXPECT_EQ(scroll->value(), scroll->maximum());

    // A new game starts the log afresh.
    messages.answers = {true};
    Trigger(ID_NEW_GAME);
    ASSERT_FALSE(Shown().isEmpty());
    EXPECT_TRUE(Shown().front().startsWith("Player2 deals; ")) << Shown().front().toStdString();
    EXPECT_EQ(Shown().filter(" deals; ").size(), 1);
}

TEST_F(MoveLogAppTest, TheToggleHidesTheLogAndIsRemembered) {
    CMainFrame& frame = Start();
    QAction* toggle = frame.ShowLogAction();
    EXPECT_TRUE(frame.ViewMenu()->actions().contains(toggle));
    EXPECT_EQ(toggle->text(), "Move &Log");
    const int viewWidth = View().width();
    toggle->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(frame.LogPanel()->isVisible());
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_GT(View().width(), viewWidth) << "the table takes the room the log left";
    EXPECT_EQ(StoredShowLog().toInt(), 0);
    frame.close();

    CMainFrame& again = Start();
    EXPECT_FALSE(again.LogPanel()->isVisible());
    EXPECT_FALSE(again.ShowLogAction()->isChecked());
    again.ShowLogAction()->trigger();
    EXPECT_TRUE(again.LogPanel()->isVisible());
    EXPECT_EQ(StoredShowLog().toInt(), 1);

    // The panel's own close button is the same choice.
    again.LogPanel()->close();
    EXPECT_FALSE(again.ShowLogAction()->isChecked());
    EXPECT_EQ(StoredShowLog().toInt(), 0);
}

}  // namespace
}  // namespace mervane
