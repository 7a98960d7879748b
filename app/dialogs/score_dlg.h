#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <vector>

#include "game/score_history.h"
#include "layout/card_table.h"
#include "layout/geometry.h"

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
    // The game's hands and the table's colour: the Sharp look shows the hand-by-hand
    // sheet of the table, on its felt.
    std::vector<HandScore> hands;
    Color tableColor = DefaultTableColor;
    // The table's zoom: the sheet is drawn as large as on the table.
    int zoom = 1;
    // The "Sharp" look: the hand-by-hand sheet at the table's `scale` (its rows as
    // large as a classic sheet's line would be), at the screen's resolution; `zoom` is
    // then not used.
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
    // The Sharp sheet's size in pixels with rows for `scale`.
    QSize SharpSheetPixels(double scale) const;
    double FittingScale(QSize units, QSize room) const;
    // What `room` leaves for the sheet beside the frame, margins and the button row,
    // and the tallest the Sharp sheet may be in it.
    QSize FreeRoom(QSize room) const;
    int FittingHeight(QSize room) const;

    QWidget* sheet_;
    double shownScale_ = 1.0;
};

}  // namespace mervane
