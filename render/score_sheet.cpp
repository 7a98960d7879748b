#include "render/score_sheet.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "game/translate.h"
#include "layout/card_table.h"
#include "render/surface.h"

namespace mervane {

namespace {

constexpr int kTextInset = 8;   // the first column's text from the box's left edge
constexpr int kColumnGap = 16;  // from one column's text to the next column's text
constexpr int kRuleToText = 8;  // a column's rule stands this far left of its text
// Pixels kept white between a score and the rule (or the border) to its right: text
// cells are opaque and would wipe the rule out.
constexpr int kScoreClearance = 2;
constexpr int kWonGameDrop = 20;

using Names = std::array<std::string_view, 3>;

// The sheet's own words in the user's language, translated once per paint so that
// what is measured is what is drawn.
struct SheetWords {
    std::string title = Tr("Table", "Score");
    std::string you = Tr("Status", "You");
    std::string tapToContinue = Tr("Table", "Tap To Continue");
};

Point SheetCentre(const ScoreSheetPlace& place) {
    Point c = place.client.Center();
    // Once the game is won the trophy, "Winner" and the name stand above the sheet.
    if (place.onTable && !place.gameInProgress) c.y += kWonGameDrop;
    return c;
}

// Widths in pixels of what the sheet shows: the headings ("You" and the three names)
// in the bold title font, which sizes the box, and in the label font, which places
// the columns; the scores in the label font.
struct SheetWidths {
    std::array<int, 4> boldHeadings{};
    std::array<int, 4> headings{};
    std::array<int, 4> scores{};
};

// A column is as wide as its heading, or wider where its score would reach the rule
// of the next column.
int ColumnWidth(const SheetWidths& w, std::size_t column) {
    return std::max(w.headings[column], w.scores[column] - (kRuleToText - kScoreClearance));
}

// Left edges of the four columns' texts, counted from the box's left edge.
std::array<int, 4> ColumnOffsets(const SheetWidths& w) {
    std::array<int, 4> x{kTextInset};
    for (std::size_t i = 0; i + 1 < x.size(); ++i) x[i + 1] = x[i] + ColumnWidth(w, i) + kColumnGap;
    return x;
}

// The box is sized from the headings in the bold font, widened by whatever the
// scores add to the columns.
int BoxWidth(const SheetWidths& w) {
    int width = 50;
    for (int bold : w.boldHeadings) width += bold;
    for (std::size_t i = 0; i < 3; ++i) width += ColumnWidth(w, i) - w.headings[i];
    // The box spans width / 2 either side of the centre, and its border is the last
    // column's rule: neither the last heading nor the last score may reach it.
    const int lastColumn = ColumnOffsets(w)[3];
    const int lastEnd =
        std::max(lastColumn + w.headings[3] + 1, lastColumn + w.scores[3] + 1 + kScoreClearance);
    if (width / 2 * 2 < lastEnd) width = lastEnd + (lastEnd & 1);
    return width;
}

// Measures in either font, selecting it only when it changes.
class Measurer {
  public:
    Measurer(Surface& surface, FontSpec selected) : surface_(surface), selected_(selected) {}
    Size Measure(FontSpec font, std::string_view text) {
        if (!(font == selected_)) {
            surface_.SelectFont(font);
            selected_ = font;
        }
        return surface_.MeasureText(text);
    }
    int Width(FontSpec font, std::string_view text) { return Measure(font, text).width; }

  private:
    Surface& surface_;
    FontSpec selected_;
};

// The longest start of a UTF-8 text, in whole characters, at most maxWidth wide in the
// bold font.
std::string_view FittingStart(Measurer& m, std::string_view text, int maxWidth) {
    std::vector<std::size_t> ends;  // byte lengths of the starts, one per character
    for (std::size_t i = 1; i <= text.size(); ++i)
        if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            ends.push_back(i);
    std::size_t lo = 0, hi = ends.size();  // characters kept: lo fits, above hi does not
    while (lo < hi) {
        const std::size_t mid = (lo + hi + 1) / 2;
        if (m.Width(ScoreTitleFont, text.substr(0, ends[mid - 1])) <= maxWidth)
            lo = mid;
        else
            hi = mid - 1;
    }
    return text.substr(0, lo ? ends[lo - 1] : 0);
}

struct SheetLayout {
    Names names;  // as shown: cut where the whole names would not fit the window
    Rect box;
    std::array<int, 4> columns;
};

SheetLayout LayOut(Measurer& m, const ScoreSheetPlace& place, Point c, const SheetWords& words,
                   const std::array<std::string, 3>& names,
                   const std::array<std::string, 4>& scoreTexts) {
    SheetWidths w;
    w.boldHeadings[0] = m.Width(ScoreTitleFont, words.you);
    w.headings[0] = m.Width(LabelFont, words.you);
    for (std::size_t i = 0; i < scoreTexts.size(); ++i)
        w.scores[i] = m.Width(LabelFont, scoreTexts[i]);
    const auto widthWith = [&](const Names& shown) {
        for (std::size_t i = 0; i < shown.size(); ++i) {
            w.boldHeadings[i + 1] = m.Width(ScoreTitleFont, shown[i]);
            w.headings[i + 1] = m.Width(LabelFont, shown[i]);
        }
        return BoxWidth(w);
    };
    const auto cutTo = [&](int limit) {
        Names cut;
        for (std::size_t i = 0; i < names.size(); ++i) cut[i] = FittingStart(m, names[i], limit);
        return cut;
    };

    Names shown{names[0], names[1], names[2]};
    const int room = place.client.Width();
    // The dialog can be made wider by its user; the table cannot.
    if (place.onTable && widthWith(shown) > room) {
        // Every name is cut to the same width, the widest with which the box fits, so
        // that every column and every score shows. Short names stay whole.
        int fits = 0, tooWide = 0;
        for (std::size_t i = 1; i < w.boldHeadings.size(); ++i)
            tooWide = std::max(tooWide, w.boldHeadings[i]);
        while (fits + 1 < tooWide) {
            const int mid = fits + (tooWide - fits) / 2;
            if (widthWith(cutTo(mid)) <= room)
                fits = mid;
            else
                tooWide = mid;
        }
        shown = cutTo(fits);
    }
    const int width = widthWith(shown);
    const int height = 3 * m.Measure(ScoreTitleFont, words.title).height + 70;
    const Rect box{c.x - width / 2, c.y - height / 2, c.x + width / 2, c.y + height / 2};
    std::array<int, 4> columns = ColumnOffsets(w);
    for (int& x : columns) x += box.left;
    return {shown, box, columns};
}

void DrawTapToContinue(Surface& surface, Point c, const Rect& box, std::string_view text) {
    const Color previous = surface.SetTextColor(StatusRed);
    const Size size = surface.MeasureText(text);
    surface.TextOpaque({c.x - size.width / 2, box.bottom - size.height - 3}, text);
    surface.SetTextColor(previous);
}

std::array<std::string, 4> ScoreTexts(const std::array<std::int32_t, 4>& scores) {
    std::array<std::string, 4> texts;
    for (std::size_t i = 0; i < scores.size(); ++i) texts[i] = std::to_string(scores[i]);
    return texts;
}

}  // namespace

Rect ScoreSheetBox(Surface& surface, const ScoreSheetPlace& place,
                   const std::array<std::string, 3>& names,
                   const std::array<std::int32_t, 4>& scores) {
    const FontSpec previousFont = surface.SelectFont(ScoreTitleFont);
    Measurer measurer(surface, ScoreTitleFont);
    const Rect box =
        LayOut(measurer, place, SheetCentre(place), SheetWords{}, names, ScoreTexts(scores)).box;
    surface.SelectFont(previousFont);
    return box;
}

void DrawScoreSheet(Surface& surface, const ScoreSheetPlace& place,
                    const std::array<std::string, 3>& names,
                    const std::array<std::int32_t, 4>& scores) {
    const std::array<std::string, 4> scoreTexts = ScoreTexts(scores);

    const Point c = SheetCentre(place);
    const FontSpec previousFont = surface.SelectFont(ScoreTitleFont);
    Measurer measurer(surface, ScoreTitleFont);
    const SheetWords words;
    const SheetLayout sheet = LayOut(measurer, place, c, words, names, scoreTexts);
    const Rect& box = sheet.box;
    surface.SelectFont(ScoreTitleFont);
    if (place.onTable) surface.SetBackColor(White);
    surface.Rectangle(box, White);

    const Size title = surface.MeasureText(words.title);
    surface.TextOpaque({c.x - title.width / 2, box.top + 5}, words.title);

    surface.SelectFont(LabelFont);
    surface.Line({box.left + 5, box.top + title.height + 10},
                 {box.right - 5, box.top + title.height + 10});

    const std::array<int, 4>& x = sheet.columns;
    const int headerY = box.top + title.height + 15;
    for (std::size_t i = 1; i < x.size(); ++i)
        surface.Line({x[i] - kRuleToText, headerY}, {x[i] - kRuleToText, box.bottom - 5});

    surface.TextOpaque({x[0], headerY}, words.you);
    for (std::size_t i = 0; i < sheet.names.size(); ++i)
        surface.TextOpaque({x[i + 1], headerY}, sheet.names[i]);

    // The whole name's height, so that a name cut short does not move the rows.
    const int nameHeight = surface.MeasureText(names[1]).height;
    surface.Line({box.left + 5, headerY + nameHeight + 5},
                 {box.right - 5, headerY + nameHeight + 5});
    const int scoreY = headerY + nameHeight + 13;
    for (std::size_t i = 0; i < x.size(); ++i) surface.TextOpaque({x[i], scoreY}, scoreTexts[i]);

    if (place.onTable) DrawTapToContinue(surface, c, box, words.tapToContinue);
    surface.SelectFont(previousFont);
}

}  // namespace mervane
