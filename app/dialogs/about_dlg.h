#pragma once

#include <QDialog>

namespace mervane {

// "About Mervane": the title picture, the version and the credit.
class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    // The Classic look at 1x.
    explicit CAboutDlg(QWidget* parent = nullptr);
    // The title picture follows the window's look and scale: Classic enlarges the
    // bitmap by the whole factor in `scale`, Sharp draws the vector at `scale` and the
    // screen's pixel ratio. Either stops at 3x, so the dialog fits any screen.
    CAboutDlg(QWidget* parent, bool sharp, double scale);

    static constexpr double kMaxPictureScale = 3.0;
};

}  // namespace mervane
