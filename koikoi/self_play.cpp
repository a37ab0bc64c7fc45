#include "koikoi/self_play.h"

#include "core/program.h"
#include "koikoi/state.h"

namespace {
HumanWait Waiting() {
    if (gameState == 7) return HumanWait::Result;
    if (gameState != 3) return HumanWait::Nothing;
    if (subState == 1) return HumanWait::HandCard;
    if ((subState == 2 && koi.matchCount[0][koi.selectedHandSlot] == 2) ||
        (subState == 4 && koi.matchCount[0][DrawnSlot] == 2))
        return HumanWait::OneOfTwoMatches;
    return HumanWait::Nothing;
}
}  // namespace

void ChooseForHuman(SelfPlayPolicy policy) {
    AnswerWait(policy, Waiting(), koi.handCount[0]);
}

int AnswerForHuman(SelfPlayPolicy policy) {
    // こいこい is offered only while the human still holds cards.
    return policy == SelfPlayPolicy::First || koi.handCount[0] == 0 ? 1 : 0;
}
