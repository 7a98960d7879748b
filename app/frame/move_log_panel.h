#pragma once

#include <QDockWidget>
#include <string>

#include "game/move_log.h"

class QListWidget;

namespace mervane {

class MervaneGame;

// The move log beside the table: one line per move, the newest at the bottom and
// scrolled into view. A new game empties it, so it holds the game under way.
class MoveLogPanel final : public QDockWidget, private MoveLogListener {
    Q_OBJECT
  public:
    // Observes `game` until destroyed, so it must go before the game does.
    MoveLogPanel(MervaneGame& game, QWidget* parent);
    ~MoveLogPanel() override;

    QListWidget* List() const { return list_; }
    const MoveLog& Log() const { return log_; }
    // Hands the list over to be shown elsewhere (the Sharp look's drawer), free of the
    // dock's width; Redock takes it back into the dock. The list keeps its log either way.
    QListWidget* Undock();
    void Redock();

  signals:
    // The panel's own close button hid it.
    void closedByUser();
    // A new line, shown or not, for whoever else follows the moves.
    void lineAdded(const QString& line);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void LineAdded(const std::string& line) override;
    void Refilled(const std::vector<std::string>& lines) override;

    MervaneGame& game_;
    MoveLog log_;
    QListWidget* list_;
};

}  // namespace mervane
