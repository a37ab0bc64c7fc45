// The art drawn for screens of more device pixels: each image has the
// device size of its ratio, is drawn at that size rather than enlarged, and
// its masks stay black and white and in step with their pictures wherever
// the tables lay them.
#include <gtest/gtest.h>

#include <QImage>

#include "assets/catalogue.h"
#include "table/glow.h"

using assets::ImageSize;
using assets::LoadImage;
using assets::TableImage;
using platform::Black;
using platform::Color;
using platform::DeviceEdge;
using platform::Surface;
using platform::White;

namespace {

constexpr double Ratios[] = {1.0, 1.25, 1.5, 1.75, 2.0, 3.0};

class RatioArt : public ::testing::Test {
  protected:
    void TearDown() override { assets::SetImageRatio(1.0); }
};

// How much more often a pixel in an even column equals its right neighbour
// than one in an odd column does: 0 for a picture drawn at its size, the
// whole share of unlike neighbours for one enlarged from half the size,
// where every pixel of an even column is copied into the next.
double PairedColumns(const QImage& image) {
    long evenAlike = 0, even = 0, oddAlike = 0, odd = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            const bool alike = image.pixel(x, y) == image.pixel(x + 1, y);
            if (x % 2 == 0)
                evenAlike += alike, ++even;
            else
                oddAlike += alike, ++odd;
        }
    return double(evenAlike) / even - double(oddAlike) / odd;
}

bool BlackOrWhite(QRgb c) {
    return (c & 0xFFFFFF) == 0 || (c & 0xFFFFFF) == 0xFFFFFF;
}

// A glyph cell of a panel sheet: the picture at `picture`, its mask at `mask`
// (logical), both `w` x `h`. In device pixels the mask is black and white and
// the picture black wherever the mask keeps the table, over every pixel that
// a copy of the cell reads.
void ExpectGlyphInStep(const Surface& sheet, QPoint picture, QPoint mask, int w, int h,
                       const char* what) {
    const double ratio = sheet.Ratio();
    const QImage& image = sheet.Image();
    const int px = DeviceEdge(picture.x(), ratio), py = DeviceEdge(picture.y(), ratio);
    const int mx = DeviceEdge(mask.x(), ratio), my = DeviceEdge(mask.y(), ratio);
    const int dw =
        std::min(DeviceEdge(picture.x() + w, ratio) - px, DeviceEdge(mask.x() + w, ratio) - mx);
    const int dh =
        std::min(DeviceEdge(picture.y() + h, ratio) - py, DeviceEdge(mask.y() + h, ratio) - my);
    bool inked = false;
    for (int y = 0; y < dh; ++y)
        for (int x = 0; x < dw; ++x) {
            const QRgb m = image.pixel(mx + x, my + y);
            ASSERT_TRUE(BlackOrWhite(m)) << what << " at " << ratio;
            inked |= (m & 0xFFFFFF) == 0;
            if ((m & 0xFFFFFF) == 0xFFFFFF) {
                ASSERT_EQ(image.pixel(px + x, py + y) & 0xFFFFFF, 0u)
                    << what << " at " << ratio << ": " << x << "," << y;
            }
        }
    EXPECT_TRUE(inked) << what << " at " << ratio;
}

}  // namespace

TEST_F(RatioArt, EveryImageHasTheDeviceSizeOfItsRatioAndKeepsItsLogicalSize) {
    assets::SetImageRatio(1.5);
    for (int number : assets::AllImageNumbers()) {
        if (number == assets::IconImage) continue;  // the desktop's, at its own sizes
        const Surface& image = LoadImage(number);
        const platform::Size logical = ImageSize(number);
        ASSERT_EQ(image.Width(), logical.width) << number;
        ASSERT_EQ(image.Height(), logical.height) << number;
        ASSERT_EQ(image.Image().width(), DeviceEdge(logical.width, 1.5)) << number;
        ASSERT_EQ(image.Image().height(), DeviceEdge(logical.height, 1.5)) << number;
    }
    EXPECT_FALSE(assets::IsImageNumber(10049));
}

TEST_F(RatioArt, AtTwiceTheRatioCardsTableAndBannersAreDrawnNotEnlarged) {
    // A face, the back, two table surfaces, a banner and the name labels.
    for (int base : {20, 48, 700, 711, 400, 705}) {
        assets::SetImageRatio(1.0);
        const QImage once = LoadImage(TableImage(base, 2)).Image();
        const QImage doubled = once.scaled(once.size() * 2);
        assets::SetImageRatio(2.0);
        const QImage twice = LoadImage(TableImage(base, 2)).Image();
        ASSERT_EQ(twice.size(), doubled.size()) << base;
        // Edges drawn on whole logical pixels fall between pairs a little
        // more often; copying makes every pair alike.
        EXPECT_LT(PairedColumns(twice), PairedColumns(doubled) / 3) << base;
    }
}

TEST_F(RatioArt, MasksAreBlackAndWhiteAndPanelGlyphsInStepWithThemAtEveryRatio) {
    // The sheets of Koi-Koi at 800x600, each picture above its mask: ten
    // digits in three sizes, the names of three sizes, six plates.
    const struct {
        int base, columns, rows;
        const char* what;
    } sheets[] = {{703, 10, 3, "digit"}, {705, 3, 2, "name"}, {704, 6, 1, "plate"}};
    for (double ratio : Ratios) {
        assets::SetImageRatio(ratio);
        for (const auto& s : sheets) {
            const Surface& sheet = LoadImage(TableImage(s.base, 1));
            const int w = sheet.Width() / s.columns, h = sheet.Height() / (2 * s.rows);
            for (int row = 0; row < s.rows; ++row)
                for (int column = 0; column < s.columns; ++column)
                    ExpectGlyphInStep(sheet, {column * w, 2 * row * h},
                                      {column * w, (2 * row + 1) * h}, w, h, s.what);
        }
        for (int base : {302, 410, 510, 511, 512, 513}) {
            const QImage& mask = LoadImage(TableImage(base, 1)).Image();
            for (int y = 0; y < mask.height(); ++y)
                for (int x = 0; x < mask.width(); ++x)
                    ASSERT_TRUE(BlackOrWhite(mask.pixel(x, y)))
                        << base << " at " << ratio << ": " << x << "," << y;
        }
    }
}

TEST_F(RatioArt, AGlowLaidAnywhereShowsOnlyTheTableAndGlowColours) {
    // Wherever a logical position falls between device pixels, the mask and
    // the frame are read from the same place: no pixel is cleared to black
    // or coloured outside the ring.
    constexpr Color Grey = platform::Rgb(0x40, 0x40, 0x40);
    for (double ratio : Ratios) {
        assets::SetImageRatio(ratio);
        const Surface& strip = LoadImage(TableImage(300, 0));
        const int w = strip.Width() / 6, h = strip.Height();
        for (int x = 0; x < 4; ++x) {
            Surface table(w + 8, h + 8, Grey, ratio);
            table::DrawGlowFrame(table, strip, w, h, x % table::GlowFrames, 2 + x, 3 - x % 2, w, h);
            const QImage& image = table.Image();
            int lit = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int px = 0; px < image.width(); ++px) {
                    const QRgb c = image.pixel(px, y);
                    if ((c & 0xFFFFFF) == (0x404040)) continue;
                    ++lit;
                    ASSERT_GE(qRed(c), 190) << "at ratio " << ratio << ", " << px << "," << y;
                }
            EXPECT_GT(lit, 0);
        }
    }
}
