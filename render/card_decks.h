#pragma once

#include <QImage>
#include <QLocale>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QThread>
#include <atomic>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "cards/card.h"

class QIODevice;
class QSvgRenderer;

namespace mervane {

// One installed SVG card deck: a folder holding an index.desktop and the deck's SVG.
struct DeckInfo {
    QString id;       // the folder's name, stable across languages: what settings store
    QString name;     // the display name from index.desktop
    QString svgPath;  // absolute path of the .svg or .svgz
};

// The "carddecks" folders of the XDG data directories, most important first.
QStringList DefaultDeckRoots();

// Every usable deck under the roots, sorted by display name, named in the first of the
// user's languages its index has a name for. A folder without a readable SVG is left
// out; when two roots hold the same folder, the earlier wins.
std::vector<DeckInfo> FindCardDecks(const QStringList& roots = DefaultDeckRoots(),
                                    const QStringList& languages = QLocale::system().uiLanguages());

// The deck that reads best at the table's small card size, else the first; empty
// when there is none.
QString DefaultDeckId(const std::vector<DeckInfo>& decks);

// A deck's file is refused past these caps, so that a planted file cannot take the
// memory: the largest installed deck (dondorf) is 3.3 MB on disk and 11.5 MB inflated,
// and its parse peaks near ten times its text. Twice or more that leaves room for
// richer decks while keeping a refused deck's cost to a few tens of megabytes.
inline constexpr qint64 kMaxDeckFileBytes = qint64(16) << 20;
inline constexpr qint64 kMaxDeckSvgBytes = qint64(32) << 20;

// The SVG text of a deck file, inflated when it is gzip-compressed (.svgz, told by its
// first bytes, not its name); empty when it cannot be read or passes a cap. Inflating
// stops as soon as the cap is passed, never after inflating it all. The device is read
// from its current position.
QByteArray ReadDeckSvg(QIODevice& file);
QByteArray ReadDeckSvg(const QString& path);

// The deck's element for a card, "1_club" .. "king_spade"; empty for a non-card.
QString CardElementId(Card card);

// Card faces drawn from one deck's SVG, each kept per size once drawn.
//
// Constructing costs nothing: the SVG is parsed on the first Face() or by Preload().
// Thread rule: Preload() and DrawWanted() may run on any one worker thread while the
// GUI thread paints; a Face() that arrives during the parse or a drawing waits for it
// instead of parsing again. A paint that must not wait checks Parsed() first and takes
// ReadyFace(), which only looks at the faces drawn so far. The
// parsed document is handed to the thread that constructed this object, and the
// object must outlive any Preload() running on it.
//
// A deck that cannot be read, passes the caps above, or lacks any of the 52 faces, is
// refused whole (so the table never mixes two styles): Ok() turns false and Face()
// returns a null image, for the caller to fall back to the classic pictures.
class CardFaceRenderer {
  public:
    explicit CardFaceRenderer(QString svgPath);
    ~CardFaceRenderer();
    CardFaceRenderer(const CardFaceRenderer&) = delete;
    CardFaceRenderer& operator=(const CardFaceRenderer&) = delete;

    // Parses the deck now if it has not been; returns Ok().
    bool Preload();
    // False once the deck is known to be unusable; true before the parse if the file
    // exists. Neither this nor Parsed() waits for a parse under way, so a paint can ask
    // them and draw the classic faces meanwhile.
    bool Ok() const { return ok_; }
    bool Parsed() const { return parsed_; }

    // The face at exactly `pixels`, premultiplied ARGB; null for a non-card, an empty
    // size or an unusable deck.
    QImage Face(Card card, QSize pixels);

    // For a paint that must not wait: the face at `pixels` if it is drawn, else the
    // same card drawn at another size, scaled; null when there is neither. Never parses,
    // draws or waits for either; a face not drawn yet is noted for DrawWanted().
    QImage ReadyFace(Card card, QSize pixels);
    bool HasWanted() const;
    // Draws the faces ReadyFace() missed, on the calling thread (a worker's), until
    // none is left or `stop` turns true; returns whether it drew any.
    bool DrawWanted(const std::atomic<bool>& stop);

    // Sizes whose faces are kept; older sizes are dropped so that a long resize drag
    // does not hold a set of faces for every size it passed through.
    static constexpr int kKeptSizes = 4;

    // Windows on the work done, for tests and benchmarks.
    int ParseCount() const { return parses_; }
    int RenderCount() const { return renders_; }

  private:
    bool ParseLocked();
    QImage RenderLocked(Card card, QSize pixels);
    void KeepSizeLocked(QSize pixels);

    const QString svgPath_;
    QThread* const home_;
    // The document: held through a parse and each drawing. Taken before cacheMutex_.
    mutable std::mutex mutex_;
    // The faces drawn and wanted: held only briefly, so that a paint never waits.
    mutable std::mutex cacheMutex_;
    std::vector<std::pair<Card, QSize>> wanted_;
    std::unique_ptr<QSvgRenderer> svg_;
    std::atomic<bool> parsed_ = false;
    std::atomic<bool> ok_ = true;
    std::atomic<int> parses_ = 0;
    std::atomic<int> renders_ = 0;
    // Most recent first.
    std::vector<QSize> sizes_;
    std::unordered_map<quint64, QImage> faces_;
};

}  // namespace mervane
