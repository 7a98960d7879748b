#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <functional>
#include <map>
#include <tuple>
#include <vector>

namespace mervane {

// Pictures rendered at the size they are shown, kept so that a repaint never parses
// or renders SVG again. Each picture keeps only its few most recently used sizes,
// so a long resize drag does not hold one set of pictures per size it passed through.
// Process-wide and for the GUI thread only.
class PictureCache {
  public:
    // What a picture is: a vector picture by bitmap number, or a classic bitmap (whole
    // or in part, masked or not) smoothly scaled.
    struct Key {
        enum Kind { Vector, ScaledBitmap, ScaledMasked } kind = Vector;
        int id = 0;
        QRect source;         // the part of a classic bitmap
        unsigned masked = 0;  // the colour left out of a masked bitmap
        std::tuple<Kind, int, unsigned, int, int, int, int> Tuple() const {
            return std::make_tuple(kind, id, masked, source.x(), source.y(), source.width(),
                                   source.height());
        }
        bool operator<(const Key& other) const { return Tuple() < other.Tuple(); }
    };

    static PictureCache& Shared();

    // The picture at exactly `pixels`, made by `render` only when it is not kept.
    const QImage& Get(const Key& key, QSize pixels, const std::function<QImage()>& render);

    static constexpr int kKeptSizes = 4;

    // Windows on the work done, for tests and benchmarks.
    int RenderCount() const { return renders_; }
    void Clear() { pictures_.clear(); }

  private:
    struct Entry {
        QSize pixels;
        QImage image;
    };
    std::map<Key, std::vector<Entry>> pictures_;  // most recently used size first
    int renders_ = 0;
};

}  // namespace mervane
