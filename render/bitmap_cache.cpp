#include "render/bitmap_cache.h"

#include <QColor>

#include "layout/geometry.h"

// Q_INIT_RESOURCE must be used outside any namespace; it also makes the linker keep
// the resource object of this static library.
static void InitBitmapResources() {
#ifdef MERVANE_HAVE_BITMAPS
    Q_INIT_RESOURCE(bitmaps);
#endif
}

namespace mervane {

BitmapCache::BitmapCache() {
    InitBitmapResources();
}

BitmapCache& BitmapCache::Shared() {
    static BitmapCache cache;
    return cache;
}

const QImage& BitmapCache::Image(int id) {
    auto found = images_.find(id);
    if (found != images_.end()) return found->second;
    QImage image(ResourcePath(id));
    ++decodes_;
    // Bitmaps are opaque: copies replace pixels, as a raster block copy does.
    if (!image.isNull()) image = image.convertToFormat(QImage::Format_RGB32);
    return images_.emplace(id, std::move(image)).first->second;
}

bool BitmapCache::HasResources() {
#ifdef MERVANE_HAVE_BITMAPS
    return true;
#else
    return false;
#endif
}

void BitmapCache::Provide(int id, QImage image) {
    if (!image.isNull()) image = image.convertToFormat(QImage::Format_RGB32);
    images_[id] = std::move(image);
    std::erase_if(masked_, [id](const auto& entry) { return (entry.first >> 32) == id; });
}

void BitmapCache::Clear() {
    images_.clear();
    masked_.clear();
}

const QImage& BitmapCache::Masked(int id, unsigned transparent) {
    const long long key = (static_cast<long long>(id) << 32) | transparent;
    auto found = masked_.find(key);
    if (found != masked_.end()) return found->second;
    QImage masked = Image(id).convertToFormat(QImage::Format_ARGB32);
    const QRgb leftOut = qRgb(RedOf(transparent), GreenOf(transparent), BlueOf(transparent));
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if ((line[x] | 0xFF000000u) == leftOut) line[x] = 0;
    }
    return masked_.emplace(key, std::move(masked)).first->second;
}

}  // namespace mervane
