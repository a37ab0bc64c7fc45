#include "platform/clock.h"

#include <gtest/gtest.h>

using platform::FakeClock;

struct ClockTest : ::testing::Test {
    FakeClock clock{0, 1};
    void SetUp() override { platform::SetClock(&clock); }
    void TearDown() override { platform::SetClock(nullptr); }
};

TEST_F(ClockTest, WaitEndsWhenEnoughTimeHasPassed) {
    clock.Set(1000);
    platform::WaitMs(300);
    EXPECT_EQ(clock.Now(), 1300u);
}

TEST_F(ClockTest, WaitSurvivesTheWrapAt2To32) {
    clock.Set(0xFFFFFF00u);
    platform::WaitMs(300);
    EXPECT_EQ(clock.Now(), 0xFFFFFF00u + 300u);  // wrapped past zero
    EXPECT_LT(clock.Now(), 100u);
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
    EXPECT_TRUE(jumping.jumped);
    EXPECT_EQ(jumping.now, 500u);  // 300 ms counted from the new reading
}

TEST(Clock, SystemClockMoves) {
    uint32_t a = platform::GetTickCount();
    platform::WaitMs(5);
    EXPECT_GE(platform::GetTickCount() - a, 5u);
}
