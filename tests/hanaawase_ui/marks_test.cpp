// The marks a player reads the Hana-awase table by: the counts of each kind
// beside every player's name, the side players' too, and the finished table
// behind the end-of-hand dialogs.
#include "hanaawase/ui/marks.h"

#include <gtest/gtest.h>

#include "hanaawase/flow.h"
#include "hanaawase/ui/window_view.h"
#include "platform/dialog.h"
#include "platform/i18n.h"
#include "solid_table.h"
#include "table/marks.h"
#include "tests/app/data_dir.h"
#include "tests/hanaawase/table_setup.h"

namespace {

// The counts as they must read, drawn on the bare table.
bool CountsRead(int player, const int (&expected)[4]) {
    const platform::Rect c = HanaKindCountsRect(player);
    platform::Surface want(ClientWidth[resolution], ClientHeight[resolution], TableColour);
    table::DrawKindCounts(&want, c.left, c.top, expected, resolution, true);
    for (int y = c.top; y < c.bottom; ++y)
        for (int x = c.left; x < c.right; ++x)
            if (At(x, y) != want.Pixel(x, y)) return false;
    return true;
}

bool Meets(const platform::Rect& a, const HanaRect& b) {
    return a.left <= b.right && b.left < a.right && a.top <= b.bottom && b.top < a.bottom;
}

class HanaMarksTest : public PerResolution {
  protected:
    void SetUp() override {
        PerResolution::SetUp();
        SetHanaView(&HanaTheWindowView());
        gameState = HanaHandStart;
        HanaTheWindowView().HanaDrawPanel();
        gameState = HanaUserTurn;
    }
    void TearDown() override {
        SetHanaView(nullptr);
        PerResolution::TearDown();
    }
};

}  // namespace

TEST_P(HanaMarksTest, EveryPlayersCountsFollowTheirCapturedCards) {
    HanaView& view = CurrentHanaView();
    for (int p = 0; p < 3; ++p) EXPECT_TRUE(CountsRead(p, {0, 0, 0, 0})) << p;
    GiveCaptured(0, {0, 3, 7});  // a 光, two カス
    view.HanaDrawPiles(0);
    GiveCaptured(1, {1, 5, 9, 20});  // three タン, a タネ
    view.HanaDrawPiles(1);
    GiveCaptured(2, {8, 28, 44, 21});  // three 光, a タン
    view.HanaDrawPiles(2);
    EXPECT_TRUE(CountsRead(0, {1, 0, 0, 2}));
    EXPECT_TRUE(CountsRead(1, {0, 1, 3, 0}));
    EXPECT_TRUE(CountsRead(2, {3, 0, 1, 0}));
    EXPECT_FALSE(CountsRead(2, {3, 0, 0, 1}));
    GiveCaptured(1, {24});
    view.HanaDrawPiles(1);
    EXPECT_TRUE(CountsRead(1, {0, 2, 3, 0}));
    // Repaints and a new panel in the same hand keep them.
    HanaRepaintRect(0, 0, ClientWidth[R()], ClientHeight[R()]);
    EXPECT_TRUE(CountsRead(2, {3, 0, 1, 0}));
    HanaDrawPanel();
    EXPECT_TRUE(CountsRead(1, {0, 2, 3, 0}));
    // No count lies on a card place, a hand or a pile.
    for (int p = 0; p < 3; ++p) {
        const platform::Rect c = HanaKindCountsRect(p);
        EXPECT_GE(c.left, 0);
        EXPECT_LE(c.right, ClientWidth[R()]);
        EXPECT_LE(c.bottom, ClientHeight[R()]);
        for (int q = 0; q < 3; ++q) {
            EXPECT_FALSE(Meets(c, hanaLayout.pileAreaRects[q])) << p << q;
            for (const HanaRect& slot : hanaLayout.handSlotRects[q])
                EXPECT_FALSE(Meets(c, slot)) << p << q;
        }
        for (int f = 0; f < 12; ++f) EXPECT_FALSE(Meets(c, hanaLayout.fieldSlotRects[f])) << p;
    }
}

// The English kinds (Brights, Animals, Ribbons, Chaff) are wider than the
// Japanese ones, and still keep off every card.
TEST_P(HanaMarksTest, InEnglishTheCountsKeepOffEveryCard) {
    platform::SetLanguage(platform::Language::English);
    for (int p = 0; p < 3; ++p) {
        const platform::Rect c = HanaKindCountsRect(p);
        EXPECT_GE(c.left, 0);
        EXPECT_LE(c.right, ClientWidth[R()]);
        EXPECT_LE(c.bottom, ClientHeight[R()]);
        for (int q = 0; q < 3; ++q) {
            EXPECT_FALSE(Meets(c, hanaLayout.pileAreaRects[q])) << p << q;
            for (const HanaRect& slot : hanaLayout.handSlotRects[q])
                EXPECT_FALSE(Meets(c, slot)) << p << q;
        }
        for (int f = 0; f < 12; ++f) EXPECT_FALSE(Meets(c, hanaLayout.fieldSlotRects[f])) << p;
    }
    platform::SetLanguage(platform::Language::Japanese);
}

TEST_P(HanaMarksTest, TheResultsOpenOverTheFinishedTable) {
    TestDataDir data;
    GiveCaptured(0, {0, 3, 7});
    GiveCaptured(1, {1, 5});
    GiveCaptured(2, {8});
    SetField({44, 45});
    for (int p = 0; p < 3; ++p) CurrentHanaView().HanaDrawPiles(p);
    HanaRepaintRect(0, 0, ClientWidth[R()], ClientHeight[R()]);
    int x = 0, y = 0;
    HanaPilePosition(0, 0, 0, 1, x, y);
    const int r = R();
    int seen = 0;
    platform::testing::SetDialogHook([&](platform::Dialog& d, int number) {
        if (number == 218 || number == 209) {
            ++seen;
            EXPECT_EQ(At(x + 2, y + 2), FaceColour(0)) << number;
            EXPECT_EQ(At(HanaFieldX[r][0] + 2, HanaFieldY[r][0] + 2), FaceColour(44)) << number;
        }
        d.Click(number == 212 ? 1024 : 1);
    });
    gameState = HanaHandEnd;
    HanaAwaseStep();
    platform::testing::SetDialogHook(nullptr);
    EXPECT_EQ(seen, 2);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, HanaMarksTest, ::testing::Values(0, 1, 2));
