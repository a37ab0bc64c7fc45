// The glow laid over a table: the mask cell clears a ring, the chosen frame
// fills it, and the table inside and outside the ring is left alone.
#include "table/glow.h"

#include <gtest/gtest.h>

namespace {

using platform::Color;
using platform::Rgb;
using platform::Surface;

constexpr int Cell = 4;
constexpr Color TableColour = Rgb(0, 128, 0);

Color FrameColour(int frame) {
    return Rgb(40 * (frame + 1), 0, 200);
}

bool OnRing(int x, int y, int size) {
    return x == 0 || y == 0 || x == size - 1 || y == size - 1;
}

// Five frames with a coloured ring on black, then the mask: black ring, white inside.
Surface Strip() {
    Surface strip((table::GlowFrames + 1) * Cell, Cell);
    for (int cell = 0; cell <= table::GlowFrames; ++cell) {
        for (int y = 0; y < Cell; ++y) {
            for (int x = 0; x < Cell; ++x) {
                const bool ring = OnRing(x, y, Cell);
                const Color c = cell == table::GlowMaskCell
                                    ? (ring ? platform::Black : platform::White)
                                    : (ring ? FrameColour(cell) : platform::Black);
                strip.SetPixel(cell * Cell + x, y, c);
            }
        }
    }
    return strip;
}

}  // namespace

// Each frame, drawn at the strip's size or enlarged twice (every strip pixel
// two by two, the ring two pixels thick).
TEST(GlowTest, EachFrameRingsTheCardAndLeavesTheTableInsideAndOutsideAlone) {
    const Surface strip = Strip();
    for (int scale : {1, 2}) {
        for (int frame = 0; frame < table::GlowFrames; ++frame) {
            const int size = scale * Cell;
            Surface dst(12, 12, TableColour);
            table::DrawGlowFrame(dst, strip, Cell, Cell, frame, 3, 2, size, size);
            for (int y = -1; y <= size; ++y)
                for (int x = -1; x <= size; ++x) {
                    const bool inside = x >= 0 && y >= 0 && x < size && y < size;
                    EXPECT_EQ(dst.Pixel(3 + x, 2 + y), inside && OnRing(x / scale, y / scale, Cell)
                                                           ? FrameColour(frame)
                                                           : TableColour)
                        << scale << " " << frame << " " << x << "," << y;
                }
        }
    }
}
