// The status panel's glyphs at their places, the game totals with their
// signs and cap, and the result banner.
#include <gtest/gtest.h>

#include "assets/catalogue.h"
#include "hanaawase/flow.h"
#include "hanaawase/ui/outcome.h"
#include "solid_table.h"

namespace {

// True when the w x h block at (x, y) of backBuffer shows exactly the sheet's
// glyph at (px, py) with its mask at (mx, my), laid on the plain table.
bool GlyphShown(int x, int y, int w, int h, int sheet, int px, int py, int mx, int my) {
    const platform::Surface& s = assets::LoadImage(assets::TableImage(sheet, resolution));
    platform::Surface expected(w, h, TableColour);
    platform::DrawMasked(expected, 0, 0, w, h, s, px, py, s, mx, my);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (At(x + i, y + j) != expected.Pixel(i, j)) return false;
    return true;
}

bool Plain(int x, int y, int w, int h) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (At(x + i, y + j) != TableColour) return false;
    return true;
}

// Digit-sheet cell: 0..9, 10 minus, 11 plus; background 0.
bool DigitAt(int x, int y, int cell) {
    const int w = HanaDigitW[resolution], h = HanaDigitH[resolution];
    return GlyphShown(x, y, w, h, 713, cell * w, 0, cell * w, h);
}

}  // namespace

TEST_P(PerResolution, TotalsAreSignedRightAlignedAndCappedAt9999) {
    const int r = R(), w = HanaDigitW[r], h = HanaDigitH[r];
    hana.totalScore[0] = -25;
    hana.totalScore[1] = 0;
    hana.totalScore[2] = 12000;
    HanaDrawPanel();
    const int* right = HanaScoreRightX[r];
    const int* y = HanaScoreY[r];
    EXPECT_TRUE(DigitAt(right[0] - 2 * w, y[0], 2));
    EXPECT_TRUE(DigitAt(right[0] - w, y[0], 5));
    EXPECT_TRUE(DigitAt(right[0] - 3 * w, y[0], 10));
    EXPECT_TRUE(Plain(right[0] - 4 * w, y[0], w, h));
    EXPECT_TRUE(GlyphShown(right[0], y[0], HanaUnitW[r], h, 713, 12 * w, 0, 12 * w, h));
    // 0 has no sign.
    EXPECT_TRUE(DigitAt(right[1] - w, y[1], 0));
    EXPECT_TRUE(Plain(right[1] - 2 * w, y[1], w, h));
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(DigitAt(right[2] - (4 - i) * w, y[2], 9));
    EXPECT_TRUE(DigitAt(right[2] - 5 * w, y[2], 11));
}

// However many cards the piles hold, the 親 and 子 plates lie above them.
TEST_P(PerResolution, ThePlatesLieAboveFullPiles) {
    const int r = R(), pw = HanaPlateW[r], ph = HanaPlateH[r];
    hana.dealer = 2;
    HanaDrawPanel();
    for (int p = 0; p < 3; ++p) {
        for (int kind = 0; kind < 4; ++kind) {
            hana.capturedCount[p][kind] = 12;
            for (int i = 0; i < 12; ++i) hana.captured[p][kind][i] = (4 * i + kind + p) % 48;
        }
    }
    for (int p = 0; p < 3; ++p) HanaDrawPiles(p);
    const platform::Surface& sheet = assets::LoadImage(assets::TableImage(714, r));
    for (int p = 0; p < 3; ++p) {
        const int column = 2 * backgroundChoice + (p == hana.dealer ? 0 : 1);
        for (int j = 0; j < ph; ++j)
            for (int i = 0; i < pw; ++i) {
                if (sheet.Pixel(column * pw + i, ph + j) != platform::Black) continue;
                ASSERT_EQ(At(HanaPlateX[r][p] + i, HanaPlateY[r][p] + j),
                          sheet.Pixel(column * pw + i, j))
                    << "plate " << p << " at " << i << "," << j;
            }
    }
    for (int p = 0; p < 3; ++p)
        for (int kind = 0; kind < 4; ++kind) hana.capturedCount[p][kind] = 0;
}

TEST(HanaOutcomeTest, BannerFollowsTheTotals) {
    const int win[3] = {30, 30, -80}, loss[3] = {30, 31, -80}, draw[3] = {0, 0, 0};
    EXPECT_EQ(HanaGameOutcome(win), HanaOutcome::Win);
    EXPECT_EQ(HanaGameOutcome(loss), HanaOutcome::Loss);
    EXPECT_EQ(HanaGameOutcome(draw), HanaOutcome::Draw);
    // At 0 or below and not behind, totals not all 0: the win banner exactly
    // when the records count the game as won.
    const int atOrBelowZero[][3] = {{0, -4, -20}, {-3, -5, -9}, {-2, -2, -9},
                                    {0, 0, -10},  {0, -10, 0},  {-7, -7, -7}};
    const HanaOutcome expected[] = {HanaOutcome::Win,  HanaOutcome::Win,  HanaOutcome::Draw,
                                    HanaOutcome::Draw, HanaOutcome::Draw, HanaOutcome::Draw};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(HanaGameOutcome(atOrBelowZero[i]), expected[i]) << i;
        EXPECT_EQ(HanaUserWinsGame(atOrBelowZero[i]), expected[i] == HanaOutcome::Win) << i;
    }
    EXPECT_EQ(HanaBannerBase(HanaOutcome::Win), 400);
    EXPECT_EQ(HanaBannerBase(HanaOutcome::Loss), 500);
    EXPECT_EQ(HanaBannerBase(HanaOutcome::Draw), 600);
}

TEST_P(PerResolution, StillBannerDarkensTheTableAndSitsInTheMiddle) {
    const int r = R(), W = ClientWidth[r], H = ClientHeight[r];
    const int totals[][3] = {{10, 0, -30}, {-10, 0, -30}, {0, 0, 0}, {-1, -5, -30}};
    const int banners[] = {400, 500, 600, 400};  // ahead at -1: a win, as the records say
    for (int i = 0; i < 4; ++i) {
        table_->Reset();
        for (int p = 0; p < 3; ++p) hana.totalScore[p] = totals[i][p];
        HanaDrawResultBanner();
        const platform::Surface& banner = assets::LoadImage(assets::TableImage(banners[i], r));
        const int x = (W - banner.Width()) / 2, y = (H - banner.Height()) / 2;
        EXPECT_EQ(At(x, y), banner.Pixel(0, 0)) << i;
        EXPECT_EQ(At(x + banner.Width() / 2, y + banner.Height() / 2),
                  banner.Pixel(banner.Width() / 2, banner.Height() / 2));
        // Every other pixel of the table goes black.
        EXPECT_NE(At(0, 0) == platform::Black, At(1, 0) == platform::Black);
    }
}

TEST_P(PerResolution, RebuildKeepsTheCursorOrTheBanner) {
    const int r = R(), w = CardWidth[r], h = CardHeight[r];
    SetHand(0, {0, 4, 8});
    SetField({1});
    hana.matchCount[0][0] = 1;
    hana.matchSlots[0][0][0] = 0;
    gameState = 3;
    subState = 1;
    cursorSlot = 0;
    choiceConfirmed = 0;
    hana.tickCounter = 2;
    HanaRebuildTable();
    const int x = HanaHandX[r][0][0], y = HanaHandY[r][0][0];
    const int cx = x - (CursorGlowWidth[r] - w) / 2, cy = y - (CursorGlowHeight[r] - h) / 2;
    EXPECT_EQ(At(x + (RaisedCardWidth[r] - w) / 2 - 1, y + h + 2), FaceColour(0));
    EXPECT_EQ(At(cx, cy), GlowColour(2));
    EXPECT_EQ(At(HanaFieldX[r][0] + 2, HanaFieldY[r][0] + 2), FaceColour(1));
    EXPECT_EQ(At(HanaHandX[r][0][2] + 2, HanaHandY[r][0][2] + 2), FaceColour(8));
    // A finished game is shown darkened with its banner, without cards.
    gameState = 8;
    subState = 0;
    HanaRebuildTable();
    EXPECT_NE(At(HanaFieldX[r][0] + 2, HanaFieldY[r][0] + 2), FaceColour(1));
    EXPECT_NE(At(HanaFieldX[r][0] + 3, HanaFieldY[r][0] + 2), FaceColour(1));
    const platform::Surface& banner = assets::LoadImage(assets::TableImage(600, r));
    const int bx = (ClientWidth[r] - banner.Width()) / 2,
              by = (ClientHeight[r] - banner.Height()) / 2;
    EXPECT_EQ(At(bx + 5, by + 5), banner.Pixel(5, 5));
}
