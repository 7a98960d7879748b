#pragma once

#include <QDialog>
#include <cstdint>

#include "game/rule_set.h"
#include "layout/geometry.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace mervane {

class ColorSwatch;
class MessageBoxes;

// A card back design shown one to one, a card's size.
class CardBackPreview : public QWidget {
    Q_OBJECT
  public:
    explicit CardBackPreview(QWidget* parent = nullptr);
    void SetCardBack(std::int32_t bitmapId);
    std::int32_t CardBack() const { return bitmapId_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::int32_t bitmapId_ = 0;
};

// "Setup Table": table colour, card back and the three options.
class CTableSetupDlg : public QDialog {
    Q_OBJECT
  public:
    // `messages` tell whether the window closes while the colour picker is open.
    explicit CTableSetupDlg(const MessageBoxes& messages, QWidget* parent = nullptr);

    Color tableColor = 0;
    std::int32_t cardBackId = 0;
    std::int32_t trainingMode = 0;
    RuleSet rules;

    void OnInitDialog();
    void accept() override;

    ColorSwatch* Swatch() const { return swatch_; }
    QPushButton* ColorButton() const { return colorButton_; }
    QComboBox* CardBackList() const { return backList_; }
    CardBackPreview* Preview() const { return preview_; }
    QCheckBox* TrainingBox() const { return training_; }
    QCheckBox* SevenCardsBox() const { return seven_; }
    QCheckBox* AdvancedBox() const { return advanced_; }

  signals:
    // F1: the window opens its help at `anchor`, without waiting for the dialog.
    void helpRequested(const QString& anchor);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void OnTableColor();
    void OnCardBackChanged(int index);

    const MessageBoxes& messages_;
    ColorSwatch* swatch_;
    QPushButton* colorButton_;
    QComboBox* backList_;
    CardBackPreview* preview_;
    QCheckBox* training_;
    QCheckBox* advanced_;
    QCheckBox* seven_;
    bool initialised_ = false;
};

// The twelve designs in the order of their numbers, as the list shows them (in the
// dialog's translations).
inline constexpr const char* CardBackNames[12] = {
    QT_TRANSLATE_NOOP("mervane::CTableSetupDlg", "Blue"),
    QT_TRANSLATE_NOOP("mervane::CTableSetupDlg", "Black"),
    QT_TRANSLATE_NOOP("mervane::CTableSetupDlg", "Purple"),
    QT_TRANSLATE_NOOP("mervane::CTableSetupDlg", "Smiley"),
    QT_TRANSLATE_NOOP("mervane::CTableSetupDlg", "Dirty Yellow "),
    QT_TRANSLATE_NOOP("mervane::CTableSetupDlg", "Red Pinstripes"),
    QT_TRANSLATE_NOOP("mervane::CTableSetupDlg", "Blue Pinstripes"),
    QT_TRANSLATE_NOOP("mervane::CTableSetupDlg", "Skull"),
    QT_TRANSLATE_NOOP("mervane::CTableSetupDlg", "Blue Star"),
    QT_TRANSLATE_NOOP("mervane::CTableSetupDlg", "Purple Star"),
    QT_TRANSLATE_NOOP("mervane::CTableSetupDlg", "Metal Rivet"),
    QT_TRANSLATE_NOOP("mervane::CTableSetupDlg", "Wild"),
};

}  // namespace mervane
