#include "cards/random.h"
#include "core/program.h"
#include "koikoi/com.h"
#include "koikoi/rules.h"
#include "koikoi/state.h"

namespace {
bool AnyChanceAtLeast(int p, int lowestYaku, int threshold) {
    for (int y = YakuCount - 1; y >= lowestYaku; --y)
        if (koi.yakuChance[p][y] >= threshold) return true;
    return false;
}
}  // namespace

int ComDecidesToStop(int /*p*/) {
    int opp = koi.gameTotal[0];
    int own = koi.gameTotal[ComPlayer];
    int cards = koi.handCount[ComPlayer];

    // In the last hand only getting ahead matters.
    if (handsOption != 2 && koi.handIndex + 1 == 6 * handsOption + 6)
        return own + koi.handScore > opp ? 1 : 0;
    // After its first turn the computer plays on half the time.
    if (cards == 7 && (Random() & 1) == 1) return 0;

    UpdateReachOfBoth(0);
    EstimateYakuChancesOfBoth(0);
    if (AnyChanceAtLeast(0, 1, 70)) return 1;
    if (koi.pileCount[0][PileKasu] >= 8) return 1;

    int d = opp - (own + koi.handScore);
    if (d > 0) return AnyChanceAtLeast(ComPlayer, 0, 35 - d - 2 * cards) ? 0 : 1;
    return AnyChanceAtLeast(ComPlayer, 0, d + 4 * (8 - cards) + 40) ? 0 : 1;
}
