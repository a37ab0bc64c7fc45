// Builds Hana-awase situations for tests: an empty table, cards placed in
// hands, on the field, in the stock and in the captured lists.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/program.h"
#include "hanaawase/state.h"
#include "hanaawase/tables.h"
#include "hanaawase/view.h"
#include "hanaawase/yaku.h"
#include "platform/clock.h"

// A clean hand with nothing dealt, headless, with a clock that never waits.
class HanaTableTest {
  public:
    HanaTableTest() : clock_(0, 1000) {
        platform::SetClock(&clock_);
        SetHanaView(nullptr);
        HanaClearHand();
        hana.dealer = 0;
        hana.handsCompleted = 0;
        for (int p = 0; p < HanaPlayers; ++p) {
            hana.scoreHistory[p].assign(1, HanaHandNotPlayed);
            hana.totalScore[p] = 0;
        }
        animationOn = 1;
        soundEffectsOn = 0;
        showCapturableOn = 0;
    }
    ~HanaTableTest() {
        platform::SetClock(nullptr);
        SetHanaView(nullptr);
    }

  private:
    platform::FakeClock clock_;
};

// The fixture of tests that start from a clean hand.
class HanaTest : public ::testing::Test {
  protected:
    HanaTableTest table;
};

inline void SetHand(int player, const std::vector<int>& cards) {
    int slot = 0;
    for (int& card : hana.hands[player]) card = -1;
    for (int card : cards) hana.hands[player][slot++] = card;
    hana.handCount[player] = slot;
}

// Lays the cards on the field from slot 0 on (-1 leaves a slot empty).
inline void SetField(const std::vector<int>& cards) {
    for (int& card : hana.field) card = -1;
    int slot = 0;
    for (int card : cards) hana.field[slot++] = card;
}

// The cards still to be drawn, the next one first.
inline void SetStock(const std::vector<int>& cards) {
    int n = static_cast<int>(cards.size());
    int i = HanaStockSize - n;
    for (int card : cards) hana.stock[i++] = card;
    hana.stockCount = n;
}

// Files the cards as taken in earlier turns (lists kept sorted).
inline void GiveCaptured(int player, const std::vector<int>& cards) {
    for (int card : cards) {
        int kind = HanaKindOf(card);
        hana.captured[player][kind][hana.capturedCount[player][kind]++] = card;
        std::sort(hana.captured[player][kind],
                  hana.captured[player][kind] + hana.capturedCount[player][kind]);
    }
}

// Reach and wanted lists of everyone, as after the last capture.
inline void EvaluateEveryone() {
    for (int p = 0; p < HanaPlayers; ++p) HanaEvaluateReach(p);
}

inline int SlotOf(int player, int card) {
    for (int slot = 0; slot < HanaHandSlots; ++slot) {
        if (hana.hands[player][slot] == card) return slot;
    }
    return -1;
}

inline bool HasCaptured(int player, int card) {
    int kind = HanaKindOf(card);
    for (int i = 0; i < hana.capturedCount[player][kind]; ++i) {
        if (hana.captured[player][kind][i] == card) return true;
    }
    return false;
}
