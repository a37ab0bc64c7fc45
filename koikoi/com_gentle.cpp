// やさしい: takes the most valuable card it can, with no thought for yaku or
// for what the other player needs; with nothing to take it throws away its
// cheapest card; it stops at its first yaku.
#include "koikoi/com_levels.h"

int GentleChooseCard(const KoiObservation& o) {
    int best = -1, bestValue = -1;
    int cheapest = -1;
    for (int slot = 0; slot < HandSlots; ++slot) {
        int card = o.hand[slot];
        if (card < 0) continue;
        if (cheapest < 0 || CardValue[card] < CardValue[o.hand[cheapest]]) cheapest = slot;
        for (int f = 0; f < FieldSlots; ++f) {
            int fieldCard = o.field[f];
            if (fieldCard >= 0 && IsSameMonth(fieldCard, card) &&
                CardValue[fieldCard] > bestValue) {
                bestValue = CardValue[fieldCard];
                best = slot;
            }
        }
    }
    if (best >= 0) return best;
    return cheapest >= 0 ? cheapest : 0;
}

int GentleChooseFieldCard(const KoiObservation& o, int a, int b) {
    return CardValue[o.field[b]] > CardValue[o.field[a]] ? b : a;
}
