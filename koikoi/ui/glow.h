// The pulsing glow around a card: one of the five frames of glowStrip, laid
// through the strip's sixth cell, its mask. Nothing here knows the table;
// any table's glow can use it.
#pragma once
#include "platform/surface.h"

namespace koiui {

constexpr int GlowFrames = 5;
constexpr int GlowMaskCell = 5;

// Draws frame `frame` (0..4) of `strip`, whose cells are cellWidth x
// cellHeight, at (x, y) in `dst`, stretched to width x height when that
// differs from the cell.
inline void DrawGlowFrame(platform::Surface& dst, const platform::Surface& strip, int cellWidth,
                          int cellHeight, int frame, int x, int y, int width, int height) {
    using platform::Rop;
    if (width == cellWidth && height == cellHeight) {
        platform::BitBlt(dst, x, y, width, height, strip, GlowMaskCell * cellWidth, 0, Rop::SrcAnd);
        platform::BitBlt(dst, x, y, width, height, strip, frame * cellWidth, 0, Rop::SrcPaint);
        return;
    }
    const auto mode = platform::StretchMode::BlackOnWhite;
    platform::StretchBlt(dst, x, y, width, height, strip, GlowMaskCell * cellWidth, 0, cellWidth,
                         cellHeight, Rop::SrcAnd, mode);
    platform::StretchBlt(dst, x, y, width, height, strip, frame * cellWidth, 0, cellWidth,
                         cellHeight, Rop::SrcPaint, mode);
}

}  // namespace koiui
