// やさしい: takes the most valuable field card it can, with no thought for
// yaku or for the others; with nothing to take it throws its cheapest card.
#include "cards/cards.h"
#include "hanaawase/com_levels.h"

int HanaGentleChooseCard(const HanaObservation& o) {
    int best = -1, bestValue = -1, cheapest = -1;
    for (int slot = 0; slot < HanaHandSlots; ++slot) {
        int card = o.hand[slot];
        if (card < 0) continue;
        if (cheapest < 0 || CardValue[card] < CardValue[o.hand[cheapest]]) cheapest = slot;
        for (int fieldCard : o.field) {
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

int HanaGentleChooseFieldCard(const HanaObservation& o, int a, int b) {
    return CardValue[o.field[b]] > CardValue[o.field[a]] ? b : a;
}
