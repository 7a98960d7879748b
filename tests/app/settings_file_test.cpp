// Hand-written settings files through a start, the setup dialogs and an exit.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QSettings>

#include "app/dialogs/game_setup_dlg.h"
#include "app/dialogs/table_setup_dlg.h"
#include "app_test_support.h"

namespace mervane {
namespace {

using testing::AppFixture;
using testing::WhenShown;

class SettingsFileTest : public ::testing::Test, public AppFixture {
  protected:
    void WriteBytes(const QByteArray& bytes) const {
        QFile file(SettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray Bytes() const {
        QFile file(SettingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Opens Table Setup from the menu, runs `body`, then presses OK.
    void AcceptTableSetup(std::function<void(CTableSetupDlg&)> body) {
        WhenShown<CTableSetupDlg>(Frame(), [body](CTableSetupDlg& dialog) {
            body(dialog);
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        Trigger(ID_TABLE_SETUP);
    }
};

// --- a flag is on when its number is not 0, everywhere ---

TEST_F(SettingsFileTest, OddFlagNumbersReadTheSameInTheGameAndTheDialog) {
    WriteSettingsFile("[Settings]\nTRAINING=0\nSEVENCARDS=-1\nADVANCED=-4\n");
    Start();
    Trigger(ID_NEW_GAME_TOOLBAR);
    EXPECT_EQ(State().hands[1].Count(), 7) << "the game deals seven for -1";
    AcceptTableSetup([](CTableSetupDlg& dialog) {
        EXPECT_FALSE(dialog.TrainingBox()->isChecked());
        EXPECT_TRUE(dialog.SevenCardsBox()->isChecked());
        EXPECT_TRUE(dialog.AdvancedBox()->isChecked()) << "the game plays Advanced Rules for -4";
    });
    EXPECT_TRUE(State().rules.advanced) << "OK with nothing changed keeps them on";
    EXPECT_EQ(ReadSetting("Settings/ADVANCED"), "1");
    EXPECT_EQ(ReadSetting("Settings/SEVENCARDS"), "1");
    EXPECT_EQ(ReadSetting("Settings/TRAINING"), "0");
}

TEST_F(SettingsFileTest, ACardBackWithNoDesignIsKeptUntilOneIsPicked) {
    WriteSettingsFile("[Settings]\nCARDBACK=99\n");
    Start();
    AcceptTableSetup([](CTableSetupDlg& dialog) {
        EXPECT_EQ(dialog.CardBackList()->currentIndex(), -1) << "no design is selected";
        EXPECT_EQ(dialog.Preview()->CardBack(), 54)
            << "the preview shows the Blue back the table draws";
    });
    EXPECT_EQ(State().table.cardBackId, 99);
    EXPECT_EQ(ReadSetting("Settings/CARDBACK"), "99");
    AcceptTableSetup([](CTableSetupDlg& dialog) { dialog.CardBackList()->setCurrentIndex(1); });
    EXPECT_EQ(State().table.cardBackId, 55);
    EXPECT_EQ(ReadSetting("Settings/CARDBACK"), "55");
}

// --- nothing is written at exit ---

TEST_F(SettingsFileTest, StartZoomAndExitLeaveTheFileByteForByte) {
    const QByteArray text =
        "; Mervane, set up by hand\r\n[Settings]\r\nPLAYER1=Ren\xE9\r\n"
        "# the target we agreed on\r\nPLAYTO = 300\r\n\r\n[Window]\r\nZOOM=1\r\n";
    WriteBytes(text);
    Start();
    EXPECT_EQ(State().playerNames[0], "Ren\xC3\xA9");
    EXPECT_EQ(State().playTo, 300);
    QTest::keyClick(&Frame(), Qt::Key_Plus, Qt::ControlModifier);
    Trigger(ID_NEW_GAME_TOOLBAR);
    Trigger(ID_APP_EXIT);
    EXPECT_EQ(Bytes(), text);
    const QString state = Frame().WindowState().FilePath();
    EXPECT_EQ(QSettings(state, QSettings::IniFormat).value("Window/ZOOM").toInt(), 2);
}

TEST_F(SettingsFileTest, AFileWithAByteOrderMarkKeepsEverySetting) {
    const QByteArray text =
        "\xEF\xBB\xBF[Settings]\r\nPLAYER1=Ann\r\nPLAYER2=Bea\r\nPLAYER3=Cy\r\nPLAYTO=300\r\n"
        "PLAYSPEED=2\r\nTABLECOLOR=255\r\nCARDBACK=60\r\nTRAINING=1\r\nSEVENCARDS=1\r\n"
        "ADVANCED=1\r\n";
    WriteBytes(text);
    Start();
    const auto expectAll = [this] {
        EXPECT_EQ(State().playerNames, (std::array<std::string, 3>{"Ann", "Bea", "Cy"}));
        EXPECT_EQ(State().playTo, 300);
        EXPECT_EQ(State().computerDelayMs, 300);
        EXPECT_EQ(State().table.tableColor, 255u);
        EXPECT_EQ(State().table.cardBackId, 60);
        EXPECT_EQ(State().trainingMode, 1);
        EXPECT_EQ(State().rules, (RuleSet{.advanced = true, .sevenCards = true}));
    };
    expectAll();
    Frame().close();
    EXPECT_EQ(Bytes(), text) << "an exit leaves it as it was";
    Start();
    AcceptTableSetup([](CTableSetupDlg&) {});
    EXPECT_FALSE(QFile::exists(SettingsPath() + ".unreadable")) << "never put aside";
    Frame().close();
    Start();
    expectAll();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(" | ").toStdString();
}

// Qt calls each of these files malformed, yet reads every value in it.
TEST_F(SettingsFileTest, ANoteOrAStrayLineNeverCostsASettingThroughBothSetups) {
    const QByteArray values =
        "PLAYER1=Ann\nPLAYER2=Bea\nPLAYER3=Cy\nPLAYTO=300\nPLAYSPEED=2\nTABLECOLOR=255\n"
        "CARDBACK=60\nTRAINING=1\nSEVENCARDS=1\nADVANCED=1\n";
    const struct {
        const char* what;
        QByteArray text;
        QByteArray keptHead;
    } files[] = {
        {"a note first", "# my table\n\n; by hand\n[Settings]\n" + values,
         "# my table\n\n; by hand\n[Settings]\n"},
        {"a line without =", "[Settings]\nmy table\n" + values, "[Settings]\n"},
        {"a group without ]", "[Notes\nsome=thing\n[Settings]\n" + values, ""},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.what);
        WriteBytes(file.text);
        Start();
        WhenShown<CGameSetupDlg>(Frame(), [](CGameSetupDlg& dialog) {
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        Trigger(ID_GAME_SETUP);
        AcceptTableSetup([](CTableSetupDlg&) {});
        Frame().close();
        const QByteArray saved = Bytes();
        EXPECT_FALSE(QFile::exists(SettingsPath() + ".unreadable")) << "never put aside";
        EXPECT_TRUE(saved.startsWith(file.keptHead)) << saved.toStdString();
        for (const QByteArray& line : values.split('\n'))
            EXPECT_TRUE(saved.contains(line)) << line.toStdString() << " in\n"
                                              << saved.toStdString();
        Start();
        EXPECT_EQ(State().playerNames, (std::array<std::string, 3>{"Ann", "Bea", "Cy"}));
        EXPECT_EQ(State().playTo, 300);
        EXPECT_EQ(State().computerDelayMs, 300);
        EXPECT_EQ(State().table.tableColor, 255u);
        EXPECT_EQ(State().table.cardBackId, 60);
        EXPECT_EQ(State().trainingMode, 1);
        EXPECT_EQ(State().rules, (RuleSet{.advanced = true, .sevenCards = true}));
        EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(" | ").toStdString();
        Frame().close();
    }
}

// --- a save that fails says so, once a run ---

TEST_F(SettingsFileTest, ASettingsFolderThatIsAFileIsNamedInOneMessage) {
    WriteBytes("a regular file");
    const QString path = SettingsPath() + "/mervane.ini";
    Start(path);
    AcceptTableSetup([](CTableSetupDlg& dialog) { dialog.TrainingBox()->click(); });
    AcceptTableSetup([](CTableSetupDlg& dialog) { dialog.SevenCardsBox()->click(); });
    ASSERT_EQ(messages.shown.size(), 1) << messages.shown.join(" | ").toStdString();
    EXPECT_TRUE(messages.shown[0].contains(path)) << messages.shown[0].toStdString();
    EXPECT_EQ(State().trainingMode, 1) << "the new values hold for the run";
    EXPECT_TRUE(State().rules.sevenCards);
    Frame().close();
    Start(path);
    AcceptTableSetup([](CTableSetupDlg&) {});
    EXPECT_EQ(messages.shown.size(), 2) << "the next run is told again";
}

}  // namespace
// The Play menu's level is written at once, read back at the next start (an unknown
// one as Normal) and takes the computer seats at the next deal, never mid-hand.
TEST_F(SettingsFileTest, TheComputerLevelIsKeptAndTakesTheSeatsAtTheNextDeal) {
    WriteBytes("[Settings]\nLEVEL=expert\n");
    Start(SettingsPath());
    EXPECT_TRUE(Frame().LevelAction(Level::Normal)->isChecked()) << "an unknown level";
    Frame().LevelAction(Level::Hard)->trigger();
    EXPECT_TRUE(Bytes().contains("LEVEL=hard"));
    EXPECT_EQ(View().Game().ComputerLevel(), Level::Normal) << "not before a deal";
    Trigger(ID_NEW_GAME_TOOLBAR);
    EXPECT_EQ(View().Game().ComputerLevel(), Level::Hard);
    Frame().LevelAction(Level::Easy)->trigger();
    EXPECT_EQ(View().Game().ComputerLevel(), Level::Hard) << "the hand under way keeps its own";
    ASSERT_TRUE(PlayOutHand());
    TapTable({10, 10});
    EXPECT_EQ(View().Game().ComputerLevel(), Level::Easy);

    AppFixture again;
    again.Start(SettingsPath());
    EXPECT_TRUE(again.Frame().LevelAction(Level::Easy)->isChecked());
    EXPECT_EQ(again.View().Game().Settings().level, Level::Easy);
}

}  // namespace mervane
