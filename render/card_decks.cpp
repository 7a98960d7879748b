#include "render/card_decks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QPainter>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <cmath>
#include <set>

#include <zlib.h>

namespace mervane {
namespace {

struct DesktopEntry {
    QString name;
    QString svg;
    QHash<QString, QString> localNames;  // Name[xx] by its locale, "de", "pt_BR"
};

// The name in the first of `languages` ("de-DE", "de") that the index has, trying the
// whole locale before its language alone; else the plain Name.
QString LocalName(const DesktopEntry& entry, const QStringList& languages) {
    for (QString language : languages) {
        language.replace(u'-', u'_');
        if (const auto found = entry.localNames.constFind(language);
            found != entry.localNames.constEnd())
            return *found;
        const QString base = language.section(u'_', 0, 0);
        if (const auto found = entry.localNames.constFind(base);
            found != entry.localNames.constEnd())
            return *found;
    }
    return entry.name;
}

// The Name, Name[xx] and SVG keys of the deck group. A small reader rather than
// QSettings, whose INI reading turns a comma in a name into a list.
DesktopEntry ReadIndex(const QString& path) {
    DesktopEntry entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return entry;
    QTextStream in(&file);
    bool inDeckGroup = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(u'[')) {
            inDeckGroup = line == u"[KDE Backdeck]" || line == u"[KDE Cards]";
            continue;
        }
        if (!inDeckGroup) continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0) continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == u"Name" && entry.name.isEmpty()) entry.name = value;
        if (key.startsWith(u"Name[") && key.endsWith(u']') && !value.isEmpty())
            entry.localNames.insert(key.mid(5, key.size() - 6), value);
        if (key == u"SVG" && entry.svg.isEmpty()) entry.svg = value;
    }
    return entry;
}

bool IsSvgFile(const QFileInfo& info) {
    const QString suffix = info.suffix().toLower();
    return info.isFile() && info.isReadable() && (suffix == u"svg" || suffix == u"svgz");
}

// The file the index names, else the folder's first SVG. Only the file name of the
// index's value is used, so an index cannot point outside its folder.
QString DeckSvg(const QDir& folder, const QString& named) {
    if (!named.isEmpty()) {
        const QFileInfo info(folder, QFileInfo(named).fileName());
        if (IsSvgFile(info)) return info.absoluteFilePath();
    }
    const QFileInfoList files =
        folder.entryInfoList({QStringLiteral("*.svg"), QStringLiteral("*.svgz")},
                             QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo& info : files)
        if (IsSvgFile(info)) return info.absoluteFilePath();
    return {};
}

// A face fills the card's whole rectangle when the deck's shape is near the table's
// 29 : 41: a sliver of table beside a card reads as a misplaced card at 29 x 41, and
// outlines and taps follow the rectangle. Every installed portrait deck lies within
// 10 % (bridge-shaped 0.64 to 0.75); anything further off, such as a landscape
// deck, keeps its shape, centred.
constexpr double kStretchTolerance = 0.12;

QRectF FaceRect(QRectF element, QSize pixels) {
    const QRectF full(QPointF(0, 0), QSizeF(pixels));
    if (element.isEmpty()) return full;
    const double shape =
        (element.width() / element.height()) / (double(pixels.width()) / double(pixels.height()));
    if (std::abs(shape - 1.0) <= kStretchTolerance) return full;
    QSizeF fitted = element.size().scaled(full.size(), Qt::KeepAspectRatio);
    QRectF rect(QPointF(0, 0), fitted);
    rect.moveCenter(full.center());
    return rect;
}

constexpr qint64 kReadChunk = 64 * 1024;

bool IsGzip(const QByteArray& head) {
    return head.size() >= 2 && quint8(head[0]) == 0x1f && quint8(head[1]) == 0x8b;
}

// Streams the rest of `file` through zlib's gzip reader (concatenated members too),
// giving up as soon as the output would pass the cap. `read` holds the bytes read so
// far, which the caller has counted against the file's cap.
QByteArray InflateCapped(QIODevice& file, QByteArray read) {
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) return {};
    QByteArray out;
    qint64 consumed = read.size();
    bool ended = false;
    bool failed = false;
    for (;;) {
        if (read.isEmpty()) {
            if (consumed >= kMaxDeckFileBytes) {
                failed = !file.atEnd();
                break;
            }
            read = file.read(std::min(kReadChunk, kMaxDeckFileBytes - consumed));
            consumed += read.size();
            if (read.isEmpty()) break;
        }
        // A member ended with bytes left: they start the next member.
        if (ended && inflateReset(&stream) != Z_OK) {
            failed = true;
            break;
        }
        ended = false;
        stream.next_in = reinterpret_cast<Bytef*>(read.data());
        stream.avail_in = uInt(read.size());
        while (stream.avail_in > 0 && !ended && !failed) {
            // The next step may write at most a chunk: room for one byte past the cap
            // tells an oversized text without inflating more of it.
            const qint64 room = std::min(kReadChunk, kMaxDeckSvgBytes + 1 - qint64(out.size()));
            if (room <= 0) {
                failed = true;
                break;
            }
            const qsizetype before = out.size();
            out.resize(before + room);
            stream.next_out = reinterpret_cast<Bytef*>(out.data() + before);
            stream.avail_out = uInt(room);
            const int status = inflate(&stream, Z_NO_FLUSH);
            out.resize(before + room - qsizetype(stream.avail_out));
            // With input and room given, anything else (Z_BUF_ERROR too) is a fault.
            if (status == Z_STREAM_END)
                ended = true;
            else if (status != Z_OK)
                failed = true;
        }
        if (failed) break;
        read = read.right(qsizetype(stream.avail_in));
    }
    inflateEnd(&stream);
    if (failed || !ended || out.size() > kMaxDeckSvgBytes) return {};
    // Qt would inflate a second layer itself, without a cap: no deck needs one.
    if (IsGzip(out.left(2))) return {};
    return out;
}

quint64 FaceKey(Card card, QSize pixels) {
    return (quint64(quint32(card)) << 40) | (quint64(quint32(pixels.width()) & 0xFFFFF) << 20) |
           quint64(quint32(pixels.height()) & 0xFFFFF);
}

}  // namespace

QStringList DefaultDeckRoots() {
    return QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                     QStringLiteral("carddecks"), QStandardPaths::LocateDirectory);
}

std::vector<DeckInfo> FindCardDecks(const QStringList& roots, const QStringList& languages) {
    std::vector<DeckInfo> decks;
    std::set<QString> seen;
    for (const QString& root : roots) {
        const QDir rootDir(root);
        for (const QString& id : rootDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            if (seen.count(id)) continue;
            const QDir folder(rootDir.filePath(id));
            const DesktopEntry entry = ReadIndex(folder.filePath(QStringLiteral("index.desktop")));
            const QString svg = DeckSvg(folder, entry.svg);
            if (svg.isEmpty()) continue;
            seen.insert(id);
            const QString name = LocalName(entry, languages);
            decks.push_back({id, name.isEmpty() ? id : name, svg});
        }
    }
    std::sort(decks.begin(), decks.end(), [](const DeckInfo& a, const DeckInfo& b) {
        const int byName = a.name.compare(b.name, Qt::CaseInsensitive);
        return byName != 0 ? byName < 0 : a.id < b.id;
    });
    return decks;
}

QString DefaultDeckId(const std::vector<DeckInfo>& decks) {
    // At 29 x 41 only a fanned hand's corner shows: these have the largest bold
    // indices and plain courts. Ornate or pale decks turn to grey at that size.
    static const std::array<const char*, 3> kPreferred = {"svg-nicu-white", "svg-penguins",
                                                          "svg-standard"};
    for (const char* preferred : kPreferred)
        for (const DeckInfo& deck : decks)
            if (deck.id == QLatin1String(preferred)) return deck.id;
    return decks.empty() ? QString() : decks.front().id;
}

QByteArray ReadDeckSvg(QIODevice& file) {
    if (!file.isReadable()) return {};
    // A byte past the cap tells an oversized file without reading the rest of it.
    QByteArray head = file.read(std::min(kReadChunk, kMaxDeckFileBytes + 1));
    if (IsGzip(head)) return InflateCapped(file, std::move(head));
    QByteArray text = std::move(head);
    while (text.size() <= kMaxDeckFileBytes) {
        const QByteArray more =
            file.read(std::min(kReadChunk, kMaxDeckFileBytes + 1 - text.size()));
        if (more.isEmpty()) break;
        text += more;
    }
    if (text.size() > kMaxDeckFileBytes) return {};
    return text;
}

QByteArray ReadDeckSvg(const QString& path) {
    QFile file(path);
    if (file.size() > kMaxDeckFileBytes || !file.open(QIODevice::ReadOnly)) return {};
    return ReadDeckSvg(file);
}

QString CardElementId(Card card) {
    static const std::array<const char*, 14> kRanks = {
        "", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "jack", "queen", "king"};
    static const std::array<const char*, 4> kSuits = {"spade", "heart", "diamond", "club"};
    if (!IsCard(card)) return {};
    return QStringLiteral("%1_%2").arg(QLatin1String(kRanks[std::size_t(RankOf(card))]),
                                       QLatin1String(kSuits[std::size_t(SuitOf(card))]));
}

CardFaceRenderer::CardFaceRenderer(QString svgPath)
    : svgPath_(std::move(svgPath)), home_(QThread::currentThread()) {
    ok_ = QFileInfo(svgPath_).isFile();
}

CardFaceRenderer::~CardFaceRenderer() = default;

bool CardFaceRenderer::Preload() {
    std::lock_guard lock(mutex_);
    return ParseLocked();
}

bool CardFaceRenderer::ParseLocked() {
    if (parsed_ || !ok_) return ok_;
    ++parses_;
    // The renderer sees only text that passed the caps; it keeps the parsed document,
    // not the text.
    auto svg = std::make_unique<QSvgRenderer>();
    bool usable = false;
    if (const QByteArray text = ReadDeckSvg(svgPath_); !text.isEmpty())
        usable = svg->load(text) && svg->isValid();
    for (Card card = 1; usable && card <= CardsInPack; ++card)
        usable = svg->elementExists(CardElementId(card));
    if (usable) {
        // A worker's parse belongs to the thread that owns the faces from now on.
        if (svg->thread() != home_) svg->moveToThread(home_);
        svg_ = std::move(svg);
    }
    ok_ = usable;
    parsed_ = true;
    return usable;
}

QImage CardFaceRenderer::Face(Card card, QSize pixels) {
    if (!IsCard(card) || pixels.isEmpty()) return {};
    std::lock_guard lock(mutex_);
    const quint64 key = FaceKey(card, pixels);
    {
        std::lock_guard cache(cacheMutex_);
        if (auto found = faces_.find(key); found != faces_.end()) {
            KeepSizeLocked(pixels);
            return found->second;
        }
    }
    if (!ParseLocked()) return {};
    QImage face = RenderLocked(card, pixels);
    std::lock_guard cache(cacheMutex_);
    KeepSizeLocked(pixels);
    return faces_.emplace(key, std::move(face)).first->second;
}

QImage CardFaceRenderer::ReadyFace(Card card, QSize pixels) {
    if (!IsCard(card) || pixels.isEmpty() || !ok_) return {};
    std::lock_guard cache(cacheMutex_);
    if (auto found = faces_.find(FaceKey(card, pixels)); found != faces_.end()) {
        KeepSizeLocked(pixels);
        return found->second;
    }
    const std::pair wanted{card, pixels};
    if (std::find(wanted_.begin(), wanted_.end(), wanted) == wanted_.end())
        wanted_.push_back(wanted);
    // Meanwhile the same card at the size most recently used, as during a resize.
    for (const QSize& size : sizes_)
        if (auto found = faces_.find(FaceKey(card, size)); found != faces_.end())
            return found->second.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return {};
}

bool CardFaceRenderer::HasWanted() const {
    std::lock_guard cache(cacheMutex_);
    return !wanted_.empty();
}

bool CardFaceRenderer::DrawWanted(const std::atomic<bool>& stop) {
    bool drew = false;
    while (!stop) {
        std::pair<Card, QSize> next;
        {
            std::lock_guard cache(cacheMutex_);
            if (wanted_.empty()) break;
            next = wanted_.front();
            wanted_.erase(wanted_.begin());
        }
        std::lock_guard lock(mutex_);
        if (!ParseLocked()) {
            std::lock_guard cache(cacheMutex_);
            wanted_.clear();
            break;
        }
        const quint64 key = FaceKey(next.first, next.second);
        {
            std::lock_guard cache(cacheMutex_);
            if (faces_.count(key)) continue;
        }
        QImage face = RenderLocked(next.first, next.second);
        std::lock_guard cache(cacheMutex_);
        KeepSizeLocked(next.second);
        faces_.emplace(key, std::move(face));
        drew = true;
    }
    return drew;
}

QImage CardFaceRenderer::RenderLocked(Card card, QSize pixels) {
    ++renders_;
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    const QString id = CardElementId(card);
    svg_->render(&painter, id, FaceRect(svg_->boundsOnElement(id), pixels));
    return image;
}

void CardFaceRenderer::KeepSizeLocked(QSize pixels) {
    auto at = std::find(sizes_.begin(), sizes_.end(), pixels);
    if (at != sizes_.end()) {
        std::rotate(sizes_.begin(), at, at + 1);
        return;
    }
    sizes_.insert(sizes_.begin(), pixels);
    if (sizes_.size() <= std::size_t(kKeptSizes)) return;
    const QSize dropped = sizes_.back();
    sizes_.pop_back();
    std::erase_if(faces_, [&](const auto& entry) {
        return (entry.first & 0xFFFFFFFFFFull) == (FaceKey(0, dropped) & 0xFFFFFFFFFFull);
    });
}

}  // namespace mervane
