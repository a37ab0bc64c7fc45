// Flight timing: a flight lasts its steps in milliseconds, shows a frame at
// most every frameMs, and lands its cards exactly however late the drawing.
#include "table/flight_steps.h"

#include <gtest/gtest.h>

TEST(FlightStepsTest, AFlightLastsItsStepsAndLandsExactlyHoweverLateAFrameComes) {
    // The clock jumps by `late` ms while frame `lateFrame` is drawn (-1:
    // before the first frame); `frames` 0 leaves their number open.
    const struct {
        int steps;
        uint32_t frameMs;
        int lateFrame;
        uint32_t late;
        int frames;
    } cases[] = {
        {200, 10, -1, 0, 20},   // a frame every 10 ms
        {200, 1, -1, 0, 200},   // a frame every millisecond
        {1, 10, -1, 0, 1},      // one step is one frame
        {200, 1, -1, 500, 1},   // far behind before the first frame: it lands at once
        {200, 10, 10, 500, 0},  // half-way, far more than the rest of the flight
        {200, 10, 10, 90, 0},   // one step short of the end
        {200, 10, 10, 91, 0},   // just the rest of the flight
        {200, 10, 10, 92, 0},   // one step past it
        {200, 10, 18, 15, 0},   // in the second last frame
        {200, 1, 150, 60, 0},  {20, 10, 0, 1000, 0},
        {2, 1, 0, 5, 0},  // the last step would divide by zero
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.steps << " steps, frame " << c.lateFrame << " late by "
                                        << c.late << " ms");
        platform::FakeClock clock(0, 1);
        platform::SetClock(&clock);
        const double target = 300;
        double x = 0;
        int frames = 0, taken = 0, lastFrames = 0;
        const uint32_t t0 = platform::GetTickCount();
        table::FlightSteps flight(c.steps, c.frameMs);
        if (c.lateFrame < 0) clock.Advance(c.late);
        while (!flight.Done() && frames < 1000) {
            const int k = flight.Next();
            ASSERT_GE(k, 1);
            ASSERT_GE(flight.Remaining(), 1) << "frame " << frames;
            for (int s = 0; s < k; ++s) x += (target - x) / flight.Remaining();
            EXPECT_LE(x, target) << "frame " << frames;
            taken += k;
            if (flight.IsLast()) ++lastFrames;
            if (frames == c.lateFrame) clock.Advance(c.late);
            ++frames;
            flight.Advance();
        }
        EXPECT_EQ(taken, c.steps);
        EXPECT_EQ(lastFrames, 1);
        EXPECT_DOUBLE_EQ(x, target);
        if (c.frames > 0) {
            EXPECT_EQ(frames, c.frames);
        }
        if (c.late == 0) {
            EXPECT_EQ(platform::GetTickCount() - t0, static_cast<uint32_t>(c.steps));
        }
        platform::SetClock(nullptr);
    }
}

TEST(DirtyBoxTest, TheBoxCoversWhereEveryCardWasAndIs) {
    table::DirtyBox box = {640, 480, 0, 0};
    box.Add(100, 50, 30, 40);
    box.Add(20, 200, 30, 40);
    EXPECT_EQ(box.left, 20);
    EXPECT_EQ(box.top, 50);
    EXPECT_EQ(box.right, 130);
    EXPECT_EQ(box.bottom, 240);
}
