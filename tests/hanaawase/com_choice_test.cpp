#include "hanaawase/com_choice.h"

#include <gtest/gtest.h>

#include "hanaawase/target_scoring.h"
#include "table_setup.h"

namespace {

class HanaComChoiceTest : public ::testing::Test {
  protected:
    HanaTableTest table;
};

}  // namespace

TEST_F(HanaComChoiceTest, TheCaptureWorthMostIsPlayed) {
    // 桐に鳳 taking a 1-point 桐 card is worth 20 + 2 = 22; a 1-point 松 card
    // taking 松に鶴 is worth 1 + 40 = 41.
    SetHand(1, {44, 2, 13});
    SetField({45, 0, 30});
    EvaluateEveryone();
    EXPECT_EQ(HanaChooseHandCard(1), 1);
}

TEST_F(HanaComChoiceTest, EqualCapturesGoByTheRankOfTheFieldCard) {
    SetHand(2, {6, 10});
    SetField({7, 11});
    EvaluateEveryone();
    EXPECT_EQ(HanaChooseHandCard(2), 1);  // 11 ranks 28, 7 ranks 16
}

TEST_F(HanaComChoiceTest, ACaptureCompletingAYakuComesFirst) {
    GiveCaptured(1, {8, 10});  // one short of 花見
    SetHand(1, {33, 1});
    SetField({32, 0});
    EvaluateEveryone();
    ASSERT_TRUE(HanaIsWanted(1, Hanami, 32));
    // 1 taking 0 is worth 45, 33 taking 32 only 25, but 32 makes 花見.
    EXPECT_EQ(HanaChooseHandCard(1), 0);
}

TEST_F(HanaComChoiceTest, AWholeMonthInHandGoesFirstFromItsLastCard) {
    SetHand(1, {12, 13, 2, 14, 15, 21, 6});
    SetField({40, 28});
    EvaluateEveryone();
    EXPECT_EQ(HanaChooseHandCard(1), 4);
}

TEST_F(HanaComChoiceTest, TwoOfAMonthWhoseOthersAreTakenGoTheLaterFirst) {
    GiveCaptured(0, {16});
    GiveCaptured(2, {17});
    SetHand(1, {0, 18, 8, 19, 4});
    SetField({40, 28});
    EvaluateEveryone();
    EXPECT_EQ(HanaChooseHandCard(1), 3);
}

TEST_F(HanaComChoiceTest, OtherwiseTheCheapestCardGoesByKeepRank) {
    SetHand(2, {26, 20, 2, 9});
    SetField({40, 28});
    EvaluateEveryone();
    // 2 (松, KeepRank 30) before 26 (萩, KeepRank 40).
    EXPECT_EQ(HanaChooseHandCard(2), 2);
}

TEST_F(HanaComChoiceTest, ACardSomeoneWantsIsKeptWhenAnotherCanGo) {
    GiveCaptured(0, {1, 5});  // the user waits for 9
    SetHand(1, {9, 20, 24});
    SetField({40, 28});
    EvaluateEveryone();
    ASSERT_TRUE(HanaIsWanted(0, Akatan, 9));
    EXPECT_EQ(HanaChooseHandCard(1), 2);  // 24 (KeepRank 16) rather than the wanted 9
}

TEST_F(HanaComChoiceTest, TwoFieldCardsOfEqualPointsGiveTheFirst) {
    SetField({3, 30, 2});
    EXPECT_EQ(HanaChooseFieldCard(1, 2, 0), 2);
    EXPECT_EQ(HanaChooseFieldCard(2, 0, 2), 0);
}

TEST_F(HanaComChoiceTest, ACardTheUserWantsIsTakenAwayFromTheUser) {
    GiveCaptured(0, {21, 33});  // the user waits for 37 (青タン)
    SetHand(1, {38});
    SetField({36, 37});
    EvaluateEveryone();
    EXPECT_EQ(HanaChooseFieldCard(1, 0, 1), 1);
}

TEST_F(HanaComChoiceTest, ACardTheOtherComputerWantsIsBlockedToo) {
    GiveCaptured(1, {21, 33});  // ＣＯＭ１ waits for 37
    SetHand(2, {38});
    SetField({36, 37});
    EvaluateEveryone();
    EXPECT_EQ(HanaChooseFieldCard(2, 0, 1), 1);
    // ＣＯＭ１ itself takes it for its own yaku.
    SetHand(1, {39});
    EXPECT_EQ(HanaChooseFieldCard(1, 0, 1), 1);
}

TEST_F(HanaComChoiceTest, WithoutYakuInSightTheHigherCardIsTaken) {
    SetHand(1, {31});
    SetField({30, 29});
    EvaluateEveryone();
    EXPECT_EQ(HanaChooseFieldCard(1, 0, 1), 1);
}

TEST_F(HanaComChoiceTest, TheClosestTargetCanPreferTheCheaperCard) {
    // Waiting for 桐シマ marks 表菅原 (梅に鶯's yaku) as not in reach, while
    // 梅's ribbon still counts towards 七タン (score 10: it lacks all nine
    // ribbons), so the ribbon is taken.
    GiveCaptured(1, {44, 45});
    SetStock({46, 47});
    SetHand(1, {7});
    SetField({5, 4});
    hana.handCount[1] = 7;
    EvaluateEveryone();
    ASSERT_EQ(hana.wanted[1][Omotesugawara][0], HanaNoLongerWanted);
    EXPECT_EQ(HanaChooseFieldCard(1, 0, 1), 0);
    EXPECT_EQ(hana.targetScore[1][NanaTan], 10);
}

TEST_F(HanaComChoiceTest, TargetScoresRescaleAfterEveryCard) {
    // 赤タン: 1 in hand with no 松 card down (-5), 5 and 9 missing (-10 each);
    // with 5 cards in hand each step keeps 5/7 of the score.
    SetHand(1, {1, 20, 24, 36, 44});
    SetField({40});
    EvaluateEveryone();
    hana.wanted[1][Akatan][0] = -1;  // score it as though it were still open
    HanaScoreTargets(1);
    int score = 100;
    score = (score - 5) * 5 / 7;
    score = (score - 10) * 5 / 7;
    score = (score - 10) * 5 / 7;
    EXPECT_EQ(hana.targetScore[1][Akatan], score);
    ASSERT_EQ(hana.missingCount[1][Akatan], 2);
    EXPECT_EQ(hana.missing[1][Akatan][0], 5);
    EXPECT_EQ(hana.missing[1][Akatan][1], 9);
    // Out of reach, marked as no longer wanted, it scores 0.
    hana.wanted[1][Akatan][0] = HanaNoLongerWanted;
    HanaScoreTargets(1);
    EXPECT_EQ(hana.targetScore[1][Akatan], 0);
}
