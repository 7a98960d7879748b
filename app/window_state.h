#pragma once

#include <QRect>
#include <QString>
#include <optional>

namespace mervane {

class SettingsStore;

// Where the window stood when it was last closed: its frame, title bar included,
// and the table's zoom.
struct WindowPlacement {
    int zoom = 0;                    // 0: not stored, the screen decides
    std::optional<QPoint> position;  // the frame's top-left corner
    std::optional<QSize> frameSize;  // the frame's outer size at that zoom
};

// Window state is not a setting: it lives in a file of its own, so that closing the
// window never rewrites the settings. The file is MERVANE_WINDOW_STATE_FILE when set;
// beside a settings file named explicitly (as "name-window.ini"); else in the XDG
// state folder ($XDG_STATE_HOME, by default ~/.local/state) as
// "Ostrale/<program>-window.ini".
class WindowStateStore {
  public:
    explicit WindowStateStore(const SettingsStore& settings);
    WindowStateStore(QString filePath, QString legacySettingsPath);

    QString FilePath() const { return filePath_; }

    // Until the state file exists, the [Window] group that older versions kept in
    // the settings file is read instead (and never written there again).
    WindowPlacement Load() const;
    bool Save(const WindowPlacement& placement) const;

  private:
    QString filePath_;
    QString legacySettingsPath_;
};

}  // namespace mervane
