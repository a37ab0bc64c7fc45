// The timing of a card flight: one step per millisecond of the clock, the
// steps that drawing fell behind taken together, so that a flight lasts its
// number of steps in milliseconds however slow the drawing is and every card
// lands exactly on its target on the last step.
//
// A frame is drawn at most every frameMs: a table that draws at every
// millisecond passes 1, one that draws at about the rate a display shows
// pictures passes more.
#pragma once
#include <algorithm>
#include <cstdint>

#include "platform/clock.h"

namespace table {

class FlightSteps {
  public:
    FlightSteps(int steps, uint32_t frameMs)
        : steps_(steps), frameMs_(frameMs), t0_(platform::GetTickCount()) {}

    bool Done() const { return step_ >= steps_; }
    // Waits for the next frame and returns k, the number of steps it takes;
    // afterwards Remaining() and IsLast() speak of the frame's last step.
    int Next() {
        const uint32_t wanted = std::min<uint32_t>(frameMs_, static_cast<uint32_t>(steps_ - step_));
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
    uint32_t frameMs_;
    int step_ = 0;
    uint32_t t0_;
};

// The part of the table a frame of a flight changed: where the cards were
// and where they are now, presented at once.
struct DirtyBox {
    int left, top, right, bottom;
    void Add(int x, int y, int w, int h) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x + w);
        bottom = std::max(bottom, y + h);
    }
};

}  // namespace table
