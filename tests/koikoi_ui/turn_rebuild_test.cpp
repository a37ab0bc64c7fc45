// The table rebuilt (a new background or resolution) in the middle of the
// player's turn, while the drawn card waits for one of its two field cards:
// every card shows once, where it lies, and the frame of the player's turn
// stays up through every choice of the turn.
#include <gtest/gtest.h>

#include <set>

#include "koikoi/flow.h"
#include "koikoi/ui/marks.h"
#include "table/marks.h"
#include "tests/koikoi_ui/solid_table.h"

using namespace koiui;

namespace {

class TurnRebuildTest : public SolidTable {
  protected:
    void SetUp() override {
        SolidTable::SetUp();
        UseHomeLabel(2);
    }
    void TearDown() override {
        ClearTableMarks();
        SolidTable::TearDown();
    }

    // 松に鶴 (0) takes the 松 on the field; the drawn 梅に鶯 (4) may take
    // either 梅. Both players have taken cards in earlier turns.
    void DealTurn(int res) {
        UseResolution(res);
        ResetHandState();
        ClearTableMarks();
        for (auto& pair : koi.capturePairs) pair[0] = pair[1] = -1;
        koi.firstCaptureSlot = -1;
        SetHand(0, {0, 17, 21, 25, 29, 33, 37, 41});
        SetHand(1, {2, 10, 18, 22, 26, 30, 34, 38});
        SetField({1, 5, 6, 44, 45, 46});
        SetStock({4, 13, 14, 47});
        GiveCards(0, {8, 12, 3});
        GiveCards(1, {20, 24});
        pointerMoved = pointerClicked = choiceConfirmed = cancelRequested = 0;
        gameState = 2;
        TheKoiKoiWindowView().DrawKoiKoiPanel();
        for (int p = 0; p < 2; ++p) TheKoiKoiWindowView().DrawPiles(p);
        RepaintAll();
        gameState = 3;
        subState = 0;
    }

    // Plays 松に鶴 and draws: the drawn card waits for its field card.
    static void PlayUpToTheDrawnCardsChoice() {
        HumanTurnStep();  // the turn starts
        cursorSlot = 0;
        choiceConfirmed = 1;
        while (subState != 4) HumanTurnStep();
        HumanTurnStep();
        ASSERT_EQ(subState, 4);
        ASSERT_EQ(koi.matchCount[0][DrawnSlot], 2);
    }

    // The cards whose picture shows anywhere in the rectangles.
    static std::set<int> CardsShownIn(const std::vector<platform::Rect>& rects) {
        std::set<int> shown;
        for (const platform::Rect& r : rects)
            for (int y = std::max(r.top, 0); y < std::min(r.bottom, ClientHeight[resolution]); ++y)
                for (int x = std::max(r.left, 0); x < std::min(r.right, ClientWidth[resolution]);
                     ++x)
                    for (int card = 0; card < 48; ++card)
                        if (At(x, y) == FaceColour(card)) shown.insert(card);
        return shown;
    }
    static std::set<int> Cards(const int* cards, int count) {
        std::set<int> set;
        for (int i = 0; i < count; ++i)
            if (cards[i] != -1) set.insert(cards[i]);
        return set;
    }

    // Every part of the table shows exactly the cards that lie there: the
    // player's hand, the field with the turn's pairs, the drawn card on the
    // stock and each pile with only the cards that have reached it.
    static void ExpectEveryCardShownOnce(int res) {
        std::vector<platform::Rect> hand(std::begin(layout.handSlotRects[0]),
                                         std::end(layout.handSlotRects[0]));
        EXPECT_EQ(CardsShownIn(hand), Cards(koi.hands[0], 8)) << res;
        std::vector<platform::Rect> field;
        std::set<int> onField;
        for (int f = 0; f < 16; ++f) {
            field.push_back(layout.fieldSlotRects[f]);
            if (koi.capturePairs[f][0] != -1) field.push_back(layout.pairRects[f][0]);
            if (koi.field[f] != -1) onField.insert(koi.field[f]);
            for (int card : koi.capturePairs[f])
                if (card != -1) onField.insert(card);
        }
        EXPECT_EQ(CardsShownIn(field), onField) << res;
        EXPECT_EQ(CardsShownIn({layout.stockRect}), std::set<int>{koi.hands[0][DrawnSlot]}) << res;
        for (int p = 0; p < 2; ++p) {
            std::set<int> landed;
            for (int k = 0; k < 4; ++k) {
                const int n = koi.pileCount[p][k] - (p == 0 ? koi.turnCaptureCount[k] : 0);
                for (int i = 0; i < n; ++i) landed.insert(koi.piles[p][k][i]);
            }
            EXPECT_EQ(CardsShownIn({layout.pileAreaRects[p]}), landed) << res << " pile " << p;
        }
    }

    // The gold frame of the player's turn round the name.
    static bool TurnFrameShown() {
        const platform::Rect label = NameLabelRect(0);
        const platform::Rect frame = table::TurnMarkRect(label, resolution);
        const platform::Color gold = table::PlayerMarkColor(0, 2);
        for (int y = frame.top; y < frame.bottom; ++y)
            for (int x = frame.left; x < frame.right; ++x)
                if (y < label.top || y >= label.bottom || x < label.left || x >= label.right)
                    if (At(x, y) == gold) return true;
        return false;
    }
};

}  // namespace

TEST_F(TurnRebuildTest, ARebuildWhileTheDrawnCardChoosesShowsEveryCardOnce) {
    for (int res = 0; res < 3; ++res) {
        DealTurn(res);
        PlayUpToTheDrawnCardsChoice();
        // 松に鶴 and the 松 it took still lie on the field as a pair.
        ASSERT_EQ(koi.capturePairs[0][0], 0);
        ASSERT_EQ(koi.capturePairs[0][1], 1);
        ExpectEveryCardShownOnce(res);
        RebuildKoiKoiTable();
        ExpectEveryCardShownOnce(res);
        // The choice goes on and the turn ends with the pair in the pile.
        choiceConfirmed = 1;
        while (gameState == 3) HumanTurnStep();
        for (int k = 0; k < 4; ++k) EXPECT_EQ(koi.turnCaptureCount[k], 0);
        RebuildKoiKoiTable();
        std::set<int> pile;
        for (int k = 0; k < 4; ++k)
            for (int i = 0; i < koi.pileCount[0][k]; ++i) pile.insert(koi.piles[0][k][i]);
        EXPECT_EQ(CardsShownIn({layout.pileAreaRects[0]}), pile) << res;
        EXPECT_EQ(pile.count(0) + pile.count(1) + pile.count(4), 3u) << res;
    }
}

TEST_F(TurnRebuildTest, TheTurnFrameStaysThroughEveryChoiceOfTheTurn) {
    DealTurn(0);
    EXPECT_FALSE(TurnFrameShown());
    HumanTurnStep();  // the turn starts
    HumanTurnStep();
    EXPECT_TRUE(TurnFrameShown()) << "choosing a hand card";
    cursorSlot = 0;
    choiceConfirmed = 1;
    while (subState != 4) HumanTurnStep();
    HumanTurnStep();
    ASSERT_EQ(subState, 4);
    EXPECT_TRUE(tableMarks.humanChoosing);
    EXPECT_TRUE(TurnFrameShown()) << "choosing the drawn card's field card";
    RebuildKoiKoiTable();
    EXPECT_TRUE(TurnFrameShown()) << "after a rebuild";
    choiceConfirmed = 1;
    while (gameState == 3) HumanTurnStep();
    EXPECT_FALSE(tableMarks.humanChoosing);
    EXPECT_FALSE(TurnFrameShown()) << "the computer's turn";
}
