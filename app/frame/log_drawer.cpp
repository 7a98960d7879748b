#include "app/frame/log_drawer.h"

#include "app/frame/vector_icon.h"

#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace mervane {
namespace {

// The window height up to which the desktop's font is used as it is.
constexpr int PlainFontHeight = 1080;
// A quarter of the table, but never so narrow that most lines wrap, nor wider than a
// line is worth reading.
constexpr double WidthShare = 0.25;
constexpr int MinWidth = 260;
constexpr int MaxWidth = 960;
constexpr int SlideMs = 200;
constexpr int CornerRadius = 10;
// Near-black, the table faintly through it: light text on it keeps over 7:1 even over
// a white card.
constexpr QColor Panel(18, 22, 26, 215);
constexpr QColor PanelEdge(255, 255, 255, 48);

// Styles the content the drawer holds, and only while it holds it.
const char* const DrawerStyle =
    "QListWidget { background: transparent; border: none; color: #ececec; }"
    "QListWidget::item { padding: 0.15em 0; }"
    "QLabel { color: #ffffff; }"
    "QToolButton { border: none; border-radius: 4px; padding: 2px; }"
    "QToolButton:hover { background: rgba(255, 255, 255, 40); }";

}  // namespace

LogDrawer::LogDrawer(QWidget* table, QWidget* parent)
    : QWidget(parent),
      table_(table),
      layout_(new QVBoxLayout(this)),
      title_(new QLabel(tr("Move Log"), this)),
      close_(new QToolButton(this)),
      slide_(new QPropertyAnimation(this, "pos", this)) {
    setObjectName(QStringLiteral("moveLogDrawer"));
    setStyleSheet(QString::fromLatin1(DrawerStyle));
    // Ours, light on the dark panel: a theme's dark cross would vanish there.
    close_->setIcon(FrameIcon(nullptr, "close"));
    close_->setToolTip(tr("Close the move log"));
    close_->setAccessibleName(tr("Close the move log"));
    // The table keeps the keys; L opens and closes the drawer from the keyboard.
    close_->setFocusPolicy(Qt::NoFocus);
    connect(close_, &QToolButton::clicked, this, &LogDrawer::closeRequested);
    auto* header = new QHBoxLayout;
    header->addWidget(title_, 1);
    header->addWidget(close_);
    layout_->addLayout(header);
    layout_->setContentsMargins(14, 8, 8, 10);
    slide_->setDuration(SlideMs);
    slide_->setEasingCurve(QEasingCurve::OutCubic);
    connect(slide_, &QPropertyAnimation::finished, this, [this] {
        if (!open_) hide();
    });
    hide();
    if (table_) table_->installEventFilter(this);
}

QFont LogDrawer::FontFor(int windowHeight) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    const double scale = std::max(1.0, double(windowHeight) / PlainFontHeight);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    else if (font.pixelSize() > 0)
        font.setPixelSize(int(std::lround(font.pixelSize() * scale)));
    return font;
}

int LogDrawer::WidthFor(int tableWidth) {
    const int width = std::clamp(int(std::lround(tableWidth * WidthShare)), MinWidth, MaxWidth);
    return std::min(width, tableWidth);
}

void LogDrawer::Hold(QWidget* content) {
    content_ = content;
    layout_->addWidget(content, 1);
    content->show();
    ShowFont(FontFor(window()->height()));
}

// Set on each widget: under the drawer's style sheet a child no longer takes its
// parent's font.
void LogDrawer::ShowFont(const QFont& font) {
    if (font == this->font() && (!content_ || content_->font() == font)) return;
    setFont(font);
    QFont bold = font;
    bold.setBold(true);
    title_->setFont(bold);
    if (content_ && content_->parentWidget() == this) content_->setFont(font);
}

QRect LogDrawer::OpenGeometry() const {
    if (!table_) return geometry();
    const QRect table = table_->geometry();
    const int width = WidthFor(table.width());
    return {table.right() + 1 - width, table.top(), width, table.height()};
}

QPoint LogDrawer::ClosedPos() const {
    return table_ ? QPoint(table_->geometry().right() + 1, table_->geometry().top()) : pos();
}

int LogDrawer::Covers() const {
    return open_ && table_ ? WidthFor(table_->width()) : 0;
}

void LogDrawer::Open(bool open, bool animate) {
    open_ = open;
    emit coverChanged(Covers());
    slide_->stop();
    if (!table_ || !animate || !table_->isVisible()) {
        if (open) {
            Place();
            show();
            raise();
        } else {
            hide();
        }
        return;
    }
    const QPoint from = isVisible() ? pos() : ClosedPos();
    const QRect target = OpenGeometry();
    ShowFont(FontFor(window()->height()));
    resize(target.size());
    move(from);
    show();
    raise();
    slide_->setStartValue(from);
    slide_->setEndValue(open ? target.topLeft() : ClosedPos());
    slide_->start();
}

// A resize ends a slide under way: the drawer is where it was going.
void LogDrawer::Place() {
    if (!table_) return;
    if (slide_->state() == QAbstractAnimation::Running) {
        slide_->stop();
        if (!open_) hide();
    }
    ShowFont(FontFor(window()->height()));
    if (open_)
        setGeometry(OpenGeometry());
    else
        move(ClosedPos());
    emit coverChanged(Covers());
}

bool LogDrawer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        Place();
    return QWidget::eventFilter(watched, event);
}

void LogDrawer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Rounded on the table's side only: the right corners lie beyond the widget.
    const QRectF panel = QRectF(rect()).adjusted(0.5, 0.5, CornerRadius, -0.5);
    QPainterPath path;
    path.addRoundedRect(panel, CornerRadius, CornerRadius);
    painter.fillPath(path, Panel);
    painter.setPen(QPen(PanelEdge, 1));
    painter.drawPath(path);
}

}  // namespace mervane
