#include "table/glow.h"

namespace table {

void DrawGlowFrame(platform::Surface& dst, const platform::Surface& strip, int cellWidth,
                   int cellHeight, int frame, int x, int y, int width, int height) {
    using platform::Rop;
    if (width == cellWidth && height == cellHeight) {
        platform::BitBlt(dst, x, y, width, height, strip, GlowMaskCell * cellWidth, 0, Rop::SrcAnd);
        platform::BitBlt(dst, x, y, width, height, strip, frame * cellWidth, 0, Rop::SrcPaint);
        return;
    }
    // Nearest-pixel stretching keeps the mask's black and white clean.
    const auto mode = platform::StretchMode::BlackOnWhite;
    platform::StretchBlt(dst, x, y, width, height, strip, GlowMaskCell * cellWidth, 0, cellWidth,
                         cellHeight, Rop::SrcAnd, mode);
    platform::StretchBlt(dst, x, y, width, height, strip, frame * cellWidth, 0, cellWidth,
                         cellHeight, Rop::SrcPaint, mode);
}

}  // namespace table
