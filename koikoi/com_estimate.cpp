// The computer's estimate, 0..100, that a player completes each yaku, kept
// for both players after every capture.
#include <cstdint>

#include "cards/cards.h"
#include "koikoi/card_sets.h"
#include "koikoi/com.h"
#include "koikoi/state.h"

namespace {

// Where the cards lie, gathered once per estimate so that rating a reach
// card is a few bit tests.
struct Whereabouts {
    CardSet handCards;    // in p's hand, slots 0..7
    unsigned handMonths;  // months of those cards
    CardSet fieldCards;   // on the field
    unsigned fieldMonths;
    unsigned capturedMonths;  // months with a card in either player's piles
};

// The part shared by both players: the field and the captured months.
Whereabouts GatherTable() {
    Whereabouts w;
    w.fieldCards = CardsIn(koi.field, FieldSlots);
    w.fieldMonths = MonthsOf(w.fieldCards);
    CardSet captured = 0;
    for (int q = 0; q < 2; ++q)
        for (int k = 0; k < 4; ++k) captured |= CardsIn(koi.piles[q][k], koi.pileCount[q][k]);
    w.capturedMonths = MonthsOf(captured);
    return w;
}

void GatherHand(int p, Whereabouts& w) {
    w.handCards = CardsIn(koi.hands[p], 8);
    w.handMonths = MonthsOf(w.handCards);
}

// What one reach card costs yakuChance[p][y]: nothing when p can take it
// at once, 5 when p holds or sees it but cannot take it yet, 10 when it is
// in the stock or the other hand, and 10 more when its month is broken.
// Every card that costs something is recorded in liveReachCards[p][y].
int RateReachCard(int p, int y, int c, const Whereabouts& w) {
    int cost = 0;
    CardSet bit = CardBit(c);
    unsigned month = MonthBit(c);
    if (w.handCards & bit) {
        if (w.fieldMonths & month) return 0;
        cost += 5;
    }
    if (w.fieldCards & bit) {
        if (w.handMonths & month) return cost;
        cost += 5;
    } else {
        cost += 10;
    }
    koi.liveReachCards[p][y][koi.liveReachCardCount[p][y]++] = c;
    if (w.capturedMonths & month) cost += 10;
    return cost;
}

}  // namespace

namespace {

void Estimate(int p, const Whereabouts& w) {
    for (int y = YakuCount - 1; y >= 0; --y) {
        koi.liveReachCardCount[p][y] = 0;
        int count = koi.reachCardCount[p][y];
        if (count == 0) {
            koi.yakuChance[p][y] = 0;
            continue;
        }
        int chance = 100;
        const int* cards = koi.reachCards[p][y];
        for (int i = 0; i < count && i < 5; ++i) chance -= RateReachCard(p, y, cards[i], w);
        if (chance < 0) chance = 0;
        if (chance != 100) {
            chance = chance * 5 / ChanceDivisor[y];
            chance = chance * koi.handCount[p] / 8;
            if (chance > 100) chance = 100;
        }
        koi.yakuChance[p][y] = chance;
    }
}

}  // namespace

int EstimateYakuChances(int p) {
    Whereabouts w = GatherTable();
    GatherHand(p, w);
    Estimate(p, w);
    return 1;
}

namespace {

int EstimateBoth(int first, Whereabouts& w) {
    GatherHand(first, w);
    Estimate(first, w);
    GatherHand(first ^ 1, w);
    Estimate(first ^ 1, w);
    return 1;
}

}  // namespace

int EstimateYakuChancesOfBoth(int first) {
    Whereabouts w = GatherTable();
    return EstimateBoth(first, w);
}

int EstimateYakuChancesOfBoth(int first, CardSet fieldCards, CardSet capturedCards) {
    Whereabouts w;
    w.fieldCards = fieldCards;
    w.fieldMonths = MonthsOf(fieldCards);
    w.capturedMonths = MonthsOf(capturedCards);
    return EstimateBoth(first, w);
}
