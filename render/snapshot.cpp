#include "render/snapshot.h"

#include "render/qt_surface.h"
#include "render/table_painter.h"

namespace mervane {

QImage RenderTableImage(GameState& state) {
    QImage image(ViewWidth, ViewHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QtSurface window(image);
        OnDraw(state, window);
    }
    return image;
}

bool SaveSnapshot(GameState& state, const QString& pngPath) {
    return RenderTableImage(state).save(pngPath, "PNG");
}

}  // namespace mervane
