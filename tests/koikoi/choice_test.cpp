// The human's choice of cards through the real turn of the flow, headless:
// hover, clicks, arrow keys, Enter, the choice between two matches and
// cancel, seen through a view that records what it is told to raise.
#include <set>
#include <vector>

#include "koikoi/flow.h"
#include "koikoi_fixture.h"

namespace {

// Point (s, 0) lies on hand slot s, (f, 1) on field slot f.
class RecordingView : public KoiKoiView {
  public:
    std::set<int> raisedHand;
    int raisedField = -1;
    int HandCardAt(int x, int y) override { return y == 0 && x < koi.handCount[0] ? x : -1; }
    int FieldSlotAt(int x, int y) override { return y == 1 ? x : -1; }
    void DrawHandCursor(int s) override { raisedHand.insert(s); }
    void EraseHandCursor(int s) override { raisedHand.erase(s); }
    void DrawFieldCursor(int f) override { raisedField = f; }
    void EraseFieldCursor(int f) override {
        if (raisedField == f) raisedField = -1;
    }
};

class ChoiceTest : public KoiKoiTest {
  protected:
    void SetUp() override {
        KoiKoiTest::SetUp();
        SetKoiKoiView(&view_);
        // 松 (0) takes one field card, 梅 (4) two (slots 1 and 2), the rest none.
        SetHand(0, {0, 4, 17, 21, 25, 29, 33, 37});
        SetHand(1, {2, 10, 18, 22, 26, 30, 34, 38});
        SetField({1, 5, 6, 44, 45, 46});
        SetStock({9, 13, 14, 47});
        pointerMoved = pointerClicked = choiceConfirmed = cancelRequested = 0;
        gameState = 3;
        subState = 0;
        HumanTurnStep();  // the turn starts: sub-state 1, cursor on slot 0
        HumanTurnStep();
    }
    static void PointAt(int x, int y, bool click = false) {
        pointerX = x;
        pointerY = y;
        pointerMoved = 1;
        pointerClicked = click;
        HumanTurnStep();
    }
    // Arrow keys as the window records them: each keeps only the slot before it.
    static void Keys(std::initializer_list<int> moves) {
        for (int move : moves) {
            previousCursorSlot = cursorSlot;
            cursorSlot += move;
            redrawRequested = 1;
        }
        HumanTurnStep();
    }
    static void ChooseUme() {
        cursorSlot = 1;
        choiceConfirmed = 1;
        HumanTurnStep();
        ASSERT_EQ(subState, 2);
    }
    RecordingView view_;
};

TEST_F(ChoiceTest, HoverMovesTheCursorAndOnlyAClickOnTheHandConfirms) {
    EXPECT_EQ(view_.raisedHand, std::set<int>{0});
    PointAt(3, 0);
    EXPECT_EQ(cursorSlot, 3);
    EXPECT_EQ(view_.raisedHand, std::set<int>{3});
    PointAt(20, 0, true);  // off the hand
    EXPECT_EQ(cursorSlot, 3);
    EXPECT_EQ(pointerMoved + pointerClicked + choiceConfirmed, 0);
    EXPECT_EQ(subState, 1);
    PointAt(1, 0, true);
    EXPECT_EQ(subState, 2);
    EXPECT_EQ(koi.selectedHandSlot, 1);
    // The cursor starts on the first match, the lower field slot.
    EXPECT_EQ(cursorSlot, 0);
    EXPECT_EQ(view_.raisedField, 1);
}

// Several keys between two steps leave one card raised, whatever the keys.
TEST_F(ChoiceTest, ArrowKeysWrapAroundTheHandAndTheTwoMatchesAndLeaveOneRaisedCard) {
    for (auto burst :
         {std::initializer_list<int>{1, 1, 1}, {-1, -1, 1, 1}, {1, -1, 1, -1}, {-1, -1, -1, -1}}) {
        Keys(burst);
        EXPECT_EQ(view_.raisedHand, std::set<int>{cursorSlot});
    }
    EXPECT_EQ(cursorSlot, 7) << "3 up, then 4 down from slot 0";
    Keys({+1});
    EXPECT_EQ(cursorSlot, 0);
    ChooseUme();
    Keys({+1, +1});
    EXPECT_EQ(cursorSlot, 0);
    Keys({-1});
    EXPECT_EQ(cursorSlot, 1);
    EXPECT_EQ(view_.raisedField, 2);
}

// Hover on the other match moves the cursor and cancel returns to the hand.
// Chosen again, 梅に鶯 takes the second match by a click; the drawn 桜 (9)
// takes nothing and lies in the first free slot, not in the one emptied
// this turn.
TEST_F(ChoiceTest, HoverSwapsTheMatchCancelReturnsAndAClickOnTheMatchPlaysTheTurn) {
    ChooseUme();
    PointAt(1, 1);  // the match already chosen: nothing happens
    EXPECT_EQ(cursorSlot, 0);
    PointAt(2, 1);
    EXPECT_EQ(cursorSlot, 1);
    EXPECT_EQ(view_.raisedField, 2);
    PointAt(4, 1, true);  // a click on a field card that is no match
    EXPECT_EQ(subState, 2);
    EXPECT_EQ(cursorSlot, 1);
    cancelRequested = 1;
    HumanTurnStep();
    EXPECT_EQ(subState, 1);
    EXPECT_EQ(cursorSlot, 1) << "back on the card";
    EXPECT_EQ(cancelRequested, 0);
    EXPECT_EQ(view_.raisedField, -1);
    EXPECT_EQ(koi.handCount[0], 8) << "nothing played";
    ChooseUme();
    PointAt(2, 1);
    PointAt(2, 1, true);
    while (gameState == 3) HumanTurnStep();
    EXPECT_EQ(koi.piles[0][PileTane][0], 4);
    EXPECT_EQ(std::vector<int>(koi.field, koi.field + 7),
              (std::vector<int>{1, 5, -1, 44, 45, 46, 9}));
    EXPECT_EQ(gameState, 4);
}

// The drawn card's choice between two matches cannot be cancelled.
TEST_F(ChoiceTest, TheDrawnCardsChoiceIgnoresCancel) {
    SetStock({7, 13, 14, 47});  // 梅 of カス: the drawn card takes 5 or 6
    cursorSlot = 2;
    choiceConfirmed = 1;
    while (subState != 4) HumanTurnStep();
    HumanTurnStep();
    ASSERT_EQ(subState, 4);
    cancelRequested = 1;
    Keys({+1});
    EXPECT_EQ(subState, 4);
    choiceConfirmed = 1;
    HumanTurnStep();
    EXPECT_EQ(koi.field[1], 5);
    EXPECT_EQ(koi.field[2], -1) << "the second match";
    cancelRequested = 0;
}

}  // namespace
