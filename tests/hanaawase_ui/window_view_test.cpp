// The table as the window view keeps it through the user's turn: rebuilt (a
// new background or resolution) while the drawn card waits for one of its
// two field cards, it shows the turn's captures once, on the field; the kind
// counts beside the names count the cards that have reached the piles; the
// frame of the user's turn stays up through every choice; the end-of-hand
// dialogs open over the finished table.
#include "hanaawase/ui/window_view.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "assets/dialogs.h"
#include "hanaawase/flow.h"
#include "hanaawase/ui/marks.h"
#include "platform/dialog.h"
#include "solid_table.h"
#include "table/marks.h"
#include "tests/app/data_dir.h"

namespace {

class HanaWindowViewTest : public PerResolution {
  protected:
    void SetUp() override {
        SetHanaView(&HanaTheWindowView());
        // 松に鶴 (0) takes the 松 on the field; the drawn 梅に鶯 (4) may take
        // either 梅. Everyone has taken cards in earlier turns. The pair
        // lies away from the stock, which a pair on place 0 would overlap.
        SetHand(0, {0, 17, 21, 25, 29, 33, 37});
        SetHand(1, {2, 10, 18, 22, 26, 30, 34});
        SetHand(2, {3, 11, 19, 23, 27, 31, 35});
        SetField({44, 1, 5, 45, 6, 46, 40, 41});
        SetStock({4, 13, 14, 47, 42});
        GiveCaptured(0, {8, 12, 7});  // a 光, a タネ, a カス
        GiveCaptured(1, {20, 24});    // two タネ
        GiveCaptured(2, {28, 32});    // a 光, a タネ
        pointerMoved = pointerClicked = choiceConfirmed = cancelRequested = 0;
        gameState = HanaHandStart;
        HanaTheWindowView().HanaDrawPanel();
        for (int p = 0; p < HanaPlayers; ++p) {
            HanaDrawPiles(p);
            HanaDrawHand(p);
        }
        gameState = HanaUserTurn;
        subState = 0;
        HanaRedrawTable();
    }

    // Where an upright card at x, y lies.
    static platform::Rect CardAt(int x, int y) {
        return {x, y, x + CardWidth[resolution], y + CardHeight[resolution]};
    }

    // The field shows its cards with the turn's pairs, each pile only the
    // cards that have reached it.
    static void ExpectEveryCardShownOnce() {
        const int r = resolution;
        std::vector<platform::Rect> field;
        std::set<int> onField;
        for (int f = 0; f < HanaFieldSlots; ++f) {
            const int x = HanaFieldX[r][f], y = HanaFieldY[r][f];
            field.push_back(CardAt(x, y));
            if (hana.capturePairs[f][0] != -1)
                field.push_back(CardAt(x + PairOffset[r], y + PairOffset[r]));
            for (int card : {hana.field[f], hana.capturePairs[f][0], hana.capturePairs[f][1]})
                if (card != -1) onField.insert(card);
        }
        EXPECT_EQ(CardsShownIn(field), onField);
        for (int p = 0; p < HanaPlayers; ++p) {
            std::set<int> landed;
            for (int k = 0; k < HanaKinds; ++k) {
                const int n = hana.capturedCount[p][k] - (p == 0 ? hana.turnCapturedCount[k] : 0);
                for (int i = 0; i < n; ++i) landed.insert(hana.captured[p][k][i]);
            }
            const HanaRect& a = hanaLayout.pileAreaRects[p];
            EXPECT_EQ(CardsShownIn({{a.left, a.top, a.right + 1, a.bottom + 1}}), landed) << p;
        }
    }
};

}  // namespace

TEST_P(HanaWindowViewTest, ARebuildWhileTheDrawnCardChoosesShowsEveryCardOnceAndTheTurnFrame) {
    EXPECT_TRUE(CountsRead(HanaKindCountsRect(1), {0, 2, 0, 0}, true));
    EXPECT_TRUE(CountsRead(HanaKindCountsRect(2), {1, 1, 0, 0}, true));
    EXPECT_FALSE(TurnFrameShown(HanaNameLabelRect(0), 3));
    HanaUserTurnStep();  // the turn starts
    HanaUserTurnStep();
    EXPECT_TRUE(TurnFrameShown(HanaNameLabelRect(0), 3)) << "choosing a hand card";
    // 松に鶴 takes the 松; the drawn 梅に鶯 waits for its field card.
    cursorSlot = 0;
    choiceConfirmed = 1;
    while (subState != 4) HanaUserTurnStep();
    HanaUserTurnStep();
    ASSERT_EQ(subState, 4);
    ASSERT_EQ(hana.matchCount[0][HanaDrawnSlot], 2);
    EXPECT_TRUE(hanaTableMarks.userChoosing);
    // 松に鶴 and the 松 it took still lie on the field as a pair, not counted yet.
    ASSERT_EQ(hana.capturePairs[1][0], 0);
    ASSERT_EQ(hana.capturePairs[1][1], 1);
    ExpectEveryCardShownOnce();
    EXPECT_TRUE(CountsRead(HanaKindCountsRect(0), {1, 1, 0, 1}, true));
    HanaRebuildTable();
    ExpectEveryCardShownOnce();
    EXPECT_TRUE(CountsRead(HanaKindCountsRect(0), {1, 1, 0, 1}, true));
    EXPECT_TRUE(TurnFrameShown(HanaNameLabelRect(0), 3)) << "after a rebuild";
    // The choice goes on and the turn ends with both pairs flown to the pile.
    choiceConfirmed = 1;
    while (gameState == HanaUserTurn) HanaUserTurnStep();
    EXPECT_FALSE(hanaTableMarks.userChoosing);
    EXPECT_FALSE(TurnFrameShown(HanaNameLabelRect(0), 3)) << "the computers' turn";
    for (const auto& pair : hana.capturePairs) EXPECT_EQ(pair[0], -1);
    EXPECT_TRUE(CountsRead(HanaKindCountsRect(0), {2, 2, 2, 1}, true));
    ExpectEveryCardShownOnce();
    HanaRepaintRect(0, 0, ClientWidth[R()], ClientHeight[R()]);
    EXPECT_TRUE(CountsRead(HanaKindCountsRect(0), {2, 2, 2, 1}, true));
}

TEST_P(HanaWindowViewTest, TheResultsOpenOverTheFinishedTable) {
    TestDataDir data;
    int x = 0, y = 0, seen = 0;
    HanaPilePosition(0, 0, 0, 1, x, y);  // 桜に幕, the user's only 光
    platform::testing::SetDialogHook([&](platform::Dialog& d, int number) {
        if (number == dlg::HanaScoreSheet || number == dlg::HanaResultsSixHands) {
            ++seen;
            EXPECT_EQ(At(x + 2, y + 2), FaceColour(8)) << number;
            EXPECT_EQ(At(HanaFieldX[R()][0] + 2, HanaFieldY[R()][0] + 2), FaceColour(44)) << number;
        }
        d.Click(number == dlg::HanaYakuMade ? 1024 : 1);
    });
    gameState = HanaHandEnd;
    HanaAwaseStep();
    EXPECT_EQ(seen, 2);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, HanaWindowViewTest, ::testing::Values(0, 1, 2));
