#include "app/dialogs/color_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "app/dialogs/color_swatch.h"
#include "app/dialogs/window_fit.h"

namespace mervane {
namespace {

const char* const ComponentLabels[3] = {QT_TRANSLATE_NOOP("mervane::CColorDlg", "&Red:"),
                                        QT_TRANSLATE_NOOP("mervane::CColorDlg", "&Green:"),
                                        QT_TRANSLATE_NOOP("mervane::CColorDlg", "&Blue:")};

QSlider* MakeSlider(QWidget* parent) {
    auto* slider = new QSlider(Qt::Vertical, parent);
    slider->setRange(0, 255);
    slider->setSingleStep(10);
    slider->setPageStep(50);
    // 0 at the top: dragging down raises the component, and the Down key does too.
    slider->setInvertedAppearance(true);
    slider->setInvertedControls(true);
    slider->setTickPosition(QSlider::NoTicks);
    slider->setMinimumHeight(110);
    return slider;
}

QLineEdit* MakeValueEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(48);
    return edit;
}

}  // namespace

CColorDlg::CColorDlg(QWidget* parent) : QDialog(parent), swatch_(new ColorSwatch(this)) {
    setWindowTitle(tr("Edit RGB Color"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* frame = new QGroupBox(this);
    auto* grid = new QGridLayout(frame);
    swatch_->setMinimumHeight(24);
    grid->addWidget(swatch_, 0, 0, 1, 3);
    for (int i = 0; i < 3; ++i) {
        edits_[i] = MakeValueEdit(frame);
        sliders_[i] = MakeSlider(frame);
        grid->addWidget(edits_[i], 1, i, Qt::AlignHCenter);
        auto* label = new QLabel(tr(ComponentLabels[i]), frame);
        label->setBuddy(sliders_[i]);
        grid->addWidget(label, 2, i, Qt::AlignHCenter);
        grid->addWidget(sliders_[i], 3, i, Qt::AlignHCenter);
        connect(sliders_[i], &QSlider::valueChanged, this, &CColorDlg::OnSliderMoved);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    for (int i = 0; i < 2; ++i) setTabOrder(edits_[i], edits_[i + 1]);
    setTabOrder(edits_[2], sliders_[0]);
    for (int i = 0; i < 2; ++i) setTabOrder(sliders_[i], sliders_[i + 1]);
    FitTitleBar(*this);
}

void CColorDlg::OnInitDialog() {
    const Color start = color;
    sliders_[0]->setValue(RedOf(start));
    sliders_[1]->setValue(GreenOf(start));
    sliders_[2]->setValue(BlueOf(start));
    color = start;
    Synchronise();
    edits_[0]->setFocus(Qt::OtherFocusReason);
    initialised_ = true;
}

void CColorDlg::showEvent(QShowEvent* event) {
    if (!initialised_) OnInitDialog();
    QDialog::showEvent(event);
}

// valueChanged comes at every step of a drag (tracking is on), not only on release.
void CColorDlg::OnSliderMoved() {
    color = MakeColor(sliders_[0]->value(), sliders_[1]->value(), sliders_[2]->value());
    Synchronise();
}

void CColorDlg::Synchronise() {
    for (int i = 0; i < 3; ++i) edits_[i]->setText(QString::number(sliders_[i]->value()));
    swatch_->SetColor(color);
}

}  // namespace mervane
