#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

namespace mervane {

// "Score": the running game's score sheet, a snapshot painted in the dialog.
class CScoreDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CScoreDlg(QWidget* parent = nullptr);

    std::array<QString, 3> seatNames;  // Left, Top, Right
    std::int32_t scoreLeft = 0;
    std::int32_t scoreTop = 0;
    std::int32_t scoreRight = 0;
    std::int32_t scoreYou = 0;
    // The table's zoom: the sheet is drawn as large as on the table.
    int zoom = 1;
    // The "Sharp" look: the sheet is drawn at the table's `scale` at the screen's
    // resolution, as on the table; `zoom` is then not used.
    bool sharp = false;
    double scale = 1.0;

    // The sheet and a margin round it; the dialog is that and the Close button.
    QWidget* Sheet() const { return sheet_; }
    int Zoom() const;
    // The scale of the Sharp look, never below 1 (the table's smallest).
    double SharpScale() const;
    // The zoom (Classic) or scale (Sharp) the sheet is shown at once the dialog opens:
    // the table's, lowered as far as needed for the dialog to fit the screen.
    double ShownScale() const { return shownScale_; }

    void setVisible(bool visible) override;

  private:
    // The sheet's box and its margin in table units, measured as drawn at `scale`.
    QSize SheetUnits(double scale) const;
    double FittingScale(QSize units, QSize room) const;

    QWidget* sheet_;
    double shownScale_ = 1.0;
};

}  // namespace mervane
