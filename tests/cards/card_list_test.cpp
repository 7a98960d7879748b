#include <gtest/gtest.h>

#include "cards/card_list.h"
#include "tests/cards/card_text.h"

namespace mervane {
namespace {

CardList ListOf(std::initializer_list<Card> cards, int capacity = 52) {
    CardList list;
    list.SetCapacity(capacity);
    for (Card c : cards) list.Add(c);
    return list;
}

std::vector<Card> CardsOf(const CardList& list) {
    return {list.begin(), list.end()};
}

void ExpectTailEmpty(const CardList& list) {
    for (int i = list.Count(); i < MaxListCards; ++i) EXPECT_EQ(list.At(i), NoCard) << "slot " << i;
}

TEST(CardValues, RankAndSuitFollowTheValueBlocks) {
    EXPECT_EQ(RankOf(13), 13);
    EXPECT_EQ(RankOf(14), 1);
    EXPECT_EQ(RankOf(52), 13);
    EXPECT_EQ(SuitOf(13), Clubs);
    EXPECT_EQ(SuitOf(14), Diamonds);
    EXPECT_EQ(SuitOf(39), Hearts);
    EXPECT_EQ(SuitOf(40), Spades);
    for (int notACard : {0, 53, -1, -14, 1000}) EXPECT_EQ(SuitOf(notACard), NoSuit) << notACard;
}

TEST(CardValues, SuitNamesAndTextForms) {
    EXPECT_EQ(SuitName(Spades), "Spades");
    EXPECT_EQ(SuitName(Clubs), "Clubs");
    EXPECT_EQ(SuitName(NoSuit), "");
    EXPECT_EQ(SuitName(-1), "");
    EXPECT_EQ(CardText(1), "AC");
    EXPECT_EQ(CardText(36), "10H");
    EXPECT_EQ(CardText(47), "8S");
    EXPECT_EQ(CardText(NoCard), "--");
    for (Card c = 1; c <= 52; ++c) {
        EXPECT_EQ(ParseCard(CardText(c)), c);
        EXPECT_EQ(MakeCard(RankOf(c), SuitOf(c)), c);
    }
    EXPECT_EQ(ParseCard("1C"), NoCard);
    EXPECT_EQ(ParseCard("QX"), NoCard);
}

TEST(CardListAdd, NewListRefusesUntilCapacityIsSet) {
    CardList list;
    EXPECT_FALSE(list.Add(5));
    EXPECT_EQ(list.Count(), 0);
    list.SetCapacity(4);
    EXPECT_TRUE(list.Add(5));
}

TEST(CardListAdd, RefusesNoCardAndAFullList) {
    CardList list = ListOf({1, 2, 3, 4}, 4);
    const CardList before = list;
    EXPECT_FALSE(list.Add(5));
    EXPECT_EQ(list, before);
    CardList roomy = ListOf({}, 52);
    EXPECT_FALSE(roomy.Add(NoCard));
    EXPECT_EQ(roomy.Count(), 0);
}

TEST(CardListAdd, NeverWritesPastTheLastSlotWhateverTheCapacity) {
    CardList list = ListOf({}, 52);
    for (int i = 0; i < MaxListCards; ++i) ASSERT_TRUE(list.Add(1 + i % 52));
    EXPECT_FALSE(list.Add(7));
    EXPECT_EQ(list.Count(), MaxListCards);
}

TEST(CardListClear, KeepsCapacityAndEmptiesEverySlot) {
    CardList list = ListOf({7, 8, 9});
    EXPECT_TRUE(list.Clear());
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 52);
    ExpectTailEmpty(list);
}

TEST(CardListRemove, ClosesTheGapAndRefusesMissingCards) {
    CardList list = ListOf({5, 18, 31});
    EXPECT_TRUE(list.Remove(18));
    EXPECT_EQ(CardsOf(list), (std::vector<Card>{5, 31}));
    EXPECT_EQ(list.At(2), NoCard);
    const CardList before = list;
    EXPECT_FALSE(list.Remove(18));
    EXPECT_EQ(list, before);
    EXPECT_FALSE(list.Remove(NoCard));
}

TEST(CardListSort, AscendingByRankIsStable) {
    CardList list = ListOf({13, 40, 31, 14});
    list.Sort(true, false);
    EXPECT_EQ(CardsOf(list), (std::vector<Card>{40, 14, 31, 13}));
}

TEST(CardListSort, DescendingAndByValue) {
    CardList list = ListOf({13, 40, 31, 14});
    list.Sort(false, true);
    EXPECT_EQ(CardsOf(list), (std::vector<Card>{40, 31, 14, 13}));
    list.Sort(false, false);
    EXPECT_EQ(CardsOf(list), (std::vector<Card>{13, 31, 40, 14}));
    ExpectTailEmpty(list);
}

TEST(CardListCopy, IsIndependentOfItsSource) {
    const CardList source = ListOf({3, 16, 29}, 7);
    CardList copy = source;
    EXPECT_EQ(copy, source);
    EXPECT_EQ(copy.Capacity(), 7);
    copy.Remove(16);
    copy.Add(42);
    EXPECT_EQ(CardsOf(source), (std::vector<Card>{3, 16, 29}));
}

}  // namespace
}  // namespace mervane
