#include "render/picture_cache.h"

#include <algorithm>
#include <utility>

namespace mervane {

PictureCache& PictureCache::Shared() {
    static PictureCache cache;
    return cache;
}

const QImage& PictureCache::Get(const Key& key, QSize pixels,
                                const std::function<QImage()>& render) {
    std::vector<Entry>& sizes = pictures_[key];
    for (auto it = sizes.begin(); it != sizes.end(); ++it) {
        if (it->pixels != pixels) continue;
        if (it != sizes.begin()) std::rotate(sizes.begin(), it, it + 1);
        return sizes.front().image;
    }
    ++renders_;
    if (static_cast<int>(sizes.size()) >= kKeptSizes) sizes.pop_back();
    sizes.insert(sizes.begin(), Entry{pixels, render()});
    return sizes.front().image;
}

}  // namespace mervane
