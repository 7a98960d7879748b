#include "render/snapshot.h"

#include <QBuffer>
#include <QFile>

#include "render/qt_surface.h"
#include "render/table_painter.h"

namespace mervane {

QImage RenderTableImage(const GameState& state, TitleArt& title) {
    QImage image(ViewWidth, ViewHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QtSurface window(image);
        OnDraw(state, window, title);
    }
    return image;
}

QImage RenderTableImage(const GameState& state) {
    TitleArt title;
    return RenderTableImage(state, title);
}

bool SaveSnapshot(const GameState& state, const QString& pngPath, QString* error) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!RenderTableImage(state).save(&buffer, "PNG")) {
        if (error) *error = QStringLiteral("the PNG could not be made");
        return false;
    }
    QFile file(pngPath);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         file.write(png) == png.size() && file.flush();
    if (written) file.close();
    if (written && file.error() == QFileDevice::NoError) return true;
    if (error) *error = file.errorString();
    return false;
}

}  // namespace mervane
