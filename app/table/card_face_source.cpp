#include "app/table/card_face_source.h"

#include <utility>

namespace mervane {

CardFaceSource::CardFaceSource(QStringList roots, QObject* parent)
    : QObject(parent), roots_(std::move(roots)) {
    worker_.setMaxThreadCount(1);
}

// Waits for a parse, or for the face being drawn, but draws no other.
CardFaceSource::~CardFaceSource() {
    stop_ = true;
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
    ++jobs_;
    worker_.start([this, renderer, deckId] {
        renderer->Preload();
        --jobs_;
        QMetaObject::invokeMethod(
            this, [this, deckId] { emit parsed(deckId); }, Qt::QueuedConnection);
    });
}

void CardFaceSource::DrawInBackground(CardFaceRenderer* renderer) {
    if (!renderer || drawing_ || stop_) return;
    drawing_ = true;
    ++jobs_;
    worker_.start([this, renderer] {
        renderer->DrawWanted(stop_);
        --jobs_;
        // Also when nothing was drawn: a face wanted meanwhile is asked for again by
        // the paint that follows.
        QMetaObject::invokeMethod(
            this,
            [this] {
                drawing_ = false;
                emit drawn();
            },
            Qt::QueuedConnection);
    });
}

}  // namespace mervane
