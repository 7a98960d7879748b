#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

#include "app/dialogs/about_dlg.h"
#include "app/dialogs/color_dlg.h"
#include "app/dialogs/color_swatch.h"
#include "app/dialogs/game_setup_dlg.h"
#include "app/dialogs/help_window.h"
#include "app/dialogs/message_box.h"
#include "app/dialogs/play_to_field.h"
#include "app/dialogs/score_dlg.h"
#include "app/dialogs/statistics_dlg.h"
#include "app/dialogs/table_setup_dlg.h"
#include "app/translations.h"
#include "app_test_support.h"
#include "render/bitmap_cache.h"
#include "tests/game/game_test_access.h"

// Readable failures for the geometry checks.
inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}
inline void PrintTo(const QSize& s, std::ostream* out) {
    *out << s.width() << " x " << s.height();
}

namespace mervane {
namespace {

using testing::AppFixture;
using testing::WhenShown;

void ClickOk(QDialog& dialog) {
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}
void ClickCancel(QDialog& dialog) {
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
}
bool HasFocusIn(QDialog& dialog, QWidget* field) {
    QWidget* focus = dialog.focusWidget();
    return focus == field || field->isAncestorOf(focus);
}
void SetPlayTo(CGameSetupDlg& dialog, const QString& text) {
    QLineEdit* edit = dialog.PlayToEdit()->findChild<QLineEdit*>();
    edit->setText(text);
}

// Keys and shortcuts need the dialog itself active. QTest::qWaitForWindowActive()
// takes a dialog for active while its parent still is, before the dialog's own
// activation has come through.
bool MadeActive(QWidget& dialog) {
    dialog.activateWindow();
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; });
}

class DialogTest : public ::testing::Test, public AppFixture {
  protected:
    // The window's game state, to arrange scores in.
    GameState& Position() { return GameTestAccess::State(View().Game()); }

    // Opens the Game Setup dialog from the menu and runs `body` while it is open.
    void WithGameSetup(std::function<void(CGameSetupDlg&)> body) {
        WhenShown<CGameSetupDlg>(Frame(), body);
        Trigger(ID_GAME_SETUP);
    }
    void WithTableSetup(std::function<void(CTableSetupDlg&)> body) {
        WhenShown<CTableSetupDlg>(Frame(), body);
        Trigger(ID_TABLE_SETUP);
    }
};

TEST_F(DialogTest, GameSetupOpensFilledAndStoresWhatIsAccepted) {
    Start();
    bool opened = false;
    WithGameSetup([&](CGameSetupDlg& dialog) {
        opened = true;
        EXPECT_EQ(dialog.windowTitle(), "Setup");
        EXPECT_EQ(dialog.NameEdit(0)->text(), "Player1");
        EXPECT_EQ(dialog.NameEdit(2)->text(), "Player3");
        EXPECT_EQ(dialog.PlayToEdit()->text(), "200");
        EXPECT_EQ(dialog.SpeedList()->currentText(), "Normal");
        EXPECT_EQ(dialog.SpeedList()->count(), 3);
        EXPECT_TRUE(HasFocusIn(dialog, dialog.NameEdit(0)));
        dialog.NameEdit(0)->setText("Alexandria");  // exactly ten characters
        dialog.NameEdit(1)->setText("");
        dialog.SpeedList()->setCurrentIndex(2);
        SetPlayTo(dialog, "350");
        ClickOk(dialog);
    });
    ASSERT_TRUE(opened);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(State().playerNames[0], "Alexandria");
    EXPECT_EQ(State().playerNames[1], "");
    EXPECT_EQ(State().computerDelayMs, 300);
    EXPECT_EQ(State().playTo, 350);
    EXPECT_EQ(ReadSetting("Settings/PLAYER1"), "Alexandria");
    EXPECT_TRUE(HasSetting("Settings/PLAYER2"));
    EXPECT_EQ(ReadSetting("Settings/PLAYSPEED"), "2");
    EXPECT_EQ(ReadSetting("Settings/PLAYTO"), "350");
    EXPECT_FALSE(HasSetting("Settings/CARDBACK"));
}

TEST_F(DialogTest, GameSetupRefusesABadTargetWithFocusAndSelectionBack) {
    Start();
    QStringList stillOpen;
    WithGameSetup([&](CGameSetupDlg& dialog) {
        dialog.NameEdit(0)->setText("far too long a name");
        for (const QString& bad :
             {QString(), QString("0"), QString("501"), QString("99999999999")}) {
            messages.shown.clear();
            SetPlayTo(dialog, bad);
            dialog.NameEdit(1)->setFocus();
            ClickOk(dialog);
            if (dialog.isVisible()) stillOpen << bad;
            EXPECT_EQ(messages.shown.size(), 1) << "the names wait for a good target";
            EXPECT_TRUE(HasFocusIn(dialog, dialog.PlayToEdit())) << bad.toStdString();
            EXPECT_EQ(dialog.PlayToEdit()->findChild<QLineEdit*>()->selectedText(), bad);
            const QString expected = bad.isEmpty() || bad.size() > 10
                                         ? "Please enter an integer."
                                         : "Please enter an integer between 1 and 500.";
            EXPECT_EQ(messages.shown.value(0), expected) << bad.toStdString();
        }
        ClickCancel(dialog);
    });
    EXPECT_EQ(stillOpen.size(), 4);
    EXPECT_EQ(State().playTo, 200);
    EXPECT_FALSE(QFile::exists(SettingsPath())) << "cancel writes nothing";
}

TEST_F(DialogTest, GameSetupChecksNamesLeftTopRight) {
    Start();
    WithGameSetup([&](CGameSetupDlg& dialog) {
        dialog.NameEdit(0)->setText("Elevenchars");
        dialog.NameEdit(2)->setText("Elevenchars");
        ClickOk(dialog);
        EXPECT_EQ(messages.shown,
                  QStringList{"Left Player's Name too Long(Max of 10 characters)."});
        EXPECT_TRUE(HasFocusIn(dialog, dialog.NameEdit(0)));
        dialog.NameEdit(0)->setText("Ten chars!");
        ClickOk(dialog);
        EXPECT_EQ(messages.shown.value(1), "Right Player's Name too Long(Max of 10 characters).");
        EXPECT_TRUE(HasFocusIn(dialog, dialog.NameEdit(2)));
        dialog.NameEdit(2)->setText("");
        dialog.NameEdit(1)->setText("ÅÄÖåäöÆØæø");  // ten characters in any script
        ClickOk(dialog);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(State().playerNames[1], "ÅÄÖåäöÆØæø");
}

// Tab and Shift+Tab go round the same cycle, both ways, round after round.
TEST_F(DialogTest, GameSetupTabGoesRoundTheSameCycleBothWays) {
    Start();
    WithGameSetup([&](CGameSetupDlg& dialog) {
        EXPECT_TRUE(MadeActive(dialog));
        auto* buttons = dialog.Buttons();
        const std::vector<QWidget*> cycle{dialog.NameEdit(0),
                                          dialog.NameEdit(1),
                                          dialog.NameEdit(2),
                                          buttons->button(QDialogButtonBox::Ok),
                                          buttons->button(QDialogButtonBox::Cancel),
                                          dialog.PlayToEdit(),
                                          dialog.SpeedList()};
        const auto place = [&] {
            for (std::size_t i = 0; i < cycle.size(); ++i)
                if (HasFocusIn(dialog, cycle[i])) return int(i);
            return -1;
        };
        const int n = int(cycle.size());
        for (const bool forward : {true, false}) {
            dialog.NameEdit(0)->setFocus(Qt::OtherFocusReason);
            std::vector<int> seen, expected;
            for (int press = 1; press <= 2 * n; ++press) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                                forward ? Qt::NoModifier : Qt::ShiftModifier);
                seen.push_back(place());
                expected.push_back(((forward ? press : -press) % n + n) % n);
            }
            EXPECT_EQ(seen, expected) << (forward ? "Tab" : "Shift+Tab");
        }
        ClickCancel(dialog);
    });
}

TEST_F(DialogTest, PlayToUpDownWrapsAtBothEnds) {
    Start();
    WithGameSetup([&](CGameSetupDlg& dialog) {
        PlayToField* field = dialog.PlayToEdit();
        SetPlayTo(dialog, "500");
        QTest::keyClick(field, Qt::Key_Up);
        EXPECT_EQ(field->text(), "1");
        QTest::keyClick(field, Qt::Key_Down);
        EXPECT_EQ(field->text(), "500");
        QTest::keyClick(field, Qt::Key_Down);
        EXPECT_EQ(field->text(), "499");
        field->findChild<QLineEdit*>()->clear();
        QTest::keyClicks(field, "4x2");  // letters never get in
        EXPECT_EQ(field->text(), "42");
        ClickCancel(dialog);
    });
}

// Only the ASCII digits get in, typed or pasted; other scripts' digits never do.
TEST_F(DialogTest, PlayToTakesAsciiDigitsOnly) {
    Start();
    WithGameSetup([&](CGameSetupDlg& dialog) {
        PlayToField* field = dialog.PlayToEdit();
        QLineEdit* edit = field->findChild<QLineEdit*>();
        const QString arabicThree = QString(QChar(0x0663));
        const QString fullWidthThree = QString(QChar(0xFF13));
        const QString devanagariFive = QString(QChar(0x096B));
        // Typed one key at a time, only the ASCII digits stay; pasted, any other
        // character refuses the whole text.
        const struct {
            QString text;
            const char* typed;
        } cases[] = {{arabicThree, "7"},
                     {fullWidthThree, "7"},
                     {devanagariFive, "7"},
                     {"1" + fullWidthThree, "71"},
                     {QString(QChar(0xB2)), "7"},
                     {" 12", "712"},
                     {"-5", "75"},
                     {"+5", "75"}};
        for (const auto& [foreign, typed] : cases) {
            edit->setText("7");
            edit->end(false);
            for (QChar c : foreign)  // as a keyboard of that script types it
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), {});
            EXPECT_EQ(field->text().toStdString(), typed) << "typed " << foreign.toStdString();
            edit->setText("7");
            edit->selectAll();
            QApplication::clipboard()->setText(foreign);
            edit->paste();
            EXPECT_EQ(field->text().toStdString(), "7") << "pasted " << foreign.toStdString();
        }
        edit->selectAll();
        QApplication::clipboard()->setText("0123456789");
        edit->paste();
        EXPECT_EQ(field->text(), "0123456789");
        QApplication::clipboard()->setText("250");
        edit->selectAll();
        edit->paste();
        ClickOk(dialog);
    });
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(State().playTo, 250);
}

TEST_F(DialogTest, ChangedTargetMidGameAnsweredNoKeepsTheTargetButNotTheRest) {
    Start();
    Trigger(ID_NEW_GAME_TOOLBAR);
    messages.answers = {false};
    WithGameSetup([&](CGameSetupDlg& dialog) {
        SetPlayTo(dialog, "300");
        dialog.NameEdit(0)->setText("Zed");
        dialog.SpeedList()->setCurrentIndex(0);
        ClickOk(dialog);
    });
    EXPECT_EQ(messages.shown, QStringList({"\"Play To\" points changed, Quit Current Game?",
                                           "Points change not saved."}));
    EXPECT_EQ(State().playTo, 200);
    EXPECT_EQ(State().playerNames[0], "Zed");
    EXPECT_EQ(State().computerDelayMs, 2000);
    EXPECT_EQ(ReadSetting("Settings/PLAYSPEED"), "0");
    EXPECT_FALSE(HasSetting("Settings/PLAYTO"));
    EXPECT_EQ(View().Game().HandsDealt(), 1);
}

TEST_F(DialogTest, ChangedTargetMidGameAnsweredYesStartsAgain) {
    Start();
    Trigger(ID_NEW_GAME_TOOLBAR);
    Position().scores[2] = 40;
    messages.answers = {true};
    WithGameSetup([&](CGameSetupDlg& dialog) {
        SetPlayTo(dialog, "300");
        ClickOk(dialog);
    });
    EXPECT_EQ(State().playTo, 300);
    EXPECT_EQ(ReadSetting("Settings/PLAYTO"), "300");
    EXPECT_EQ(View().Game().HandsDealt(), 2);
    EXPECT_EQ(State().scores[2], 0);
    EXPECT_TRUE(State().gameInProgress);
}

TEST_F(DialogTest, UnchangedTargetOrOnlySpeedMidGameAsksNothing) {
    Start();
    Trigger(ID_NEW_GAME_TOOLBAR);
    WithGameSetup([&](CGameSetupDlg& dialog) {
        dialog.SpeedList()->setCurrentIndex(2);
        ClickOk(dialog);
    });
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(State().computerDelayMs, 300);
    EXPECT_EQ(View().Game().HandsDealt(), 1);
}

TEST_F(DialogTest, HandEditedSettingsLoadWithoutHarm) {
    const QString longName(40, QChar('W'));
    WriteSettingsFile("[Settings]\nPLAYSPEED=7\nPLAYTO=abc\nCARDBACK=53\nPLAYER1=" + longName +
                      "\n");
    Start();
    EXPECT_EQ(State().computerDelayMs, 1000);
    EXPECT_EQ(State().playTo, 200);
    EXPECT_EQ(State().table.cardBackId, 53);
    EXPECT_EQ(State().playerNames[0], longName.toStdString());
    Trigger(ID_NEW_GAME_TOOLBAR);
    ASSERT_TRUE(PlayOutHand());  // paints every step with the odd back and the long name
    WithGameSetup([&](CGameSetupDlg& dialog) {
        EXPECT_EQ(dialog.SpeedList()->currentText(), "Normal");
        EXPECT_EQ(dialog.NameEdit(0)->text(), longName);
        ClickOk(dialog);
        EXPECT_EQ(messages.shown.value(0), "Left Player's Name too Long(Max of 10 characters).");
        ClickCancel(dialog);
    });
    WithTableSetup([&](CTableSetupDlg& dialog) {
        EXPECT_EQ(dialog.CardBackList()->currentIndex(), -1);
        ClickOk(dialog);
    });
    EXPECT_EQ(State().table.cardBackId, 53) << "no choice made, the stored number stays";
}

TEST_F(DialogTest, StoredTargetOutOfRangeIsShownAndRefused) {
    WriteSettingsFile("[Settings]\nPLAYTO=900\n");
    Start();
    EXPECT_EQ(State().playTo, 900);
    WithGameSetup([&](CGameSetupDlg& dialog) {
        EXPECT_EQ(dialog.PlayToEdit()->text(), "900");
        ClickOk(dialog);
        EXPECT_TRUE(dialog.isVisible());
        ClickCancel(dialog);
    });
    EXPECT_EQ(messages.shown, QStringList{"Please enter an integer between 1 and 500."});
}

TEST_F(DialogTest, AcceptedValuesStayWhenTheFileCannotBeWritten) {
    Start(QStringLiteral("/proc/no-such-folder/mervane.ini"));
    WithGameSetup([&](CGameSetupDlg& dialog) {
        dialog.NameEdit(2)->setText("Kept");
        SetPlayTo(dialog, "99");
        ClickOk(dialog);
    });
    WithTableSetup([&](CTableSetupDlg& dialog) {
        dialog.AdvancedBox()->click();
        ClickOk(dialog);
    });
    ASSERT_EQ(messages.shown.size(), 1) << "two failed writes, one message";
    EXPECT_TRUE(messages.shown[0].contains("/proc/no-such-folder/mervane.ini"));
    EXPECT_EQ(State().playerNames[2], "Kept");
    EXPECT_EQ(State().playTo, 99);
    EXPECT_TRUE(State().rules.advanced);
}

TEST_F(DialogTest, TableSetupOpensFilledAndWritesAllFive) {
    Start();
    Trigger(ID_NEW_GAME_TOOLBAR);
    WithTableSetup([&](CTableSetupDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Setup Table");
        EXPECT_EQ(dialog.Swatch()->CurrentColor(), DefaultTableColor);
        EXPECT_EQ(dialog.CardBackList()->currentText(), "Blue");
        EXPECT_EQ(dialog.CardBackList()->count(), 12);
        EXPECT_EQ(dialog.CardBackList()->itemText(4), "Dirty Yellow ");
        EXPECT_FALSE(dialog.TrainingBox()->isChecked());
        EXPECT_TRUE(HasFocusIn(
            dialog, dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)));
        dialog.CardBackList()->setCurrentIndex(3);
        EXPECT_EQ(dialog.Preview()->CardBack(), 57) << "the preview follows the list at once";
        dialog.TrainingBox()->click();
        dialog.SevenCardsBox()->click();
        ClickOk(dialog);
    });
    EXPECT_EQ(State().table.cardBackId, 57);
    EXPECT_EQ(State().trainingMode, 1);
    EXPECT_TRUE(State().rules.sevenCards);
    EXPECT_EQ(State().hands[1].Count(), State().table.HandSize(Left)) << "no redeal";
    EXPECT_EQ(ReadSetting("Settings/CARDBACK"), "57");
    EXPECT_EQ(ReadSetting("Settings/TRAINING"), "1");
    EXPECT_EQ(ReadSetting("Settings/SEVENCARDS"), "1");
    EXPECT_EQ(ReadSetting("Settings/ADVANCED"), "0");
    EXPECT_EQ(ReadSetting("Settings/TABLECOLOR"), "39680");
}

TEST_F(DialogTest, TableSetupCancelledAfterMixingAColourChangesNothing) {
    Start();
    WithTableSetup([&](CTableSetupDlg& dialog) {
        WhenShown<CColorDlg>(dialog, [](CColorDlg& picker) {
            picker.Slider(0)->setValue(200);
            ClickOk(picker);
        });
        dialog.ColorButton()->click();
        EXPECT_EQ(dialog.Swatch()->CurrentColor(), MakeColor(200, 155, 0));
        ClickCancel(dialog);
    });
    EXPECT_EQ(State().table.tableColor, DefaultTableColor);
    EXPECT_FALSE(QFile::exists(SettingsPath()));
}

TEST_F(DialogTest, ColourDialogMixesLiveAndCancelKeepsTheOldColour) {
    Start();
    WithTableSetup([&](CTableSetupDlg& dialog) {
        WhenShown<CColorDlg>(dialog, [](CColorDlg& picker) {
            EXPECT_EQ(picker.windowTitle(), "Edit RGB Color");
            EXPECT_EQ(picker.ValueEdit(0)->text(), "0");
            EXPECT_EQ(picker.ValueEdit(1)->text(), "155");
            EXPECT_EQ(picker.ValueEdit(2)->text(), "0");
            EXPECT_TRUE(picker.ValueEdit(1)->isReadOnly());
            EXPECT_TRUE(HasFocusIn(picker, picker.ValueEdit(0)));
            QSlider* green = picker.Slider(1);
            EXPECT_EQ(green->value(), 155);
            EXPECT_TRUE(green->invertedAppearance()) << "0 at the top";
            // A drag: every position on the way shows, not only the release.
            green->setSliderDown(true);
            green->setSliderPosition(60);
            EXPECT_EQ(picker.ValueEdit(1)->text(), "60");
            EXPECT_EQ(picker.Swatch()->CurrentColor(), MakeColor(0, 60, 0));
            green->setSliderDown(false);
            QTest::keyClick(green, Qt::Key_Down);
            EXPECT_EQ(green->value(), 70) << "down the slider is up the scale, by 10";
            QTest::keyClick(green, Qt::Key_PageDown);
            EXPECT_EQ(green->value(), 120);
            ClickCancel(picker);
        });
        dialog.ColorButton()->click();
        EXPECT_EQ(dialog.Swatch()->CurrentColor(), DefaultTableColor);
        WhenShown<CColorDlg>(dialog, [](CColorDlg& picker) {
            picker.Slider(2)->setValue(255);
            ClickOk(picker);
        });
        dialog.ColorButton()->click();
        ClickOk(dialog);
    });
    EXPECT_EQ(State().table.tableColor, MakeColor(0, 155, 255));
    EXPECT_EQ(ReadSetting("Settings/TABLECOLOR"), QString::number(MakeColor(0, 155, 255)));
    EXPECT_EQ(View().LastFrame().pixelColor(1, 1), QColor(Qt::white)) << "title still up";
}

TEST_F(DialogTest, ScoreDialogShowsTheSheetAndCloseChangesNothing) {
    Start();
    Trigger(ID_NEW_GAME_TOOLBAR);
    Position().scores = {125, 40, 0, 9};
    bool opened = false;
    WhenShown<CScoreDlg>(Frame(), [&](CScoreDlg& dialog) {
        opened = true;
        EXPECT_EQ(dialog.windowTitle(), "Score");
        EXPECT_EQ(dialog.scoreYou, 125);
        EXPECT_EQ(dialog.scoreLeft, 40);
        EXPECT_EQ(dialog.scoreRight, 9);
        EXPECT_EQ(dialog.seatNames[1], "Player2");
        const QImage sheet = dialog.Sheet()->grab().toImage();
        EXPECT_EQ(sheet.pixelColor(sheet.width() / 2, sheet.height() / 2 + 30), QColor(Qt::white));
        auto* close = dialog.findChild<QPushButton*>();
        ASSERT_NE(close, nullptr);
        EXPECT_EQ(QString(close->text()).remove(u'&'), "Close");
        close->click();
    });
    Trigger(ID_SHOW_SCORE);
    EXPECT_TRUE(opened);
    EXPECT_EQ(State().scores, (std::array<std::int32_t, 4>{125, 40, 0, 9}));
}

// The sheet's black outline: every black pixel lies on it or inside it.
QRect OutlineOf(const QImage& image) {
    QRect outline;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(0, 0, 0)) outline |= QRect(x, y, 1, 1);
    return outline;
}

// What a Score dialog showed: its frame, the sheet's area and picture, and the scale.
struct ScoreShown {
    QRect frame;
    QImage sheet;
    double scale = 0;
};

ScoreShown Record(CScoreDlg& dialog) {
    return {dialog.frameGeometry(),
            dialog.Sheet()->grab().toImage().convertToFormat(QImage::Format_RGB32),
            dialog.ShownScale()};
}

// The dialog is the sheet (its outline and a thin margin) and the Close button, at the
// table's zoom, and opens centred on the window. At 2x the sheet is the 1x sheet with
// every pixel a 2 x 2 block, as on the table.
TEST_F(DialogTest, ScoreDialogIsTheSheetAtTheTablesZoomCentredOnTheWindow) {
    Start();
    Trigger(ID_NEW_GAME_TOOLBAR);
    Position().scores = {125, 40, 0, 9};
    std::map<int, ScoreShown> shown;
    for (int zoom : {1, 2, 3}) {
        Frame().SetZoom(zoom);
        WhenShown<CScoreDlg>(Frame(), [&](CScoreDlg& dialog) {
            shown[zoom] = Record(dialog);
            const QRect area = dialog.Sheet()->geometry();
            const int buttonRow = dialog.findChild<QPushButton*>()->height();
            EXPECT_LE(dialog.height() - area.height(), buttonRow + 40) << zoom;
            EXPECT_LE(dialog.width() - area.width(), 40) << zoom;
            dialog.accept();
        });
        Trigger(ID_SHOW_SCORE);
        const ScoreShown& at = shown[zoom];
        ASSERT_FALSE(at.sheet.isNull()) << zoom;
        const QRect box = OutlineOf(at.sheet);
        ASSERT_FALSE(box.isEmpty()) << zoom;
        EXPECT_EQ(at.scale, zoom);
        // The margin round the outline is a few table pixels on each side.
        EXPECT_LE(at.sheet.width() - box.width(), 16 * zoom) << zoom;
        EXPECT_LE(at.sheet.height() - box.height(), 16 * zoom) << zoom;
        EXPECT_LE(std::abs(box.left() + box.right() + 1 - at.sheet.width()), 2 * zoom)
            << "centred across at " << zoom << "x";
        EXPECT_LE(std::abs(box.top() + box.bottom() + 1 - at.sheet.height()), 2 * zoom)
            << "centred down at " << zoom << "x";
        const QPoint off = at.frame.center() - Frame().frameGeometry().center();
        EXPECT_LE(off.manhattanLength(), 2) << "centred on the window at " << zoom << "x";
    }
    EXPECT_EQ(shown[2].sheet.size(), shown[1].sheet.size() * 2);
    const QRect small = OutlineOf(shown[1].sheet);
    const QRect large = OutlineOf(shown[2].sheet);
    ASSERT_EQ(large.size(), small.size() * 2);
    int wrong = 0;
    for (int y = 0; y < large.height(); ++y)
        for (int x = 0; x < large.width(); ++x)
            wrong += shown[2].sheet.pixel(large.left() + x, large.top() + y) !=
                     shown[1].sheet.pixel(small.left() + x / 2, small.top() + y / 2);
    EXPECT_EQ(wrong, 0) << "nearest-neighbour enlargement of the 1x sheet";
}

// A maximised window in either look: the dialog is no larger than the sheet needs;
// and a sheet of the longest names, too wide for the screen at the table's zoom, comes
// smaller but whole, on the screen (the test screen is 800 x 600).
TEST(ScoreDialogSize, SmallInALargeWindowAndWithinTheScreen) {
    for (const TableLook look : {TableLook::Classic, TableLook::Sharp}) {
        AppFixture app;
        app.startLook = look;
        app.Start();
        app.Trigger(ID_NEW_GAME_TOOLBAR);
        const QRect screen = app.Frame().screen()->availableGeometry();
        app.Frame().showMaximized();
        ASSERT_TRUE(QTest::qWaitFor([&] { return app.Frame().frameGeometry() == screen; }));
        const auto showScore = [&app] {
            ScoreShown shown;
            WhenShown<CScoreDlg>(app.Frame(), [&](CScoreDlg& dialog) {
                shown = Record(dialog);
                dialog.accept();
            });
            app.Trigger(ID_SHOW_SCORE);
            return shown;
        };
        const ScoreShown plain = showScore();
        ASSERT_FALSE(plain.sheet.isNull());
        const QRect window = app.Frame().frameGeometry();
        // The Sharp sheet has a column per seat and one for the hands' numbers.
        EXPECT_LT(plain.frame.width(),
                  look == TableLook::Classic ? window.width() * 3 / 4 : window.width())
            << plain.frame.width();
        EXPECT_LT(plain.frame.height(), window.height() / 2) << plain.frame.height();
        EXPECT_LE((plain.frame.center() - window.center()).manhattanLength(), 2);

        GameSettings wide = app.View().Game().Settings();
        wide.playerNames = {"WWWWWWWWWW", "WWWWWWWWWW", "WWWWWWWWWW"};
        app.View().Game().ApplySettings(wide);
        if (look == TableLook::Classic) app.Frame().SetZoom(3);
        const ScoreShown longNames = showScore();
        ASSERT_FALSE(longNames.sheet.isNull());
        EXPECT_TRUE(screen.contains(longNames.frame)) << longNames.frame.width();
        EXPECT_GE(longNames.scale, 1);
        // The Sharp sheet shrinks a long name within its column.
        if (look == TableLook::Sharp) continue;
        EXPECT_LT(longNames.scale, 3);
        const QRect box = OutlineOf(longNames.sheet);
        EXPECT_GT(box.left(), 0) << "the whole outline shows";
        EXPECT_LT(box.right(), longNames.sheet.width() - 1);
    }
}

TEST_F(DialogTest, AboutBoxShowsPictureVersionAndCredit) {
    Start();
    bool opened = false;
    WhenShown<CAboutDlg>(Frame(), [&](CAboutDlg& about) {
        opened = true;
        EXPECT_EQ(about.windowTitle(), "About Mervane");
        QStringList texts;
        for (QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
        EXPECT_TRUE(texts.join('\n').contains("Version 1.0"));
        // Wide enough for the whole title, bold in the title font, beside a frame's
        // icon and three buttons.
        QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        titleFont.setBold(true);
        const QFontMetrics title(titleFont);
        EXPECT_GE(about.width(), title.horizontalAdvance(about.windowTitle()) + 4 * title.height())
            << "title bar cut short";
        ClickOk(about);
    });
    Trigger(ID_APP_ABOUT);
    EXPECT_TRUE(opened);
}

int DistinctColours(const QImage& image, QRect region) {
    std::set<QRgb> colours;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

// The sheet of a Score dialog opened on its own, as the view fills it, after `hands`
// hands each won by the next seat.
QImage ScoreSheetShown(QWidget& parent, bool sharp, double scale, int zoom, int hands,
                       QSize* size) {
    CScoreDlg dialog(&parent);
    dialog.seatNames = {"Player1", "Player2", "Player3"};
    dialog.scoreYou = 125;
    dialog.scoreLeft = 40;
    for (int i = 0; i < hands; ++i) {
        HandScore hand{.winner = i % SeatCount};
        hand.points[static_cast<std::size_t>(hand.winner)] = 7;
        dialog.hands.push_back(hand);
    }
    dialog.tableColor = DefaultTableColor;
    dialog.sharp = sharp;
    dialog.scale = scale;
    dialog.zoom = zoom;
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    *size = dialog.frameGeometry().size();
    return dialog.Sheet()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Classic: the boxed sheet in black and white. Sharp: the table's hand-by-hand sheet on
// its felt, as large as the table's scale makes it, its text smooth; a long game keeps
// the dialog on the screen.
TEST_F(DialogTest, SharpScoreDialogShowsTheHandsOnTheFeltAtTheTablesScale) {
    Start();
    QSize size;
    const QImage classic = ScoreSheetShown(Frame(), false, 1, 2, 3, &size);
    const QRect classicBox = OutlineOf(classic);
    ASSERT_FALSE(classicBox.isEmpty());
    EXPECT_LE(DistinctColours(classic, classicBox), 3);
    const QColor felt(RedOf(DefaultTableColor), GreenOf(DefaultTableColor),
                      BlueOf(DefaultTableColor));
    const int atOne = ScoreSheetShown(Frame(), true, 1, 1, 3, &size).width();
    for (double scale : {1.25, 1.75}) {
        const QImage sharp = ScoreSheetShown(Frame(), true, scale, 1, 3, &size);
        // The felt's own colour at its corner, under a faint grain.
        const QColor corner = sharp.pixelColor(1, 1);
        EXPECT_NEAR(corner.green(), felt.green(), 6) << scale;
        EXPECT_NEAR(corner.red(), felt.red(), 6) << scale;
        EXPECT_NEAR(sharp.width(), atOne * scale, 0.03 * atOne * scale) << scale;
        EXPECT_GE(DistinctColours(sharp, sharp.rect()), 16) << scale;
    }
    const QRect screen = Frame().screen()->availableGeometry();
    ScoreSheetShown(Frame(), true, 2.25, 1, 40, &size);
    EXPECT_LE(size.height(), screen.height());
    EXPECT_LE(size.width(), screen.width());
}

TEST_F(DialogTest, AboutPictureFollowsTheLookAndScale) {
    Start();
    if (!BitmapCache::HasResources()) GTEST_SKIP() << "built without resources/bitmaps.qrc";
    struct Case {
        bool sharp;
        double scale;
        QSize shown;
    };
    const Case cases[] = {{false, 1, {122, 120}}, {false, 2.7, {244, 240}}, {false, 6, {366, 360}},
                          {true, 1, {122, 120}},  {true, 1.5, {183, 180}},  {true, 8, {366, 360}}};
    for (const Case& c : cases) {
        CAboutDlg about(&Frame(), c.sharp, c.scale);
        const QPixmap picture = about.findChild<QLabel*>(QStringLiteral("titlePicture"))->pixmap();
        SCOPED_TRACE(::testing::Message() << (c.sharp ? "Sharp " : "Classic ") << c.scale);
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), c.shown);
        if (c.sharp) {
            EXPECT_EQ(picture.devicePixelRatio(), Frame().devicePixelRatioF());
            continue;
        }
        // Whole factors, each bitmap pixel a square block.
        const QImage image = picture.toImage();
        const int factor = c.shown.width() / 122;
        int mixed = 0;
        for (int y = 0; y < image.height(); y += factor)
            for (int x = 0; x < image.width(); x += factor)
                mixed += image.pixel(x, y) != image.pixel(x + factor - 1, y + factor - 1);
        EXPECT_EQ(mixed, 0);
    }
}

TEST_F(DialogTest, F1InTheSetupDialogsOpensTheirHelp) {
    CMainFrame& frame = Start();
    // A window shortcut reaches only the active window; the help window
    // that the first F1 opens takes activation until the next dialog gets it.
    // A failure here must still close the dialog, or exec() never returns.
    WithGameSetup([&](CGameSetupDlg& dialog) {
        EXPECT_TRUE(MadeActive(dialog));
        QTest::keyClick(&dialog, Qt::Key_F1);
        EXPECT_NE(frame.Help().Window(), nullptr);
        if (frame.Help().Window()) {
            EXPECT_EQ(frame.Help().Window()->CurrentAnchor(), "game_setup");
        }
        EXPECT_TRUE(dialog.isVisible()) << "help does not close or wait for the dialog";
        ClickCancel(dialog);
    });
    WithTableSetup([&](CTableSetupDlg& dialog) {
        EXPECT_TRUE(MadeActive(dialog));
        QTest::keyClick(&dialog, Qt::Key_F1);
        if (frame.Help().Window()) {
            EXPECT_EQ(frame.Help().Window()->CurrentAnchor(), "table_setup");
        }
        ClickCancel(dialog);
    });
}

// --- each window has message boxes of its own ---

TEST(MessageBoxesTest, TwoWindowsShareNeitherAnswersNorClosing) {
    AppFixture first;
    AppFixture second;
    first.Start();
    second.Start();
    first.Trigger(ID_NEW_GAME_TOOLBAR);
    second.Trigger(ID_NEW_GAME_TOOLBAR);
    first.messages.answers = {false};
    first.Trigger(ID_NEW_GAME);
    EXPECT_EQ(first.messages.shown, QStringList{"Are you sure you want to quit current game?"});
    EXPECT_TRUE(second.messages.shown.isEmpty()) << "the question went to the window that asked";

    first.Frame().close();
    EXPECT_TRUE(first.Frame().Messages().ClosingDown());
    EXPECT_FALSE(second.Frame().Messages().ClosingDown());
    second.messages.answers = {true};
    second.Trigger(ID_NEW_GAME);
    EXPECT_EQ(second.messages.shown, QStringList{"Are you sure you want to quit current game?"});
    EXPECT_EQ(second.View().Game().HandsDealt(), 2) << "closing the first window silenced this one";
}

QMessageBox* OpenBoxSaying(const QString& text) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box && box->isVisible() && box->text() == text) return box;
    }
    return nullptr;
}

// Real boxes, one open over the other: closing down dismisses its own box only.
TEST(MessageBoxesTest, ClosingDownDismissesOnlyItsOwnBoxes) {
    MessageBoxes closing;
    MessageBoxes staying;
    // Should a box stay open by mistake, the test fails instead of waiting for ever.
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->reject();
    });
    watchdog.start(3000);
    bool closingAnswer = true;
    bool stayingStillOpen = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] { closing.CloseDown(); });
        closingAnswer = closing.Ask(nullptr, QStringLiteral("Closing?"));
        QMessageBox* box = OpenBoxSaying(QStringLiteral("Staying?"));
        stayingStillOpen = box != nullptr;
        if (box) box->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(staying.Ask(nullptr, QStringLiteral("Staying?")));
    EXPECT_FALSE(closingAnswer);
    EXPECT_TRUE(stayingStillOpen);
    EXPECT_FALSE(staying.ClosingDown());

    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(closing.Ask(nullptr, QStringLiteral("Later?")));
    EXPECT_LT(clock.elapsed(), 1000) << "a box after closing down answers at once";
}

// Each language with the name its catalogue gives the left computer seat.
struct Language {
    const char* code;
    const char* firstSeat;
};
void PrintTo(const Language& language, std::ostream* out) {
    *out << language.code;
}

class TranslatedDialogs : public ::testing::TestWithParam<Language>, public AppFixture {
  protected:
    void SetUp() override {
        const QString code = QString::fromLatin1(GetParam().code);
        ASSERT_EQ(InstallTranslations(QStringList{code}), code);
    }
    void TearDown() override { RemoveTranslations(); }

    // Opens a dialog of type T with `command` and checks it while it is open.
    template <class T>
    void Check(CommandId command, const char* name, std::function<void(T&)> more = {});
    void WithGameSetup(std::function<void(CGameSetupDlg&)> body) {
        WhenShown<CGameSetupDlg>(Frame(), body);
        Trigger(ID_GAME_SETUP);
    }
};

// The whole title in the frame's title bar (the title font, bold, beside an icon and
// three buttons), and every text inside at its full width within the window.
void ExpectEverythingFits(QWidget& window, const char* name) {
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    const QFontMetrics title(titleFont);
    EXPECT_GE(window.width(), title.horizontalAdvance(window.windowTitle()) + 4 * title.height())
        << name << ": title bar cut short for '" << window.windowTitle().toStdString() << "'";
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->isVisibleTo(&window)) continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(child))
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(child))
            text = button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(child))
            text = group->title();
        else if (auto* list = qobject_cast<QComboBox*>(child))
            text = list->currentText();
        if (text.isEmpty()) continue;
        EXPECT_GE(child->width(), child->sizeHint().width())
            << name << ": '" << text.toStdString() << "' cut short";
        EXPECT_TRUE(window.rect().contains(QRect(child->mapTo(&window, QPoint()), child->size())))
            << name << ": '" << text.toStdString() << "' outside the window";
    }
    for (QTableWidget* table : window.findChildren<QTableWidget*>()) {
        EXPECT_GE(table->verticalHeader()->width(), table->verticalHeader()->sizeHint().width())
            << name << ": row titles cut short";
        EXPECT_GE(table->viewport()->width(), table->horizontalHeader()->length()) << name;
    }
}

template <class T>
void TranslatedDialogs::Check(CommandId command, const char* name, std::function<void(T&)> more) {
    bool opened = false;
    WhenShown<T>(Frame(), [&](T& dialog) {
        opened = true;
        ExpectEverythingFits(dialog, name);
        if (more) more(dialog);
        dialog.reject();
    });
    Trigger(command);
    EXPECT_TRUE(opened) << name;
}

// Every dialog as the menu opens it, in each language.
TEST_P(TranslatedDialogs, EveryTitleAndTextFits) {
    Start();
    Check<CGameSetupDlg>(ID_GAME_SETUP, "Game Setup");
    Check<CTableSetupDlg>(ID_TABLE_SETUP, "Table Setup", [](CTableSetupDlg& table) {
        bool opened = false;
        WhenShown<CColorDlg>(table, [&](CColorDlg& picker) {
            opened = true;
            ExpectEverythingFits(picker, "Colour");
            picker.reject();
        });
        table.ColorButton()->click();
        EXPECT_TRUE(opened) << "Colour";
    });
    Check<CAboutDlg>(ID_APP_ABOUT, "About");
    Trigger(ID_NEW_GAME_TOOLBAR);
    Check<CScoreDlg>(ID_SHOW_SCORE, "Score");
    bool statistics = false;
    WhenShown<CStatisticsDlg>(Frame(), [&](CStatisticsDlg& dialog) {
        statistics = true;
        ExpectEverythingFits(dialog, "Statistics");
        dialog.reject();
    });
    Frame().OnStatistics();
    EXPECT_TRUE(statistics);
    Trigger(ID_HELP_CONTENTS);
    ASSERT_NE(Frame().Help().Window(), nullptr);
    ExpectEverythingFits(*Frame().Help().Window(), "Help");
    Frame().Help().Close();
}

// The computer seats are named in the user's language where the settings hold no
// name; a stored name, even an empty one, stays; the default is stored only once the
// user accepts Game Setup.
TEST_P(TranslatedDialogs, ComputerSeatsDefaultToNamesInTheLanguage) {
    const QString firstSeat = QString::fromUtf8(GetParam().firstSeat);
    WriteSettingsFile(QStringLiteral("[Settings]\nPLAYER2=Anna\nPLAYER3=\n"));
    Start();
    EXPECT_EQ(State().playerNames,
              (std::array<std::string, 3>{firstSeat.toStdString(), "Anna", ""}));
    WithGameSetup([&](CGameSetupDlg& dialog) {
        EXPECT_EQ(dialog.NameEdit(0)->text(), firstSeat);
        ClickCancel(dialog);
    });
    EXPECT_FALSE(HasSetting("Settings/PLAYER1")) << "not stored unless accepted";
    WithGameSetup([](CGameSetupDlg& dialog) { ClickOk(dialog); });
    EXPECT_EQ(ReadSetting("Settings/PLAYER1"), firstSeat);
    EXPECT_EQ(ReadSetting("Settings/PLAYER2"), "Anna");
    EXPECT_TRUE(HasSetting("Settings/PLAYER3"));
    EXPECT_EQ(ReadSetting("Settings/PLAYER3"), "");
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, TranslatedDialogs,
                         ::testing::Values(Language{"en", "Player1"}, Language{"de", "Spieler1"},
                                           Language{"fr", "Joueur1"}, Language{"es", "Jugador1"}),
                         [](const auto& info) { return std::string(info.param.code); });

}  // namespace
}  // namespace mervane
