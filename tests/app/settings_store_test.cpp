#include "app/settings_store.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace mervane {
namespace {

class SettingsStoreTest : public ::testing::Test {
  protected:
    QString Path() const { return dir.filePath(QStringLiteral("mervane.ini")); }
    void Write(const QByteArray& text) const {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QSettings Raw() const { return QSettings(Path(), QSettings::IniFormat); }

    QTemporaryDir dir;
};

TEST_F(SettingsStoreTest, NoFileGivesEveryDefault) {
    const GameSettings loaded = SettingsStore(Path()).Load();
    EXPECT_EQ(loaded.playerNames, (std::array<std::string, 3>{"Player1", "Player2", "Player3"}));
    EXPECT_EQ(loaded.playTo, 200);
    EXPECT_EQ(loaded.playSpeed, 1);
    EXPECT_EQ(loaded.tableColor, 39680);
    EXPECT_EQ(loaded.cardBackId, 54);
    EXPECT_EQ(loaded.trainingMode, 0);
    EXPECT_EQ(loaded.sevenCards, 0);
    EXPECT_EQ(loaded.advancedRules, 0);
}

TEST_F(SettingsStoreTest, SavedValuesReadBackWithTheirTypes) {
    GameSettings values;
    values.playerNames = {"Ann", "Bo, Jr", " Cy "};
    values.playSpeed = 2;
    values.playTo = 350;
    values.tableColor = 0x00123456;
    values.cardBackId = 61;
    values.trainingMode = 1;
    values.advancedRules = 1;
    const SettingsStore store(Path());
    ASSERT_TRUE(store.SaveGameSetup(values, true));
    ASSERT_TRUE(store.SaveTableSetup(values));
    const GameSettings loaded = store.Load();
    EXPECT_EQ(loaded.playerNames, values.playerNames);
    EXPECT_EQ(loaded.playSpeed, 2);
    EXPECT_EQ(loaded.playTo, 350);
    EXPECT_EQ(loaded.tableColor, 0x00123456);
    EXPECT_EQ(loaded.cardBackId, 61);
    EXPECT_EQ(loaded.trainingMode, 1);
    EXPECT_EQ(loaded.sevenCards, 0);
    EXPECT_EQ(loaded.advancedRules, 1);
    QSettings raw = Raw();
    EXPECT_EQ(raw.value("Settings/PLAYTO").toString(), "350");
    EXPECT_EQ(raw.value("Settings/PLAYER1").toString(), "Ann");
}

TEST_F(SettingsStoreTest, GameSetupWritesTheTargetOnlyWhenAsked) {
    GameSettings values;
    values.playTo = 123;
    ASSERT_TRUE(SettingsStore(Path()).SaveGameSetup(values, false));
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
    EXPECT_EQ(loaded.sevenCards, 1);
    EXPECT_EQ(loaded.advancedRules, -4);
    EXPECT_EQ(loaded.playerNames[0].size(), 40u);
    EXPECT_EQ(loaded.playerNames[1], "Bo, Jr");
    EXPECT_EQ(loaded.playerNames[2], "Player3");
}

TEST_F(SettingsStoreTest, GarbageFileReadsAsDefaultsAndIsRewrittenCleanly) {
    static const char garbage[] = "\x00\xff\xfe[[[=\n\x01garbage";
    Write(QByteArray(garbage, sizeof garbage - 1));
    const SettingsStore store(Path());
    EXPECT_EQ(store.Load().playTo, 200);
    GameSettings values;
    values.cardBackId = 60;
    ASSERT_TRUE(store.SaveTableSetup(values));
    EXPECT_EQ(store.Load().cardBackId, 60);
    EXPECT_EQ(store.Load().playTo, 200);
    EXPECT_TRUE(QFile::exists(Path() + ".unreadable")) << "the unreadable file is kept aside";
}

TEST_F(SettingsStoreTest, AWriteThatCannotReachTheDiskReportsFailure) {
    const SettingsStore store(QStringLiteral("/proc/no-such-folder/mervane.ini"));
    EXPECT_FALSE(store.SaveGameSetup(GameSettings{}, true));
    EXPECT_FALSE(store.SaveTableSetup(GameSettings{}));
    EXPECT_EQ(store.Load().playTo, 200);
}

TEST_F(SettingsStoreTest, WindowPlacementHasItsOwnGroup) {
    const SettingsStore store(Path());
    EXPECT_EQ(store.LoadWindow().zoom, 0);
    EXPECT_FALSE(store.LoadWindow().position.has_value());
    ASSERT_TRUE(store.SaveWindow({3, QPoint(40, 50)}));
    const WindowPlacement placement = store.LoadWindow();
    EXPECT_EQ(placement.zoom, 3);
    EXPECT_EQ(placement.position, QPoint(40, 50));
    EXPECT_TRUE(Raw().contains("Window/ZOOM"));
    EXPECT_FALSE(Raw().contains("Settings/ZOOM"));
}

TEST_F(SettingsStoreTest, EnvironmentVariableNamesTheFile) {
    qputenv("MERVANE_SETTINGS_FILE", Path().toUtf8());
    EXPECT_EQ(SettingsStore().FilePath(), Path());
    qunsetenv("MERVANE_SETTINGS_FILE");
}

}  // namespace
}  // namespace mervane
