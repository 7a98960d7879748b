#pragma once

#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "render/card_decks.h"

namespace mervane {

// The installed card decks and the face renderers of those chosen so far. The folders
// are read on first use and a deck is parsed on a worker thread, so neither stands
// between the start and the first paint.
class CardFaceSource : public QObject {
    Q_OBJECT
  public:
    explicit CardFaceSource(QStringList roots = DefaultDeckRoots(), QObject* parent = nullptr);
    ~CardFaceSource() override;

    const std::vector<DeckInfo>& Decks();
    // The deck shown when none was chosen; empty when none is installed.
    QString DefaultId();
    // The deck `id` names, or the default deck for an empty id; null when there is none.
    const DeckInfo* Find(const QString& id);
    // The renderer of that deck, made on first use; null when there is no such deck.
    CardFaceRenderer* Renderer(const QString& id);
    // Starts parsing the deck on the worker; `parsed` follows on this object's thread.
    void PreloadInBackground(const QString& id);
    // Draws the faces a paint found missing (CardFaceRenderer::ReadyFace) on the
    // worker; `drawn` follows on this object's thread.
    void DrawInBackground(CardFaceRenderer* renderer);
    // A parse or a drawing is under way or waiting on the worker.
    bool Busy() const { return jobs_ > 0; }

  signals:
    void parsed(const QString& id);
    void drawn();

  private:
    QStringList roots_;
    std::optional<std::vector<DeckInfo>> decks_;
    std::map<QString, std::unique_ptr<CardFaceRenderer>> renderers_;
    // Set as this goes: the worker draws no further face.
    std::atomic<bool> stop_ = false;
    std::atomic<int> jobs_ = 0;
    bool drawing_ = false;  // a drawing job is queued or running
    // Last, so that it is destroyed first: it waits for a parse under way, whose
    // renderer must outlive it.
    QThreadPool worker_;
};

}  // namespace mervane
