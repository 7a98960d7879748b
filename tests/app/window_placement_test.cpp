// The window's place and zoom across starts, on two screens of known sizes: a
// 1280 x 1024 screen at the origin and a 1920 x 1200 screen to its right.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>

#include "app/frame/log_drawer.h"
#include "app/mervane_app.h"
#include "app/stores/window_state.h"
#include "app_test_support.h"

namespace mervane {
namespace {

using testing::AppFixture;

class WindowPlacementTest : public ::testing::Test, public AppFixture {
  protected:
    QString StatePath() { return Frame().WindowState().FilePath(); }
    // A state file as an earlier run would have left it, written before the start.
    void WriteState(const QByteArray& text) {
        QFile file(QFileInfo(SettingsPath()).dir().filePath("mervane-window.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Window]\n" + text);
    }
    void Restart() {
        Frame().close();
        Start();
    }
    QRect Room() { return Frame().screen()->availableGeometry(); }
};

TEST_F(WindowPlacementTest, TheWindowComesBackWhereItWasEveryTime) {
    Start();
    Frame().SetZoom(2);
    Frame().move(300, 60);
    for (int cycle = 0; cycle < 10; ++cycle) {
        Restart();
        EXPECT_EQ(Frame().frameGeometry().topLeft(), QPoint(300, 60)) << "start " << cycle;
        EXPECT_EQ(View().Zoom(), 2);
    }
    QSettings state(StatePath(), QSettings::IniFormat);
    EXPECT_EQ(state.value("Window/X").toInt(), 300);
    EXPECT_EQ(state.value("Window/WIDTH").toInt(), Frame().frameGeometry().width());
}

TEST_F(WindowPlacementTest, APlaceOnTheSecondScreenIsKept) {
    WriteState("ZOOM=1\nX=1500\nY=40\n");
    Start();
    EXPECT_EQ(Frame().frameGeometry().topLeft(), QPoint(1500, 40));
}

TEST_F(WindowPlacementTest, APlaceWhoseTitleBarIsOffEveryScreenIsDropped) {
    for (const QByteArray place :
         {"X=4000\nY=40\n", "X=100\nY=-15\n", "X=100\nY=1070\n", "X=-700\nY=40\n"}) {
        WriteState("ZOOM=1\n" + place);
        Start();
        const QRect frame = Frame().frameGeometry();
        bool titleBarShows = false;
        for (const QScreen* screen : QGuiApplication::screens())
            titleBarShows |= screen->availableGeometry().contains(frame.topLeft() + QPoint(60, 5));
        EXPECT_TRUE(titleBarShows)
            << place.constData() << " gave " << frame.x() << "," << frame.y();
        Frame().close();
    }
}

TEST_F(WindowPlacementTest, AStoredZoomIsCutSoThatTheWholeWindowFits) {
    WriteState("ZOOM=4\nX=0\nY=0\n");  // 4x is 1072 pixels of table alone
    Start();
    EXPECT_EQ(View().Zoom(), 3);
    EXPECT_TRUE(Room().contains(Frame().frameGeometry()));
    Restart();
    EXPECT_EQ(View().Zoom(), 3) << "what fits is what is remembered";
}

TEST_F(WindowPlacementTest, FourTimesIsKeptWhereTheScreenHasRoom) {
    WriteState("ZOOM=4\nX=1400\nY=0\n");
    Start();
    EXPECT_EQ(Frame().screen()->geometry().width(), 1920);
    EXPECT_EQ(View().Zoom(), 4);
    EXPECT_TRUE(Room().contains(Frame().frameGeometry()));
}

TEST_F(WindowPlacementTest, AFrameMeasuredLastTimeCountsInTheFit) {
    Start();
    Frame().SetZoom(3);
    const QSize frame = Frame().frameGeometry().size();
    const int spare = Room().height() - frame.height();
    Frame().close();
    // As if the window manager's frame had been that much taller than here; in the
    // look it was measured in, whose toolbar and log take their own room.
    const auto startWithFrameTallerBy = [&](int extra) {
        WriteState(QStringLiteral("ZOOM=3\nX=0\nY=0\nWIDTH=%1\nHEIGHT=%2\n[View]\nLOOK=Classic\n")
                       .arg(frame.width())
                       .arg(frame.height() + extra)
                       .toLatin1());
        Start();
        const int zoom = View().Zoom();
        Frame().close();
        return zoom;
    };
    EXPECT_EQ(startWithFrameTallerBy(spare), 3) << "a frame that just fits";
    EXPECT_EQ(startWithFrameTallerBy(spare + 1), 2) << "one pixel more does not";
    EXPECT_EQ(startWithFrameTallerBy(400), 3) << "an implausible frame counts as a usual one";
}

TEST(FittingZoom, TakesTheLargestThatFitsAndNeverLessThanOne) {
    const QSize around(2, 80);  // menu, toolbar and frame
    EXPECT_EQ(CMainFrame::FittingZoom(4, around, QSize(1280, 1024)), 3);
    EXPECT_EQ(CMainFrame::FittingZoom(4, around, QSize(1920, 1152)), 4);
    EXPECT_EQ(CMainFrame::FittingZoom(4, around, QSize(1920, 1151)), 3);
    EXPECT_EQ(CMainFrame::FittingZoom(2, around, QSize(1920, 1200)), 2) << "never raised";
    EXPECT_EQ(CMainFrame::FittingZoom(3, around, QSize(200, 200)), 1);
    EXPECT_EQ(CMainFrame::FittingZoom(3, around, QSize(721, 2000)), 2) << "width counts too";
}

// Below that width the drawer would hide too much of the table at the start; the
// person's choice to show it is kept for a wider window.
TEST_F(WindowPlacementTest, TheSharpLogStartsOpenOnlyInAWideWindow) {
    startLook = TableLook::Sharp;
    for (const auto& [width, open] : {std::pair{1500, true}, std::pair{1100, false}}) {
        WriteState(
            QStringLiteral("X=1300\nY=0\nVIEW_WIDTH=%1\nVIEW_HEIGHT=900\n").arg(width).toLatin1());
        Start();
        EXPECT_EQ(Frame().width(), width);
        EXPECT_EQ(Frame().Drawer()->isVisible(), open) << width;
        EXPECT_EQ(Frame().ShowLogAction()->isChecked(), open) << width;
        Frame().close();
    }
}

}  // namespace
}  // namespace mervane

// Two offscreen screens of known sizes, whatever the machine has.
int main(int argc, char* argv[]) {
    QTemporaryDir dir;
    const QString config = dir.filePath("screens.json");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return 2;
    file.write(R"({"screens": [
        {"name": "left", "x": 0, "y": 0, "width": 1280, "height": 1024,
         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "right", "x": 1280, "y": 0, "width": 1920, "height": 1200,
         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toUtf8());
    mervane::CMervaneApp::BeforeQApplication();
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
