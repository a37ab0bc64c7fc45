// A Hana-awase table drawn with solid test pictures: every card face, turned
// face and back has a colour of its own, the table is one colour, so a test
// can tell by one pixel which picture lies where.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "core/program.h"
#include "display/display.h"
#include "hanaawase/state.h"
#include "hanaawase/ui/layout_tables.h"
#include "hanaawase/ui/table.h"
#include "platform/clock.h"
#include "tests/hanaawase/table_setup.h"

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

// The glow strip's mask clears a ring two pixels wide round each cell; the
// frames colour the ring and leave the inside black.
constexpr int GlowRing = 2;

class SolidTable {
  public:
    explicit SolidTable(int res) : clock_(0, 1) {
        platform::SetClock(&clock_);
        SetHanaView(nullptr);
        resolution = res;
        currentGame = 1;
        backgroundChoice = 0;
        showCapturableOn = 1;
        animationOn = 1;
        soundEffectsOn = 0;
        gameState = 3;
        subState = 0;
        HanaClearHand();
        hana.dealer = 0;
        hana.handsCompleted = 0;
        hana.tickCounter = 0;
        for (int p = 0; p < 3; ++p) {
            hana.scoreHistory[p].assign(1, HanaHandNotPlayed);
            hana.totalScore[p] = 0;
        }
        const int w = CardWidth[res], h = CardHeight[res];
        for (int i = 0; i < 49; ++i) {
            faces_[i] = platform::Surface(w, h, FaceColour(i));
            anticlockwise_[i] = platform::Surface(h, w, AnticlockwiseColour(i));
            clockwise_[i] = platform::Surface(h, w, ClockwiseColour(i));
            faceImages[i] = &faces_[i];
            anticlockwiseImages[i] = &anticlockwise_[i];
            clockwiseImages[i] = &clockwise_[i];
        }
        const int gw = GlowWidth[res], gh = GlowHeight[res];
        glow_ = platform::Surface(6 * gw, gh, platform::Black);
        for (int cell = 0; cell < 6; ++cell) {
            platform::Rect outer = {cell * gw, 0, cell * gw + gw, gh};
            platform::Rect inner = {outer.left + GlowRing, GlowRing, outer.right - GlowRing,
                                    gh - GlowRing};
            platform::FillRect(glow_, outer, cell == 5 ? platform::Black : GlowColour(cell));
            platform::FillRect(glow_, inner, cell == 5 ? platform::White : platform::Black);
        }
        glowStrip = &glow_;
        label_ = platform::Surface(300, 40, platform::Rgb(1, 2, 3));
        homePageLabel = &label_;
        HanaBuildLayout();
        Reset();
    }
    ~SolidTable() {
        platform::SetClock(nullptr);
        for (int i = 0; i < 49; ++i)
            faceImages[i] = anticlockwiseImages[i] = clockwiseImages[i] = nullptr;
        glowStrip = homePageLabel = nullptr;
    }
    // All four layers one colour, no panel.
    void Reset() {
        platform::Surface plain(ClientWidth[resolution], ClientHeight[resolution], TableColour);
        pristineBackground = tableBase = pileLayer = backBuffer = plain;
    }

  private:
    platform::FakeClock clock_;
    platform::Surface faces_[49], anticlockwise_[49], clockwise_[49], glow_, label_;
};

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

// Resolutions as test parameters.
class PerResolution : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override { table_ = std::make_unique<SolidTable>(GetParam()); }
    void TearDown() override { table_.reset(); }
    int R() const { return GetParam(); }
    std::unique_ptr<SolidTable> table_;
};
