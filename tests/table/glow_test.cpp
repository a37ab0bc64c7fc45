// The glow laid over a table: the mask cell clears a ring, the chosen frame
// fills it, and the table inside and outside the ring is left alone.
#include "table/glow.h"

#include <gtest/gtest.h>

#include "tests/table/solid_table.h"

// Each frame, drawn at the strip's size or enlarged twice (every strip pixel
// two by two, the ring four pixels thick).
TEST(GlowTest, EachFrameRingsTheCardAndLeavesTheTableInsideAndOutsideAlone) {
    constexpr int Cell = 6;
    const platform::Surface strip = GlowStrip(Cell, Cell);
    auto onRing = [](int x, int y) { return x < 2 || y < 2 || x >= Cell - 2 || y >= Cell - 2; };
    for (int scale : {1, 2}) {
        for (int frame = 0; frame < table::GlowFrames; ++frame) {
            const int size = scale * Cell;
            platform::Surface dst(16, 16, TableColour);
            table::DrawGlowFrame(dst, strip, Cell, Cell, frame, 3, 2, size, size);
            for (int y = -1; y <= size; ++y)
                for (int x = -1; x <= size; ++x) {
                    const bool inside = x >= 0 && y >= 0 && x < size && y < size;
                    EXPECT_EQ(dst.Pixel(3 + x, 2 + y), inside && onRing(x / scale, y / scale)
                                                           ? GlowColour(frame)
                                                           : TableColour)
                        << scale << " " << frame << " " << x << "," << y;
                }
        }
    }
}
