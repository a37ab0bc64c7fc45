#include <gtest/gtest.h>

#include "hanaawase/play.h"
#include "hanaawase/settlement.h"
#include "table_setup.h"

namespace {

class HanaYakuTest : public HanaTest {
  protected:
    // Player p plays the hand card `card`; with two matches it takes the
    // field card `take`.
    void Play(int p, int card, int take = -1) {
        HanaFindMatches(p);
        hana.chosenFieldSlot = FieldSlotOf(take);
        HanaPlayCard(p, SlotOf(p, card));
    }
};

}  // namespace

TEST_F(HanaYakuTest, KusaIsMadeByTheThirdRibbonAndNotByTwo) {
    GiveCaptured(0, {13, 17, 14, 18});
    SetHand(0, {26, 3});
    SetField({25, 30});
    EvaluateEveryone();
    EXPECT_TRUE(hana.reach[0][Kusa]);
    Play(0, 26);
    EXPECT_TRUE(hana.madeYaku[0][Kusa]);

    // Holding only two of the three at the end makes nothing.
    HanaTableTest fresh;
    GiveCaptured(1, {13, 17, 14, 18});
    EvaluateEveryone();
    HanaSettleHand();
    EXPECT_EQ(hana.yakuPoints[1], 0);
}

TEST_F(HanaYakuTest, TakingTheSakeCupWithTheCurtainMakesHanami) {
    GiveCaptured(0, {8, 10});
    SetHand(0, {34});
    SetField({32});
    EvaluateEveryone();
    Play(0, 34);
    EXPECT_TRUE(hana.madeYaku[0][Hanami]);
    EXPECT_FALSE(hana.madeYaku[0][Tsukimi]);
}

TEST_F(HanaYakuTest, NomiGivesWayToNothingAndHanamiTsukimiGiveWayToNomi) {
    GiveCaptured(0, {8, 10, 28, 30});
    SetHand(0, {34});
    SetField({32});
    EvaluateEveryone();
    Play(0, 34);
    EXPECT_TRUE(hana.madeYaku[0][Hanami]);
    EXPECT_TRUE(hana.madeYaku[0][Tsukimi]);
    EXPECT_TRUE(hana.madeYaku[0][Nomi]);
    HanaSettleHand();
    EXPECT_FALSE(hana.madeYaku[0][Hanami]);
    EXPECT_FALSE(hana.madeYaku[0][Tsukimi]);
    EXPECT_EQ(hana.yakuPoints[0], 30);
}

TEST_F(HanaYakuTest, InoshikachoReachesAtTheSecondCardAndIsMadeByTheThird) {
    SetHand(2, {22, 27, 39});
    SetField({20, 24, 36});
    EvaluateEveryone();
    Play(2, 22);
    EXPECT_FALSE(hana.reach[2][Inoshikacho]);
    Play(2, 27);
    EXPECT_TRUE(hana.reach[2][Inoshikacho]);
    EXPECT_FALSE(hana.madeYaku[2][Inoshikacho]);
    Play(2, 39);
    EXPECT_TRUE(hana.madeYaku[2][Inoshikacho]);
}

TEST_F(HanaYakuTest, AShimaReachIsLostWhenTheOtherTwoAreTakenByOthers) {
    GiveCaptured(0, {12, 13});
    GiveCaptured(1, {14});
    GiveCaptured(2, {15});
    EvaluateEveryone();
    EXPECT_FALSE(hana.reach[0][FujiShima]);
    EXPECT_EQ(hana.wanted[0][FujiShima][0], HanaNoLongerWanted);
}

TEST_F(HanaYakuTest, WantedListsHoldTwoCardsInFieldStockHandOrder) {
    GiveCaptured(1, {1, 5, 13, 21, 33});  // five ribbons: one short of 六タン
    SetField({-1, 37});
    SetStock({9, 17});
    SetHand(0, {25});
    EvaluateEveryone();
    ASSERT_TRUE(hana.reach[1][RokuTan]);
    EXPECT_EQ(hana.wantedCount[1][RokuTan], 2);
    EXPECT_EQ(hana.wanted[1][RokuTan][0], 37);
    EXPECT_EQ(hana.wanted[1][RokuTan][1], 9);
    // Yaku that mark themselves when out of reach, and those that do not.
    EXPECT_EQ(hana.wanted[1][Kusa][0], HanaNoLongerWanted);
    EXPECT_EQ(hana.wanted[1][FujiShima][0], -1);
    EXPECT_EQ(hana.wanted[1][Goko][0], -1);
}

TEST_F(HanaYakuTest, TheSixthRibbonMakesRokuTanWhicheverRibbonItIs) {
    GiveCaptured(0, {1, 5, 13, 21, 33});
    SetField({9, 17, 37});
    SetHand(0, {39, 19});
    EvaluateEveryone();
    ASSERT_EQ(hana.wantedCount[0][RokuTan], 2);
    ASSERT_FALSE(HanaIsWanted(0, RokuTan, 37));  // not among the first two found
    Play(0, 39);
    EXPECT_TRUE(hana.madeYaku[0][RokuTan]);
    EXPECT_FALSE(hana.madeYaku[0][NanaTan]);
    // The seventh makes 七タン, which then replaces 六タン.
    Play(0, 19);
    EXPECT_TRUE(hana.madeYaku[0][NanaTan]);
    HanaSettleHand();
    EXPECT_FALSE(hana.madeYaku[0][RokuTan]);
    EXPECT_TRUE(hana.madeYaku[0][NanaTan]);
    EXPECT_TRUE(hana.madeYaku[0][Aotan]);  // 21, 33 and now 37
}

TEST_F(HanaYakuTest, WillowsRibbonNeverCountsForTheRibbonYaku) {
    GiveCaptured(0, {1, 5, 13, 21, 33});
    SetHand(0, {43});
    SetField({42});
    EvaluateEveryone();
    Play(0, 43);
    EXPECT_FALSE(hana.madeYaku[0][RokuTan]);
}

TEST_F(HanaYakuTest, GokoLeavesNeitherShikoNorMatsukiribozu) {
    hana.madeYaku[1][Goko] = hana.madeYaku[1][Shiko] = hana.madeYaku[1][Matsukiribozu] = 1;
    HanaApplyGiveWay(1);
    EXPECT_TRUE(hana.madeYaku[1][Goko]);
    EXPECT_FALSE(hana.madeYaku[1][Shiko]);
    EXPECT_FALSE(hana.madeYaku[1][Matsukiribozu]);
}
