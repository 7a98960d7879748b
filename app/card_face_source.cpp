#include "app/card_face_source.h"

#include <utility>

namespace mervane {

CardFaceSource::CardFaceSource(QStringList roots, QObject* parent)
    : QObject(parent), roots_(std::move(roots)) {
    worker_.setMaxThreadCount(1);
}

CardFaceSource::~CardFaceSource() {
    worker_.waitForDone();
}

const std::vector<DeckInfo>& CardFaceSource::Decks() {
    if (!decks_) decks_ = FindCardDecks(roots_);
    return *decks_;
}

QString CardFaceSource::DefaultId() {
    return DefaultDeckId(Decks());
}

const DeckInfo* CardFaceSource::Find(const QString& id) {
    const QString wanted = id.isEmpty() ? DefaultId() : id;
    for (const DeckInfo& deck : Decks())
        if (deck.id == wanted) return &deck;
    return nullptr;
}

CardFaceRenderer* CardFaceSource::Renderer(const QString& id) {
    const DeckInfo* deck = Find(id);
    if (!deck) return nullptr;
    std::unique_ptr<CardFaceRenderer>& renderer = renderers_[deck->id];
    if (!renderer) renderer = std::make_unique<CardFaceRenderer>(deck->svgPath);
    return renderer.get();
}

void CardFaceSource::PreloadInBackground(const QString& id) {
    CardFaceRenderer* renderer = Renderer(id);
    if (!renderer || renderer->Parsed()) return;
    const QString deckId = Find(id)->id;
    worker_.start([this, renderer, deckId] {
        renderer->Preload();
        QMetaObject::invokeMethod(
            this, [this, deckId] { emit parsed(deckId); }, Qt::QueuedConnection);
    });
}

}  // namespace mervane
