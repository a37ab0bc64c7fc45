// Smooth shapes and scaled lettering for the marks laid over a table (counts
// of captured kinds, the こいこい badge, whose turn it is, the outline of a
// computer's play). Unlike the card art they are drawn at whatever size the
// table needs, so they stay crisp at every resolution.
#pragma once
#include <string_view>

#include "platform/surface.h"

namespace platform {

// `alpha` 0 … 255 blends the colour over what is there.
void FillRoundRect(Surface& dst, const Rect& r, int radius, Color fill, int alpha = 255);
// A frame `penWidth` pixels wide drawn inside `r`.
void FrameRoundRect(Surface& dst, const Rect& r, int radius, int penWidth, Color color,
                    int alpha = 255);
// A triangle with its corners at the three points.
void FillTriangle(Surface& dst, int x0, int y0, int x1, int y1, int x2, int y2, Color fill);

// Lettering of the table's marks in the gothic of the dialogs at
// `pixelHeight`; (x, y) is the top-left corner of the text's line box.
void MarkText(Surface& dst, int x, int y, std::string_view text, int pixelHeight, Color color,
              bool bold = false);
Size MarkTextExtent(std::string_view text, int pixelHeight, bool bold = false);

}  // namespace platform
