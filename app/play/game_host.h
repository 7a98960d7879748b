#pragma once

#include <QObject>
#include <functional>

#include "app/play/qt_platform.h"
#include "game/mervane_game.h"
#include "game/score_history.h"

namespace mervane {

class MessageBoxes;

// The game and the window services it runs on, owned together for the window's life:
// the view shows the game and hands it the person's intents, the commands change it
// through their dialogs.
class GameHost : public QObject {
    Q_OBJECT
  public:
    explicit GameHost(MessageBoxes& messages);
    ~GameHost() override;

    MervaneGame& Game() { return game_; }
    const MervaneGame& Game() const { return game_; }
    QtGamePlatform& Platform() { return platform_; }
    const QtGamePlatform& Platform() const { return platform_; }
    bool Busy() const { return game_.Busy(); }
    // The hands of the game under way, for the score sheets.
    const ScoreHistory& History() const { return history_; }

    // Runs a command now, or after the chain of turns under way.
    void Dispatch(std::function<void()> command);
    // The window is closing: the chain stops where it is and nothing more runs.
    void Shutdown() { platform_.Quit(); }

  signals:
    // A command ran: what the menus and the screen reader show may have changed.
    void commandRun();

  private:
    QtGamePlatform platform_;
    MervaneGame game_;
    ScoreHistory history_;
};

}  // namespace mervane
