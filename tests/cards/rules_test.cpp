#include <gtest/gtest.h>

#include "cards/rules.h"
#include "tests/cards/card_text.h"

namespace mervane {
namespace {

Card C(std::string_view text) {
    return ParseCard(text);
}

CardList Hand(std::initializer_list<std::string_view> cards) {
    CardList hand;
    hand.SetCapacity(52);
    for (auto text : cards) hand.Add(C(text));
    return hand;
}

TEST(IsLegalPlay, FollowSuitMatchRankOrPlayAnEight) {
    EXPECT_TRUE(IsLegalPlay(C("9H"), C("5H"), Hearts));
    EXPECT_TRUE(IsLegalPlay(C("5C"), C("5H"), Hearts));
    EXPECT_TRUE(IsLegalPlay(C("8S"), C("5H"), Hearts));
    EXPECT_FALSE(IsLegalPlay(C("9C"), C("5H"), Hearts));
}

TEST(IsLegalPlay, AnEightOnTopIsFollowedByTheNamedSuit) {
    EXPECT_TRUE(IsLegalPlay(C("KD"), C("8S"), Diamonds));
    EXPECT_TRUE(IsLegalPlay(C("8C"), C("8S"), Diamonds));
    EXPECT_FALSE(IsLegalPlay(C("KS"), C("8S"), Diamonds));
}

TEST(IsLegalPlay, KingsMatchKings) {
    EXPECT_TRUE(IsLegalPlay(C("KH"), C("KC"), Clubs));
}

TEST(HasLegalPlay, AgreesWithIsLegalPlayOnEveryTableAndHand) {
    for (Card top = 1; top <= 52; ++top) {
        for (int suit = Spades; suit <= Clubs; ++suit) {
            // Every pair of cards as a hand covers each way a card can be legal.
            for (Card a = 1; a <= 52; a += 3) {
                for (Card b = 2; b <= 52; b += 5) {
                    CardList hand;
                    hand.SetCapacity(2);
                    hand.Add(a);
                    hand.Add(b);
                    const bool any = IsLegalPlay(a, top, static_cast<Suit>(suit)) ||
                                     IsLegalPlay(b, top, static_cast<Suit>(suit));
                    ASSERT_EQ(HasLegalPlay(hand, RankOf(top), static_cast<Suit>(suit)), any)
                        << CardText(a) << " " << CardText(b) << " on " << CardText(top);
                }
            }
        }
    }
}

TEST(HasLegalPlay, EmptyHandHasNone) {
    EXPECT_FALSE(HasLegalPlay(CardList{}, 5, Hearts));
}

TEST(HandPoints, EightsFiftyCourtTenOthersTheirRank) {
    EXPECT_EQ(HandPoints(Hand({"8C", "KH", "AS", "9D"})), 70);
    EXPECT_EQ(HandPoints(Hand({"10C", "JD", "QH", "KS"})), 40);
    EXPECT_EQ(HandPoints(Hand({"2C", "7D", "AH"})), 10);
    EXPECT_EQ(HandPoints(Hand({})), 0);
}

}  // namespace
}  // namespace mervane
