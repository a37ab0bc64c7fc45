#include "koikoi/observation.h"

#include "core/program.h"

KoiObservation ObserveKoiKoi(int seat, int cardInPlay) {
    KoiObservation o{};
    o.seat = seat;
    for (int s = 0; s < HandSlots; ++s) {
        int card = koi.hands[seat][s];
        o.hand[s] = card == cardInPlay ? -1 : card;
    }
    for (int f = 0; f < FieldSlots; ++f) o.field[f] = koi.field[f];
    for (int p = 0; p < 2; ++p) {
        o.captured[p] = 0;
        for (int k = 0; k < 4; ++k) o.captured[p] |= CardsIn(koi.piles[p][k], koi.pileCount[p][k]);
        o.gameTotal[p] = koi.gameTotal[p];
    }
    o.otherHandCount = koi.handCount[seat ^ 1];
    o.otherLacking = static_cast<unsigned>(koi.lackingMonths[seat ^ 1]);
    o.stockLeft = koi.stockLeft;
    o.dealer = koi.dealer;
    o.handIndex = koi.handIndex;
    o.handLimit = handsOption == 2 ? 0 : 6 * handsOption + 6;
    o.sakeOption = sakeOption;
    o.oyakenOption = oyakenOption;
    return o;
}

int UnseenCards(const KoiObservation& o, int cardInPlay, int unseen[CardCount]) {
    CardSet seen = o.captured[0] | o.captured[1] | CardsIn(o.hand, HandSlots) |
                   CardsIn(o.field, FieldSlots) | CardBit(cardInPlay);
    int n = 0;
    for (int c = 0; c < CardCount; ++c)
        if (!(seen & CardBit(c))) unseen[n++] = c;
    return n;
}
