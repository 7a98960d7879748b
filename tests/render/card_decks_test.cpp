#include <gtest/gtest.h>

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <set>
#include <thread>
#include <vector>

#include <zlib.h>

#include "render/card_decks.h"

namespace mervane {
namespace {

// Spelt out here rather than taken from the code under test: value blocks of 13 run
// clubs, diamonds, hearts, spades.
const char* const kSuitNames[] = {"club", "diamond", "heart", "spade"};
const char* const kRankNames[] = {"1", "2", "3",  "4",    "5",     "6",   "7",
                                  "8", "9", "10", "jack", "queen", "king"};

// Each card a solid rectangle of its own colour (red = card value) at the table's
// card shape, except the king of spades, drawn landscape.
QByteArray GeneratedSvg(const QString& leaveOut = {}) {
    QByteArray svg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="1200" height="200">)";
    for (int block = 0; block < 4; ++block)
        for (int rank = 1; rank <= 13; ++rank) {
            const QString id = QStringLiteral("%1_%2").arg(kRankNames[rank - 1], kSuitNames[block]);
            if (id == leaveOut) continue;
            const int card = 13 * block + rank;
            const int width = id == u"king_spade" ? 82 : 29;
            svg += QStringLiteral(R"(<g id="%1"><rect x="%2" y="%3" width="%4" height="41" )"
                                  R"(fill="%5"/></g>)")
                       .arg(id)
                       .arg(rank * 90)
                       .arg(block * 50)
                       .arg(width)
                       .arg(QColor(card, 255 - card, 0).name())
                       .toUtf8();
        }
    return svg + "</svg>";
}

void Write(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

QByteArray Index(const QString& body) {
    return ("[KDE Backdeck]\n" + body + "\n").toUtf8();
}

// A gzip stream of `head` followed by `zeros` zero bytes, compressed only as far as it
// is read, so that a test can offer a gigabyte and see how much of it was taken.
class GzipSource : public QIODevice {
  public:
    GzipSource(QByteArray head, qint64 zeros) : head_(std::move(head)), left_(zeros) {
        deflateInit2(&z_, 1, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
        z_.next_in = reinterpret_cast<Bytef*>(head_.data());
        z_.avail_in = uInt(head_.size());
        open(ReadOnly | Unbuffered);
    }
    ~GzipSource() override { deflateEnd(&z_); }
    qint64 ZerosTaken() const { return taken_; }

  protected:
    qint64 readData(char* data, qint64 max) override {
        static const std::vector<Bytef> zeros(1 << 16);
        z_.next_out = reinterpret_cast<Bytef*>(data);
        z_.avail_out = uInt(max);
        while (z_.avail_out > 0 && !done_) {
            if (z_.avail_in == 0 && left_ > 0) {
                const qint64 n = std::min(left_, qint64(zeros.size()));
                z_.next_in = const_cast<Bytef*>(zeros.data());
                z_.avail_in = uInt(n);
                left_ -= n;
                taken_ += n;
            }
            done_ = deflate(&z_, left_ == 0 ? Z_FINISH : Z_NO_FLUSH) == Z_STREAM_END;
        }
        return max - z_.avail_out;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    QByteArray head_;
    qint64 left_;
    qint64 taken_ = 0;
    bool done_ = false;
    z_stream z_{};
};

QByteArray Gzip(const QByteArray& data, qint64 zeros = 0) {
    GzipSource source(data, zeros);
    return source.readAll();
}

class GeneratedDeck : public ::testing::Test {
  protected:
    QString Deck(const QByteArray& svg) {
        const QString path = dir_.filePath(QStringLiteral("deck%1.svg").arg(++decks_));
        Write(path, svg);
        return path;
    }
    QTemporaryDir dir_;
    int decks_ = 0;
};

TEST_F(GeneratedDeck, DiscoveryReadsNamesFallsBackToAnySvgAndSortsByName) {
    const QString root = dir_.filePath("one"), other = dir_.filePath("two");
    Write(root + "/b-deck/index.desktop", Index("Name=Zebra\nName[de]=Aaa\nSVG=z.svg"));
    Write(root + "/b-deck/z.svg", GeneratedSvg());
    // The named file is gone: the folder's other SVG still makes a deck.
    Write(root + "/a-deck/index.desktop", Index("Name=apple\nSVG=missing.svg"));
    Write(root + "/a-deck/other.svgz", "x");
    Write(root + "/c-deck/index.desktop", Index("Name=No picture"));
    Write(root + "/d-deck/d.svg", GeneratedSvg());
    Write(root + "/e-deck/index.desktop",
          "[Other]\nName=Wrong\n[KDE Cards]\nName=Red, White\nSVG=e.svg\n");
    Write(root + "/e-deck/e.svg", GeneratedSvg());
    // An index may not reach into another folder.
    Write(root + "/f-deck/index.desktop", Index("Name=Escape\nSVG=../b-deck/z.svg"));
    Write(other + "/b-deck/index.desktop", Index("Name=Shadowed\nSVG=z.svg"));
    Write(other + "/b-deck/z.svg", GeneratedSvg());

    const std::vector<DeckInfo> decks =
        FindCardDecks({root, other, dir_.filePath("none")}, {"en-US", "en"});
    QStringList seen;
    for (const DeckInfo& deck : decks) seen << deck.id + ":" + deck.name;
    EXPECT_EQ(seen,
              QStringList({"a-deck:apple", "d-deck:d-deck", "e-deck:Red, White", "b-deck:Zebra"}));
    ASSERT_EQ(decks.size(), 4u);
    EXPECT_EQ(decks[0].svgPath, QDir(root).absoluteFilePath("a-deck/other.svgz"));
    EXPECT_EQ(decks[3].svgPath, QDir(root).absoluteFilePath("b-deck/z.svg"));
}

TEST_F(GeneratedDeck, TheNameIsTheUsersLanguagesFirstThenThePlainOne) {
    const QString root = dir_.filePath("decks");
    Write(root + "/d/index.desktop",
          Index("Name=Plain\nName[de]=Deutsch\nName[pt_BR]=Brasil\nName[fr]=\nSVG=d.svg"));
    Write(root + "/d/d.svg", GeneratedSvg());
    const auto nameIn = [&](const QStringList& languages) {
        const std::vector<DeckInfo> decks = FindCardDecks({root}, languages);
        return decks.size() == 1 ? decks[0].name : QString("(%1 decks)").arg(decks.size());
    };
    EXPECT_EQ(nameIn({"de-AT", "de"}), "Deutsch");
    EXPECT_EQ(nameIn({"pt-BR"}), "Brasil");
    EXPECT_EQ(nameIn({"pt-PT", "pt"}), "Plain");
    EXPECT_EQ(nameIn({"es-ES", "de-DE"}), "Deutsch");  // the first language that has one
    EXPECT_EQ(nameIn({"fr-FR"}), "Plain");             // an empty name is no name
    EXPECT_EQ(nameIn({}), "Plain");
}

TEST(DefaultDeck, PrefersALegibleDeckElseTheFirst) {
    EXPECT_EQ(DefaultDeckId({}), QString());
    EXPECT_EQ(DefaultDeckId({{"x", "A", ""}, {"y", "B", ""}}), "x");
    EXPECT_EQ(
        DefaultDeckId({{"x", "A", ""}, {"svg-standard", "S", ""}, {"svg-nicu-white", "N", ""}}),
        "svg-nicu-white");
}

TEST_F(GeneratedDeck, EveryCardDrawsItsOwnElementAtExactlyTheAskedSize) {
    CardFaceRenderer faces(Deck(GeneratedSvg()));
    for (Card card = 1; card < CardsInPack; ++card) {
        const QImage face = faces.Face(card, {29, 41});
        ASSERT_EQ(face.size(), QSize(29, 41)) << card;
        EXPECT_EQ(face.format(), QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(face.pixel(14, 20), QColor(card, 255 - card, 0).rgb()) << card;
        // Near the table's shape the face fills the rectangle to its corners.
        EXPECT_EQ(qAlpha(face.pixel(0, 0)), 255) << card;
    }
    // A landscape element keeps its shape, centred, rather than being squeezed.
    const QImage king = faces.Face(52, {58, 82});
    EXPECT_EQ(qAlpha(king.pixel(29, 2)), 0);
    EXPECT_EQ(king.pixel(29, 41), QColor(52, 203, 0).rgb());
    EXPECT_EQ(qAlpha(king.pixel(1, 41)), 255);
    // Not cards, or no room: nothing, and the deck stays good.
    EXPECT_TRUE(faces.Face(0, {29, 41}).isNull());
    EXPECT_TRUE(faces.Face(53, {29, 41}).isNull());
    EXPECT_TRUE(faces.Face(NoCard, {29, 41}).isNull());
    EXPECT_TRUE(faces.Face(1, {0, 41}).isNull());
    EXPECT_TRUE(faces.Ok());
}

TEST_F(GeneratedDeck, ParsesOnceLazilyAndDrawsEachSizeOnce) {
    CardFaceRenderer faces(Deck(GeneratedSvg()));
    EXPECT_EQ(faces.ParseCount(), 0);
    EXPECT_FALSE(faces.Parsed());
    const QImage first = faces.Face(5, {29, 41});
    const QImage again = faces.Face(5, {29, 41});
    EXPECT_EQ(again.constBits(), first.constBits());
    EXPECT_EQ(faces.RenderCount(), 1);
    EXPECT_TRUE(faces.Parsed());
    faces.Face(5, {58, 82});
    faces.Face(6, {29, 41});
    EXPECT_EQ(faces.RenderCount(), 3);
    EXPECT_TRUE(faces.Preload());
    EXPECT_EQ(faces.ParseCount(), 1);
}

TEST_F(GeneratedDeck, KeepsOnlyTheMostRecentlyShownSizes) {
    CardFaceRenderer faces(Deck(GeneratedSvg()));
    for (int width = 10; width < 10 + CardFaceRenderer::kKeptSizes; ++width)
        faces.Face(1, {width, 41});
    faces.Face(1, {10, 41});  // shown again: now the most recent
    faces.Face(1, {99, 41});  // one size too many drops the least recent, width 11
    const int rendered = faces.RenderCount();
    faces.Face(1, {10, 41});
    faces.Face(1, {99, 41});
    EXPECT_EQ(faces.RenderCount(), rendered);
    faces.Face(1, {11, 41});
    EXPECT_EQ(faces.RenderCount(), rendered + 1);
}

TEST_F(GeneratedDeck, AMissingBrokenOrIncompleteDeckGivesNoFacesAndNeverReparses) {
    CardFaceRenderer missing(dir_.filePath("nowhere.svgz"));
    EXPECT_FALSE(missing.Ok());
    EXPECT_TRUE(missing.Face(1, {29, 41}).isNull());
    EXPECT_EQ(missing.ParseCount(), 0);

    CardFaceRenderer broken(Deck("<svg><g id=\"1_club\"><rect width="));
    EXPECT_TRUE(broken.Ok());  // not known until parsed
    EXPECT_TRUE(broken.Face(1, {29, 41}).isNull());
    EXPECT_FALSE(broken.Ok());
    EXPECT_TRUE(broken.Face(2, {29, 41}).isNull());
    EXPECT_EQ(broken.ParseCount(), 1);

    // One face missing refuses the whole deck, so the table never mixes two styles.
    CardFaceRenderer incomplete(Deck(GeneratedSvg("queen_heart")));
    EXPECT_FALSE(incomplete.Preload());
    EXPECT_TRUE(incomplete.Face(1, {29, 41}).isNull());
    EXPECT_FALSE(incomplete.Ok());
}

// What is read is capped before the renderer sees it, inflated by the game itself.
TEST_F(GeneratedDeck, CompressedDecksLoadAndTooLargeOrOddOnesAreRefusedWhole) {
    const QByteArray svg = GeneratedSvg();
    const QByteArray gzip = Gzip(svg);
    const qsizetype half = svg.size() / 2;
    // Valid SVG all through, so that only its size refuses it.
    const QByteArray head = svg.chopped(6) + "<!--";
    QByteArray oversized = head;
    oversized.resize(kMaxDeckFileBytes + 1 - 9, ' ');
    oversized += "--></svg>";
    const struct {
        const char* name;
        QByteArray file;
        bool loads;
    } cases[] = {
        {"gzip", gzip, true},
        {"two gzip members", Gzip(svg.left(half)) + Gzip(svg.mid(half)), true},
        {"gzip bomb", Gzip(head, kMaxDeckSvgBytes), false},
        {"plain file past the cap", oversized, false},
        {"gzip inside gzip", Gzip(gzip), false},
        {"truncated gzip", gzip.chopped(12), false},
        {"gzip with trailing garbage", gzip + "garbage", false},
    };
    for (const auto& c : cases) {
        CardFaceRenderer faces(Deck(c.file));
        EXPECT_EQ(faces.Preload(), c.loads) << c.name;
        EXPECT_EQ(faces.Face(20, {29, 41}).isNull(), !c.loads) << c.name;
    }
}

TEST(DeckCaps, ABombIsRefusedOnceTheCapIsPassedNotAfterInflatingItAll) {
    GzipSource bomb("<svg>", qint64(1) << 30);
    EXPECT_TRUE(ReadDeckSvg(bomb).isEmpty());
    EXPECT_GT(bomb.ZerosTaken(), kMaxDeckSvgBytes);
    EXPECT_LT(bomb.ZerosTaken(), 2 * kMaxDeckSvgBytes);  // what the compressor reads ahead

    // Right at the caps is still a deck; a byte more is not.
    GzipSource full("<svg>", kMaxDeckSvgBytes - 5);
    EXPECT_EQ(ReadDeckSvg(full).size(), kMaxDeckSvgBytes);
    QByteArray plain(kMaxDeckFileBytes, ' ');
    QBuffer atCap(&plain);
    atCap.open(QIODevice::ReadOnly);
    EXPECT_EQ(ReadDeckSvg(atCap).size(), kMaxDeckFileBytes);
    plain += ' ';
    QBuffer pastCap(&plain);
    pastCap.open(QIODevice::ReadOnly);
    EXPECT_TRUE(ReadDeckSvg(pastCap).isEmpty());
}

// Every installed deck, dondorf's 11.5 MB included, is well inside the caps.
TEST(InstalledDeck, EveryOneReadsWithinTheCaps) {
    for (const DeckInfo& deck : FindCardDecks()) {
        const QByteArray text = ReadDeckSvg(deck.svgPath);
        EXPECT_TRUE(text.contains("<svg")) << deck.svgPath.toStdString();
        EXPECT_LT(text.size(), kMaxDeckSvgBytes / 2) << deck.svgPath.toStdString();
    }
}

TEST_F(GeneratedDeck, EachOfThe52FacesMissingRefusesTheDeck) {
    for (const char* suit : kSuitNames)
        for (const char* rank : kRankNames) {
            const QString id = QStringLiteral("%1_%2").arg(rank, suit);
            CardFaceRenderer faces(Deck(GeneratedSvg(id)));
            EXPECT_FALSE(faces.Preload()) << id.toStdString();
            EXPECT_FALSE(faces.Ok()) << id.toStdString();
        }
    EXPECT_TRUE(CardFaceRenderer(Deck(GeneratedSvg())).Preload()) << "the whole deck is taken";
}

TEST_F(GeneratedDeck, APreloadOnAWorkerAndAPaintMeetInOneParse) {
    CardFaceRenderer faces(Deck(GeneratedSvg()));
    std::thread worker([&] { faces.Preload(); });
    const QImage face = faces.Face(20, {29, 41});
    worker.join();
    EXPECT_EQ(face.pixel(14, 20), QColor(20, 235, 0).rgb());
    EXPECT_EQ(faces.Face(21, {29, 41}).pixel(14, 20), QColor(21, 234, 0).rgb());
    EXPECT_EQ(faces.ParseCount(), 1);
}

// The window's paint asks only for what is drawn; the worker draws the rest, once
// each, and stops when told.
TEST_F(GeneratedDeck, APaintThatMustNotWaitLeavesTheDrawingToTheWorker) {
    CardFaceRenderer faces(Deck(GeneratedSvg()));
    ASSERT_TRUE(faces.Preload());
    EXPECT_TRUE(faces.ReadyFace(20, {29, 41}).isNull());
    EXPECT_TRUE(faces.ReadyFace(20, {29, 41}).isNull());
    EXPECT_TRUE(faces.ReadyFace(21, {29, 41}).isNull());
    EXPECT_EQ(faces.RenderCount(), 0) << "nothing drawn by the asking thread";
    ASSERT_TRUE(faces.HasWanted());

    const std::atomic<bool> go = false;
    std::thread worker([&] { EXPECT_TRUE(faces.DrawWanted(go)); });
    worker.join();
    EXPECT_EQ(faces.RenderCount(), 2) << "a face asked for twice is drawn once";
    EXPECT_FALSE(faces.HasWanted());
    EXPECT_EQ(faces.ReadyFace(20, {29, 41}).pixel(14, 20), QColor(20, 235, 0).rgb());

    // At a new size the card drawn at another stands in, scaled, until it is drawn.
    const QImage standIn = faces.ReadyFace(20, {58, 82});
    ASSERT_EQ(standIn.size(), QSize(58, 82));
    EXPECT_EQ(standIn.pixel(29, 41), QColor(20, 235, 0).rgb());
    const std::atomic<bool> stop = true;
    EXPECT_FALSE(faces.DrawWanted(stop));
    EXPECT_EQ(faces.RenderCount(), 2);
    EXPECT_TRUE(faces.HasWanted());

    // A broken deck shows nothing, and the worker gives up on it.
    CardFaceRenderer broken(Deck("<svg><g id=\"1_club\"><rect width="));
    EXPECT_TRUE(broken.ReadyFace(1, {29, 41}).isNull());
    EXPECT_FALSE(broken.DrawWanted(go));
    EXPECT_FALSE(broken.HasWanted());
    EXPECT_TRUE(broken.ReadyFace(1, {29, 41}).isNull());
}

// The installed decks (CI installs them): every card a distinct face, red pips only
// in the red suits.
TEST(InstalledDeck, All52FacesAreDistinctAndRedPipsOnlyForHeartsAndDiamonds) {
    const std::vector<DeckInfo> decks = FindCardDecks();
    const DeckInfo* deck = nullptr;
    for (const DeckInfo& found : decks)
        if (found.id == u"svg-nicu-white" || found.id == u"svg-standard") deck = &found;
    if (!deck) GTEST_SKIP() << "no red-and-black deck installed";
    CardFaceRenderer faces(deck->svgPath);
    ASSERT_TRUE(faces.Preload()) << deck->svgPath.toStdString();
    std::set<QByteArray> distinct;
    for (Card card = 1; card <= CardsInPack; ++card) {
        const QImage face = faces.Face(card, {58, 82});
        ASSERT_FALSE(face.isNull()) << card;
        distinct.emplace(reinterpret_cast<const char*>(face.constBits()), face.sizeInBytes());
        int red = 0;
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x) {
                const QColor c = face.pixelColor(x, y);
                red += c.alpha() == 255 && c.red() > 150 && c.green() < 90 && c.blue() < 90;
            }
        // Court pictures wear red in every suit; pips and indices tell the suit.
        const bool redSuit = SuitOf(card) == Hearts || SuitOf(card) == Diamonds;
        if (RankOf(card) <= 10) {
            EXPECT_EQ(red > 20, redSuit) << card << " red pixels " << red;
        }
    }
    EXPECT_EQ(distinct.size(), std::size_t(CardsInPack));
}

}  // namespace
}  // namespace mervane
