#include "app/dialogs/play_to_field.h"

#include <QLineEdit>
#include <algorithm>

namespace mervane {

PlayToField::PlayToField(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum), lastGood_(minimum) {
    setWrapping(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
}

void PlayToField::SetValue(int value) {
    lineEdit()->setText(QString::number(value));
    if (value >= minimum_ && value <= maximum_) lastGood_ = value;
}

std::optional<int> PlayToField::Value() const {
    bool ok = false;
    const int value = text().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

void PlayToField::SelectAllAndFocus() {
    setFocus(Qt::OtherFocusReason);
    selectAll();
}

void PlayToField::stepBy(int steps) {
    // Steps go from the number shown, or from the last good one when the text is no
    // number; past either end they wrap round.
    int from = Value().value_or(lastGood_);
    from = std::clamp(from, minimum_, maximum_);
    const int span = maximum_ - minimum_ + 1;
    const int offset = ((from - minimum_ + steps) % span + span) % span;
    SetValue(minimum_ + offset);
    selectAll();
}

QValidator::State PlayToField::validate(QString& input, int&) const {
    // ASCII only: QChar::isDigit() would let in the digits of every script, which the
    // number conversion then refuses.
    const bool digitsOnly =
        std::all_of(input.cbegin(), input.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digitsOnly ? QValidator::Acceptable : QValidator::Invalid;
}

}  // namespace mervane
