#include "hanaawase/observation.h"

#include "hanaawase/inference.h"

HanaObservation ObserveHanaAwase(int seat, int cardInPlay) {
    HanaObservation o{};
    o.seat = seat;
    for (int s = 0; s < HanaHandSlots; ++s) {
        int card = hana.hands[seat][s];
        o.hand[s] = card == cardInPlay ? -1 : card;
    }
    for (int f = 0; f < HanaFieldSlots; ++f) o.field[f] = hana.field[f];
    for (int p = 0; p < HanaPlayers; ++p) {
        o.captured[p] = 0;
        for (int k = 0; k < HanaKinds; ++k) {
            for (int i = 0; i < hana.capturedCount[p][k]; ++i)
                o.captured[p] |= HanaCardBit(hana.captured[p][k][i]);
        }
        o.handCount[p] = hana.handCount[p];
        o.lacking[p] = static_cast<unsigned>(hana.lackingMonths[p]);
        o.ruledOut[p] = HanaPlaysBySpecifiedRules(p) ? hana.ruledOut[p] : 0;
        o.totalScore[p] = hana.totalScore[p];
    }
    int own = 0;
    for (int card : o.hand) own += card >= 0;
    o.handCount[seat] = own;
    o.stockCount = hana.stockCount;
    o.dealer = hana.dealer;
    o.handsCompleted = hana.handsCompleted;
    return o;
}

int HanaUnseenCards(const HanaObservation& o, int cardInPlay, int unseen[48]) {
    HanaCardSet seen = HanaCardBit(cardInPlay);
    for (HanaCardSet c : o.captured) seen |= c;
    for (int card : o.hand) seen |= HanaCardBit(card);
    for (int card : o.field) seen |= HanaCardBit(card);
    int n = 0;
    for (int c = 0; c < 48; ++c)
        if (!(seen & HanaCardBit(c))) unseen[n++] = c;
    return n;
}
