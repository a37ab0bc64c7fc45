// Steps the current game, answering for the player as kirabo-sim does: the
// last card of the hand in Koi-Koi, the first choice in Hana-awase.
#pragma once
#include <functional>

#include "core/program.h"
#include "hanaawase/flow.h"
#include "koikoi/flow.h"
#include "koikoi/self_play.h"

inline void StepGame() {
    if (currentGame == 0) {
        ChooseForHuman(SelfPlayPolicy::Last);
        KoiKoiStep();
        return;
    }
    if (gameState == HanaUserTurn && (subState == 1 || subState == 2 || subState == 4)) {
        cursorSlot = 0;
        choiceConfirmed = 1;
    } else if (gameState == HanaFinalWait) {
        pointerClicked = 1;
    }
    HanaAwaseStep();
}

// A new game of the kind (0 Koi-Koi, 1 Hana-awase) played to its end.
inline void PlayWholeGame(int game, const std::function<void()>& afterStep = {}) {
    currentGame = game;
    gameState = 0;
    subState = 0;
    while (gameState != -1) {
        StepGame();
        if (afterStep) afterStep();
    }
}
