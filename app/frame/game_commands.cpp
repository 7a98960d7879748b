#include "app/frame/game_commands.h"

#include "app/dialogs/game_setup_dlg.h"
#include "app/dialogs/score_dlg.h"
#include "app/dialogs/table_setup_dlg.h"
#include "app/play/game_host.h"
#include "app/stores/settings_store.h"
#include "app/table/mervane_view.h"
#include "game/timings.h"
#include "render/qt_text.h"

namespace mervane {

GameCommands::GameCommands(GameHost& host, const SettingsStore& store, MessageBoxes& messages,
                           CMervaneView& view)
    : host_(host), store_(store), messages_(messages), view_(view) {}

void GameCommands::OnGameSetup() {
    const GameState& state = host_.Game().State();
    CGameSetupDlg dialog(messages_, view_.window());
    connect(&dialog, &CGameSetupDlg::helpRequested, this, &GameCommands::helpRequested);
    dialog.leftName = ToQString(state.playerNames[0]);
    dialog.topName = ToQString(state.playerNames[1]);
    dialog.rightName = ToQString(state.playerNames[2]);
    dialog.playTo = state.playTo;
    dialog.speedIndex = SpeedForDelay(state.computerDelayMs);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted || host_.Platform().Quitting()) return;
    ApplyGameSetup(dialog);
}

// The names and the speed take effect at once; a changed target only once it is
// confirmed, when a game is under way.
void GameCommands::ApplyGameSetup(const CGameSetupDlg& dialog) {
    MervaneGame& game = host_.Game();
    QtGamePlatform& platform = host_.Platform();
    GameSettings values = game.Settings();
    values.playerNames = {dialog.leftName.toStdString(), dialog.topName.toStdString(),
                          dialog.rightName.toStdString()};
    values.playSpeed = dialog.speedIndex;
    game.ApplySettings(values);
    bool newTarget = dialog.playTo != values.playTo;
    bool restart = false;
    if (newTarget && game.State().gameInProgress) {
        restart =
            platform.AskYesNo(tr("\"Play To\" points changed, Quit Current Game?").toStdString());
        if (!restart) platform.ShowMessage(tr("Points change not saved.").toStdString());
        newTarget = restart;
    }
    if (newTarget) {
        values.playTo = dialog.playTo;
        game.ApplySettings(values);
    }
    store_.SaveGameSetup(values, newTarget);
    if (restart) {
        game.AbandonAndNewGame();
        return;
    }
    view_.PaintNow();
}

void GameCommands::OnTableSetup() {
    MervaneGame& game = host_.Game();
    const GameState& state = game.State();
    CTableSetupDlg dialog(messages_, view_.window());
    connect(&dialog, &CTableSetupDlg::helpRequested, this, &GameCommands::helpRequested);
    dialog.cardBackId = state.table.cardBackId;
    dialog.tableColor = state.table.tableColor;
    dialog.trainingMode = state.trainingMode;
    dialog.rules = state.rules;
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted || host_.Platform().Quitting()) return;
    GameSettings values = game.Settings();
    values.cardBackId = dialog.cardBackId;
    values.tableColor = static_cast<std::int32_t>(dialog.tableColor);
    values.trainingMode = dialog.trainingMode;
    values.rules = dialog.rules;
    game.ApplySettings(values);
    store_.SaveTableSetup(game.Settings());
    view_.PaintNow();
}

void GameCommands::OnQuitAndNewGame() {
    host_.Game().QuitAndNewGame();
}

void GameCommands::OnToolbarNewGame() {
    // The button may have been pressed before the game it waited behind began.
    if (host_.Game().CanUseToolbarNewGame()) host_.Game().NewGame();
}

void GameCommands::OnShowScore() {
    if (!host_.Game().CanShowScore()) return;
    const GameState& state = host_.Game().State();
    CScoreDlg dialog(view_.window());
    for (int i = 0; i < 3; ++i) dialog.seatNames[i] = ToQString(state.playerNames[i]);
    dialog.scoreLeft = state.scores[1];
    dialog.scoreTop = state.scores[2];
    dialog.scoreRight = state.scores[3];
    dialog.scoreYou = state.scores[0];
    // As large as the sheet over the table; the dialog keeps itself within the screen.
    dialog.zoom = view_.Zoom();
    dialog.sharp = view_.Look() == TableLook::Sharp;
    dialog.scale = view_.Viewport().scale;
    dialog.hands = host_.History().Hands();
    dialog.tableColor = state.table.tableColor;
    dialog.setWindowModality(Qt::WindowModal);
    dialog.exec();
}

}  // namespace mervane
