#include "table/frame_pacing.h"

#include "platform/clock.h"

namespace table {

int WaitForNextFrame(uint32_t& t0, uint32_t periodMs) {
    if (periodMs == 0) return 1;  // a frame per call, never an endless catch-up
    uint32_t now = platform::GetTickCount();
    while (now - t0 < periodMs) {
        platform::CurrentClock().Pause();
        now = platform::GetTickCount();
    }
    int passed = 0;
    while (now - t0 >= periodMs) {
        t0 += periodMs;
        ++passed;
    }
    return passed;
}

}  // namespace table
