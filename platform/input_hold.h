// A short pause on the table that the player may cut short.
#pragma once
#include <cstdint>

namespace platform {

// Waits `ms` on the program's clock while the window keeps repainting. A
// button press or key press ends the wait early and is used up by it, so it
// neither reaches the table nor the menu; nothing else the player does is
// acted on meanwhile. Returns true when the player cut it short.
bool HoldUnlessInput(uint32_t ms);

}  // namespace platform
