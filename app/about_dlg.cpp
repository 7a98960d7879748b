#include "app/about_dlg.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "layout/card_table.h"
#include "render/bitmap_cache.h"

namespace mervane {
namespace {

// Room for the whole title in the window manager's title bar: the title in the title
// font (set bold, as most frames draw it), beside the frame's icon and its minimise,
// maximise and close buttons, each about as wide as the bar is high.
int TitleBarWidth(const QString& title) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int button = metrics.height() + 8;
    constexpr int FrameButtons = 4;
    constexpr int TitleMargins = 2;  // free space on either side of the title
    return metrics.horizontalAdvance(title) + (FrameButtons + TitleMargins) * button;
}

}  // namespace

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
    setMinimumWidth(TitleBarWidth(windowTitle()));
}

}  // namespace mervane
