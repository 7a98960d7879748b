#include "app/dialogs/about_dlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/dialogs/window_fit.h"
#include "render/bitmap_cache.h"
#include "render/pictures.h"
#include "render/vector_art.h"

namespace mervane {
namespace {

double PictureScale(double scale) {
    return std::isfinite(scale) ? std::clamp(scale, 1.0, CAboutDlg::kMaxPictureScale) : 1.0;
}

// Every bitmap pixel a square block of whole window pixels.
QPixmap ClassicTitle(double scale) {
    const QImage& bitmap = BitmapCache::Shared().Image(bitmap::TitlePicture);
    const int factor = static_cast<int>(std::floor(PictureScale(scale)));
    if (bitmap.isNull() || factor == 1) return QPixmap::fromImage(bitmap);
    return QPixmap::fromImage(
        bitmap.scaled(bitmap.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

// The vector title at its logical size times the scale, rendered in device pixels.
QPixmap SharpTitle(double scale, double pixelRatio) {
    const QImage& bitmap = BitmapCache::Shared().Image(bitmap::TitlePicture);
    const QSizeF shown =
        QSizeF(bitmap.isNull() ? QSize(122, 120) : bitmap.size()) * PictureScale(scale);
    const QSize pixels = (shown * pixelRatio).toSize();
    QImage picture = RenderVectorPicture(bitmap::TitlePicture, pixels);
    if (picture.isNull() && !bitmap.isNull())
        picture = bitmap.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setDevicePixelRatio(pixelRatio);
    return pixmap;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : CAboutDlg(parent, false, 1.0) {}

CAboutDlg::CAboutDlg(QWidget* parent, bool sharp, double scale) : QDialog(parent) {
    setWindowTitle(tr("About Mervane"));
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("titlePicture"));
    const double pixelRatio = parent ? parent->devicePixelRatioF() : qApp->devicePixelRatio();
    picture->setPixmap(sharp ? SharpTitle(scale, pixelRatio) : ClassicTitle(scale));
    picture->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(tr("Mervane Version 1.0"), this);
    auto* credit = new QLabel(tr("A card game by Ostrale"), this);
    version->setAlignment(Qt::AlignCenter);
    credit->setAlignment(Qt::AlignCenter);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setCenterButtons(true);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(version);
    layout->addWidget(credit);
    layout->addWidget(buttons);
    FitTitleBar(*this);
}

}  // namespace mervane
