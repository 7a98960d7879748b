#include "app/help_window.h"

#include <QFile>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "app/translations.h"

namespace mervane {

QUrl HelpPageFor(const QString& language) {
    const QString translated = QStringLiteral(":/help/mervane_%1.htm").arg(language);
    if (!language.isEmpty() && QFile::exists(translated))
        return QUrl(QStringLiteral("qrc") + translated);
    return QUrl(QStringLiteral("qrc:/help/mervane.htm"));
}

HelpWindow::HelpWindow() : browser_(new QTextBrowser(this)) {
    setWindowTitle(tr("Mervane Help"));
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(true);
    browser_->setSource(HelpPageFor(TranslationLanguage()));
    resize(520, 600);
    // Closes like a dialog; the page itself has no use for Escape.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::ShowAnchor(const QString& anchor) {
    anchor_ = anchor;
    show();
    raise();
    activateWindow();
    browser_->scrollToAnchor(anchor);
    // The first showing lays the page out only after this returns.
    QTimer::singleShot(0, browser_, [this, anchor] { browser_->scrollToAnchor(anchor); });
}

void HelpHost::Show(const QString& anchor) {
    if (!window_) {
        window_ = std::make_unique<HelpWindow>();
        window_->setWindowIcon(table_.windowIcon());
        PlaceBesideTable();
    }
    window_->ShowAnchor(anchor);
}

// Right of the table if the screen has room there, else left of it; failing
// both, wherever the window system puts it.
void HelpHost::PlaceBesideTable() {
    const QScreen* screen = table_.screen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    const QRect table = table_.frameGeometry();
    const QSize size = window_->size();
    constexpr int Gap = 8;
    const QRect right(table.topRight() + QPoint(Gap, 0), size);
    const QRect left(table.topLeft() - QPoint(Gap + size.width(), 0), size);
    if (room.contains(right))
        window_->move(right.topLeft());
    else if (room.contains(left))
        window_->move(left.topLeft());
}

void HelpHost::Close() {
    if (window_) window_->close();
}

}  // namespace mervane
