#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QPropertyAnimation;
class QToolButton;
class QVBoxLayout;

namespace mervane {

// The move log of the Sharp look: a panel that slides in over the right edge of the
// table instead of taking room from it. It shows whatever content it is handed (the
// move log's own list, which it lends back to the dock in the Classic look) in the
// desktop's font, grown with the window so that it still reads on a 4K screen.
class LogDrawer final : public QWidget {
    Q_OBJECT
  public:
    // Lies over the right edge of `table`, a sibling under the same `parent`, and
    // follows it as it moves and resizes.
    LogDrawer(QWidget* table, QWidget* parent);

    // Puts `content` below the drawer's title; it leaves when another parent takes it.
    void Hold(QWidget* content);
    // Slides in or out; at once when `animate` is false.
    void Open(bool open, bool animate);
    // Where the drawer is going: true from the start of its slide in.
    bool IsOpen() const { return open_; }
    // How much of the table's right edge the drawer takes when open, else 0.
    int Covers() const;

    // The font for the window's height: the desktop's own at up to 1080 pixels,
    // proportionally larger above, never smaller.
    static QFont FontFor(int windowHeight);
    // The width for a table `tableWidth` wide: a quarter, within bounds.
    static int WidthFor(int tableWidth);

  signals:
    // The drawer's close button was pressed.
    void closeRequested();
    // What it covers of the table changed: opened, closed, or the table resized.
    void coverChanged(int width);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // The drawer's place when open, and when tucked away beyond the table's right edge.
    QRect OpenGeometry() const;
    QPoint ClosedPos() const;
    void Place();
    void ShowFont(const QFont& font);

    QPointer<QWidget> table_;
    QPointer<QWidget> content_;
    QVBoxLayout* layout_;
    QLabel* title_;
    QToolButton* close_;
    QPropertyAnimation* slide_;
    bool open_ = false;
};

}  // namespace mervane
