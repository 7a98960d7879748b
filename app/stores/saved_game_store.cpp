#include "app/stores/saved_game_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimer>

#include "app/stores/window_state.h"
#include "game/mervane_game.h"

namespace mervane {

namespace {

// Far beyond any real game's text; a larger file is not one of ours.
constexpr qint64 kLargestFile = 16 * 1024 * 1024;

}  // namespace

QString SavedGameStore::BesideWindowState(const QString& windowStatePath) {
    return FileBesideWindowState(windowStatePath, QStringLiteral("-game.txt"));
}

bool SavedGameStore::Save(const SavedGame& game) const {
    QDir().mkpath(QFileInfo(filePath_).path());
    QSaveFile file(filePath_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const std::string text = WriteSavedGame(game);
    file.write(text.data(), static_cast<qint64>(text.size()));
    return file.commit();
}

void SavedGameStore::Remove() const {
    QFile::remove(filePath_);
}

SavedGameStore::Loaded SavedGameStore::Load() const {
    QFile file(filePath_);
    if (!file.exists()) return {};
    std::optional<SavedGame> game;
    if (file.open(QIODevice::ReadOnly) && file.size() <= kLargestFile) {
        const QByteArray bytes = file.readAll();
        game = ReadSavedGame(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    file.close();
    if (game) return {game, false};
    const QString aside = filePath_ + QStringLiteral(".unreadable");
    QFile::remove(aside);
    if (!QFile::rename(filePath_, aside)) QFile::remove(filePath_);
    return {std::nullopt, true};
}

GameSaver::GameSaver(MervaneGame& game, const SavedGameStore& store) : game_(game), store_(store) {
    game_.AddObserver(this);
}

GameSaver::~GameSaver() {
    game_.RemoveObserver(this);
}

// A game that could not be written leaves no older one behind to be taken up instead.
void GameSaver::SaveNow() const {
    const auto saved = game_.SaveGame();
    if (!saved || !store_.Save(*saved)) store_.Remove();
}

void GameSaver::HandEnded(Seat, const std::array<std::int32_t, SeatCount>&) {
    QTimer::singleShot(0, &context_, [this] { SaveNow(); });
}

void GameSaver::GameOver(Seat) {
    store_.Remove();
}

}  // namespace mervane
