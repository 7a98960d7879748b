#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "layout/geometry.h"

namespace mervane {

// The whole factors the table is shown at. The zoom keys' limit is far beyond any
// screen of today; the screen limits first.
inline constexpr int MinZoom = 1;
inline constexpr int MaxZoom = 16;

// Where the table stands in a window of any size: at the largest scale that keeps its
// shape, centred, the rest of the window being margin. Window coordinates are the
// window system's logical pixels, fractional where the device pixel ratio makes them so.
struct TableViewport {
    double scale = 1;  // window pixels per table pixel
    double left = 0;   // the table's top-left corner in the window
    double top = 0;

    // The table pixel under a window point. A point on the border between two pixels
    // belongs to the right or lower one, as a filled rectangle's edge does when drawn,
    // so a tap hits what is painted under it. The result may lie outside the table.
    Point ToTable(double x, double y) const {
        return {static_cast<std::int32_t>(std::floor((x - left) / scale)),
                static_cast<std::int32_t>(std::floor((y - top) / scale))};
    }
};

// The viewport for a table of `table` pixels in a window of `width` x `height`. With
// `wholeFactors` the scale is the largest whole factor that fits, never below 1, so
// that every table pixel becomes a square block of window pixels.
inline TableViewport FitTable(Size table, double width, double height, bool wholeFactors) {
    const double fit = std::min(width / table.width, height / table.height);
    // A window with no room yet still maps taps somewhere sane.
    const double scale = wholeFactors ? std::max(1.0, std::floor(fit)) : fit > 0 ? fit : 1.0;
    return {scale, (width - table.width * scale) / 2, (height - table.height * scale) / 2};
}

}  // namespace mervane
