// Plays whole Koi-Koi games through KoiKoiStep, the human's side chosen the
// way kirabo-sim's policies choose: the first or the last card and match.
#pragma once
#include "app/program.h"
#include "koikoi/flow.h"
#include "koikoi/state.h"

// Sets the input that the step about to run waits for.
inline void ChooseLikeAPolicy(bool first) {
    if (gameState == 7) {
        choiceConfirmed = 1;
    } else if (gameState == 3 && subState == 1) {
        cursorSlot = first ? 0 : koi.handCount[0] - 1;
        choiceConfirmed = 1;
    } else if (gameState == 3 && ((subState == 2 && koi.matchCount[0][koi.selectedHandSlot] == 2) ||
                                  (subState == 4 && koi.matchCount[0][DrawnSlot] == 2))) {
        cursorSlot = first ? 0 : 1;
        choiceConfirmed = 1;
    }
}

// One game from the new-game command to the click on the result;
// afterStep(stateBefore) runs after every step.
template <typename AfterStep>
void PlayWholeGame(bool first, AfterStep afterStep) {
    gameState = 0;
    subState = 0;
    while (gameState != -1) {
        ChooseLikeAPolicy(first);
        int before = gameState;
        KoiKoiStep();
        afterStep(before);
    }
}
