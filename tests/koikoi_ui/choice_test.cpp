// The human's choice of cards through the real turn of the flow, with the
// window's view: hover, arrow keys, clicks, Enter and cancel.
#include <gtest/gtest.h>

#include <string>

#include "koikoi/flow.h"
#include "tests/koikoi_ui/solid_table.h"

using namespace koiui;

namespace {

class ChoiceTest : public SolidTable {
  protected:
    void SetUp() override {
        SolidTable::SetUp();
        // 松 (0) takes one field card, 梅 (4) two, the rest none.
        SetHand(0, {0, 4, 17, 21, 25, 29, 33, 37});
        SetHand(1, {2, 10, 18, 22, 26, 30, 34, 38});
        SetField({1, 5, 6, 44, 45, 46});
        SetStock({9, 13, 14, 47});
        pointerMoved = pointerClicked = choiceConfirmed = cancelRequested = 0;
        gameState = 3;
        subState = 0;
        HumanTurnStep();  // the turn starts: sub-state 1, cursor on slot 0
    }
    static void PointAt(int x, int y) {
        pointerX = x;
        pointerY = y;
        pointerMoved = 1;
    }
    static void PointAtHand(int slot) { PointAt(HandX[0][0][slot] + 10, HandY[0][0] + 10); }
    static void PointAtField(int slot) { PointAt(FieldX(0, slot) + 10, FieldY(0, slot) + 10); }
    // The raised cursor card reaches below the card's bottom-right corner,
    // clear of the glows.
    static platform::Color RaisedCornerOfHand(int slot) {
        return At(HandX[0][0][slot] + CardWidth[0] + 2, HandY[0][0] + CardHeight[0] + 5);
    }
    static platform::Color RaisedCornerOfField(int slot) {
        return At(FieldX(0, slot) + CardWidth[0] + 2, FieldY(0, slot) + CardHeight[0] + 5);
    }
};

}  // namespace

// A click or Enter given before the turn begins plays nothing.
TEST_F(ChoiceTest, InputGivenBeforeTheTurnBeginsIsDropped) {
    subState = 0;
    PointAtHand(3);
    pointerClicked = 1;
    choiceConfirmed = 1;
    HumanTurnStep();  // the turn starts
    HumanTurnStep();
    HumanTurnStep();
    EXPECT_EQ(subState, 1);
    EXPECT_EQ(koi.handCount[0], 8);
}

TEST_F(ChoiceTest, HoverMovesTheCursorAndTheBackgroundKeepsIt) {
    EXPECT_EQ(subState, 1);
    PointAtHand(3);
    HumanTurnStep();
    EXPECT_EQ(cursorSlot, 3);
    EXPECT_EQ(RaisedCornerOfHand(3), FaceColour(21));
    PointAt(5, 200);  // off the hand
    HumanTurnStep();
    EXPECT_EQ(cursorSlot, 3);
    EXPECT_EQ(pointerMoved, 0);
}

TEST_F(ChoiceTest, ArrowKeysWrapAroundTheHand) {
    previousCursorSlot = 0;
    cursorSlot = -1;  // Left from the first card
    redrawRequested = 1;
    HumanTurnStep();
    EXPECT_EQ(cursorSlot, 7);
    EXPECT_EQ(RaisedCornerOfHand(7), FaceColour(37));
    // The old cursor is gone.
    EXPECT_EQ(RaisedCornerOfHand(0), TableColour);
    previousCursorSlot = 7;
    cursorSlot = 8;
    redrawRequested = 1;
    HumanTurnStep();
    EXPECT_EQ(cursorSlot, 0);
}

// A burst of arrow keys between two steps, as the window records them: each
// key keeps only the slot before it. One card stays raised, whatever the keys.
TEST_F(ChoiceTest, ABurstOfArrowKeysLeavesOneRaisedCard) {
    // Without the glows, a raised card is the only thing just below the
    // middle of a hand card's place.
    showCapturableOn = 0;
    auto raisedAt = [](int slot) {
        return At(HandX[0][0][slot] + CardWidth[0] / 2, HandY[0][0] + CardHeight[0] + 2) !=
               TableColour;
    };
    const int bursts[][4] = {{1, 1, 1, 0}, {-1, -1, 1, 1}, {1, -1, 1, -1}, {-1, -1, -1, -1}};
    for (const auto& burst : bursts) {
        for (int move : burst) {
            if (move == 0) continue;
            previousCursorSlot = cursorSlot;
            cursorSlot += move;
            redrawRequested = 1;
        }
        HumanTurnStep();
        std::string raised;
        for (int slot = 0; slot < 8; ++slot)
            if (raisedAt(slot)) raised += std::to_string(slot) + " ";
        EXPECT_EQ(raised, std::to_string(cursorSlot) + " ");
    }
    showCapturableOn = 1;
}

TEST_F(ChoiceTest, CapturingCardsGlowAndTheGlowPulsesWithTheTicks) {
    // Slot 0 (松) can capture; the ring sits three pixels outside its card.
    // The cursor on 梅 makes its two matches glow.
    const int gx = HandX[0][0][0] - (GlowWidth[0] - CardWidth[0]) / 2;
    const int y = HandY[0][0] + 30;
    cursorSlot = 1;
    redrawRequested = 1;
    HumanTurnStep();
    const platform::Color first = At(gx, y);
    EXPECT_EQ(first, GlowColour(koi.tickCounter % 5));
    // The matching field cards glow too.
    EXPECT_EQ(At(FieldX(0, 1) - 3, FieldY(0, 1) + 30), GlowColour(koi.tickCounter % 5));
    // A card without a match has no glow: the table shows beside it.
    EXPECT_EQ(At(HandX[0][0][7] + CardWidth[0] + 1, y), TableColour);
    fast_.Advance(101);
    redrawRequested = 1;  // the window asks for the pulse while it has the focus
    HumanTurnStep();
    EXPECT_EQ(At(gx, y), GlowColour(koi.tickCounter % 5));
    EXPECT_NE(At(gx, y), first);
}

TEST_F(ChoiceTest, ClickOnTheHandConfirmsAndTwoMatchesAskForAFieldCard) {
    PointAtHand(1);
    HumanTurnStep();
    pointerClicked = 1;
    HumanTurnStep();
    EXPECT_EQ(subState, 2);
    EXPECT_EQ(koi.selectedHandSlot, 1);
    // The cursor starts on the first match, the lower field slot.
    EXPECT_EQ(cursorSlot, 0);
    EXPECT_EQ(RaisedCornerOfField(1), FaceColour(5));
}

TEST_F(ChoiceTest, AClickOffTheHandConfirmsNothing) {
    PointAt(5, 5);
    pointerClicked = 1;
    HumanTurnStep();
    EXPECT_EQ(subState, 1);
    EXPECT_EQ(choiceConfirmed, 0);
    EXPECT_EQ(pointerClicked, 0);
}

TEST_F(ChoiceTest, HoverOnTheOtherMatchSwapsTheCursorAndCancelReturnsToTheHand) {
    cursorSlot = 1;
    choiceConfirmed = 1;
    HumanTurnStep();
    ASSERT_EQ(subState, 2);
    PointAtField(1);  // the match already chosen: nothing happens
    HumanTurnStep();
    EXPECT_EQ(cursorSlot, 0);
    PointAtField(2);
    HumanTurnStep();
    EXPECT_EQ(cursorSlot, 1);
    EXPECT_EQ(RaisedCornerOfField(2), FaceColour(6));
    EXPECT_EQ(RaisedCornerOfField(1), TableColour);
    cancelRequested = 1;
    HumanTurnStep();
    EXPECT_EQ(subState, 1);
    EXPECT_EQ(cursorSlot, 1);
    EXPECT_EQ(cancelRequested, 0);
}

TEST_F(ChoiceTest, EnterOnAFieldCardPlaysTheTurnThroughToTheComputer) {
    cursorSlot = 1;
    choiceConfirmed = 1;
    HumanTurnStep();
    ASSERT_EQ(subState, 2);
    previousCursorSlot = 0;
    cursorSlot = 2;  // Right past the second match wraps to the first
    redrawRequested = 1;
    HumanTurnStep();
    EXPECT_EQ(cursorSlot, 0);
    cursorSlot = 1;
    previousCursorSlot = 0;
    redrawRequested = 1;
    HumanTurnStep();
    choiceConfirmed = 1;
    while (gameState == 3) HumanTurnStep();
    // 梅に鶯 took the second match, 6; the drawn 桜 (9) took nothing and lies
    // in the first free slot.
    EXPECT_EQ(koi.pileCount[0][PileKasu], 1);
    EXPECT_EQ(koi.piles[0][PileTane][0], 4);
    EXPECT_EQ(koi.field[2], -1);
    EXPECT_EQ(koi.field[1], 5);
    EXPECT_EQ(koi.field[6], 9);
    EXPECT_EQ(At(FieldX(0, 6) + 1, FieldY(0, 6) + 1), FaceColour(9));
    EXPECT_EQ(koi.handCount[0], 7);
    EXPECT_EQ(gameState, 4);
    // The piles are drawn: the kasu pile holds the card taken.
    EXPECT_EQ(At(PileX[0][0][3] + 1, PileY[0][0] + 1), FaceColour(6));
}

TEST_F(ChoiceTest, SwitchingTheGlowsOffRedrawsTheTableWithoutThem) {
    cursorSlot = 1;
    redrawRequested = 1;
    HumanTurnStep();
    const int gx = HandX[0][0][0] - (GlowWidth[0] - CardWidth[0]) / 2, y = HandY[0][0] + 30;
    ASSERT_EQ(At(gx, y), GlowColour(koi.tickCounter % 5));
    showCapturableOn = 0;
    RedrawKoiKoiTable();
    EXPECT_EQ(At(gx, y), TableColour);
    EXPECT_EQ(At(FieldX(0, 1) - 3, FieldY(0, 1) + 30), TableColour);
    // The cursor card stays raised.
    EXPECT_EQ(RaisedCornerOfHand(1), FaceColour(4));
}
