#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>

#include "app/about_dlg.h"
#include "app/close_request.h"
#include "app/mervane_view.h"
#include "app/message_box.h"
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

// Rejects every dialog still open, so that no exec() waits on.
void RejectOpenDialogs() {
    const auto widgets = QApplication::topLevelWidgets();
    for (auto it = widgets.crbegin(); it != widgets.crend(); ++it) {
        if (auto* dialog = qobject_cast<QDialog*>(*it); dialog && dialog->isVisible())
            dialog->reject();
    }
}

}  // namespace

CMainFrame::CMainFrame(SettingsStore store, QWidget* parent)
    : QMainWindow(parent), store_(std::move(store)), view_(new CMervaneView(store_, this)) {
    SetClosingDown(false);
    setWindowTitle(QStringLiteral("Mervane"));
    setWindowIcon(ProgramIcon());
    setCentralWidget(view_);
    BuildMenu();
    BuildToolBar();
    BuildZoomKeys();
    // The window's size follows the table's zoom.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(view_, &CMervaneView::stateChanged, this, &CMainFrame::UpdateCommandStates);
    view_->OnInitialUpdate();
    RestorePlacement();
    UpdateCommandStates();
    closeRequests_ = CloseRequestFilter::ForPlatform(*this);
}

CMainFrame::~CMainFrame() = default;

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
    SavePlacement();
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

void CMainFrame::RestorePlacement() {
    const WindowPlacement placement = store_.LoadWindow();
    const bool storedZoom =
        placement.zoom >= CMervaneView::MinZoom && placement.zoom <= CMervaneView::MaxZoom;
    view_->SetZoom(storedZoom ? placement.zoom : StartZoom());
    if (!placement.position) return;
    // Only to a place that is still on one of the screens.
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(*placement.position)) {
            move(*placement.position);
            return;
        }
    }
}

void CMainFrame::SavePlacement() const {
    store_.SaveWindow({view_->Zoom(), pos()});
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Nothing is asked and nothing waits: a chain under way runs out without pauses.
    SavePlacement();
    view_->Shutdown();
    SetClosingDown(true);
    RejectOpenDialogs();
    help_.Close();
    event->accept();
    emit closed();
}

}  // namespace mervane
