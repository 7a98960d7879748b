#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "game/settings.h"

class QSettings;

namespace mervane {

// The ten settings in an INI file in the user's configuration folder (or at the
// file MERVANE_SETTINGS_FILE names). The file is written only by the two saves.
class SettingsStore {
  public:
    SettingsStore();
    explicit SettingsStore(QString filePath);

    // Takes the message for the user about the first failed write of a run.
    using FailureReporter = std::function<void(const QString& message)>;
    void SetFailureReporter(FailureReporter reporter) { reportFailure_ = std::move(reporter); }

    QString FilePath() const;
    // True when the file was named (by the caller or MERVANE_SETTINGS_FILE), not found.
    bool NamedExplicitly() const { return !filePath_.isEmpty(); }

    // A value that is missing, unreadable or not a 32-bit number reads as its default.
    GameSettings Load() const;
    // Names, then speed, then the target when asked; false when the file does not hold
    // the values afterwards. The first failure of a run goes to the failure reporter.
    bool SaveGameSetup(const GameSettings& values, bool withPlayTo) const;
    bool SaveTableSetup(const GameSettings& values) const;
    // The computer seats' level, chosen from the Play menu.
    bool SaveLevel(Level level) const;

  private:
    using Written = std::vector<std::pair<QString, QString>>;

    std::unique_ptr<QSettings> Open() const;
    // The file as a save found it.
    struct Found {
        QByteArray notes;  // the comment lines at its head, kept through the write
        std::optional<QByteArray> malformed;  // its bytes, when Qt calls it malformed
    };
    std::unique_ptr<QSettings> OpenForWriting(Found& found) const;
    bool Finish(std::unique_ptr<QSettings> settings, const Written& written,
                const Found& found) const;
    void ReportWriteFailure() const;

    QString filePath_;  // empty: the platform's place for this application
    FailureReporter reportFailure_;
    mutable bool failureReported_ = false;
};

// The executable's file name without extension, as the store's application name.
QString ApplicationName();

}  // namespace mervane
