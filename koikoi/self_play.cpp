#include "koikoi/self_play.h"

#include "app/core/program.h"
#include "koikoi/state.h"

void ChooseForHuman(SelfPlayPolicy policy) {
    bool first = policy == SelfPlayPolicy::First;
    if (gameState == 7) {
        choiceConfirmed = 1;
        return;
    }
    if (gameState != 3) return;
    if (subState == 1) {
        cursorSlot = first ? 0 : koi.handCount[0] - 1;
        choiceConfirmed = 1;
    } else if ((subState == 2 && koi.matchCount[0][koi.selectedHandSlot] == 2) ||
               (subState == 4 && koi.matchCount[0][DrawnSlot] == 2)) {
        cursorSlot = first ? 0 : 1;
        choiceConfirmed = 1;
    }
}

int AnswerForHuman(SelfPlayPolicy policy) {
    // こいこい is offered only while the human still holds cards.
    return policy == SelfPlayPolicy::First || koi.handCount[0] == 0 ? 1 : 0;
}
