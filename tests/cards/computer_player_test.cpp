#include <gtest/gtest.h>

#include <random>

#include "cards/computer_player.h"
#include "cards/rules.h"
#include "tests/cards/card_text.h"

namespace mervane {
namespace {

CardList Hand(std::initializer_list<Card> cards) {
    CardList hand;
    hand.SetCapacity(52);
    for (Card c : cards) hand.Add(c);
    return hand;
}

struct Choice {
    Card card;
    Suit named;
    CardList handAfter;
};

Choice Choose(CardList hand, Card top, Suit current) {
    Suit named = NoSuit;
    const Card card = ChooseComputerPlay(hand, RankOf(top), current, named);
    return {card, named, hand};
}

constexpr Card NineOfClubs = 9;

TEST(ChooseComputerPlay, MovesIntoTheLongestSuitOnTheTopRank) {
    const auto choice = Choose(Hand({2, 35, 37, 30}), NineOfClubs, Clubs);
    EXPECT_EQ(choice.card, 35);  // 9 of Hearts
    EXPECT_EQ(choice.named, Hearts);
    EXPECT_EQ(choice.handAfter, Hand({2, 37, 30}));
}

TEST(ChooseComputerPlay, OtherwiseTheHighestOfTheCurrentSuit) {
    EXPECT_EQ(Choose(Hand({2, 37, 30, 31}), NineOfClubs, Clubs).card, 2);
    EXPECT_EQ(Choose(Hand({3, 11, 7, 28}), NineOfClubs, Clubs).card, 11);  // Jack above 7 and 3
}

TEST(ChooseComputerPlay, WithTheLongestSuitCurrentPlaysItsHighest) {
    // Hearts is current and longest; the 9 of Clubs matching rank 9 is not taken.
    EXPECT_EQ(Choose(Hand({9, 30, 39, 29}), 35, Hearts).card, 39);
}

TEST(ChooseComputerPlay, RankMatchGoesToTheBetterHeldSuit) {
    EXPECT_EQ(Choose(Hand({48, 22, 42, 20}), NineOfClubs, Clubs).card, 48);  // tie: first
    const auto choice = Choose(Hand({22, 48, 42, 25, 20}), NineOfClubs, Clubs);
    EXPECT_EQ(choice.card, 22);  // Diamonds 3 beat Spades 2
    EXPECT_EQ(choice.named, Diamonds);
}

TEST(ChooseComputerPlay, EightsComeLastAndNameTheLongestSuit) {
    auto choice = Choose(Hand({47, 28, 31}), NineOfClubs, Clubs);
    EXPECT_EQ(choice.card, 47);
    EXPECT_EQ(choice.named, Hearts);
    choice = Choose(Hand({47, 29}), NineOfClubs, Clubs);
    EXPECT_EQ(choice.card, 47);
    EXPECT_EQ(choice.named, Hearts);  // one each: Hearts wins the tie
}

TEST(ChooseComputerPlay, ALoneEightNamesItsOwnSuit) {
    const auto choice = Choose(Hand({8}), 20, Diamonds);
    EXPECT_EQ(choice.card, 8);
    EXPECT_EQ(choice.named, Clubs);
    EXPECT_TRUE(choice.handAfter.Empty());
}

TEST(ChooseComputerPlay, FirstEightInHandOrderAndTieOrderForItsSuit) {
    const auto choice = Choose(Hand({21, 47}), 5, Clubs);
    EXPECT_EQ(choice.card, 21);
    EXPECT_EQ(choice.named, Diamonds);
}

TEST(ChooseComputerPlay, NothingLegalLeavesTheHandAlone) {
    const CardList hand = Hand({28, 30, 39});  // hearts only; 8 of Hearts on top, Spades named
    const auto choice = Choose(hand, 34, Spades);
    EXPECT_EQ(choice.card, NoCard);
    EXPECT_EQ(choice.handAfter, hand);
}

TEST(LongestSuit, TiesGoHeartsDiamondsClubsSpades) {
    EXPECT_EQ(LongestSuit(Hand({})), Hearts);
    EXPECT_EQ(LongestSuit(Hand({40, 1})), Clubs);
    EXPECT_EQ(LongestSuit(Hand({40, 14, 1})), Diamonds);
    EXPECT_EQ(LongestSuit(Hand({40, 41, 1})), Spades);
}

TEST(TakeRankInSuit, RefusesEightsAndOtherSuits) {
    CardList hand = Hand({8, 21, 34});
    Card taken = NoCard;
    EXPECT_FALSE(TakeRankInSuit(hand, 8, taken));
    CardList other = Hand({22, 28, 30});  // 9 of Diamonds, Hearts longest
    EXPECT_FALSE(TakeRankInSuit(other, 9, taken));
    EXPECT_EQ(other.Count(), 3);
}

TEST(TakeHighestOfSuit, SkipsEightsAndKeepsTheOrderOfTheRest) {
    CardList hand = Hand({13, 8, 5, 40});
    EXPECT_EQ(TakeHighestOfSuit(hand, Clubs), 13);
    EXPECT_EQ(hand, Hand({8, 5, 40}));
    EXPECT_EQ(TakeHighestOfSuit(hand, Clubs), 5);
    EXPECT_EQ(TakeHighestOfSuit(hand, Clubs), NoCard);
}

// Random hands and tables: the choice is always legal, always leaves the hand, and is
// NoCard exactly when no card of the hand could be played.
TEST(ChooseComputerPlayProperty, LegalRemovedAndNoCardExactlyWithoutALegalPlay) {
    std::mt19937 rng(20261208);
    std::array<Card, 52> pack{};
    for (int i = 0; i < 52; ++i) pack[static_cast<std::size_t>(i)] = i + 1;
    for (int round = 0; round < 100'000; ++round) {
        std::shuffle(pack.begin(), pack.end(), rng);
        const int size = 1 + static_cast<int>(rng() % 36);
        CardList hand;
        hand.SetCapacity(52);
        for (int i = 0; i < size; ++i) hand.Add(pack[static_cast<std::size_t>(i)]);
        const Card top = pack[51];
        const Suit current = IsEight(top) ? static_cast<Suit>(rng() % 4) : SuitOf(top);
        const bool legalExists = HasLegalPlay(hand, RankOf(top), current);
        const auto choice = Choose(hand, top, current);
        if (!legalExists) {
            ASSERT_EQ(choice.card, NoCard);
            ASSERT_EQ(choice.handAfter, hand);
            continue;
        }
        ASSERT_NE(choice.card, NoCard);
        ASSERT_TRUE(IsLegalPlay(choice.card, top, current)) << CardText(choice.card);
        ASSERT_TRUE(hand.Contains(choice.card));
        ASSERT_FALSE(choice.handAfter.Contains(choice.card));
        ASSERT_EQ(choice.handAfter.Count(), hand.Count() - 1);
        if (IsEight(choice.card)) {
            ASSERT_LE(choice.named, Clubs);
        }
    }
}

}  // namespace
}  // namespace mervane
