#include "app/help_window.h"

#include <QApplication>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace mervane {
namespace {

const QUrl HelpPage(QStringLiteral("qrc:/help/mervane.htm"));
HelpHost* currentHost = nullptr;

}  // namespace

HelpWindow::HelpWindow() : browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Mervane Help"));
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(true);
    browser_->setSource(HelpPage);
    resize(520, 600);
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

HelpHost::HelpHost() {
    currentHost = this;
}

HelpHost::~HelpHost() {
    if (currentHost == this) currentHost = nullptr;
}

HelpHost* HelpHost::Current() {
    return currentHost;
}

void HelpHost::Show(const QString& anchor) {
    if (!window_) {
        window_ = std::make_unique<HelpWindow>();
        // Beside the window that asked, so that the table stays in view.
        if (const QWidget* asking = QApplication::activeWindow())
            window_->move(asking->frameGeometry().topRight() + QPoint(8, 0));
    }
    window_->ShowAnchor(anchor);
}

void HelpHost::Close() {
    if (window_) window_->close();
}

void ShowHelp(const QString& anchor) {
    if (HelpHost* host = HelpHost::Current()) host->Show(anchor);
}

}  // namespace mervane
