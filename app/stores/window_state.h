#pragma once

#include <QRect>
#include <QString>
#include <optional>

namespace mervane {

class SettingsStore;

// A file of the state folder beside the window state: "name-window.ini" with
// "-statistics.ini" gives "name-statistics.ini".
QString FileBesideWindowState(const QString& windowStatePath, const QString& suffix);

// Where the window stood when it was last closed: its frame, title bar included,
// and the table's zoom.
struct WindowPlacement {
    int zoom = 0;                    // 0: not stored, the screen decides
    std::optional<QPoint> position;  // the frame's top-left corner
    std::optional<QSize> frameSize;  // the frame's outer size at that zoom
    std::optional<QSize> viewSize;   // the table area's size, which a free resize sets
    bool maximized = false;
};

// How the table is drawn: the original pixel art enlarged by whole factors, or
// everything drawn at the screen's own resolution.
enum class TableLook { Classic, Sharp };

// The View menu's choices.
struct ViewChoice {
    TableLook look = TableLook::Sharp;
    // The card deck's folder name; ClassicFaces for the program's own pictures, empty
    // for the default deck.
    QString faces;
    // The move log beside the table.
    bool showLog = true;
    // Raise the playable cards during the human's move; off for a new user.
    bool showPlayable = false;
    // Cards slide to and from the piles (Sharp look only).
    bool animations = true;
    static inline const QString ClassicFaces = QStringLiteral("classic");
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
    ViewChoice LoadView() const;
    bool SaveView(const ViewChoice& choice) const;

  private:
    QString filePath_;
    QString legacySettingsPath_;
};

}  // namespace mervane
