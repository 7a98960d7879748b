#pragma once

#include <QDialog>

namespace mervane {

// "About Mervane": the title picture, the version and the credit.
class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace mervane
