#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "app/close_request.h"
#include "app/game_setup_dlg.h"
#include "app/mervane_app.h"
#include "app/play_to_field.h"
#include "app/qt_platform.h"
#include "app/table_setup_dlg.h"
#include "app_test_support.h"

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

}  // namespace
}  // namespace mervane
