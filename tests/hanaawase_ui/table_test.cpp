// The table drawn with solid pictures: where cards, glows, flights, the
// status panel and the result banner show.
#include <gtest/gtest.h>

#include <algorithm>

#include "assets/catalogue.h"
#include "core/shell.h"
#include "core/sound_effects.h"
#include "hanaawase/flow.h"
#include "hanaawase/ui/marks.h"
#include "hanaawase/ui/outcome.h"
#include "platform/i18n.h"
#include "solid_table.h"

namespace {

class SoundLog : public ShellServices {
  public:
    std::vector<int> sounds;
    void PlaySound(int number) override { sounds.push_back(number); }
};

void DrawWholeTable() {
    for (int p = 0; p < 3; ++p) HanaDrawHand(p);
    for (int p = 0; p < 3; ++p) HanaShowHand(p);
    HanaDrawField();
    HanaDrawStock();
}

// True when the w wide block at (x, y) shows exactly the digit sheet's cell
// (0..9 digits, 10 minus, 11 plus, 12 the unit; -1 the plain table).
bool DigitShown(int x, int y, int w, int cell) {
    const int dw = HanaDigitW[resolution], h = HanaDigitH[resolution];
    return Shows(backBuffer, x, y,
                 cell < 0 ? platform::Surface(w, h, TableColour)
                          : SheetCell(713, w, h, cell * dw, 0, cell * dw, h));
}

}  // namespace

// No extra field place (12..15) and no player's counts, in either language,
// lies on another place, a hand, a pile or the stock; with every place taken
// each field card shows whole.
TEST_P(PerResolution, ExtraPlacesAndCountsKeepOffEveryCard) {
    const int r = R(), area = CardWidth[r] * CardHeight[r];
    auto rect = [](const HanaRect& c, int in) {  // edges included, `in` pixels smaller all round
        return platform::Rect{c.left + in, c.top + in, c.right + 1 - in, c.bottom + 1 - in};
    };
    std::vector<platform::Rect> cards = {rect(hanaLayout.stockRect, 0)};
    for (const HanaRect& c : hanaLayout.pileAreaRects) cards.push_back(rect(c, 0));
    for (const auto& hand : hanaLayout.handSlotRects)
        for (int s = 0; s < 7; ++s) cards.push_back(rect(hand[s], 0));
    for (int place = 12; place < 16; ++place) {
        std::vector<platform::Rect> others = cards;  // neighbours may share a border, no more
        for (int o = 0; o < 16; ++o)
            if (o != place) others.push_back(rect(hanaLayout.fieldSlotRects[o], 2));
        ExpectClear({rect(hanaLayout.fieldSlotRects[place], 0)}, others);
    }
    for (int f = 0; f < 12; ++f) cards.push_back(rect(hanaLayout.fieldSlotRects[f], 0));
    for (auto language : {platform::Language::Japanese, platform::Language::English}) {
        platform::SetLanguage(language);
        ExpectClear({HanaKindCountsRect(0), HanaKindCountsRect(1), HanaKindCountsRect(2)}, cards);
    }
    platform::SetLanguage(platform::Language::Japanese);

    SetHand(0, {0, 4, 8, 12, 16, 20, 24});
    SetHand(1, {1, 5, 9, 13, 17, 21, 25});
    SetHand(2, {2, 6, 10, 14, 18, 22, 26});
    SetField({28, 29, 30, 32, 33, 34, 36, 37, 38, 40, 41, 45, 44, 46, 47, 42});
    GiveCaptured(1, {3, 7, 11, 15, 19, 23, 27, 31, 35, 39});
    GiveCaptured(2, {3, 7, 11, 15, 19, 23, 27, 31, 35, 39});
    SetStock({43});
    for (int p = 0; p < 3; ++p) HanaDrawPiles(p);
    DrawWholeTable();
    for (int card : hana.field) EXPECT_EQ(Count(FaceColour(card)), area) << card;
    for (int card : hana.hands[0]) EXPECT_EQ(Count(FaceColour(card)), card < 0 ? 0 : area);
}

TEST_P(PerResolution, HitTestsAnswerForCardsOnly) {
    const int r = R(), w = CardWidth[r], h = CardHeight[r];
    SetHand(0, {0, 4, 8, 12});
    for (int slot = 0; slot < 4; ++slot) {
        const int x = HanaHandX[r][0][slot], y = HanaHandY[r][0][slot];
        EXPECT_EQ(HanaHandCardAt(x, y), slot);
        EXPECT_EQ(HanaHandCardAt(x + w - 1, y + h - 1), slot);
        EXPECT_NE(HanaHandCardAt(x + w, y + 1), slot);
    }
    EXPECT_EQ(HanaHandCardAt(HanaHandX[r][0][4] + 5, HanaHandY[r][0][4] + 5), -1);
    EXPECT_EQ(HanaHandCardAt(HanaHandX[r][0][0] - 1, HanaHandY[r][0][0]), -1);
    EXPECT_EQ(HanaHandCardAt(HanaHandX[r][0][0], HanaHandY[r][0][0] + h), -1);
    for (int place = 0; place < 16; ++place) {
        const int x = HanaFieldX[r][place], y = HanaFieldY[r][place];
        EXPECT_EQ(HanaFieldSlotAt(x, y), place);
        EXPECT_EQ(HanaFieldSlotAt(x + w - 1, y + h - 1), place);
        // Neighbours may share a border: the box ends with the card.
        EXPECT_NE(HanaFieldSlotAt(x + w, y + 1), place);
        EXPECT_NE(HanaFieldSlotAt(x + 1, y + h), place);
    }
    // The extra places no longer answer for the table's corner.
    EXPECT_EQ(HanaFieldSlotAt(0, 0), -1);
    EXPECT_EQ(HanaFieldSlotAt(HanaStockX[r] + 3, HanaStockY[r] + 3), -1);
}

TEST_P(PerResolution, TheCursorCardIsRaisedAndGlowsWithTheTickWhenItCanTake) {
    const int r = R(), w = CardWidth[r], h = CardHeight[r], area = w * h;
    SetHand(0, {0, 4, 8});
    SetField({1, 30});
    hana.matchCount[0][0] = 1;
    hana.matchSlots[0][0][0] = 0;
    subState = 1;
    choiceConfirmed = 0;
    DrawWholeTable();
    // Raised round its place, back to its size once the cursor leaves.
    const int x = HanaHandX[r][0][1], y = HanaHandY[r][0][1];
    HanaDrawHandCursor(1);
    EXPECT_GT(Count(FaceColour(4)), area);
    EXPECT_EQ(At(x - 1, y + h / 2), FaceColour(4));
    EXPECT_EQ(At(x + w, y + h / 2), FaceColour(4));
    HanaEraseHandCursor(1);
    EXPECT_EQ(Count(FaceColour(4)), area);
    // Slot 0 can take: it and the field card it takes glow in the tick's frame
    // and no other; the tick count stays within the frames.
    for (int tick : {23, 4, 5, 6, 7, 8, 11}) {
        PlainLayers();
        DrawWholeTable();
        hana.tickCounter = tick;
        HanaDrawHandCursor(0);
        HanaGlowCapturableFieldCards(0);
        EXPECT_EQ(hana.tickCounter, tick % 5);
        for (int frame = 0; frame < 5; ++frame)
            EXPECT_EQ(Count(GlowColour(frame)) > 0, frame == tick % 5) << tick;
        EXPECT_EQ(At(HanaFieldX[r][1] - 1, HanaFieldY[r][1] - 1), TableColour);
    }
    // A rebuild of the table in the turn (a new background or size) keeps both.
    cursorSlot = 0;
    HanaRebuildTable();
    EXPECT_GT(Count(FaceColour(0)), area);
    EXPECT_GT(Count(GlowColour(hana.tickCounter)), 0);
    EXPECT_EQ(Count(FaceColour(1)), area);
}

TEST_P(PerResolution, AFlightTakesItsStepsInMillisecondsAndLandsOnItsPlace) {
    const int r = R();
    SoundLog log;
    InstallShell(&log);
    soundEffectsOn = 1;
    SetHand(1, {0, 4, 8, 12, 16, 20, 24});
    SetField({1});
    hana.hands[1][2] = -1;
    // To an empty place in 200 ms (the table's clock moves a millisecond a
    // pause), without a sound.
    const uint32_t start = platform::GetTickCount();
    HanaFlyToField(1, 2, 1, 8);
    EXPECT_NEAR(platform::GetTickCount() - start, 200u, 2u);
    EXPECT_EQ(At(HanaFieldX[r][1] + 1, HanaFieldY[r][1] + 1), FaceColour(8));
    EXPECT_TRUE(log.sounds.empty());
    hana.field[1] = 8;
    // Onto a card: down and right of it, leaving its corner in view, with a sound.
    HanaFlyToField(1, 3, 0, 5);
    const int x = HanaFieldX[r][0], y = HanaFieldY[r][0];
    EXPECT_EQ(At(x + 1, y + 1), FaceColour(1));
    EXPECT_EQ(At(x + CardWidth[r], y + CardHeight[r]), FaceColour(5));
    EXPECT_EQ(log.sounds, std::vector<int>({sfx::CardOnCard}));
    InstallShell(nullptr);
}

TEST_P(PerResolution, TotalsAreSignedRightAlignedAndCappedAt9999) {
    const int r = R(), w = HanaDigitW[r];
    const int totals[3] = {-25, 0, 12000};
    // The cells from the unit leftwards.
    const std::vector<int> cells[3] = {{5, 2, 10, -1}, {0, -1}, {9, 9, 9, 9, 11}};
    std::copy(totals, totals + 3, hana.totalScore);
    HanaDrawPanel();
    for (int p = 0; p < 3; ++p) {
        const int right = HanaScoreRightX[r][p], y = HanaScoreY[r][p];
        EXPECT_TRUE(DigitShown(right, y, HanaUnitW[r], 12)) << p;
        for (int i = 0; i < static_cast<int>(cells[p].size()); ++i)
            EXPECT_TRUE(DigitShown(right - (i + 1) * w, y, w, cells[p][i])) << p << " " << i;
    }
}

// However many cards the piles hold, the 親 and 子 plates lie above them.
TEST_P(PerResolution, ThePlatesLieAboveFullPiles) {
    const int r = R(), pw = HanaPlateW[r], ph = HanaPlateH[r];
    hana.dealer = 2;
    HanaDrawPanel();
    for (int p = 0; p < 3; ++p) {
        for (int kind = 0; kind < 4; ++kind) {
            hana.capturedCount[p][kind] = 12;
            for (int i = 0; i < 12; ++i) hana.captured[p][kind][i] = (4 * i + kind + p) % 48;
        }
        HanaDrawPiles(p);
    }
    const platform::Surface& sheet = assets::LoadImage(assets::TableImage(714, r));
    for (int p = 0; p < 3; ++p) {
        const int column = 2 * backgroundChoice + (p == hana.dealer ? 0 : 1);
        for (int j = 0; j < ph; ++j)
            for (int i = 0; i < pw; ++i)
                if (sheet.Pixel(column * pw + i, ph + j) == platform::Black) {
                    ASSERT_EQ(At(HanaPlateX[r][p] + i, HanaPlateY[r][p] + j),
                              sheet.Pixel(column * pw + i, j))
                        << "plate " << p << " at " << i << "," << j;
                }
    }
}

// The banner says what the records count: at 0 or below and not behind,
// totals not all 0, it is a win exactly when the records count one.
TEST(HanaOutcomeTest, TheBannerFollowsTheTotals) {
    const struct {
        int totals[3];
        HanaOutcome outcome;
    } cases[] = {
        {{30, 30, -80}, HanaOutcome::Win}, {{30, 31, -80}, HanaOutcome::Loss},
        {{0, 0, 0}, HanaOutcome::Draw},    {{0, -4, -20}, HanaOutcome::Win},
        {{-3, -5, -9}, HanaOutcome::Win},  {{-2, -2, -9}, HanaOutcome::Draw},
        {{0, 0, -10}, HanaOutcome::Draw},  {{0, -10, 0}, HanaOutcome::Draw},
        {{-7, -7, -7}, HanaOutcome::Draw}, {{30, -80, 31}, HanaOutcome::Loss},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HanaGameOutcome(c.totals), c.outcome) << c.totals[0] << " " << c.totals[1];
        if (c.totals[0] <= 0) {
            EXPECT_EQ(HanaUserWinsGame(c.totals), c.outcome == HanaOutcome::Win) << c.totals[0];
        }
    }
}

// A finished game, rebuilt, shows its banner in the middle of the darkened
// table.
TEST_P(PerResolution, ARebuiltFinishedGameShowsItsBanner) {
    const int r = R(), W = ClientWidth[r], H = ClientHeight[r];
    const int totals[][3] = {{10, 0, -30}, {-10, 0, -30}, {0, 0, 0}, {-1, -5, -30}};
    const int banners[] = {400, 500, 600, 400};  // ahead at -1: a win, as the records say
    SetHand(0, {0, 4, 8});
    SetField({1});
    for (int i = 0; i < 4; ++i) {
        PlainLayers();
        std::copy(totals[i], totals[i] + 3, hana.totalScore);
        gameState = HanaFinalWait;
        HanaRebuildTable();
        const platform::Surface& banner = assets::LoadImage(assets::TableImage(banners[i], r));
        const int x = (W - banner.Width()) / 2, y = (H - banner.Height()) / 2;
        EXPECT_TRUE(Shows(backBuffer, x, y, banner)) << i;
        // Every other pixel of the table goes black; no card shows.
        EXPECT_NE(At(0, 0) == platform::Black, At(1, 0) == platform::Black);
        EXPECT_EQ(Count(FaceColour(1)), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(AllResolutions, PerResolution, ::testing::Values(0, 1, 2));
