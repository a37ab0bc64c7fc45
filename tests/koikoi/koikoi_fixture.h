// Builds Koi-Koi situations for the tests out of the real state and runs
// the real functions on them, up to whole games.
#pragma once
#include <gtest/gtest.h>

#include <initializer_list>

#include "cards/cards.h"
#include "core/program.h"
#include "koikoi/flow.h"
#include "koikoi/rules.h"
#include "koikoi/self_play.h"
#include "koikoi/state.h"
#include "koikoi/view.h"
#include "platform/clock.h"

class KoiKoiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::SetClock(&clock_);
        SetKoiKoiView(nullptr);
        handsOption = 1;
        sakeOption = 1;
        oyakenOption = 0;
        animationOn = 0;
        soundEffectsOn = 0;
        showCapturableOn = 0;
        koi.dealer = 0;
        koi.handIndex = 0;
        koi.gameTotal[0] = koi.gameTotal[1] = 0;
        ResetHandState();
    }
    void TearDown() override {
        platform::SetClock(nullptr);
        SetKoiKoiView(nullptr);
        ReleaseKoiKoiGame();
    }

    // Puts the cards in p's hand from slot 0 and updates the matches.
    static void SetHand(int p, std::initializer_list<int> cards) {
        for (int& c : koi.hands[p]) c = -1;
        int n = 0;
        for (int c : cards) koi.hands[p][n++] = c;
        koi.handCount[p] = n;
        ComputeMatches(p);
    }
    static void SetField(std::initializer_list<int> cards) {
        for (int& c : koi.field) c = -1;
        int f = 0;
        for (int c : cards) koi.field[f++] = c;
    }
    // The undrawn stock, next card first.
    static void SetStock(std::initializer_list<int> cards) {
        koi.stockLeft = static_cast<int>(cards.size());
        int i = StockSize - koi.stockLeft;
        for (int c : cards) koi.stock[i++] = c;
    }
    // Files the cards as already captured by p (piles kept sorted) and
    // brings both players' reach state up to date.
    static void GiveCards(int p, std::initializer_list<int> cards) {
        for (int c : cards) {
            int k = CategoryOf(c);
            int* pile = koi.piles[p][k];
            int& n = koi.pileCount[p][k];
            int q = n;
            while (q > 0 && pile[q - 1] > c) {
                pile[q] = pile[q - 1];
                --q;
            }
            pile[q] = c;
            ++n;
        }
        UpdateReach(0);
        UpdateReach(1);
    }

    platform::FakeClock clock_{0, 1000};
};

// Plays whole Koi-Koi games through KoiKoiStep, the human's side chosen by
// kirabo-sim's policies: the first or the last card and match.
// One game from the new-game command to the click on the result;
// afterStep(stateBefore) runs after every step.
template <typename AfterStep>
void PlayWholeGame(bool first, AfterStep afterStep) {
    gameState = 0;
    subState = 0;
    while (gameState != -1) {
        ChooseForHuman(first ? SelfPlayPolicy::First : SelfPlayPolicy::Last);
        int before = gameState;
        KoiKoiStep();
        afterStep(before);
    }
}
