#include "render/vector_art.h"

#include <QPainter>
#include <QSvgRenderer>
#include <map>
#include <memory>

// Q_INIT_RESOURCE must be used outside any namespace; it also makes the linker keep
// the resource object of this static library.
static void InitVectorResources() {
    Q_INIT_RESOURCE(vector);
}

namespace mervane {
namespace {

int parses = 0;

const char* PictureName(int bitmapId) {
    switch (bitmapId) {
        case 54: return "back-blue";
        case 55: return "back-black";
        case 56: return "back-purple";
        case 57: return "back-smiley";
        case 58: return "back-dirty-yellow";
        case 59: return "back-red-pinstripes";
        case 60: return "back-blue-pinstripes";
        case 61: return "back-skull";
        case 62: return "back-blue-star";
        case 63: return "back-purple-star";
        case 64: return "back-metal-rivet";
        case 65: return "back-wild";
        case 140: return "title";
        case 145: return "suit-button-spades";
        case 146: return "suit-button-hearts";
        case 147: return "suit-button-diamonds";
        case 148: return "suit-button-clubs";
        case 153: return "suit-clubs";
        case 154: return "suit-diamonds";
        case 155: return "suit-hearts";
        case 156: return "suit-spades";
        case 164: return "trophy";
        case 166: return "dealer";
        case 170: return "direction-reversed";
    }
    return nullptr;
}

QString PathOf(const char* name) {
    return QStringLiteral(":/vector/%1.svg").arg(QLatin1String(name));
}

// Parsed on first use and kept; a file that does not parse is kept as invalid, so it
// is not parsed again either.
QSvgRenderer& Renderer(const QString& path) {
    static std::map<QString, std::unique_ptr<QSvgRenderer>> renderers;
    auto found = renderers.find(path);
    if (found != renderers.end()) return *found->second;
    static const bool registered = (InitVectorResources(), true);
    (void)registered;
    ++parses;
    return *renderers.emplace(path, std::make_unique<QSvgRenderer>(path)).first->second;
}

QImage Render(const QString& path, QSize pixels) {
    if (path.isEmpty() || pixels.isEmpty()) return {};
    QSvgRenderer& renderer = Renderer(path);
    if (!renderer.isValid()) return {};
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return image;
}

}  // namespace

QString VectorPicturePath(int bitmapId) {
    const char* name = PictureName(bitmapId);
    return name ? PathOf(name) : QString();
}

QString VectorToolbarPath() {
    return PathOf("toolbar-deal");
}

QString VectorIconPath(bool small) {
    return PathOf(small ? "icon-small" : "icon");
}

QImage RenderVectorPicture(int bitmapId, QSize pixels) {
    return Render(VectorPicturePath(bitmapId), pixels);
}

QImage RenderVectorToolbar(QSize pixels) {
    return Render(VectorToolbarPath(), pixels);
}

QImage RenderVectorIcon(QSize pixels) {
    return Render(VectorIconPath(pixels.width() < 24 || pixels.height() < 24), pixels);
}

int VectorParseCount() {
    return parses;
}

}  // namespace mervane
