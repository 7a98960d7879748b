#include "render/sharp_surface.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <utility>

#include "layout/card_table.h"
#include "render/bitmap_cache.h"
#include "render/card_decks.h"
#include "render/picture_cache.h"
#include "render/pictures.h"
#include "render/qt_surface.h"
#include "render/qt_text.h"
#include "render/table_fonts.h"
#include "render/vector_art.h"

namespace mervane {

namespace {

bool IsFace(int id) {
    return CardOfFace(id) != NoCard;
}

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

// The title picture: drawn from its vector when shown, so it only remembers which.
class SharpPicture final : public Picture {
  public:
    SharpPicture(int id, Size size) : id_(id), size_(size) {}
    Size PictureSize() const override { return size_; }
    int Id() const { return id_; }

  private:
    int id_;
    Size size_;
};

// A classic bitmap, or the part of it the source names, smoothly scaled to `pixels`.
// The part of the source beyond the bitmap stays transparent, as it leaves the
// destination alone on the classic surface.
QImage SmoothBitmap(const QImage& bitmap, Rect source, QSize pixels) {
    if (bitmap.isNull()) return {};
    QImage part(source.Width(), source.Height(), QImage::Format_ARGB32_Premultiplied);
    part.fill(Qt::transparent);
    {
        QPainter painter(&part);
        painter.drawImage(QPoint(0, 0), bitmap, ToQRect(source));
    }
    return part.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QFont ScaledFont(const TableFont& classic, int pixels, int stretch) {
    QFont font(classic.font.family());
    font.setPixelSize(std::max(1, pixels));
    font.setBold(classic.font.bold());
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    if (stretch != 100) font.setStretch(stretch);
    return font;
}

// The largest pixel size whose cell fits the scaled cell height, as the classic font
// fits its 11 pixels; then narrowed until the text fits the scaled cell width.
QFont FittedFont(const TableFont& classic, const QString& text, QSize cell) {
    int pixels = static_cast<int>(std::lround(classic.font.pixelSize() * cell.height() /
                                              static_cast<double>(classic.height)));
    QFont font = ScaledFont(classic, pixels, 100);
    while (pixels > 1 && QFontMetrics(font).height() > cell.height())
        font = ScaledFont(classic, --pixels, 100);
    const int natural = QFontMetrics(font).horizontalAdvance(text);
    if (natural > cell.width() && natural > 0) {
        int stretch = std::max(1, cell.width() * 100 / natural);
        font = ScaledFont(classic, pixels, stretch);
        while (stretch > 1 && QFontMetrics(font).horizontalAdvance(text) > cell.width())
            font = ScaledFont(classic, pixels, --stretch);
    }
    return font;
}

struct LabelKey {
    QString text;
    FontSpec font;
    QSize cell;
    int baseline = 0;  // from the cell's top
    Color textColor = 0;
    Color backColor = 0;
    bool operator<(const LabelKey& other) const {
        return std::make_tuple(text, font.height, font.bold, cell.width(), cell.height(), baseline,
                               textColor, backColor) <
               std::make_tuple(other.text, other.font.height, other.font.bold, other.cell.width(),
                               other.cell.height(), other.baseline, other.textColor,
                               other.backColor);
    }
};

// The cell with its text, opaque. Large text is drawn as outlines, not from Qt's glyph
// cache, so drawing it at every paint would cost milliseconds at 4K.
QImage RenderLabel(const TableFont& classic, const LabelKey& key) {
    QImage image(key.cell, QImage::Format_RGB32);
    image.fill(ToQColor(key.backColor));
    const QFont font = FittedFont(classic, key.text, key.cell);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    painter.setPen(ToQColor(key.textColor));
    // The baseline where the classic one falls, scaled.
    const int ascent = QFontMetrics(font).ascent();
    painter.drawText(QPoint(0, std::max(ascent, key.baseline)), key.text);
    return image;
}

// Labels repeat from paint to paint, so each is drawn once and kept.
const QImage& Label(const TableFont& classic, const LabelKey& key) {
    static std::map<LabelKey, QImage> labels;
    constexpr std::size_t kRemembered = 512;
    auto found = labels.find(key);
    if (found != labels.end()) return found->second;
    if (labels.size() >= kRemembered) labels.clear();
    return labels.emplace(key, RenderLabel(classic, key)).first->second;
}

}  // namespace

SharpSurface::SharpSurface(QPaintDevice& device, Size tableSize, QPointF origin, double scale,
                           CardFaceRenderer* faces)
    : tableSize_(tableSize), scale_(scale), dpr_(device.devicePixelRatioF()), faces_(faces) {
    k_ = scale_ * dpr_;
    originX_ = origin.x() * dpr_;
    originY_ = origin.y() * dpr_;
    Start(device);
    painter_.setClipRect(DeviceRect(Bounds()));
}

SharpSurface::SharpSurface(Size tableSize, double scale, double dpr, CardFaceRenderer* faces)
    : SharpSurface(tableSize, scale, dpr, faces, QPointF(0, 0)) {}

SharpSurface::SharpSurface(Size tableSize, double scale, double dpr, CardFaceRenderer* faces,
                           QPointF phase)
    : tableSize_(tableSize),
      scale_(scale),
      dpr_(dpr),
      k_(scale * dpr),
      originX_(phase.x()),
      originY_(phase.y()),
      faces_(faces) {
    const QRect pixels = DeviceRect(Bounds());
    const QSize size(std::max(pixels.right() + 1, 1), std::max(pixels.bottom() + 1, 1));
    std::unique_ptr<QImage>& spare = SpareImage();
    if (spare && spare->size() == size)
        ownImage_ = std::move(spare);
    else
        ownImage_ = std::make_unique<QImage>(size, QImage::Format_RGB32);
    ownImage_->setDevicePixelRatio(dpr_);
    // Cleared by the first drawing, or not at all if that fill covers the table.
    clearPending_ = true;
    Start(*ownImage_);
}

SharpSurface::~SharpSurface() {
    painter_.end();
    // The next paint at this size takes it: allocating and first touching 16 MB for a
    // 4K table costs more than painting it.
    if (ownImage_) SpareImage() = std::move(ownImage_);
}

std::unique_ptr<QImage>& SharpSurface::SpareImage() {
    static std::unique_ptr<QImage> spare;
    return spare;
}

void SharpSurface::Drawing() const {
    if (!clearPending_) return;
    clearPending_ = false;
    ownImage_->fill(Qt::black);
}

const QImage* SharpSurface::OwnImage() const {
    if (ownImage_) Drawing();
    return ownImage_.get();
}

void SharpSurface::Start(QPaintDevice& device) {
    painter_.begin(&device);
    // Everything below is placed in device pixels, whatever the device's pixel ratio.
    painter_.setWorldTransform(QTransform::fromScale(1 / dpr_, 1 / dpr_));
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

int SharpSurface::DeviceX(double x) const {
    return static_cast<int>(std::lround(originX_ + x * k_));
}
int SharpSurface::DeviceY(double y) const {
    return static_cast<int>(std::lround(originY_ + y * k_));
}

QRect SharpSurface::DeviceRect(Rect rect) const {
    const int left = DeviceX(rect.left), top = DeviceY(rect.top);
    return QRect(left, top, DeviceX(rect.right) - left, DeviceY(rect.bottom) - top);
}

QSize SharpSurface::PictureSize(Size size) const {
    return QSize(static_cast<int>(std::lround(size.width * k_)),
                 static_cast<int>(std::lround(size.height * k_)));
}

void SharpSurface::FillRect(Rect rect, Color color) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    const QRect pixels = DeviceRect(rect);
    if (clearPending_ && pixels.contains(DeviceRect(Bounds()))) {
        // Only the strips of a fractional phase lie outside the table.
        clearPending_ = false;
        const QColor black(Qt::black);
        painter_.fillRect(QRect(0, 0, ownImage_->width(), pixels.top()), black);
        painter_.fillRect(QRect(0, 0, pixels.left(), ownImage_->height()), black);
    }
    Drawing();
    painter_.fillRect(pixels, ToQColor(color));
}

bool SharpSurface::LoadBitmap(int id) {
    const bool exists = !BitmapCache::Shared().Image(id).isNull() ||
                        !VectorPicturePath(id).isEmpty() ||
                        (IsFace(id) && faces_ && faces_->Parsed() && faces_->Ok());
    if (!exists) return false;
    ++loaded_[id];
    return true;
}

void SharpSurface::ReleaseBitmap(int id) {
    auto found = loaded_.find(id);
    if (found != loaded_.end() && --found->second <= 0) loaded_.erase(found);
}

bool SharpSurface::InUse(int id) const {
    return loaded_.count(id) != 0;
}

// A face from the deck when it is ready, else the vector picture, else the classic
// bitmap smoothly scaled. A vector picture stands for the whole bitmap: the table only
// ever copies whole pictures (the 28 x 40 back 57 with a 29 x 41 source included).
QImage SharpSurface::PictureFor(int id, Rect source, QSize pixels, const Color* transparent) {
    if (IsFace(id) && faces_ && faces_->Parsed() && faces_->Ok()) {
        QImage face = readyFacesOnly_ ? faces_->ReadyFace(CardOfFace(id), pixels)
                                      : faces_->Face(CardOfFace(id), pixels);
        if (!face.isNull()) return face;
    }
    PictureCache& cache = PictureCache::Shared();
    if (!VectorPicturePath(id).isEmpty()) {
        const QImage& vector = cache.Get({PictureCache::Key::Vector, id, {}, 0}, pixels,
                                         [&] { return RenderVectorPicture(id, pixels); });
        if (!vector.isNull()) return vector;
    }
    BitmapCache& bitmaps = BitmapCache::Shared();
    if (transparent)
        return cache.Get(
            {PictureCache::Key::ScaledMasked, id, ToQRect(source), *transparent}, pixels,
            [&] { return SmoothBitmap(bitmaps.Masked(id, *transparent), source, pixels); });
    return cache.Get({PictureCache::Key::ScaledBitmap, id, ToQRect(source), 0}, pixels,
                     [&] { return SmoothBitmap(bitmaps.Image(id), source, pixels); });
}

void SharpSurface::DrawBitmap(int id, Rect source, Rect destination, const Color* transparent) {
    Drawing();
    if (!InUse(id) || source.Width() <= 0 || source.Height() <= 0) return;
    if (destination.Width() <= 0 || destination.Height() <= 0) return;
    const QSize pixels = PictureSize({destination.Width(), destination.Height()});
    const QImage image = PictureFor(id, source, pixels, transparent);
    if (image.isNull()) return;
    painter_.drawImage(QRect(QPoint(DeviceX(destination.left), DeviceY(destination.top)), pixels),
                       image);
}

void SharpSurface::StretchBitmap(int id, Rect source, Rect destination) {
    DrawBitmap(id, source, destination, nullptr);
}

// The vector pictures carry their own transparency; the colour key is for bitmaps.
void SharpSurface::TransparentBitmap(int id, Rect source, Rect destination, Color transparent) {
    DrawBitmap(id, source, destination, &transparent);
}

std::unique_ptr<Picture> SharpSurface::LoadPicture(int id) {
    const QImage& classic = BitmapCache::Shared().Image(id);
    if (classic.isNull() && VectorPicturePath(id).isEmpty()) return nullptr;
    // Without the bitmap the vector's own size is not known here; the block is used.
    const Size size = classic.isNull() ? Size{0, 0} : Size{classic.width(), classic.height()};
    return std::make_unique<SharpPicture>(id, size);
}

// The picture fills the part of the block it covers on the classic surface; the strips
// beyond it are left alone.
void SharpSurface::DrawPicture(const Picture& picture, Point destination, Size size) {
    const auto* sharp = dynamic_cast<const SharpPicture*>(&picture);
    if (!sharp) return;
    Size shown = sharp->PictureSize();
    if (shown.width <= 0 || shown.height <= 0) shown = size;
    shown = {std::min(shown.width, size.width), std::min(shown.height, size.height)};
    ++loaded_[sharp->Id()];
    DrawBitmap(sharp->Id(), RectAt({0, 0}, shown), RectAt(destination, shown), nullptr);
    ReleaseBitmap(sharp->Id());
}

FontSpec SharpSurface::SelectFont(FontSpec font) {
    return std::exchange(font_, font);
}

// The classic metrics, so that the layout is the same in both looks.
Size SharpSurface::MeasureText(std::string_view text) {
    const TableFont& font = TableFonts::For(font_);
    const int width = text.empty() ? 0 : font.Width(ToQString(text));
    return {width, font.height};
}

Color SharpSurface::SetTextColor(Color color) {
    return std::exchange(textColor_, color);
}
Color SharpSurface::SetBackColor(Color color) {
    return std::exchange(backColor_, color);
}

void SharpSurface::TextOpaque(Point topLeft, std::string_view text) {
    Drawing();
    if (text.empty()) return;
    const TableFont& classic = TableFonts::For(font_);
    const QString qtext = ToQString(text);
    const QRect cell = DeviceRect(RectAt(topLeft, {classic.Width(qtext), classic.height}));
    if (cell.isEmpty()) return;
    const LabelKey key{qtext,       font_,
                       cell.size(), static_cast<int>(std::lround(classic.ascent * k_)),
                       textColor_,  backColor_};
    painter_.drawImage(cell, Label(classic, key));
}

void SharpSurface::Rectangle(Rect rect, Color fill) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    FillRect(rect, fill);
    FillRect({rect.left, rect.top, rect.right, rect.top + 1}, Black);
    FillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, Black);
    FillRect({rect.left, rect.top, rect.left + 1, rect.bottom}, Black);
    FillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, Black);
}

void SharpSurface::Line(Point from, Point to) {
    Drawing();
    // A strip one table unit wide; the end point stays out, as on the classic surface.
    if (from.y == to.y) {
        const int left = std::min(from.x, to.x + 1), right = std::max(from.x + 1, to.x);
        if (from.x != to.x) FillRect({left, from.y, right, from.y + 1}, Black);
    } else if (from.x == to.x) {
        const int top = std::min(from.y, to.y + 1), bottom = std::max(from.y + 1, to.y);
        FillRect({from.x, top, from.x + 1, bottom}, Black);
    } else {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing, true);
        painter_.setPen(QPen(ToQColor(Black), k_));
        painter_.drawLine(QPointF(originX_ + (from.x + 0.5) * k_, originY_ + (from.y + 0.5) * k_),
                          QPointF(originX_ + (to.x + 0.5) * k_, originY_ + (to.y + 0.5) * k_));
        painter_.restore();
    }
}

void SharpSurface::FillRoundedRect(Rect rect, int radius, Color fill) {
    Drawing();
    PaintRoundedRect(painter_, DeviceRect(rect), radius * k_, fill);
}

void SharpSurface::FillFelt(Rect rect, Color centre, Color edge) {
    Drawing();
    PaintFelt(painter_, DeviceRect(rect), centre, edge);
}

std::unique_ptr<Surface> SharpSurface::CreateOffscreen(Size size) {
    const QPointF phase(originX_ - std::floor(originX_), originY_ - std::floor(originY_));
    auto offscreen =
        std::unique_ptr<SharpSurface>(new SharpSurface(size, scale_, dpr_, faces_, phase));
    offscreen->readyFacesOnly_ = readyFacesOnly_;
    return offscreen;
}

void SharpSurface::BlockCopy(Point destination, Size size, Surface& source, Point sourceOrigin) {
    const auto* sharp = dynamic_cast<SharpSurface*>(&source);
    if (!sharp || !sharp->ownImage_ || size.width <= 0 || size.height <= 0) return;
    Drawing();
    sharp->Drawing();
    const QRect from = sharp->DeviceRect(RectAt(sourceOrigin, size));
    QRect to = DeviceRect(RectAt(destination, size));
    // Equal when the source shares this surface's phase (CreateOffscreen); otherwise
    // the source's pixels are kept as they are, placed at the rounded corner.
    to.setSize(from.size());
    painter_.setCompositionMode(QPainter::CompositionMode_Source);
    painter_.drawImage(to, *sharp->ownImage_, from);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

}  // namespace mervane
