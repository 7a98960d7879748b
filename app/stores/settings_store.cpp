#include "app/stores/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStringDecoder>
#include <QStringList>
#include <optional>

namespace mervane {
namespace {

constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

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

// Any number but 0 turns an option on; one that cannot be read is the default.
bool ReadFlag(QSettings& settings, std::string_view name, bool fallback) {
    return ReadInt(settings, name, fallback ? 1 : 0) != 0;
}

std::string ReadString(QSettings& settings, std::string_view name, const std::string& fallback) {
    const QVariant value = settings.value(Key(name));
    if (!value.isValid()) return fallback;
    return TextOf(value).toStdString();
}

// Qt reads the file as UTF-8 and silently drops bytes that are not, so a name saved
// by an editor in Latin-1 would lose its accented letters. A plain value of the
// settings group that is not UTF-8 is read as Latin-1 instead.
std::optional<std::string> Latin1Value(const QByteArray& file, std::string_view name) {
    bool inSection = false;
    const QByteArray text = file.startsWith(ByteOrderMark) ? file.sliced(3) : file;
    for (const QByteArray& rawLine : text.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('[')) {
            inSection = line == "[" + QByteArray(setting::Section.data()) + "]";
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inSection || equals < 0 || line.first(equals).trimmed() != name.data()) continue;
        const QByteArray value = line.sliced(equals + 1).trimmed();
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        (void)QString(utf8(value));
        if (!utf8.hasError() || value.contains('"') || value.contains('\\')) return std::nullopt;
        return QString::fromLatin1(value).toStdString();
    }
    return std::nullopt;
}

// The rewrite that every save makes would store the names as QSettings read them,
// without their Latin-1 letters; they are stored again as read here, in UTF-8.
void KeepLatin1Names(const QString& path, QSettings& settings) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray text = file.readAll();
    for (const std::string_view name : setting::Players) {
        if (const auto value = Latin1Value(text, name)) {
            settings.setValue(Key(setting::Section) + QLatin1Char('/') + Key(name),
                              QString::fromStdString(*value));
        }
    }
}

// An editor may start the file with a UTF-8 byte-order mark. QSettings reads such a
// file but calls it malformed and will not write it, so the mark goes before a write.
// False when the mark is there and cannot be removed.
bool DropByteOrderMark(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return true;
    QByteArray text = file.readAll();
    file.close();
    if (!text.startsWith(ByteOrderMark)) return true;
    QSaveFile cleaned(path);  // refuses a read-only file, which then keeps its mark
    if (!cleaned.open(QIODevice::WriteOnly)) return false;
    cleaned.write(text.remove(0, 3));
    return cleaned.commit();
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The comment lines (and blank lines among them) at the head of the file, which
// QSettings drops when it writes; empty when the file starts with a value or a group.
QByteArray LeadingNotes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray text = file.readAll();
    if (text.startsWith(ByteOrderMark)) text.remove(0, 3);
    qsizetype end = 0;  // just past the last comment line
    for (qsizetype at = 0; at < text.size();) {
        qsizetype next = text.indexOf('\n', at);
        next = next < 0 ? text.size() : next + 1;
        const QByteArray line = text.sliced(at, next - at).trimmed();
        if (!line.isEmpty() && !line.startsWith('#') && !line.startsWith(';')) break;
        if (!line.isEmpty()) end = next;
        at = next;
    }
    QByteArray notes = text.first(end);
    if (!notes.isEmpty() && !notes.endsWith('\n')) notes += '\n';
    return notes;
}

// Puts the notes back at the head of the file QSettings has just written.
void RestoreNotes(const QString& path, const QByteArray& notes) {
    if (notes.isEmpty()) return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray text = file.readAll();
    file.close();
    if (text.startsWith(notes)) return;
    QSaveFile noted(path);
    if (!noted.open(QIODevice::WriteOnly)) return;
    noted.write(notes + text);
    noted.commit();
}

// Each value written, with the text it must read back as.
void WriteInt(QSettings& settings, std::string_view name, std::int32_t value,
              std::vector<std::pair<QString, QString>>& written) {
    settings.setValue(Key(name), value);
    written.emplace_back(settings.group() + QLatin1Char('/') + Key(name), QString::number(value));
}

void WriteString(QSettings& settings, std::string_view name, const std::string& value,
                 std::vector<std::pair<QString, QString>>& written) {
    settings.setValue(Key(name), QString::fromStdString(value));
    written.emplace_back(settings.group() + QLatin1Char('/') + Key(name),
                         QString::fromStdString(value));
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

// A note ("# my table"), a line without "=" or a group without its "]" makes QSettings
// call the file malformed, yet it reads every value around them and writes them all
// back. Only a malformed file from which no setting could be read is kept aside under
// another name, for the settings to start afresh. A file whose only fault is a
// byte-order mark that cannot be removed is kept: the write then fails and says so.
std::unique_ptr<QSettings> SettingsStore::OpenForWriting(Found& found) const {
    const QString path = FilePath();
    const bool markGone = DropByteOrderMark(path);
    auto settings = Open();
    (void)settings->childGroups();  // reading is lazy: this makes status() tell
    settings->beginGroup(Key(setting::Section));
    const bool nothingRead = settings->childKeys().isEmpty();
    settings->endGroup();
    if (!markGone || !nothingRead || settings->status() != QSettings::FormatError) {
        KeepLatin1Names(path, *settings);
        found.notes = LeadingNotes(path);
        if (settings->status() == QSettings::FormatError) found.malformed = ReadAll(path);
        return settings;
    }
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
    QFile raw(settings->fileName());
    const QByteArray text = raw.open(QIODevice::ReadOnly) ? raw.readAll() : QByteArray();
    settings->beginGroup(Key(setting::Section));
    for (int i = 0; i < 3; ++i) {
        loaded.playerNames[i] =
            Latin1Value(text, setting::Players[i])
                .value_or(ReadString(*settings, setting::Players[i], defaults.playerNames[i]));
    }
    loaded.playTo = ReadInt(*settings, setting::PlayTo, defaults.playTo);
    loaded.cardBackId = ReadInt(*settings, setting::CardBack, defaults.cardBackId);
    loaded.tableColor = ReadInt(*settings, setting::TableColor, defaults.tableColor);
    loaded.trainingMode = ReadInt(*settings, setting::Training, defaults.trainingMode);
    loaded.rules.sevenCards = ReadFlag(*settings, setting::SevenCards, defaults.rules.sevenCards);
    loaded.rules.advanced = ReadFlag(*settings, setting::Advanced, defaults.rules.advanced);
    loaded.playSpeed = ReadInt(*settings, setting::PlaySpeed, defaults.playSpeed);
    // A level the program does not know (a later version's, a typing slip) reads as the default.
    loaded.level =
        ParseLevel(ReadString(*settings, setting::ComputerLevel, {})).value_or(defaults.level);
    settings->endGroup();
    return loaded;
}

bool SettingsStore::SaveLevel(Level level) const {
    Found found;
    auto settings = OpenForWriting(found);
    Written written;
    settings->beginGroup(Key(setting::Section));
    WriteString(*settings, setting::ComputerLevel, std::string(LevelName(level)), written);
    return Finish(std::move(settings), written, found);
}

bool SettingsStore::SaveGameSetup(const GameSettings& values, bool withPlayTo) const {
    Found found;
    auto settings = OpenForWriting(found);
    Written written;
    settings->beginGroup(Key(setting::Section));
    for (int i = 0; i < 3; ++i)
        WriteString(*settings, setting::Players[i], values.playerNames[i], written);
    WriteInt(*settings, setting::PlaySpeed, values.playSpeed, written);
    if (withPlayTo) WriteInt(*settings, setting::PlayTo, values.playTo, written);
    return Finish(std::move(settings), written, found);
}

bool SettingsStore::SaveTableSetup(const GameSettings& values) const {
    Found found;
    auto settings = OpenForWriting(found);
    Written written;
    settings->beginGroup(Key(setting::Section));
    WriteInt(*settings, setting::TableColor, values.tableColor, written);
    WriteInt(*settings, setting::CardBack, values.cardBackId, written);
    WriteInt(*settings, setting::Training, values.trainingMode, written);
    WriteInt(*settings, setting::SevenCards, values.rules.sevenCards ? 1 : 0, written);
    WriteInt(*settings, setting::Advanced, values.rules.advanced ? 1 : 0, written);
    return Finish(std::move(settings), written, found);
}

// A write counts only when the file, read again, holds every value: sync() alone
// says nothing about a file that vanished or was never there, and the status of a
// malformed file stays FormatError whether the write succeeded or not.
bool SettingsStore::Finish(std::unique_ptr<QSettings> settings, const Written& written,
                           const Found& found) const {
    settings->endGroup();
    settings->sync();
    // Qt never writes a malformed file as it found it, so it was written when it changed.
    bool stored = found.malformed ? ReadAll(FilePath()) != *found.malformed
                                  : settings->status() == QSettings::NoError;
    settings.reset();
    if (stored) {
        RestoreNotes(FilePath(), found.notes);
        const auto check = Open();
        for (const auto& [key, text] : written)
            stored = stored && TextOf(check->value(key)) == text;
        stored = stored && QFileInfo::exists(check->fileName());
    }
    if (!stored) ReportWriteFailure();
    return stored;
}

// Once a run: the new values still hold until the program ends, and one warning is
// enough to tell that they will not be there next time.
void SettingsStore::ReportWriteFailure() const {
    if (failureReported_ || !reportFailure_) return;
    failureReported_ = true;
    reportFailure_(QCoreApplication::translate("mervane::SettingsStore",
                                               "The settings could not be saved to\n%1\n\n"
                                               "The changes hold until Mervane is closed.")
                       .arg(QDir::toNativeSeparators(FilePath())));
}

}  // namespace mervane
