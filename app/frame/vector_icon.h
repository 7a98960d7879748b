#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>

namespace mervane {

// An icon drawn from a vector picture at whatever size is asked for, when it is first
// asked for: building one costs nothing on the way to the first paint.
// `render` must return an image of exactly the size it is given.
QIcon LazyVectorIcon(QImage (*render)(QSize));

// The desktop's icon of that theme name, else the window's own picture
// `:/frame/<ownName>.svg` (resources/frame/); only ours when `themeName` is null.
QIcon FrameIcon(const char* themeName, const char* ownName);

}  // namespace mervane
