#include "hanaawase/ui/outcome.h"

HanaOutcome HanaGameOutcome(const int totals[3]) {
    const int p = totals[0], c1 = totals[1], c2 = totals[2];
    if (p < c1 || p < c2) return HanaOutcome::Loss;
    if (p >= 1) return HanaOutcome::Win;
    return HanaOutcome::Draw;
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
