#include "app/dialogs/help_window.h"

#include <QFile>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "app/dialogs/window_fit.h"
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
        PlaceOverWindow();
    }
    window_->ShowAnchor(anchor);
}

// Centred on the main window, about 60 % of its width and 80 % of its height (enough
// to read at a small window's size), all within the screen's available area.
QRect HelpFrameFor(const QRect& window, const QRect& room) {
    constexpr QSize Smallest(420, 360);
    const QSize share(window.width() * 6 / 10, window.height() * 8 / 10);
    return CentredFrame(window, share.expandedTo(Smallest), room);
}

void HelpHost::PlaceOverWindow() {
    const QWidget& main = *table_.window();
    const QScreen* screen = main.screen();
    if (!screen) return;
    const QSize decoration = main.frameGeometry().size() - main.geometry().size();
    window_->resize(HelpFrameFor(main.frameGeometry(), screen->availableGeometry()).size() -
                    decoration);
    PlaceCentred(*window_, main);
}

void HelpHost::Close() {
    if (window_) window_->close();
}

}  // namespace mervane
