// A table drawn with solid test pictures, for either game: every card face,
// turned face and the back has a colour of its own and the table is one
// colour, so a test can tell by one pixel which picture lies where.
#pragma once
#include "core/program.h"
#include "display/display.h"
#include "platform/clock.h"

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
