#include "app/dialogs/window_fit.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace mervane {

int TitleBarWidth(const QString& title) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    // Each frame button is about as wide as the bar is high.
    const int button = metrics.height() + 8;
    constexpr int FrameButtons = 4;
    constexpr int TitleMargins = 2;  // free space on either side of the title
    return metrics.horizontalAdvance(title) + (FrameButtons + TitleMargins) * button;
}

void FitTitleBar(QWidget& window) {
    const int width = TitleBarWidth(window.windowTitle());
    // A strut keeps the layout in charge: it still grows the window for wider contents,
    // as an explicit minimum width would not.
    if (auto* column = qobject_cast<QVBoxLayout*>(window.layout())) {
        const QMargins margins = column->contentsMargins();
        column->addStrut(width - margins.left() - margins.right());
    } else {
        window.setMinimumWidth(std::max(window.minimumSizeHint().width(), width));
    }
}

QRect CentredFrame(const QRect& over, QSize size, const QRect& room) {
    size = size.boundedTo(room.size());
    QRect frame(QPoint(), size);
    frame.moveCenter(over.center());
    frame.moveLeft(std::clamp(frame.left(), room.left(), room.right() + 1 - size.width()));
    frame.moveTop(std::clamp(frame.top(), room.top(), room.bottom() + 1 - size.height()));
    return frame;
}

void PlaceCentred(QWidget& window, const QWidget& over) {
    const QWidget& main = *over.window();
    const QScreen* screen = main.screen();
    if (!screen) return;
    const QSize decoration = main.frameGeometry().size() - main.geometry().size();
    const QRect frame =
        CentredFrame(main.frameGeometry(), window.size() + decoration, screen->availableGeometry());
    window.move(frame.topLeft());
}

}  // namespace mervane
