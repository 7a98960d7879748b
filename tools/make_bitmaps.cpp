// Writes every bitmap the game shows as a PNG into the folder given on the command line.
// The PNGs are committed; run this again only when a design changes:
//
//   make-bitmaps resources/bitmaps [--sheet /tmp/sheet.png]
//
// Everything is drawn pixel by pixel, never antialiased: the pictures are tiny and are
// shown at 1x, where a blended edge only looks blurred. --sheet also writes every picture
// enlarged 4x on one page, for looking at the designs.

#include <QDir>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QSet>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------
// Pixels

constexpr QRgb kNone = 0x00000000;  // transparent, in layers only
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kInk = 0xFF101010;     // card border and black suits
constexpr QRgb kRed = 0xFFD00000;     // red suits
constexpr QRgb kCorner = 0xFF909090;  // the clipped corner pixel of a card
constexpr QRgb kGold = 0xFFF0C020;
constexpr QRgb kGoldLight = 0xFFFFF0A0;
constexpr QRgb kGoldDark = 0xFFB07800;
constexpr QRgb kGoldEdge = 0xFF684000;

// Opaque pictures start white; layers start transparent and are laid over a picture.
QImage Picture(int w, int h, QRgb ground = kWhite) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(ground);
    return image;
}

QImage Layer(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(kNone);
    return image;
}

void Plot(QImage& image, int x, int y, QRgb c) {
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height()) image.setPixel(x, y, c);
}

void Fill(QImage& image, int x, int y, int w, int h, QRgb c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) Plot(image, i, j, c);
}

void Frame(QImage& image, int x, int y, int w, int h, QRgb c) {
    Fill(image, x, y, w, 1, c);
    Fill(image, x, y + h - 1, w, 1, c);
    Fill(image, x, y, 1, h, c);
    Fill(image, x + w - 1, y, 1, h, c);
}

// A raised (or, swapped, sunken) bevel: light on the top and left, dark on the bottom and right.
void Bevel(QImage& image, int x, int y, int w, int h, QRgb light, QRgb dark) {
    Fill(image, x, y, w - 1, 1, light);
    Fill(image, x, y, 1, h - 1, light);
    Fill(image, x, y + h - 1, w, 1, dark);
    Fill(image, x + w - 1, y, 1, h, dark);
}

// Shapes are filled where a pixel's centre falls inside, which keeps edges hard.
void FillEllipse(QImage& image, double cx, double cy, double rx, double ry, QRgb c) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) image.setPixel(x, y, c);
        }
}

bool InsidePolygon(const std::vector<QPointF>& poly, double px, double py) {
    bool inside = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const QPointF& a = poly[i];
        const QPointF& b = poly[j];
        if ((a.y() > py) != (b.y() > py) &&
            px < (b.x() - a.x()) * (py - a.y()) / (b.y() - a.y()) + a.x())
            inside = !inside;
    }
    return inside;
}

void FillPolygon(QImage& image, const std::vector<QPointF>& poly, QRgb c) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (InsidePolygon(poly, x + 0.5, y + 0.5)) image.setPixel(x, y, c);
}

// Lays the opaque pixels of a layer over a picture.
void Over(QImage& image, const QImage& layer, int x = 0, int y = 0) {
    for (int j = 0; j < layer.height(); ++j)
        for (int i = 0; i < layer.width(); ++i) {
            const QRgb c = layer.pixel(i, j);
            if (qAlpha(c) == 255) Plot(image, x + i, y + j, c);
        }
}

// Rings a layer's shape with a one-pixel edge, so that light shapes stand off a light ground.
void Outline(QImage& layer, QRgb c) {
    const QImage shape = layer.copy();
    auto solid = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < shape.width() && y < shape.height() &&
               qAlpha(shape.pixel(x, y)) == 255;
    };
    for (int y = 0; y < shape.height(); ++y)
        for (int x = 0; x < shape.width(); ++x)
            if (!solid(x, y) &&
                (solid(x - 1, y) || solid(x + 1, y) || solid(x, y - 1) || solid(x, y + 1)))
                layer.setPixel(x, y, c);
}

// ---------------------------------------------------------------------------------------
// Masks and pixel art: rows of characters, so that a design can be read in the source.

using Art = std::vector<std::string>;
using Palette = std::map<char, QRgb>;

// '#' marks a set pixel. Flipping turns a pip upside down, as on the lower half of a card.
void Stamp(QImage& image, const Art& mask, int x, int y, QRgb c, bool flip = false) {
    const int h = static_cast<int>(mask.size());
    for (int j = 0; j < h; ++j) {
        const std::string& row = mask[flip ? h - 1 - j : j];
        for (int i = 0; i < static_cast<int>(row.size()); ++i)
            if (row[i] == '#') Plot(image, x + i, y + j, c);
    }
}

// Characters missing from the palette (normally '.') leave the pixel alone.
void Paint(QImage& image, const Art& art, int x, int y, const Palette& palette) {
    for (int j = 0; j < static_cast<int>(art.size()); ++j)
        for (int i = 0; i < static_cast<int>(art[j].size()); ++i) {
            const auto found = palette.find(art[j][i]);
            if (found != palette.end()) Plot(image, x + i, y + j, found->second);
        }
}

int Width(const Art& art) {
    return art.empty() ? 0 : static_cast<int>(art[0].size());
}

// Side by side with a blank column between, for words made of glyphs.
Art Join(const std::vector<Art>& glyphs, int gap = 1) {
    Art out(glyphs.front().size());
    for (size_t g = 0; g < glyphs.size(); ++g)
        for (size_t r = 0; r < out.size(); ++r)
            out[r] += (g ? std::string(gap, '.') : "") + glyphs[g][r];
    return out;
}

Art Scale(const Art& art, int factor) {
    Art out;
    for (const std::string& row : art) {
        std::string wide;
        for (char c : row) wide += std::string(factor, c);
        for (int k = 0; k < factor; ++k) out.push_back(wide);
    }
    return out;
}

// ---------------------------------------------------------------------------------------
// Suits

enum class Suit { Clubs, Diamonds, Hearts, Spades };

QRgb SuitColour(Suit s) {
    return s == Suit::Diamonds || s == Suit::Hearts ? kRed : kInk;
}

// The corner and pip-card pips, drawn by hand: at 5x5 a computed shape loses its outline.
const Art& SmallPip(Suit s) {
    // The designs are drawn one row a line; keep the formatter off them.
    // clang-format off
    // Three square lobes and a stem: at this size round lobes turn into a cross.
    static const Art clubs = {
        ".###.",
        ".###.",
        "#####",
        "##.##",
        "..#..",
    };
    static const Art diamonds = {
        "..#..",
        ".###.",
        "#####",
        ".###.",
        "..#..",
    };
    static const Art hearts = {
        ".#.#.",
        "#####",
        "#####",
        ".###.",
        "..#..",
    };
    static const Art spades = {
        "..#..",
        ".###.",
        "#####",
        "#####",
        ".#.#.",
    };
    // clang-format on
    switch (s) {
        case Suit::Clubs: return clubs;
        case Suit::Diamonds: return diamonds;
        case Suit::Hearts: return hearts;
        case Suit::Spades: return spades;
    }
    return clubs;
}

// Larger pips are computed from circles and polygons in a unit square, so one design
// serves the ace, the buttons and the indicator at whatever size each needs.
// A height of its own stretches the design upright.
Art BigPip(Suit s, int size, int height = 0) {
    if (height == 0) height = size;
    QImage m = Layer(size, height);
    const double n = size, v = height;
    auto circle = [&](double cx, double cy, double r) {
        FillEllipse(m, cx * n, cy * v, r * n, r * v, kBlack);
    };
    auto poly = [&](std::vector<QPointF> pts) {
        for (QPointF& p : pts) p = {p.x() * n, p.y() * v};
        FillPolygon(m, pts, kBlack);
    };
    switch (s) {
        case Suit::Diamonds: poly({{0.5, 0.0}, {0.92, 0.5}, {0.5, 1.0}, {0.08, 0.5}}); break;
        case Suit::Hearts:
            circle(0.27, 0.30, 0.27);
            circle(0.73, 0.30, 0.27);
            poly({{0.02, 0.40}, {0.98, 0.40}, {0.5, 0.98}});
            break;
        case Suit::Spades:
            circle(0.27, 0.58, 0.25);
            circle(0.73, 0.58, 0.25);
            poly({{0.03, 0.52}, {0.97, 0.52}, {0.5, 0.0}});
            poly({{0.5, 0.62}, {0.76, 1.0}, {0.24, 1.0}});
            break;
        case Suit::Clubs:
            circle(0.5, 0.25, 0.235);
            circle(0.25, 0.6, 0.235);
            circle(0.75, 0.6, 0.235);
            poly({{0.5, 0.3}, {0.7, 0.6}, {0.5, 0.7}, {0.3, 0.6}});
            poly({{0.5, 0.6}, {0.76, 1.0}, {0.24, 1.0}});
            break;
    }
    Art art(height, std::string(size, '.'));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < size; ++x)
            if (qAlpha(m.pixel(x, y)) == 255) art[y][x] = '#';
    return art;
}

// ---------------------------------------------------------------------------------------
// Glyphs

// Ranks are 5 pixels tall so that rank, gap and pip fit the 13 rows of a card that a
// vertical fan leaves showing.
Art RankGlyph(int rank) {
    static const std::map<int, Art> glyphs = {
        {1, {".#.", "#.#", "###", "#.#", "#.#"}},
        {2, {"##.", "..#", ".#.", "#..", "###"}},
        {3, {"##.", "..#", ".#.", "..#", "##."}},
        {4, {"#.#", "#.#", "###", "..#", "..#"}},
        {5, {"###", "#..", "##.", "..#", "##."}},
        {6, {".##", "#..", "###", "#.#", "###"}},
        {7, {"###", "..#", ".#.", ".#.", ".#."}},
        {8, {"###", "#.#", "###", "#.#", "###"}},
        {9, {"###", "#.#", "###", "..#", "##."}},
        // A two-column 1 keeps "10" within the six columns of the corner, clear of the
        // border.
        {10, {".#.###", "##.#.#", ".#.#.#", ".#.#.#", ".#.###"}},
        {11, {"..#", "..#", "..#", "#.#", ".#."}},
        {12, {".#.", "#.#", "#.#", "##.", ".##"}},
        {13, {"#.#", "#.#", "##.", "#.#", "#.#"}},
    };
    return glyphs.at(rank);
}

// Letters for the title, 5x7.
Art TitleGlyph(char c) {
    static const std::map<char, Art> glyphs = {
        {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
        {'e', {".....", ".....", ".###.", "#...#", "#####", "#....", ".###."}},
        {'r', {".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."}},
        {'v', {".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
        {'a', {".....", ".....", ".###.", "....#", ".####", "#...#", ".####"}},
        {'n', {".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"}},
    };
    return glyphs.at(c);
}

// Capitals for the toolbar, 3x5.
Art SmallCapital(char c) {
    static const std::map<char, Art> glyphs = {
        {'D', {"##.", "#.#", "#.#", "#.#", "##."}},
        {'E', {"###", "#..", "##.", "#..", "###"}},
        {'A', {".#.", "#.#", "###", "#.#", "#.#"}},
        {'L', {"#..", "#..", "#..", "#..", "###"}},
    };
    return glyphs.at(c);
}

// ---------------------------------------------------------------------------------------
// Card faces

constexpr int kCardW = 29;
constexpr int kCardH = 41;

// A white card with a dark edge; each corner pixel is clipped to grey to round it.
void CardBlank(QImage& card) {
    const int w = card.width(), h = card.height();
    card.fill(kWhite);
    Frame(card, 0, 0, w, h, kInk);
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
        Plot(card, x, y, kCorner);
}

// Rank over pip, centred on column 4, in columns 2..7 and rows 2..12: inside the left
// 9 columns and top 13 rows that stay visible when the card lies under its neighbours
// in a fan, with a white column and row between it and the border.
void CornerIndex(QImage& layer, int rank, Suit s) {
    const Art glyph = RankGlyph(rank);
    const QRgb c = SuitColour(s);
    Stamp(layer, glyph, rank == 10 ? 2 : 4 - Width(glyph) / 2, 2, c);
    Stamp(layer, SmallPip(s), 2, 8, c);
}

// The same corner turned half a turn into the bottom right, as printed cards have it.
void BothCorners(QImage& card, int rank, Suit s) {
    QImage layer = Layer(card.width(), card.height());
    CornerIndex(layer, rank, s);
    Over(card, layer);
    Over(card, layer.mirrored(true, true));
}

// Pip centres of the number cards. The side pips start at column 9, so the 9-column
// strip a card shows under its neighbour in a fan holds the corner index alone; the
// columns are symmetric about the middle column 14, the rows about the middle row 20.
std::vector<std::pair<int, int>> PipCentres(int rank) {
    constexpr int L = 11, M = 14, R = 17;
    constexpr int top = 5, upper = 15, mid = 20, lower = 25, bottom = 35;
    std::vector<std::pair<int, int>> sides2 = {{L, top}, {R, top}, {L, bottom}, {R, bottom}};
    std::vector<std::pair<int, int>> sides3 = {{L, top}, {R, top},    {L, mid},
                                               {R, mid}, {L, bottom}, {R, bottom}};
    std::vector<std::pair<int, int>> sides4 = {{L, top},   {R, top},   {L, upper},  {R, upper},
                                               {L, lower}, {R, lower}, {L, bottom}, {R, bottom}};
    auto with = [](std::vector<std::pair<int, int>> v, std::vector<std::pair<int, int>> more) {
        v.insert(v.end(), more.begin(), more.end());
        return v;
    };
    switch (rank) {
        case 2: return {{M, top}, {M, bottom}};
        case 3: return {{M, top}, {M, mid}, {M, bottom}};
        case 4: return sides2;
        case 5: return with(sides2, {{M, mid}});
        case 6: return sides3;
        case 7: return with(sides3, {{M, 12}});
        case 8: return with(sides3, {{M, 12}, {M, 28}});
        case 9: return with(sides4, {{M, mid}});
        case 10: return with(sides4, {{M, 10}, {M, 30}});
    }
    return {};
}

void PipCard(QImage& card, int rank, Suit s) {
    for (auto [cx, cy] : PipCentres(rank))
        Stamp(card, SmallPip(s), cx - 2, cy - 2, SuitColour(s), cy > 20);
}

void AceCard(QImage& card, Suit s) {
    // The ace of spades is traditionally the grand one: taller, as the strip a fan
    // leaves showing must hold the index alone.
    const int height = s == Suit::Spades ? 15 : 11;
    Stamp(card, BigPip(s, 11, height), 14 - 11 / 2, 20 - height / 2, SuitColour(s));
}

// Court figures are drawn as the top half of a double-ended portrait, 13 x 16, and turned
// half a turn for the bottom half, like printed court cards. 'C' is the suit's colour.
const Art& CourtHalf(int rank) {
    // clang-format off
    static const Art jack = {
        "....RRRRR.WW.",
        "...RRRRRRRRW.",
        "..RRRRRRRRRR.",
        "...HHSSSSH.w.",
        "...HkSSSkH.w.",
        "...SSSSSSS.w.",
        "...SSSRSSS.w.",
        "....SSSSS..w.",
        ".....SSS..www",
        "..CCCWWWBBBw.",
        ".CCCCCYBBBSS.",
        "CCCCCCYBBBSSB",
        "CCYYCCYBBBBwB",
        "CCSSCCYBBBBwB",
        "CCCCCCYBBBBwB",
        "CCCCCCYBBBBwB",
    };
    static const Art queen = {
        ".....Y.Y.....",
        "....YRYRY....",
        "...hYYYYYh...",
        "..hhSSSSShh..",
        "..hSkSSSkSh..",
        "..hSSSSSSSh..",
        "..hSSSRSSSh..",
        "..hhSSSSShh..",
        "..hhhSSShhh..",
        ".hhCCYYYBBhh.",
        "CCCCCCYBBBBBB",
        "CCCCCCYBBBRBB",
        "CCCYYCYBBRRRB",
        "CCCSSCYBBSgSB",
        "CCCCCCYBBBgBB",
        "CCCCCCYBBBgBB",
    };
    static const Art king = {
        "...Y.Y.Y.Y...",
        "...YYYYYYY.Y.",
        "...YRYBYRY.Y.",
        "...HSSSSSH.Y.",
        "...HkSSSkH.Y.",
        "...SSSSSSS.Y.",
        "...HSSRSSH.Y.",
        "...HHHHHHH.Y.",
        "....HHHHH..Y.",
        "..WWWHHHWWWY.",
        "CCWkWWYWWkSSB",
        "CCCWWWYWWWSSB",
        "CCCCCCYBBBBYB",
        "CCYYCCYBBBBYB",
        "CCSSCCYBBBBYB",
        "CCCCCCYBBBBBB",
    };
    // clang-format on
    return rank == 11 ? jack : rank == 12 ? queen : king;
}

void CourtCard(QImage& card, int rank, Suit s) {
    constexpr QRgb frame = 0xFF2040A0;
    const Palette palette = {
        {'k', kInk},       {'S', 0xFFF8C890}, {'R', 0xFFD00000},    {'B', 0xFF2848C0},
        {'Y', 0xFFF0C020}, {'W', 0xFFF0F0F0}, {'H', 0xFF804018},    {'h', 0xFFE8B838},
        {'w', 0xFF888888}, {'g', 0xFF208020}, {'C', SuitColour(s)},
    };
    QImage layer = Layer(card.width(), card.height());
    Paint(layer, CourtHalf(rank), 8, 4, palette);
    Over(card, layer);
    Over(card, layer.mirrored(true, true));
    Fill(card, 8, 20, 13, 1, frame);
    Frame(card, 7, 3, 15, 35, frame);
}

QImage CardFace(int rank, Suit s) {
    QImage card = Picture(kCardW, kCardH);
    CardBlank(card);
    if (rank == 1)
        AceCard(card, s);
    else if (rank <= 10)
        PipCard(card, rank, s);
    else
        CourtCard(card, rank, s);
    BothCorners(card, rank, s);
    return card;
}

// ---------------------------------------------------------------------------------------
// Card backs: a white margin around a pattern, as on a printed back.

// Paints the pattern area with `colourAt(x, y)`, where x and y count from the area's corner.
template <typename F>
QImage CardBack(int w, int h, F colourAt) {
    QImage card = Picture(w, h);
    CardBlank(card);
    for (int y = 3; y < h - 3; ++y)
        for (int x = 3; x < w - 3; ++x) card.setPixel(x, y, colourAt(x - 3, y - 3));
    return card;
}

// A lattice of diagonal lines, the classic back.
QImage LatticeBack(QRgb ground, QRgb line, QRgb edge) {
    return CardBack(kCardW, kCardH, [=](int x, int y) {
        if (x == 0 || y == 0 || x == kCardW - 7 || y == kCardH - 7) return edge;
        // Offset so that the centre of the area falls in the middle of a diamond.
        const int u = x + y + 1, v = x - y + 100;
        if (u % 6 == 0 || v % 6 == 0) return line;
        return (u % 6 == 3 && v % 6 == 3) ? line : ground;
    });
}

QImage BlueBack() {
    return LatticeBack(0xFF2050C0, 0xFF80A8F0, 0xFF103080);
}

// Woven diagonal stripes in three purples, like a tartan.
QImage PurpleBack() {
    return CardBack(kCardW, kCardH, [](int x, int y) -> QRgb {
        if (x == 0 || y == 0 || x == kCardW - 7 || y == kCardH - 7) return 0xFF401060;
        const bool across = (y % 6) < 2, down = (x % 6) < 2;
        if (across && down) return 0xFFE0B0F0;
        if (across || down) return ((x + y) % 2) ? 0xFFB070D0 : 0xFF8040B0;
        return 0xFF602090;
    });
}

QImage BlackBack() {
    return CardBack(kCardW, kCardH, [](int x, int y) -> QRgb {
        if (x == 0 || y == 0 || x == kCardW - 7 || y == kCardH - 7) return 0xFF606060;
        const int cx = x % 6 - 2, cy = y % 6 - 2;  // a small diamond in every 6x6 cell
        const int d = std::abs(cx) + std::abs(cy);
        if (d == 0) return 0xFFC0C0C0;
        if (d == 1) return 0xFF505050;
        return 0xFF101010;
    });
}

// A basket weave in mustard and brown.
QImage DirtyYellowBack() {
    return CardBack(kCardW, kCardH, [](int x, int y) -> QRgb {
        if (x == 0 || y == 0 || x == kCardW - 7 || y == kCardH - 7) return 0xFF604010;
        const int bx = x / 4, by = y / 4;
        const bool horizontal = (bx + by) % 2 == 0;
        const int along = horizontal ? y % 4 : x % 4;
        if (along == 3) return 0xFF806018;
        if (along == 0) return 0xFFE0C860;
        return 0xFFC8A838;
    });
}

QImage PinstripeBack(QRgb ground, QRgb stripe, QRgb edge) {
    return CardBack(kCardW, kCardH, [=](int x, int y) {
        if (x == 0 || y == 0 || x == kCardW - 7 || y == kCardH - 7) return edge;
        return x % 4 == 2 ? stripe : ground;
    });
}

QImage SmileyBack() {
    constexpr int w = 28, h = 40;
    QImage card = CardBack(w, h, [](int x, int y) -> QRgb {
        if (x == 0 || y == 0 || x == w - 7 || y == h - 7) return 0xFF2060C0;
        return ((x / 2 + y / 2) % 2) ? 0xFF80C0F0 : 0xFF98D0F8;
    });
    QImage face = Layer(w, h);
    FillEllipse(face, w / 2.0, h / 2.0, 9.5, 9.5, 0xFFFFE020);
    Outline(face, kInk);
    Over(card, face);
    // clang-format off
    const Art features = {
        "..##..##..",
        "..##..##..",
        "..##..##..",
        "..........",
        "..........",
        "#........#",
        ".#......#.",
        "..##..##..",
        "....##....",
    };
    // clang-format on
    Stamp(card, features, w / 2 - 5, h / 2 - 5, kInk);
    return card;
}

QImage SkullBack() {
    QImage card = CardBack(kCardW, kCardH, [](int x, int y) -> QRgb {
        if (x == 0 || y == 0 || x == kCardW - 7 || y == kCardH - 7) return 0xFF808080;
        return ((x + y) % 2) ? 0xFF181818 : 0xFF202020;
    });
    // clang-format off
    const Art skull = {
        ".....#####.....",
        "...#########...",
        "..###########..",
        ".#############.",
        ".#############.",
        ".##...###...##.",
        ".##...###...##.",
        ".##...###...##.",
        "..#####.#####..",
        "...###...###...",
        "....#######....",
        "....#.#.#.#....",
        "....#######....",
    };
    const Art bones = {
        "##.........##",
        "###.......###",
        ".###.....###.",
        "...##...##...",
        ".....###.....",
        "...##...##...",
        ".###.....###.",
        "###.......###",
        "##.........##",
    };
    // clang-format on
    QImage layer = Layer(kCardW, kCardH);
    Stamp(layer, skull, 7, 7, 0xFFE8E4D0);
    Stamp(layer, bones, 8, 23, 0xFFE8E4D0);
    Outline(layer, 0xFF000000);
    Over(card, layer);
    return card;
}

std::vector<QPointF> StarPoints(double cx, double cy, double outer, double inner) {
    std::vector<QPointF> pts;
    for (int k = 0; k < 10; ++k) {
        const double a = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
        const double r = k % 2 ? inner : outer;
        pts.emplace_back(cx + r * std::cos(a), cy + r * std::sin(a));
    }
    return pts;
}

QImage StarBack(QRgb ground, QRgb dark, QRgb star, QRgb twinkle) {
    QImage card = CardBack(kCardW, kCardH, [=](int x, int y) {
        if (x == 0 || y == 0 || x == kCardW - 7 || y == kCardH - 7) return dark;
        return ground;
    });
    QImage layer = Layer(kCardW, kCardH);
    FillPolygon(layer, StarPoints(14.5, 21.5, 10.5, 4.3), star);
    Outline(layer, dark);
    Over(card, layer);
    for (auto [x, y] : {std::pair{6, 6}, {22, 8}, {6, 33}, {22, 34}, {14, 35}, {5, 20}, {23, 22}})
        Plot(card, x, y, twinkle);
    return card;
}

QImage MetalRivetBack() {
    QImage card = CardBack(kCardW, kCardH, [](int, int y) -> QRgb {
        return y % 2 ? 0xFFA8A8B0 : 0xFFB4B4BC;  // brushed metal
    });
    Bevel(card, 3, 3, kCardW - 6, kCardH - 6, 0xFFE0E0E8, 0xFF505058);
    const Art rivet = {".LL.", "LMMD", "LMMD", ".DD."};
    const Palette p = {{'L', 0xFFF0F0F8}, {'M', 0xFFC8C8D0}, {'D', 0xFF404048}};
    for (int y = 6; y <= 32; y += 6)
        for (int x = 6; x <= 20; x += 7) Paint(card, rivet, x, y, p);
    return card;
}

// Rings of the rainbow around the centre, measured diagonally so they come out as diamonds.
QImage WildBack() {
    static const QRgb rainbow[] = {0xFFE02020, 0xFFF08020, 0xFFF0E020, 0xFF30C030,
                                   0xFF2080F0, 0xFF6030C0, 0xFFC040C0};
    return CardBack(kCardW, kCardH, [](int x, int y) -> QRgb {
        const int d = std::abs(x - 11) + std::abs(y - 17);
        return rainbow[(d / 2) % 7];
    });
}

// ---------------------------------------------------------------------------------------
// Other pictures

QImage TitlePicture() {
    QImage pic = Picture(122, 120);
    // The table: a green rounded slab under the cards.
    constexpr QRgb felt = 0xFF108030, feltEdge = 0xFF064818;
    QImage table = Layer(122, 120);
    Fill(table, 4, 28, 114, 88, felt);
    Outline(table, feltEdge);
    Over(pic, table);
    const Art title =
        Scale(Join({TitleGlyph('M'), TitleGlyph('e'), TitleGlyph('r'), TitleGlyph('v'),
                    TitleGlyph('a'), TitleGlyph('n'), TitleGlyph('e')}),
              2);
    const int tx = (122 - Width(title)) / 2;
    Stamp(pic, title, tx + 1, 6, 0xFF600000);
    Stamp(pic, title, tx, 5, kRed);
    // The stock, face down, and beside it all four eights fanned, the hearts on top.
    const QImage back = BlueBack();
    for (int k = 0; k < 3; ++k) Over(pic, back, 10 + k, 52 - k);
    const Suit suits[] = {Suit::Clubs, Suit::Diamonds, Suit::Spades, Suit::Hearts};
    for (int k = 0; k < 4; ++k) Over(pic, CardFace(8, suits[k]), 47 + 12 * k, 54 - (k % 3 ? 3 : 0));
    return pic;
}

QImage SuitButton(Suit s) {
    QImage b = Picture(24, 22, 0xFFC0C0C0);
    Bevel(b, 0, 0, 24, 22, kWhite, kBlack);
    Bevel(b, 1, 1, 22, 20, 0xFFDFDFDF, 0xFF808080);
    Stamp(b, BigPip(s, 11), 6, 5, SuitColour(s));
    return b;
}

QImage SuitIndicator(Suit s) {
    QImage b = Picture(19, 19, 0xFFC0C0C0);
    Frame(b, 0, 0, 19, 19, kInk);
    Bevel(b, 1, 1, 17, 17, 0xFF808080, kWhite);
    Fill(b, 2, 2, 15, 15, kWhite);
    Stamp(b, BigPip(s, 11), 4, 4, SuitColour(s));
    return b;
}

QImage Trophy() {
    QImage pic = Picture(27, 32);
    QImage cup = Layer(27, 32);
    // Bowl: the lower half of an ellipse under a flat rim.
    for (int y = 2; y <= 16; ++y)
        for (int x = 5; x <= 21; ++x) {
            const double dx = (x + 0.5 - 13.5) / 8.5, dy = (y + 0.5 - 2) / 15.0;
            if (dx * dx + dy * dy <= 1.0) cup.setPixel(x, y, kGold);
        }
    // Handles: rings either side.
    for (int side : {-1, 1}) {
        const double cx = 13.5 + side * 9.0;
        for (int y = 3; y <= 12; ++y)
            for (int x = 0; x < 27; ++x) {
                const double dx = (x + 0.5 - cx) / 4.0, dy = (y + 0.5 - 7.5) / 4.6;
                const double r = dx * dx + dy * dy;
                if (r <= 1.0 && r >= 0.42 && qAlpha(cup.pixel(x, y)) == 0)
                    cup.setPixel(x, y, kGold);
            }
    }
    Fill(cup, 12, 17, 3, 5, kGold);  // stem
    Fill(cup, 10, 21, 7, 2, kGold);  // foot
    Outline(cup, kGoldEdge);
    // Outlining also ringed the handles' holes, which reads as eyes; open them again.
    for (int side : {-1, 1}) {
        const double cx = 13.5 + side * 9.0;
        for (int y = 3; y <= 12; ++y)
            for (int x = side < 0 ? 0 : 22; x < (side < 0 ? 5 : 27); ++x) {
                const double dx = (x + 0.5 - cx) / 4.0, dy = (y + 0.5 - 7.5) / 4.6;
                if (dx * dx + dy * dy < 0.42) cup.setPixel(x, y, kNone);
            }
    }
    // Light falls from the left: a bright streak, and a shaded right side.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 27; ++x) {
            if (cup.pixel(x, y) != kGold) continue;
            if (x == 8 || (x == 9 && y < 12))
                cup.setPixel(x, y, kGoldLight);
            else if (x >= 17 && x <= 21)
                cup.setPixel(x, y, kGoldDark);
            else if (x == 14 && y >= 17)
                cup.setPixel(x, y, kGoldDark);
        }
    Over(pic, cup);
    // A plinth of dark wood with a gold plate.
    Fill(pic, 7, 24, 13, 7, 0xFF603010);
    Frame(pic, 7, 24, 13, 7, 0xFF301000);
    Fill(pic, 10, 26, 7, 3, kGold);
    Fill(pic, 7, 24, 13, 1, 0xFF905028);
    return pic;
}

// Pure white is the see-through colour of this one; the chip itself avoids it.
QImage DealerChip() {
    QImage pic = Picture(8, 7);
    // clang-format off
    const Art chip = {
        "..RRRR..",
        ".RLRRLR.",
        "RRrrrrRR",
        "LRrrrrRL",
        "RRrrrrRR",
        ".RLRRLR.",
        "..RRRR..",
    };
    // clang-format on
    Paint(pic, chip, 0, 0, {{'R', 0xFFD01010}, {'r', 0xFF900000}, {'L', 0xFFF0F0F0}});
    return pic;
}

QImage ToolbarDeal() {
    QImage pic = Picture(16, 16, 0xFFC0C0C0);
    const Art word =
        Join({SmallCapital('D'), SmallCapital('E'), SmallCapital('A'), SmallCapital('L')});
    Stamp(pic, word, 1, 1, 0xFFD00000);
    for (int k = 0; k < 3; ++k) {
        const int x = 1 + 4 * k;
        Fill(pic, x, 8, 6, 8, kWhite);
        Frame(pic, x, 8, 6, 8, 0xFF404040);
        Plot(pic, x + 2, 10, k == 1 ? 0xFF000000 : 0xFFD00000);
    }
    return pic;
}

QImage Icon(int size) {
    QImage pic = Layer(size, size);
    constexpr QRgb felt = 0xFF108030, feltEdge = 0xFF064818;
    Fill(pic, 1, 1, size - 2, size - 2, felt);
    Outline(pic, feltEdge);
    if (size == 32) {
        Fill(pic, 4, 4, 17, 23, 0xFF2040C0);
        Frame(pic, 4, 4, 17, 23, kWhite);
        Fill(pic, 10, 6, 18, 24, kWhite);
        Frame(pic, 10, 6, 18, 24, kInk);
        Stamp(pic, Scale(RankGlyph(8), 2), 16, 8, kRed);
        Stamp(pic, BigPip(Suit::Hearts, 9), 15, 19, kRed);
    } else {
        Fill(pic, 3, 1, 10, 15, kWhite);
        Frame(pic, 3, 1, 10, 15, kInk);
        Stamp(pic, RankGlyph(8), 6, 3, kRed);
        Stamp(pic, SmallPip(Suit::Hearts), 5, 9, kRed);
    }
    return pic;
}

// ---------------------------------------------------------------------------------------
// Output

struct Output {
    QString name;
    QImage image;
    int w, h;
    int maxColours = 0;  // 0: any number
};

int CountColours(const QImage& image) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) seen.insert(image.pixel(x, y));
    return static_cast<int>(seen.size());
}

std::vector<Output> AllPictures() {
    std::vector<Output> out;
    const Suit blocks[] = {Suit::Clubs, Suit::Diamonds, Suit::Hearts, Suit::Spades};
    for (int b = 0; b < 4; ++b)
        for (int rank = 1; rank <= 13; ++rank)
            out.push_back(
                {QString::number(13 * b + rank), CardFace(rank, blocks[b]), kCardW, kCardH});
    auto back = [&](int id, QImage image, int w = kCardW, int h = kCardH) {
        out.push_back({QString::number(id), std::move(image), w, h});
    };
    back(54, BlueBack());
    back(55, BlackBack());
    back(56, PurpleBack());
    back(57, SmileyBack(), 28, 40);
    back(58, DirtyYellowBack());
    back(59, PinstripeBack(0xFFC01818, 0xFFF08080, 0xFF700000));
    back(60, PinstripeBack(0xFF1838B0, 0xFF80A0F0, 0xFF081860));
    back(61, SkullBack());
    back(62, StarBack(0xFF1840B0, 0xFF0C2060, 0xFFFFFFFF, 0xFFF0F080));
    back(63, StarBack(0xFF702090, 0xFF380848, 0xFFF0C020, 0xFFF0D0F8));
    back(64, MetalRivetBack());
    back(65, WildBack());
    out.push_back({"140", TitlePicture(), 122, 120});
    const std::pair<int, Suit> buttons[] = {
        {145, Suit::Spades}, {146, Suit::Hearts}, {147, Suit::Diamonds}, {148, Suit::Clubs}};
    for (auto [id, s] : buttons) out.push_back({QString::number(id), SuitButton(s), 24, 22});
    const std::pair<int, Suit> indicators[] = {
        {153, Suit::Clubs}, {154, Suit::Diamonds}, {155, Suit::Hearts}, {156, Suit::Spades}};
    for (auto [id, s] : indicators) out.push_back({QString::number(id), SuitIndicator(s), 19, 19});
    out.push_back({"164", Trophy(), 27, 32});
    out.push_back({"166", DealerChip(), 8, 7});
    out.push_back({"toolbar128", ToolbarDeal(), 16, 16, 16});
    out.push_back({"icon128_32", Icon(32), 32, 32, 16});
    out.push_back({"icon128_16", Icon(16), 16, 16, 16});
    return out;
}

// Every picture at 4x on a grey page, with a gap between, for looking at the designs.
QImage ContactSheet(const std::vector<Output>& pictures) {
    constexpr int scale = 4, gap = 8, pageW = 1620;
    int x = gap, y = gap, rowH = 0;
    std::vector<std::pair<int, int>> at;
    for (const Output& o : pictures) {
        const int w = o.w * scale, h = o.h * scale;
        if (x + w + gap > pageW) x = gap, y += rowH + gap, rowH = 0;
        at.emplace_back(x, y);
        x += w + gap;
        rowH = std::max(rowH, h);
    }
    QImage sheet = Picture(pageW, y + rowH + gap, 0xFF707070);
    for (size_t k = 0; k < pictures.size(); ++k) {
        const QImage big = pictures[k]
                               .image.convertToFormat(QImage::Format_ARGB32)
                               .scaled(pictures[k].w * scale, pictures[k].h * scale,
                                       Qt::IgnoreAspectRatio, Qt::FastTransformation);
        Fill(sheet, at[k].first, at[k].second, big.width(), big.height(),
             0xFFFF00FF);  // shows transparency
        Over(sheet, big, at[k].first, at[k].second);
    }
    return sheet;
}

// Qt's own conversion of an image with transparency falls back to a fixed palette, so the
// palette of the few-colour pictures is built here, one entry per colour used.
QImage WithPalette(const QImage& image) {
    QList<QRgb> table;
    QImage out(image.size(), QImage::Format_Indexed8);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            qsizetype index = table.indexOf(c);
            if (index < 0) {
                index = table.size();
                table.append(c);
                out.setColorTable(table);  // before the pixel: setPixel checks the index
            }
            out.setPixel(x, y, static_cast<uint>(index));
        }
    return out;
}

[[noreturn]] void Fail(const QString& why) {
    std::fprintf(stderr, "make-bitmaps: %s\n", qPrintable(why));
    std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--sheet"))
        Fail("usage: make-bitmaps <output folder> [--sheet <file.png>]");
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) Fail("cannot create " + dir.path());
    const std::vector<Output> pictures = AllPictures();
    for (const Output& o : pictures) {
        if (o.image.width() != o.w || o.image.height() != o.h)
            Fail(QStringLiteral("%1 is %2x%3, not %4x%5")
                     .arg(o.name)
                     .arg(o.image.width())
                     .arg(o.image.height())
                     .arg(o.w)
                     .arg(o.h));
        QImage image = o.image;
        if (o.maxColours) {
            const int colours = CountColours(image);
            if (colours > o.maxColours)
                Fail(QStringLiteral("%1 has %2 colours").arg(o.name).arg(colours));
            image = WithPalette(image);
        } else if (image.hasAlphaChannel()) {
            Fail(o.name + " must be opaque");
        }
        const QString path = dir.filePath(o.name + ".png");
        if (!image.save(path, "PNG")) Fail("cannot write " + path);
        if (QImage(path).convertToFormat(QImage::Format_ARGB32) !=
            o.image.convertToFormat(QImage::Format_ARGB32))
            Fail(path + " does not read back as drawn");
    }
    if (argc == 4 && !ContactSheet(pictures).save(QString::fromLocal8Bit(argv[3]), "PNG"))
        Fail(QStringLiteral("cannot write %1").arg(argv[3]));
    return 0;
}
