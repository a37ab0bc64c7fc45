#include "hanaawase/ui/outcome.h"

#include "hanaawase/flow.h"

HanaOutcome HanaGameOutcome(const int totals[3]) {
    const int p = totals[0], c1 = totals[1], c2 = totals[2];
    if (p < c1 || p < c2) return HanaOutcome::Loss;
    if (p >= 1) return HanaOutcome::Win;
    if (p == 0 && c1 == 0 && c2 == 0) return HanaOutcome::Draw;
    // Level or ahead at 0 or below: the banner says what the records count.
    return HanaUserWinsGame(totals) ? HanaOutcome::Win : HanaOutcome::Draw;
}

int HanaBannerBase(HanaOutcome outcome) {
    switch (outcome) {
        case HanaOutcome::Win:
            return 400;
        case HanaOutcome::Loss:
            return 500;
        default:
            return 600;
    }
}
