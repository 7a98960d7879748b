#include "app/dialogs/game_setup_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/dialogs/message_box.h"
#include "app/dialogs/play_to_field.h"
#include "app/dialogs/window_fit.h"
#include "game/settings.h"

namespace mervane {
namespace {

const char* const SeatLabels[3] = {QT_TRANSLATE_NOOP("mervane::CGameSetupDlg", "&Left:"),
                                   QT_TRANSLATE_NOOP("mervane::CGameSetupDlg", "&Top:"),
                                   QT_TRANSLATE_NOOP("mervane::CGameSetupDlg", "&Right:")};
const char* const TooLong[3] = {
    QT_TRANSLATE_NOOP("mervane::CGameSetupDlg",
                      "Left Player's Name too Long(Max of 10 characters)."),
    QT_TRANSLATE_NOOP("mervane::CGameSetupDlg",
                      "Top Player's Name too Long(Max of 10 characters)."),
    QT_TRANSLATE_NOOP("mervane::CGameSetupDlg",
                      "Right Player's Name too Long(Max of 10 characters)."),
};

// Characters as a person counts them, not UTF-16 units.
qsizetype CharacterCount(const QString& text) {
    return text.toUcs4().size();
}

}  // namespace

CGameSetupDlg::CGameSetupDlg(MessageBoxes& messages, QWidget* parent)
    : QDialog(parent),
      messages_(messages),
      playToField_(new PlayToField(MinPlayTo, MaxPlayTo, this)),
      speedList_(new QComboBox(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(tr("Setup"));
    auto* players = new QGroupBox(tr("Players"), this);
    auto* nameRows = new QFormLayout(players);
    for (int i = 0; i < 3; ++i) {
        names_[i] = new QLineEdit(players);
        nameRows->addRow(tr(SeatLabels[i]), names_[i]);
    }
    auto* target = new QFormLayout;
    playToField_->setMinimumWidth(80);
    target->addRow(tr("&Play to:"), playToField_);
    speedList_->addItems({tr("Slow"), tr("Normal"), tr("Fast")});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(players);
    layout->addLayout(target);
    auto* speedLabel = new QLabel(tr("Computer's Play &Speed:"), this);
    speedLabel->setBuddy(speedList_);
    layout->addWidget(speedLabel);
    layout->addWidget(speedList_);
    layout->addWidget(buttons_);
    buttons_->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons_->button(QDialogButtonBox::Ok)->setText(tr("&OK"));
    buttons_->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &CGameSetupDlg::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &CGameSetupDlg::reject);
    const auto cycle = TabCycle();
    for (std::size_t i = 0; i + 1 < cycle.size(); ++i) setTabOrder(cycle[i], cycle[i + 1]);
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this,
            [this] { emit helpRequested(QStringLiteral("game_setup")); });
    FitTitleBar(*this);
}

// Names, the buttons, then target and speed.
std::array<QWidget*, 7> CGameSetupDlg::TabCycle() const {
    return {names_[0],
            names_[1],
            names_[2],
            buttons_->button(QDialogButtonBox::Ok),
            buttons_->button(QDialogButtonBox::Cancel),
            playToField_,
            speedList_};
}

// Tab and Shift+Tab go round the cycle. Qt's own chain passes through the button box,
// which hands its focus to OK, so from the second round on Tab would skip the names.
bool CGameSetupDlg::focusNextPrevChild(bool next) {
    const auto cycle = TabCycle();
    const QWidget* focus = focusWidget();
    const std::size_t n = cycle.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (focus != cycle[i] && !cycle[i]->isAncestorOf(focus)) continue;
        cycle[(i + (next ? 1 : n - 1)) % n]->setFocus(next ? Qt::TabFocusReason
                                                           : Qt::BacktabFocusReason);
        return true;
    }
    return QDialog::focusNextPrevChild(next);
}

void CGameSetupDlg::OnInitDialog() {
    playToField_->SetValue(playTo);
    speedList_->setCurrentIndex(speedIndex >= 0 && speedIndex < speedList_->count() ? speedIndex
                                                                                    : -1);
    names_[0]->setText(leftName);
    names_[1]->setText(topName);
    names_[2]->setText(rightName);
    names_[0]->setFocus(Qt::OtherFocusReason);
    initialised_ = true;
}

void CGameSetupDlg::showEvent(QShowEvent* event) {
    if (!initialised_) OnInitDialog();
    QDialog::showEvent(event);
}

bool CGameSetupDlg::ReadPlayTo() {
    const auto value = playToField_->Value();
    if (!value) {
        messages_.Show(this, tr("Please enter an integer."));
    } else if (*value < MinPlayTo || *value > MaxPlayTo) {
        messages_.Show(
            this, tr("Please enter an integer between %1 and %2.").arg(MinPlayTo).arg(MaxPlayTo));
    } else {
        playTo = *value;
        return true;
    }
    playToField_->SelectAllAndFocus();
    return false;
}

bool CGameSetupDlg::NamesFit() {
    for (int i = 0; i < 3; ++i) {
        if (CharacterCount(names_[i]->text()) > MaxNameLength) {
            messages_.Show(this, tr(TooLong[i]));
            names_[i]->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

void CGameSetupDlg::accept() {
    if (!ReadPlayTo()) return;
    speedIndex = speedList_->currentIndex();
    leftName = names_[0]->text();
    topName = names_[1]->text();
    rightName = names_[2]->text();
    if (!NamesFit()) return;
    QDialog::accept();
}

}  // namespace mervane
