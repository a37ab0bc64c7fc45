// Steps the current game, answering for the player as kirabo-sim does: the
// last card of the hand in Koi-Koi unless told otherwise, the first choice in
// Hana-awase.
#pragma once
#include <functional>

#include "core/program.h"
#include "hanaawase/flow.h"
#include "hanaawase/self_play.h"
#include "koikoi/flow.h"
#include "koikoi/self_play.h"

inline void StepGame(SelfPlayPolicy koiKoiPolicy = SelfPlayPolicy::Last) {
    if (currentGame == 0) {
        ChooseForHuman(koiKoiPolicy);
        KoiKoiStep();
        return;
    }
    HanaChooseForUser(SelfPlayPolicy::First);
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
