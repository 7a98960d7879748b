#pragma once

#include <QAbstractSpinBox>
#include <optional>

namespace mervane {

// A digits-only field with an up-down that wraps from one end of its range to the
// other. Unlike QSpinBox it keeps whatever digits were typed (empty, 0, 900), so
// that the dialog can refuse them with its own messages.
class PlayToField : public QAbstractSpinBox {
    Q_OBJECT
  public:
    PlayToField(int minimum, int maximum, QWidget* parent = nullptr);

    void SetValue(int value);
    // The typed number, or nothing when the text is not a 32-bit integer.
    std::optional<int> Value() const;
    void SelectAllAndFocus();

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

  protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

  private:
    int minimum_;
    int maximum_;
    int lastGood_;
};

}  // namespace mervane
