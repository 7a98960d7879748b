#pragma once

#include <QMainWindow>
#include <map>
#include <memory>

#include "app/help_window.h"
#include "app/mervane_doc.h"
#include "app/message_box.h"
#include "app/settings_store.h"
#include "app/window_state.h"

class QAction;
class QMenu;
class QToolBar;

namespace mervane {

class CMervaneView;
class CloseRequestFilter;

// The commands of the menu and the toolbar. Each action carries its number as its data,
// and Command() finds the action by it.
enum CommandId : int {
    ID_NEW_GAME_TOOLBAR = 32775,
    ID_GAME_SETUP = 32776,
    ID_TABLE_SETUP = 32777,
    ID_NEW_GAME = 32781,
    ID_HELP_CONTENTS = 32782,
    ID_SHOW_SCORE = 32783,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
};

// The main window: the "&Mervane" menu, the one-button toolbar and the table view.
class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    explicit CMainFrame(SettingsStore store = SettingsStore(), QWidget* parent = nullptr);
    ~CMainFrame() override;

    CMervaneView* View() const { return view_; }
    QAction* Command(CommandId id) const { return commands_.at(id); }
    QMenu* GameMenu() const { return menu_; }
    QToolBar* CommandBar() const { return toolBar_; }
    HelpHost& Help() { return help_; }
    MessageBoxes& Messages() { return messages_; }
    const SettingsStore& Store() const { return store_; }
    const WindowStateStore& WindowState() const { return windowState_; }

    // Enabled states follow the game: Show Score during a game, the toolbar's New Game
    // only between games.
    void UpdateCommandStates();
    void OnAppAbout();
    void SetZoom(int zoom);
    // The whole factor that fits the table well on this screen.
    int StartZoom() const;
    // The largest zoom up to `zoom` at which the table with `around` it fits in `room`.
    static int FittingZoom(int zoom, QSize around, QSize room);

  signals:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QAction* AddCommand(CommandId id, const QString& text, void (CMervaneView::*handler)());
    void RunViewCommand(void (CMervaneView::*handler)());
    void BuildMenu();
    void BuildToolBar();
    void BuildZoomKeys();
    void RestorePlacement();
    void SavePlacement() const;
    QSize WindowSizeAt(int zoom) const;
    QSize FrameExtra(const WindowPlacement& placement) const;

    // First, so that everything below may show a message until it is gone.
    MessageBoxes messages_;
    SettingsStore store_;
    WindowStateStore windowState_;
    CMervaneDoc document_;
    CMervaneView* view_;
    QMenu* menu_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    std::map<CommandId, QAction*> commands_;
    HelpHost help_{*this};
    std::unique_ptr<CloseRequestFilter> closeRequests_;
};

}  // namespace mervane
