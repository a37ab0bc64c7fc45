#include "koikoi/state.h"

#include "cards/fill.h"

KoiKoiState koi;

void ResetHandState() {
    FillAll(koi.hands, -1);
    FillAll(koi.field, -1);
    FillAll(koi.stock, -1);
    FillAll(koi.matchSlots, -1);
    FillAll(koi.capturePairs, -1);
    FillAll(koi.piles, -1);
    FillAll(koi.reachCards, -1);
    FillAll(koi.liveReachCards, -1);
    FillAll(koi.handCount, 0);
    koi.stockLeft = 0;
    FillAll(koi.matchCount, 0);
    FillAll(koi.pileCount, 0);
    FillAll(koi.yakuMade, 0);
    FillAll(koi.yakuReach, 0);
    FillAll(koi.reachCardCount, 0);
    FillAll(koi.yakuChance, 0);
    FillAll(koi.liveReachCardCount, 0);
    FillAll(koi.yakuAnnounced, 0);
    FillAll(koi.lackingMonths, 0);
    FillAll(koi.turnCaptures, -1);
    FillAll(koi.turnCaptureCount, 0);
    koi.firstCaptureSlot = -1;
    koi.selectedHandSlot = -1;
    koi.chosenFieldSlot = -1;
    koi.handScore = 0;
    koi.playerToMove = koi.dealer;
}

void ResetTurnState() {
    FillAll(koi.capturePairs, -1);
    FillAll(koi.turnCaptureCount, 0);
    koi.firstCaptureSlot = -1;
}

void ClearCapturePairs() {
    FillAll(koi.capturePairs, -1);
}

void ReleaseKoiKoiGame() {
    for (auto& scores : koi.handScores) std::vector<int>().swap(scores);
}
