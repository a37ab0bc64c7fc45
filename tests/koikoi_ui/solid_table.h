// A Koi-Koi table drawn with solid test pictures: every card face and the
// back has a colour of its own and the table is one colour, so a test can
// tell by one pixel which picture lies where.
#pragma once
#include <gtest/gtest.h>

#include "core/program.h"
#include "display/display.h"
#include "koikoi/ui/layout_tables.h"
#include "koikoi/ui/table.h"
#include "koikoi/ui/window_view.h"
#include "tests/koikoi/koikoi_fixture.h"

constexpr platform::Color TableColour = platform::Rgb(10, 60, 30);
// A pile layer told apart from the table, for the tests that need to.
constexpr platform::Color PileLayerColour = platform::Rgb(10, 60, 31);

inline platform::Color FaceColour(int card) {
    return platform::Rgb(card * 5, 200, 50);
}
inline platform::Color GlowColour(int frame) {
    return platform::Rgb(250, 10 + frame * 40, 0);
}
// The glow strip's mask clears a ring two pixels wide round each cell; the
// frames colour the ring and leave the inside black.
constexpr int GlowRing = 2;

class SolidTable : public KoiKoiTest {
  protected:
    void SetUp() override {
        KoiKoiTest::SetUp();
        platform::SetClock(&fast_);
        SetKoiKoiView(&TheKoiKoiWindowView());
        showCapturableOn = 1;
        animationOn = 1;
        gameState = 3;
        subState = 0;
        koi.tickCounter = 0;
        koi.firstCaptureSlot = -1;
        for (auto& pair : koi.capturePairs) pair[0] = pair[1] = -1;
        UseResolution(0);
        homePageLabel = &label_;
    }
    void TearDown() override {
        homePageLabel = nullptr;
        KoiKoiTest::TearDown();
        for (auto& f : faceImages) f = nullptr;
        glowStrip = nullptr;
    }

    void UseResolution(int res) {
        using namespace koiui;
        resolution = res;
        const int w = CardWidth[res], h = CardHeight[res];
        for (int i = 0; i < 49; ++i) {
            faces_[i] = platform::Surface(w, h, FaceColour(i));
            faceImages[i] = &faces_[i];
        }
        const int gw = GlowWidth[res], gh = GlowHeight[res];
        strip_ = platform::Surface(6 * gw, gh, platform::White);
        for (int k = 0; k < 6; ++k) {
            const platform::Color ring = k == 5 ? platform::Black : GlowColour(k);
            const platform::Color inside = k == 5 ? platform::White : platform::Black;
            platform::FillRect(strip_, {k * gw, 0, (k + 1) * gw, gh}, ring);
            platform::FillRect(
                strip_, {k * gw + GlowRing, GlowRing, (k + 1) * gw - GlowRing, gh - GlowRing},
                inside);
        }
        glowStrip = &strip_;
        BuildKoiKoiLayout();
        const int cw = ClientWidth[res], ch = ClientHeight[res];
        pristineBackground = platform::Surface(cw, ch, TableColour);
        tableBase = platform::Surface(cw, ch, TableColour);
        pileLayer = platform::Surface(cw, ch, TableColour);
        backBuffer = platform::Surface(cw, ch, TableColour);
    }

    // Player p has made 猪鹿蝶 and holds `handCount` cards: the yaku-made
    // dialog is ready to open.
    static void MakeInoshikacho(int p, int handCount) {
        GiveCards(p, {20, 24, 36});
        koi.yakuMade[p][YakuInoshikacho] = 1;
        koi.handCount[p] = handCount;
        FormHandScore(p);
    }

    static platform::Color At(int x, int y) { return backBuffer.Pixel(x, y); }
    static void RepaintAll() {
        koiui::RepaintRect(0, 0, ClientWidth[resolution], ClientHeight[resolution]);
    }

    platform::FakeClock fast_{0, 1};
    // The home-page label, large enough for every resolution, in a colour of
    // its own.
    platform::Surface label_{koiui::HomeLabelWidth[2], koiui::HomeLabelHeight[2],
                             platform::Rgb(1, 2, 3)};
    platform::Surface faces_[49];
    platform::Surface strip_;
};
