#include "app/about_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "render/bitmap_cache.h"
#include "render/card_table.h"

namespace mervane {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Mervane"));
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("titlePicture"));
    picture->setPixmap(QPixmap::fromImage(BitmapCache::Shared().Image(bitmap::TitlePicture)));
    picture->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(QStringLiteral("Mervane Version 1.0"), this);
    auto* credit = new QLabel(QStringLiteral("A card game by Ostrale"), this);
    version->setAlignment(Qt::AlignCenter);
    credit->setAlignment(Qt::AlignCenter);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(version);
    layout->addWidget(credit);
    layout->addWidget(buttons);
}

}  // namespace mervane
