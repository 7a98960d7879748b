#pragma once

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <memory>
#include <unordered_map>

#include "render/surface.h"

namespace mervane {

class CardFaceRenderer;

// The Surface of the "Sharp" look: the table's layout in table units, drawn at the
// device's real resolution. Fills and lines are scaled without antialiasing; card faces
// come from an SVG deck, the other pictures from their vector versions rendered at the
// size shown; text is antialiased in the table's face at the scaled size. Pictures are
// kept per size shown (PictureCache), so a repaint renders nothing again.
//
// Table rectangles map to device pixels by rounding both edges, so neighbouring
// rectangles meet exactly at any scale. A picture is rendered at its own rounded size
// and placed at its rounded top-left corner, so that a card has one size per scale
// wherever it lies (one rendering instead of up to four).
class SharpSurface final : public Surface {
  public:
    // Paints on `device` (a widget during its paint event, or an image) in table units:
    // table point (x, y) lands at origin + (x, y) * scale in the device's logical pixels.
    // Bounds() is {0, 0, tableSize}; drawing is clipped to that rectangle.
    // `faces` may be null, or not parsed yet: the card faces are then the classic
    // pictures smoothly scaled (never waits for a parse).
    SharpSurface(QPaintDevice& device, Size tableSize, QPointF origin, double scale,
                 CardFaceRenderer* faces);
    // An image of its own of `tableSize` table units at scale x dpr device pixels (its
    // devicePixelRatio set to dpr), cleared to black.
    SharpSurface(Size tableSize, double scale, double dpr, CardFaceRenderer* faces);
    ~SharpSurface() override;

    // For a window's paint, which must never wait for a deck: faces not drawn yet at
    // their size come from another size, or from the classic pictures, and are left
    // for the deck's worker (CardFaceRenderer::DrawWanted). Its off-screen surfaces
    // follow it.
    void TakeReadyFacesOnly() { readyFacesOnly_ = true; }

    // The image of an off-screen surface; null for one painting on a device.
    const QImage* OwnImage() const;
    double Scale() const { return scale_; }
    // The device pixels a table rectangle covers.
    QRect DeviceRect(Rect rect) const;

    Rect Bounds() const override { return {0, 0, tableSize_.width, tableSize_.height}; }
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

  private:
    // An own image whose table units keep the fractional device-pixel phase of a
    // window's origin, so that a block copy lands every edge where the window's own
    // rounding puts it.
    SharpSurface(Size tableSize, double scale, double dpr, CardFaceRenderer* faces, QPointF phase);
    void Start(QPaintDevice& device);
    // Clears a new own image before the first drawing that does not cover it.
    void Drawing() const;
    static std::unique_ptr<QImage>& SpareImage();
    int DeviceX(double x) const;
    int DeviceY(double y) const;
    QSize PictureSize(Size size) const;
    void DrawBitmap(int id, Rect source, Rect destination, const Color* transparent);
    QImage PictureFor(int id, Rect source, QSize pixels, const Color* transparent);
    bool InUse(int id) const;

    std::unique_ptr<QImage> ownImage_;
    QPainter painter_;
    Size tableSize_;
    double scale_ = 1;
    double dpr_ = 1;
    double k_ = 1;  // device pixels per table unit
    double originX_ = 0;
    double originY_ = 0;  // in device pixels
    CardFaceRenderer* faces_ = nullptr;
    bool readyFacesOnly_ = false;
    FontSpec font_ = LabelFont;
    Color textColor_ = Black;
    Color backColor_ = White;
    mutable bool clearPending_ = false;
    std::unordered_map<int, int> loaded_;  // bitmap id -> loads not yet released
};

}  // namespace mervane
