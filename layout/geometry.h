#pragma once

#include <cmath>
#include <cstdint>

namespace mervane {

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const Size&) const = default;
};

// Left and top edges belong to the rectangle, right and bottom edges do not.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    Point Center() const { return {(left + right) / 2, (top + bottom) / 2}; }
    bool Contains(Point p) const {
        return left <= p.x && p.x < right && top <= p.y && p.y < bottom;
    }
    bool operator==(const Rect&) const = default;
};

// `share` of `length` pixels, rounded to the nearest.
inline int ShareOf(int length, double share) {
    return static_cast<int>(std::lround(length * share));
}

inline Rect RectAt(Point topLeft, Size size) {
    return {topLeft.x, topLeft.y, topLeft.x + size.width, topLeft.y + size.height};
}

// Colours are 0x00BBGGRR, red in the low byte.
using Color = std::uint32_t;
inline constexpr Color MakeColor(int red, int green, int blue) {
    return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
inline constexpr int RedOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
inline constexpr int GreenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
inline constexpr int BlueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

}  // namespace mervane
