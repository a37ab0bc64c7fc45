#include "hanaawase/settlement.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "table_setup.h"

using HanaSettlementTest = HanaTest;

TEST_F(HanaSettlementTest, EachYakuIsPaidByBothOthersAroundTheBaseOf88) {
    // 100, 50 and 114 card points.
    GiveCaptured(0, {0, 8, 28, 40, 44});
    GiveCaptured(1, {4, 12, 16, 20, 24});
    for (int card = 0; card < 48; ++card) {
        if (!HasCaptured(0, card) && !HasCaptured(1, card)) GiveCaptured(2, {card});
    }
    hana.madeYaku[0][Inoshikacho] = 1;
    hana.madeYaku[1][Akatan] = 1;
    hana.totalScore[2] = 5;
    HanaSettleHand();
    EXPECT_EQ(std::vector<int>(hana.cardPoints, hana.cardPoints + 3),
              (std::vector<int>{100, 50, 114}));
    EXPECT_EQ(std::vector<int>(hana.handScore, hana.handScore + 3),
              (std::vector<int>{12, 22, -34}));
    EXPECT_EQ(hana.scoreHistory[0][0], 12);
    EXPECT_EQ(hana.scoreHistory[2][0], -34);
    EXPECT_EQ(hana.totalScore[2], -29);
}

TEST_F(HanaSettlementTest, CardsLeftOnTheFieldLowerTheSumOfTheScores) {
    GiveCaptured(0, {0, 1, 2, 3});
    GiveCaptured(1, {4, 5, 6});
    SetField({7});
    HanaSettleHand();
    EXPECT_EQ(hana.handScore[0] + hana.handScore[1] + hana.handScore[2], 27 + 16 - 264);
}

// The first top scorer from the dealer on takes the deal; the dealer keeps it
// when every score is negative.
TEST_F(HanaSettlementTest, TheNextDealer) {
    const struct {
        int dealer, scores[3], next;
    } cases[] = {
        {1, {10, 10, -20}, 1}, {2, {10, 10, -20}, 0}, {0, {3, 40, 40}, 1},
        {2, {-1, -2, -3}, 2},  {2, {-1, 0, -3}, 1},  // a top score of exactly 0 still counts
    };
    for (const auto& c : cases) {
        hana.dealer = c.dealer;
        std::copy(c.scores, c.scores + 3, hana.handScore);
        EXPECT_EQ(HanaNextDealer(), c.next)
            << c.dealer << ": " << c.scores[0] << " " << c.scores[1];
    }
}
