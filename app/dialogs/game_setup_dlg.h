#pragma once

#include <QDialog>
#include <array>

class QComboBox;
class QLineEdit;
class QDialogButtonBox;

namespace mervane {

class MessageBoxes;
class PlayToField;

// "Setup": the computer seats' names, the "Play to" target and the play speed.
// Filled before it is shown; its members hold the accepted values after OK.
class CGameSetupDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CGameSetupDlg(MessageBoxes& messages, QWidget* parent = nullptr);

    int playTo = 0;
    int speedIndex = 0;
    QString leftName, topName, rightName;

    // Puts the members into the controls, as the dialog opens.
    void OnInitDialog();
    void accept() override;

    QLineEdit* NameEdit(int seatIndex) const { return names_[seatIndex]; }
    PlayToField* PlayToEdit() const { return playToField_; }
    QComboBox* SpeedList() const { return speedList_; }
    QDialogButtonBox* Buttons() const { return buttons_; }

  signals:
    // F1: the window opens its help at `anchor`, without waiting for the dialog.
    void helpRequested(const QString& anchor);

  protected:
    void showEvent(QShowEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    std::array<QWidget*, 7> TabCycle() const;
    bool ReadPlayTo();
    bool NamesFit();

    MessageBoxes& messages_;
    std::array<QLineEdit*, 3> names_{};
    PlayToField* playToField_;
    QComboBox* speedList_;
    QDialogButtonBox* buttons_;
    bool initialised_ = false;
};

}  // namespace mervane
