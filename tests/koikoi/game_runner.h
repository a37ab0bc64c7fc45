// Plays whole Koi-Koi games through KoiKoiStep, the human's side chosen by
// kirabo-sim's policies: the first or the last card and match.
#pragma once
#include "core/program.h"
#include "koikoi/flow.h"
#include "koikoi/self_play.h"
#include "koikoi/state.h"

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
