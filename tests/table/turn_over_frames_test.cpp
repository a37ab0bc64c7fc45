// The turn-over frames and the pacing every table animation keeps.
#include "table/turn_over_frames.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/clock.h"
#include "table/frame_pacing.h"

// The back narrows to an edge four pixels wide, the face widens from it in
// the same widths back to the whole card, every frame centred on the card.
TEST(TurnOverTest, TheBackNarrowsToAnEdgeThenTheFaceWidensCentredOnTheCard) {
    const int w = 50, half = table::TurnOverFrames / 2;
    for (int frame = 0; frame < table::TurnOverFrames; ++frame) {
        const table::TurnOverFrame f = table::TurnOverFrameOf(frame, w);
        EXPECT_EQ(f.face, frame >= half) << frame;
        // Centred to within the pixel that integer halves lose.
        EXPECT_LE(std::abs(2 * f.x + f.width - w), 2) << frame;
        if (frame < half) {
            const table::TurnOverFrame mirror = table::TurnOverFrameOf(2 * half - 1 - frame, w);
            EXPECT_EQ(f.width, mirror.width) << frame;
            EXPECT_LT(f.width, frame == 0 ? w : table::TurnOverFrameOf(frame - 1, w).width);
        }
    }
    EXPECT_EQ(table::TurnOverFrameOf(half, w).width, 4);
    const table::TurnOverFrame last = table::TurnOverFrameOf(table::TurnOverFrames - 1, w);
    EXPECT_EQ(last.width, w);
    EXPECT_EQ(last.x, 0);
}

TEST(FramePacingTest, AFrameOnTimeWaitsOutItsPeriodAndALateOneSkipsTheFramesItMissed) {
    platform::FakeClock clock(1000);
    platform::SetClock(&clock);
    uint32_t t0 = platform::GetTickCount();
    EXPECT_EQ(table::WaitForNextFrame(t0, 50), 1);
    EXPECT_EQ(platform::GetTickCount(), 1050u);
    EXPECT_EQ(t0, 1050u);
    // Drawing took 120 ms: two frames have gone by and the third is due on
    // the old schedule, not 50 ms from now.
    clock.Advance(120);
    EXPECT_EQ(table::WaitForNextFrame(t0, 50), 2);
    EXPECT_EQ(t0, 1150u);
    EXPECT_EQ(table::WaitForNextFrame(t0, 50), 1);
    EXPECT_EQ(platform::GetTickCount(), 1200u);
    platform::SetClock(nullptr);
}
