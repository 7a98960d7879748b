#include <gtest/gtest.h>

#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "render/bitmap_cache.h"
#include "render/vector_art.h"

namespace mervane {
namespace {

// A vector picture beside the bitmap it replaces.
struct Picture {
    std::string name;
    QString bitmap;          // resource path
    QString vector;          // resource path
    std::vector<int> group;  // bitmap numbers of the designs it must not be mistaken for
    int id = 0;              // 0 for the pictures asked for by name
};

std::vector<int> Range(int first, int last) {
    std::vector<int> ids;
    for (int id = first; id <= last; ++id) ids.push_back(id);
    return ids;
}

std::vector<Picture> AllPictures() {
    std::vector<Picture> all;
    auto add = [&](int id, std::vector<int> group) {
        all.push_back({std::to_string(id), BitmapCache::ResourcePath(id), VectorPicturePath(id),
                       std::move(group), id});
    };
    for (int id = 54; id <= 65; ++id) add(id, Range(54, 65));
    add(140, {});
    for (int id = 145; id <= 148; ++id) add(id, Range(145, 148));
    for (int id = 153; id <= 156; ++id) add(id, Range(153, 156));
    add(164, {});
    add(166, {});
    all.push_back({"toolbar", ":/bitmaps/toolbar128.png", VectorToolbarPath(), {}});
    all.push_back({"icon", ":/bitmaps/icon128_32.png", VectorIconPath(false), {}});
    all.push_back({"small icon", ":/bitmaps/icon128_16.png", VectorIconPath(true), {}});
    return all;
}

QImage Bitmap(const QString& path) {
    BitmapCache::Shared();  // registers the resources
    return QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The loader picks the icon's design by size; here each design is looked at at any size.
QImage RenderFile(const QString& path, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(path).render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QImage Render(const Picture& p, QSize size) {
    if (p.id) return RenderVectorPicture(p.id, size);
    if (p.name == "toolbar") return RenderVectorToolbar(size);
    return RenderFile(p.vector, size);
}

// Over white, as both kinds are laid on the table; the bitmaps' see-through white and
// the vectors' transparency then compare equal.
QImage OverWhite(const QImage& image) {
    QImage out(image.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter(&out).drawImage(0, 0, image);
    return out;
}

QColor Average(const QImage& image) {
    const QImage flat = OverWhite(image);
    double r = 0, g = 0, b = 0;
    for (int y = 0; y < flat.height(); ++y)
        for (int x = 0; x < flat.width(); ++x) {
            const QRgb c = flat.pixel(x, y);
            r += qRed(c), g += qGreen(c), b += qBlue(c);
        }
    const double n = flat.width() * flat.height();
    return QColor(std::lround(r / n), std::lround(g / n), std::lround(b / n));
}

int Distance(QColor a, QColor b) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())});
}

int DistinctColours(const QImage& image) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) seen.insert(image.pixel(x, y));
    return static_cast<int>(seen.size());
}

// Cells of `factor` x `factor` pixels holding more than one colour: an enlarged bitmap
// has none, an antialiased edge through a cell makes one.
int MixedCells(const QImage& image, int factor) {
    int mixed = 0;
    for (int cy = 0; cy + factor <= image.height(); cy += factor)
        for (int cx = 0; cx + factor <= image.width(); cx += factor) {
            const QRgb first = image.pixel(cx, cy);
            bool same = true;
            for (int y = cy; y < cy + factor && same; ++y)
                for (int x = cx; x < cx + factor && same; ++x) same = image.pixel(x, y) == first;
            mixed += !same;
        }
    return mixed;
}

// Mean per-channel difference of two pictures of one size, over white.
double Difference(const QImage& a, const QImage& b) {
    const QImage fa = OverWhite(a), fb = OverWhite(b);
    double sum = 0;
    for (int y = 0; y < fa.height(); ++y)
        for (int x = 0; x < fa.width(); ++x) {
            const QRgb p = fa.pixel(x, y), q = fb.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * fa.width() * fa.height());
}

class VectorArt : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!BitmapCache::HasResources()) GTEST_SKIP() << "built without resources/bitmaps.qrc";
    }
};

TEST_F(VectorArt, EveryPictureIsAValidSvgShapedLikeItsBitmap) {
    for (const Picture& p : AllPictures()) {
        SCOPED_TRACE(p.name);
        const QImage bitmap = Bitmap(p.bitmap);
        ASSERT_FALSE(bitmap.isNull());
        QSvgRenderer svg(p.vector);
        ASSERT_TRUE(svg.isValid()) << p.vector.toStdString();
        const QRectF box = svg.viewBoxF();
        EXPECT_NEAR(box.width() / box.height(), double(bitmap.width()) / bitmap.height(), 1e-3);
    }
}

// At 4x a vector is drawn anew: its edges blend into their ground, where an enlarged
// bitmap repeats its own few colours in square blocks. Its colours on the whole stay
// those of its bitmap, and at 1x it is nearer its own bitmap than any other design of
// its kind, so that no design shows under another's name.
TEST_F(VectorArt, AtFourTimesEachPictureIsDrawnAnewInItsOwnDesign) {
    for (const Picture& p : AllPictures()) {
        SCOPED_TRACE(p.name);
        const QImage bitmap = Bitmap(p.bitmap);
        const QImage big = Render(p, bitmap.size() * 4);
        ASSERT_EQ(big.size(), bitmap.size() * 4);
        EXPECT_EQ(big.format(), QImage::Format_ARGB32_Premultiplied);
        EXPECT_GT(DistinctColours(big), DistinctColours(bitmap) + 2);
        EXPECT_GE(MixedCells(big, 4), 8);
        EXPECT_LE(Distance(Average(big), Average(bitmap)), 16)
            << "vector " << Average(big).name().toStdString() << ", bitmap "
            << Average(bitmap).name().toStdString();
        const double own = Difference(Render(p, bitmap.size()), bitmap);
        for (int other : p.group) {
            if (other == p.id) continue;
            const QImage theirs = Bitmap(BitmapCache::ResourcePath(other));
            EXPECT_LT(own, Difference(Render(p, theirs.size()), theirs)) << "like " << other;
        }
    }
}

TEST_F(VectorArt, TheIconReadsAtSixteenAndAtTwoHundredFiftySixPixels) {
    const QImage small = RenderVectorIcon({16, 16});
    const QImage large = RenderVectorIcon({256, 256});
    ASSERT_EQ(small.size(), QSize(16, 16));
    ASSERT_EQ(large.size(), QSize(256, 256));
    // At 16 the design drawn on the 16-pixel grid, close to the small bitmap pixel for pixel.
    EXPECT_LT(Difference(small, Bitmap(":/bitmaps/icon128_16.png")), 20.0);
    EXPECT_LE(Distance(Average(large), Average(Bitmap(":/bitmaps/icon128_32.png"))), 16);
    // The corners stay see-through, as the bitmap's do.
    EXPECT_EQ(qAlpha(large.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(large.pixel(128, 128)), 255);
}

TEST_F(VectorArt, NumbersWithoutAPictureAndEmptySizesGiveNullImages) {
    for (int id : {-1, 0, 1, 52, 53, 66, 139, 141, 149, 152, 157, 165, 167, 1000}) {
        EXPECT_TRUE(VectorPicturePath(id).isEmpty()) << id;
        EXPECT_TRUE(RenderVectorPicture(id, {29, 41}).isNull()) << id;
    }
    EXPECT_TRUE(RenderVectorPicture(54, {0, 41}).isNull());
    EXPECT_TRUE(RenderVectorPicture(54, {-29, 41}).isNull());
    EXPECT_TRUE(RenderVectorIcon({}).isNull());
}

TEST_F(VectorArt, EachFileIsParsedOnceHoweverOftenItIsDrawn) {
    RenderVectorPicture(62, {29, 41});
    const int parsed = VectorParseCount();
    for (int scale = 1; scale <= 3; ++scale) RenderVectorPicture(62, QSize(29, 41) * scale);
    EXPECT_EQ(VectorParseCount(), parsed);
    RenderVectorPicture(63, {29, 41});
    EXPECT_LE(VectorParseCount(), parsed + 1);
}

// MERVANE_VECTOR_SHEET=<file.png> writes every picture, a row each: the bitmap at 1x,
// the vector at 1x, the bitmap enlarged 4x, the vector at 4x and at 8x, for looking at.
TEST_F(VectorArt, WritesAContactSheetWhenAsked) {
    const char* out = std::getenv("MERVANE_VECTOR_SHEET");
    if (!out) GTEST_SKIP() << "set MERVANE_VECTOR_SHEET to write the sheet";
    constexpr int gap = 6;
    const std::vector<Picture> all = AllPictures();
    int width = 0, height = gap;
    for (const Picture& p : all) {
        const QSize s = Bitmap(p.bitmap).size();
        width = std::max(width, s.width() * 18 + 6 * gap);
        height += s.height() * 8 + gap;
    }
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(0x70, 0x70, 0x70));
    QPainter painter(&sheet);
    int y = gap;
    for (const Picture& p : all) {
        const QImage bitmap = Bitmap(p.bitmap);
        const QSize s = bitmap.size();
        int x = gap;
        for (const QImage& image :
             {bitmap, Render(p, s), bitmap.scaled(s * 4), Render(p, s * 4), Render(p, s * 8)}) {
            painter.drawImage(x, y, image);
            x += image.width() + gap;
        }
        y += s.height() * 8 + gap;
    }
    painter.end();
    ASSERT_TRUE(sheet.save(QString::fromLocal8Bit(out)));
}

}  // namespace
}  // namespace mervane
