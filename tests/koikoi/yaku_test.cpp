#include <algorithm>

#include "koikoi_fixture.h"

namespace {

class YakuTest : public KoiKoiTest {
  protected:
    // p captures `card`, which leaves the stock first as it would leave the
    // hand or the field in play.
    static void Capture(int p, int card) {
        int first = StockSize - koi.stockLeft;
        int i = first;
        while (i < StockSize && koi.stock[i] != card) ++i;
        ASSERT_LT(i, StockSize) << card << " is not in the stock";
        for (; i > first; --i) koi.stock[i] = koi.stock[i - 1];
        koi.stock[first] = -1;
        --koi.stockLeft;
        CaptureCard(p, card);
    }
    static std::vector<int> Made(int p) {
        std::vector<int> made;
        for (int y = 0; y < YakuCount; ++y)
            if (koi.yakuMade[p][y]) made.push_back(y);
        return made;
    }
};

TEST_F(YakuTest, TenthKasuAnnouncesOneMonAndEleventhAnnouncesAgainWithTwo) {
    SetStock({19, 22});
    GiveCards(0, {2, 3, 6, 7, 10, 11, 14, 15, 18});
    ASSERT_TRUE(koi.yakuReach[0][YakuKasu]);
    Capture(0, 19);
    EXPECT_TRUE(koi.yakuAnnounced[0]);
    EXPECT_EQ(AskStopOrContinue(0), 1);
    EXPECT_EQ(koi.handScore, 1);

    koi.yakuAnnounced[0] = 0;  // こいこい
    Capture(0, 22);
    EXPECT_TRUE(koi.yakuAnnounced[0]);
    FormHandScore(0);
    EXPECT_EQ(koi.handScore, 2);
}

TEST_F(YakuTest, EveryFurtherTanAndTaneIsAnnouncedAgainWithTheLargerValue) {
    SetStock({17, 25, 16, 29});
    GiveCards(1, {1, 5, 13, 21, 4, 12, 20, 24});
    Capture(1, 17);
    FormHandScore(1);
    EXPECT_EQ(koi.handScore, 1) << "the fifth タン";
    koi.yakuAnnounced[1] = 0;
    Capture(1, 25);
    EXPECT_TRUE(koi.yakuAnnounced[1]);
    FormHandScore(1);
    EXPECT_EQ(koi.handScore, 2);
    koi.yakuAnnounced[1] = 0;
    Capture(1, 16);
    Capture(1, 29);
    EXPECT_TRUE(koi.yakuAnnounced[1]);
    FormHandScore(1);
    EXPECT_EQ(koi.handScore, 2 + 2) << "six タン and six タネ";
}

TEST_F(YakuTest, ThreeLightsWithTheWillowGiveNoSankoAndAFourthGivesAmeshiko) {
    SetStock({8, 28});
    GiveCards(1, {0, 40});
    Capture(1, 8);
    EXPECT_FALSE(koi.yakuAnnounced[1]);
    EXPECT_EQ(ReachList(1, YakuAmeshiko), (std::vector<int>{28}));
    Capture(1, 28);
    EXPECT_EQ(Made(1), (std::vector<int>{YakuAmeshiko}));
    FormHandScore(1);
    EXPECT_EQ(koi.handScore, 8);
}

// After こいこい the lights already made stay made; a larger light yaku made
// later must still push the smaller one out of the score.
TEST_F(YakuTest, ALargerLightYakuMadeAfterKoiKoiReplacesTheSmallerOne) {
    struct Case {
        std::vector<int> held;  // captured before the hand goes on
        int first, second;      // the lights taken before and after こいこい
        int firstYaku, firstScore;
        int finalYaku, finalScore;
    };
    const Case cases[] = {
        {{0, 8}, 28, 40, YakuSanko, 6, YakuAmeshiko, 8},
        {{0, 8}, 28, 44, YakuSanko, 6, YakuShiko, 10},
        {{0, 8, 28}, 44, 40, YakuShiko, 10, YakuGoko, 15},
        {{0, 8, 40}, 28, 44, YakuAmeshiko, 8, YakuGoko, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "after " << c.first << " then " << c.second);
        ResetHandState();
        SetStock({c.first, c.second});
        for (int card : c.held) GiveCards(0, {card});
        Capture(0, c.first);
        ASSERT_TRUE(koi.yakuAnnounced[0]);
        EXPECT_EQ(AskStopOrContinue(0), 1);
        EXPECT_EQ(Made(0), (std::vector<int>{c.firstYaku}));
        EXPECT_EQ(koi.handScore, c.firstScore);

        koi.yakuAnnounced[0] = 0;  // こいこい
        Capture(0, c.second);
        ASSERT_TRUE(koi.yakuAnnounced[0]);
        FormHandScore(0);
        EXPECT_EQ(Made(0), (std::vector<int>{c.finalYaku}));
        EXPECT_EQ(koi.handScore, c.finalScore);
    }
}

// Captures that complete several yaku at once, all shown and scored together.
TEST_F(YakuTest, YakuMadeTogetherAreAllScored) {
    const struct {
        std::vector<int> held, taken;
        std::vector<int> made;
        int score;
    } cases[] = {
        {{20, 24, 12}, {36, 4}, {YakuTane, YakuInoshikacho}, 5 + 1},
        {{24, 20, 4, 12, 16, 1, 5}, {36, 9}, {YakuTane, YakuInoshikacho, YakuAkatan}, 13},
        {{8, 28}, {32}, {YakuHanamizake, YakuTsukimizake}, 3 + 3},
        {{1, 5, 13, 17}, {9}, {YakuTan, YakuAkatan}, 1 + 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "taking " << c.taken[0]);
        ResetHandState();
        sakeOption = 1;
        koi.stockLeft = static_cast<int>(c.taken.size());
        std::copy(c.taken.begin(), c.taken.end(), koi.stock + StockSize - koi.stockLeft);
        for (int card : c.held) GiveCards(0, {card});
        for (int card : c.taken) Capture(0, card);
        FormHandScore(0);
        EXPECT_EQ(Made(0), c.made);
        EXPECT_EQ(koi.handScore, c.score);
    }
}

TEST_F(YakuTest, WithoutSakeYakuTheCupMakesNothing) {
    sakeOption = 0;
    SetStock({32});
    GiveCards(0, {8});
    EXPECT_FALSE(koi.yakuReach[0][YakuHanamizake]);
    Capture(0, 32);
    EXPECT_FALSE(koi.yakuAnnounced[0]);
    EXPECT_EQ(YakuValueOf(0, YakuHanamizake), 0);
}

TEST_F(YakuTest, ReachCardsAreGatheredFieldStockThenBothHands) {
    SetField({-1, 38, 2});
    SetStock({39, 3});
    SetHand(0, {7});
    SetHand(1, {6});
    GiveCards(0, {10, 11, 14, 15, 18, 19, 22, 23, 26});
    EXPECT_EQ(ReachList(0, YakuKasu), (std::vector<int>{38, 2, 39, 3, 7, 6}));
}

}  // namespace
