// The table drawn with solid pictures: every card where the layout puts it.
#include <gtest/gtest.h>

#include <functional>

#include "app/core/shell.h"
#include "solid_table.h"

namespace {

// A clock that runs a probe at every pause, so a test can look at the table
// in the middle of an animation.
class ProbeClock : public platform::Clock {
  public:
    uint32_t now = 0;
    std::function<void(uint32_t)> probe;
    uint32_t Now() override { return now; }
    void Pause() override {
        ++now;
        if (probe) probe(now);
    }
};

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

}  // namespace

TEST_P(PerResolution, ExtraFieldPlacesHideNoOtherCard) {
    const int r = R();
    SetHand(0, {0, 4, 8, 12, 16, 20, 24});
    SetHand(1, {1, 5, 9, 13, 17, 21, 25});
    SetHand(2, {2, 6, 10, 14, 18, 22, 26});
    SetField({28, 29, 30, 32, 33, 34, 36, 37, 38, 40, 41, 45, 44, 46, 47, 42});
    GiveCaptured(1, {3, 7, 11, 15, 19, 23, 27, 31, 35, 39});
    GiveCaptured(2, {3, 7, 11, 15, 19, 23, 27, 31, 35, 39});
    SetStock({43});
    for (int p = 0; p < 3; ++p) HanaDrawPiles(p);
    DrawWholeTable();
    // Every other card still shows its corners, every extra place its card.
    for (int place = 0; place < 16; ++place) {
        const int x = HanaFieldX[r][place], y = HanaFieldY[r][place];
        EXPECT_EQ(At(x, y), FaceColour(hana.field[place])) << place;
        EXPECT_EQ(At(x + CardWidth[r] - 1, y + CardHeight[r] - 1), FaceColour(hana.field[place]));
    }
    EXPECT_EQ(At(HanaStockX[r], HanaStockY[r]), FaceColour(48));
    for (int slot = 0; slot < 7; ++slot)
        EXPECT_EQ(At(HanaHandX[r][0][slot], HanaHandY[r][0][slot]),
                  FaceColour(hana.hands[0][slot]));
    for (int place = 12; place < 16; ++place) {
        const HanaRect& extra = hanaLayout.fieldSlotRects[place];
        for (int p = 0; p < 3; ++p) {
            EXPECT_FALSE(extra.Intersects(hanaLayout.pileAreaRects[p])) << place;
            for (int slot = 0; slot < 7; ++slot)
                EXPECT_FALSE(extra.Intersects(hanaLayout.handSlotRects[p][slot])) << place;
        }
        EXPECT_FALSE(extra.Intersects(hanaLayout.stockRect));
        for (int other = 0; other < 16; ++other) {
            if (other == place) continue;
            const HanaRect& o = hanaLayout.fieldSlotRects[other];
            // Neighbours may share their one-pixel border, no more.
            const HanaRect inner = {o.left + 2, o.top + 2, o.right - 2, o.bottom - 2};
            EXPECT_FALSE(extra.Intersects(inner)) << place << " " << other;
        }
    }
}

TEST_P(PerResolution, HitTestsAnswerForCardsOnly) {
    const int r = R(), w = CardWidth[r], h = CardHeight[r];
    SetHand(0, {0, 4, 8, 12});
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_EQ(HanaHandCardAt(HanaHandX[r][0][slot], HanaHandY[r][0][slot]), slot);
        EXPECT_EQ(HanaHandCardAt(HanaHandX[r][0][slot] + w - 1, HanaHandY[r][0][slot] + h - 1),
                  slot);
    }
    EXPECT_EQ(HanaHandCardAt(HanaHandX[r][0][4] + 5, HanaHandY[r][0][4] + 5), -1);
    EXPECT_EQ(HanaHandCardAt(HanaHandX[r][0][0] - 1, HanaHandY[r][0][0]), -1);
    EXPECT_EQ(HanaHandCardAt(HanaHandX[r][0][0], HanaHandY[r][0][0] + h), -1);
    for (int place = 0; place < 16; ++place) {
        EXPECT_EQ(HanaFieldSlotAt(HanaFieldX[r][place], HanaFieldY[r][place]), place);
        EXPECT_EQ(HanaFieldSlotAt(HanaFieldX[r][place] + w - 1, HanaFieldY[r][place] + h - 1),
                  place);
    }
    // The extra places no longer answer for the table's corner.
    EXPECT_EQ(HanaFieldSlotAt(0, 0), -1);
    EXPECT_EQ(HanaFieldSlotAt(HanaStockX[r] + 3, HanaStockY[r] + 3), -1);
}

TEST_P(PerResolution, CursorCardIsRaisedAndGlowsWhenItCanTake) {
    const int r = R(), w = CardWidth[r], h = CardHeight[r];
    SetHand(0, {0, 4, 8});
    SetField({1, 30});
    hana.matchCount[0][0] = 1;
    hana.matchSlots[0][0][0] = 0;
    DrawWholeTable();
    subState = 1;
    choiceConfirmed = 0;
    const int x = HanaHandX[r][0][1], y = HanaHandY[r][0][1];
    HanaDrawHandCursor(1);
    const int rx = x - (RaisedCardWidth[r] - w) / 2, ry = y - (RaisedCardHeight[r] - h) / 2;
    EXPECT_EQ(At(rx + 1, ry + 1), FaceColour(4));
    EXPECT_EQ(At(rx + RaisedCardWidth[r] - 2, ry + RaisedCardHeight[r] - 2), FaceColour(4));
    HanaEraseHandCursor(1);
    EXPECT_EQ(At(rx + 1, ry + 1), TableColour);
    EXPECT_EQ(At(x, y), FaceColour(4));
    // Slot 0 can take: its enlarged card wears the glow of the tick.
    hana.tickCounter = 23;
    HanaDrawHandCursor(0);
    const int cx = HanaHandX[r][0][0] - (CursorGlowWidth[r] - w) / 2;
    const int cy = HanaHandY[r][0][0] - (CursorGlowHeight[r] - h) / 2;
    EXPECT_EQ(At(cx, cy), GlowColour(3));
    EXPECT_EQ(At(cx + CursorGlowWidth[r] / 2, cy + CursorGlowHeight[r] / 2), FaceColour(0));
    // The glow round the field card it can take, one cell 1:1.
    HanaGlowCapturableFieldCards(0);
    EXPECT_EQ(hana.tickCounter, 3);
    const int gx = HanaFieldX[r][0] - (GlowWidth[r] - w) / 2;
    const int gy = HanaFieldY[r][0] - (GlowHeight[r] - h) / 2;
    EXPECT_EQ(At(gx, gy), GlowColour(3));
    EXPECT_EQ(At(gx + GlowWidth[r] - 1, gy + GlowHeight[r] - 1), GlowColour(3));
    EXPECT_EQ(At(gx + GlowWidth[r], gy), TableColour);
    // Each tick shows the next frame; the frame number stays within 0..4.
    for (int tick = 4; tick < 12; ++tick) {
        hana.tickCounter = tick;
        HanaDrawField();
        HanaGlowCapturableFieldCards(0);
        EXPECT_GE(hana.tickCounter, 0);
        EXPECT_LT(hana.tickCounter, 5);
        EXPECT_EQ(At(gx, gy), GlowColour(tick % 5));
    }
    // A field card that cannot be taken has no glow.
    EXPECT_EQ(At(HanaFieldX[r][1] - 1, HanaFieldY[r][1] - 1), TableColour);
}

TEST_P(PerResolution, AFlightTakesItsStepsInMillisecondsAndLandsOnItsTarget) {
    const int r = R();
    ProbeClock clock;
    platform::SetClock(&clock);
    SoundLog log;
    InstallShell(&log);
    soundEffectsOn = 1;
    SetHand(1, {0, 4, 8, 12, 16, 20, 24});
    SetField({1});
    const int slot = 2, card = hana.hands[1][slot];
    hana.hands[1][slot] = -1;
    // To an empty place: no capture sound.
    HanaFlyToField(1, slot, 1, card);
    EXPECT_NEAR(clock.now, 200u, 2u);
    EXPECT_EQ(At(HanaFieldX[r][1] + 1, HanaFieldY[r][1] + 1), FaceColour(card));
    EXPECT_TRUE(log.sounds.empty());
    hana.field[1] = card;
    // Onto a card: it lands on the pair offset with sound 196.
    HanaFlyToField(1, 3, 0, 5);
    const int off = PairOffset[r];
    EXPECT_EQ(At(HanaFieldX[r][0] + off + 1, HanaFieldY[r][0] + off + 1), FaceColour(5));
    EXPECT_EQ(At(HanaFieldX[r][0] + 1, HanaFieldY[r][0] + 1), FaceColour(1));
    EXPECT_EQ(log.sounds, std::vector<int>({196}));
    InstallShell(nullptr);
    platform::SetClock(nullptr);
}

TEST_P(PerResolution, CapturesFlyToTheirPlacesInThePiles) {
    const int r = R();
    SetHand(2, {0, 4, 8, 12, 16, 20, 24});
    // This turn 2 took 3 on place 0; the chaff pile held 6 and 7 before.
    hana.field[0] = -1;
    hana.capturePairs[0][0] = 2;
    hana.capturePairs[0][1] = 3;
    hana.firstCaptureSlot = 0;
    GiveCaptured(2, {6, 7, 2, 3});
    hana.turnCaptured[3][0] = 2;
    hana.turnCaptured[3][1] = 3;
    hana.turnCapturedCount[3] = 2;
    HanaFlyCapturesToPiles(2);
    for (auto& pair : hana.capturePairs) EXPECT_EQ(pair[0], -1);
    // The full-size cards are gone again; the caller draws the piles.
    HanaDrawPiles(2);
    int x, y;
    HanaPilePosition(2, 3, 1, 4, x, y);
    EXPECT_EQ(At(x + 1, y + 1), ClockwiseColour(3));
    EXPECT_EQ(At(HanaFieldX[r][0] + 1, HanaFieldY[r][0] + 1), TableColour);
}

INSTANTIATE_TEST_SUITE_P(AllResolutions, PerResolution, ::testing::Values(0, 1, 2));
