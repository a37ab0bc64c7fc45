// The timing of a card flight: one step per millisecond of the clock, the
// steps that drawing fell behind taken together, so that a flight lasts its
// number of steps in milliseconds however slow the drawing is.
//
// Frames are drawn at most every FrameMs, about the rate a display shows
// them: drawing and presenting at every millisecond would only burn the
// processor for pictures nobody sees. Nothing here knows the table; any
// table's flight can use it.
#pragma once
#include <algorithm>
#include <cstdint>

#include "platform/clock.h"

namespace koiui {

class FlightSteps {
  public:
    static constexpr uint32_t FrameMs = 10;

    explicit FlightSteps(int steps) : steps_(steps), t0_(platform::GetTickCount()) {}

    bool Done() const { return step_ >= steps_; }
    // Waits for the next frame and returns k, the number of steps it takes;
    // afterwards Step() is the index of the frame's last step.
    int Next() {
        const uint32_t wanted = std::min<uint32_t>(FrameMs, static_cast<uint32_t>(steps_ - step_));
        uint32_t elapsed = platform::GetTickCount() - t0_;
        while (elapsed < std::max<uint32_t>(wanted, 1)) {
            platform::CurrentClock().Pause();
            elapsed = platform::GetTickCount() - t0_;
        }
        int k = static_cast<int>(std::min<uint32_t>(elapsed, static_cast<uint32_t>(steps_)));
        if (step_ + k - 1 >= steps_) k = steps_ - step_;
        t0_ += static_cast<uint32_t>(k);
        step_ += k - 1;
        return k;
    }
    // Steps still to go, counting the current one: the divisor that makes
    // every card land exactly on its target on the last step.
    int Remaining() const { return steps_ - step_; }
    bool IsLast() const { return step_ == steps_ - 1; }
    void Advance() { ++step_; }

  private:
    int steps_;
    int step_ = 0;
    uint32_t t0_;
};

}  // namespace koiui
