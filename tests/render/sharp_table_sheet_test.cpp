// Mid-game tables of the Sharp look at common window sizes, written as pictures for
// looking at: MERVANE_SHARP_TABLES=<folder> writes <scene>-<width>x<height>.png there,
// drawn with the real surface and the default installed deck, if any.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/table_story.h"
#include "render/card_decks.h"
#include "render/sharp_sheet_draw.h"
#include "render/sharp_surface.h"
#include "render/sharp_table_draw.h"

namespace mervane {
namespace {

// A table in play: hands of the given sizes (by seat) dealt from a fixed order, the
// human to move, the pack half gone.
GameState MidGame(std::array<int, SeatCount> sizes, Card top) {
    GameState state;
    int next = 0;
    const auto deal = [&next, top] {
        Card card = NoCard;
        do card = (next++ * 11) % CardsInPack + 1;
        while (card == top);
        return card;
    };
    for (Seat seat = 0; seat < SeatCount; ++seat) {
        CardList& hand = state.hands[static_cast<std::size_t>(seat)];
        hand.SetCapacity(MaxListCards);
        for (int i = 0; i < sizes[static_cast<std::size_t>(seat)]; ++i) hand.Add(deal());
    }
    std::array<Card, CardsInPack> order{};
    for (int i = 0; i < CardsInPack; ++i) order[static_cast<std::size_t>(i)] = i + 1;
    state.deck.Arrange(order, 30);
    state.playerNames = {"Amelia", "Bartholomew", "Chen"};
    state.scores = {34, 12, 57, 0};
    state.dealer = TopSeat;
    state.topCard = top;
    state.currentSuit = SuitOf(top);
    state.gameInProgress = true;
    state.betweenGames = false;
    state.showSplash = false;
    state.humanTurn = true;
    state.rules.advanced = true;
    return state;
}

struct Scene {
    std::string name;
    GameState state;
    // The events the table's story heard, in order.
    std::function<void(TableStory&)> story;
    TableMarks marks{};
};

std::vector<Scene> Scenes() {
    std::vector<Scene> scenes;
    {
        GameState s = MidGame({7, 5, 8, 6}, MakeCard(Ace, Clubs));
        s.reversed = true;
        scenes.push_back({"advanced", s, [](TableStory& t) {
                              t.CardPlayed(RightSeat, MakeCard(Ace, Clubs));
                              t.DirectionChanged(true);
                          }});
    }
    {
        GameState s = MidGame({6, 9, 4, 5}, MakeCard(2, Hearts));
        s.humanTurn = false;
        s.statusText[TopSeat] = "Thinking...";
        scenes.push_back({"draw-two", s, [](TableStory& t) {
                              t.CardPlayed(HumanSeat, MakeCard(2, Hearts));
                              t.DrawTwoTaken(LeftSeat, 2);
                              t.CardDrawn(LeftSeat, 5);
                              t.CardDrawn(LeftSeat, 6);
                          }});
    }
    {
        GameState s = MidGame({5, 6, 7, 3}, MakeCard(Queen, Spades));
        scenes.push_back({"skip", s, [](TableStory& t) {
                              t.CardPlayed(RightSeat, MakeCard(Queen, Spades));
                              t.SeatSkipped(LeftSeat);
                          }});
    }
    {
        GameState s = MidGame({11, 4, 6, 9}, MakeCard(5, Clubs));
        s.currentSuit = Clubs;
        scenes.push_back({"refusal", s, [](TableStory& t) {
                              t.TapRefused(MakeCard(9, Hearts), MakeCard(5, Clubs), Clubs);
                          }});
    }
    {
        GameState s = MidGame({8, 3, 10, 6}, MakeCard(Eight, Clubs));
        s.currentSuit = Hearts;
        s.table.tableColor = MakeColor(225, 215, 150);  // a pale table: dark text
        scenes.push_back({"eight", s, [](TableStory& t) {
                              t.CardPlayed(TopSeat, MakeCard(Eight, Clubs));
                              t.SuitNamed(Hearts);
                          }});
    }
    {
        GameState s = MidGame({6, 7, 5, 8}, MakeCard(Eight, Diamonds));
        s.choosingSuit = true;
        scenes.push_back({"choose-suit", s, [](TableStory& t) {
                              t.CardPlayed(HumanSeat, MakeCard(Eight, Diamonds));
                          }});
    }
    {
        GameState s = MidGame({22, 13, 2, 15}, MakeCard(7, Spades));
        s.trainingMode = 1;
        s.table.tableColor = MakeColor(30, 60, 120);
        scenes.push_back({"long-hand-training", s, [](TableStory&) {}});
    }
    {
        GameState s = MidGame({9, 5, 6, 7}, MakeCard(6, Diamonds));
        scenes.push_back({"keys-and-playable", s, [](TableStory&) {},
                          TableMarks{.focusedCard = 3, .showPlayable = true}});
    }
    {
        GameState s = MidGame({3, 5, 6, 7}, MakeCard(5, Spades));
        scenes.push_back({"nothing-to-play", s, [](TableStory&) {}});
        s = MidGame({7, 7, 7, 7}, MakeCard(4, Spades));
        scenes.push_back({"deal-half-way", s, [](TableStory&) {}, TableMarks{.deal = 0.5}});
    }
    return scenes;
}

SharpCounts CountsOf(const GameState& state) {
    SharpCounts counts;
    for (Seat seat = 0; seat < SeatCount; ++seat)
        counts.handSize[static_cast<std::size_t>(PositionOfSeat(seat) - 1)] =
            state.hands[static_cast<std::size_t>(seat)].Count();
    return counts;
}

std::unique_ptr<CardFaceRenderer> InstalledDeck() {
    const std::vector<DeckInfo> decks = FindCardDecks();
    const QString id = DefaultDeckId(decks);
    for (const DeckInfo& deck : decks)
        if (deck.id == id) {
            auto faces = std::make_unique<CardFaceRenderer>(deck.svgPath);
            faces->Preload();
            return faces;
        }
    return nullptr;
}

TEST(SharpTableSheet, WritesTheTablesWhenAsked) {
    const char* out = std::getenv("MERVANE_SHARP_TABLES");
    if (!out) GTEST_SKIP() << "set MERVANE_SHARP_TABLES to a folder to write the tables";
    const QDir folder(QString::fromLocal8Bit(out));
    ASSERT_TRUE(folder.mkpath("."));
    const std::unique_ptr<CardFaceRenderer> faces = InstalledDeck();
    const Size windows[] = {{1920, 1080}, {1280, 720}, {800, 600}, {640, 480}, {1080, 1920}};
    for (Scene& scene : Scenes()) {
        constexpr std::int64_t kShownAt = 100;  // early in every callout's life
        TableStory story(scene.state, [] { return std::int64_t{0}; });
        scene.story(story);
        const TableCallouts callouts = story.At(kShownAt);
        for (const Size window : windows) {
            SharpSurface surface(window, 1.0, 1.0, faces.get());
            DrawSharpTable(scene.state, LayOutSharpTable(window, CountsOf(scene.state)), callouts,
                           scene.marks, surface);
            const QString name = QString("%1-%2x%3.png")
                                     .arg(QString::fromStdString(scene.name))
                                     .arg(window.width)
                                     .arg(window.height);
            ASSERT_TRUE(surface.OwnImage()->save(folder.filePath(name))) << name.toStdString();
        }
    }
}

// A hand's score sheet and the winner screen on a light and a dark table, with a game
// of a few hands and one too long for the smaller windows.
TEST(SharpTableSheet, WritesTheScoreSheetsWhenAsked) {
    const char* out = std::getenv("MERVANE_SHARP_TABLES");
    if (!out) GTEST_SKIP() << "set MERVANE_SHARP_TABLES to a folder to write the sheets";
    const QDir folder(QString::fromLocal8Bit(out));
    ASSERT_TRUE(folder.mkpath("."));
    const auto game = [](int hands, Color table, Seat winner) {
        SharpSheetData data;
        data.names = {"You", "Amelia", "Bartholomew", "Chen"};
        data.tableColor = table;
        data.goOnLine = true;
        data.gameWinner = winner;
        for (int i = 0; i < hands; ++i) {
            HandScore hand{.winner = (i * 7 + 3) % SeatCount};
            hand.points[static_cast<std::size_t>(hand.winner)] = 4 + (i * 37) % 60;
            data.totals[static_cast<std::size_t>(hand.winner)] +=
                hand.points[static_cast<std::size_t>(hand.winner)];
            data.hands.push_back(hand);
        }
        return data;
    };
    const std::pair<const char*, SharpSheetData> sheets[] = {
        {"sheet-dark", game(4, DefaultTableColor, NoSeat)},
        {"sheet-light", game(4, MakeColor(225, 215, 150), NoSeat)},
        {"sheet-long-dark", game(24, MakeColor(30, 60, 120), NoSeat)},
        {"winner-dark", game(7, DefaultTableColor, LeftSeat)},
        {"winner-light", game(7, MakeColor(225, 215, 150), HumanSeat)},
        {"winner-long-light", game(30, MakeColor(240, 240, 240), RightSeat)},
    };
    const Size windows[] = {{1920, 1080}, {640, 480}, {1080, 1920}};
    for (const auto& [scene, data] : sheets)
        for (const Size window : windows) {
            SharpSurface surface(window, 1.0, 1.0, nullptr);
            DrawSharpSheet(data, surface);
            const QString name =
                QString("%1-%2x%3.png").arg(scene).arg(window.width).arg(window.height);
            ASSERT_TRUE(surface.OwnImage()->save(folder.filePath(name))) << name.toStdString();
        }
}

}  // namespace
}  // namespace mervane
