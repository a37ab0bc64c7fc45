#include "core/self_play.h"

#include "core/program.h"

void AnswerWait(SelfPlayPolicy policy, HumanWait wait, int handCount) {
    const bool first = policy == SelfPlayPolicy::First;
    switch (wait) {
        case HumanWait::Nothing:
            return;
        case HumanWait::HandCard:
            cursorSlot = first ? 0 : handCount - 1;
            break;
        case HumanWait::OneOfTwoMatches:
            cursorSlot = first ? 0 : 1;
            break;
        case HumanWait::Result:
            break;
    }
    choiceConfirmed = 1;
}
