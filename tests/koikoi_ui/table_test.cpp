// Where the table puts its cards, at each resolution, probed pixel by pixel
// with solid test cards.
#include <gtest/gtest.h>

#include <vector>

#include "assets/catalogue.h"
#include "tests/koikoi_ui/solid_table.h"

using namespace koiui;

namespace {

class TableTest : public SolidTable {};

struct SpotCheck {
    int res;
    int humanSlot0X, humanY, comSlot0X, comY;
    int field0X, field0Y, field15X, field15Y;
    int stockX, stockY;
};
// Positions read off the layout tables of each resolution.
constexpr SpotCheck Spots[] = {
    {0, 19, 331, 564, 8, 227, 129, 529, 215, 291, 170},
    {1, 21, 422, 709, 9, 283, 162, 669, 272, 365, 214},
    {2, 23, 550, 914, 19, 364, 215, 858, 355, 469, 281},
};

}  // namespace

TEST_F(TableTest, CardsStockAndHandsLandAtTheTabledPixelsAtEveryResolution) {
    for (const SpotCheck& s : Spots) {
        UseResolution(s.res);
        SetHand(0, {0, 4, 8, 12, 16, 20, 24, 28});
        SetHand(1, {1, 5, 9, 13, 17, 21, 25, 29});
        SetField({2});
        koi.field[15] = 3;
        RepaintAll();
        const int w = CardWidth[s.res], h = CardHeight[s.res];
        // The human's first card and its top-left corner; the computer's
        // cards face down.
        EXPECT_EQ(At(s.humanSlot0X, s.humanY), FaceColour(0)) << s.res;
        EXPECT_EQ(At(s.humanSlot0X - 1, s.humanY), TableColour) << s.res;
        EXPECT_EQ(At(s.humanSlot0X + 7 * w + w - 1, s.humanY + h - 1), FaceColour(28)) << s.res;
        EXPECT_EQ(At(s.comSlot0X, s.comY), FaceColour(48)) << s.res;
        EXPECT_EQ(At(s.comSlot0X + w, s.comY), TableColour) << s.res;
        EXPECT_EQ(At(s.field0X, s.field0Y), FaceColour(2)) << s.res;
        EXPECT_EQ(At(s.field0X, s.field0Y - 1), TableColour) << s.res;
        EXPECT_EQ(At(s.field15X + w - 1, s.field15Y + h - 1), FaceColour(3)) << s.res;
        EXPECT_EQ(At(s.field15X + w, s.field15Y + h - 1), TableColour) << s.res;
        // An empty slot shows the table.
        EXPECT_EQ(At(FieldX(s.res, 1) + 5, FieldY(s.res, 1) + 5), TableColour) << s.res;
        EXPECT_EQ(At(s.stockX, s.stockY), FaceColour(48)) << s.res;
        EXPECT_EQ(At(s.stockX + w - 1, s.stockY + h - 1), FaceColour(48)) << s.res;
    }
}

TEST_F(TableTest, FieldColumnsFillFromTheMiddleOutward) {
    // Slots 0-1 left of the stock, 4-5 right of it, 12-13 far left, 14-15 far right.
    EXPECT_LT(FieldX(0, 0), StockX[0]);
    EXPECT_GT(FieldX(0, 4), StockX[0]);
    EXPECT_EQ(FieldX(0, 12), 53);
    EXPECT_EQ(FieldX(0, 14), 529);
    EXPECT_EQ(FieldY(0, 2), 129);
    EXPECT_EQ(FieldY(0, 3), 215);
}

TEST_F(TableTest, ExtraFieldPlacesLieInHandPlacesThatAreEmptyOnceTheFieldOverflows) {
    for (int res = 0; res < 3; ++res) {
        UseResolution(res);
        SetHand(0, {0, 4, 8, 12, 16, 20});
        SetHand(1, {1, 5, 9, 13, 17, 21});
        for (int f = 0; f < 20; ++f) koi.field[f] = f < 16 ? 24 + (f % 20) : 44 + (f - 16);
        RepaintAll();
        const int w = CardWidth[res], h = CardHeight[res];
        for (int f = 16; f < 20; ++f) {
            const int x = FieldX(res, f), y = FieldY(res, f);
            // The whole card shows: nothing lies over it and it hides nothing.
            EXPECT_EQ(At(x, y), FaceColour(koi.field[f])) << res << " " << f;
            EXPECT_EQ(At(x + w - 1, y + h - 1), FaceColour(koi.field[f])) << res << " " << f;
            const platform::Rect card = {x, y, x + w, y + h};
            for (int g = 0; g < 16; ++g)
                EXPECT_FALSE(Intersects(card, {FieldX(res, g), FieldY(res, g), FieldX(res, g) + w,
                                               FieldY(res, g) + h}));
            for (int p = 0; p < 2; ++p)
                for (int s = 0; s < 6; ++s)
                    EXPECT_FALSE(Intersects(card, {HandX[res][p][s], HandY[res][p],
                                                   HandX[res][p][s] + w, HandY[res][p] + h}));
            const int pw = PileCardWidth[res], ph = PileCardHeight[res];
            for (int p = 0; p < 2; ++p)
                EXPECT_FALSE(Intersects(card, {PileX[res][p][3], PileY[res][p],
                                               PileX[res][p][0] + pw, PileY[res][p] + 2 * ph}));
            EXPECT_FALSE(
                Intersects(card, {StockX[res], StockY[res], StockX[res] + w, StockY[res] + h}));
        }
        // The hands' own cards are all still whole.
        EXPECT_EQ(At(HandX[res][0][5] + w - 1, HandY[res][0]), FaceColour(20));
        EXPECT_EQ(At(HandX[res][1][5], HandY[res][1]), FaceColour(48));
    }
}

TEST_F(TableTest, PileColumnsSpanTwoPileCardHeights) {
    const int y0 = PileY[0][0], ph = PileCardHeight[0];
    int x, y;
    PilePosition(0, PileLight, 0, 1, x, y);
    EXPECT_EQ(y, y0);
    EXPECT_EQ(x, PileX[0][0][0]);
    PilePosition(0, PileLight, 1, 2, x, y);
    EXPECT_EQ(y, y0 + ph);
    PilePosition(0, PileLight, 1, 5, x, y);
    EXPECT_EQ(y, y0 + ph / 4);
    PilePosition(0, PileLight, 4, 5, x, y);
    EXPECT_EQ(y, y0 + ph);
}

TEST_F(TableTest, KasuLiesInAZigZagOfTwoColumns) {
    const int x0 = PileX[0][0][3], y0 = PileY[0][0], pw = PileCardWidth[0], ph = PileCardHeight[0];
    int x, y;
    PilePosition(0, PileKasu, 1, 2, x, y);
    EXPECT_EQ(x, x0 + pw / 2 + 1);
    EXPECT_EQ(y, y0);
    for (int n : {3, 4}) {
        PilePosition(0, PileKasu, 2, n, x, y);
        EXPECT_EQ(x, x0);
        EXPECT_EQ(y, y0 + ph) << n;
    }
    PilePosition(0, PileKasu, 23, 24, x, y);
    EXPECT_EQ(x, x0 + pw / 2 + 1);
    EXPECT_EQ(y, y0 + ph);
    PilePosition(0, PileLight, 3, 4, x, y);
    EXPECT_EQ(y, y0 + ph);
}

// However many cards a pile holds, the 親 and 子 plates lie above them.
TEST_F(TableTest, ThePlatesLieAbovePilesOfAnySize) {
    GiveCards(0, {0,  2,  4,  6,  8,  10, 12, 14, 16, 18, 20, 22,
                  24, 26, 28, 30, 32, 34, 36, 38, 40, 42, 44, 46});
    GiveCards(1, {1, 5, 9, 13, 17, 21, 25, 29, 33, 37, 41, 45});
    for (int bg : {0, 1}) {
        backgroundChoice = bg;
        pileLayer = tableBase;
        DrawPiles(0);
        DrawPiles(1);
        const platform::Surface& sheet = assets::LoadImage(assets::TableImage(704, 0));
        const int pw = PlateWidth[0], ph = PlateHeight[0];
        for (int p = 0; p < 2; ++p) {
            const int c = (koi.dealer ^ p) + 2 * bg;
            const int x0 = PlateX[0][p] + (bg == 0 ? (p == 0 ? PlateShift[0] : -PlateShift[0]) : 0);
            int opaque = 0;
            for (int j = 0; j < ph; ++j)
                for (int i = 0; i < pw; ++i) {
                    if (sheet.Pixel(c * pw + i, ph + j) != platform::Black) continue;
                    ++opaque;
                    ASSERT_EQ(At(x0 + i, PlateY[0][p] + j), sheet.Pixel(c * pw + i, j))
                        << "plate " << p << " background " << bg << " at " << i << "," << j;
                }
            EXPECT_GT(opaque, pw * ph / 4);
        }
    }
    backgroundChoice = 0;
}

TEST_F(TableTest, PilesAreDrawnAtPileSizeAndRepaintedFromThePileLayer) {
    GiveCards(0, {0, 8, 3, 7, 11});
    GiveCards(1, {1});
    pileLayer = tableBase;
    DrawPiles(0);
    DrawPiles(1);
    const int ph = PileCardHeight[0], pw = PileCardWidth[0];
    EXPECT_EQ(pileLayer.Pixel(PileX[0][0][0] + 1, PileY[0][0] + 1), FaceColour(0));
    EXPECT_EQ(pileLayer.Pixel(PileX[0][0][0] + pw - 2, PileY[0][0] + ph + 1), FaceColour(8));
    EXPECT_EQ(pileLayer.Pixel(PileX[0][0][0] + pw, PileY[0][0] + 1), TableColour);
    EXPECT_EQ(At(PileX[0][0][3] + pw / 2 + 2, PileY[0][0] + 1), FaceColour(7));
    EXPECT_EQ(At(PileX[0][1][2] + 1, PileY[0][1] + 1), FaceColour(1));
    // Anything drawn over a pile area goes when it is repainted.
    platform::FillRect(backBuffer, {400, 300, 632, 434}, platform::White);
    RepaintRect(400, 300, 232, 134);
    EXPECT_EQ(At(PileX[0][0][0] + 1, PileY[0][0] + 1), FaceColour(0));
    EXPECT_EQ(At(625, 430), TableColour);
}

TEST_F(TableTest, RepaintTouchingAPileAreaCopiesThePileLayerThenDrawsCardsOnTop) {
    SetHand(0, {0, 4, 8, 12, 16, 20, 24, 28});
    pileLayer = platform::Surface(ClientWidth[0], ClientHeight[0], PileLayerColour);
    // A rectangle reaching from the hand into the pile area.
    RepaintRect(360, 320, 100, 40);
    EXPECT_EQ(At(450, 330), PileLayerColour);
    EXPECT_EQ(At(365, 335), FaceColour(28));
    // Elsewhere the table comes from tableBase.
    RepaintRect(0, 300, 10, 10);
    EXPECT_EQ(At(5, 305), TableColour);
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
    EXPECT_EQ(HandCardAt(HandX[0][0][2], HandY[0][0]), 2);
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

TEST_F(TableTest, AFlightLandsExactlyOnItsTargetAndPresentsOnlyWhatMoved) {
    int sx = StockX[0], sy = StockY[0], tx = FieldX(0, 6), ty = FieldY(0, 6), card = 17;
    const long before = presentCount;
    FlyCards(&sx, &sy, &tx, &ty, &card, 1, 200);
    EXPECT_EQ(At(tx, ty), FaceColour(17));
    EXPECT_EQ(At(tx + CardWidth[0] - 1, ty + CardHeight[0] - 1), FaceColour(17));
    // The stock card is back where the flight passed over it.
    EXPECT_EQ(At(StockX[0] + 2, StockY[0] + 2), FaceColour(48));
    // About one frame per 10 ms of the 200 ms flight.
    EXPECT_GE(presentCount - before, 15);
    EXPECT_LE(presentCount - before, 25);
}

TEST_F(TableTest, AFlightThatFallsBehindEndsOnItsTargetsInOneFrame) {
    // A clock that jumps 500 ms at its first pause.
    struct JumpClock : platform::Clock {
        uint32_t now = 0;
        uint32_t Now() override { return now; }
        void Pause() override { now += now == 0 ? 500 : 1; }
    } jump;
    platform::SetClock(&jump);
    int sx = HandX[0][0][0], sy = HandY[0][0], tx = FieldX(0, 2), ty = FieldY(0, 2), card = 5;
    const long before = presentCount;
    FlyCards(&sx, &sy, &tx, &ty, &card, 1, 200);
    EXPECT_EQ(presentCount - before, 1);
    EXPECT_EQ(At(tx, ty), FaceColour(5));
    platform::SetClock(&fast_);
}

TEST_F(TableTest, WithoutAnimationAPlayOntoAFieldCardStillEndsShiftedOnTop) {
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

TEST_F(TableTest, TurnOverShowsTheFaceAfterSevenFramesAndTakesAbout450Ms) {
    SetStock({33, 34});
    const uint32_t t0 = platform::GetTickCount();
    FlipStockCard();
    EXPECT_EQ(At(StockX[0] + CardWidth[0] / 2, StockY[0] + 5), FaceColour(33));
    EXPECT_EQ(At(StockX[0], StockY[0]), FaceColour(33));
    const uint32_t took = platform::GetTickCount() - t0;
    EXPECT_GE(took, 450u);
    EXPECT_LE(took, 460u);
}
