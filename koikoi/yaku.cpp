// The reach state: after every capture, for each player and yaku, whether
// one more card completes (or, for カス, タン and タネ, enlarges) it, and
// which cards still in play would do so.
#include "app/program.h"
#include "cards/cards.h"
#include "koikoi/rules.h"
#include "koikoi/state.h"

namespace {

bool PileHolds(int p, int category, int card) {
    return ListHolds(koi.piles[p][category], koi.pileCount[p][category], card);
}

int CountHeld(int p, int category, const int (&cards)[3]) {
    int n = 0;
    for (int c : cards) n += PileHolds(p, category, c);
    return n;
}

// The sake-cup yaku lack exactly one of their two cards.
bool OneOfSakePair(int p, int light) {
    return sakeOption != 0 && (PileHolds(p, PileLight, light) != PileHolds(p, PileTane, 32));
}

bool IsLightOtherThanWillow(int c) {
    return c == 0 || c == 8 || c == 28 || c == 44;
}

}  // namespace

int UpdateReach(int p) {
    int* reach = koi.yakuReach[p];
    const int* count = koi.pileCount[p];
    int lights = count[PileLight];
    bool hasWillow = PileHolds(p, PileLight, 40);
    reach[YakuKasu] = count[PileKasu] >= 9;
    reach[YakuTan] = count[PileTan] >= 4;
    reach[YakuTane] = count[PileTane] >= 4;
    reach[YakuHanamizake] = OneOfSakePair(p, 8);
    reach[YakuTsukimizake] = OneOfSakePair(p, 28);
    reach[YakuInoshikacho] = CountHeld(p, PileTane, {20, 24, 36}) == 2;
    reach[YakuAkatan] = CountHeld(p, PileTan, {1, 5, 9}) == 2;
    reach[YakuAotan] = CountHeld(p, PileTan, {21, 33, 37}) == 2;
    reach[YakuSanko] = lights == 2 && !hasWillow;
    reach[YakuAmeshiko] = lights == 3;
    reach[YakuShiko] = lights == 3 && !hasWillow;
    reach[YakuGoko] = lights == 4;

    // With no flag set the lists are left as they were.
    for (int y = 0; y < YakuCount; ++y) {
        if (reach[y]) {
            CollectReachCards(p);
            break;
        }
    }
    return 1;
}

int CollectReachCards(int p) {
    // Every card still in play, the opponent's hand included.
    int live[CardCount];
    int n = 0;
    for (int f = 0; f < FieldSlots; ++f)
        if (koi.field[f] != -1) live[n++] = koi.field[f];
    for (int i = StockSize - koi.stockLeft; i < StockSize; ++i) live[n++] = koi.stock[i];
    for (int q = 0; q < 2; ++q)
        for (int s = 0; s < HandSlots; ++s)
            if (koi.hands[q][s] != -1) live[n++] = koi.hands[q][s];

    const int* reach = koi.yakuReach[p];
    bool sake = sakeOption != 0;
    bool hasWillow = PileHolds(p, PileLight, 40);
    for (int y = 0; y < YakuCount; ++y) {
        koi.reachCardCount[p][y] = 0;
        if (!reach[y]) continue;
        int* list = koi.reachCards[p][y];
        int& count = koi.reachCardCount[p][y];
        for (int i = 0; i < n && count < ReachCardCapacity; ++i) {
            int c = live[i];
            bool qualifies = false;
            switch (y) {
                case YakuKasu:
                    qualifies = CardValue[c] == 1;
                    break;
                case YakuTan:
                    qualifies = CardValue[c] == 5;
                    break;
                case YakuTane:
                    qualifies = CardValue[c] == 10;
                    break;
                case YakuHanamizake:
                    qualifies = sake && (c == 8 || c == 32);
                    break;
                case YakuTsukimizake:
                    qualifies = sake && (c == 28 || c == 32);
                    break;
                case YakuInoshikacho:
                    qualifies = c == 20 || c == 24 || c == 36;
                    break;
                case YakuAkatan:
                    qualifies = c == 1 || c == 5 || c == 9;
                    break;
                case YakuAotan:
                    qualifies = c == 21 || c == 33 || c == 37;
                    break;
                case YakuSanko:
                case YakuShiko:
                    qualifies = IsLightOtherThanWillow(c);
                    break;
                case YakuAmeshiko:
                    // Three lights with the willow want any other light;
                    // three without it want the willow alone.
                    qualifies = hasWillow ? IsLightOtherThanWillow(c) : c == 40;
                    break;
                case YakuGoko:
                    qualifies = CardValue[c] == 20;
                    break;
            }
            if (!qualifies) continue;
            list[count++] = c;
            if (y == YakuAmeshiko && !hasWillow) break;
        }
    }
    return 1;
}
