#pragma once

#include <QMainWindow>
#include <array>
#include <map>
#include <memory>
#include <vector>

#include "app/dialogs/help_window.h"
#include "app/dialogs/message_box.h"
#include "app/play/game_host.h"
#include "app/stores/saved_game_store.h"
#include "app/stores/settings_store.h"
#include "app/stores/statistics.h"
#include "app/stores/window_state.h"

class QAction;
class QActionGroup;
class QMenu;
class QScreen;
class QToolBar;

namespace mervane {

class CMervaneView;
class CloseRequestFilter;
class GameCommands;
class LogDrawer;
class MoveLogPanel;

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

// The main window: the "&Mervane" and "&View" menus, the toolbar, the move log and the
// table view. In the Classic look the toolbar has one button and the log is a dock
// beside the table, which takes whatever room is left; in the Sharp look the toolbar
// carries the everyday commands and the log is a drawer over the table's right edge.
class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    explicit CMainFrame(SettingsStore store = SettingsStore(), QWidget* parent = nullptr);
    ~CMainFrame() override;

    CMervaneView* View() const { return view_; }
    // The game and what it keeps beside it, such as the hands of the game so far.
    GameHost& Host() { return host_; }
    QAction* Command(CommandId id) const { return commands_.at(id); }
    QMenu* GameMenu() const { return menu_; }
    QMenu* ViewMenu() const { return viewMenu_; }
    QMenu* PlayMenu() const { return playMenu_; }
    QAction* HintAction() const { return hint_; }
    QAction* UndoAction() const { return undo_; }
    QAction* RedoAction() const { return redo_; }
    QAction* RestartDealAction() const { return restartDeal_; }
    QAction* LevelAction(Level level) const {
        return levelActions_[static_cast<std::size_t>(level)];
    }
    QMenu* FacesMenu() const { return facesMenu_; }
    QAction* LookAction(TableLook look) const;
    QAction* FullScreenAction() const { return fullScreen_; }
    MoveLogPanel* LogPanel() const { return logPanel_; }
    LogDrawer* Drawer() const { return drawer_; }
    QAction* ShowLogAction() const { return showLog_; }
    QAction* ShowPlayableAction() const { return showPlayable_; }
    QAction* AnimationsAction() const { return animations_; }
    QAction* StatisticsAction() const { return statisticsAction_; }
    void SetShowPlayable(bool show);
    QToolBar* CommandBar() const { return toolBar_; }
    HelpHost& Help() { return help_; }
    MessageBoxes& Messages() { return messages_; }
    const SettingsStore& Store() const { return store_; }
    const WindowStateStore& WindowState() const { return windowState_; }

    // Ends the program: the menu's Exit and Ctrl+Q, the window manager's close
    // request and a termination signal all come here, and the window's close
    // button reaches the same closeEvent.
    void Exit();
    // Puts the game under way away now, the window staying open: the session's logout
    // asks for this before it ends the program however it will.
    void PutGameAway();

    // Enabled states follow the game: Show Score during a game, the toolbar's New Game
    // only between games.
    void UpdateCommandStates();
    void OnAppAbout();
    // The window's size for the table at a whole factor, leaving a maximised or full
    // screen window first.
    void SetZoom(int zoom);
    // One whole factor up or down from the one the table is shown at, as far as the
    // screen has room.
    void StepZoom(int step);
    // The whole factor that fits the table well on this screen.
    int StartZoom() const;
    void SetLook(TableLook look);
    void SetFaces(const QString& faces);
    // Shows or hides the move log and remembers the choice.
    void ShowLog(bool show);
    // The window width below which the Sharp look's log starts closed, whatever was
    // remembered: the drawer would hide too much of the table.
    static constexpr int DrawerStartWidth = 1280;
    void ToggleFullScreen();
    void OnStatistics();
    StatisticsKeeper& Statistics() { return *statistics_; }
    // The largest zoom up to `zoom` at which the table with `around` it fits in `room`.
    static int FittingZoom(int zoom, QSize around, QSize room);

  signals:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QAction* AddCommand(CommandId id, const QString& text, void (GameCommands::*handler)());
    void BuildMenu();
    void BuildToolBar();
    void BuildViewMenu();
    void BuildPlayMenu();
    void TakeUpSavedGame();
    QAction* AddPlayAction(const QString& text, const QString& tip, const QKeySequence& key,
                           bool (MervaneGame::*command)());
    void AddWindowKeys();
    void FillFacesMenu();
    // Once the last menu or dialog over the window is gone, the table has the keys.
    void ReturnKeysToTable();
    void ShowLook(TableLook look);
    // The log in the form of the look shown: the dock or the drawer.
    void PlaceLog(bool animate);
    void ShowToolBar(TableLook look);
    // The window's width once shown, maximised or not.
    int StartWidth() const;
    void SaveViewChoice() const;
    void RestorePlacement();
    void SavePlacement() const;
    // What the window adds around the table view: the menu bar and the toolbar.
    QSize Chrome() const;
    void ResizeViewTo(QSize viewSize);
    QSize WindowSizeAt(int zoom) const;
    QSize FrameExtra(const WindowPlacement& placement) const;
    const QScreen* CurrentScreen() const;

    // First, so that everything below may show a message until it is gone.
    MessageBoxes messages_;
    SettingsStore store_;
    WindowStateStore windowState_;
    // Before the view, the log and the statistics, which observe its game.
    GameHost host_{messages_};
    CMervaneView* view_;
    std::unique_ptr<GameCommands> gameCommands_;
    QMenu* menu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* playMenu_ = nullptr;
    QAction* hint_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* restartDeal_ = nullptr;
    std::array<QAction*, 3> levelActions_{};  // by Level
    QMenu* facesMenu_ = nullptr;
    QActionGroup* looks_ = nullptr;
    QAction* fullScreen_ = nullptr;
    QAction* leaveFullScreen_ = nullptr;
    MoveLogPanel* logPanel_ = nullptr;
    LogDrawer* drawer_ = nullptr;
    // The log as the person last chose it, kept between runs, and whether the drawer is
    // open, which starts closed in a narrow window.
    bool logWanted_ = true;
    bool drawerOpen_ = true;
    QAction* showLog_ = nullptr;
    QAction* showPlayable_ = nullptr;
    QAction* animations_ = nullptr;
    QAction* statisticsAction_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    // The Sharp look's toolbar: a command, the desktop's icon for it and ours.
    struct ToolItem {
        QAction* action;
        const char* themeIcon;
        const char* ownIcon;
    };
    std::vector<ToolItem> sharpTools_;
    std::map<CommandId, QAction*> commands_;
    HelpHost help_{*this};
    StatisticsStore statisticsStore_;
    std::unique_ptr<StatisticsKeeper> statistics_;
    SavedGameStore gameStore_;
    std::unique_ptr<GameSaver> gameSaver_;
    std::unique_ptr<CloseRequestFilter> closeRequests_;
    bool closing_ = false;
};

}  // namespace mervane
