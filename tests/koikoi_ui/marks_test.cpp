// The marks a player reads the Koi-Koi table by: the counts of each kind
// beside the names, the こいこい badge, the frame of the player's turn, the
// outline of the computer's play, and the finished table behind the score
// table. A rebuild of the table (a new background or size) keeps them, and
// keeps every card where it lies.
#include "koikoi/ui/marks.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <vector>

#include "assets/dialogs.h"
#include "koikoi/flow.h"
#include "koikoi/rules.h"
#include "platform/dialog.h"
#include "platform/i18n.h"
#include "table/marks.h"
#include "tests/app/data_dir.h"
#include "tests/koikoi_ui/solid_table.h"

using namespace koiui;

namespace {

class MarksTest : public SolidTable {
  protected:
    // Whether the table shows nothing but itself within r.
    static bool Bare(const platform::Rect& r) {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (At(x, y) != TableColour) return false;
        return true;
    }
    static void NewHandPanel() {
        gameState = 2;
        TheKoiKoiWindowView().DrawKoiKoiPanel();
        gameState = 3;
    }

    // 松に鶴 (0) takes the 松 on the field; the drawn 梅に鶯 (4) may take
    // either 梅. Both players have taken cards in earlier turns.
    void DealTurn(int res) {
        UseResolution(res);
        ResetHandState();
        SetHand(0, {0, 17, 21, 25, 29, 33, 37, 41});
        SetHand(1, {2, 10, 18, 22, 26, 30, 34, 38});
        SetField({1, 5, 6, 44, 45, 46});
        SetStock({4, 13, 14, 47});
        GiveCards(0, {8, 12, 3});
        GiveCards(1, {20, 24});
        pointerMoved = pointerClicked = choiceConfirmed = cancelRequested = 0;
        NewHandPanel();
        for (int p = 0; p < 2; ++p) TheKoiKoiWindowView().DrawPiles(p);
        RepaintAll();
        subState = 0;
    }

    // Every part of the table shows exactly the cards that lie there: the
    // player's hand, the field with the turn's pairs, the drawn card on the
    // stock and each pile with only the cards that have reached it.
    static void ExpectEveryCardShownOnce(int res) {
        std::vector<platform::Rect> hand(std::begin(layout.handSlotRects[0]),
                                         std::end(layout.handSlotRects[0]));
        std::set<int> held(koi.hands[0], koi.hands[0] + 8), drawn = {koi.hands[0][DrawnSlot]};
        held.erase(-1);
        drawn.erase(-1);
        EXPECT_EQ(CardsShownIn(hand), held) << res;
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
        EXPECT_EQ(CardsShownIn({layout.stockRect}), drawn) << res;
        for (int p = 0; p < 2; ++p) {
            std::set<int> landed;
            for (int k = 0; k < 4; ++k) {
                const int n = koi.pileCount[p][k] - (p == 0 ? koi.turnCaptureCount[k] : 0);
                for (int i = 0; i < n; ++i) landed.insert(koi.piles[p][k][i]);
            }
            EXPECT_EQ(CardsShownIn({layout.pileAreaRects[p]}), landed) << res << " pile " << p;
        }
    }
};

}  // namespace

// At every size, in either language, the counts and the badge keep off
// every card, the raised card and glow of the cursor, the home-page label
// and each other; the English kinds (Brights, Animals, Ribbons, Chaff) and
// badge (Koi-Koi) are the wider. The field's extra places, taken once it
// overflows, lie in hand places empty by then, clear of every other place.
TEST_F(MarksTest, TheMarksAndTheExtraFieldPlacesKeepOffEveryCardAndTheCursor) {
    auto inner = [](const platform::Rect& r) {  // the card, one pixel smaller left and up
        return platform::Rect{r.left + 1, r.top + 1, r.right, r.bottom};
    };
    for (auto language : {platform::Language::Japanese, platform::Language::English}) {
        platform::SetLanguage(language);
        for (int res = 0; res < 3; ++res) {
            UseResolution(res);
            ResetHandState();
            NewHandPanel();
            std::vector<platform::Rect> places = {inner(layout.stockRect)}, extras;
            for (int f = 0; f < TableFieldSlots; ++f)
                (f < 16 ? places : extras).push_back(inner(layout.fieldSlotRects[f]));
            for (int p = 0; p < 2; ++p) {
                places.push_back(inner(layout.pileAreaRects[p]));
                for (int s = 0; s < 6; ++s) places.push_back(inner(layout.handSlotRects[p][s]));
            }
            ExpectClear(extras, places);
            const int rise = (CursorGlowHeight[res] - CardHeight[res]) / 2,
                      spread = (CursorGlowWidth[res] - CardWidth[res]) / 2;
            for (int p = 0; p < 2; ++p) {
                SCOPED_TRACE(testing::Message() << res << " player " << p);
                tableMarks.koiKoiCalls[p] = 3;
                std::vector<platform::Rect> cards(std::begin(layout.fieldSlotRects),
                                                  std::end(layout.fieldSlotRects));
                cards.insert(cards.end(),
                             {layout.pileAreaRects[0],
                              layout.pileAreaRects[1],
                              {HomeLabelX, HomeLabelY[res], HomeLabelX + HomeLabelWidth[res],
                               HomeLabelY[res] + HomeLabelHeight[res]}});
                for (const auto& slot : layout.handSlotRects[p])  // the cursor raises the human's
                    cards.push_back(p == 1
                                        ? slot
                                        : platform::Rect{slot.left - spread, slot.top - rise,
                                                         slot.right + spread, slot.bottom + rise});
                ExpectClear({KindCountsRect(p), KoiKoiBadgeRect(p)}, cards);
                ExpectClear({KindCountsRect(p)}, {KoiKoiBadgeRect(p), NameLabelRect(p)});
            }
        }
    }
    platform::SetLanguage(platform::Language::Japanese);
}

// At every size the counts of each kind follow the piles, and the こいこい
// badge shows after a call until the next deal; a rebuild of the table in
// the hand keeps both.
TEST_F(MarksTest, TheCountsFollowThePilesAndTheBadgeShowsAfterACallUntilTheNextDeal) {
    for (int res = 0; res < 3; ++res) {
        UseResolution(res);
        for (int player : {0, 1}) {
            SCOPED_TRACE(testing::Message() << res << " player " << player);
            ResetHandState();
            NewHandPanel();
            EXPECT_TRUE(CountsRead(KindCountsRect(player), {0, 0, 0, 0}, false));
            const platform::Rect badge = KoiKoiBadgeRect(player);
            EXPECT_TRUE(Bare(badge));
            MakeInoshikacho(player, 4);
            GiveCards(player, {0, 8, 3});  // two 光 and a カス
            TheKoiKoiWindowView().DrawPiles(player);
            EXPECT_TRUE(CountsRead(KindCountsRect(player), {2, 3, 0, 1}, false));
            EXPECT_TRUE(CountsRead(KindCountsRect(player ^ 1), {0, 0, 0, 0}, false));
            platform::testing::SetDialogHook([](platform::Dialog& d, int) { d.Click(1000); });
            EXPECT_EQ(TheKoiKoiWindowView().YakuMadeDialog(player, player == 1 ? 0 : -1), 0);
            EXPECT_FALSE(Bare(badge));
            EXPECT_TRUE(Bare(KoiKoiBadgeRect(player ^ 1)));
            // A second call counts, and the badge grows to say so.
            EXPECT_EQ(TheKoiKoiWindowView().YakuMadeDialog(player, player == 1 ? 0 : -1), 0);
            EXPECT_GT(KoiKoiBadgeRect(player).Width(), badge.Width());
            DrawKoiKoiPanel();
            EXPECT_FALSE(Bare(badge));
            EXPECT_TRUE(CountsRead(KindCountsRect(player), {2, 3, 0, 1}, false));
            NewHandPanel();
            EXPECT_TRUE(Bare(KoiKoiBadgeRect(player)));
        }
    }
}

TEST_F(MarksTest, TheScoreTableOpensOverTheFinishedTable) {
    TestDataDir data;
    koi.handScores[0].assign(1, -1);
    koi.handScores[1].assign(1, -1);
    GiveCards(0, {0, 8, 3});
    GiveCards(1, {1});
    SetField({44, 45});
    SetHand(1, {12, 13});
    koi.yakuAnnounced[0] = 1;
    koi.handScore = 6;
    KoiKoiView& view = TheKoiKoiWindowView();
    view.DrawPiles(0);
    view.DrawPiles(1);
    RepaintAll();
    int x = 0, y = 0;
    PilePosition(0, 0, 0, 2, x, y);
    const int r = resolution;
    bool seen = false;
    platform::testing::SetDialogHook([&](platform::Dialog& d, int number) {
        if (number == dlg::KoiKoiScoreTableSixHands || number == dlg::KoiKoiScoreTable) {
            seen = true;
            EXPECT_EQ(At(x + 2, y + 2), FaceColour(0));
            EXPECT_EQ(At(FieldX(r, 0) + 2, FieldY(r, 0) + 2), FaceColour(44));
            EXPECT_EQ(At(HandX[r][1][0] + 2, HandY[r][1] + 2), FaceColour(48));
        }
        d.Click(1);
    });
    gameState = 5;
    KoiKoiStep();
    EXPECT_TRUE(seen);
    EXPECT_EQ(gameState, 2);
}

TEST_F(MarksTest, TheComputersPlayStaysOutlinedForItsHoldAndIsWipedAfterwards) {
    SetField({44, 45});
    koi.capturePairs[1][0] = 46;  // the computer's card on the one it takes
    koi.capturePairs[1][1] = 45;
    koi.field[1] = -1;
    RepaintAll();
    const int r = resolution;
    const platform::Rect& laid = layout.fieldSlotRects[0];
    const int x = laid.left - 1, y = (laid.top + laid.bottom) / 2;  // just outside the card
    bool outlined = false;
    uint32_t start = 0, seenAt = 0;
    table::SetHoldObserver([&](int player) {
        EXPECT_EQ(player, 1);
        outlined = At(x, y) != TableColour;
        seenAt = platform::GetTickCount();
    });
    for (bool animation : {true, false}) {
        animationOn = animation;
        start = platform::GetTickCount();
        const int slots[] = {0, 1};
        ShowComputerPlay(1, slots, 2);
        EXPECT_TRUE(outlined);
        EXPECT_GE(platform::GetTickCount() - seenAt, table::TurnHoldMs(animation, 1));
        EXPECT_LT(platform::GetTickCount() - start, 1000u);
        // Gone again, the cards untouched.
        EXPECT_EQ(At(x, y), TableColour);
        EXPECT_EQ(At(FieldX(r, 0) + 3, FieldY(r, 0) + 3), FaceColour(44));
        EXPECT_EQ(At(FieldX(r, 1) + PairOffset[r] + 3, FieldY(r, 1) + PairOffset[r] + 3),
                  FaceColour(46));
    }
    table::SetHoldObserver(nullptr);
    EXPECT_NE(table::PlayerMarkColor(1, 2), table::PlayerMarkColor(0, 2));
    // Two computers in Hana-awase are told apart.
    EXPECT_NE(table::PlayerMarkColor(1, 3), table::PlayerMarkColor(2, 3));
}

// A rebuild in the middle of the player's turn, while the drawn card waits
// for one of its two field cards, shows every card once where it lies; the
// frame of the player's turn stays up through every choice of the turn.
TEST_F(MarksTest, ARebuildDuringTheTurnShowsEveryCardOnceAndKeepsTheMarks) {
    for (int res = 0; res < 3; ++res) {
        DealTurn(res);
        animationOn = res != 1;  // the cards fly, or are laid at once
        EXPECT_FALSE(TurnFrameShown(NameLabelRect(0), 2)) << res;
        HumanTurnStep();  // the turn starts
        HumanTurnStep();
        EXPECT_TRUE(TurnFrameShown(NameLabelRect(0), 2)) << res << " choosing a hand card";
        // 松に鶴 takes the 松; the drawn 梅に鶯 waits for its field card.
        cursorSlot = 0;
        choiceConfirmed = 1;
        while (subState != 4) HumanTurnStep();
        HumanTurnStep();
        ASSERT_EQ(subState, 4);
        ASSERT_EQ(koi.matchCount[0][DrawnSlot], 2);
        ExpectEveryCardShownOnce(res);
        RebuildKoiKoiTable();
        ExpectEveryCardShownOnce(res);
        EXPECT_TRUE(TurnFrameShown(NameLabelRect(0), 2)) << res << " after a rebuild";
        // The choice goes on and the turn ends with the three cards in the pile.
        choiceConfirmed = 1;
        while (gameState == 3) HumanTurnStep();
        EXPECT_FALSE(TurnFrameShown(NameLabelRect(0), 2)) << res << " the computer's turn";
        EXPECT_EQ(std::accumulate(koi.pileCount[0], koi.pileCount[0] + 4, 0), 3 + 4) << res;
        ExpectEveryCardShownOnce(res);
        RebuildKoiKoiTable();
        ExpectEveryCardShownOnce(res);
    }
}
