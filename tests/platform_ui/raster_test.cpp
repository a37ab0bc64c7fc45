#include <gtest/gtest.h>

#include <QImage>

#include "platform/surface.h"

using namespace platform;

namespace {
constexpr Color Red = Rgb(200, 0, 0);
constexpr Color Blue = Rgb(0, 0, 200);
constexpr Color Grey = Rgb(0x55, 0x55, 0x55);
}  // namespace

TEST(Raster, CopyAndOrMasksAndLinesDoWhatTheirNamesSay) {
    Surface dst(4, 1, Rgb(0xF0, 0x0F, 0xFF));
    Surface src(4, 1, Rgb(0x3C, 0xFF, 0x00));
    BitBlt(dst, 0, 0, 1, 1, src, 0, 0, Rop::SrcCopy);
    BitBlt(dst, 1, 0, 1, 1, src, 0, 0, Rop::SrcAnd);
    BitBlt(dst, 2, 0, 1, 1, src, 0, 0, Rop::SrcPaint);
    EXPECT_EQ(dst.Pixel(0, 0), Rgb(0x3C, 0xFF, 0x00));
    EXPECT_EQ(dst.Pixel(1, 0), Rgb(0x30, 0x0F, 0x00));
    EXPECT_EQ(dst.Pixel(2, 0), Rgb(0xFC, 0xFF, 0xFF));
    EXPECT_EQ(dst.Pixel(3, 0), Rgb(0xF0, 0x0F, 0xFF));

    // A masked sprite keeps the background outside its shape.
    Surface table(3, 1, Grey), mask(3, 1, White), picture(3, 1, Black);
    mask.SetPixel(1, 0, Black);
    picture.SetPixel(1, 0, Red);
    DrawMasked(table, 0, 0, 3, 1, picture, 0, 0, mask, 0, 0);
    EXPECT_EQ(table.Pixel(0, 0), Grey);
    EXPECT_EQ(table.Pixel(1, 0), Red);
    EXPECT_EQ(table.Pixel(2, 0), Grey);

    // Lines leave out their end point.
    Surface line(5, 1, Black);
    DrawLine(line, 0, 0, 4, 0, White);
    EXPECT_EQ(line.Pixel(3, 0), White);
    EXPECT_EQ(line.Pixel(4, 0), Black);
}

TEST(Raster, CopiesAreClippedAtEveryEdge) {
    Surface dst(4, 4, Black);
    Surface src(3, 3, Red);
    BitBlt(dst, -1, -1, 3, 3, src, 0, 0);
    BitBlt(dst, 3, 3, 3, 3, src, 0, 0);
    BitBlt(dst, 0, 3, 5, 5, src, -2, 0);  // source starts left of its picture
    EXPECT_EQ(dst.Pixel(0, 0), Red);
    EXPECT_EQ(dst.Pixel(2, 2), Black);
    EXPECT_EQ(dst.Pixel(3, 3), Red);
    EXPECT_EQ(dst.Pixel(1, 3), Black);
    EXPECT_EQ(dst.Pixel(2, 3), Red);
}

TEST(Raster, CopyWithinOneSurfaceReadsTheOldPixels) {
    Surface s(4, 1, Black);
    s.SetPixel(0, 0, Red);
    s.SetPixel(1, 0, Blue);
    BitBlt(s, 1, 0, 2, 1, s, 0, 0);
    EXPECT_EQ(s.Pixel(1, 0), Red);
    EXPECT_EQ(s.Pixel(2, 0), Blue);
}

TEST(Raster, NearestStretchRepeatsPixelsAndHalftoneBlends) {
    Surface src(2, 1, Black);
    src.SetPixel(1, 0, White);
    Surface nearest(4, 1, Grey), smooth(4, 1, Grey);
    StretchBlt(nearest, 0, 0, 4, 1, src, 0, 0, 2, 1, Rop::SrcCopy, StretchMode::ColorOnColor);
    StretchBlt(smooth, 0, 0, 4, 1, src, 0, 0, 2, 1, Rop::SrcCopy, StretchMode::Halftone);
    EXPECT_EQ(nearest.Pixel(1, 0), Black);
    EXPECT_EQ(nearest.Pixel(2, 0), White);
    Color mid = smooth.Pixel(1, 0);
    EXPECT_GT(mid & 0xFF, 0u);
    EXPECT_LT(mid & 0xFF, 255u);
}

TEST(Text, WideCharactersCountTwoCellsAndTheZeroCellIsHalfWidth) {
    EXPECT_EQ(ByteLength("12/34"), 5);
    EXPECT_EQ(ByteLength("＋25点"), 6);
    EXPECT_EQ(ByteLength("ｷｬﾝｾﾙ"), 5);
    Size zero = TextExtent("0");
    EXPECT_GT(zero.width, 4);
    EXPECT_GT(zero.height, zero.width);
    // A full-width character fills two cells.
    EXPECT_NEAR(TextExtent("勝").width, 2 * zero.width, 1);
}

TEST(Text, OpaqueTextFillsItsExtentWithTheBackground) {
    Surface s(60, 30, Black);
    TextOut(s, 5, 5, "0", Black, White);
    Size zero = TextExtent("0");
    EXPECT_EQ(s.Pixel(5, 5), White);
    EXPECT_EQ(s.Pixel(5 + zero.width - 1, 5 + zero.height - 1), White);
    EXPECT_EQ(s.Pixel(5 + zero.width + 1, 5), Black);
}

TEST(Raster, AtAFractionalRatioNeighbouringCopiesMeetWithoutGapOrOverlap) {
    // Logical 0-3, 3-7 and 7-10 at 1.5 device pixels each: 0-5, 5-11, 11-15.
    Surface dst(10, 2, Black, 1.5);
    const Color colours[3] = {Red, Blue, Grey};
    const int edges[4] = {0, 3, 7, 10};
    for (int i = 0; i < 3; ++i) {
        const int w = edges[i + 1] - edges[i];
        Surface piece(w, 2, colours[i], 1.5);
        BitBlt(dst, edges[i], 0, w, 2, piece, 0, 0);
    }
    const QImage& image = dst.Image();
    ASSERT_EQ(image.width(), 15);
    for (int x = 0; x < 15; ++x) {
        const int expected = x < 5 ? 0 : x < 11 ? 1 : 2;
        EXPECT_EQ(dst.Pixel(LogicalPixelAt(x, 1.5), 0), colours[expected]) << x;
        EXPECT_EQ(image.pixel(x, 2) & 0xFFFFFF, image.pixel(x, 0) & 0xFFFFFF) << x;
    }
}

TEST(Raster, ACopyReadsOnlyItsSourceRectangleAtAnyRatio) {
    // A sheet of two cells, red and blue, 3 logical pixels each: at 1.5 the
    // red cell has 5 device columns and the blue one 4. A cell copied where
    // it covers one column more repeats its own last column, never the
    // neighbour's.
    Surface sheet(6, 1, Red, 1.5);
    FillRect(sheet, {3, 0, 6, 1}, Blue);
    for (int x = 0; x < 4; ++x) {
        Surface dst(8, 1, Black, 1.5);
        BitBlt(dst, x, 0, 3, 1, sheet, 3, 0);
        for (int px = DeviceEdge(x, 1.5); px < DeviceEdge(x + 3, 1.5); ++px)
            EXPECT_EQ(dst.Image().pixel(px, 0) & 0xFFFFFF, 0xC8u) << "at " << x << ": " << px;
    }
}

TEST(Raster, CopiesBetweenRatiosAreScaledToFit) {
    Surface dst(4, 2, Black, 2.0);
    Surface src(2, 1, Red);
    BitBlt(dst, 1, 0, 2, 1, src, 0, 0);
    for (int x = 2; x < 6; ++x)
        for (int y = 0; y < 2; ++y) EXPECT_EQ(dst.Image().pixel(x, y) & 0xFFFFFF, 0xC80000u);
    EXPECT_EQ(dst.Pixel(0, 0), Black);
    EXPECT_EQ(dst.Pixel(3, 0), Black);
}
