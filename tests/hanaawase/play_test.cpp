#include "hanaawase/play.h"

#include <gtest/gtest.h>

#include "table_setup.h"

using HanaPlayTest = HanaTest;

TEST_F(HanaPlayTest, MatchesListEveryFieldCardOfTheMonthInSlotOrder) {
    SetHand(0, {4, 40, 20});
    SetField({41, 6, -1, 7, 43});
    HanaFindMatches(0);
    EXPECT_EQ(hana.matchCount[0][0], 2);
    EXPECT_EQ(std::vector<int>(hana.matchSlots[0][0], hana.matchSlots[0][0] + 3),
              (std::vector<int>{1, 3, -1}));
    EXPECT_EQ(hana.matchCount[0][1], 2);
    EXPECT_EQ(hana.matchCount[0][2], 0);
    EXPECT_EQ(hana.matchCount[0][5], 0);
}

TEST_F(HanaPlayTest, ACardTakesAllThreeOfItsMonthFromTheField) {
    SetHand(1, {12, 2});
    SetField({13, 30, 14, 15});
    HanaFindMatches(1);
    HanaPlayCard(1, 0);
    for (int card : {12, 13, 14, 15}) EXPECT_TRUE(HasCaptured(1, card)) << card;
    EXPECT_EQ(hana.field[1], 30);
    EXPECT_EQ((std::vector<int>{hana.capturePairs[0][0], hana.capturePairs[0][1],
                                hana.capturePairs[2][1], hana.capturePairs[3][1]}),
              (std::vector<int>{12, 13, 14, 15}));
    EXPECT_EQ(hana.firstCaptureSlot, 0);
    EXPECT_EQ(hana.handCount[1], 1);
    EXPECT_EQ(std::vector<int>(hana.hands[1], hana.hands[1] + 2), (std::vector<int>{2, -1}));
    // Taking the whole month in one move makes 藤シマ.
    EXPECT_TRUE(hana.madeYaku[1][FujiShima]);
}

TEST_F(HanaPlayTest, ACardMatchingTwoTakesOnlyTheChosenOne) {
    SetHand(0, {6});
    SetField({7, 30, 4});
    HanaFindMatches(0);
    hana.chosenFieldSlot = 2;
    HanaPlayCard(0, 0);
    EXPECT_TRUE(HasCaptured(0, 4));
    EXPECT_TRUE(HasCaptured(0, 6));
    EXPECT_EQ(hana.field[0], 7);
    EXPECT_EQ(hana.field[2], -1);
}

TEST_F(HanaPlayTest, ALaidCardSkipsTheSlotShowingThisTurnsCapture) {
    SetHand(0, {2});
    SetField({3, 20, -1, 30});
    SetStock({46});
    HanaFindMatches(0);
    HanaPlayCard(0, 0);  // takes 3 at slot 0
    HanaDrawAndPlay(0);  // 46 matches nothing
    EXPECT_EQ(hana.field[0], -1);
    EXPECT_EQ(hana.field[2], 46);
}

TEST_F(HanaPlayTest, TheDrawnCardMayTakeTheCardLaidThisTurn) {
    SetHand(2, {45});
    SetField({20, 30});
    SetStock({46});
    HanaFindMatches(2);
    HanaPlayCard(2, 0);
    EXPECT_EQ(hana.field[2], 45);
    HanaDrawAndPlay(2);
    EXPECT_TRUE(HasCaptured(2, 45));
    EXPECT_TRUE(HasCaptured(2, 46));
    EXPECT_EQ(hana.field[2], -1);
    EXPECT_EQ(hana.stockCount, 0);
}

TEST_F(HanaPlayTest, NoCardIsCoveredWhenOnlyPlacesShowingCapturesAreLeft) {
    // Fifteen cards down and the sixteenth place showing this turn's capture.
    SetField({0, 4, 8, 12, 16, 20, 24, 28, 32, 36, 44, 1, 5, 9, 13, -1});
    hana.capturePairs[15][0] = 40;
    hana.capturePairs[15][1] = 41;
    EXPECT_EQ(HanaFindFreeFieldSlot(), 15);
    hana.field[15] = 17;
    EXPECT_EQ(HanaFindFreeFieldSlot(), -1);
}

TEST_F(HanaPlayTest, ClosingAHandMovesTheLaterCardsDown) {
    SetHand(0, {1, 2, 3, 4, 5});
    hana.hands[0][1] = -1;
    hana.handCount[0] = 4;
    HanaRemoveHandSlot(0, 1);
    EXPECT_EQ(std::vector<int>(hana.hands[0], hana.hands[0] + 8),
              (std::vector<int>{1, 3, 4, 5, -1, -1, -1, -1}));
}

TEST_F(HanaPlayTest, TurnCapturesAreSortedIntoTheLists) {
    GiveCaptured(0, {2, 11});
    HanaAddCapture(0, 7);
    HanaAddCapture(0, 6);
    HanaMergeTurnCaptures(0);
    ASSERT_EQ(hana.capturedCount[0][3], 4);
    EXPECT_EQ(std::vector<int>(hana.captured[0][3], hana.captured[0][3] + 4),
              (std::vector<int>{2, 6, 7, 11}));
}
