#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>

#include "render/score_sheet.h"
#include "tests/render/recording_surface.h"

namespace mervane {
namespace {

using ::testing::ElementsAre;
using testing::RecordingSurface;

struct DrawnText {
    int x, y;
    std::string text;
};

// The sheet as recorded: its box, its vertical rules and its texts.
struct DrawnSheet {
    explicit DrawnSheet(const RecordingSurface& surface) {
        const std::regex rectangle(R"(rectangle (-?\d+),(-?\d+),(\d+)x(\d+) .*)");
        const std::regex text(R"(text (-?\d+),(-?\d+) '(.*)' #.*)");
        const std::regex rule(R"(line (-?\d+),(-?\d+) to (-?\d+),(-?\d+))");
        std::smatch m;
        for (const std::string& call : surface.Calls()) {
            if (std::regex_match(call, m, rectangle)) {
                left = std::stoi(m[1]);
                right = left + std::stoi(m[3]);
            } else if (std::regex_match(call, m, text)) {
                texts.push_back({std::stoi(m[1]), std::stoi(m[2]), m[3]});
            } else if (std::regex_match(call, m, rule) && m[1] == m[3]) {
                rules.push_back(std::stoi(m[1]));
            }
        }
    }
    // The texts drawn at height y, in the order drawn.
    std::vector<DrawnText> Row(int y) const {
        std::vector<DrawnText> row;
        for (const DrawnText& t : texts)
            if (t.y == y) row.push_back(t);
        return row;
    }

    int left = 0, right = 0;
    std::vector<int> rules;
    std::vector<DrawnText> texts;
};

int TextWidth(const std::string& text) {
    return RecordingSurface::TextSize(text, LabelFont).width;
}

// Every column and every score shows inside the window, each text stays left of the
// next column's rule (or the border), and names are only ever cut, at a whole
// character.
void ExpectSheetFits(int windowWidth, const std::array<std::string, 3>& names,
                     const std::array<std::int32_t, 4>& scores) {
    SCOPED_TRACE("window " + std::to_string(windowWidth) + ", names " + names[0] + " " + names[1] +
                 " " + names[2] + ", score " + std::to_string(scores[0]));
    RecordingSurface surface;
    DrawScoreSheet(surface, {{0, 0, windowWidth, 268}, true, true}, names, scores);
    const DrawnSheet sheet(surface);
    EXPECT_GE(sheet.left, 0);
    EXPECT_LE(sheet.right, windowWidth);
    ASSERT_EQ(sheet.rules.size(), 3u);

    const std::vector<DrawnText> headings = sheet.Row(sheet.texts[1].y);
    const std::vector<DrawnText> scoreRow = sheet.Row(headings[0].y + 24);
    ASSERT_EQ(headings.size(), 4u);
    ASSERT_EQ(scoreRow.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const int end = i < 3 ? sheet.rules[i] : sheet.right - 1;
        EXPECT_EQ(scoreRow[i].text, std::to_string(scores[i]));
        EXPECT_EQ(scoreRow[i].x, headings[i].x) << "column " << i;
        EXPECT_GT(scoreRow[i].x, i ? sheet.rules[i - 1] : sheet.left) << "column " << i;
        EXPECT_LE(scoreRow[i].x + TextWidth(scoreRow[i].text), end - 2) << "column " << i;
        EXPECT_LE(headings[i].x + TextWidth(headings[i].text), end) << "column " << i;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string& shown = headings[i + 1].text;
        EXPECT_EQ(names[i].rfind(shown, 0), 0u) << shown << " is not a start of " << names[i];
        if (shown.size() < names[i].size()) {
            EXPECT_NE(static_cast<unsigned char>(names[i][shown.size()]) & 0xC0, 0x80)
                << "cut inside a character";
        }
    }
}

// 7 pixels a bold character: ten W's make a sheet of 50 + 21 + 3 x 70 = 281 pixels.
TEST(ScoreSheetFit, WideNamesAreCutToTheirColumnsSoTheSheetFitsTheTable) {
    RecordingSurface surface;
    const std::string wide(10, 'W');
    DrawScoreSheet(surface, {{0, 0, 240, 268}, true, true}, {wide, wide, wide}, {5, 10, 15, 20});
    // 240 - 71 leaves 56 bold pixels, eight characters, a name.
    std::vector<std::string> drawn;
    for (const std::string& call : surface.Calls())
        if (call.rfind("rectangle", 0) == 0 ||
            (call.rfind("text ", 0) == 0 && call.rfind("text colour", 0) != 0) ||
            call.rfind("line", 0) == 0)
            drawn.push_back(call);
    EXPECT_THAT(
        drawn,
        ElementsAre("rectangle 1,83,238x102 #FFFFFF", "text 103,88 'Score' #0 on #FFFFFF bold",
                    "line 6,104 to 234,104", "line 35,109 to 35,180", "line 99,109 to 99,180",
                    "line 163,109 to 163,180", "text 9,109 'You' #0 on #FFFFFF",
                    "text 43,109 'WWWWWWWW' #0 on #FFFFFF", "text 107,109 'WWWWWWWW' #0 on #FFFFFF",
                    "text 171,109 'WWWWWWWW' #0 on #FFFFFF", "line 6,125 to 234,125",
                    "text 9,133 '5' #0 on #FFFFFF", "text 43,133 '10' #0 on #FFFFFF",
                    "text 107,133 '15' #0 on #FFFFFF", "text 171,133 '20' #0 on #FFFFFF",
                    "text 75,171 'Tap To Continue' #C8 on #FFFFFF"));
}

// Scores wider than their headings widen their columns, and the box with them.
TEST(ScoreSheetFit, LongScoresUnderShortNamesKeepClearOfTheNextRule) {
    RecordingSurface surface;
    DrawScoreSheet(surface, {{0, 0, 240, 268}, true, true}, {"A", "B", "C"},
                   {12345, 12345, 12345, 12345});
    const DrawnSheet sheet(surface);
    // Columns of 30 - 6 = 24: texts at 8, 48, 88 and 128 from the box's left edge, and
    // the last score's 30 pixels and 2 clear ones before the border at 161.
    EXPECT_EQ(sheet.right - sheet.left, 162);
    EXPECT_THAT(sheet.rules, ElementsAre(sheet.left + 40, sheet.left + 80, sheet.left + 120));
    ExpectSheetFits(240, {"A", "B", "C"}, {12345, 12345, 12345, 12345});
}

TEST(ScoreSheetFit, EveryColumnAndScoreShowsWhateverTheNamesAndWindow) {
    const std::string wide(10, 'W');
    const std::string cyrillic = "aЖЖЖЖЖЖЖЖЖ";  // two bytes a character after the first
    for (int width : {240, 200, 170}) {
        ExpectSheetFits(width, {wide, wide, wide}, {0, 0, 0, 0});
        ExpectSheetFits(width, {wide, "B", wide}, {-125, 40, 0, 300});
        ExpectSheetFits(width, {cyrillic, cyrillic, cyrillic}, {1, 2, 3, 4});
        ExpectSheetFits(width, {"A", "B", "C"}, {12345, -1234, 99999, 12345});
        ExpectSheetFits(width, {"Player1", "Player2", "Player3"}, {500, 500, 500, 500});
        ExpectSheetFits(width, {std::string(300, 'x'), "", "Top"}, {0, 1, 2, 3});
    }
}

// One short name stays whole while the long ones are cut to one width.
TEST(ScoreSheetFit, ShortNamesStayWholeWhenOthersAreCut) {
    RecordingSurface surface;
    const std::string wide(10, 'W');
    DrawScoreSheet(surface, {{0, 0, 200, 268}, true, true}, {wide, "Al", wide}, {0, 0, 0, 0});
    const DrawnSheet sheet(surface);
    const std::vector<DrawnText> headings = sheet.Row(sheet.texts[1].y);
    // 200 - 71 - 14 leaves 115 bold pixels, 57 a long name: eight characters.
    ASSERT_THAT(headings, ::testing::SizeIs(4));
    EXPECT_EQ(headings[1].text, "WWWWWWWW");
    EXPECT_EQ(headings[2].text, "Al");
    EXPECT_EQ(headings[3].text, "WWWWWWWW");
}

// The Score dialog can be widened by its user: names stay whole there, but scores
// still keep clear of the next rule.
TEST(ScoreSheetFit, TheDialogNeverCutsNames) {
    RecordingSurface surface;
    const std::string wide(10, 'W');
    DrawScoreSheet(surface, {{0, 0, 240, 268}, false, true}, {wide, "B", wide}, {0, 0, 12345, 0});
    const DrawnSheet sheet(surface);
    const std::vector<DrawnText> headings = sheet.Row(sheet.texts[1].y);
    ASSERT_THAT(headings, ::testing::SizeIs(4));
    EXPECT_EQ(headings[1].text, wide);
    EXPECT_EQ(headings[3].text, wide);
    EXPECT_LE(headings[2].x + TextWidth("12345"), sheet.rules[2] - 2);
}

}  // namespace
}  // namespace mervane
