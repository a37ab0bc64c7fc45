// Which card the computer plays, and which of two field cards it takes.
#include "cards/cards.h"
#include "core/program.h"
#include "koikoi/card_sets.h"
#include "koikoi/com.h"
#include "koikoi/rules.h"
#include "koikoi/state.h"

namespace {

constexpr int SakeCup = 32;  // 菊に盃
constexpr int ChrysanthemumMonth = 8;

struct Pair {
    int handSlot;
    int fieldSlot;
    int handCard;
    int fieldCard;
};

bool InReachList(int p, int y, int card) {
    return ListHolds(koi.reachCards[p][y], koi.reachCardCount[p][y], card);
}
bool InLiveReachList(int p, int y, int card) {
    return ListHolds(koi.liveReachCards[p][y], koi.liveReachCardCount[p][y], card);
}
bool SakeCupCaptured() {
    for (int q = 0; q < 2; ++q)
        if (ListHolds(koi.piles[q][PileTane], koi.pileCount[q][PileTane], SakeCup)) return true;
    return false;
}
bool FieldHasMonthOf(int card) {
    for (int c : koi.field)
        if (c != -1 && IsSameMonth(c, card)) return true;
    return false;
}

// Calls visit(y) for the computer's yaku whose chance lies in the bands
// [90, 100), [80, 90) ... [20, 30), best band first and y from 11 down,
// leaving out yaku that are in reach with nothing left to take, until
// visit returns a slot other than -1.
template <typename Visit>
int ForChanceBands(Visit visit) {
    EstimateYakuChances(ComPlayer);
    unsigned yakuInBand[10] = {};  // bit y: the chance of yaku y lies in that band
    for (int y = 0; y < YakuCount; ++y) {
        int chance = koi.yakuChance[ComPlayer][y];
        if (chance >= 20 && chance < 100) yakuInBand[chance / 10] |= 1u << y;
    }
    for (int band = 9; band >= 2; --band) {
        for (unsigned yaku = yakuInBand[band]; yaku != 0;) {
            int y = 31 - __builtin_clz(yaku);
            yaku &= ~(1u << y);
            if (koi.yakuReach[ComPlayer][y] && koi.reachCardCount[ComPlayer][y] == 0) continue;
            int slot = visit(y);
            if (slot != -1) return slot;
        }
    }
    return -1;
}

// Sorts by the field card's priority, highest first; among equal
// priorities the earlier pair stays first.
void SortPairsByPriority(Pair* pairs, int n) {
    for (int i = 0; i < n - 1; ++i) {
        int best = i;
        for (int j = i + 1; j < n; ++j)
            if (CapturePriority[pairs[j].fieldCard] > CapturePriority[pairs[best].fieldCard])
                best = j;
        Pair chosen = pairs[best];
        for (int j = best; j > i; --j) pairs[j] = pairs[j - 1];
        pairs[i] = chosen;
    }
}

}  // namespace

int ChooseComCard() {
    ComputeMatches(ComPlayer);
    Pair pairs[HandSlots * 3];
    int n = 0;
    const int* hand = koi.hands[ComPlayer];
    int handCount = koi.handCount[ComPlayer];
    for (int s = 0; s < handCount; ++s) {
        for (int m = 0; m < koi.matchCount[ComPlayer][s]; ++m) {
            int f = koi.matchSlots[ComPlayer][s][m];
            pairs[n++] = {s, f, hand[s], koi.field[f]};
        }
    }
    if (n == 0) return ChooseComDiscard();
    SortPairsByPriority(pairs, n);

    if (sakeOption != 0) {
        for (int i = 0; i < n; ++i)
            if (pairs[i].fieldCard == SakeCup || pairs[i].handCard == SakeCup)
                return pairs[i].handSlot;
        if (SakeCupCaptured()) {
            for (int i = 0; i < n; ++i)
                if (MonthOf(pairs[i].fieldCard) == ChrysanthemumMonth) return pairs[i].handSlot;
        }
    }
    for (int i = 0; i < n; ++i)
        if (CardValue[pairs[i].handCard] == 20 || CardValue[pairs[i].fieldCard] == 20)
            return pairs[i].handSlot;
    // Complete its own yaku first, then deny the human's.
    for (int p : {ComPlayer, 0}) {
        for (int y = YakuCount - 1; y >= 0; --y) {
            CardSet reach = CardsIn(koi.reachCards[p][y], koi.reachCardCount[p][y]);
            for (int i = 0; i < n; ++i)
                if (reach & CardBit(pairs[i].fieldCard)) return pairs[i].handSlot;
        }
    }
    int slot = ForChanceBands([&](int y) {
        for (int i = 0; i < handCount; ++i)
            if (InLiveReachList(ComPlayer, y, hand[i]) && FieldHasMonthOf(hand[i])) return i;
        for (int card : koi.field) {
            if (card == -1 || !InLiveReachList(ComPlayer, y, card)) continue;
            for (int j = 0; j < handCount; ++j)
                if (IsSameMonth(hand[j], card)) return j;
        }
        return -1;
    });
    if (slot != -1) return slot;
    return pairs[0].handSlot;
}

int ChooseComFieldCard(int p, int slotA, int slotB) {
    int a = koi.field[slotA], b = koi.field[slotB];
    if (CardValue[a] == CardValue[b]) return slotA;
    if (sakeOption != 0) {
        if (a == SakeCup) return slotA;
        if (b == SakeCup) return slotB;
        if (MonthOf(a) == ChrysanthemumMonth) return slotA;
        if (MonthOf(b) == ChrysanthemumMonth) return slotB;
    }
    // Deny the opponent a yaku (カス is not worth it), then build its own.
    for (int y = YakuCount - 1; y >= 1; --y) {
        if (InReachList(p ^ 1, y, a)) return slotA;
        if (InReachList(p ^ 1, y, b)) return slotB;
    }
    bool aHigher = CardValue[a] > CardValue[b];
    int hiSlot = aHigher ? slotA : slotB, loSlot = aHigher ? slotB : slotA;
    int hi = koi.field[hiSlot], lo = koi.field[loSlot];
    for (int y = YakuCount - 1; y >= 0; --y) {
        if (InReachList(p, y, hi)) return hiSlot;
        if (InReachList(p, y, lo)) return loSlot;
    }
    int slot = ForChanceBands([&](int y) {
        if (InLiveReachList(ComPlayer, y, hi)) return hiSlot;
        if (InLiveReachList(ComPlayer, y, lo)) return loSlot;
        return -1;
    });
    return slot != -1 ? slot : hiSlot;
}
