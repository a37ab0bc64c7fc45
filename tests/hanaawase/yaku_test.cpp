#include <gtest/gtest.h>

#include "hanaawase/play.h"
#include "hanaawase/settlement.h"
#include "table_setup.h"

namespace {

using HanaYakuTest = HanaTest;

// Player 0 plays the hand card `card`, taking what its month finds.
void Play(int card) {
    HanaFindMatches(0);
    HanaPlayCard(0, SlotOf(0, card));
}

}  // namespace

// Cards taken earlier, then the hand cards played in order, each taking the
// field cards of its month; once the hand is settled exactly these yaku stand.
TEST_F(HanaYakuTest, CapturesMakeTheYakuAndTheLargerReplaceTheSmaller) {
    const struct {
        const char* what;
        std::vector<int> captured, hand, field, made;
        int points;
    } cases[] = {
        {"the third くさ ribbon", {13, 17, 14, 18}, {26}, {25}, {Kusa}, 20},
        {"two くさ ribbons make nothing", {13, 17, 14, 18}, {}, {}, {}, 0},
        {"the sake cup with the curtain", {8, 10}, {34}, {32}, {Hanami}, 20},
        {"のみ replaces 花見 and 月見", {8, 10, 28, 30}, {34}, {32}, {Nomi}, 30},
        {"猪鹿蝶 by its third card", {}, {22, 27, 39}, {20, 24, 36}, {Inoshikacho}, 20},
        {"a whole month at once", {}, {12}, {13, 30, 14, 15}, {FujiShima}, 20},
        // 37 is not among the two wanted cards (9, 17): still the sixth ribbon.
        {"the sixth ribbon", {1, 5, 13, 21, 33}, {39}, {9, 17, 37}, {RokuTan, Aotan}, 70},
        {"七タン replaces 六タン", {1, 5, 13, 21, 33}, {39, 19}, {9, 17, 37}, {Aotan, NanaTan}, 80},
        {"柳's ribbon never counts", {1, 5, 13, 21, 33}, {43}, {42}, {}, 0},
        {"四光 replaces 松桐坊主", {0, 8, 28}, {45}, {44}, {Shiko}, 60},
        {"五光 replaces 四光", {0, 8, 28}, {45, 43}, {44, 40}, {Goko}, 200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HanaTableTest fresh;
        GiveCaptured(0, c.captured);
        SetHand(0, c.hand);
        SetField(c.field);
        EvaluateEveryone();
        for (int card : c.hand) Play(card);
        HanaSettleHand();
        std::vector<int> made;
        for (int t = 0; t < HanaYakuCount; ++t)
            if (hana.madeYaku[0][t]) made.push_back(t);
        EXPECT_EQ(made, c.made);
        EXPECT_EQ(hana.yakuPoints[0], c.points);
    }
}

TEST_F(HanaYakuTest, ReachComesOneCardShortAndIsLostWhenOthersTakeTheRest) {
    SetHand(2, {22, 27});
    SetField({20, 24});
    for (int played = 0; played < 2; ++played) {
        EXPECT_FALSE(hana.reach[2][Inoshikacho]);
        HanaFindMatches(2);
        HanaPlayCard(2, 0);
    }
    EXPECT_TRUE(hana.reach[2][Inoshikacho]);
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

// The first top scorer from the dealer on takes the deal; the dealer keeps it
// when every score is negative.
TEST_F(HanaYakuTest, TheNextDealer) {
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
