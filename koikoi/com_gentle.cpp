// やさしい: takes the most valuable card it can, with no thought for yaku or
// for what the other player needs, and of two field cards simply the first;
// with nothing to take it throws away its first card that is not a 光; it
// stops at its first yaku.
#include "koikoi/com_levels.h"

int GentleChooseCard(const KoiObservation& o) {
    int best = -1, bestValue = -1;
    int plain = -1;
    for (int slot = 0; slot < HandSlots; ++slot) {
        int card = o.hand[slot];
        if (card < 0) continue;
        if (plain < 0 && CardValue[card] < 20) plain = slot;
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
    return plain >= 0 ? plain : 0;
}

int GentleChooseFieldCard(const KoiObservation&, int a, int) {
    return a;
}
