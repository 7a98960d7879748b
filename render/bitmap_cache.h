#pragma once

#include <QImage>
#include <QString>
#include <unordered_map>

namespace mervane {

// The program's bitmaps, decoded once from the resources (":/bitmaps/<id>.png") and
// kept for the life of the process, so that a paint never decodes a PNG twice.
// A number with no resource is remembered as a null image.
class BitmapCache {
  public:
    static BitmapCache& Shared();

    // Null if the resource does not exist.
    const QImage& Image(int id);
    // The image with every pixel of `transparent` (0x00BBGGRR) made fully transparent.
    const QImage& Masked(int id, unsigned transparent);
    // How many resources have been decoded so far; a test's window on the caching.
    int DecodeCount() const { return decodes_; }
    static QString ResourcePath(int id) { return QStringLiteral(":/bitmaps/%1.png").arg(id); }
    // Whether the program was built with its bitmap resources.
    static bool HasResources();

    // Puts a picture in place of a number's resource, for tests and tools; Clear
    // forgets every picture so that the resources are read again.
    void Provide(int id, QImage image);
    void Clear();

  private:
    BitmapCache();

    std::unordered_map<int, QImage> images_;
    std::unordered_map<long long, QImage> masked_;
    int decodes_ = 0;
};

}  // namespace mervane
