// What the table shows where it matters, probed with solid test cards:
// pairs in order, hit boxes, flights that land, the cursor and the glows of
// the human's choice, the status panel and the result banner.
#include <gtest/gtest.h>

#include <vector>

#include "koikoi/flow.h"
#include "tests/koikoi_ui/solid_table.h"

using namespace koiui;

namespace {

// A pile layer told apart from the table.
constexpr platform::Color PileLayerColour = platform::Rgb(10, 60, 31);

class TableTest : public SolidTable {
  protected:
    static platform::Surface Digit(int v) {
        const int r = resolution, bg = backgroundChoice, dw = DigitWidth[r], dh = DigitHeight[r];
        return SheetCell(703, dw, dh, v * dw, 2 * bg * dh, v * dw, (2 * bg + 1) * dh);
    }
    static platform::Surface Plate(int column) {
        const int r = resolution, pw = PlateWidth[r], ph = PlateHeight[r];
        return SheetCell(704, pw, ph, column * pw, 0, column * pw, ph);
    }
    // The raised cursor card reaches below the card's bottom-right corner,
    // clear of the glows.
    static platform::Color RaisedCorner(int x, int y) {
        return At(x + CardWidth[0] + 2, y + CardHeight[0] + 5);
    }
};

}  // namespace

// Once the field overflows, a repaint shows the cards of its extra places
// whole, and the hands' own cards stay whole.
TEST_F(TableTest, ExtraFieldPlacesShowTheirCardsWhole) {
    for (int res = 0; res < 3; ++res) {
        UseResolution(res);
        SetHand(0, {0, 4, 8, 12, 16, 20});
        SetHand(1, {1, 5, 9, 13, 17, 21});
        for (int f = 0; f < 20; ++f) koi.field[f] = 24 + f;
        RepaintAll();
        for (int f = 16; f < 20; ++f) {
            const platform::Rect& r = layout.fieldSlotRects[f];
            EXPECT_EQ(At(r.left + 1, r.top + 1), FaceColour(24 + f)) << res << " " << f;
            EXPECT_EQ(At(r.right - 1, r.bottom - 1), FaceColour(24 + f)) << res << " " << f;
        }
        EXPECT_EQ(At(HandX[res][0][5] + CardWidth[res] - 1, HandY[res][0]), FaceColour(20));
        EXPECT_EQ(At(HandX[res][1][5], HandY[res][1]), FaceColour(48));
    }
}

TEST_F(TableTest, ACapturePairShowsTheCapturingCardShiftedOverTheCardTaken) {
    const int po = PairOffset[0];
    koi.capturePairs[3][0] = 9;
    koi.capturePairs[3][1] = 10;
    RepaintAll();
    const int x = FieldX(0, 3), y = FieldY(0, 3);
    EXPECT_EQ(At(x, y), FaceColour(10));
    EXPECT_EQ(At(x + po, y + po), FaceColour(9));
    EXPECT_EQ(At(x + po + CardWidth[0] - 1, y + po + CardHeight[0] - 1), FaceColour(9));
    // A repaint of only the lower card's corner still lays the pair in order.
    RepaintRect(x, y, 4, 4);
    EXPECT_EQ(At(x + po + 1, y + po + 1), FaceColour(9));
}

TEST_F(TableTest, TheDrawnCardShowsOnTheStockOnlyWhileTheHumanPlacesIt) {
    koi.hands[0][8] = 30;
    subState = 4;
    DrawStock();
    EXPECT_EQ(At(StockX[0], StockY[0]), FaceColour(30));
    subState = 5;
    DrawStock();
    EXPECT_EQ(At(StockX[0], StockY[0]), FaceColour(48));
}

TEST_F(TableTest, HitTestsAnswerFieldSlotsEvenEmptyButOnlyHeldHandCards) {
    SetHand(0, {0, 4, 8});
    SetField({});
    EXPECT_EQ(HandCardAt(HandX[0][0][3] + 5, HandY[0][0] + 5), -1);
    EXPECT_EQ(HandCardAt(HandX[0][0][0] - 1, HandY[0][0]), -1);
    EXPECT_EQ(HandCardAt(HandX[0][0][1], HandY[0][0] + CardHeight[0] - 1), 1);
    EXPECT_EQ(HandCardAt(HandX[0][0][1], HandY[0][0] + CardHeight[0]), -1);
    EXPECT_EQ(FieldSlotAt(FieldX(0, 7) + CardWidth[0] - 1, FieldY(0, 7)), 7);
    EXPECT_EQ(FieldSlotAt(FieldX(0, 7) + CardWidth[0], FieldY(0, 7)), -1);
    EXPECT_EQ(FieldSlotAt(StockX[0] + 2, StockY[0] + 2), -1);
    // The extra places answer only while they hold a card.
    EXPECT_EQ(FieldSlotAt(FieldX(0, 16) + 2, FieldY(0, 16) + 2), -1);
    koi.field[16] = 40;
    EXPECT_EQ(FieldSlotAt(FieldX(0, 16) + 2, FieldY(0, 16) + 2), 16);
}

// A flight lands exactly on its target and puts back what it passed over;
// without animation a play onto a field card still ends shifted on top, in
// one frame.
TEST_F(TableTest, AFlightLandsOnItsTargetAndWithoutAnimationInOneFrame) {
    RepaintAll();
    int sx = StockX[0], sy = StockY[0], tx = FieldX(0, 6), ty = FieldY(0, 6), card = 17;
    FlyCards(&sx, &sy, &tx, &ty, &card, 1, 200);
    EXPECT_EQ(At(tx, ty), FaceColour(17));
    EXPECT_EQ(At(tx + CardWidth[0] - 1, ty + CardHeight[0] - 1), FaceColour(17));
    EXPECT_EQ(At(StockX[0] + 2, StockY[0] + 2), FaceColour(48));
    animationOn = 0;
    SetField({24});
    const long before = presentCount;
    FlyToField(0, 0, 0, 25);
    EXPECT_EQ(presentCount - before, 1);
    EXPECT_EQ(At(FieldX(0, 0) + PairOffset[0], FieldY(0, 0) + PairOffset[0]), FaceColour(25));
}

TEST_F(TableTest, CapturesFlyToConsecutivePlacesOfTheirPiles) {
    // Four カス captured this turn join one already in the pile.
    GiveCards(0, {3, 6, 7, 14, 15});
    pileLayer = platform::Surface(ClientWidth[0], ClientHeight[0], PileLayerColour);
    koi.turnCaptureCount[PileKasu] = 4;
    koi.firstCaptureSlot = 2;
    koi.capturePairs[2][0] = 6;
    koi.capturePairs[2][1] = 7;
    koi.capturePairs[5][0] = 15;
    koi.capturePairs[5][1] = 14;
    FlyCapturesToPiles(0);
    for (auto& pair : koi.capturePairs) EXPECT_EQ(pair[0] + pair[1], -2);
    // Before the piles are filed and drawn, the table is clear where they flew.
    const int dx = (CardWidth[0] - PileCardWidth[0]) / 2,
              dy = (CardHeight[0] - PileCardHeight[0]) / 2;
    int x, y;
    PilePosition(0, PileKasu, 4, 5, x, y);
    EXPECT_EQ(At(x - dx + 1, y - dy + 1), PileLayerColour);
    EXPECT_EQ(At(FieldX(0, 2) + 1, FieldY(0, 2) + 1), TableColour);
}

TEST_F(TableTest, CursorCardsRiseAndTheGlowsPulseUntilSwitchedOff) {
    // 松 (0) takes one field card, 梅 (4) two, the rest none.
    SetHand(0, {0, 4, 17, 21, 25, 29, 33, 37});
    SetHand(1, {2, 10, 18, 22, 26, 30, 34, 38});
    SetField({1, 5, 6, 44, 45, 46});
    SetStock({9, 13, 14, 47});
    HumanTurnStep();  // the turn starts
    previousCursorSlot = 0;
    cursorSlot = 1;  // on 梅
    redrawRequested = 1;
    HumanTurnStep();
    const int hy = HandY[0][0];
    EXPECT_EQ(RaisedCorner(HandX[0][0][1], hy), FaceColour(4));
    // 松's ring sits just outside its card, as do 梅's two matches'; a card
    // without a match has none.
    const int gx = HandX[0][0][0] - (GlowWidth[0] - CardWidth[0]) / 2, gy = hy + 30;
    const platform::Color first = At(gx, gy);
    EXPECT_EQ(first, GlowColour(koi.tickCounter % 5));
    EXPECT_EQ(At(FieldX(0, 1) - 3, FieldY(0, 1) + 30), first);
    EXPECT_EQ(At(HandX[0][0][7] + CardWidth[0] + 1, gy), TableColour);
    pictures_.clock.Advance(101);
    redrawRequested = 1;  // the window asks for the pulse while it has the focus
    HumanTurnStep();
    EXPECT_EQ(At(gx, gy), GlowColour(koi.tickCounter % 5));
    EXPECT_NE(At(gx, gy), first);
    // Switched off, the glows go and the cursor card stays raised.
    showCapturableOn = 0;
    RedrawKoiKoiTable();
    EXPECT_EQ(At(gx, gy), TableColour);
    EXPECT_EQ(At(FieldX(0, 1) - 3, FieldY(0, 1) + 30), TableColour);
    EXPECT_EQ(RaisedCorner(HandX[0][0][1], hy), FaceColour(4));
    // Chosen, 梅 waits for a match: the lower one rises.
    choiceConfirmed = 1;
    HumanTurnStep();
    ASSERT_EQ(subState, 2);
    EXPECT_EQ(RaisedCorner(FieldX(0, 1), FieldY(0, 1)), FaceColour(5));
    EXPECT_EQ(RaisedCorner(FieldX(0, 2), FieldY(0, 2)), TableColour);
}

// The totals stand right-aligned against 文 and stop at four digits; the
// dealer has the 親 plate, the other the 子 (columns 0 + 2 and 1 + 2 of the
// sheet on the second background). The panel is in every layer, the
// home-page label bottom left.
TEST_F(TableTest, TotalsAreRightAlignedAndStopAtFourDigitsAndTheDealerHasTheOyaPlate) {
    backgroundChoice = 1;
    for (int res = 0; res < 3; ++res) {
        UseResolution(res);
        koi.gameTotal[0] = 0;
        koi.gameTotal[1] = 12345;
        koi.dealer = res % 2;
        DrawKoiKoiPanel();
        const int dw = DigitWidth[res], right0 = ScoreRightX[res][0], right1 = ScoreRightX[res][1];
        EXPECT_TRUE(Shows(tableBase, right0 - dw, ScoreY[res][0], Digit(0))) << res;
        for (int i = 1; i <= 4; ++i)
            EXPECT_TRUE(Shows(tableBase, right1 - i * dw, ScoreY[res][1], Digit(9))) << res << i;
        EXPECT_EQ(tableBase.Pixel(right1 - 4 * dw - 1, ScoreY[res][1] + 3), TableColour);
        const int d = koi.dealer;
        EXPECT_TRUE(Shows(tableBase, PlateX[res][d], PlateY[res][d], Plate(2))) << res;
        EXPECT_TRUE(Shows(tableBase, PlateX[res][d ^ 1], PlateY[res][d ^ 1], Plate(3))) << res;
        koi.gameTotal[1] = 47;
        DrawKoiKoiPanel();
        EXPECT_TRUE(Shows(tableBase, right1 - 2 * dw, ScoreY[res][1], Digit(4))) << res;
        EXPECT_TRUE(Shows(tableBase, right1 - dw, ScoreY[res][1], Digit(7))) << res;
        EXPECT_EQ(backBuffer.Pixel(3, HomeLabelY[res]), platform::Rgb(1, 2, 3));
        EXPECT_EQ(pileLayer.Pixel(3, HomeLabelY[res]), platform::Rgb(1, 2, 3));
    }
    backgroundChoice = 0;
}

// The banner of the game's result over the darkened table at each size;
// switching the glows off afterwards leaves it alone, the last hand's cards
// do not come back under it.
TEST_F(TableTest, TheResultBannerFollowsTheTotalsAndStaysWhenTheTableIsRedrawn) {
    const struct { int human, com, image; } cases[] = {{5, 3, 400}, {3, 5, 500}, {4, 4, 600}};
    for (int res = 0; res < 3; ++res) {
        UseResolution(res);
        const int w = ClientWidth[res], h = ClientHeight[res];
        for (const auto& c : cases) {
            for (int s = 0; s < 8; ++s) koi.hands[0][s] = s, koi.hands[1][s] = 8 + s;
            koi.gameTotal[0] = c.human;
            koi.gameTotal[1] = c.com;
            DrawResultBanner();
            const platform::Surface& banner = assets::LoadImage(assets::TableImage(c.image, res));
            EXPECT_TRUE(
                Shows(backBuffer, (w - banner.Width()) / 2, (h - banner.Height()) / 2, banner))
                << res << " " << c.image;
            // Outside it every other pixel is black.
            EXPECT_EQ(std::set({At(10, 10), At(11, 10)}), std::set({platform::Black, TableColour}));
            const platform::Surface shown = backBuffer;
            gameState = 7;
            showCapturableOn = 0;
            RedrawKoiKoiTable();
            showCapturableOn = 1;
            for (int py = 0; py < h; py += 3)
                for (int px = 0; px < w; px += 3)
                    ASSERT_EQ(backBuffer.Pixel(px, py), shown.Pixel(px, py)) << px << "," << py;
            backBuffer = platform::Surface(w, h, TableColour);
        }
    }
    gameState = -1;
}
