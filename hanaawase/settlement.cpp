#include "hanaawase/settlement.h"

#include "hanaawase/state.h"
#include "hanaawase/tables.h"
#include "hanaawase/view.h"
#include "hanaawase/yaku.h"

// The 264 card points shared out by three players.
constexpr int BasePoints = 88;

int HanaSettleHand() {
    for (int p = 0; p < HanaPlayers; ++p) HanaApplyGiveWay(p);
    for (int p = 0; p < HanaPlayers; ++p) {
        int cards = 0;
        for (int kind = 0; kind < HanaKinds; ++kind) {
            for (int i = 0; i < hana.capturedCount[p][kind]; ++i)
                cards += CardValue[hana.captured[p][kind][i]];
        }
        int yaku = 0;
        for (int t = 0; t < HanaYakuCount; ++t) {
            if (hana.madeYaku[p][t]) yaku += HanaYakuValue[t];
        }
        hana.cardPoints[p] = cards;
        hana.yakuPoints[p] = yaku;
    }
    // Each made yaku is paid by both other players.
    for (int p = 0; p < HanaPlayers; ++p) {
        hana.handScore[p] = hana.cardPoints[p] + 2 * hana.yakuPoints[p] -
                            hana.yakuPoints[(p + 1) % 3] - hana.yakuPoints[(p + 2) % 3] -
                            BasePoints;
    }
    for (int p = 0; p < HanaPlayers; ++p) {
        hana.scoreHistory[p][hana.handsCompleted] = hana.handScore[p];
        hana.totalScore[p] += hana.handScore[p];
    }
    CurrentHanaView().HanaShowScoreSheet();
    return 1;
}

int HanaNextDealer() {
    int top = 0;
    for (int p = 0; p < HanaPlayers; ++p) {
        if (hana.handScore[p] > top) top = hana.handScore[p];
    }
    for (int i = 0; i < HanaPlayers; ++i) {
        int p = (hana.dealer + i) % 3;
        if (hana.handScore[p] == top) return p;
    }
    return hana.dealer;
}
