// The pulsing glow around a card: one of the five frames of the glow strip,
// laid through the strip's sixth cell, its mask.
#pragma once
#include "platform/surface.h"

namespace table {

constexpr int GlowFrames = 5;
constexpr int GlowMaskCell = 5;

// Draws frame `frame` (0..4) of `strip`, whose cells are cellWidth x
// cellHeight, at (x, y) in `dst`, stretched to width x height when that
// differs from the cell: the mask clears the ring, the frame fills it.
void DrawGlowFrame(platform::Surface& dst, const platform::Surface& strip, int cellWidth,
                   int cellHeight, int frame, int x, int y, int width, int height);

}  // namespace table
