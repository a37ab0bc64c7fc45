#include "hanaawase/play.h"

#include <gtest/gtest.h>

#include "table_setup.h"

using HanaPlayTest = HanaTest;

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

TEST_F(HanaPlayTest, NoCardIsCoveredWhenOnlyPlacesShowingCapturesAreLeft) {
    // Fifteen cards down and the sixteenth place showing this turn's capture.
    SetField({0, 4, 8, 12, 16, 20, 24, 28, 32, 36, 44, 1, 5, 9, 13, -1});
    hana.capturePairs[15][0] = 40;
    hana.capturePairs[15][1] = 41;
    EXPECT_EQ(HanaFindFreeFieldSlot(), 15);
    hana.field[15] = 17;
    EXPECT_EQ(HanaFindFreeFieldSlot(), -1);
}
