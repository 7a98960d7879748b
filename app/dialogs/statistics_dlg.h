#pragma once

#include <QDialog>
#include <array>

class QTableWidget;

namespace mervane {

class MessageBoxes;
class StatisticsKeeper;

// "Statistics": your games and wins per rule set, and the games each computer seat won,
// with a Reset that asks first.
class CStatisticsDlg : public QDialog {
    Q_OBJECT
  public:
    CStatisticsDlg(StatisticsKeeper& keeper, MessageBoxes& messages,
                   const std::array<QString, 3>& seatNames, QWidget* parent = nullptr);

    QTableWidget* Table() const { return table_; }
    // Asks, and clears every count on Yes.
    void OnReset();

  private:
    void Fill();

    StatisticsKeeper& keeper_;
    MessageBoxes& messages_;
    std::array<QString, 3> seatNames_;
    QTableWidget* table_;
};

}  // namespace mervane
