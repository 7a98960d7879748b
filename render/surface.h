#pragma once

#include <memory>
#include <string_view>

#include "layout/geometry.h"

namespace mervane {

// A font as the table asks for it: the cell height (ascent + descent) in pixels and
// the weight. The surface picks the face that gives exactly that cell.
struct FontSpec {
    int height = 11;
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

inline constexpr FontSpec LabelFont{11, false};
inline constexpr FontSpec ScoreTitleFont{11, true};
inline constexpr FontSpec WinnerFont{15, true};

inline constexpr Color White = MakeColor(255, 255, 255);
inline constexpr Color Black = MakeColor(0, 0, 0);

// A picture that outlives one paint (the title picture).
class Picture {
  public:
    virtual ~Picture() = default;
    virtual Size PictureSize() const = 0;
};

// The drawing operations the table needs, in the terms of a small raster API: the
// program asks for bitmaps by number and releases them after each step, so an
// implementation decides alone what it keeps decoded. Text is drawn opaque at its
// top-left point with its character cells filled in the background colour.
class Surface {
  public:
    virtual ~Surface() = default;

    // Left and top are 0.
    virtual Rect Bounds() const = 0;
    virtual void FillRect(Rect rect, Color color) = 0;

    // Bitmaps by resource number. Load reports whether the number exists; copies of
    // a bitmap that is not loaded draw nothing.
    virtual bool LoadBitmap(int id) = 0;
    virtual void ReleaseBitmap(int id) = 0;
    // Source rectangle into destination rectangle, scaled if the sizes differ.
    virtual void StretchBitmap(int id, Rect source, Rect destination) = 0;
    // As StretchBitmap, leaving out every source pixel of the colour `transparent`.
    virtual void TransparentBitmap(int id, Rect source, Rect destination, Color transparent) = 0;

    // A picture kept beyond this paint; null if the number does not exist.
    virtual std::unique_ptr<Picture> LoadPicture(int id) = 0;
    // A block of `size` from the picture's top-left corner to `destination`, 1:1.
    virtual void DrawPicture(const Picture& picture, Point destination, Size size) = 0;

    // Returns the font selected before.
    virtual FontSpec SelectFont(FontSpec font) = 0;
    // Width and cell height of the whole text in the selected font.
    virtual Size MeasureText(std::string_view text) = 0;
    // Each returns the colour set before.
    virtual Color SetTextColor(Color color) = 0;
    virtual Color SetBackColor(Color color) = 0;
    virtual void TextOpaque(Point topLeft, std::string_view text) = 0;

    // Filled with `fill`, outlined by a 1-pixel black pen; the outline runs on the
    // left and top edges and on right - 1 and bottom - 1.
    virtual void Rectangle(Rect rect, Color fill) = 0;
    // A 1-pixel black horizontal or vertical line; the end point is not drawn.
    virtual void Line(Point from, Point to) = 0;

    // For tables laid out at the window's own size: a rectangle with corners rounded to
    // `radius` pixels, filled with no outline, and a felt: lit from its middle, `centre`
    // there fading to `edge` at the middle of its longer sides and beyond, under a fine
    // grain. Surfaces that can smooth edges do.
    virtual void FillRoundedRect(Rect rect, int radius, Color fill) = 0;
    virtual void FillFelt(Rect rect, Color centre, Color edge) = 0;

    // A surface of the same kind, cleared to black.
    virtual std::unique_ptr<Surface> CreateOffscreen(Size size) = 0;
    // Copies `size` pixels of `source` from `sourceOrigin` to `destination`, unscaled.
    virtual void BlockCopy(Point destination, Size size, Surface& source, Point sourceOrigin) = 0;
};

// A bitmap loaded for one drawing step and released when the step ends.
class ScopedBitmap {
  public:
    ScopedBitmap(Surface& surface, int id)
        : surface_(surface), id_(id), loaded_(surface.LoadBitmap(id)) {}
    ~ScopedBitmap() {
        if (loaded_) surface_.ReleaseBitmap(id_);
    }
    ScopedBitmap(const ScopedBitmap&) = delete;
    ScopedBitmap& operator=(const ScopedBitmap&) = delete;

    void Stretch(Rect source, Rect destination) const {
        if (loaded_) surface_.StretchBitmap(id_, source, destination);
    }
    void Copy(Point destination, Size size) const {
        Stretch(RectAt({0, 0}, size), RectAt(destination, size));
    }
    void StretchTransparent(Rect source, Rect destination, Color transparent) const {
        if (loaded_) surface_.TransparentBitmap(id_, source, destination, transparent);
    }
    void CopyTransparent(Point destination, Size size, Color transparent) const {
        if (loaded_)
            surface_.TransparentBitmap(id_, RectAt({0, 0}, size), RectAt(destination, size),
                                       transparent);
    }

  private:
    Surface& surface_;
    int id_;
    bool loaded_;
};

// A font selected for one drawing step; the previous one comes back at its end.
class ScopedFont {
  public:
    ScopedFont(Surface& surface, FontSpec font)
        : surface_(surface), previous_(surface.SelectFont(font)) {}
    ~ScopedFont() { surface_.SelectFont(previous_); }
    ScopedFont(const ScopedFont&) = delete;
    ScopedFont& operator=(const ScopedFont&) = delete;

  private:
    Surface& surface_;
    FontSpec previous_;
};

}  // namespace mervane
