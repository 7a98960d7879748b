#include "app/frame/vector_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <map>
#include <utility>

// Q_INIT_RESOURCE must be used outside any namespace; it also makes the linker keep the
// icons' object in this static library.
static void InitFrameIcons() {
    Q_INIT_RESOURCE(frame);
}

namespace mervane {
namespace {

class VectorIconEngine final : public QIconEngine {
  public:
    explicit VectorIconEngine(QImage (*render)(QSize)) : render_(render) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap shown = scaledPixmap(rect.size(), mode, state, ratio);
        painter->drawPixmap(rect, shown);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        const QSize pixels = size * scale;
        if (pixels.isEmpty()) return {};
        const std::pair key{pixels.width() * 65536 + pixels.height(), mode == QIcon::Disabled};
        QPixmap& kept = kept_[key];
        if (kept.isNull()) {
            QImage image = render_(pixels);
            if (mode == QIcon::Disabled) image = Greyed(image);
            kept = QPixmap::fromImage(std::move(image));
        }
        QPixmap shown = kept;
        shown.setDevicePixelRatio(scale);
        return shown;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new VectorIconEngine(render_); }
    QString key() const override { return QStringLiteral("mervane-vector"); }

  private:
    // Grey and faded, as a disabled toolbar button is drawn.
    static QImage Greyed(const QImage& image) {
        QImage grey = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < grey.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
            for (int x = 0; x < grey.width(); ++x) {
                const int level = qGray(line[x]);
                line[x] = qRgba(level, level, level, qAlpha(line[x]) / 2);
            }
        }
        return grey;
    }

    QImage (*render_)(QSize);
    std::map<std::pair<int, bool>, QPixmap> kept_;
};

}  // namespace

QIcon LazyVectorIcon(QImage (*render)(QSize)) {
    return QIcon(new VectorIconEngine(render));
}

QIcon FrameIcon(const char* themeName, const char* ownName) {
    static const bool registered = (InitFrameIcons(), true);
    (void)registered;
    QIcon own(QStringLiteral(":/frame/%1.svg").arg(QLatin1String(ownName)));
    return themeName ? QIcon::fromTheme(QLatin1String(themeName), own) : own;
}

}  // namespace mervane
