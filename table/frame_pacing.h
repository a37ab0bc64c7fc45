// Animations that show a frame every so many milliseconds and keep their
// time on a slow machine by skipping the frames they fell behind on.
#pragma once
#include <cstdint>

namespace table {

// Waits until the frame that began at t0 has lasted periodMs, moves t0 on
// by whole periods up to now and returns how many frames have gone by: one,
// or more when drawing took longer than a period.
int WaitForNextFrame(uint32_t& t0, uint32_t periodMs);

}  // namespace table
