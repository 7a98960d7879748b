// The Sharp table's painter over a recording surface, and its colours on every table
// colour a player can mix.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "render/pictures.h"
#include "render/sharp_table_draw.h"
#include "tests/render/recording_surface.h"

namespace mervane {
namespace {

using testing::RecordingSurface;
using testing::Str;

// The colour dialog mixes any red, green and blue from 0 to 255: every fifth level of
// each, both ends included, and every grey.
TEST(SharpTableColours, TextOnPlatesAndCalloutsReadsOnEveryTableColour) {
    double worst = 100;
    Color worstColour = 0;
    const auto check = [&](Color table) {
        const SharpPalette p = PaletteFor(table);
        const double least =
            std::min({ContrastRatio(p.plateInk, p.plate), ContrastRatio(p.calloutInk, p.callout),
                      ContrastRatio(p.refusalInk, p.refusal)});
        if (least < worst) worst = least, worstColour = table;
    };
    constexpr int kLevelStep = 5;
    for (int r = 0; r < 256; r += kLevelStep)
        for (int g = 0; g < 256; g += kLevelStep)
            for (int b = 0; b < 256; b += kLevelStep) check(MakeColor(r, g, b));
    for (int grey = 0; grey < 256; ++grey) check(MakeColor(grey, grey, grey));
    EXPECT_GE(worst, SharpTextContrast) << "on " << RecordingSurface::Hex(worstColour);
    EXPECT_GE(
        ContrastRatio(PaletteFor(DefaultTableColor).plateInk, PaletteFor(DefaultTableColor).plate),
        SharpTextContrast);
    // The ratio's own ends, so that a wrong luminance cannot pass unseen.
    EXPECT_NEAR(ContrastRatio(White, Black), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(MakeColor(118, 118, 118), White), 4.54, 0.01);
}

struct SharpDraw : ::testing::Test {
    SharpDraw() {
        const int sizes[] = {9, 4, 6, 12};  // by seat
        Card next = 1;
        for (Seat seat = 0; seat < SeatCount; ++seat) {
            CardList& hand = state.hands[static_cast<std::size_t>(seat)];
            hand.SetCapacity(MaxListCards);
            for (int i = 0; i < sizes[seat]; ++i) hand.Add(next++);
        }
        state.topCard = next;
        state.gameInProgress = true;
        SharpCounts counts;
        for (Seat seat = 0; seat < SeatCount; ++seat)
            counts.handSize[static_cast<std::size_t>(PositionOfSeat(seat) - 1)] =
                state.hands[static_cast<std::size_t>(seat)].Count();
        layout = LayOutSharpTable({1280, 720}, counts);
    }
    bool Drew(const std::string& line) const {
        const auto& calls = surface.Calls();
        return std::find(calls.begin(), calls.end(), line) != calls.end();
    }
    // Where a text was drawn, or {-1, -1}.
    Point TextAt(const std::string& text) const {
        for (const std::string& call : surface.Calls()) {
            if (call.rfind("text ", 0) != 0 || call.find(" '" + text + "' ") == std::string::npos)
                continue;
            const std::size_t comma = call.find(',');
            return {std::stoi(call.substr(5)), std::stoi(call.substr(comma + 1))};
        }
        return {-1, -1};
    }

    // The rounded fills in `colour` that hold `inner` whole.
    int RoundedAround(Rect inner, Color colour) const {
        int found = 0;
        for (const std::string& call : surface.Calls()) {
            if (call.rfind("rounded ", 0) != 0 ||
                call.substr(call.rfind(' ') + 1) != RecordingSurface::Hex(colour))
                continue;
            int l = 0, t = 0, w = 0, h = 0;
            if (std::sscanf(call.c_str(), "rounded %d,%d,%dx%d", &l, &t, &w, &h) != 4) continue;
            const Rect r{l, t, l + w, t + h};
            if (r.left <= inner.left && r.top <= inner.top && inner.right <= r.right &&
                inner.bottom <= r.bottom && !(r == inner))
                ++found;
        }
        return found;
    }

    GameState state;
    SharpTable layout;
    RecordingSurface surface{{1280, 720}};
};

TEST_F(SharpDraw, FacesLieAtTheirRectanglesAndEachPlateCountsItsHand) {
    DrawSharpTable(state, layout, {}, {}, surface);
    const CardList& hand = state.hands[HumanSeat];
    for (int i = 0; i < hand.Count(); ++i)
        EXPECT_TRUE(Drew("stretch " + std::to_string(FacePicture(hand[i])) + " 0,0,29x41 -> " +
                         Str(layout.Seat(Bottom).cards[static_cast<std::size_t>(i)])))
            << "card " << i;
    const std::string back = "stretch " + std::to_string(BackPicture(state.table.cardBackId)) +
                             " 0,0,29x41 -> " + Str(layout.Seat(Right).cards.back());
    EXPECT_TRUE(Drew(back));
    for (Seat seat = 0; seat < SeatCount; ++seat) {
        const int count = state.hands[static_cast<std::size_t>(seat)].Count();
        EXPECT_TRUE(layout.Seat(PositionOfSeat(seat)).plate.Contains(TextAt(std::to_string(count))))
            << "seat " << seat;
    }
    // The suit boxes only while a suit is named.
    EXPECT_FALSE(Drew("stretch " + std::to_string(bitmap::SuitButtonHearts) + " 0,0,29x41 -> " +
                      Str(layout.suitBoxes[0])));
}

TEST_F(SharpDraw, TrainingShowsTheComputersFacesAndTheHumansTurnIsRinged) {
    state.trainingMode = 1;
    state.humanTurn = true;
    state.statusText[HumanSeat] = "Your Move?";
    state.statusText[TopSeat] = "Thinking...";
    EXPECT_EQ(HighlightedSeat(state), HumanSeat);
    DrawSharpTable(state, layout, {}, {}, surface);
    const Card firstOfTop = state.hands[TopSeat][0];
    EXPECT_TRUE(Drew("stretch " + std::to_string(FacePicture(firstOfTop)) + " 0,0,29x41 -> " +
                     Str(layout.Seat(Top).cards[0])));
    const Color ring = PaletteFor(state.table.tableColor).ring;
    EXPECT_EQ(RoundedAround(layout.Seat(Bottom).plate, ring), 1);
    EXPECT_EQ(RoundedAround(layout.Seat(Top).plate, ring), 0);
    state.statusText[HumanSeat] = "Skip";
    EXPECT_EQ(HighlightedSeat(state), TopSeat) << "the human's card is down";
    state.humanTurn = false;
    EXPECT_EQ(HighlightedSeat(state), TopSeat);
    state.statusText[TopSeat] = "Pass";
    EXPECT_EQ(HighlightedSeat(state), NoSeat);
}

TEST_F(SharpDraw, TheKeysRingTheirCardPlayableCardsRiseAndAnEmptyChoiceRingsThePack) {
    state.statusText[HumanSeat] = "Your Move?";
    CardList& hand = state.hands[HumanSeat];
    hand.Clear();
    for (const Card card : {MakeCard(3, Clubs), MakeCard(4, Diamonds), MakeCard(5, Clubs),
                            MakeCard(9, Spades), MakeCard(King, Clubs), MakeCard(7, Diamonds),
                            MakeCard(2, Clubs), MakeCard(11, Diamonds), MakeCard(6, Clubs)})
        hand.Add(card);
    state.humanTurn = true;
    state.topCard = MakeCard(9, Hearts);
    state.currentSuit = Hearts;
    const Color ring = PaletteFor(state.table.tableColor).ring;
    const std::vector<Rect>& cards = layout.Seat(Bottom).cards;
    DrawSharpTable(state, layout, {}, TableMarks{.focusedCard = 2, .showPlayable = true}, surface);
    EXPECT_EQ(RoundedAround(cards[2], ring), 1) << "the keyboard's card";
    EXPECT_EQ(RoundedAround(cards[3], ring), 0);
    const auto drawnAt = [&](int i) {
        return Drew("stretch " + std::to_string(FacePicture(hand[i])) + " 0,0,29x41 -> " +
                    Str(cards[static_cast<std::size_t>(i)]));
    };
    EXPECT_FALSE(drawnAt(3)) << "the 9 follows the 9: raised";
    EXPECT_TRUE(drawnAt(4));
    EXPECT_EQ(RoundedAround(layout.pack, ring), 0) << "a card can be played";

    surface.ClearCalls();
    state.topCard = MakeCard(Queen, Hearts);
    DrawSharpTable(state, layout, {}, {}, surface);
    EXPECT_EQ(RoundedAround(layout.pack, ring), 1) << "nothing to play: the pack is the move";
    state.humanTurn = false;
    surface.ClearCalls();
    DrawSharpTable(state, layout, {}, {}, surface);
    EXPECT_EQ(RoundedAround(layout.pack, ring), 0) << "only at the human's move";
}

}  // namespace
}  // namespace mervane
