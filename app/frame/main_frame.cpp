#include "app/frame/main_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <utility>

#include "app/dialogs/about_dlg.h"
#include "app/dialogs/statistics_dlg.h"
#include "app/frame/close_request.h"
#include "app/frame/game_commands.h"
#include "app/frame/log_drawer.h"
#include "app/frame/move_log_panel.h"
#include "app/frame/vector_icon.h"
#include "app/table/mervane_view.h"
#include "app/table/table_accessible.h"
#include "render/bitmap_cache.h"
#include "render/vector_art.h"

namespace mervane {
namespace {

QIcon ProgramIcon(TableLook look) {
    BitmapCache::Shared();  // makes sure the bitmap resources are registered
    QIcon icon;
    if (look == TableLook::Sharp) return LazyVectorIcon(&RenderVectorIcon);
    icon.addFile(QStringLiteral(":/bitmaps/icon128_32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/bitmaps/icon128_16.png"), QSize(16, 16));
    return icon;
}

// The Classic toolbar's one picture, as the handheld drew it.
QIcon ClassicDealIcon() {
    return QIcon(QStringLiteral(":/bitmaps/toolbar128.png"));
}

// Icons of a size for the desktop's toolbars, within what reads well beside text.
constexpr int MinToolIcon = 24;
constexpr int MaxToolIcon = 32;

// Room for a window manager's frame that has not been measured yet: borders and a
// title bar.
constexpr QSize FrameAllowance(16, 40);
// The strip at the top of the frame that must lie on a screen to be grabbed again.
constexpr int TitleBarHeight = 20;
constexpr int TitleBarGrip = 100;

// The screen whose free area holds enough of the title bar to grab it, if any.
const QScreen* ScreenUnderTitleBar(QPoint frameTopLeft, int frameWidth) {
    const QRect titleBar(frameTopLeft, QSize(frameWidth, TitleBarHeight));
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect onScreen = titleBar & screen->availableGeometry();
        if (onScreen.height() == TitleBarHeight &&
            onScreen.width() >= std::min(frameWidth, TitleBarGrip))
            return screen;
    }
    return nullptr;
}

// The table's accessible tree is known before the table is made: a screen reader
// already listening asks for it at once.
CMervaneView* NewTableView(GameHost& host, QWidget* parent) {
    InstallTableAccessibility();
    return new CMervaneView(host, parent);
}

}  // namespace

CMainFrame::CMainFrame(SettingsStore store, QWidget* parent)
    : QMainWindow(parent),
      store_(std::move(store)),
      windowState_(store_),
      view_(NewTableView(host_, this)),
      gameCommands_(std::make_unique<GameCommands>(host_, store_, messages_, *view_)),
      statisticsStore_(StatisticsStore::BesideWindowState(windowState_.FilePath())),
      statistics_(std::make_unique<StatisticsKeeper>(host_.Game(), statisticsStore_)),
      gameStore_(SavedGameStore::BesideWindowState(windowState_.FilePath())),
      gameSaver_(std::make_unique<GameSaver>(host_.Game(), gameStore_)) {
    store_.SetFailureReporter([this](const QString& text) { messages_.Show(this, text); });
    statistics_->SetFailureReporter([this](const QString& text) { messages_.Show(this, text); });
    setWindowTitle(QStringLiteral("Mervane"));  // a name, the same in every language
    setCentralWidget(view_);
    logPanel_ = new MoveLogPanel(host_.Game(), this);
    addDockWidget(Qt::RightDockWidgetArea, logPanel_);
    drawer_ = new LogDrawer(view_, this);
    BuildMenu();
    BuildPlayMenu();
    BuildViewMenu();
    BuildToolBar();
    AddWindowKeys();
    // Whatever changed the table also changes what a screen reader finds on it.
    CMervaneView* view = view_;
    connect(view, &CMervaneView::stateChanged, view, [view] { UpdateTableAccessibility(view); });
    connect(view_, &CMervaneView::stateChanged, this, &CMainFrame::UpdateCommandStates);
    // A dialog's F1 opens help at once, even while the dialog waits.
    connect(gameCommands_.get(), &GameCommands::helpRequested, this,
            [this](const QString& anchor) { help_.Show(anchor); });
    host_.Game().ApplyLoadedSettings(store_.Load());
    LevelAction(host_.Game().Settings().level)->setChecked(true);
    const ViewChoice choice = windowState_.LoadView();
    view_->SetLook(choice.look);
    view_->SetFaces(choice.faces);
    // Before the placement, which measures the room around the table.
    logWanted_ = drawerOpen_ = choice.showLog;
    view_->SetShowPlayable(choice.showPlayable);
    showPlayable_->setChecked(choice.showPlayable);
    view_->SetAnimations(choice.animations);
    animations_->setChecked(choice.animations);
    ShowLook(choice.look);
    RestorePlacement();
    if (StartWidth() < DrawerStartWidth) drawerOpen_ = false;
    PlaceLog(false);
    TakeUpSavedGame();
    UpdateCommandStates();
    view_->setFocus(Qt::OtherFocusReason);
    closeRequests_ = CloseRequestFilter::ForPlatform(*this);
    // Menus and dialogs are windows of their own: their closing is seen application-wide.
    qApp->installEventFilter(this);
}

// The view and the commands refer to the host, the store and the message boxes, so
// they go before them rather than with the other child widgets after them.
CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    // The statistics and the log observe the host's game.
    statistics_.reset();
    delete std::exchange(logPanel_, nullptr);
    delete std::exchange(drawer_, nullptr);  // with the list, when it lies in the drawer
    gameCommands_.reset();
    delete std::exchange(view_, nullptr);
}

QAction* CMainFrame::AddCommand(CommandId id, const QString& text,
                                void (GameCommands::*handler)()) {
    auto* action = new QAction(text, this);
    action->setData(int(id));
    if (handler) {
        connect(action, &QAction::triggered, this, [this, handler] {
            GameCommands* commands = gameCommands_.get();
            host_.Dispatch([commands, handler] { (commands->*handler)(); });
        });
    }
    commands_[id] = action;
    return action;
}

void CMainFrame::BuildMenu() {
    menu_ = menuBar()->addMenu(tr("&Mervane"));
    menu_->addAction(AddCommand(ID_GAME_SETUP, tr("&Game Setup"), &GameCommands::OnGameSetup));
    menu_->addAction(AddCommand(ID_TABLE_SETUP, tr("&Table Setup "), &GameCommands::OnTableSetup));
    menu_->addSeparator();
    menu_->addAction(AddCommand(ID_NEW_GAME, tr("&New Game"), &GameCommands::OnQuitAndNewGame));
    menu_->addAction(AddCommand(ID_SHOW_SCORE, tr("&Show Score"), &GameCommands::OnShowScore));
    menu_->addSeparator();
    QAction* about = AddCommand(ID_APP_ABOUT, tr("&About Mervane..."), nullptr);
    connect(about, &QAction::triggered, this, [this] { host_.Dispatch([this] { OnAppAbout(); }); });
    menu_->addAction(about);
    QAction* help = AddCommand(ID_HELP_CONTENTS, tr("Help..."), nullptr);
    help->setShortcut(QKeySequence::HelpContents);
    // Like the other commands, help waits for a chain of turns under way.
    connect(help, &QAction::triggered, this,
            [this] { host_.Dispatch([this] { help_.Show(QStringLiteral("Main_Contents")); }); });
    menu_->addAction(help);
    menu_->addSeparator();
    QAction* exit = AddCommand(ID_APP_EXIT, tr("E&xit"), nullptr);
    connect(exit, &QAction::triggered, this, &CMainFrame::Exit);
    menu_->addAction(exit);
    connect(menu_, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
}

// How the computer seats play; the choice is kept in the settings file and takes the
// seats at the next deal.
// A Play menu item whose game command runs once the turns under way are over.
QAction* CMainFrame::AddPlayAction(const QString& text, const QString& tip, const QKeySequence& key,
                                   bool (MervaneGame::*command)()) {
    QAction* action = playMenu_->addAction(text);
    action->setShortcut(key);
    action->setStatusTip(tip);
    connect(action, &QAction::triggered, this,
            [this, command] { host_.Dispatch([this, command] { (host_.Game().*command)(); }); });
    return action;
}

void CMainFrame::BuildPlayMenu() {
    playMenu_ = menuBar()->addMenu(tr("&Play"));
    // The tips show in the menu's status line.
    hint_ = AddPlayAction(tr("&Hint"), tr("Show each move's chance to win the hand"),
                          QKeySequence(Qt::CTRL | Qt::Key_H), &MervaneGame::AskHint);
    playMenu_->addSeparator();
    undo_ = AddPlayAction(tr("&Undo"), tr("Take back your last move and the turns after it"),
                          QKeySequence(Qt::CTRL | Qt::Key_Z), &MervaneGame::Undo);
    redo_ = AddPlayAction(tr("&Redo"), tr("Make the move you took back again"),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &MervaneGame::Redo);
    restartDeal_ = AddPlayAction(tr("Restart &Deal"), tr("Play this hand again from its deal"), {},
                                 &MervaneGame::RestartDeal);
    playMenu_->addSeparator();
    QMenu* levels = playMenu_->addMenu(tr("Computer &Level"));
    auto* group = new QActionGroup(this);
    for (const auto& [level, text] :
         {std::pair{Level::Easy, tr("&Easy")}, std::pair{Level::Normal, tr("&Normal")},
          std::pair{Level::Hard, tr("&Hard")}}) {
        QAction* action = levels->addAction(text);
        action->setCheckable(true);
        action->setActionGroup(group);
        connect(action, &QAction::triggered, this, [this, level = level] {
            host_.Game().SetComputerLevel(level);
            store_.SaveLevel(level);
        });
        levelActions_[static_cast<std::size_t>(level)] = action;
    }
}

// Ctrl+N and Ctrl+Q belong to the window, not to the menu, whose items show no keys.
void CMainFrame::AddWindowKeys() {
    const auto add = [this](QKeySequence keys, CommandId command) {
        auto* action = new QAction(this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this,
                [this, command] { Command(command)->trigger(); });
        addAction(action);
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_N), ID_NEW_GAME);
    add(QKeySequence(Qt::CTRL | Qt::Key_Q), ID_APP_EXIT);
}

void CMainFrame::BuildToolBar() {
    toolBar_ = addToolBar(tr("Command Bar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    QAction* deal =
        AddCommand(ID_NEW_GAME_TOOLBAR, tr("New Game"), &GameCommands::OnToolbarNewGame);
    deal->setToolTip(tr("New Game"));
    // The Sharp toolbar, in order: a command joins it with one line here (and an SVG of
    // its own under resources/frame/ for desktops without an icon theme).
    sharpTools_ = {
        {deal, "document-new", "new-game"},
        {undo_, "edit-undo", "undo"},
        {redo_, "edit-redo", "redo"},
        {restartDeal_, "view-refresh", "restart-deal"},
        {Command(ID_SHOW_SCORE), "games-highscores", "show-score"},
        {statisticsAction_, "view-statistics", "statistics"},
        {showLog_, "view-list-text", "move-log"},
    };
    // The menus keep their look: icons are for the toolbar.
    for (const ToolItem& item : sharpTools_) item.action->setIconVisibleInMenu(false);
}

void CMainFrame::ShowToolBar(TableLook look) {
    toolBar_->clear();
    if (look == TableLook::Classic) {
        for (const ToolItem& item : sharpTools_) item.action->setIcon(QIcon());
        toolBar_->setIconSize(QSize(16, 16));
        toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
        Command(ID_NEW_GAME_TOOLBAR)->setIcon(ClassicDealIcon());
        toolBar_->addAction(Command(ID_NEW_GAME_TOOLBAR));
        return;
    }
    const int icon = std::clamp(style()->pixelMetric(QStyle::PM_ToolBarIconSize, nullptr, toolBar_),
                                MinToolIcon, MaxToolIcon);
    toolBar_->setIconSize(QSize(icon, icon));
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (const ToolItem& item : sharpTools_) {
        item.action->setIcon(FrameIcon(item.themeIcon, item.ownIcon));
        toolBar_->addAction(item.action);
    }
}

void CMainFrame::BuildViewMenu() {
    viewMenu_ = menuBar()->addMenu(tr("&View"));
    looks_ = new QActionGroup(this);
    for (const auto& [look, text] : {std::pair{TableLook::Classic, tr("&Classic")},
                                     std::pair{TableLook::Sharp, tr("&Sharp")}}) {
        QAction* action = viewMenu_->addAction(text);
        action->setCheckable(true);
        action->setActionGroup(looks_);
        connect(action, &QAction::triggered, this, [this, look = look] { SetLook(look); });
    }
    facesMenu_ = viewMenu_->addMenu(tr("Card &Faces"));
    // The decks are looked for only when someone wants to choose one.
    connect(facesMenu_, &QMenu::aboutToShow, this, &CMainFrame::FillFacesMenu);
    viewMenu_->addSeparator();
    showLog_ = viewMenu_->addAction(tr("Move &Log"));
    showLog_->setCheckable(true);
    connect(showLog_, &QAction::triggered, this, &CMainFrame::ShowLog);
    connect(logPanel_, &MoveLogPanel::closedByUser, this, [this] { ShowLog(false); });
    connect(drawer_, &LogDrawer::closeRequested, this, [this] { ShowLog(false); });
    // The table lays itself out beside the open drawer rather than under it.
    connect(drawer_, &LogDrawer::coverChanged, view_, &CMervaneView::SetCoveredRight);
    // A screen reader speaks each move as it is logged, with the panel shown or not.
    connect(logPanel_, &MoveLogPanel::lineAdded, this,
            [this](const QString& line) { AnnounceToScreenReader(view_, line); });
    // The window's own menu of docks would bypass the remembered choice.
    logPanel_->toggleViewAction()->setVisible(false);
    showPlayable_ = viewMenu_->addAction(tr("Show &Playable Cards"));
    showPlayable_->setCheckable(true);
    connect(showPlayable_, &QAction::toggled, this, &CMainFrame::SetShowPlayable);
    animations_ = viewMenu_->addAction(tr("&Animations"));
    animations_->setCheckable(true);
    connect(animations_, &QAction::triggered, this, [this](bool on) {
        view_->SetAnimations(on);
        SaveViewChoice();
    });
    viewMenu_->addSeparator();
    const auto add = [this](const QString& text, QList<QKeySequence> keys, auto run) {
        QAction* action = viewMenu_->addAction(text);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    add(tr("Zoom &In"), {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
        [this] { StepZoom(+1); });
    add(tr("Zoom &Out"), {QKeySequence::ZoomOut}, [this] { StepZoom(-1); });
    add(tr("&Default Size"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
        [this] { SetZoom(StartZoom()); });
    fullScreen_ =
        add(tr("F&ull Screen"), {QKeySequence(Qt::Key_F11)}, [this] { ToggleFullScreen(); });
    fullScreen_->setCheckable(true);
    viewMenu_->addSeparator();
    statisticsAction_ = viewMenu_->addAction(tr("S&tatistics..."));
    // Like the other dialogs, it waits for a chain of turns under way.
    connect(statisticsAction_, &QAction::triggered, this,
            [this] { host_.Dispatch([this] { OnStatistics(); }); });
    // Escape leaves full screen and does nothing otherwise.
    leaveFullScreen_ = new QAction(this);
    leaveFullScreen_->setShortcut(QKeySequence(Qt::Key_Escape));
    leaveFullScreen_->setEnabled(false);
    connect(leaveFullScreen_, &QAction::triggered, this, [this] {
        if (isFullScreen()) ToggleFullScreen();
    });
    addAction(leaveFullScreen_);
}

// A menu left with Escape would leave the keys with the menu bar, which shows nothing
// and takes the arrows: the table takes them back as a menu or a dialog of this window
// closes. Later, when Qt has settled where the focus goes, and only when nothing else
// is open (a submenu's parent, a dialog's own dialog, the next menu along the bar).
bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched->isWidgetType() &&
        (qobject_cast<QMenu*>(watched) || qobject_cast<QDialog*>(watched))) {
        const QWidget* owner = static_cast<QWidget*>(watched)->parentWidget();
        if (owner && owner->window() == this)
            QTimer::singleShot(0, this, &CMainFrame::ReturnKeysToTable);
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::ReturnKeysToTable() {
    if (closing_ || !isVisible() || QApplication::activePopupWidget() ||
        QApplication::activeModalWidget())
        return;
    view_->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::FillFacesMenu() {
    facesMenu_->clear();
    auto* group = new QActionGroup(facesMenu_);
    CardFaceSource& source = view_->FaceSource();
    const DeckInfo* shown =
        view_->Faces() == ViewChoice::ClassicFaces ? nullptr : source.Find(view_->Faces());
    const auto add = [&](const QString& name, const QString& id, bool checked) {
        QAction* action = facesMenu_->addAction(name);
        action->setCheckable(true);
        action->setChecked(checked);
        action->setActionGroup(group);
        connect(action, &QAction::triggered, this, [this, id] { SetFaces(id); });
    };
    for (const DeckInfo& deck : source.Decks()) {
        // A name with an ampersand must not turn into a mnemonic.
        QString name = deck.name;
        add(name.replace(u'&', QStringLiteral("&&")), deck.id, shown && shown->id == deck.id);
    }
    if (!source.Decks().empty()) facesMenu_->addSeparator();
    add(tr("Classic"), ViewChoice::ClassicFaces, !shown);
}

QAction* CMainFrame::LookAction(TableLook look) const {
    return looks_->actions().at(look == TableLook::Classic ? 0 : 1);
}

void CMainFrame::SetLook(TableLook look) {
    const QSize table = view_->size();
    view_->SetLook(look);
    ShowLook(look);
    // The Classic log's dock comes or goes beside the table, which keeps its size as far
    // as the screen has room, unless the window's size is the screen's.
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        const QScreen* screen = CurrentScreen();
        const QSize frame = isVisible() ? frameGeometry().size() - size() : FrameAllowance;
        ResizeViewTo(screen ? table.boundedTo(screen->availableSize() - Chrome() - frame) : table);
    }
    SaveViewChoice();
    UpdateCommandStates();
}

// The menu, the icons and the toolbar's picture in the look of the table.
void CMainFrame::ShowLook(TableLook look) {
    LookAction(look)->setChecked(true);
    // The decks' faces are drawn in the Sharp look only.
    facesMenu_->setEnabled(look == TableLook::Sharp);
    animations_->setEnabled(look == TableLook::Sharp);
    setWindowIcon(ProgramIcon(look));
    // L is the drawer's key; the Classic look's keys stay as they always were.
    showLog_->setShortcut(look == TableLook::Sharp ? QKeySequence(Qt::Key_L) : QKeySequence());
    ShowToolBar(look);
    PlaceLog(false);
}

void CMainFrame::SetFaces(const QString& faces) {
    view_->SetFaces(faces);
    SaveViewChoice();
}

void CMainFrame::ShowLog(bool show) {
    logWanted_ = drawerOpen_ = show;
    PlaceLog(true);
    SaveViewChoice();
}

void CMainFrame::PlaceLog(bool animate) {
    const bool sharp = view_->Look() == TableLook::Sharp;
    if (sharp) {
        logPanel_->hide();
        if (logPanel_->List()->parentWidget() != drawer_) drawer_->Hold(logPanel_->Undock());
        drawer_->Open(drawerOpen_, animate && view_->Animations());
    } else {
        drawer_->Open(false, false);
        logPanel_->Redock();
        logPanel_->setVisible(logWanted_);
    }
    showLog_->setChecked(sharp ? drawerOpen_ : logWanted_);
    layout()->activate();  // the table takes the room now, so that a zoom step measures it
}

int CMainFrame::StartWidth() const {
    const QScreen* screen = CurrentScreen();
    if (screen && (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return screen->availableGeometry().width();
    return width();
}

void CMainFrame::SetShowPlayable(bool show) {
    if (showPlayable_->isChecked() != show) showPlayable_->setChecked(show);
    if (view_->ShowPlayable() == show) return;
    view_->SetShowPlayable(show);
    SaveViewChoice();
}

void CMainFrame::SaveViewChoice() const {
    ViewChoice choice;
    choice.look = view_->Look();
    choice.faces = view_->Faces();
    choice.showLog = logWanted_;
    choice.showPlayable = view_->ShowPlayable();
    choice.animations = view_->Animations();
    windowState_.SaveView(choice);
}

void CMainFrame::OnStatistics() {
    const GameState& state = host_.Game().State();
    std::array<QString, 3> names;
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = QString::fromStdString(state.playerNames[i]);
    CStatisticsDlg dialog(*statistics_, messages_, names, this);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.exec();
}

void CMainFrame::ToggleFullScreen() {
    if (isFullScreen()) {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        if (!(windowState() & Qt::WindowMaximized)) showNormal();
    } else {
        showFullScreen();
    }
}

void CMainFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        fullScreen_->setChecked(isFullScreen());
        leaveFullScreen_->setEnabled(isFullScreen());
    }
    QMainWindow::changeEvent(event);
}

void CMainFrame::UpdateCommandStates() {
    const MervaneGame& game = host_.Game();
    commands_.at(ID_NEW_GAME_TOOLBAR)->setEnabled(game.CanUseToolbarNewGame());
    commands_.at(ID_SHOW_SCORE)->setEnabled(game.CanShowScore());
    hint_->setEnabled(game.CanAskHint());
    undo_->setEnabled(game.CanUndo());
    redo_->setEnabled(game.CanRedo());
    restartDeal_->setEnabled(game.CanRestartDeal());
}

void CMainFrame::OnAppAbout() {
    // The picture as large and in the same look as the table.
    CAboutDlg about(this, view_->Look() == TableLook::Sharp, view_->Viewport().scale);
    about.setWindowModality(Qt::WindowModal);
    about.exec();
}

void CMainFrame::SetZoom(int zoom) {
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    view_->SetZoom(zoom);
    ResizeViewTo(view_->sizeHint());
}

void CMainFrame::StepZoom(int step) {
    const int zoom = std::clamp(view_->Zoom() + step, MinZoom, MaxZoom);
    const QScreen* screen = CurrentScreen();
    // A step that would not fit the screen is not taken.
    if (step > 0 && screen &&
        FittingZoom(zoom, Chrome() + (frameGeometry().size() - size()), screen->availableSize()) <
            zoom)
        return;
    SetZoom(zoom);
}

QSize CMainFrame::Chrome() const {
    if (isVisible()) return size() - view_->size();
    // Before the first show nothing is laid out yet, but the size hints add up. Across,
    // only the dock lies beside the table: a toolbar wider than the table asks for width
    // it does without (its last buttons fold into a menu).
    const QSize hint = sizeHint() - view_->sizeHint();
    return {logPanel_->isVisibleTo(this) ? hint.width() : 0, hint.height()};
}

void CMainFrame::ResizeViewTo(QSize viewSize) {
    resize(Chrome() + viewSize.expandedTo(view_->minimumSizeHint()));
    layout()->activate();  // the view takes its new size now, not at the next event
}

const QScreen* CMainFrame::CurrentScreen() const {
    return screen() ? screen() : QGuiApplication::primaryScreen();
}

int CMainFrame::StartZoom() const {
    const QScreen* screen = CurrentScreen();
    if (!screen) return MinZoom;
    // Leave room for the title bar, the menu and the toolbar, and some desk around.
    const QSize room = screen->availableSize() * 0.9 - QSize(0, 70);
    int zoom = MaxZoom;
    while (zoom > MinZoom &&
           (TableWidth * zoom > room.width() || TableHeight * zoom > room.height()))
        --zoom;
    return zoom;
}

int CMainFrame::FittingZoom(int zoom, QSize around, QSize room) {
    while (zoom > MinZoom && (TableWidth * zoom + around.width() > room.width() ||
                              TableHeight * zoom + around.height() > room.height()))
        --zoom;
    return zoom;
}

QSize CMainFrame::WindowSizeAt(int zoom) const {
    // The menu and the toolbar around the table stay the same at every zoom.
    return Chrome() + QSize(TableWidth * zoom, TableHeight * zoom);
}

// What the window manager's frame added around the window when it was last closed.
QSize CMainFrame::FrameExtra(const WindowPlacement& placement) const {
    if (!placement.frameSize) return FrameAllowance;
    const QSize window =
        placement.viewSize ? Chrome() + *placement.viewSize : WindowSizeAt(placement.zoom);
    const QSize extra = *placement.frameSize - window;
    const bool plausible =
        extra.width() >= 0 && extra.height() >= 0 && extra.width() <= 200 && extra.height() <= 200;
    return plausible ? extra : FrameAllowance;
}

namespace {

// The table area as stored, or at the stored (or the screen's) whole factor.
QSize StoredViewSize(const WindowPlacement& placement, int startZoom) {
    const QSize table(TableWidth, TableHeight);
    if (placement.viewSize && placement.viewSize->width() >= table.width() &&
        placement.viewSize->height() >= table.height())
        return *placement.viewSize;
    const bool storedZoom = placement.zoom >= MinZoom && placement.zoom <= MaxZoom;
    return table * (storedZoom ? placement.zoom : startZoom);
}

// A size within `room`, never below the table at 1x. A whole factor stays one.
QSize FitViewSize(QSize view, QSize around, QSize room) {
    const QSize table(TableWidth, TableHeight);
    if (view.width() % table.width() == 0 && view.height() % table.height() == 0 &&
        view.width() / table.width() == view.height() / table.height())
        return table * CMainFrame::FittingZoom(view.width() / table.width(), around, room);
    return view.boundedTo(room - around).expandedTo(table);
}

}  // namespace

void CMainFrame::RestorePlacement() {
    const WindowPlacement placement = windowState_.Load();
    QSize view = StoredViewSize(placement, StartZoom());
    const QSize frameExtra = FrameExtra(placement);
    const QScreen* titleScreen = nullptr;
    if (placement.position) {
        const int frameWidth = Chrome().width() + view.width() + frameExtra.width();
        titleScreen = ScreenUnderTitleBar(*placement.position, frameWidth);
    }
    const QScreen* screen = titleScreen ? titleScreen : CurrentScreen();
    // The whole window, frame and all, must fit the free area of its screen.
    if (screen) view = FitViewSize(view, Chrome() + frameExtra, screen->availableSize());
    view_->SetZoom(std::min(view.width() / TableWidth, view.height() / TableHeight));
    ResizeViewTo(view);
    // The size is settled before the move: were the layout to resize the window later,
    // the window system would take the position as the client area's, below the title
    // bar, and the window would creep up by the title bar at every start.
    if (titleScreen) move(*placement.position);
    if (placement.maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void CMainFrame::SavePlacement() const {
    WindowPlacement placement;
    placement.zoom = view_->Zoom();
    placement.maximized = windowState() & Qt::WindowMaximized;
    // A maximised or full-screen window keeps the place and size it goes back to.
    const bool normal = !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    const QRect client = normal ? geometry() : normalGeometry();
    if (client.isValid()) placement.viewSize = client.size() - Chrome();
    if (isVisible()) {
        const QMargins frame(geometry().left() - frameGeometry().left(),
                             geometry().top() - frameGeometry().top(),
                             frameGeometry().right() - geometry().right(),
                             frameGeometry().bottom() - geometry().bottom());
        placement.position = client.marginsAdded(frame).topLeft();
        placement.frameSize = client.marginsAdded(frame).size();
    }
    windowState_.Save(placement);
}

// The game the last run put away goes on where it was; one that cannot be taken up is
// put aside with one message, and the title shows.
void CMainFrame::TakeUpSavedGame() {
    const SavedGameStore::Loaded loaded = gameStore_.Load();
    if (loaded.putAside) {
        // Once the window stands where the window manager put it, so that the message
        // opens over it.
        connect(
            view_, &CMervaneView::firstPainted, this,
            [this] {
                QTimer::singleShot(0, this, [this] {
                    messages_.Show(
                        this, tr("The game left last time could not be read and was put aside."));
                });
            },
            Qt::SingleShotConnection);
    }
    if (loaded.game) host_.Game().ResumeGame(*loaded.game);
}

void CMainFrame::Exit() {
    close();
}

void CMainFrame::PutGameAway() {
    if (gameSaver_) gameSaver_->SaveNow();
}

// The one way out, whatever started it. Nothing is asked and nothing waits: a chain
// under way stops at its pause, and the application's quit ends the loop of any
// dialog still open.
void CMainFrame::closeEvent(QCloseEvent* event) {
    event->accept();
    // A second close (a signal during Exit) finds the window hidden and its state
    // saved: nothing is left to do.
    if (std::exchange(closing_, true)) return;
    SavePlacement();
    gameSaver_->SaveNow();
    // Nothing later, such as a hand's save still queued, may overwrite it.
    gameSaver_.reset();
    host_.Shutdown();
    view_->Shutdown();
    messages_.CloseDown();
    help_.Close();
    emit closed();
}

}  // namespace mervane
