// Drives a real window through each screen and photographs the whole X screen with
// ImageMagick's `import`, for a person to look at:
//   xvfb-run -s "-screen 0 1280x1024x24 -noreset" build/tests/app/app_screens OUTDIR
// or, for one look and deck at one window size ("full" for full screen, which needs a
// window manager), the title, a hand, the Score dialog and the winner screen:
//   app_screens OUTDIR looks Sharp|Classic DECK|classic WIDTHxHEIGHT|full
// or, in both looks, the window alone (no X server needed) with the move log, the
// playable cards, play reversed and a card stopped half way:
//   app_screens OUTDIR follow
// or, in one language (de, fr, es), the window alone in both looks with the move log,
// a hand over, Game Setup, Table Setup and the help window:
//   app_screens OUTDIR lang LL
// or, in the Sharp look with Advanced Rules at one window size, what the table tells:
// a Draw Two, a skip, a refused card, a hand's sheet, the Score dialog and the winner:
//   app_screens OUTDIR story WIDTHxHEIGHT|full
// or, in both looks against Hard seats, a hint on the table, the Play menu, and what a
// screen reader hears of the hand:
//   app_screens OUTDIR hint
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "app/dialogs/about_dlg.h"
#include "app/dialogs/color_dlg.h"
#include "app/dialogs/game_setup_dlg.h"
#include "app/dialogs/help_window.h"
#include "app/dialogs/message_box.h"
#include "app/dialogs/play_to_field.h"
#include "app/dialogs/score_dlg.h"
#include "app/dialogs/statistics_dlg.h"
#include "app/dialogs/table_setup_dlg.h"
#include "app/mervane_app.h"
#include "app/translations.h"
#include "app_test_support.h"
#include "cards/rules.h"
#include "tests/cards/card_text.h"
#include "tests/game/game_test_access.h"

namespace mervane {
namespace {

QString outDir;

void Shot(const QString& name) {
    QTest::qWait(300);
    const QString path = outDir + "/" + name + ".png";
    const int rc = QProcess::execute("import", {"-window", "root", path});
    std::printf("%s %s\n", rc == 0 ? "shot" : "FAILED", qPrintable(path));
}

template <class T>
void ShotOf(testing::AppFixture& app, CommandId command, const QString& name,
            std::function<void(T&)> more = {}) {
    testing::WhenShown<T>(app.Frame(), [name, more](T& dialog) {
        Shot(name);
        if (more) more(dialog);
        dialog.reject();
    });
    app.Trigger(command);
}

void Run() {
    testing::AppFixture app;
    app.Start();
    Shot("01-title");
    app.Frame().SetZoom(1);
    app.Trigger(ID_NEW_GAME_TOOLBAR);
    Shot("02-hand-1x");
    app.Frame().SetZoom(3);
    Shot("03-hand-3x");
    ShotOf<CGameSetupDlg>(app, ID_GAME_SETUP, "04-game-setup", [&app](CGameSetupDlg& dialog) {
        app.Frame().Messages().SetAnswerer({});
        dialog.PlayToEdit()->findChild<QLineEdit*>()->setText("0");
        QTimer::singleShot(100, [] {
            Shot("05-message-range");
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->accept();
        });
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    ShotOf<CTableSetupDlg>(app, ID_TABLE_SETUP, "06-table-setup", [](CTableSetupDlg& dialog) {
        dialog.CardBackList()->setCurrentIndex(3);
        Shot("07-table-setup-smiley");
        testing::WhenShown<CColorDlg>(dialog, [](CColorDlg& picker) {
            picker.Slider(0)->setValue(180);
            Shot("08-color");
            picker.reject();
        });
        dialog.ColorButton()->click();
    });
    GameTestAccess::State(app.View().Game()).scores = {125, 40, 0, 9};
    ShotOf<CScoreDlg>(app, ID_SHOW_SCORE, "09-score-dialog");
    ShotOf<CAboutDlg>(app, ID_APP_ABOUT, "10-about");
    app.Trigger(ID_HELP_CONTENTS);
    Shot("11-help");
    app.Frame().Help().Close();
    GameTestAccess::State(app.View().Game()).scores = {};
    app.PlayOutHand();
    Shot("12-hand-over");
    GameSettings oneHand = app.View().Game().Settings();
    oneHand.playTo = 1;
    app.View().Game().ApplySettings(oneHand);
    app.TapTable({10, 10});
    app.PlayOutHand();
    Shot("13-winner");
    testing::WhenShown<CStatisticsDlg>(app.Frame(), [](CStatisticsDlg& dialog) {
        Shot("14-statistics");
        dialog.reject();
    });
    app.Frame().OnStatistics();
}

// The view at `size`, or the window full screen.
void Place(testing::AppFixture& app, const QString& size) {
    if (size == u"full") {
        app.Frame().showFullScreen();
        QTest::qWait(500);
        return;
    }
    const QStringList parts = size.split(u'x');
    const QSize view(parts.value(0).toInt(), parts.value(1).toInt());
    app.Frame().resize(app.Frame().size() - app.View().size() + view);
    QTest::qWait(300);
}

void RunLook(const QStringList& args) {
    const bool sharp = args.value(0) == u"Sharp";
    const QString deck = args.value(1);
    const QString name = args.value(0) + "-" + deck + "-" + args.value(2);
    testing::AppFixture app;
    app.startLook = sharp ? TableLook::Sharp : TableLook::Classic;
    app.Start();
    app.Frame().SetFaces(deck);
    Place(app, args.value(2));
    if (CardFaceRenderer* faces = app.View().ActiveFaces()) faces->Preload();
    Shot(name + "-1-title");
    app.Trigger(ID_NEW_GAME_TOOLBAR);
    Shot(name + "-2-hand");
    GameTestAccess::State(app.View().Game()).scores = {125, 40, 0, 9};
    ShotOf<CScoreDlg>(app, ID_SHOW_SCORE, name + "-3-score-dialog");
    GameTestAccess::State(app.View().Game()).scores = {};
    app.PlayOutHand();
    GameSettings oneHand = app.View().Game().Settings();
    oneHand.playTo = 1;
    app.View().Game().ApplySettings(oneHand);
    app.TapTable({10, 10});
    app.PlayOutHand();
    Shot(name + "-4-winner");
}

// Puts `card` in the human's hand in place of its first card, taking it from whichever
// hand holds it, so that no card is shown twice.
void GiveHuman(testing::AppFixture& app, const char* name) {
    GameState& state = GameTestAccess::State(app.View().Game());
    const Card card = ParseCard(name);
    CardList& mine = state.hands[HumanSeat];
    if (mine.Contains(card)) return;
    for (Seat seat = 1; seat < SeatCount; ++seat) {
        CardList& theirs = state.hands[static_cast<std::size_t>(seat)];
        if (!theirs.Contains(card)) continue;
        theirs.Remove(card);
        theirs.Add(mine.At(0));
        break;
    }
    mine.Remove(mine.At(0));
    mine.Add(card);
    app.View().update();
}

// A card of the human's hand that may not be played now, or -1.
int RefusedCard(const GameState& state) {
    const CardList& hand = state.hands[HumanSeat];
    for (int i = 0; i < hand.Count(); ++i)
        if (!IsLegalPlay(hand.At(i), state.topCard, state.currentSuit)) return i;
    return -1;
}

int IndexOf(const CardList& hand, Card card) {
    for (int i = 0; i < hand.Count(); ++i)
        if (hand.At(i) == card) return i;
    return -1;
}

// The human plays the Two, then the Queen, of the suit to follow: the next seat takes
// two, then is passed over.
void PlayRank(testing::AppFixture& app, const char* rank, const QString& shot) {
    const GameState& state = app.State();
    const std::string name = std::string(rank) + "SHDC"[state.currentSuit - Spades];
    GiveHuman(app, name.c_str());
    // At the normal pace, photographed while the next seat thinks.
    app.View().Platform().SetPauseScale(1);
    const Rect strip = app.View().SharpLayout().handStrips.at(
        static_cast<std::size_t>(IndexOf(state.hands[HumanSeat], ParseCard(name))));
    const double ratio = app.View().devicePixelRatioF();
    QTest::mouseClick(&app.View(), Qt::LeftButton, {},
                      QPointF(strip.Center().x / ratio, strip.Center().y / ratio).toPoint());
    Shot(shot);
    testing::WaitWhileBusy(app.View());
    app.View().Platform().SetPauseScale(0);
}

void RunStory(const QString& size) {
    testing::AppFixture app;
    app.startLook = TableLook::Sharp;
    app.Start();
    GameSettings advanced = app.View().Game().Settings();
    advanced.rules.advanced = true;
    advanced.playerNames = {"Amelia", "Bartholomew", "Chen"};
    app.View().Game().ApplySettings(advanced);
    Place(app, size);
    if (CardFaceRenderer* faces = app.View().ActiveFaces()) faces->Preload();
    const QString name = "story-" + size;
    app.Trigger(ID_NEW_GAME_TOOLBAR);
    while (!app.State().humanTurn && !app.State().handOver) app.PlayHumanMove();
    Shot(name + "-1-hand");
    app.Frame().ShowLog(true);
    Shot(name + "-1-log");
    app.Frame().ShowLog(false);
    PlayRank(app, "2", name + "-2-draw-two");
    PlayRank(app, "Q", name + "-3-skip");
    if (const int refused = RefusedCard(app.State()); refused >= 0) {
        app.TapHandCard(refused);
        Shot(name + "-4-refused");
    }
    app.PlayOutHand();
    Shot(name + "-5-hand-sheet");
    ShotOf<CScoreDlg>(app, ID_SHOW_SCORE, name + "-6-score-dialog");
    GameSettings oneHand = app.View().Game().Settings();
    oneHand.playTo = 1;
    app.View().Game().ApplySettings(oneHand);
    app.TapTable({10, 10});
    app.PlayOutHand();
    Shot(name + "-7-winner");
}

// The window alone, as it paints itself.
void WindowShot(testing::AppFixture& app, const QString& name) {
    QTest::qWait(100);
    const QString path = outDir + "/" + name + ".png";
    const bool saved = app.Frame().grab().save(path);
    std::printf("%s %s\n", saved ? "shot" : "FAILED", qPrintable(path));
}

void RunFollow(TableLook look, const QString& name) {
    testing::AppFixture app;
    app.startLook = look;
    app.Start();
    app.Frame().SetZoom(2);
    app.Trigger(ID_NEW_GAME_TOOLBAR);
    for (int i = 0; i < 3; ++i) app.PlayHumanMove();
    WindowShot(app, name + "-1-log");
    app.Frame().SetShowPlayable(true);
    WindowShot(app, name + "-2-playable");
    app.Frame().SetShowPlayable(false);
    GameSettings advanced = app.View().Game().Settings();
    advanced.rules.advanced = true;
    app.View().Game().ApplySettings(advanced);
    GameTestAccess::State(app.View().Game()).reversed = true;
    app.View().update();
    WindowShot(app, name + "-3-reversed");
    GameTestAccess::State(app.View().Game()).reversed = false;
    // The last move of the turns after the human's stays half way.
    app.View().HoldSlidesAt(0.5);
    app.PlayHumanMove();
    WindowShot(app, name + "-4-slide");
}

// A widget alone, as it paints itself.
void WidgetShot(QWidget& widget, const QString& name) {
    QTest::qWait(100);
    const QString path = outDir + "/" + name + ".png";
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "shot" : "FAILED", qPrintable(path));
}

// The screens whose texts a translation lengthens, with the language installed before
// any window is built, as the program does.
bool RunLanguage(const QString& code) {
    if (InstallTranslations(QStringList{code}) != code) {
        std::printf("FAILED no catalogue for %s\n", qPrintable(code));
        return false;
    }
    for (const TableLook look : {TableLook::Sharp, TableLook::Classic}) {
        const QString name = code + (look == TableLook::Sharp ? "-Sharp" : "-Classic");
        testing::AppFixture app;
        app.startLook = look;
        app.Start();
        // The Classic look at 1x, where the labels are closest.
        app.Frame().SetZoom(look == TableLook::Sharp ? 2 : 1);
        app.Frame().ShowLog(true);
        GameSettings advanced = app.View().Game().Settings();
        advanced.rules.advanced = true;
        app.View().Game().ApplySettings(advanced);
        app.Trigger(ID_NEW_GAME_TOOLBAR);
        for (int i = 0; i < 3; ++i) app.PlayHumanMove();
        WidgetShot(app.Frame(), name + "-1-table");
        app.PlayOutHand();
        WidgetShot(app.Frame(), name + "-2-hand-over");
        if (look == TableLook::Classic) continue;
        testing::WhenShown<CGameSetupDlg>(app.Frame(), [&name](CGameSetupDlg& dialog) {
            WidgetShot(dialog, name + "-3-game-setup");
            dialog.reject();
        });
        app.Trigger(ID_GAME_SETUP);
        testing::WhenShown<CTableSetupDlg>(app.Frame(), [&name](CTableSetupDlg& dialog) {
            WidgetShot(dialog, name + "-4-table-setup");
            dialog.reject();
        });
        app.Trigger(ID_TABLE_SETUP);
        app.Trigger(ID_HELP_CONTENTS);
        if (HelpWindow* help = app.Frame().Help().Window()) WidgetShot(*help, name + "-5-help");
        app.Frame().Help().Close();
    }
    RemoveTranslations();
    return true;
}

void RunHint(TableLook look, const QString& name) {
    testing::AppFixture app;
    app.startLook = look;
    app.Start();
    if (look == TableLook::Classic) app.Frame().SetZoom(2);
    app.Frame().LevelAction(Level::Hard)->trigger();
    app.Trigger(ID_NEW_GAME_TOOLBAR);
    // A move with a few cards to weigh tells more than a forced one.
    for (int move = 0; move < 12 && app.State().humanTurn; ++move) {
        app.Frame().HintAction()->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(app.State().hint.has_value(), 10000);
        if (app.State().hint->moves.size() >= 3) break;
        app.PlayHumanMove();
    }
    WindowShot(app, name + "-1-hint");
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&app.View());
    for (int i = 0; i < table->childCount(); ++i) {
        QAccessibleInterface* child = table->child(i);
        const QString description = child->text(QAccessible::Description);
        if (!description.isEmpty() && !description.startsWith(QStringLiteral("score")))
            std::printf("heard: %s (%s)\n", qPrintable(child->text(QAccessible::Name)),
                        qPrintable(description));
    }
    QMenu* menu = app.Frame().PlayMenu();
    menu->popup(app.Frame().mapToGlobal(QPoint(80, 30)));
    WidgetShot(*menu, name + "-2-play-menu");
    menu->hide();
}

}  // namespace
}  // namespace mervane

int main(int argc, char* argv[]) {
    mervane::CMervaneApp::BeforeQApplication();
    QApplication application(argc, argv);
    mervane::outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QStringList args = QApplication::arguments();
    if (args.value(2) == u"looks") {
        mervane::RunLook(args.mid(3));
    } else if (args.value(2) == u"follow") {
        mervane::RunFollow(mervane::TableLook::Sharp, QStringLiteral("Sharp"));
        mervane::RunFollow(mervane::TableLook::Classic, QStringLiteral("Classic"));
    } else if (args.value(2) == u"story") {
        mervane::RunStory(args.value(3));
    } else if (args.value(2) == u"hint") {
        mervane::RunHint(mervane::TableLook::Sharp, QStringLiteral("Sharp"));
        mervane::RunHint(mervane::TableLook::Classic, QStringLiteral("Classic"));
    } else if (args.value(2) == u"lang") {
        return mervane::RunLanguage(args.value(3)) ? 0 : 1;
    } else {
        mervane::Run();
    }
    return 0;
}
