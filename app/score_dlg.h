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
    // The "Sharp" look: the dialog is the table's size at `scale` and the sheet is drawn
    // at the screen's resolution, as on the table; `zoom` is then not used.
    bool sharp = false;
    double scale = 1.0;

    QWidget* Sheet() const { return sheet_; }
    int Zoom() const;
    // The scale of the Sharp look, never below 1 (the table's smallest).
    double SharpScale() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* sheet_;
};

}  // namespace mervane
