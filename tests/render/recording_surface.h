#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "render/surface.h"

namespace mervane::testing {

inline std::string Str(Rect r) {
    std::ostringstream out;
    out << r.left << ',' << r.top << ',' << r.Width() << 'x' << r.Height();
    return out.str();
}
inline std::string Str(Point p) {
    return std::to_string(p.x) + ',' + std::to_string(p.y);
}

// A Surface that writes down every call, one line each, and measures text as
// 6 pixels a character (7 in bold) by the font's cell height. Off-screen surfaces
// write into the same log with an "off: " prefix.
class RecordingSurface final : public Surface {
  public:
    explicit RecordingSurface(Size size = {240, 268})
        : log_(std::make_shared<Log>()), size_(size) {}

    const std::vector<std::string>& Calls() const { return log_->lines; }
    void ClearCalls() { log_->lines.clear(); }
    // Bitmap numbers that LoadBitmap and LoadPicture refuse.
    std::vector<int> missing{53};

    Rect Bounds() const override { return {0, 0, size_.width, size_.height}; }
    void FillRect(Rect rect, Color color) override { Add("fill " + Str(rect) + ' ' + Hex(color)); }
    bool LoadBitmap(int id) override {
        Add("load " + std::to_string(id));
        return !IsMissing(id);
    }
    void ReleaseBitmap(int id) override { Add("release " + std::to_string(id)); }
    void StretchBitmap(int id, Rect source, Rect destination) override {
        Add("stretch " + std::to_string(id) + ' ' + Str(source) + " -> " + Str(destination));
    }
    void TransparentBitmap(int id, Rect source, Rect destination, Color transparent) override {
        Add("transparent " + std::to_string(id) + ' ' + Str(source) + " -> " + Str(destination) +
            " without " + Hex(transparent));
    }
    std::unique_ptr<Picture> LoadPicture(int id) override {
        Add("load picture " + std::to_string(id));
        if (IsMissing(id)) return nullptr;
        return std::make_unique<FakePicture>();
    }
    void DrawPicture(const Picture&, Point destination, Size size) override {
        Add("picture -> " + Str(RectAt(destination, size)));
    }
    FontSpec SelectFont(FontSpec font) override {
        Add(std::string("font ") + std::to_string(font.height) + (font.bold ? " bold" : ""));
        return std::exchange(font_, font);
    }
    Size MeasureText(std::string_view text) override {
        Add("measure '" + std::string(text) + "'");
        return TextSize(text, font_);
    }
    Color SetTextColor(Color color) override {
        Add("text colour " + Hex(color));
        return std::exchange(text_, color);
    }
    Color SetBackColor(Color color) override {
        Add("back colour " + Hex(color));
        return std::exchange(back_, color);
    }
    void TextOpaque(Point topLeft, std::string_view text) override {
        Add("text " + Str(topLeft) + " '" + std::string(text) + "' " + Hex(text_) + " on " +
            Hex(back_) + (font_.bold ? " bold" : ""));
    }
    void Rectangle(Rect rect, Color fill) override {
        Add("rectangle " + Str(rect) + ' ' + Hex(fill));
    }
    void Line(Point from, Point to) override { Add("line " + Str(from) + " to " + Str(to)); }
    void FillRoundedRect(Rect rect, int radius, Color fill) override {
        Add("rounded " + Str(rect) + " r" + std::to_string(radius) + ' ' + Hex(fill));
    }
    void FillFelt(Rect rect, Color centre, Color edge) override {
        Add("felt " + Str(rect) + ' ' + Hex(centre) + " to " + Hex(edge));
    }
    std::unique_ptr<Surface> CreateOffscreen(Size size) override {
        Add("create offscreen " + std::to_string(size.width) + 'x' + std::to_string(size.height));
        auto off = std::make_unique<RecordingSurface>(size);
        off->log_ = log_;
        off->prefix_ = "off: ";
        off->missing = missing;
        return off;
    }
    void BlockCopy(Point destination, Size size, Surface&, Point sourceOrigin) override {
        Add("block copy " + Str(sourceOrigin) + " -> " + Str(RectAt(destination, size)));
    }

    static Size TextSize(std::string_view text, FontSpec font) {
        return {static_cast<int>(text.size()) * (font.bold ? 7 : 6), font.height};
    }
    static std::string Hex(Color color) {
        std::ostringstream out;
        out << std::hex << std::uppercase << color;
        return "#" + out.str();
    }

  private:
    struct Log {
        std::vector<std::string> lines;
    };
    struct FakePicture final : Picture {
        Size PictureSize() const override { return {122, 120}; }
    };
    bool IsMissing(int id) const {
        for (int m : missing)
            if (m == id) return true;
        return false;
    }
    void Add(std::string line) { log_->lines.push_back(prefix_ + std::move(line)); }

    std::shared_ptr<Log> log_;
    Size size_;
    std::string prefix_;
    FontSpec font_ = LabelFont;
    Color text_ = Black;
    Color back_ = White;
};

}  // namespace mervane::testing
