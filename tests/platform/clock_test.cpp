#include "platform/clock.h"

#include <gtest/gtest.h>

using platform::FakeClock;

struct ClockTest : ::testing::Test {
    FakeClock clock{0, 1};
    void SetUp() override { platform::SetClock(&clock); }
    void TearDown() override { platform::SetClock(nullptr); }
};

// Waits of 300 ms, the second across the wrap of the count at 2^32.
TEST_F(ClockTest, WaitEndsWhenEnoughTimeHasPassedAcrossTheWrap) {
    for (uint32_t start : {1000u, 0xFFFFFF00u}) {
        clock.Set(start);
        platform::WaitMs(300);
        EXPECT_EQ(clock.Now(), start + 300u);
    }
}

// A clock that jumps backwards once, as a count that was reset would.
struct JumpingClock : platform::Clock {
    uint32_t now = 5000;
    bool jumped = false;
    uint32_t Now() override { return now; }
    void Pause() override {
        if (!jumped && now == 5100) {
            now = 200;
            jumped = true;
        } else {
            ++now;
        }
    }
};

TEST(Clock, WaitStartsOverWhenTheCountGoesBackwards) {
    JumpingClock jumping;
    platform::SetClock(&jumping);
    platform::WaitMs(300);
    platform::SetClock(nullptr);
    EXPECT_EQ(jumping.now, 500u);  // 300 ms counted from the new reading
}
