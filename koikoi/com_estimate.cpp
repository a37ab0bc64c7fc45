// The computer's estimate, 0..100, that a player completes each yaku, kept
// for both players after every capture.
#include <cstdint>

#include "cards/cards.h"
#include "koikoi/com.h"
#include "koikoi/state.h"

namespace {

// Where the cards lie, gathered once per estimate so that rating a reach
// card is a few bit tests.
struct Whereabouts {
    uint64_t handCards = 0;   // in p's hand, slots 0..7
    unsigned handMonths = 0;  // months of those cards
    uint64_t fieldCards = 0;  // on the field
    unsigned fieldMonths = 0;
    unsigned capturedMonths = 0;  // months with a card in either player's piles
};

uint64_t Bit(int card) {
    return uint64_t{1} << card;
}
unsigned MonthBit(int card) {
    return 1u << MonthOf(card);
}

Whereabouts Gather(int p) {
    Whereabouts w;
    for (int s = 0; s < 8; ++s) {
        int c = koi.hands[p][s];
        if (c == -1) continue;
        w.handCards |= Bit(c);
        w.handMonths |= MonthBit(c);
    }
    for (int c : koi.field) {
        if (c == -1) continue;
        w.fieldCards |= Bit(c);
        w.fieldMonths |= MonthBit(c);
    }
    for (int q = 0; q < 2; ++q)
        for (int k = 0; k < 4; ++k)
            for (int i = 0; i < koi.pileCount[q][k]; ++i)
                w.capturedMonths |= MonthBit(koi.piles[q][k][i]);
    return w;
}

// Lowers yakuChance[p][y] for one reach card: nothing when p can take it at
// once, 5 when p holds or sees it but cannot take it yet, 10 when it is in
// the stock or the other hand, and 10 more when its month is broken.
void RateReachCard(int p, int y, int c, const Whereabouts& w) {
    int& chance = koi.yakuChance[p][y];
    if (w.handCards & Bit(c)) {
        if (w.fieldMonths & MonthBit(c)) return;
        chance -= 5;
    }
    if (w.fieldCards & Bit(c)) {
        if (w.handMonths & MonthBit(c)) return;
        chance -= 5;
    } else {
        chance -= 10;
    }
    koi.liveReachCards[p][y][koi.liveReachCardCount[p][y]++] = c;
    if (w.capturedMonths & MonthBit(c)) chance -= 10;
}

}  // namespace

int EstimateYakuChances(int p) {
    Whereabouts w = Gather(p);
    for (int y = YakuCount - 1; y >= 0; --y) {
        koi.liveReachCardCount[p][y] = 0;
        int& chance = koi.yakuChance[p][y];
        chance = 100;
        int count = koi.reachCardCount[p][y];
        if (count == 0) {
            chance = 0;
            continue;
        }
        for (int i = 0; i < count && i < 5; ++i) RateReachCard(p, y, koi.reachCards[p][y][i], w);
        if (chance < 0) chance = 0;
        if (chance != 100) {
            chance = chance * 5 / ChanceDivisor[y];
            chance = chance * koi.handCount[p] / 8;
            if (chance > 100) chance = 100;
        }
    }
    return 1;
}
