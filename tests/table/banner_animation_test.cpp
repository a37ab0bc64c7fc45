// The end-of-game banner animation: every frame of every cycle presented on
// its schedule, a late frame skipped, the still banner left at the end.
#include "table/banner_animation.h"

#include <gtest/gtest.h>

#include "platform/clock.h"

namespace {

std::vector<uint32_t> presentedAt;

void Record(int, int, int, int) {
    presentedAt.push_back(platform::GetTickCount());
}

}  // namespace

TEST(BannerAnimationTest, EveryResultPlaysItsCyclesOnScheduleAndEndsOnTheStillBanner) {
    platform::FakeClock clock(0, 1);
    platform::SetClock(&clock);
    const platform::Surface banner(8, 4, platform::Rgb(10, 20, 30));
    for (auto result :
         {table::BannerResult::Win, table::BannerResult::Lose, table::BannerResult::Draw}) {
        const table::BannerAnimation& a = table::BannerAnimationOf(result);
        const std::vector<platform::Surface> frames(15, platform::Surface(8, 4, platform::White));
        platform::Surface dst(20, 10, platform::Black);
        presentedAt.clear();
        const uint32_t start = platform::GetTickCount();
        table::PlayBannerAnimation(dst, a, banner, frames, 5, 3, 8, 4, Record);
        const size_t shown = a.order.size() * a.cycles;
        ASSERT_EQ(presentedAt.size(), shown + 1);
        EXPECT_EQ(platform::GetTickCount() - start, a.periodMs * shown);
        EXPECT_EQ(presentedAt[1] - presentedAt[0], a.periodMs);
        EXPECT_EQ(dst.Pixel(5, 3), platform::Rgb(10, 20, 30));
        EXPECT_EQ(dst.Pixel(4, 3), platform::Black);
    }
    platform::SetClock(nullptr);
}
