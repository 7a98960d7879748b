#include "render/score_sheet.h"

#include "render/card_table.h"
#include "render/surface.h"

namespace mervane {

namespace {

constexpr std::string_view kTitle = "Score";
constexpr std::string_view kYou = "You";
constexpr std::string_view kTapToContinue = "Tap To Continue";
constexpr int kColumnGap = 16;
constexpr int kWonGameDrop = 20;

Point SheetCentre(const ScoreSheetPlace& place) {
    Point c = place.client.Center();
    // Once the game is won the trophy, "Winner" and the name stand above the sheet.
    if (place.onTable && !place.gameInProgress) c.y += kWonGameDrop;
    return c;
}

// The box is sized from the headings in the bold title font.
Rect SheetBox(Surface& surface, Point c, const std::array<std::string, 3>& names) {
    const int h = surface.MeasureText(kTitle).height;
    int widths = surface.MeasureText(kYou).width;
    for (const std::string& name : names) widths += surface.MeasureText(name).width;
    const int height = 3 * h + 70;
    const int width = widths + 50;
    return {c.x - width / 2, c.y - height / 2, c.x + width / 2, c.y + height / 2};
}

// Left edges of the four columns, from the headings in the label font.
std::array<int, 4> ColumnStarts(Surface& surface, const Rect& box,
                                const std::array<std::string, 3>& names) {
    std::array<int, 4> x{};
    x[0] = box.left + 8;
    x[1] = x[0] + surface.MeasureText(kYou).width + kColumnGap;
    x[2] = x[1] + surface.MeasureText(names[0]).width + kColumnGap;
    x[3] = x[2] + surface.MeasureText(names[1]).width + kColumnGap;
    return x;
}

void DrawTapToContinue(Surface& surface, Point c, const Rect& box) {
    const Color previous = surface.SetTextColor(StatusRed);
    const Size size = surface.MeasureText(kTapToContinue);
    surface.TextOpaque({c.x - size.width / 2, box.bottom - size.height - 3}, kTapToContinue);
    surface.SetTextColor(previous);
}

}  // namespace

void DrawScoreSheet(Surface& surface, const ScoreSheetPlace& place,
                    const std::array<std::string, 3>& names,
                    const std::array<std::int32_t, 4>& scores) {
    std::array<std::string, 4> scoreTexts;
    for (std::size_t i = 0; i < scores.size(); ++i) scoreTexts[i] = std::to_string(scores[i]);

    const Point c = SheetCentre(place);
    const FontSpec previousFont = surface.SelectFont(ScoreTitleFont);
    const Rect box = SheetBox(surface, c, names);
    if (place.onTable) surface.SetBackColor(White);
    surface.Rectangle(box, White);

    const Size title = surface.MeasureText(kTitle);
    surface.TextOpaque({c.x - title.width / 2, box.top + 5}, kTitle);

    surface.SelectFont(LabelFont);
    surface.Line({box.left + 5, box.top + title.height + 10},
                 {box.right - 5, box.top + title.height + 10});

    const std::array<int, 4> x = ColumnStarts(surface, box, names);
    const int headerY = box.top + title.height + 15;
    for (std::size_t i = 1; i < x.size(); ++i)
        surface.Line({x[i] - 8, headerY}, {x[i] - 8, box.bottom - 5});

    surface.TextOpaque({x[0], headerY}, kYou);
    for (std::size_t i = 0; i < names.size(); ++i)
        surface.TextOpaque({x[i + 1], headerY}, names[i]);

    const int nameHeight = surface.MeasureText(names[1]).height;
    surface.Line({box.left + 5, headerY + nameHeight + 5},
                 {box.right - 5, headerY + nameHeight + 5});
    const int scoreY = headerY + nameHeight + 13;
    for (std::size_t i = 0; i < x.size(); ++i) surface.TextOpaque({x[i], scoreY}, scoreTexts[i]);

    if (place.onTable) DrawTapToContinue(surface, c, box);
    surface.SelectFont(previousFont);
}

}  // namespace mervane
