#include "app/stores/settings_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "app/dialogs/message_box.h"
#include "app/stores/window_state.h"
#include "app_test_support.h"

namespace mervane {
namespace {

class SettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override { messages.Attach(boxes); }
    QString Path() const { return dir.filePath(QStringLiteral("mervane.ini")); }
    void Write(const QByteArray& text) const {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QSettings Raw() const { return QSettings(Path(), QSettings::IniFormat); }
    QByteArray Bytes(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A store that tells its failures through the fixture's message boxes.
    SettingsStore Store(const QString& path) {
        SettingsStore store(path);
        store.SetFailureReporter([this](const QString& text) { boxes.Show(nullptr, text); });
        return store;
    }

    QTemporaryDir dir;
    testing::MessageRecorder messages;
    MessageBoxes boxes;
};

TEST_F(SettingsStoreTest, NoFileGivesEveryDefault) {
    const GameSettings loaded = SettingsStore(Path()).Load();
    EXPECT_EQ(loaded.playerNames, (std::array<std::string, 3>{"Player1", "Player2", "Player3"}));
    EXPECT_EQ(loaded.playTo, 200);
    EXPECT_EQ(loaded.playSpeed, 1);
    EXPECT_EQ(loaded.tableColor, 39680);
    EXPECT_EQ(loaded.cardBackId, 54);
    EXPECT_EQ(loaded.trainingMode, 0);
    EXPECT_EQ(loaded.rules, RuleSet{});
}

TEST_F(SettingsStoreTest, SavedValuesReadBackWithTheirTypes) {
    GameSettings values;
    values.playerNames = {"Ann", "Bo, Jr", " Cy "};
    values.playSpeed = 2;
    values.playTo = 350;
    values.tableColor = 0x00123456;
    values.cardBackId = 61;
    values.trainingMode = 1;
    values.rules.advanced = true;
    const SettingsStore store = Store(Path());
    ASSERT_TRUE(store.SaveGameSetup(values, true));
    ASSERT_TRUE(store.SaveTableSetup(values));
    const GameSettings loaded = store.Load();
    EXPECT_EQ(loaded.playerNames, values.playerNames);
    EXPECT_EQ(loaded.playSpeed, 2);
    EXPECT_EQ(loaded.playTo, 350);
    EXPECT_EQ(loaded.tableColor, 0x00123456);
    EXPECT_EQ(loaded.cardBackId, 61);
    EXPECT_EQ(loaded.trainingMode, 1);
    EXPECT_EQ(loaded.rules, (RuleSet{.advanced = true, .sevenCards = false}));
    QSettings raw = Raw();
    EXPECT_EQ(raw.value("Settings/ADVANCED").toString(), "1");
    EXPECT_EQ(raw.value("Settings/SEVENCARDS").toString(), "0");
    EXPECT_EQ(raw.value("Settings/PLAYTO").toString(), "350");
    EXPECT_EQ(raw.value("Settings/PLAYER1").toString(), "Ann");
}

TEST_F(SettingsStoreTest, GameSetupWritesTheTargetOnlyWhenAsked) {
    GameSettings values;
    values.playTo = 123;
    ASSERT_TRUE(Store(Path()).SaveGameSetup(values, false));
    QSettings raw = Raw();
    EXPECT_TRUE(raw.contains("Settings/PLAYER3"));
    EXPECT_TRUE(raw.contains("Settings/PLAYSPEED"));
    EXPECT_FALSE(raw.contains("Settings/PLAYTO"));
    EXPECT_FALSE(raw.contains("Settings/CARDBACK"));
}

TEST_F(SettingsStoreTest, HandEditedValuesFallBackOneByOne) {
    Write(
        "[Settings]\nPLAYSPEED=7\nPLAYTO=abc\nCARDBACK=53\nTABLECOLOR=2147483648\n"
        "TRAINING=1x\nSEVENCARDS= 1 "
        "\nADVANCED=-4\nPLAYER1=ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMN\n"
        "PLAYER2=Bo, Jr\n");
    const GameSettings loaded = SettingsStore(Path()).Load();
    EXPECT_EQ(loaded.playSpeed, 7);  // taken as stored; the game ignores it
    EXPECT_EQ(loaded.playTo, 200);
    EXPECT_EQ(loaded.cardBackId, 53);
    EXPECT_EQ(loaded.tableColor, 39680) << "a number past 32 bits must not wrap round";
    EXPECT_EQ(loaded.trainingMode, 0);
    EXPECT_TRUE(loaded.rules.sevenCards);
    EXPECT_TRUE(loaded.rules.advanced) << "any number but 0 is on";
    EXPECT_EQ(loaded.playerNames[0].size(), 40u);
    EXPECT_EQ(loaded.playerNames[1], "Bo, Jr");
    EXPECT_EQ(loaded.playerNames[2], "Player3");
}

TEST_F(SettingsStoreTest, GarbageFileReadsAsDefaultsAndIsRewrittenCleanly) {
    static const char garbage[] = "\x00\xff\xfe[[[=\n\x01garbage";
    Write(QByteArray(garbage, sizeof garbage - 1));
    const SettingsStore store = Store(Path());
    EXPECT_EQ(store.Load().playTo, 200);
    GameSettings values;
    values.cardBackId = 60;
    ASSERT_TRUE(store.SaveTableSetup(values));
    EXPECT_EQ(store.Load().cardBackId, 60);
    EXPECT_EQ(store.Load().playTo, 200);
    EXPECT_TRUE(QFile::exists(Path() + ".unreadable")) << "the unreadable file is kept aside";
}

TEST_F(SettingsStoreTest, AWriteThatCannotReachTheDiskReportsFailure) {
    const SettingsStore store = Store(QStringLiteral("/proc/no-such-folder/mervane.ini"));
    EXPECT_FALSE(store.SaveGameSetup(GameSettings{}, true));
    EXPECT_FALSE(store.SaveTableSetup(GameSettings{}));
    EXPECT_EQ(store.Load().playTo, 200);
    ASSERT_EQ(messages.shown.size(), 1) << "told once, not at every save";
    EXPECT_TRUE(messages.shown[0].contains("/proc/no-such-folder/mervane.ini"));
}

// A folder that is a regular file fails even for root.
TEST_F(SettingsStoreTest, EachRunTellsItsFirstFailedWriteOnly) {
    Write("not a folder");
    const QString path = Path() + "/mervane.ini";
    for (int run = 1; run <= 2; ++run) {
        const SettingsStore store = Store(path);
        EXPECT_FALSE(store.SaveTableSetup(GameSettings{}));
        EXPECT_FALSE(store.SaveGameSetup(GameSettings{}, false));
        EXPECT_EQ(messages.shown.size(), run);
    }
    EXPECT_TRUE(messages.shown.last().contains(path)) << messages.shown.last().toStdString();
}

// Root writes through read-only modes; run as an ordinary user, e.g.
// setpriv --reuid=65534 --regid=65534 --clear-groups build/tests/app/app_test.
TEST_F(SettingsStoreTest, ReadOnlyFileOrFolderIsAFailureAndKeepsTheFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root ignores read-only modes";
    // Qt calls both files malformed, which hides a failed write from its status.
    for (const QByteArray& text : {QByteArray("\xEF\xBB\xBF[Settings]\nPLAYTO=300\n"),
                                   QByteArray("# mine\n[Settings]\nPLAYTO=300\n")}) {
        Write(text);
        for (const QString& locked : {Path(), dir.path()}) {
            QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
            EXPECT_FALSE(Store(Path()).SaveTableSetup(GameSettings{}));
            QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            EXPECT_EQ(Bytes(Path()), text) << locked.toStdString();
            EXPECT_FALSE(QFile::exists(Path() + ".unreadable"));
        }
    }
    EXPECT_EQ(messages.shown.size(), 4);
}

TEST_F(SettingsStoreTest, AFileWithAByteOrderMarkIsReadWholeAndWrittenBack) {
    Write(
        "\xEF\xBB\xBF[Settings]\r\nPLAYER1=Ann\r\nPLAYTO=300\r\nCARDBACK=60\r\n"
        "ADVANCED=1\r\n");
    const SettingsStore store = Store(Path());
    GameSettings values = store.Load();
    EXPECT_EQ(values.playerNames[0], "Ann");
    EXPECT_EQ(values.playTo, 300);
    EXPECT_EQ(values.cardBackId, 60);
    EXPECT_TRUE(values.rules.advanced);
    values.cardBackId = 61;
    ASSERT_TRUE(store.SaveTableSetup(values));
    EXPECT_FALSE(QFile::exists(Path() + ".unreadable")) << "nothing was put aside";
    const GameSettings again = store.Load();
    EXPECT_EQ(again.playerNames[0], "Ann");
    EXPECT_EQ(again.playTo, 300);
    EXPECT_EQ(again.cardBackId, 61);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(SettingsStoreTest, ALatin1NameIsReadAsTypedAndStoredInUtf8) {
    for (const QByteArray& mark : {QByteArray(), QByteArray("\xEF\xBB\xBF")}) {
        Write(mark + "[Settings]\nPLAYER1=Ren\xE9\nPLAYER2=Zo\xC3\xAB\nPLAYER3=\"Bo, Jr\"\n");
        const SettingsStore store = Store(Path());
        const GameSettings loaded = store.Load();
        EXPECT_EQ(loaded.playerNames[0], "Ren\xC3\xA9");
        EXPECT_EQ(loaded.playerNames[1], "Zo\xC3\xAB");
        EXPECT_EQ(loaded.playerNames[2], "Bo, Jr");
        ASSERT_TRUE(store.SaveTableSetup(loaded));  // rewrites the whole file
        EXPECT_TRUE(Bytes(Path()).contains("PLAYER1=Ren\xC3\xA9\n"));
        EXPECT_EQ(store.Load().playerNames, loaded.playerNames);
    }
}

TEST_F(SettingsStoreTest, WindowStateHasAFileOfItsOwn) {
    const WindowStateStore store(dir.filePath("state/window.ini"), Path());
    EXPECT_EQ(store.Load().zoom, 0);
    EXPECT_FALSE(store.Load().position.has_value());
    ASSERT_TRUE(store.Save({.zoom = 3,
                            .position = QPoint(40, 50),
                            .frameSize = QSize(722, 875),
                            .viewSize = QSize(720, 804),
                            .maximized = true}));
    const WindowPlacement placement = store.Load();
    EXPECT_EQ(placement.zoom, 3);
    EXPECT_EQ(placement.position, QPoint(40, 50));
    EXPECT_EQ(placement.frameSize, QSize(722, 875));
    EXPECT_EQ(placement.viewSize, QSize(720, 804));
    EXPECT_TRUE(placement.maximized);
    EXPECT_EQ(store.LoadView().look, TableLook::Sharp) << "a new user's look";
    ASSERT_TRUE(store.SaveView({TableLook::Classic, "svg-penguins"}));
    EXPECT_EQ(store.LoadView().look, TableLook::Classic);
    EXPECT_EQ(store.LoadView().faces, "svg-penguins");
    EXPECT_EQ(store.Load().viewSize, QSize(720, 804)) << "the look leaves the place alone";
    EXPECT_FALSE(QFile::exists(Path())) << "the settings file is not touched";
}

TEST_F(SettingsStoreTest, WindowStateFallsBackToAnOldSettingsFileOnce) {
    const QByteArray old = "[Settings]\nPLAYTO=300\n\n[Window]\nX=12\nY=34\nZOOM=2\n";
    Write(old);
    const WindowStateStore store(dir.filePath("window.ini"), Path());
    const WindowPlacement placement = store.Load();
    EXPECT_EQ(placement.zoom, 2);
    EXPECT_EQ(placement.position, QPoint(12, 34));
    EXPECT_FALSE(placement.frameSize.has_value()) << "an old file never measured the frame";
    WindowPlacement moved;
    moved.zoom = 1;
    moved.position = QPoint(5, 6);
    ASSERT_TRUE(store.Save(moved));
    EXPECT_EQ(store.Load().position, QPoint(5, 6)) << "from now on the state file counts";
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
}

TEST_F(SettingsStoreTest, WindowStateFileFollowsTheEnvironment) {
    const QByteArray home = qgetenv("HOME");
    const QByteArray xdg = qgetenv("XDG_STATE_HOME");
    qunsetenv("MERVANE_SETTINGS_FILE");
    qputenv("HOME", dir.path().toUtf8());
    qputenv("XDG_STATE_HOME", "/somewhere/state");
    const QString program = ApplicationName();
    EXPECT_EQ(WindowStateStore(SettingsStore()).FilePath(),
              "/somewhere/state/Ostrale/" + program + "-window.ini");
    qputenv("XDG_STATE_HOME", "relative/state");  // to be ignored
    EXPECT_EQ(WindowStateStore(SettingsStore()).FilePath(),
              dir.path() + "/.local/state/Ostrale/" + program + "-window.ini");
    EXPECT_EQ(WindowStateStore(SettingsStore(Path())).FilePath(),
              dir.filePath("mervane-window.ini"))
        << "another settings file keeps its own window state";
    qputenv("MERVANE_WINDOW_STATE_FILE", "/tmp/w.ini");
    EXPECT_EQ(WindowStateStore(SettingsStore(Path())).FilePath(), "/tmp/w.ini");
    qunsetenv("MERVANE_WINDOW_STATE_FILE");
    qputenv("HOME", home);
    xdg.isNull() ? qunsetenv("XDG_STATE_HOME") : qputenv("XDG_STATE_HOME", xdg);
}

TEST_F(SettingsStoreTest, EnvironmentVariableNamesTheFile) {
    qputenv("MERVANE_SETTINGS_FILE", Path().toUtf8());
    EXPECT_EQ(SettingsStore().FilePath(), Path());
    qunsetenv("MERVANE_SETTINGS_FILE");
}

}  // namespace
}  // namespace mervane
