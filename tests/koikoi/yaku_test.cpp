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

// The cards taken before こいこい and after it: what each capture announces
// (nothing when no yaku is made) and the hand's score. A yaku that grows is
// announced again with its larger value, and a larger light yaku made after
// こいこい pushes the smaller one out of the score.
TEST_F(YakuTest, EachCaptureAnnouncesWhatItMakesAndLargerLightsReplaceSmallerOnes) {
    struct Step {
        std::vector<int> taken, made;
        int score;
    };
    const struct {
        int sake;
        std::vector<int> held;
        Step first, second;
    } cases[] = {
        {1, {2, 3, 6, 7, 10, 11, 14, 15, 18}, {{19}, {YakuKasu}, 1}, {{22}, {YakuKasu}, 2}},
        {1, {1, 5, 13, 21, 4, 12, 20, 24}, {{17}, {YakuTan}, 1}, {{25}, {YakuTan}, 2}},
        // Three lights with 柳に道風 make no 三光; the fourth makes 雨四光.
        {1, {0, 40}, {{8}, {}, 0}, {{28}, {YakuAmeshiko}, 8}},
        {1, {0, 8}, {{28}, {YakuSanko}, 6}, {{40}, {YakuAmeshiko}, 8}},
        {1, {0, 8, 28}, {{44}, {YakuShiko}, 10}, {{40}, {YakuGoko}, 15}},
        {1, {0, 8, 40}, {{28}, {YakuAmeshiko}, 8}, {{44}, {YakuGoko}, 15}},
        // Yaku made together are all scored.
        {1, {20, 24, 12}, {{36, 4}, {YakuTane, YakuInoshikacho}, 5 + 1}, {}},
        {1, {24, 20, 4, 12, 16, 1, 5}, {{36, 9}, {YakuTane, YakuInoshikacho, YakuAkatan}, 13}, {}},
        {1, {8, 28}, {{32}, {YakuHanamizake, YakuTsukimizake}, 3 + 3}, {}},
        {1, {1, 5, 13, 17}, {{9}, {YakuTan, YakuAkatan}, 1 + 6}, {}},
        {0, {8}, {{32}, {}, 0}, {}},  // without sake yaku the cup makes nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "taking " << c.first.taken[0] << ", sake " << c.sake);
        ResetHandState();
        sakeOption = c.sake;
        std::vector<int> stock = c.first.taken;
        stock.insert(stock.end(), c.second.taken.begin(), c.second.taken.end());
        koi.stockLeft = static_cast<int>(stock.size());
        std::copy(stock.begin(), stock.end(), koi.stock + StockSize - koi.stockLeft);
        for (int card : c.held) GiveCards(0, {card});
        for (const Step* step : {&c.first, &c.second}) {
            if (step->taken.empty()) break;
            koi.yakuAnnounced[0] = 0;  // こいこい
            for (int card : step->taken) Capture(0, card);
            EXPECT_EQ(koi.yakuAnnounced[0] != 0, !step->made.empty()) << step->taken[0];
            FormHandScore(0);
            EXPECT_EQ(Made(0), step->made) << step->taken[0];
            EXPECT_EQ(koi.handScore, step->score) << step->taken[0];
        }
    }
}

TEST_F(YakuTest, ReachCardsAreGatheredFieldStockThenBothHands) {
    SetField({-1, 38, 2});
    SetStock({39, 3});
    SetHand(0, {7});
    SetHand(1, {6});
    GiveCards(0, {10, 11, 14, 15, 18, 19, 22, 23, 26});
    const int* list = koi.reachCards[0][YakuKasu];
    EXPECT_EQ(std::vector<int>(list, list + koi.reachCardCount[0][YakuKasu]),
              (std::vector<int>{38, 2, 39, 3, 7, 6}));
}

}  // namespace
