#include "render/qt_surface.h"

#include <QRadialGradient>
#include <algorithm>
#include <cstdint>
#include <utility>

#include "render/bitmap_cache.h"
#include "render/qt_text.h"
#include "render/table_fonts.h"

namespace mervane {

namespace {

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

class QtPicture final : public Picture {
  public:
    explicit QtPicture(QImage image) : image_(std::move(image)) {}
    Size PictureSize() const override { return {image_.width(), image_.height()}; }
    const QImage& Image() const { return image_; }

  private:
    QImage image_;
};

}  // namespace

QColor ToQColor(Color color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

QtSurface::QtSurface(QPaintDevice& device) {
    Start(device);
}

QtSurface::QtSurface(Size size)
    : ownImage_(std::make_unique<QImage>(std::max(size.width, 1), std::max(size.height, 1),
                                         QImage::Format_RGB32)) {
    ownImage_->fill(Qt::black);
    Start(*ownImage_);
    bounds_ = {0, 0, size.width, size.height};
}

QtSurface::~QtSurface() {
    painter_.end();
}

void QtSurface::Start(QPaintDevice& device) {
    painter_.begin(&device);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    bounds_ = {0, 0, device.width(), device.height()};
}

void QtSurface::FillRect(Rect rect, Color color) {
    if (rect.Width() > 0 && rect.Height() > 0) painter_.fillRect(ToQRect(rect), ToQColor(color));
}

bool QtSurface::LoadBitmap(int id) {
    if (BitmapCache::Shared().Image(id).isNull()) return false;
    ++loaded_[id];
    return true;
}

void QtSurface::ReleaseBitmap(int id) {
    auto found = loaded_.find(id);
    if (found != loaded_.end() && --found->second <= 0) loaded_.erase(found);
}

bool QtSurface::InUse(int id) const {
    return loaded_.count(id) != 0;
}

void QtSurface::DrawImage(const QImage& image, Rect source, Rect destination) {
    if (source.Width() <= 0 || source.Height() <= 0) return;
    // Parts of the source beyond the image leave the destination as it was.
    if (source.Width() == destination.Width() && source.Height() == destination.Height())
        painter_.drawImage(QPoint(destination.left, destination.top), image, ToQRect(source));
    else
        painter_.drawImage(ToQRect(destination), image, ToQRect(source));
}

void QtSurface::StretchBitmap(int id, Rect source, Rect destination) {
    if (InUse(id)) DrawImage(BitmapCache::Shared().Image(id), source, destination);
}

void QtSurface::TransparentBitmap(int id, Rect source, Rect destination, Color transparent) {
    if (InUse(id)) DrawImage(BitmapCache::Shared().Masked(id, transparent), source, destination);
}

std::unique_ptr<Picture> QtSurface::LoadPicture(int id) {
    const QImage& image = BitmapCache::Shared().Image(id);
    if (image.isNull()) return nullptr;
    return std::make_unique<QtPicture>(image);
}

void QtSurface::DrawPicture(const Picture& picture, Point destination, Size size) {
    const auto* qtPicture = dynamic_cast<const QtPicture*>(&picture);
    if (qtPicture) DrawImage(qtPicture->Image(), RectAt({0, 0}, size), RectAt(destination, size));
}

FontSpec QtSurface::SelectFont(FontSpec font) {
    return std::exchange(font_, font);
}

Size QtSurface::MeasureText(std::string_view text) {
    const TableFont& font = TableFonts::For(font_);
    const int width = text.empty() ? 0 : font.Width(ToQString(text));
    return {width, font.height};
}

Color QtSurface::SetTextColor(Color color) {
    return std::exchange(textColor_, color);
}
Color QtSurface::SetBackColor(Color color) {
    return std::exchange(backColor_, color);
}

void QtSurface::TextOpaque(Point topLeft, std::string_view text) {
    if (text.empty()) return;
    const TableFont& font = TableFonts::For(font_);
    const TableFont::Label& label = font.Prepared(ToQString(text));
    painter_.fillRect(QRect(topLeft.x, topLeft.y, label.width, font.height), ToQColor(backColor_));
    painter_.setFont(font.font);
    painter_.setPen(ToQColor(textColor_));
    // A static text is placed by its top-left corner; the cell's ascent is the font's.
    painter_.drawStaticText(QPoint(topLeft.x, topLeft.y), label.text);
}

void QtSurface::Rectangle(Rect rect, Color fill) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    painter_.fillRect(ToQRect(rect), ToQColor(fill));
    const QColor pen = ToQColor(Black);
    painter_.fillRect(QRect(rect.left, rect.top, rect.Width(), 1), pen);
    painter_.fillRect(QRect(rect.left, rect.bottom - 1, rect.Width(), 1), pen);
    painter_.fillRect(QRect(rect.left, rect.top, 1, rect.Height()), pen);
    painter_.fillRect(QRect(rect.right - 1, rect.top, 1, rect.Height()), pen);
}

void QtSurface::Line(Point from, Point to) {
    // Filled as a strip so that the pixels are exact: the end point stays out.
    const QColor pen = ToQColor(Black);
    if (from.y == to.y) {
        const int left = std::min(from.x, to.x + 1), right = std::max(from.x + 1, to.x);
        if (from.x != to.x) painter_.fillRect(QRect(left, from.y, right - left, 1), pen);
    } else if (from.x == to.x) {
        const int top = std::min(from.y, to.y + 1), bottom = std::max(from.y + 1, to.y);
        painter_.fillRect(QRect(from.x, top, 1, bottom - top), pen);
    } else {
        painter_.setPen(pen);
        painter_.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
    }
}

void PaintRoundedRect(QPainter& painter, const QRectF& rect, double radius, Color fill) {
    if (rect.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(fill));
    painter.drawRoundedRect(rect, radius, radius);
    painter.restore();
}

// The felt's grain: a tile of faint light and dark specks, the same in every run.
const QImage& FeltGrain() {
    static const QImage grain = [] {
        constexpr int kTile = 128;
        constexpr std::uint32_t kMostAlpha = 9;  // of 255: felt, not sandpaper
        QImage tile(kTile, kTile, QImage::Format_ARGB32_Premultiplied);
        std::uint32_t seed = 0x2545F491u;
        for (int y = 0; y < kTile; ++y) {
            auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
            for (int x = 0; x < kTile; ++x) {
                seed = seed * 1664525u + 1013904223u;
                const auto alpha = static_cast<int>((seed >> 24) % (kMostAlpha + 1));
                const int ink = (seed >> 16) & 1 ? alpha : 0;  // premultiplied white or black
                line[x] = qRgba(ink, ink, ink, alpha);
            }
        }
        return tile;
    }();
    return grain;
}

constexpr int kFeltLightStep = 8;

// The felt at one size and in one pair of colours, kept for the repaints that follow: a
// window repaints far more often than it is resized or its table recoloured. Its buffer
// only grows, so that a resize repaints into memory already in use.
void PaintFelt(QPainter& painter, const QRect& rect, Color centre, Color edge) {
    if (rect.isEmpty()) return;
    struct Felt {
        QSize size;
        Color centre = 0, edge = 0;
        QImage buffer;
    };
    thread_local Felt felt;
    const QRect area(QPoint(0, 0), rect.size());
    if (felt.size != rect.size() || felt.centre != centre || felt.edge != edge) {
        if (felt.buffer.width() < rect.width() || felt.buffer.height() < rect.height())
            felt.buffer = QImage(rect.size().expandedTo(felt.buffer.size()), QImage::Format_RGB32);
        felt.size = rect.size();
        felt.centre = centre;
        felt.edge = edge;
        // The light changes slowly across the table: worked out on a small image and
        // spread smoothly over the whole, at a fraction of the cost at 4K.
        QImage light((rect.size() / kFeltLightStep).expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        {
            QPainter paint(&light);
            const QRectF all(light.rect());
            QRadialGradient lamp(all.center(), std::max(all.width(), all.height()) / 2.0);
            lamp.setColorAt(0, ToQColor(centre));
            lamp.setColorAt(1, ToQColor(edge));
            paint.fillRect(light.rect(), lamp);
        }
        QPainter paint(&felt.buffer);
        paint.setRenderHint(QPainter::SmoothPixmapTransform);
        paint.drawImage(area, light);
        paint.fillRect(area, QBrush(FeltGrain()));
    }
    painter.drawImage(rect.topLeft(), felt.buffer, area);
}

void QtSurface::FillRoundedRect(Rect rect, int radius, Color fill) {
    PaintRoundedRect(painter_, ToQRect(rect), radius, fill);
}

void QtSurface::FillFelt(Rect rect, Color centre, Color edge) {
    PaintFelt(painter_, ToQRect(rect), centre, edge);
}

std::unique_ptr<Surface> QtSurface::CreateOffscreen(Size size) {
    return std::make_unique<QtSurface>(size);
}

void QtSurface::BlockCopy(Point destination, Size size, Surface& source, Point sourceOrigin) {
    const auto* qtSource = dynamic_cast<QtSurface*>(&source);
    if (!qtSource || !qtSource->ownImage_) return;
    const QRect from(sourceOrigin.x, sourceOrigin.y, size.width, size.height);
    painter_.setCompositionMode(QPainter::CompositionMode_Source);
    painter_.drawImage(QPoint(destination.x, destination.y), *qtSource->ownImage_, from);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

}  // namespace mervane
