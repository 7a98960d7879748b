#include "app/settings_store.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPoint>
#include <QSettings>
#include <QStringList>

namespace mervane {
namespace {

constexpr const char* WindowGroup = "Window";
constexpr const char* ZoomKey = "ZOOM";
constexpr const char* XKey = "X";
constexpr const char* YKey = "Y";

QString Key(std::string_view name) {
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// A hand-edited "a, b" comes back from the INI parser as a list; keep it as typed.
QString TextOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

std::optional<std::int32_t> ParseInt(const QString& raw) {
    const QString text = raw.trimmed();
    bool ok = false;
    std::int32_t number = 0;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        // Colours are easier to edit by hand in hex; they must still fit in 32 bits.
        const uint bits = text.mid(2).toUInt(&ok, 16);
        number = static_cast<std::int32_t>(bits);
    } else {
        // Through the text: QVariant::toInt would wrap 2147483648 round to a negative.
        number = text.toInt(&ok, 10);
    }
    return ok ? std::optional<std::int32_t>(number) : std::nullopt;
}

std::int32_t ReadInt(QSettings& settings, std::string_view name, std::int32_t fallback) {
    const QVariant value = settings.value(Key(name));
    if (!value.isValid()) return fallback;
    return ParseInt(TextOf(value)).value_or(fallback);
}

std::string ReadString(QSettings& settings, std::string_view name, const std::string& fallback) {
    const QVariant value = settings.value(Key(name));
    if (!value.isValid()) return fallback;
    return TextOf(value).toStdString();
}

void WriteInt(QSettings& settings, std::string_view name, std::int32_t value) {
    settings.setValue(Key(name), value);
}

void WriteString(QSettings& settings, std::string_view name, const std::string& value) {
    settings.setValue(Key(name), QString::fromStdString(value));
}

bool Finish(QSettings& settings) {
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace

QString ApplicationName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

SettingsStore::SettingsStore() : filePath_(qEnvironmentVariable("MERVANE_SETTINGS_FILE")) {}

SettingsStore::SettingsStore(QString filePath) : filePath_(std::move(filePath)) {}

std::unique_ptr<QSettings> SettingsStore::Open() const {
    if (!filePath_.isEmpty()) return std::make_unique<QSettings>(filePath_, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       Key(setting::Company), ApplicationName());
}

// QSettings never writes over a file it could not parse. Such a file read as all
// defaults; it is kept aside under another name and the settings start afresh.
std::unique_ptr<QSettings> SettingsStore::OpenForWriting() const {
    auto settings = Open();
    (void)settings->childGroups();  // reading is lazy: this makes status() tell
    if (settings->status() != QSettings::FormatError) return settings;
    const QString path = settings->fileName();
    settings.reset();
    QFile::remove(path + QStringLiteral(".unreadable"));
    QFile::rename(path, path + QStringLiteral(".unreadable"));
    return Open();
}

QString SettingsStore::FilePath() const {
    return Open()->fileName();
}

GameSettings SettingsStore::Load() const {
    const GameSettings defaults;
    GameSettings loaded;
    auto settings = Open();
    settings->beginGroup(Key(setting::Section));
    for (int i = 0; i < 3; ++i)
        loaded.playerNames[i] = ReadString(*settings, setting::Players[i], defaults.playerNames[i]);
    loaded.playTo = ReadInt(*settings, setting::PlayTo, defaults.playTo);
    loaded.cardBackId = ReadInt(*settings, setting::CardBack, defaults.cardBackId);
    loaded.tableColor = ReadInt(*settings, setting::TableColor, defaults.tableColor);
    loaded.trainingMode = ReadInt(*settings, setting::Training, defaults.trainingMode);
    loaded.sevenCards = ReadInt(*settings, setting::SevenCards, defaults.sevenCards);
    loaded.advancedRules = ReadInt(*settings, setting::Advanced, defaults.advancedRules);
    loaded.playSpeed = ReadInt(*settings, setting::PlaySpeed, defaults.playSpeed);
    settings->endGroup();
    return loaded;
}

bool SettingsStore::SaveGameSetup(const GameSettings& values, bool withPlayTo) const {
    auto settings = OpenForWriting();
    settings->beginGroup(Key(setting::Section));
    for (int i = 0; i < 3; ++i) WriteString(*settings, setting::Players[i], values.playerNames[i]);
    WriteInt(*settings, setting::PlaySpeed, values.playSpeed);
    if (withPlayTo) WriteInt(*settings, setting::PlayTo, values.playTo);
    return Finish(*settings);
}

bool SettingsStore::SaveTableSetup(const GameSettings& values) const {
    auto settings = OpenForWriting();
    settings->beginGroup(Key(setting::Section));
    WriteInt(*settings, setting::TableColor, values.tableColor);
    WriteInt(*settings, setting::CardBack, values.cardBackId);
    WriteInt(*settings, setting::Training, values.trainingMode);
    WriteInt(*settings, setting::SevenCards, values.sevenCards);
    WriteInt(*settings, setting::Advanced, values.advancedRules);
    return Finish(*settings);
}

WindowPlacement SettingsStore::LoadWindow() const {
    WindowPlacement placement;
    auto settings = Open();
    settings->beginGroup(QLatin1String(WindowGroup));
    placement.zoom = ReadInt(*settings, ZoomKey, 0);
    const auto x = ParseInt(TextOf(settings->value(QLatin1String(XKey))));
    const auto y = ParseInt(TextOf(settings->value(QLatin1String(YKey))));
    if (x && y) placement.position = QPoint(*x, *y);
    settings->endGroup();
    return placement;
}

bool SettingsStore::SaveWindow(const WindowPlacement& placement) const {
    auto settings = OpenForWriting();
    settings->beginGroup(QLatin1String(WindowGroup));
    settings->setValue(QLatin1String(ZoomKey), placement.zoom);
    if (placement.position) {
        settings->setValue(QLatin1String(XKey), placement.position->x());
        settings->setValue(QLatin1String(YKey), placement.position->y());
    }
    return Finish(*settings);
}

}  // namespace mervane
