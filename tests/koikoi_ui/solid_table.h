// The Koi-Koi table in the human's turn, drawn with solid test pictures;
// dialog hooks and table marks go with the test.
#pragma once
#include <gtest/gtest.h>

#include "koikoi/ui/layout_tables.h"
#include "koikoi/ui/marks.h"
#include "koikoi/ui/table.h"
#include "koikoi/ui/window_view.h"
#include "platform/dialog.h"
#include "tests/koikoi/koikoi_fixture.h"
#include "tests/table/solid_table.h"

class SolidTable : public KoiKoiTest {
  protected:
    void SetUp() override {
        KoiKoiTest::SetUp();
        SetKoiKoiView(&TheKoiKoiWindowView());
        showCapturableOn = 1;
        animationOn = 1;
        gameState = 3;
        subState = 0;
        koi.tickCounter = 0;
        koi.firstCaptureSlot = -1;
        for (auto& pair : koi.capturePairs) pair[0] = pair[1] = -1;
        UseResolution(0);
    }
    void TearDown() override {
        platform::testing::SetDialogHook(nullptr);
        koiui::ClearTableMarks();
        KoiKoiTest::TearDown();
    }

    void UseResolution(int res) {
        using namespace koiui;
        pictures_.Make(res, CardWidth[res], CardHeight[res], GlowWidth[res], GlowHeight[res]);
        BuildKoiKoiLayout();
        PlainLayers();
    }

    // Player p has made 猪鹿蝶 and holds `handCount` cards: the yaku-made
    // dialog is ready to open.
    static void MakeInoshikacho(int p, int handCount) {
        GiveCards(p, {20, 24, 36});
        koi.yakuMade[p][YakuInoshikacho] = 1;
        koi.handCount[p] = handCount;
        FormHandScore(p);
    }

    static void RepaintAll() {
        koiui::RepaintRect(0, 0, ClientWidth[resolution], ClientHeight[resolution]);
    }

    SolidPictures pictures_;
};
