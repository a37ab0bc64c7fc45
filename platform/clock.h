// The program's one clock. Every wait and every animation step reads it, so
// tests swap in a FakeClock and whole games run without really waiting.
#pragma once
#include <cstdint>

namespace platform {

class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds since some start, wrapping at 2^32 like GetTickCount.
    virtual uint32_t Now() = 0;
    // Called by busy waits between two readings: the real clock gives the
    // core away for about a millisecond, a fake clock moves time on.
    virtual void Pause() = 0;
};

// A clock that only moves when told, or by `step` ms at every Pause.
class FakeClock : public Clock {
  public:
    explicit FakeClock(uint32_t start = 0, uint32_t step = 1) : now_(start), step_(step) {}
    uint32_t Now() override { return now_; }
    void Pause() override { now_ += step_; }
    void Advance(uint32_t ms) { now_ += ms; }
    void Set(uint32_t ms) { now_ = ms; }

  private:
    uint32_t now_;
    uint32_t step_;
};

// Installs `clock` (not owned); nullptr restores the system clock.
void SetClock(Clock* clock);
Clock& CurrentClock();

uint32_t GetTickCount();
// Blocks until `ms` milliseconds have passed on the current clock. If the
// count ever goes backwards the wait starts over from the new reading.
void WaitMs(uint32_t ms);

}  // namespace platform
