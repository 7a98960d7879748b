#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "game/observer.h"
#include "game/saved_game.h"

namespace mervane {

// The game under way, put away in the state folder when the program closes and after
// every hand, and taken up at the next start. Written whole or not at all.
class SavedGameStore {
  public:
    explicit SavedGameStore(QString filePath) : filePath_(std::move(filePath)) {}
    // Beside the window state: "name-window.ini" gives "name-game.txt".
    static QString BesideWindowState(const QString& windowStatePath);

    QString FilePath() const { return filePath_; }
    bool Save(const SavedGame& game) const;
    // No game to take up: between games, or once it was taken up.
    void Remove() const;

    // The game put away, if any. A file that cannot be taken up (another version's, cut
    // short, or an impossible table) is put aside as "….unreadable" and told in
    // `putAside`, so that it is told once and never half read.
    struct Loaded {
        std::optional<SavedGame> game;
        bool putAside = false;
    };
    Loaded Load() const;

  private:
    QString filePath_;
};

class MervaneGame;

// Puts the game away whenever it stands still for long: at each hand's sheet, and when
// the program closes; removes it once the game is over.
class GameSaver final : public GameObserver {
  public:
    GameSaver(MervaneGame& game, const SavedGameStore& store);
    ~GameSaver();
    GameSaver(const GameSaver&) = delete;
    GameSaver& operator=(const GameSaver&) = delete;

    void SaveNow() const;
    void HandEnded(Seat winner, const std::array<std::int32_t, SeatCount>& scores) override;
    void GameOver(Seat winner) override;

  private:
    MervaneGame& game_;
    const SavedGameStore& store_;
    // The sheet's save waits until every observer has been told the hand's end.
    QObject context_;
};

}  // namespace mervane
