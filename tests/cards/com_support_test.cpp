// The pieces the computer levels and the arena share: the computer's own
// generator, the decision timing, and the arena's confidence intervals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "cards/com_random.h"
#include "cards/decision_timing.h"
#include "tools/sim/arena_stats.h"

TEST(ComRandom, SameSeedSameShuffleAndEveryCardKept) {
    int a[48], b[48];
    for (int i = 0; i < 48; ++i) a[i] = b[i] = i;
    ComRandom r1(5), r2(5);
    ShuffleCards(a, 48, r1);
    ShuffleCards(b, 48, r2);
    EXPECT_TRUE(std::equal(a, a + 48, b));
    std::sort(a, a + 48);
    for (int i = 0; i < 48; ++i) EXPECT_EQ(a[i], i);
    // Every place is reached evenly: card 0 lands in each of 4 places about
    // a quarter of the time.
    int where[4] = {};
    ComRandom r(9);
    for (int n = 0; n < 40000; ++n) {
        int c[4] = {0, 1, 2, 3};
        ShuffleCards(c, 4, r);
        ++where[std::find(c, c + 4, 0) - c];
    }
    for (int count : where) EXPECT_NEAR(count, 10000, 400);
}

TEST(DecisionTimes, MeanAndNinetyNinthPercentile) {
    static DecisionTimes times;
    for (int i = 0; i < 990; ++i) times.Add(2, 1.1);  // bucket [1.0, 1.25)
    for (int i = 0; i < 10; ++i) times.Add(2, 100.0);
    EXPECT_NEAR(times.MeanMs(2), (990 * 1.1 + 10 * 100.0) / 1000, 1e-9);
    EXPECT_DOUBLE_EQ(times.P99Ms(2), 1.25);
    times.Add(2, 100.0);  // now more than 1 % are slow
    EXPECT_DOUBLE_EQ(times.P99Ms(2), 100.25);
    EXPECT_EQ(times.count[0], 0);
    EXPECT_DOUBLE_EQ(times.P99Ms(0), 0.0);
}

TEST(ArenaStats, IntervalOfAKnownSample) {
    MeanWithInterval m;
    for (double x : {1.0, 2.0, 3.0, 4.0, 5.0}) m.Add(x);
    EXPECT_DOUBLE_EQ(m.Mean(), 3.0);
    EXPECT_NEAR(m.Deviation(), std::sqrt(2.5), 1e-12);
    EXPECT_NEAR(m.HalfWidth95(), 1.959964 * std::sqrt(2.5 / 5), 1e-9);
}

// Means of 200 draws from a known distribution (uniform on [0, 1), mean 0.5):
// the 95 % interval must hold the true mean in about 95 % of 2,000 trials.
TEST(ArenaStats, IntervalCoversTheTrueMeanNinetyFivePercentOfTheTime) {
    ComRandom r(2024);
    int covered = 0;
    constexpr int Trials = 2000;
    for (int t = 0; t < Trials; ++t) {
        MeanWithInterval m;
        for (int i = 0; i < 200; ++i) m.Add(static_cast<double>(r.Next() >> 11) * 0x1.0p-53);
        covered += m.Low() <= 0.5 && 0.5 <= m.High();
    }
    double rate = static_cast<double>(covered) / Trials;
    EXPECT_GT(rate, 0.935);
    EXPECT_LT(rate, 0.965);
}
