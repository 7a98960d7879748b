#include "app/dialogs/table_setup_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/dialogs/color_dlg.h"
#include "app/dialogs/color_swatch.h"
#include "app/dialogs/message_box.h"
#include "app/dialogs/window_fit.h"
#include "layout/card_table.h"
#include "render/bitmap_cache.h"
#include "render/pictures.h"

namespace mervane {
namespace {

constexpr int CardWidth = 29;
constexpr int CardHeight = 41;

// Any stored number but 0 turns an option on, as it does in the game.
bool Checked(std::int32_t flag) {
    return flag != 0;
}

}  // namespace

CardBackPreview::CardBackPreview(QWidget* parent) : QWidget(parent) {
    setFixedSize(CardWidth, CardHeight);
}

void CardBackPreview::SetCardBack(std::int32_t bitmapId) {
    bitmapId_ = bitmapId;
    update();
}

void CardBackPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The smaller design (28 x 40) leaves its last column and row in the dialog's colour;
    // a number with no design shows nothing.
    painter.fillRect(rect(), palette().window());
    const QImage& design = BitmapCache::Shared().Image(bitmapId_);
    if (!design.isNull()) painter.drawImage(0, 0, design, 0, 0, CardWidth, CardHeight);
}

CTableSetupDlg::CTableSetupDlg(const MessageBoxes& messages, QWidget* parent)
    : QDialog(parent),
      messages_(messages),
      swatch_(new ColorSwatch(this)),
      colorButton_(new QPushButton(tr("Table Co&lor"), this)),
      backList_(new QComboBox(this)),
      preview_(new CardBackPreview(this)),
      training_(new QCheckBox(tr("&Training Mode(show all Cards)"), this)),
      advanced_(new QCheckBox(tr("&Advanced Rules"), this)),
      seven_(new QCheckBox(tr("Deal &Seven Cards"), this)) {
    setWindowTitle(tr("Setup Table"));
    for (const char* name : CardBackNames) backList_->addItem(tr(name));
    swatch_->setFixedSize(24, 20);
    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(swatch_);
    colorRow->addWidget(colorButton_);
    colorRow->addStretch();
    auto* backGrid = new QGridLayout;
    auto* backLabel = new QLabel(tr("Card &Back:"), this);
    backLabel->setBuddy(backList_);
    backGrid->addWidget(backLabel, 0, 0);
    backGrid->addWidget(backList_, 0, 1);
    backGrid->addWidget(preview_, 1, 1, Qt::AlignLeft);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(colorRow);
    layout->addLayout(backGrid);
    layout->addWidget(training_);
    layout->addWidget(advanced_);
    layout->addWidget(seven_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTableSetupDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTableSetupDlg::reject);
    connect(colorButton_, &QPushButton::clicked, this, &CTableSetupDlg::OnTableColor);
    connect(backList_, &QComboBox::currentIndexChanged, this, &CTableSetupDlg::OnCardBackChanged);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    setTabOrder(ok, cancel);
    setTabOrder(cancel, colorButton_);
    setTabOrder(colorButton_, backList_);
    setTabOrder(backList_, training_);
    setTabOrder(training_, seven_);
    setTabOrder(seven_, advanced_);
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this,
            [this] { emit helpRequested(QStringLiteral("table_setup")); });
    FitTitleBar(*this);
}

void CTableSetupDlg::OnInitDialog() {
    training_->setChecked(Checked(trainingMode));
    seven_->setChecked(rules.sevenCards);
    advanced_->setChecked(rules.advanced);
    swatch_->SetColor(tableColor);
    const int index = cardBackId - FirstCardBackId;
    // A stored number with no design leaves the list empty and the number as it was.
    const bool known = index >= 0 && index < backList_->count();
    backList_->setCurrentIndex(known ? index : -1);
    // The preview shows the back the table draws for it.
    preview_->SetCardBack(BackPicture(cardBackId));
    findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->setFocus(Qt::OtherFocusReason);
    initialised_ = true;
}

void CTableSetupDlg::showEvent(QShowEvent* event) {
    if (!initialised_) OnInitDialog();
    QDialog::showEvent(event);
}

void CTableSetupDlg::OnCardBackChanged(int index) {
    if (index < 0) return;
    cardBackId = index + FirstCardBackId;
    preview_->SetCardBack(BackPicture(cardBackId));
}

void CTableSetupDlg::OnTableColor() {
    CColorDlg picker(this);
    picker.color = tableColor;
    picker.setWindowModality(Qt::WindowModal);
    if (picker.exec() == QDialog::Accepted && !messages_.ClosingDown()) tableColor = picker.color;
    swatch_->SetColor(tableColor);
    swatch_->update();
}

void CTableSetupDlg::accept() {
    trainingMode = training_->isChecked() ? 1 : 0;
    rules = {.advanced = advanced_->isChecked(), .sevenCards = seven_->isChecked()};
    QDialog::accept();
}

}  // namespace mervane
