#pragma once

#include <QRect>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <memory>

class QTextBrowser;

namespace mervane {

// The help page in `language` ("de") if the resources hold one, else the English page.
QUrl HelpPageFor(const QString& language);

// Where the help window's frame opens over the main window's frame `window`, within
// the screen's available area `room`.
QRect HelpFrameFor(const QRect& window, const QRect& room);

// The program's own help viewer: the bundled help page in a window of its own, which
// nobody waits for.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    HelpWindow();
    void ShowAnchor(const QString& anchor);
    QString CurrentAnchor() const { return anchor_; }
    QTextBrowser* Browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
    QString anchor_;
};

// Owns the help window for the main window's lifetime (a top-level window of its own,
// so that a modal dialog does not hold it still).
class HelpHost {
  public:
    // The help window first opens over the window of `table`, centred on it.
    explicit HelpHost(const QWidget& table) : table_(table) {}
    HelpHost(const HelpHost&) = delete;
    HelpHost& operator=(const HelpHost&) = delete;

    // Opens the help page at an anchor: "Main_Contents", "game_setup" or "table_setup".
    void Show(const QString& anchor);
    void Close();
    HelpWindow* Window() const { return window_.get(); }

  private:
    void PlaceOverWindow();

    const QWidget& table_;
    std::unique_ptr<HelpWindow> window_;
};

}  // namespace mervane
