#include "cards/cards.h"
#include "cards/piles.h"
#include "core/program.h"
#include "koikoi/card_sets.h"
#include "koikoi/com.h"
#include "koikoi/com_levels.h"
#include "koikoi/rules.h"
#include "koikoi/state.h"
#include "koikoi/view.h"
#include "platform/clock.h"

int ComputeMatches(int p) {
    // The occupied field slots of each month as bits, lowest slot first;
    // empty slots gather under a thirteenth month that no card has.
    uint32_t slotsOfMonth[13] = {};
    for (int f = 0; f < FieldSlots; ++f) {
        int card = koi.field[f];
        slotsOfMonth[card >= 0 ? static_cast<unsigned>(card) >> 2 : 12] |= 1u << f;
    }
    for (int s = 0; s < HandSlots; ++s) {
        int* matches = koi.matchSlots[p][s];
        matches[0] = matches[1] = matches[2] = -1;
        int card = koi.hands[p][s];
        uint32_t slots = card >= 0 ? slotsOfMonth[static_cast<unsigned>(card) >> 2] : 0;
        int n = 0;
        for (; n < 3 && slots != 0; ++n, slots &= slots - 1) matches[n] = __builtin_ctz(slots);
        koi.matchCount[p][s] = n;
    }
    return 1;
}

int FindFreeFieldSlot() {
    // A slot emptied by this turn's capture still shows the pair until the
    // captures fly to the piles, so it is not free before the turn ends.
    for (int f = 0; f < FieldSlots; ++f) {
        if (koi.field[f] == -1 && koi.capturePairs[f][0] == -1 && koi.capturePairs[f][1] == -1)
            return f;
    }
    // Not reachable with twenty slots; rather than cover a card, share a
    // pair's slot.
    for (int f = 0; f < FieldSlots; ++f)
        if (koi.field[f] == -1) return f;
    return 0;
}

int CompactHand(int p, int handSlot) {
    int j = handSlot;
    for (; j < koi.handCount[p]; ++j) koi.hands[p][j] = koi.hands[p][j + 1];
    koi.hands[p][koi.handCount[p]] = -1;
    return 1;
}

int PlayCard(int p, int handSlot) {
    KoiKoiView& view = KoiView();
    int card = koi.hands[p][handSlot];
    koi.hands[p][handSlot] = -1;
    --koi.handCount[p];

    const int* matches = koi.matchSlots[p][handSlot];
    int taken[3];
    int takenCount = 0;
    switch (koi.matchCount[p][handSlot]) {
        case 0: {
            if (handSlot != DrawnSlot)
                koi.lackingMonths[p] |= MonthsOf(CardsIn(koi.field, FieldSlots));
            int f = FindFreeFieldSlot();
            view.FlyToField(p, handSlot, f, card);
            koi.field[f] = card;
            break;
        }
        case 1:
        case 2: {
            int t = matches[0];
            if (koi.matchCount[p][handSlot] == 2)
                t = p == 0 ? koi.chosenFieldSlot
                           : ChooseFieldCardAtLevel(comLevel, p, card, handSlot == DrawnSlot,
                                                    matches[0], matches[1]);
            view.FlyToField(p, handSlot, t, card);
            int fieldCard = koi.field[t];
            taken[takenCount++] = fieldCard;
            CaptureTwoCards(p, card, fieldCard);
            koi.capturePairs[t][0] = card;
            koi.capturePairs[t][1] = fieldCard;
            if (koi.firstCaptureSlot == -1) koi.firstCaptureSlot = t;
            koi.field[t] = -1;
            break;
        }
        default: {
            // The fourth card of a month takes the other three.
            int m0 = matches[0];
            view.FlyToField(p, handSlot, m0, card);
            FileCapture(p, card, CaptureFollows);
            koi.capturePairs[m0][0] = card;
            if (koi.firstCaptureSlot == -1) koi.firstCaptureSlot = m0;
            for (int k = 0; k < 3; ++k) {
                int f = matches[k];
                int fieldCard = koi.field[f];
                taken[takenCount++] = fieldCard;
                FileCapture(p, fieldCard, k == 2 ? LastCapture : CaptureFollows);
                koi.capturePairs[f][1] = fieldCard;
                koi.field[f] = -1;
            }
            break;
        }
    }
    view.CardPlayed(p, handSlot, card, taken, takenCount);

    if (!animationOn) {
        view.DrawHand(p);
        view.PresentHand(p);
        platform::WaitMs(300);
    }
    CompactHand(p, handSlot);
    view.DrawHand(p);
    view.PresentHand(p);
    return 1;
}

int MergeTurnCaptures(int p) {
    for (int k = 0; k < 4; ++k)
        MergeFreshIntoPile(koi.piles[p][k], koi.pileCount[p][k], koi.turnCaptures[k],
                           koi.turnCaptureCount[k]);
    return 1;
}

int ComDrawAndPlay(int p) {
    koi.hands[p][DrawnSlot] = koi.stock[StockSize - koi.stockLeft];
    KoiView().FlipStockCard();
    --koi.stockLeft;
    ++koi.handCount[p];
    ComputeMatches(p);
    PlayCard(p, DrawnSlot);
    return 1;
}
