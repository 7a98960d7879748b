#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "app/dialogs/game_setup_dlg.h"
#include "app/dialogs/play_to_field.h"
#include "app/dialogs/table_setup_dlg.h"
#include "app/frame/close_request.h"
#include "app/mervane_app.h"
#include "app/play/qt_platform.h"
#include "app_test_support.h"
#include "tests/game/game_test_access.h"

namespace mervane {
namespace {

// Stand-ins for the X11 atoms when no X server is there.
constexpr std::uint32_t FakeProtocols = 901;
constexpr std::uint32_t FakeDelete = 902;

xcb_client_message_event_t DeleteWindowMessage(WId window, std::uint32_t protocols,
                                               std::uint32_t deleteWindow) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window);
    message.type = protocols;
    message.data.data32[0] = deleteWindow;
    message.data.data32[1] = XCB_CURRENT_TIME;
    return message;
}

// The window manager's close request as Qt's X11 platform hands it to native filters.
bool HandOverDeleteWindow(QWidget& window, std::uint32_t protocols = FakeProtocols,
                          std::uint32_t deleteWindow = FakeDelete) {
    xcb_client_message_event_t message =
        DeleteWindowMessage(window.winId(), protocols, deleteWindow);
    qintptr result = 0;
    return QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &message,
                                                                   &result);
}

std::uint32_t Atom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const std::uint32_t atom = reply ? reply->atom : std::uint32_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// Under X11: the very message a window manager sends, through the X server.
void SendDeleteWindowThroughTheServer(QWidget& window) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11->connection();
    const xcb_client_message_event_t message = DeleteWindowMessage(
        window.winId(), Atom(connection, "WM_PROTOCOLS"), Atom(connection, "WM_DELETE_WINDOW"));
    xcb_send_event(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

QWidget* VisibleWindowOf(const char* className) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->inherits(className)) return widget;
    return nullptr;
}

// Opens one kind of dialog from the menu of the running program; the close request
// comes once a window of class `shown` is up.
struct OpenDialog {
    const char* name;
    const char* shown;
    std::function<void(CMainFrame&)> open;
};

void PrintTo(const OpenDialog& dialog, std::ostream* out) {
    *out << dialog.name;
}

void Later(CMainFrame& frame, std::function<void()> step) {
    QTimer::singleShot(0, &frame, std::move(step));
}

const OpenDialog Dialogs[] = {
    {"GameSetup", "mervane::CGameSetupDlg",
     [](CMainFrame& frame) { frame.Command(ID_GAME_SETUP)->trigger(); }},
    {"TableSetup", "mervane::CTableSetupDlg",
     [](CMainFrame& frame) { frame.Command(ID_TABLE_SETUP)->trigger(); }},
    {"Colour", "mervane::CColorDlg",
     [](CMainFrame& frame) {
         testing::WhenShown<CTableSetupDlg>(frame, [&frame](CTableSetupDlg& setup) {
             Later(frame, [&setup] { setup.ColorButton()->click(); });
         });
         frame.Command(ID_TABLE_SETUP)->trigger();
     }},
    {"Score", "mervane::CScoreDlg",
     [](CMainFrame& frame) {
         QtGamePlatform& platform = frame.View()->Platform();
         platform.SetPauseScale(0);
         frame.Command(ID_NEW_GAME_TOOLBAR)->trigger();
         testing::WaitWhileBusy(*frame.View());
         platform.SetPauseScale(1);
         frame.Command(ID_SHOW_SCORE)->trigger();
     }},
    {"About", "mervane::CAboutDlg",
     [](CMainFrame& frame) { frame.Command(ID_APP_ABOUT)->trigger(); }},
    // A real message box over Game Setup: an empty target refused.
    {"MessageBox", "QMessageBox",
     [](CMainFrame& frame) {
         testing::WhenShown<CGameSetupDlg>(frame, [&frame](CGameSetupDlg& setup) {
             setup.PlayToEdit()->findChild<QLineEdit*>()->clear();
             Later(frame, [&setup] { setup.accept(); });
         });
         frame.Command(ID_GAME_SETUP)->trigger();
     }},
    // The dead-round message, which the chain of turns waits on without a loop of its own.
    {"DeadRound", "QMessageBox",
     [](CMainFrame& frame) {
         QtGamePlatform& platform = frame.View()->Platform();
         platform.SetPauseScale(0);
         frame.Command(ID_NEW_GAME_TOOLBAR)->trigger();
         testing::WaitWhileBusy(*frame.View());
         MervaneGame& game = frame.View()->Game();
         GameTestAccess::State(game).passCount = 5;
         GameTestAccess::ComputerTurn(game, 1);
     }},
};

// The whole program under its own event loop, closed by the window manager while
// a dialog is open: exec() returns 0 within a second, nothing asked, nothing stored.
class WindowManagerCloseTest : public ::testing::TestWithParam<OpenDialog> {
  protected:
    void RunClosedBy(const std::function<void(CMainFrame&)>& sendClose) {
        QTemporaryDir dir;
        const QString path = dir.filePath("mervane.ini");
        qputenv("MERVANE_SETTINGS_FILE", path.toUtf8());
        CMervaneApp app;
        ASSERT_TRUE(app.InitInstance());
        CMainFrame& frame = *app.MainFrame();
        const QString statePath = frame.WindowState().FilePath();
        const OpenDialog& dialog = GetParam();
        QElapsedTimer sinceClose;
        bool dialogSeen = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!VisibleWindowOf(dialog.shown)) return;
            poll.stop();
            dialogSeen = true;
            sinceClose.start();
            sendClose(frame);
        });
        Later(frame, [&] {
            poll.start(10);
            dialog.open(frame);
        });
        QTimer ignored;  // a close that is ignored leaves the program running
        ignored.setSingleShot(true);
        QObject::connect(&ignored, &QTimer::timeout, [] { QCoreApplication::exit(3); });
        ignored.start(10000);
        frame.View()->Platform().FixClock(LocalTime{7, 2, 0, 0, 0});  // a deal without messages
        const int result = QApplication::exec();
        poll.stop();
        qunsetenv("MERVANE_SETTINGS_FILE");
        ASSERT_TRUE(dialogSeen) << dialog.name;
        EXPECT_EQ(result, 0) << dialog.name << ": the close was ignored";
        EXPECT_LT(sinceClose.elapsed(), 1000) << dialog.name;
        EXPECT_FALSE(frame.isVisible());
        EXPECT_EQ(VisibleWindowOf("QDialog"), nullptr) << dialog.name;
        QSettings stored(path, QSettings::IniFormat);
        stored.beginGroup("Settings");
        EXPECT_TRUE(stored.childKeys().isEmpty()) << dialog.name << ": nothing is accepted";
        EXPECT_TRUE(QSettings(statePath, QSettings::IniFormat).contains("Window/ZOOM"))
            << dialog.name << ": the window's place is kept as Exit keeps it";
    }
};

TEST_P(WindowManagerCloseTest, EndsTheProgramAtOnce) {
    std::unique_ptr<CloseRequestFilter> filter;
    RunClosedBy([&filter](CMainFrame& frame) {
        filter = std::make_unique<CloseRequestFilter>(frame, FakeProtocols, FakeDelete);
        EXPECT_TRUE(HandOverDeleteWindow(frame)) << "taken from Qt, which would drop it";
    });
}

// The same through a real X server (run by the X11 test under xvfb-run).
TEST_P(WindowManagerCloseTest, EndsTheProgramAtOnceUnderX11) {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X server";
    RunClosedBy([](CMainFrame& frame) { SendDeleteWindowThroughTheServer(frame); });
}

// A signal to the process while a dialog is open: the same close from the event loop.
TEST_P(WindowManagerCloseTest, ATerminationSignalClosesAsExitDoes) {
    RunClosedBy([](CMainFrame&) { ::raise(SIGTERM); });
    // Handled once; the default is back for a second signal.
    struct sigaction now {};
    ::sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

INSTANTIATE_TEST_SUITE_P(EachDialog, WindowManagerCloseTest, ::testing::ValuesIn(Dialogs),
                         [](const auto& info) { return std::string(info.param.name); });

class CloseRequestTest : public ::testing::Test, public testing::AppFixture {};

// Without a modal window Qt closes the window itself; other messages and windows,
// and the same request for another window, are left alone.
TEST_F(CloseRequestTest, LeavesToQtWhatQtHandles) {
    CMainFrame& frame = Start();
    CloseRequestFilter filter(frame, FakeProtocols, FakeDelete);
    EXPECT_FALSE(HandOverDeleteWindow(frame)) << "no modal window: Qt's own close";
    bool checked = false;
    testing::WhenShown<QDialog>(frame, [&](QDialog& about) {
        checked = true;
        EXPECT_FALSE(HandOverDeleteWindow(frame, FakeProtocols, FakeDelete + 1));
        EXPECT_FALSE(HandOverDeleteWindow(frame, FakeProtocols + 1, FakeDelete));
        EXPECT_FALSE(HandOverDeleteWindow(about)) << "a dialog's own close is Qt's";
        about.reject();
    });
    Trigger(ID_APP_ABOUT);
    EXPECT_TRUE(checked);
    EXPECT_TRUE(frame.isVisible());
}

// A deck whose every face takes a long while to draw: one heavy picture used by all 52.
QByteArray SlowDeckSvg() {
    QByteArray svg = R"(<svg xmlns="http://www.w3.org/2000/svg" )"
                     R"(xmlns:xlink="http://www.w3.org/1999/xlink" width="300" height="400">)"
                     "<defs><g id=\"heavy\">";
    std::uint32_t seed = 7;
    const auto next = [&seed](int range) {
        seed = seed * 1664525u + 1013904223u;
        return int((seed >> 8) % std::uint32_t(range));
    };
    for (int path = 0; path < 400; ++path) {
        svg += "<path fill-opacity=\"0.3\" stroke=\"blue\" stroke-width=\"0.3\" d=\"M150,200";
        for (int point = 0; point < 60; ++point)
            svg += " L" + QByteArray::number(next(290)) + "," + QByteArray::number(next(400));
        svg += " Z\"/>";
    }
    svg += "</g></defs>";
    const char* const suits[] = {"club", "diamond", "heart", "spade"};
    const char* const ranks[] = {"1", "2", "3",  "4",    "5",     "6",   "7",
                                 "8", "9", "10", "jack", "queen", "king"};
    for (const char* suit : suits)
        for (const char* rank : ranks)
            svg +=
                QByteArray("<g id=\"") + rank + "_" + suit + "\"><use xlink:href=\"#heavy\"/></g>";
    return svg + "</svg>";
}

// Ctrl+Q in the middle of a game whose deck draws slowly: the window never waited for
// the deck, so the key is taken at once and the program ends with the faces unfinished.
TEST(ExitDuringAGame, CtrlQEndsTheProgramWhateverTheDeckIsDoing) {
    QTemporaryDir dir;
    const QString deckFolder = dir.filePath("data/carddecks/slow-deck");
    ASSERT_TRUE(QDir().mkpath(deckFolder));
    QFile svg(deckFolder + "/slow.svg");
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.write(SlowDeckSvg());
    svg.close();
    qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
    qputenv("MERVANE_SETTINGS_FILE", dir.filePath("mervane.ini").toUtf8());
    {
        CMervaneApp app;
        ASSERT_TRUE(app.InitInstance());
        CMainFrame& frame = *app.MainFrame();
        CMervaneView& view = *frame.View();
        frame.SetLook(TableLook::Sharp);
        frame.SetFaces("slow-deck");
        view.Platform().FixClock(LocalTime{7, 2, 0, 0, 0});
        ASSERT_TRUE(QTest::qWaitFor([&] { return view.ActiveFaces() != nullptr; }, 5000));
        CardFaceRenderer& faces = *view.ActiveFaces();
        ASSERT_TRUE(QTest::qWaitFor([&] { return faces.Parsed(); }, 20000));
        ASSERT_TRUE(faces.Ok());
        int drawnAtExit = -1;
        QTimer::singleShot(0, &frame, [&] {
            QTest::keyClick(frame.windowHandle(), Qt::Key_N, Qt::ControlModifier);
            ASSERT_TRUE(view.State().gameInProgress);
            // Within the computer's first pause.
            QTimer::singleShot(100, &frame, [&] {
                drawnAtExit = faces.RenderCount();
                QTest::keyClick(frame.windowHandle(), Qt::Key_Q, Qt::ControlModifier);
            });
        });
        QTimer stuck;  // an Exit that is not taken leaves the program running
        stuck.setSingleShot(true);
        QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(3); });
        stuck.start(60000);
        EXPECT_EQ(QApplication::exec(), 0);
        EXPECT_FALSE(frame.isVisible());
        // The hand and the discard pile show at least six faces.
        EXPECT_GE(drawnAtExit, 0);
        EXPECT_LT(drawnAtExit, 6) << "the window drew the deck's faces itself";
    }
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("MERVANE_SETTINGS_FILE");
}

// The built program as a user runs it, ended by kill, Ctrl+C in its terminal or a
// logout: it closes as Exit does, keeps its window's place and exits with 0.
TEST(TerminationSignal, TheRealProgramClosesAsExitDoes) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        QTemporaryDir dir;
        const QString statePath = dir.filePath("window.ini");
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("MERVANE_SETTINGS_FILE", dir.filePath("mervane.ini"));
        env.insert("MERVANE_WINDOW_STATE_FILE", statePath);
        env.insert("MERVANE_PRINT_FIRST_PAINT", "1");  // tells that the event loop runs
        program.setProcessEnvironment(env);
        program.start(MERVANE_PROGRAM, {});
        ASSERT_TRUE(program.waitForStarted());
        QByteArray out;
        while (!out.contains("first-paint-ns") && program.waitForReadyRead(10000))
            out += program.readAllStandardOutput();
        ASSERT_TRUE(out.contains("first-paint-ns")) << program.readAllStandardError().data();
        ASSERT_EQ(::kill(pid_t(program.processId()), signal), 0);
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
        EXPECT_TRUE(QSettings(statePath, QSettings::IniFormat).contains("Window/ZOOM"));
        EXPECT_FALSE(QFile::exists(dir.filePath("mervane.ini"))) << "settings are not saved";
    }
}

}  // namespace
}  // namespace mervane
