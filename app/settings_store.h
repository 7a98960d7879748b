#pragma once

#include <QPoint>
#include <QString>
#include <memory>
#include <optional>

#include "game/settings.h"

class QSettings;

namespace mervane {

// Where the window was and how large the table was shown.
struct WindowPlacement {
    int zoom = 0;  // 0: not stored, the screen decides
    std::optional<QPoint> position;
};

// The ten settings in an INI file in the user's configuration folder (or at the
// file MERVANE_SETTINGS_FILE names). Every operation opens the file afresh, so a
// failed write leaves nothing behind in memory.
class SettingsStore {
  public:
    SettingsStore();
    explicit SettingsStore(QString filePath);

    QString FilePath() const;

    // A value that is missing, unreadable or not a 32-bit number reads as its default.
    GameSettings Load() const;
    // Names, then speed, then the target when asked; false when the file was not written.
    bool SaveGameSetup(const GameSettings& values, bool withPlayTo) const;
    bool SaveTableSetup(const GameSettings& values) const;

    WindowPlacement LoadWindow() const;
    bool SaveWindow(const WindowPlacement& placement) const;

  private:
    std::unique_ptr<QSettings> Open() const;
    std::unique_ptr<QSettings> OpenForWriting() const;

    QString filePath_;  // empty: the platform's place for this application
};

// The executable's file name without extension, as the store's application name.
QString ApplicationName();

}  // namespace mervane
