#pragma once

#include <QDialog>
#include <array>

#include "layout/geometry.h"

class QLineEdit;
class QSlider;

namespace mervane {

class ColorSwatch;

// "Edit RGB Color": three sliders mix the colour, the edits and the swatch follow.
class CColorDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CColorDlg(QWidget* parent = nullptr);

    Color color = 0;  // set before showing, read after OK

    void OnInitDialog();
    QSlider* Slider(int component) const { return sliders_[component]; }
    QLineEdit* ValueEdit(int component) const { return edits_[component]; }
    ColorSwatch* Swatch() const { return swatch_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void OnSliderMoved();
    void Synchronise();

    ColorSwatch* swatch_;
    std::array<QSlider*, 3> sliders_{};  // red, green, blue
    std::array<QLineEdit*, 3> edits_{};
    bool initialised_ = false;
};

}  // namespace mervane
