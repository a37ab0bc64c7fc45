#include "hanaawase/state.h"

#include <vector>

#include "cards/fill.h"

HanaAwaseState hana;

void HanaClearHand() {
    FillAll(hana.hands, -1);
    FillAll(hana.handCount, 0);
    FillAll(hana.field, -1);
    FillAll(hana.stock, -1);
    hana.stockCount = 0;
    FillAll(hana.matchCount, 0);
    FillAll(hana.matchSlots, -1);
    FillAll(hana.capturePairs, -1);
    hana.firstCaptureSlot = -1;
    FillAll(hana.captured, -1);
    FillAll(hana.capturedCount, 0);
    FillAll(hana.turnCaptured, -1);
    FillAll(hana.turnCapturedCount, 0);
    FillAll(hana.madeYaku, 0);
    FillAll(hana.lackingMonths, 0);
    FillAll(hana.ruledOut, 0);
    FillAll(hana.reach, 0);
    FillAll(hana.wanted, -1);
    FillAll(hana.wantedCount, 0);
    FillAll(hana.targetScore, 0);
    FillAll(hana.missing, -1);
    FillAll(hana.missingCount, 0);
}

int HanaReleaseGame() {
    for (auto& history : hana.scoreHistory) std::vector<int>().swap(history);
    return 1;
}
