// A table drawn with solid test pictures, for either game: every card face,
// turned face and the back has a colour of its own and the table is one
// colour, so a test can tell by one pixel which picture lies where.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "assets/catalogue.h"
#include "core/program.h"
#include "display/display.h"
#include "platform/clock.h"
#include "table/marks.h"

constexpr platform::Color TableColour = platform::Rgb(10, 60, 30);

inline platform::Color FaceColour(int card) {
    return platform::Rgb(card * 5, 200, 50);
}
inline platform::Color AnticlockwiseColour(int card) {
    return platform::Rgb(card * 5, 50, 200);
}
inline platform::Color ClockwiseColour(int card) {
    return platform::Rgb(card * 5, 120, 120);
}
inline platform::Color GlowColour(int frame) {
    return platform::Rgb(250, 10 + frame * 40, 0);
}

inline platform::Color At(int x, int y) {
    return backBuffer.Pixel(x, y);
}

// How many pixels of the back buffer show the colour.
inline int Count(platform::Color c) {
    int n = 0;
    for (int y = 0; y < backBuffer.Height(); ++y)
        for (int x = 0; x < backBuffer.Width(); ++x) n += backBuffer.Pixel(x, y) == c;
    return n;
}

// Whether `layer` shows the picture with its top-left corner at (x, y).
inline bool Shows(const platform::Surface& layer, int x, int y, const platform::Surface& picture) {
    for (int j = 0; j < picture.Height(); ++j)
        for (int i = 0; i < picture.Width(); ++i)
            if (layer.Pixel(x + i, y + j) != picture.Pixel(i, j)) return false;
    return true;
}

// The w x h cell of a panel sheet at (px, py), masked by the cell at
// (mx, my), laid on the plain table as the panel lays it.
inline platform::Surface SheetCell(int sheet, int w, int h, int px, int py, int mx, int my) {
    platform::Surface s(w, h, TableColour);
    const platform::Surface& image = assets::LoadImage(assets::TableImage(sheet, resolution));
    platform::DrawMasked(s, 0, 0, w, h, image, px, py, image, mx, my);
    return s;
}

// The cards whose picture, upright or turned, shows anywhere in the
// rectangles.
inline std::set<int> CardsShownIn(const std::vector<platform::Rect>& rects) {
    std::set<int> shown;
    for (const platform::Rect& r : rects)
        for (int y = std::max(r.top, 0); y < std::min(r.bottom, ClientHeight[resolution]); ++y)
            for (int x = std::max(r.left, 0); x < std::min(r.right, ClientWidth[resolution]); ++x)
                for (int card = 0; card < 48; ++card) {
                    const platform::Color c = At(x, y);
                    if (c == FaceColour(card) || c == AnticlockwiseColour(card) ||
                        c == ClockwiseColour(card))
                        shown.insert(card);
                }
    return shown;
}

// Whether the kind counts at `c` read `counts` (光, タネ, タン, カス) on the
// background.
inline bool CountsRead(const platform::Rect& c, const int (&counts)[4], bool twoLines) {
    platform::Surface want = pristineBackground;
    table::DrawKindCounts(&want, c.left, c.top, counts, resolution, twoLines);
    for (int y = c.top; y < c.bottom; ++y)
        for (int x = c.left; x < c.right; ++x)
            if (At(x, y) != want.Pixel(x, y)) return false;
    return true;
}

// Whether the gold frame of the human's turn shows round the name label.
inline bool TurnFrameShown(const platform::Rect& label, int players) {
    const platform::Rect frame = table::TurnMarkRect(label, resolution);
    for (int y = frame.top; y < frame.bottom; ++y)
        for (int x = frame.left; x < frame.right; ++x)
            if (y < label.top || y >= label.bottom || x < label.left || x >= label.right)
                if (At(x, y) == table::PlayerMarkColor(0, players)) return true;
    return false;
}

// Expects each mark inside the window and clear of every place.
inline void ExpectClear(const std::vector<platform::Rect>& marks,
                        const std::vector<platform::Rect>& places) {
    for (const platform::Rect& m : marks) {
        EXPECT_TRUE(m.left >= 0 && m.right <= ClientWidth[resolution] &&
                    m.bottom <= ClientHeight[resolution]);
        for (const platform::Rect& p : places)
            EXPECT_FALSE(m.left < p.right && p.left < m.right && m.top < p.bottom &&
                         p.top < m.bottom)
                << m.left << "," << m.top << " on " << p.left << "," << p.top;
    }
}

// A glow strip of cells w x h: the mask cell (the sixth) clears a ring two
// pixels wide; the frames colour the ring and leave the inside black.
inline platform::Surface GlowStrip(int w, int h) {
    platform::Surface strip(6 * w, h, platform::Black);
    for (int cell = 0; cell < 6; ++cell) {
        const platform::Rect outer = {cell * w, 0, cell * w + w, h};
        platform::FillRect(strip, outer, cell == 5 ? platform::Black : GlowColour(cell));
        platform::FillRect(strip, {outer.left + 2, 2, outer.right - 2, h - 2},
                           cell == 5 ? platform::White : platform::Black);
    }
    return strip;
}

// All four layers of the current resolution one colour, no panel.
inline void PlainLayers() {
    for (platform::Surface* layer : {&pristineBackground, &tableBase, &pileLayer, &backBuffer})
        *layer = platform::Surface(ClientWidth[resolution], ClientHeight[resolution], TableColour);
}

// The pictures at the game's card and glow sizes, a home-page label in a
// colour of its own, and a clock that moves a millisecond a pause. The
// layers are the fixture's to make plain once its layout is built.
class SolidPictures {
  public:
    void Make(int res, int cardW, int cardH, int glowW, int glowH) {
        platform::SetClock(&clock);
        resolution = res;
        for (int i = 0; i < 49; ++i) {
            faces_[i] = platform::Surface(cardW, cardH, FaceColour(i));
            anticlockwise_[i] = platform::Surface(cardH, cardW, AnticlockwiseColour(i));
            clockwise_[i] = platform::Surface(cardH, cardW, ClockwiseColour(i));
            faceImages[i] = &faces_[i];
            anticlockwiseImages[i] = &anticlockwise_[i];
            clockwiseImages[i] = &clockwise_[i];
        }
        glow_ = GlowStrip(glowW, glowH);
        glowStrip = &glow_;
        homePageLabel = &label_;
    }
    ~SolidPictures() {
        platform::SetClock(nullptr);
        for (int i = 0; i < 49; ++i)
            faceImages[i] = anticlockwiseImages[i] = clockwiseImages[i] = nullptr;
        glowStrip = homePageLabel = nullptr;
    }

    platform::FakeClock clock{0, 1};

  private:
    platform::Surface faces_[49], anticlockwise_[49], clockwise_[49], glow_;
    platform::Surface label_{300, 40, platform::Rgb(1, 2, 3)};
};
