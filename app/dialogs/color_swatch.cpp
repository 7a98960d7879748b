#include "app/dialogs/color_swatch.h"

#include <QPainter>

#include "render/qt_surface.h"

namespace mervane {

ColorSwatch::ColorSwatch(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void ColorSwatch::SetColor(Color color) {
    if (color == color_) return;
    color_ = color;
    update();
}

void ColorSwatch::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(contentsRect(), ToQColor(color_));
    painter.end();
    QFrame::paintEvent(event);
}

}  // namespace mervane
