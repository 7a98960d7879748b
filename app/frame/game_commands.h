#pragma once

#include <QObject>
#include <QString>

namespace mervane {

class CGameSetupDlg;
class CMervaneView;
class GameHost;
class MessageBoxes;
class SettingsStore;

// The menu's game commands: the setup dialogs and the score sheet exchange their values
// with the game and the settings store here, and the two ways to a new game.
class GameCommands : public QObject {
    Q_OBJECT
  public:
    GameCommands(GameHost& host, const SettingsStore& store, MessageBoxes& messages,
                 CMervaneView& view);

    void OnGameSetup();
    void OnTableSetup();
    void OnQuitAndNewGame();
    void OnToolbarNewGame();
    void OnShowScore();

  signals:
    // F1 in a setup dialog: help at `anchor`, at once.
    void helpRequested(const QString& anchor);

  private:
    void ApplyGameSetup(const CGameSetupDlg& dialog);

    GameHost& host_;
    const SettingsStore& store_;
    MessageBoxes& messages_;
    // The dialogs open over its window, and the score sheet takes its size.
    CMervaneView& view_;
};

}  // namespace mervane
