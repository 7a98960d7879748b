#include "app/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <algorithm>
#include <utility>

#include "app/about_dlg.h"
#include "app/close_request.h"
#include "app/mervane_view.h"
#include "render/bitmap_cache.h"

namespace mervane {
namespace {

QIcon ProgramIcon() {
    BitmapCache::Shared();  // makes sure the bitmap resources are registered
    QIcon icon;
    icon.addFile(QStringLiteral(":/bitmaps/icon128_32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/bitmaps/icon128_16.png"), QSize(16, 16));
    return icon;
}

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

}  // namespace

CMainFrame::CMainFrame(SettingsStore store, QWidget* parent)
    : QMainWindow(parent),
      store_(std::move(store)),
      windowState_(store_),
      view_(new CMervaneView(store_, messages_, this)) {
    store_.SetFailureReporter([this](const QString& text) { messages_.Show(this, text); });
    setWindowTitle(QStringLiteral("Mervane"));
    setWindowIcon(ProgramIcon());
    setCentralWidget(view_);
    BuildMenu();
    BuildToolBar();
    BuildZoomKeys();
    // The window's size follows the table's zoom.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(view_, &CMervaneView::stateChanged, this, &CMainFrame::UpdateCommandStates);
    // A dialog's F1 opens help at once, even while the dialog waits.
    connect(view_, &CMervaneView::helpRequested, this,
            [this](const QString& anchor) { help_.Show(anchor); });
    view_->OnInitialUpdate();
    RestorePlacement();
    UpdateCommandStates();
    closeRequests_ = CloseRequestFilter::ForPlatform(*this);
}

// The view refers to the store and the message boxes, so it goes before them rather
// than with the other child widgets after them.
CMainFrame::~CMainFrame() {
    delete std::exchange(view_, nullptr);
}

QAction* CMainFrame::AddCommand(CommandId id, const QString& text,
                                void (CMervaneView::*handler)()) {
    auto* action = new QAction(text, this);
    action->setData(int(id));
    if (handler)
        connect(action, &QAction::triggered, this, [this, handler] { RunViewCommand(handler); });
    commands_[id] = action;
    return action;
}

void CMainFrame::RunViewCommand(void (CMervaneView::*handler)()) {
    CMervaneView* view = view_;
    view->Dispatch([view, handler] { (view->*handler)(); });
}

void CMainFrame::BuildMenu() {
    menu_ = menuBar()->addMenu(QStringLiteral("&Mervane"));
    menu_->addAction(
        AddCommand(ID_GAME_SETUP, QStringLiteral("&Game Setup"), &CMervaneView::OnGameSetup));
    menu_->addAction(
        AddCommand(ID_TABLE_SETUP, QStringLiteral("&Table Setup "), &CMervaneView::OnTableSetup));
    menu_->addSeparator();
    menu_->addAction(
        AddCommand(ID_NEW_GAME, QStringLiteral("&New Game"), &CMervaneView::OnQuitAndNewGame));
    menu_->addAction(
        AddCommand(ID_SHOW_SCORE, QStringLiteral("&Show Score"), &CMervaneView::OnShowScore));
    menu_->addSeparator();
    QAction* about = AddCommand(ID_APP_ABOUT, QStringLiteral("&About Mervane..."), nullptr);
    connect(about, &QAction::triggered, this,
            [this] { view_->Dispatch([this] { OnAppAbout(); }); });
    menu_->addAction(about);
    QAction* help = AddCommand(ID_HELP_CONTENTS, QStringLiteral("Help..."), nullptr);
    help->setShortcut(QKeySequence::HelpContents);
    // Like the other commands, help waits for a chain of turns under way.
    connect(help, &QAction::triggered, this,
            [this] { view_->Dispatch([this] { help_.Show(QStringLiteral("Main_Contents")); }); });
    menu_->addAction(help);
    menu_->addSeparator();
    QAction* exit = AddCommand(ID_APP_EXIT, QStringLiteral("E&xit"), nullptr);
    connect(exit, &QAction::triggered, this, &QWidget::close);
    menu_->addAction(exit);
    connect(menu_, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
}

void CMainFrame::BuildToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Command Bar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    QAction* deal = AddCommand(ID_NEW_GAME_TOOLBAR, QStringLiteral("New Game"),
                               &CMervaneView::OnToolbarNewGame);
    deal->setIcon(QIcon(QStringLiteral(":/bitmaps/toolbar128.png")));
    deal->setToolTip(QStringLiteral("New Game"));
    toolBar_->addAction(deal);
}

void CMainFrame::BuildZoomKeys() {
    const auto add = [this](QList<QKeySequence> keys, auto zoomOf) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, zoomOf] { SetZoom(zoomOf()); });
        addAction(action);
    };
    add({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
        [this] { return view_->Zoom() + 1; });
    add({QKeySequence::ZoomOut}, [this] { return view_->Zoom() - 1; });
    add({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { return StartZoom(); });
}

void CMainFrame::UpdateCommandStates() {
    const MervaneGame& game = view_->Game();
    commands_.at(ID_NEW_GAME_TOOLBAR)->setEnabled(game.CanUseToolbarNewGame());
    commands_.at(ID_SHOW_SCORE)->setEnabled(game.CanShowScore());
}

void CMainFrame::OnAppAbout() {
    CAboutDlg about(this);
    about.setWindowModality(Qt::WindowModal);
    about.exec();
}

void CMainFrame::SetZoom(int zoom) {
    view_->SetZoom(zoom);
    layout()->activate();  // the window takes its new size now, not at the next event
}

int CMainFrame::StartZoom() const {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return CMervaneView::MinZoom;
    // Leave room for the title bar, the menu and the toolbar, and some desk around.
    const QSize room = screen->availableSize() * 0.9 - QSize(0, 70);
    int zoom = CMervaneView::MaxZoom;
    while (zoom > CMervaneView::MinZoom && (CMervaneView::TableWidth * zoom > room.width() ||
                                            CMervaneView::TableHeight * zoom > room.height()))
        --zoom;
    return zoom;
}

int CMainFrame::FittingZoom(int zoom, QSize around, QSize room) {
    while (zoom > CMervaneView::MinZoom &&
           (CMervaneView::TableWidth * zoom + around.width() > room.width() ||
            CMervaneView::TableHeight * zoom + around.height() > room.height()))
        --zoom;
    return zoom;
}

QSize CMainFrame::WindowSizeAt(int zoom) const {
    // The menu and the toolbar around the table stay the same at every zoom.
    return size() - view_->size() +
           QSize(CMervaneView::TableWidth * zoom, CMervaneView::TableHeight * zoom);
}

// What the window manager's frame added around the window when it was last closed.
QSize CMainFrame::FrameExtra(const WindowPlacement& placement) const {
    if (!placement.frameSize) return FrameAllowance;
    const QSize extra = *placement.frameSize - WindowSizeAt(placement.zoom);
    const bool plausible =
        extra.width() >= 0 && extra.height() >= 0 && extra.width() <= 200 && extra.height() <= 200;
    return plausible ? extra : FrameAllowance;
}

void CMainFrame::RestorePlacement() {
    const WindowPlacement placement = windowState_.Load();
    const bool storedZoom =
        placement.zoom >= CMervaneView::MinZoom && placement.zoom <= CMervaneView::MaxZoom;
    SetZoom(storedZoom ? placement.zoom : StartZoom());
    const QSize frameExtra = FrameExtra(placement);
    const QScreen* titleScreen = nullptr;
    if (placement.position) {
        const int frameWidth = WindowSizeAt(view_->Zoom()).width() + frameExtra.width();
        titleScreen = ScreenUnderTitleBar(*placement.position, frameWidth);
    }
    const QScreen* screen = titleScreen      ? titleScreen
                            : this->screen() ? this->screen()
                                             : QGuiApplication::primaryScreen();
    // The whole window, frame and all, must fit the free area of its screen.
    const QSize around = WindowSizeAt(0) + frameExtra;
    if (screen) SetZoom(FittingZoom(view_->Zoom(), around, screen->availableSize()));
    // The size is settled before the move: were the layout to resize the window later,
    // the window system would take the position as the client area's, below the title
    // bar, and the window would creep up by the title bar at every start.
    if (titleScreen) move(*placement.position);
}

void CMainFrame::SavePlacement() const {
    WindowPlacement placement{view_->Zoom(), std::nullopt, std::nullopt};
    if (isVisible()) {
        placement.position = frameGeometry().topLeft();
        placement.frameSize = frameGeometry().size();
    }
    windowState_.Save(placement);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Nothing is asked and nothing waits: a chain under way stops at its pause, and
    // the application's quit ends the loop of any dialog still open.
    SavePlacement();
    view_->Shutdown();
    messages_.CloseDown();
    help_.Close();
    event->accept();
    emit closed();
}

}  // namespace mervane
