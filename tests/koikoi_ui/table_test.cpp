// What the table shows where it matters: no card over another, pairs in
// order, hit boxes, flights that land, probed with solid test cards.
#include <gtest/gtest.h>

#include <vector>

#include "tests/koikoi_ui/solid_table.h"

using namespace koiui;

namespace {

class TableTest : public SolidTable {};

}  // namespace

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

// A 200 ms flight shows about one frame per 10 ms and lands exactly on its
// target; one whose clock jumps 500 ms at its first pause lands in one frame.
TEST_F(TableTest, AFlightLandsExactlyOnItsTargetEvenWhenItFallsBehind) {
    struct JumpClock : platform::Clock {
        uint32_t now = 0;
        uint32_t Now() override { return now; }
        void Pause() override { now += now == 0 ? 500 : 1; }
    } jump;
    platform::Clock* const clocks[] = {&fast_, &jump};
    for (platform::Clock* clock : clocks) {
        platform::SetClock(clock);
        RepaintAll();
        int sx = StockX[0], sy = StockY[0], tx = FieldX(0, 6), ty = FieldY(0, 6), card = 17;
        const long before = presentCount;
        FlyCards(&sx, &sy, &tx, &ty, &card, 1, 200);
        EXPECT_EQ(At(tx, ty), FaceColour(17));
        EXPECT_EQ(At(tx + CardWidth[0] - 1, ty + CardHeight[0] - 1), FaceColour(17));
        // The stock card is back where the flight passed over it.
        EXPECT_EQ(At(StockX[0] + 2, StockY[0] + 2), FaceColour(48));
        if (clock == &jump) {
            EXPECT_EQ(presentCount - before, 1);
        } else {
            EXPECT_GE(presentCount - before, 15);
            EXPECT_LE(presentCount - before, 25);
        }
    }
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
