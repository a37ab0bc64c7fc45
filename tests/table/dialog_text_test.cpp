// Text on a dialog face: dark text on the face colour, the text's whole
// extent painted so that rewriting a cell leaves nothing of the old text.
#include "table/dialog_text.h"

#include <gtest/gtest.h>

namespace {

int Brightness(platform::Color c) {
    return (c & 0xff) + ((c >> 8) & 0xff) + ((c >> 16) & 0xff);
}

}  // namespace

TEST(DialogTextTest, TextFillsItsExtentWithTheFaceAndInksInTheTextColour) {
    const platform::Color old = platform::Rgb(255, 0, 255);
    platform::Surface face(200, 40, old);
    table::WriteText(face, 10, 5, "合計 99");
    const platform::Size extent = platform::TextExtent("合計 99");
    ASSERT_GT(extent.width, 0);
    int faceColoured = 0, dark = 0, leftOver = 0;
    for (int y = 5; y < 5 + extent.height; ++y) {
        for (int x = 10; x < 10 + extent.width; ++x) {
            const platform::Color c = face.Pixel(x, y);
            if (c == table::FaceColor()) ++faceColoured;
            if (Brightness(c) <= Brightness(table::TextColor()) + 150) ++dark;
            if (c == old) ++leftOver;
        }
    }
    EXPECT_GT(faceColoured, 0);
    EXPECT_GT(dark, 0);
    EXPECT_EQ(leftOver, 0);
    EXPECT_EQ(face.Pixel(9, 5), old);
    EXPECT_EQ(face.Pixel(10, 4), old);
}
