// Builds Hana-awase situations for tests: an empty table, cards placed in
// hands, on the field, in the stock and in the captured lists; and plays
// whole games.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/program.h"
#include "hanaawase/flow.h"
#include "hanaawase/self_play.h"
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

// Plays Hana-awase through HanaAwaseStep for tests, answering for the user
// the way kirabo-sim does, or at random from a generator of the test's own
// (the program's generator is left to the game).
struct UserPolicy {
    enum Kind { First, Last, AtRandom } kind = First;
    uint32_t state = 1;
    // Sets the cursor and confirms whenever the game waits for the user.
    void Act() {
        HanaChooseForUser(kind == Last ? SelfPlayPolicy::Last : SelfPlayPolicy::First);
        const bool choosing = subState == 1 || subState == 2 || subState == 4;
        if (kind != AtRandom || gameState != HanaUserTurn || !choosing) return;
        state = state * 1103515245u + 12345u;
        cursorSlot = static_cast<int>((state >> 16) % (subState == 1 ? hana.handCount[0] : 2u));
    }
};

// Starts a game and steps it until it is over or `stop` says so; `beforeStep`
// sees the state before every call. Returns the number of calls.
inline long PlayGame(UserPolicy& policy, const std::function<bool()>& stop = nullptr,
                     const std::function<void()>& beforeStep = nullptr) {
    currentGame = 1;
    gameState = 0;
    subState = 0;
    long calls = 0;
    while (gameState != -1) {
        if (stop && stop()) break;
        policy.Act();
        if (beforeStep) beforeStep();
        HanaAwaseStep();
        ++calls;
    }
    return calls;
}
