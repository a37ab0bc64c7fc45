#include "hanaawase/self_play.h"

#include "core/program.h"
#include "hanaawase/flow.h"
#include "hanaawase/state.h"

namespace {
// The turn stands in sub-state 2 or 4 only while the card has two matches
// to choose from.
HumanWait Waiting() {
    if (gameState == HanaFinalWait) return HumanWait::Result;
    if (gameState != HanaUserTurn) return HumanWait::Nothing;
    if (subState == 1) return HumanWait::HandCard;
    if (subState == 2 || subState == 4) return HumanWait::OneOfTwoMatches;
    return HumanWait::Nothing;
}
}  // namespace

void HanaChooseForUser(SelfPlayPolicy policy) {
    AnswerWait(policy, Waiting(), hana.handCount[0]);
}
