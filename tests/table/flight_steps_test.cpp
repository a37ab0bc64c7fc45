// Flight timing: a flight lasts its steps in milliseconds, shows a frame at
// most every frameMs, and lands its cards exactly however late the drawing.
#include "table/flight_steps.h"

#include <gtest/gtest.h>

namespace {

struct Flight {
    int frames = 0;
    double x = 0;
    uint32_t took = 0;
};

// Flies a card from 0 to `target` the way the tables do.
Flight Fly(int steps, uint32_t frameMs, int target) {
    Flight f;
    const uint32_t t0 = platform::GetTickCount();
    table::FlightSteps flight(steps, frameMs);
    while (!flight.Done()) {
        const int k = flight.Next();
        for (int s = 0; s < k; ++s) f.x += (target - f.x) / flight.Remaining();
        ++f.frames;
        flight.Advance();
    }
    f.took = platform::GetTickCount() - t0;
    return f;
}

class FlightStepsTest : public ::testing::Test {
  protected:
    void SetUp() override { platform::SetClock(&clock_); }
    void TearDown() override { platform::SetClock(nullptr); }
    platform::FakeClock clock_{0, 1};
};

}  // namespace

TEST_F(FlightStepsTest, AFlightLastsItsStepsAndShowsAFrameEveryFrameMs) {
    const Flight every10 = Fly(200, 10, 300);
    EXPECT_EQ(every10.frames, 20);
    EXPECT_EQ(every10.took, 200u);
    EXPECT_DOUBLE_EQ(every10.x, 300.0);
    const Flight every1 = Fly(200, 1, 300);
    EXPECT_EQ(every1.frames, 200);
    EXPECT_EQ(every1.took, 200u);
    EXPECT_DOUBLE_EQ(every1.x, 300.0);
}

TEST_F(FlightStepsTest, AFlightThatFallsFarBehindLandsInOneFrame) {
    // The first wait for a frame already finds 500 ms gone.
    platform::FakeClock slow(0, 500);
    platform::SetClock(&slow);
    const Flight f = Fly(200, 1, -120);
    EXPECT_EQ(f.frames, 1);
    EXPECT_DOUBLE_EQ(f.x, -120.0);
}

TEST_F(FlightStepsTest, OneStepIsOneFrame) {
    const Flight f = Fly(1, 10, 42);
    EXPECT_EQ(f.frames, 1);
    EXPECT_DOUBLE_EQ(f.x, 42.0);
}

TEST_F(FlightStepsTest, AFrameThatComesLateMidFlightLandsExactlyAndNeverBeyond) {
    // The clock jumps by `late` ms while frame `lateFrame` is drawn.
    const struct {
        int steps;
        uint32_t frameMs;
        int lateFrame;
        uint32_t late;
    } cases[] = {
        {200, 10, 10, 500},  // half-way, far more than the rest of the flight
        {200, 10, 10, 90},   // one step short of the end
        {200, 10, 10, 91},   // just the rest of the flight
        {200, 10, 10, 92},   // one step past it
        {200, 10, 18, 15},   // in the second last frame
        {200, 1, 150, 60},  {20, 10, 0, 1000}, {2, 1, 0, 5},  // the last step would divide by zero
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.steps << " steps, frame " << c.lateFrame << " late by "
                                        << c.late << " ms");
        platform::FakeClock clock(0, 1);
        platform::SetClock(&clock);
        const double target = 300;
        double x = 0;
        int frames = 0, taken = 0, lastFrames = 0;
        table::FlightSteps flight(c.steps, c.frameMs);
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
