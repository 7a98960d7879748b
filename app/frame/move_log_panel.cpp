#include "app/frame/move_log_panel.h"

#include <QCloseEvent>
#include <QListWidget>

#include "game/mervane_game.h"

namespace mervane {
namespace {

// The panel's width in characters: most lines fit, longer ones wrap.
constexpr int LineChars = 34;

}  // namespace

MoveLogPanel::MoveLogPanel(MervaneGame& game, QWidget* parent)
    : QDockWidget(tr("Move Log"), parent),
      game_(game),
      log_(game.State()),
      list_(new QListWidget(this)) {
    // The name lets the window's layout tell this dock apart from any later one.
    setObjectName(QStringLiteral("moveLog"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    // Floating, it would leave the table a room that the zoom steps cannot foresee.
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setWordWrap(true);
    list_->setUniformItemSizes(false);
    Redock();
    log_.SetListener(this);
    game_.AddObserver(&log_);
}

MoveLogPanel::~MoveLogPanel() {
    game_.RemoveObserver(&log_);
}

QListWidget* MoveLogPanel::Undock() {
    list_->setMinimumWidth(0);
    list_->setMaximumWidth(QWIDGETSIZE_MAX);
    return list_;
}

void MoveLogPanel::Redock() {
    if (widget() != list_ || list_->parentWidget() != this) setWidget(list_);
    list_->setFont(QFont());  // the dock's own again, not the drawer's
    // A width of its own, not one the splitter takes from the table: the window's size
    // is worked out from the table's before it is shown, and must come out the same.
    list_->setFixedWidth(list_->fontMetrics().averageCharWidth() * LineChars);
}

void MoveLogPanel::closeEvent(QCloseEvent* event) {
    QDockWidget::closeEvent(event);
    if (event->isAccepted()) emit closedByUser();
}

void MoveLogPanel::LineAdded(const std::string& line) {
    const QString text = QString::fromStdString(line);
    list_->addItem(text);
    list_->scrollToBottom();
    emit lineAdded(text);
}

void MoveLogPanel::Refilled(const std::vector<std::string>& lines) {
    list_->clear();
    for (const std::string& line : lines) list_->addItem(QString::fromStdString(line));
    list_->scrollToBottom();
}

}  // namespace mervane
