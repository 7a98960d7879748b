#include "render/snapshot.h"

#include <QBuffer>
#include <QFile>
#include <cmath>

#include "render/qt_surface.h"
#include "render/sharp_surface.h"
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

QImage RenderSharpTableImage(const GameState& state, TitleArt& title, double scale, double dpr,
                             CardFaceRenderer* faces) {
    const auto pixels = [&](int units) {
        return static_cast<int>(std::lround(units * scale * dpr));
    };
    QImage image(pixels(ViewWidth), pixels(ViewHeight), QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setDevicePixelRatio(dpr);
    {
        SharpSurface window(image, {ViewWidth, ViewHeight}, QPointF(0, 0), scale, faces);
        OnDraw(state, window, title);
    }
    return image;
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
