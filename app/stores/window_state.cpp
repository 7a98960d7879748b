#include "app/stores/window_state.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "app/stores/settings_store.h"
#include "game/settings.h"

namespace mervane {

QString FileBesideWindowState(const QString& windowStatePath, const QString& suffix) {
    const QFileInfo state(windowStatePath);
    QString name = state.completeBaseName();
    if (name.endsWith(QLatin1String("-window"))) name.chop(7);
    if (name.isEmpty()) name = ApplicationName();
    return state.dir().filePath(name + suffix);
}

namespace {

constexpr const char* Group = "Window";
constexpr const char* ViewGroup = "View";

std::optional<int> ReadNumber(const QSettings& settings, const char* key) {
    bool ok = false;
    const int number = settings.value(QLatin1String(key)).toString().trimmed().toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

// Both numbers of a pair, or neither.
template <class T>
std::optional<T> ReadPair(const QSettings& settings, const char* first, const char* second) {
    const auto a = ReadNumber(settings, first);
    const auto b = ReadNumber(settings, second);
    return a && b ? std::optional<T>(T(*a, *b)) : std::nullopt;
}

QString StateFolder() {
    // A relative XDG_STATE_HOME is to be ignored, as the XDG rules say.
    const QString xdg = qEnvironmentVariable("XDG_STATE_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) return xdg;
    return QDir::homePath() + QStringLiteral("/.local/state");
}

QString DefaultPath(const SettingsStore& settings) {
    const QString named = qEnvironmentVariable("MERVANE_WINDOW_STATE_FILE");
    if (!named.isEmpty()) return named;
    if (settings.NamedExplicitly()) {
        // Another settings file is another set-up: it keeps its own window state.
        const QFileInfo file(settings.FilePath());
        return file.dir().filePath(file.completeBaseName() + QStringLiteral("-window.ini"));
    }
    return StateFolder() + QLatin1Char('/') +
           QString::fromLatin1(setting::Company.data(), qsizetype(setting::Company.size())) +
           QLatin1Char('/') + ApplicationName() + QStringLiteral("-window.ini");
}

}  // namespace

WindowStateStore::WindowStateStore(const SettingsStore& settings)
    : WindowStateStore(DefaultPath(settings), settings.FilePath()) {}

WindowStateStore::WindowStateStore(QString filePath, QString legacySettingsPath)
    : filePath_(std::move(filePath)), legacySettingsPath_(std::move(legacySettingsPath)) {}

WindowPlacement WindowStateStore::Load() const {
    const bool own = QFileInfo::exists(filePath_);
    QSettings settings(own ? filePath_ : legacySettingsPath_, QSettings::IniFormat);
    settings.beginGroup(QLatin1String(Group));
    WindowPlacement placement;
    placement.zoom = ReadNumber(settings, "ZOOM").value_or(0);
    placement.position = ReadPair<QPoint>(settings, "X", "Y");
    if (own) {
        placement.frameSize = ReadPair<QSize>(settings, "WIDTH", "HEIGHT");
        placement.viewSize = ReadPair<QSize>(settings, "VIEW_WIDTH", "VIEW_HEIGHT");
        placement.maximized = ReadNumber(settings, "MAXIMIZED").value_or(0) != 0;
    }
    return placement;
}

bool WindowStateStore::Save(const WindowPlacement& placement) const {
    QSettings settings(filePath_, QSettings::IniFormat);
    settings.beginGroup(QLatin1String(Group));
    settings.setValue(QLatin1String("ZOOM"), placement.zoom);
    if (placement.position) {
        settings.setValue(QLatin1String("X"), placement.position->x());
        settings.setValue(QLatin1String("Y"), placement.position->y());
    }
    if (placement.frameSize) {
        settings.setValue(QLatin1String("WIDTH"), placement.frameSize->width());
        settings.setValue(QLatin1String("HEIGHT"), placement.frameSize->height());
    }
    if (placement.viewSize) {
        settings.setValue(QLatin1String("VIEW_WIDTH"), placement.viewSize->width());
        settings.setValue(QLatin1String("VIEW_HEIGHT"), placement.viewSize->height());
    }
    settings.setValue(QLatin1String("MAXIMIZED"), placement.maximized ? 1 : 0);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

// Only the state file: an older version never chose a look.
ViewChoice WindowStateStore::LoadView() const {
    ViewChoice choice;
    if (!QFileInfo::exists(filePath_)) return choice;
    QSettings settings(filePath_, QSettings::IniFormat);
    settings.beginGroup(QLatin1String(ViewGroup));
    const QString look = settings.value(QLatin1String("LOOK")).toString().trimmed();
    if (look.compare(QLatin1String("Classic"), Qt::CaseInsensitive) == 0)
        choice.look = TableLook::Classic;
    choice.faces = settings.value(QLatin1String("FACES")).toString().trimmed();
    // Anything but a plain 0 keeps the log: it is shown unless someone hid it.
    choice.showLog =
        settings.value(QLatin1String("SHOW_LOG")).toString().trimmed() != QLatin1String("0");
    choice.showPlayable = ReadNumber(settings, "SHOW_PLAYABLE").value_or(0) != 0;
    choice.animations = ReadNumber(settings, "ANIMATIONS").value_or(1) != 0;
    return choice;
}

bool WindowStateStore::SaveView(const ViewChoice& choice) const {
    QSettings settings(filePath_, QSettings::IniFormat);
    settings.beginGroup(QLatin1String(ViewGroup));
    settings.setValue(QLatin1String("LOOK"), choice.look == TableLook::Classic
                                                 ? QStringLiteral("Classic")
                                                 : QStringLiteral("Sharp"));
    settings.setValue(QLatin1String("FACES"), choice.faces);
    settings.setValue(QLatin1String("SHOW_LOG"), choice.showLog ? 1 : 0);
    settings.setValue(QLatin1String("SHOW_PLAYABLE"), choice.showPlayable ? 1 : 0);
    settings.setValue(QLatin1String("ANIMATIONS"), choice.animations ? 1 : 0);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace mervane
