// What the human's choice shows in the window: the raised cursor cards and
// the glows that pulse round the cards that can capture or be captured.
#include <gtest/gtest.h>

#include "koikoi/flow.h"
#include "tests/koikoi_ui/solid_table.h"

using namespace koiui;

namespace {

class ChoiceDrawingTest : public SolidTable {};

// The raised cursor card reaches below the card's bottom-right corner, clear
// of the glows.
platform::Color RaisedCorner(int x, int y) {
    return backBuffer.Pixel(x + CardWidth[0] + 2, y + CardHeight[0] + 5);
}

}  // namespace

TEST_F(ChoiceDrawingTest, CursorCardsRiseAndTheGlowsPulseUntilSwitchedOff) {
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
    fast_.Advance(101);
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
