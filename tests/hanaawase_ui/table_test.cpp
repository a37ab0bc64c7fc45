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

TEST_P(PerResolution, HandsFieldAndStockLieAtTheirTabledPlaces) {
    const int r = R(), w = CardWidth[r], h = CardHeight[r];
    SetHand(0, {0, 4, 8, 12, 16, 20, 24});
    SetHand(1, {1, 5, 9, 13, 17, 21, 25});
    SetHand(2, {2, 6, 10, 14, 18, 22, 26});
    SetField({28, 29, 30, 32, 33, 34, 36, 37, 38, 40, 41, 45});
    SetStock({3, 7, 11});
    DrawWholeTable();
    for (int slot = 0; slot < 7; ++slot) {
        const int x = HanaHandX[r][0][slot], y = HanaHandY[r][0][slot];
        EXPECT_EQ(At(x, y), FaceColour(hana.hands[0][slot])) << slot;
        EXPECT_EQ(At(x + w - 1, y + h - 1), FaceColour(hana.hands[0][slot])) << slot;
    }
    EXPECT_EQ(At(HanaHandX[r][0][0] - 1, HanaHandY[r][0][0]), TableColour);
    EXPECT_EQ(At(HanaHandX[r][0][6] + w, HanaHandY[r][0][6]), TableColour);
    // The side players' backs lie sideways, h wide and w high, and overlap.
    const platform::Color back = AnticlockwiseColour(48);
    for (int p = 1; p < 3; ++p) {
        for (int slot = 0; slot < 7; ++slot) {
            const int x = HanaHandX[r][p][slot], y = HanaHandY[r][p][slot];
            EXPECT_EQ(At(x, y), back);
            EXPECT_EQ(At(x + h - 1, y + w - 1), back);
            EXPECT_EQ(At(x + h, y), TableColour);
        }
    }
    const int spacing = HanaHandY[r][1][0] - HanaHandY[r][1][1];
    EXPECT_EQ(spacing, HanaHandY[r][2][1] - HanaHandY[r][2][0]);
    EXPECT_EQ(At(HanaHandX[r][1][0], HanaHandY[r][1][0] + w), TableColour);
    EXPECT_EQ(At(HanaHandX[r][2][0], HanaHandY[r][2][0] - 1), TableColour);
    for (int place = 0; place < 12; ++place) {
        const int x = HanaFieldX[r][place], y = HanaFieldY[r][place];
        EXPECT_EQ(At(x, y), FaceColour(hana.field[place])) << place;
        EXPECT_EQ(At(x + w - 1, y + h - 1), FaceColour(hana.field[place])) << place;
    }
    EXPECT_EQ(At(HanaStockX[r], HanaStockY[r]), FaceColour(48));
    EXPECT_EQ(At(HanaStockX[r] + w - 1, HanaStockY[r] + h - 1), FaceColour(48));
}

TEST_P(PerResolution, AHandOfFourShowsTheTableInItsEmptySlots) {
    const int r = R();
    SetHand(0, {0, 4, 8, 12});
    DrawWholeTable();
    EXPECT_EQ(At(HanaHandX[r][0][3], HanaHandY[r][0][3]), FaceColour(12));
    for (int slot = 4; slot < 7; ++slot)
        EXPECT_EQ(At(HanaHandX[r][0][slot] + 5, HanaHandY[r][0][slot] + 5), TableColour);
}

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

TEST_P(PerResolution, PileGroupsSpanTwoPileCardsWhateverTheirSize) {
    const int r = R(), pw = HanaPileCardWidth[r], ph = HanaPileCardHeight[r];
    // Along the pile: player 0 down, player 1 right, player 2 left.
    const int alongX[3] = {0, 1, -1}, alongY[3] = {1, 0, 0};
    for (int p = 0; p < 3; ++p) {
        for (int group = 0; group < 3; ++group) {
            const int ox = HanaPileX[r][p][group], oy = HanaPileY[r][p][group];
            int x, y;
            HanaPilePosition(p, group, 0, 1, x, y);
            EXPECT_EQ(x, ox);
            EXPECT_EQ(y, oy);
            HanaPilePosition(p, group, 1, 2, x, y);
            EXPECT_EQ(x, ox + alongX[p] * ph);
            EXPECT_EQ(y, oy + alongY[p] * ph);
            HanaPilePosition(p, group, 9, 10, x, y);
            EXPECT_NEAR(x, ox + alongX[p] * ph, 1);
            EXPECT_NEAR(y, oy + alongY[p] * ph, 1);
            HanaPilePosition(p, group, 4, 5, x, y);
            EXPECT_NEAR(x, ox + alongX[p] * ph, 1);
        }
        // Chaff: five cards in two lanes, 0 1 0 1 0, three rows.
        const int across = pw / 2 + 1;
        const int acrossX[3] = {across, 0, 0}, acrossY[3] = {0, -across, across};
        const int ox = HanaPileX[r][p][3], oy = HanaPileY[r][p][3];
        for (int i = 0; i < 5; ++i) {
            int x, y;
            HanaPilePosition(p, 3, i, 5, x, y);
            const int lane = i % 2, row = i / 2;
            EXPECT_NEAR(x, ox + lane * acrossX[p] + row * alongX[p] * ph / 2, 1) << p << " " << i;
            EXPECT_NEAR(y, oy + lane * acrossY[p] + row * alongY[p] * ph / 2, 1) << p << " " << i;
        }
        int x, y;
        HanaPilePosition(p, 3, 1, 2, x, y);
        EXPECT_EQ(x, ox + acrossX[p]);
        EXPECT_EQ(y, oy + acrossY[p]);
        HanaPilePosition(p, 3, 9, 10, x, y);
        EXPECT_NEAR(x, ox + acrossX[p] + alongX[p] * ph, 1);
        EXPECT_NEAR(y, oy + acrossY[p] + alongY[p] * ph, 1);
    }
}

TEST_P(PerResolution, PilesAreDrawnShrunkAndTurnedForTheSidePlayers) {
    const int r = R(), pw = HanaPileCardWidth[r], ph = HanaPileCardHeight[r];
    GiveCaptured(0, {0, 8});
    GiveCaptured(1, {0, 8});
    GiveCaptured(2, {1, 2, 3, 6, 7});
    for (int p = 0; p < 3; ++p) HanaDrawPiles(p);
    int x, y;
    HanaPilePosition(0, 0, 1, 2, x, y);
    EXPECT_EQ(At(x + pw - 1, y + ph - 1), FaceColour(8));
    EXPECT_EQ(At(x + pw, y + ph - 1), TableColour);
    HanaPilePosition(1, 0, 1, 2, x, y);
    EXPECT_EQ(At(x + ph - 1, y + pw - 1), AnticlockwiseColour(8));
    EXPECT_EQ(At(x + ph - 1, y + pw), TableColour);
    HanaPilePosition(2, 3, 3, 4, x, y);
    EXPECT_EQ(At(x + 1, y + pw - 1), ClockwiseColour(7));
    HanaPilePosition(2, 2, 0, 1, x, y);
    EXPECT_EQ(At(x + ph - 1, y + 1), ClockwiseColour(1));
}

TEST_P(PerResolution, RepaintRebuildsPilesHandsAndCapturePairs) {
    const int r = R(), w = CardWidth[r], h = CardHeight[r];
    SetHand(0, {0, 4, 8, 12, 16, 20, 24});
    GiveCaptured(0, {1});
    HanaDrawPiles(0);
    DrawWholeTable();
    hana.field[4] = 30;
    hana.capturePairs[4][0] = 31;
    hana.capturePairs[4][1] = 30;
    hana.field[4] = -1;
    // Wipe the whole table, then rebuild a rectangle touching the pile and
    // the last hand card.
    platform::FillRect(backBuffer, {0, 0, ClientWidth[r], ClientHeight[r]}, platform::Black);
    const HanaRect& pile = hanaLayout.pileAreaRects[0];
    const int hx = HanaHandX[r][0][6];
    HanaRepaintRect(hx, pile.top, pile.left - hx + 5, 20);
    EXPECT_EQ(At(hx + 1, pile.top + 1), FaceColour(24));
    EXPECT_EQ(At(pile.left + 1, pile.top + 1), TableColour);
    // The pair: the field card first, the capturing card laid over it.
    const int fx = HanaFieldX[r][4], fy = HanaFieldY[r][4], off = PairOffset[r];
    HanaRepaintRect(fx, fy, w + off, h + off);
    EXPECT_EQ(At(fx + 1, fy + 1), FaceColour(30));
    EXPECT_EQ(At(fx + off + 1, fy + off + 1), FaceColour(31));
    EXPECT_EQ(At(fx + w + off - 1, fy + h + off - 1), FaceColour(31));
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

TEST_P(PerResolution, DealToAHalfFilledHandFillsSlotsSixFiveFour) {
    const int r = R();
    SetHand(0, {0, 4, 8, 12});
    SetStock({3});
    hana.stockCount = 48;
    DrawWholeTable();
    HanaDealToHand(0);
    for (int slot = 4; slot < 7; ++slot)
        EXPECT_EQ(At(HanaHandX[r][0][slot] + 3, HanaHandY[r][0][slot] + 3), FaceColour(48));
    EXPECT_EQ(At(HanaHandX[r][0][3] + 3, HanaHandY[r][0][3] + 3), FaceColour(12));
    // A side player's first four go sideways to slots 3..0.
    HanaDealToHand(1);
    EXPECT_EQ(At(HanaHandX[r][1][0] + 3, HanaHandY[r][1][0] + CardWidth[r] - 2),
              AnticlockwiseColour(48));
    EXPECT_EQ(At(HanaHandX[r][1][4] + 3, HanaHandY[r][1][4] + 1), TableColour);
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

TEST_P(PerResolution, TurnOverOfTheLastCardShowsTheTableUnderIt) {
    const int r = R(), w = CardWidth[r], h = CardHeight[r];
    const int x = HanaStockX[r], y = HanaStockY[r];
    for (int left : {1, 5}) {
        ProbeClock clock;
        platform::SetClock(&clock);
        table_->Reset();
        SetStock({20, 21, 22, 23, 24});
        hana.stockCount = left;
        const int face = hana.stock[HanaStockSize - left];
        HanaDrawStock();
        platform::Color edgeAtFrame3 = 0, middleAtFrame3 = 0, middleAtFrame1 = 0;
        clock.probe = [&](uint32_t now) {
            if (now == 175) edgeAtFrame3 = At(x + 1, y + h / 2);
            if (now == 175) middleAtFrame3 = At(x + w / 2, y + h / 2);
            if (now == 75) middleAtFrame1 = At(x + w / 2, y + h / 2);
        };
        HanaFlipStockCard();
        EXPECT_EQ(edgeAtFrame3, left == 1 ? TableColour : FaceColour(48)) << left;
        EXPECT_EQ(middleAtFrame3, FaceColour(face));
        EXPECT_EQ(middleAtFrame1, FaceColour(48));
        EXPECT_EQ(At(x, y), FaceColour(face));
        EXPECT_EQ(At(x + w - 1, y + h - 1), FaceColour(face));
        // Seven frames of 50 ms, then a rest of 100 ms.
        EXPECT_NEAR(clock.now, 450u, 2u);
        platform::SetClock(nullptr);
    }
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
