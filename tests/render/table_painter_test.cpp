#include "render/table_painter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "game/game_state.h"
#include "game/translate.h"
#include "render/score_sheet.h"
#include "tests/render/recording_surface.h"

namespace mervane {
namespace {

using ::testing::ElementsAre;
using testing::RecordingSurface;

void Deal(GameState& state, int cards) {
    Card next = 1;
    for (std::size_t seat = 0; seat < state.hands.size(); ++seat) {
        state.hands[seat].SetCapacity(MaxListCards);
        for (int i = 0; i < cards; ++i) state.hands[seat].Add(next++);
        state.table.SetHandSize(PositionOfSeat(static_cast<Seat>(seat)), cards);
    }
}

// A hand in progress: five cards each, the stock left, Top deals.
GameState MidHand() {
    GameState state;
    Deal(state, 5);
    state.playerNames = {"Lea", "Tom", "Rik"};
    state.statusText = {"Your Move?", "Pass", "Draw One", "Skip"};
    state.topCard = 30;
    state.currentSuit = Hearts;
    state.dealer = TopSeat;
    state.gameInProgress = true;
    state.betweenGames = false;
    state.showSplash = false;
    for (int i = 0; i < 21; ++i) state.deck.Draw();
    return state;
}

std::vector<std::string> Lines(const RecordingSurface& surface, std::string_view start) {
    std::vector<std::string> lines;
    for (const std::string& call : surface.Calls())
        if (call.rfind(start, 0) == 0) lines.push_back(call.substr(start.size()));
    return lines;
}

std::vector<int> CopiedIds(const RecordingSurface& surface) {
    std::vector<int> ids;
    for (const std::string& line : Lines(surface, "off: stretch ")) ids.push_back(std::stoi(line));
    return ids;
}

TEST(CardTablePaint, IsComposedOffscreenAndShownWithOneBlockCopy) {
    GameState state = MidHand();
    RecordingSurface window;
    OnDraw(state, window);
    const auto& calls = window.Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls.front(), "create offscreen 240x268");
    EXPECT_EQ(calls[1], "off: fill 0,0,240x268 #9B00");
    EXPECT_EQ(calls.back(), "block copy 0,0 -> 0,0,240x268");
    const auto onWindow = std::count_if(calls.begin(), calls.end(),
                                        [](const std::string& c) { return c.rfind("off: ", 0); });
    EXPECT_EQ(onWindow, 2);
}

TEST(CardTablePaint, DrawsHandsPilesLabelsAndPicturesInTheirOrder) {
    GameState state = MidHand();
    state.choosingSuit = true;
    RecordingSurface window;
    OnDraw(state, window);
    std::vector<int> expected{1, 2, 3, 4, 5};                    // the human, face up
    expected.insert(expected.end(), 15, 54);                     // Left, Top, Right backs
    expected.insert(expected.end(), {54, 54, 54, 30});           // piles
    expected.insert(expected.end(), {146, 147, 148, 145, 155});  // chooser, current suit
    EXPECT_EQ(CopiedIds(window), expected);
    std::vector<std::string> texts = Lines(window, "off: text ");
    std::erase_if(texts, [](const std::string& t) { return t.rfind("colour", 0) == 0; });
    EXPECT_THAT(texts, ElementsAre("154,247 'Your Move?' #C8 on #9B00",
                                   "10,180 'Pass' #C8 on #9B00", "154,10 'Draw One' #C8 on #9B00",
                                   "206,180 'Skip' #C8 on #9B00", "10,57 'Lea' #0 on #9B00",
                                   "51,10 'Tom' #0 on #9B00", "212,57 'Rik' #0 on #9B00"));
    EXPECT_THAT(Lines(window, "off: transparent "),
                ElementsAre("166 0,0,8x7 -> 38,10,8x7 without #FFFFFF"));
    EXPECT_THAT(Lines(window, "off: stretch 148 "), ElementsAre("0,0,24x22 -> 120,164,24x22"));
    EXPECT_THAT(Lines(window, "off: stretch 155 "), ElementsAre("0,0,19x19 -> 1,247,19x19"));
}

TEST(CardTablePaint, HandScoreComesAfterTheMarkerAndBeforeTheSuitPictures) {
    GameState state = MidHand();
    state.showHandScore = true;
    state.choosingSuit = true;
    RecordingSurface window;
    OnDraw(state, window);
    const auto& calls = window.Calls();
    const auto at = [&](std::string_view start) {
        return std::find_if(calls.begin(), calls.end(),
                            [&](const std::string& c) { return c.rfind(start, 0) == 0; });
    };
    EXPECT_LT(at("off: transparent 166"), at("off: rectangle"));
    EXPECT_LT(at("off: rectangle"), at("off: load 146"));
    EXPECT_NE(at("off: text 75,171 'Tap To Continue'"), calls.end());
}

TEST(CardTablePaint, NoSuitPictureBetweenGamesAndNoneForAnUnknownSuit) {
    GameState state = MidHand();
    state.gameInProgress = false;
    RecordingSurface window;
    OnDraw(state, window);
    EXPECT_THAT(Lines(window, "off: load 155"), ::testing::IsEmpty());
    state.gameInProgress = true;
    state.currentSuit = NoSuit;
    window.ClearCalls();
    OnDraw(state, window);
    EXPECT_EQ(CopiedIds(window).back(), 30);
}

TEST(TitlePaint, LoadsThePictureOnceAndCentresA130Block) {
    GameState state;
    RecordingSurface window;
    TitleArt title;
    OnDraw(state, window, title);
    OnDraw(state, window, title);
    EXPECT_THAT(window.Calls(), ElementsAre("load picture 140", "fill 0,0,240x268 #FFFFFF",
                                            "picture -> 55,69,130x130", "fill 0,0,240x268 #FFFFFF",
                                            "picture -> 55,69,130x130"));
    EXPECT_NE(title.Get(), nullptr);
}

TEST(TitlePaint, MissingPictureLeavesPlainWhite) {
    GameState state;
    RecordingSurface window;
    window.missing = {140};
    TitleArt title;
    OnDraw(state, window, title);
    EXPECT_THAT(window.Calls(), ElementsAre("load picture 140", "fill 0,0,240x268 #FFFFFF"));
    EXPECT_EQ(title.Get(), nullptr);
}

// The picture is the painter's until the first deal takes the title away for good.
TEST(TitlePaint, PictureIsLetGoOnceTheTableIsUpAndNeverLoadedAgain) {
    GameState state = MidHand();
    state.showSplash = true;
    RecordingSurface window;
    TitleArt title;
    OnDraw(state, window, title);
    ASSERT_NE(title.Get(), nullptr);
    state.showSplash = false;
    window.ClearCalls();
    OnDraw(state, window, title);
    OnDraw(state, window, title);
    EXPECT_EQ(title.Get(), nullptr);
    EXPECT_THAT(Lines(window, "load picture"), ::testing::IsEmpty());
    EXPECT_THAT(Lines(window, "picture ->"), ::testing::IsEmpty());
}

// A won game's winner screen never wants the title, even before the first deal ends.
TEST(TitlePaint, WinnerScreenLoadsNoTitle) {
    GameState state = MidHand();
    state.showSplash = true;
    state.gameInProgress = false;
    state.betweenGames = state.handOver = true;
    RecordingSurface window;
    TitleArt title;
    OnDraw(state, window, title);
    EXPECT_EQ(title.Get(), nullptr);
    EXPECT_THAT(Lines(window, "load picture"), ::testing::IsEmpty());
}

GameState WonGame(std::array<std::int32_t, 4> scores, Seat winner = HumanSeat) {
    GameState state = MidHand();
    state.gameInProgress = false;
    state.betweenGames = true;
    state.handOver = true;
    state.playTo = 100;
    state.scores = scores;
    state.gameWinner = winner;
    return state;
}

TEST(WinnerPaint, ShowsTrophyWinnerAndNameStraightOnTheWindow) {
    GameState state = WonGame({120, 30, 0, 99});
    RecordingSurface window;
    OnDraw(state, window);
    const auto& calls = window.Calls();
    ASSERT_GE(calls.size(), 12u);
    EXPECT_THAT(
        std::vector<std::string>(calls.begin(), calls.begin() + 12),
        ElementsAre("fill 0,0,240x268 #FFFFFF", "load 164", "stretch 164 0,0,27x32 -> 107,10,27x32",
                    "release 164", "font 15 bold", "text colour #640000", "back colour #FFFFFF",
                    "measure 'Winner'", "text 99,50 'Winner' #640000 on #FFFFFF bold",
                    "text colour #0", "measure 'You'", "text 110,73 'You' #0 on #FFFFFF bold"));
    EXPECT_THAT(Lines(window, "create offscreen"), ::testing::IsEmpty());
    // The sheet stands 20 pixels lower than during a game: its centre is at y 154.
    EXPECT_THAT(Lines(window, "rectangle "), ElementsAre("53,103,134x102 #FFFFFF"));
    EXPECT_EQ(calls.back(), "font 11");
}

// The winner is the seat the game recorded, whatever the scores and the target say now.
TEST(WinnerPaint, NamesTheRecordedWinnerNotWhoeverTheTargetPicks) {
    GameState state = WonGame({10, 30, 100, 150}, TopSeat);
    RecordingSurface window;
    OnDraw(state, window);
    EXPECT_THAT(Lines(window, "text 110,73 "), ElementsAre("'Tom' #0 on #FFFFFF bold"));

    state = WonGame({10, 30, 100, 150}, RightSeat);
    state.playTo = 0;
    RecordingSurface again;
    OnDraw(state, again);
    EXPECT_THAT(Lines(again, "text "), ::testing::Contains(::testing::HasSubstr(",73 'Rik' ")));
    EXPECT_THAT(Lines(again, "text "),
                ::testing::Not(::testing::Contains(::testing::HasSubstr(",73 'You' "))));
}

// With 6 pixels a character (7 in bold) and 11-pixel cells.
TEST(ScoreSheet, OnTheTableBoxesTitleColumnsAndTapToContinue) {
    RecordingSurface surface;
    DrawScoreSheet(surface, {{0, 0, 240, 268}, true, true}, {"Player1", "Player2", "Player3"},
                   {0, 0, 0, 0});
    std::vector<std::string> drawn;
    for (const std::string& call : surface.Calls())
        if (call.rfind("measure", 0) && call.rfind("font", 0)) drawn.push_back(call);
    EXPECT_THAT(
        drawn,
        ElementsAre("back colour #FFFFFF", "rectangle 11,83,218x102 #FFFFFF",
                    "text 103,88 'Score' #0 on #FFFFFF bold", "line 16,104 to 224,104",
                    "line 45,109 to 45,180", "line 103,109 to 103,180", "line 161,109 to 161,180",
                    "text 19,109 'You' #0 on #FFFFFF", "text 53,109 'Player1' #0 on #FFFFFF",
                    "text 111,109 'Player2' #0 on #FFFFFF", "text 169,109 'Player3' #0 on #FFFFFF",
                    "line 16,125 to 224,125", "text 19,133 '0' #0 on #FFFFFF",
                    "text 53,133 '0' #0 on #FFFFFF", "text 111,133 '0' #0 on #FFFFFF",
                    "text 169,133 '0' #0 on #FFFFFF", "text colour #C8",
                    "text 75,171 'Tap To Continue' #C8 on #FFFFFF", "text colour #0"));
    EXPECT_EQ(surface.Calls().back(), "font 11");
}

TEST(ScoreSheet, BoxWidthFollowsTheBoldNamesAndColumnsTheNormalOnes) {
    RecordingSurface surface;
    DrawScoreSheet(surface, {{0, 0, 240, 268}, true, true}, {"Al", "Bartholomew", "C"},
                   {125, 40, -5, 7});
    // Bold: You 21 + 14 + 77 + 7 = 119, so W = 169.
    EXPECT_THAT(Lines(surface, "rectangle "), ElementsAre("36,83,168x102 #FFFFFF"));
    EXPECT_THAT(
        Lines(surface, "text "),
        ::testing::IsSupersetOf({"44,133 '125' #0 on #FFFFFF", "78,133 '40' #0 on #FFFFFF",
                                 "106,133 '-5' #0 on #FFFFFF", "188,133 '7' #0 on #FFFFFF"}));
}

TEST(ScoreSheet, InTheDialogKeepsTheSurfaceColoursAndNeverMoves) {
    RecordingSurface surface;
    DrawScoreSheet(surface, {{0, 0, 200, 300}, false, false}, {"Player1", "Player2", "Player3"},
                   {1, 2, 3, 4});
    EXPECT_THAT(Lines(surface, "back colour"), ::testing::IsEmpty());
    EXPECT_THAT(Lines(surface, "text colour"), ::testing::IsEmpty());
    EXPECT_THAT(Lines(surface, "rectangle "), ElementsAre("-9,99,218x102 #FFFFFF"));
    for (const std::string& text : Lines(surface, "text "))
        EXPECT_EQ(text.find("Tap To Continue"), std::string::npos);
}

// The words of the table in brackets, as a catalogue whose texts are longer than English.
class BracketingCatalogue {
  public:
    BracketingCatalogue() {
        SetTranslator([](std::string_view context, std::string_view source) {
            if (context == "Status" || context == "Table" || context == "Cards")
                return "[" + std::string(source) + "]";
            return std::string(source);
        });
    }
    ~BracketingCatalogue() { SetTranslator({}); }
};

// The text between the quotes of each recorded call that starts with `start`.
std::vector<std::string> Quoted(const RecordingSurface& surface, std::string_view start) {
    std::vector<std::string> texts;
    for (const std::string& line : Lines(surface, start)) {
        const std::size_t from = line.find('\''), to = line.rfind('\'');
        if (from != std::string::npos && to > from)
            texts.push_back(line.substr(from + 1, to - from - 1));
    }
    return texts;
}

TEST(TranslatedPaint, StatusWordsAndSheetWordsAreDrawnAsMeasuredInTheUsersLanguage) {
    const BracketingCatalogue catalogue;
    GameState state = MidHand();
    state.statusText[LeftSeat] = "Hearts";  // the suit an eight named
    state.statusText[TopSeat] = "12";       // a hand's score
    state.showHandScore = true;
    RecordingSurface window;
    OnDraw(state, window);
    const std::vector<std::string> drawn = Quoted(window, "off: text ");
    EXPECT_THAT(drawn,
                ::testing::IsSupersetOf({"[Your Move?]", "[Hearts]", "12", "[Skip]", "Lea", "Tom",
                                         "Rik", "[Score]", "[You]", "[Tap To Continue]"}));
    // The layout places what it measured: each text drawn was measured as drawn.
    const std::vector<std::string> measured = Quoted(window, "off: measure ");
    for (const std::string& text : drawn)
        if (text.front() == '[') {
            EXPECT_THAT(measured, ::testing::Contains(text));
        }
    // The wider bold "[You]" widens the sheet by its two brackets (134 pixels in English).
    EXPECT_THAT(Lines(window, "off: rectangle "), ElementsAre("46,83,148x102 #FFFFFF"));

    RecordingSurface won;
    OnDraw(WonGame({120, 30, 0, 99}), won);
    EXPECT_THAT(won.Calls(),
                ::testing::IsSupersetOf({"measure '[Winner]'",
                                         "text 92,50 '[Winner]' #640000 on #FFFFFF bold",
                                         "measure '[You]'"}));
}

}  // namespace
}  // namespace mervane
