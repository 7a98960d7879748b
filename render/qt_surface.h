#pragma once

#include <QImage>
#include <QPainter>
#include <memory>
#include <unordered_map>

#include "render/surface.h"

namespace mervane {

// The Surface over a QPainter. It paints either on a device it is given (a widget
// during its paint event, or an image) or on an image of its own (an off-screen
// surface). Bitmaps come from the shared BitmapCache: "loading" one marks it in
// use for this surface and never decodes it a second time.
class QtSurface final : public Surface {
  public:
    // Paints on `device`, whose size gives the bounds.
    explicit QtSurface(QPaintDevice& device);
    // Paints on an image of its own, cleared to black.
    explicit QtSurface(Size size);
    ~QtSurface() override;

    Rect Bounds() const override { return bounds_; }
    void FillRect(Rect rect, Color color) override;

    bool LoadBitmap(int id) override;
    void ReleaseBitmap(int id) override;
    void StretchBitmap(int id, Rect source, Rect destination) override;
    void TransparentBitmap(int id, Rect source, Rect destination, Color transparent) override;

    std::unique_ptr<Picture> LoadPicture(int id) override;
    void DrawPicture(const Picture& picture, Point destination, Size size) override;

    FontSpec SelectFont(FontSpec font) override;
    Size MeasureText(std::string_view text) override;
    Color SetTextColor(Color color) override;
    Color SetBackColor(Color color) override;
    void TextOpaque(Point topLeft, std::string_view text) override;

    void Rectangle(Rect rect, Color fill) override;
    void Line(Point from, Point to) override;
    void FillRoundedRect(Rect rect, int radius, Color fill) override;
    void FillFelt(Rect rect, Color centre, Color edge) override;

    std::unique_ptr<Surface> CreateOffscreen(Size size) override;
    void BlockCopy(Point destination, Size size, Surface& source, Point sourceOrigin) override;

    // The image of an off-screen surface; null for one painting on a device.
    const QImage* OwnImage() const { return ownImage_.get(); }

  private:
    void Start(QPaintDevice& device);
    void DrawImage(const QImage& image, Rect source, Rect destination);
    bool InUse(int id) const;

    std::unique_ptr<QImage> ownImage_;
    QPainter painter_;
    Rect bounds_;
    FontSpec font_ = LabelFont;
    Color textColor_ = Black;
    Color backColor_ = White;
    std::unordered_map<int, int> loaded_;  // bitmap id -> loads not yet released
};

QColor ToQColor(Color color);

// The shapes both Qt surfaces draw alike, in the painter's own coordinates.
void PaintRoundedRect(QPainter& painter, const QRectF& rect, double radius, Color fill);
void PaintFelt(QPainter& painter, const QRect& rect, Color centre, Color edge);

}  // namespace mervane
