// Which card the computer throws away when nothing can be captured: the
// one whose month gives either player the least towards a yaku.
#include "cards/cards.h"
#include "core/program.h"
#include "koikoi/com.h"
#include "koikoi/state.h"

namespace {

constexpr int PerfectlySafe = 200;

int ThreatOf(int p, int y, int card) {
    const int* list = koi.reachCards[p][y];
    int count = koi.reachCardCount[p][y];
    for (int i = 0; i < count && i < 5; ++i)
        if (IsSameMonth(list[i], card)) return koi.yakuChance[p][y];
    return 0;
}

int CapturedOfMonth(int month) {
    int n = 0;
    for (int q = 0; q < 2; ++q)
        for (int k = 0; k < 4; ++k)
            for (int i = 0; i < koi.pileCount[q][k]; ++i) n += MonthOf(koi.piles[q][k][i]) == month;
    return n;
}

}  // namespace

int SubtractThreat(int& score, int y, int card) {
    int t1 = ThreatOf(ComPlayer, y, card);
    int t0 = ThreatOf(0, y, card);
    if (t1 != 0 && t0 != 0) score -= t1 + t0;
    return 1;
}

int DiscardSafety(int c) {
    int score = PerfectlySafe;
    switch (CardValue[c]) {
        case 1:
            SubtractThreat(score, YakuKasu, c);
            break;
        case 5:
            SubtractThreat(score, YakuTan, c);
            break;
        case 10:
            SubtractThreat(score, YakuTane, c);
            break;
    }
    if (sakeOption != 0) {
        if (c == 8 || c == 32) SubtractThreat(score, YakuHanamizake, c);
        if (c == 28 || c == 32) SubtractThreat(score, YakuTsukimizake, c);
    }
    if (c == 20 || c == 24 || c == 36) SubtractThreat(score, YakuInoshikacho, c);
    if (c == 1 || c == 5 || c == 9) SubtractThreat(score, YakuAkatan, c);
    if (c == 21 || c == 33 || c == 37) SubtractThreat(score, YakuAotan, c);
    if (c == 0 || c == 8 || c == 28 || c == 44) {
        SubtractThreat(score, YakuSanko, c);
        SubtractThreat(score, YakuShiko, c);
    }
    if (CardValue[c] == 20) {
        SubtractThreat(score, YakuAmeshiko, c);
        SubtractThreat(score, YakuGoko, c);
    }
    for (int e : YakuCardList) {
        if (!IsSameMonth(e, c)) continue;
        for (int y = 0; y < YakuCount; ++y) SubtractThreat(score, y, e);
    }
    if (sakeOption != 0) {
        if (MonthOf(c) == 2)
            for (int e = 8; e <= 11; ++e) SubtractThreat(score, YakuHanamizake, e);
        if (MonthOf(c) == 7)
            for (int e = 28; e <= 31; ++e) SubtractThreat(score, YakuTsukimizake, e);
    }
    return score;
}

int ChooseComDiscard() {
    const int* hand = koi.hands[ComPlayer];
    int handCount = koi.handCount[ComPlayer];

    // A whole month in hand can never capture: throw its last card away.
    for (int month = 0; month < 12; ++month) {
        int held = 0, last = -1;
        for (int s = 0; s < handCount; ++s)
            if (MonthOf(hand[s]) == month) ++held, last = s;
        if (held == 4) return last;
    }
    // Two of a month gone and the other two in hand: they only take each other.
    for (int month = 0; month < 12; ++month) {
        int held = 0, last = -1;
        for (int s = 0; s < handCount; ++s)
            if (MonthOf(hand[s]) == month) ++held, last = s;
        if (held == 2 && CapturedOfMonth(month) == 2) return last;
    }

    // Least wanted first; the priorities are all different.
    int order[8] = {};
    for (int s = 0; s < handCount; ++s) order[s] = s;
    for (int i = 0; i < handCount - 1; ++i) {
        int best = i;
        for (int j = i + 1; j < handCount; ++j)
            if (CapturePriority[hand[order[j]]] < CapturePriority[hand[order[best]]]) best = j;
        int chosen = order[best];
        for (int j = best; j > i; --j) order[j] = order[j - 1];
        order[i] = chosen;
    }

    EstimateYakuChancesOfBoth(0);
    // When no card scores above 0, the least wanted card goes.
    int bestSlot = order[0], bestScore = 0;
    for (int i = 0; i < handCount; ++i) {
        int score = DiscardSafety(hand[order[i]]);
        if (score == PerfectlySafe) return order[i];
        if (score > bestScore) bestScore = score, bestSlot = order[i];
    }
    return bestSlot;
}
