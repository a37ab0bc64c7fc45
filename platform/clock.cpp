#include "platform/clock.h"

#include <chrono>
#include <thread>

namespace platform {
namespace {

class SystemClock : public Clock {
  public:
    uint32_t Now() override {
        using namespace std::chrono;
        auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
        return static_cast<uint32_t>(ms);
    }
    void Pause() override { std::this_thread::sleep_for(std::chrono::microseconds(500)); }
};

SystemClock systemClock;
Clock* currentClock = &systemClock;

}  // namespace

void SetClock(Clock* clock) {
    currentClock = clock ? clock : &systemClock;
}
Clock& CurrentClock() {
    return *currentClock;
}
uint32_t GetTickCount() {
    return currentClock->Now();
}

void WaitMs(uint32_t ms) {
    uint32_t start = GetTickCount();
    for (;;) {
        uint32_t now = GetTickCount();
        // Differences of unsigned readings survive the 2^32 wrap; a reading
        // that went backwards (differences above 2^31) restarts the wait.
        uint32_t elapsed = now - start;
        if (elapsed > 0x80000000u) {
            start = now;
            continue;
        }
        if (elapsed >= ms) return;
        currentClock->Pause();
    }
}

}  // namespace platform
