#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "cards/card_deck.h"

namespace mervane {
namespace {

struct RecordingAlerts final : Alerts {
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};

bool IsPermutationOfPack(const CardDeck& deck) {
    std::vector<Card> cards(deck.Cards().begin(), deck.Cards().end());
    std::sort(cards.begin(), cards.end());
    std::vector<Card> pack(52);
    std::iota(pack.begin(), pack.end(), 1);
    return cards == pack;
}

TEST(CrtRandom, FollowsItsReferenceSequence) {
    CrtRandom random;
    random.Seed(1);
    EXPECT_EQ(random.Next(), 41);
    EXPECT_EQ(random.Next(), 18467);
    EXPECT_EQ(random.Next(), 6334);
    EXPECT_EQ(random.Next(), 26500);
}

TEST(ShuffleSeed, LeavesOutZeroFactors) {
    EXPECT_EQ(CardDeck::ShuffleSeed(1, {7, 2, 0, 0, 0}), 21u);
    EXPECT_EQ(CardDeck::ShuffleSeed(3, {25, 11, 14, 30, 15}), 5'670'000u);
}

TEST(ShuffleSeed, WrapsModulo2To32) {
    EXPECT_EQ(CardDeck::ShuffleSeed(200, {31, 11, 23, 59, 59}), 1'661'719'904u);
}

TEST(CardDeckShuffle, EachShuffleSeedsWithTheNextCounter) {
    CardDeck deck;
    FixedClock clock({7, 2, 0, 0, 0});
    CrtRandom random;
    RecordingAlerts alerts;
    EXPECT_EQ(deck.ShuffleCount(), 1);
    deck.Shuffle(clock, random, alerts);
    EXPECT_EQ(deck.ShuffleCount(), 2);
    const auto first = deck.Cards();
    deck.Shuffle(clock, random, alerts);
    EXPECT_NE(deck.Cards(), first) << "two shuffles in the same second must differ";

    CardDeck again;
    CrtRandom seeded;
    again.Shuffle(clock, seeded, alerts);
    EXPECT_EQ(again.Cards(), first);
    EXPECT_TRUE(alerts.messages.empty());
}

// Pins the order that seed 21 (7 March, 00:00:00, first shuffle) gives.
TEST(CardDeckShuffle, SeedGivesOneFixedOrder) {
    CardDeck deck;
    CrtRandom random;
    RecordingAlerts alerts;
    deck.Shuffle(FixedClock({7, 2, 0, 0, 0}), random, alerts);
    const std::array<Card, 52> expected = {27, 41, 14, 23, 46, 2,  28, 45, 30, 12, 13, 24, 7,
                                           21, 5,  31, 39, 1,  20, 11, 34, 26, 18, 40, 49, 36,
                                           33, 44, 38, 4,  48, 32, 47, 16, 35, 37, 51, 43, 22,
                                           50, 15, 42, 17, 29, 8,  3,  52, 6,  9,  19, 10, 25};
    EXPECT_EQ(deck.Cards(), expected);
}

TEST(CardDeckShuffle, AlwaysAPermutationWithNothingDealt) {
    CardDeck deck;
    CrtRandom random;
    RecordingAlerts alerts;
    for (int day = 1; day <= 31; ++day) {
        for (int second = 0; second < 60; second += 7) {
            FixedClock clock({day, day % 12, day % 24, 59 - second, second});
            deck.Shuffle(clock, random, alerts);
            ASSERT_TRUE(IsPermutationOfPack(deck));
            ASSERT_EQ(deck.DrawPos(), 0);
        }
    }
}

TEST(CardDeckDraw, FiftyTwoCardsThenNoCard) {
    CardDeck deck;
    for (int i = 0; i < 52; ++i) EXPECT_EQ(deck.Draw(), i + 1);
    EXPECT_EQ(deck.Draw(), NoCard);
    EXPECT_EQ(deck.Draw(), NoCard);
    EXPECT_EQ(deck.DrawPos(), 52);
    EXPECT_TRUE(deck.Empty());
}

TEST(CardDeckRefill, RestoresValueOrderAndKeepsTheCounter) {
    CardDeck deck;
    CrtRandom random;
    RecordingAlerts alerts;
    deck.Shuffle(FixedClock({3, 3, 3, 3, 3}), random, alerts);
    deck.Draw();
    deck.Refill();
    EXPECT_EQ(deck.DrawPos(), 0);
    EXPECT_EQ(deck.ShuffleCount(), 2);
    for (int i = 0; i < 52; ++i) EXPECT_EQ(deck.At(i), i + 1);
}

}  // namespace
}  // namespace mervane
