#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace mervane {

// Room for the whole title in the window manager's title bar: the title in the title
// font (set bold, as most frames draw it), beside the frame's icon and its minimise,
// maximise and close buttons. Translated titles are often much longer than the texts
// inside, and a frame shortens what does not fit in the middle.
int TitleBarWidth(const QString& title);

// Makes a window that sizes itself from its layout (a column) at least TitleBarWidth
// wide; call once its layout and title are set.
void FitTitleBar(QWidget& window);

// A frame of `size` centred on the frame `over`, moved as little as needed to lie in
// `room` (the screen's available area), and no larger than it.
QRect CentredFrame(const QRect& over, QSize size, const QRect& room);

// Moves `window`, about to be shown, so that its frame is centred on the frame of
// `over`'s window; its frame is taken to be as thick as that one, which the window
// manager has already framed.
void PlaceCentred(QWidget& window, const QWidget& over);

}  // namespace mervane
