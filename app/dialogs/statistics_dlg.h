#pragma once

#include <QDialog>
#include <array>

#include "game/levels.h"

class QComboBox;
class QTableWidget;

namespace mervane {

class MessageBoxes;
class StatisticsKeeper;

// "Statistics": your games, wins and hints per rule set, and the games each computer
// seat won, at the level chosen above them (first the one in force), with a Reset that
// asks first.
class CStatisticsDlg : public QDialog {
    Q_OBJECT
  public:
    CStatisticsDlg(StatisticsKeeper& keeper, MessageBoxes& messages,
                   const std::array<QString, 3>& seatNames, QWidget* parent = nullptr);

    QTableWidget* Table() const { return table_; }
    QComboBox* LevelChoice() const { return levelChoice_; }
    Level ShownLevel() const;
    // Asks, and clears every count on Yes.
    void OnReset();

  private:
    void Fill();

    StatisticsKeeper& keeper_;
    MessageBoxes& messages_;
    std::array<QString, 3> seatNames_;
    QComboBox* levelChoice_;
    QTableWidget* table_;
};

}  // namespace mervane
