#include "hanaawase/settlement.h"

#include <gtest/gtest.h>

#include "table_setup.h"

namespace {

class HanaSettlementTest : public ::testing::Test {
  protected:
    HanaTableTest table;
};

}  // namespace

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
    EXPECT_EQ(hana.cardPoints[0], 100);
    EXPECT_EQ(hana.cardPoints[1], 50);
    EXPECT_EQ(hana.cardPoints[2], 114);
    EXPECT_EQ(hana.handScore[0], 12);
    EXPECT_EQ(hana.handScore[1], 22);
    EXPECT_EQ(hana.handScore[2], -34);
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

TEST_F(HanaSettlementTest, TheFirstTopScorerFromTheDealerOnTakesTheDeal) {
    hana.dealer = 1;
    hana.handScore[0] = 10, hana.handScore[1] = 10, hana.handScore[2] = -20;
    EXPECT_EQ(HanaNextDealer(), 1);
    hana.dealer = 2;
    EXPECT_EQ(HanaNextDealer(), 0);
    hana.dealer = 0;
    hana.handScore[0] = 3, hana.handScore[1] = 40, hana.handScore[2] = 40;
    EXPECT_EQ(HanaNextDealer(), 1);
}

TEST_F(HanaSettlementTest, TheDealerKeepsTheDealWhenEveryScoreIsNegative) {
    hana.dealer = 2;
    hana.handScore[0] = -1, hana.handScore[1] = -2, hana.handScore[2] = -3;
    EXPECT_EQ(HanaNextDealer(), 2);
    // A top score of exactly 0 still counts.
    hana.handScore[1] = 0;
    EXPECT_EQ(HanaNextDealer(), 1);
}
