#include "hanaawase/play.h"

#include "cards/piles.h"
#include "core/program.h"
#include "hanaawase/com_levels.h"
#include "hanaawase/flow.h"
#include "hanaawase/inference.h"
#include "hanaawase/state.h"
#include "hanaawase/tables.h"
#include "hanaawase/view.h"
#include "hanaawase/yaku.h"

void HanaFindMatches(int player) {
    // The field slots of each month, in ascending order.
    int monthSlots[12][3];
    int monthCount[12] = {};
    for (int f = 0; f < HanaFieldSlots; ++f) {
        int card = hana.field[f];
        if (card >= 0 && monthCount[card / 4] < 3) monthSlots[card / 4][monthCount[card / 4]++] = f;
    }
    for (int slot = 0; slot < HanaHandSlots; ++slot) {
        int* slots = hana.matchSlots[player][slot];
        int card = hana.hands[player][slot];
        int count = card >= 0 ? monthCount[card / 4] : 0;
        for (int k = 0; k < 3; ++k) slots[k] = k < count ? monthSlots[card / 4][k] : -1;
        hana.matchCount[player][slot] = count;
    }
}

int HanaFindFreeFieldSlot() {
    for (int f = 0; f < HanaFieldSlots; ++f) {
        if (hana.field[f] < 0 && hana.capturePairs[f][0] < 0 && hana.capturePairs[f][1] < 0)
            return f;
    }
    // Only a place still showing this turn's capture is left: use the lowest
    // one without a card rather than cover a card.
    for (int f = 0; f < HanaFieldSlots; ++f) {
        if (hana.field[f] < 0) return f;
    }
    return -1;  // cannot happen: no month ever has more than three cards down
}

namespace {

// The played card takes the field card at `f`.
void CaptureOne(int player, int card, int f) {
    int fieldCard = hana.field[f];
    HanaAddCapture(player, card);
    HanaAddCapture(player, fieldCard);
    hana.capturePairs[f][0] = card;
    hana.capturePairs[f][1] = fieldCard;
    if (hana.firstCaptureSlot == -1) hana.firstCaptureSlot = f;
    hana.field[f] = -1;
}

}  // namespace

int HanaPlayCard(int player, int slot) {
    HanaView& view = CurrentHanaView();
    int card = hana.hands[player][slot];
    if (slot != HanaDrawnSlot && HanaPlaysBySpecifiedRules(player))
        hana.ruledOut[player] |= HanaRuledOutByPlay(player, card);
    hana.hands[player][slot] = -1;
    --hana.handCount[player];

    const int* matches = hana.matchSlots[player][slot];
    int taken[3];
    int takenCount = 0;
    switch (hana.matchCount[player][slot]) {
        case 0: {
            if (slot != HanaDrawnSlot) {
                for (int fieldCard : hana.field)
                    if (fieldCard >= 0) hana.lackingMonths[player] |= 1 << (fieldCard / 4);
            }
            view.HanaFlyToField(player, slot, HanaFindFreeFieldSlot(), card);
            int f = HanaFindFreeFieldSlot();
            if (f >= 0) hana.field[f] = card;
            break;
        }
        case 1:
        case 2: {
            int f = matches[0];
            if (hana.matchCount[player][slot] == 2) {
                f = player == 0
                        ? hana.chosenFieldSlot
                        : HanaChooseFieldCardAtLevel(comLevel, player, card, slot == HanaDrawnSlot,
                                                     matches[0], matches[1]);
            }
            view.HanaFlyToField(player, slot, f, card);
            taken[takenCount++] = hana.field[f];
            CaptureOne(player, card, f);
            break;
        }
        default: {
            // A card whose month lies three times on the field takes all three.
            int m0 = matches[0];
            view.HanaFlyToField(player, slot, m0, card);
            HanaAddCapture(player, card);
            hana.capturePairs[m0][0] = card;
            if (hana.firstCaptureSlot == -1) hana.firstCaptureSlot = m0;
            for (int k = 0; k < 3; ++k) {
                int mk = matches[k];
                int fieldCard = hana.field[mk];
                taken[takenCount++] = fieldCard;
                HanaAddCapture(player, fieldCard);
                hana.capturePairs[mk][1] = fieldCard;
                hana.field[mk] = -1;
            }
            break;
        }
    }
    view.HanaCardPlayed(player, slot, card, taken, takenCount);

    if (!animationOn) {
        view.HanaShowHand(player);
        view.HanaPresentHand(player);
        HanaWait(300);
    }
    HanaRemoveHandSlot(player, slot);
    view.HanaDrawHand(player);
    view.HanaShowHand(player);
    view.HanaPresentHand(player);
    return 1;
}

int HanaDrawAndPlay(int player) {
    hana.hands[player][HanaDrawnSlot] = hana.stock[HanaStockSize - hana.stockCount];
    CurrentHanaView().HanaFlipStockCard();
    --hana.stockCount;
    ++hana.handCount[player];
    HanaFindMatches(player);
    return HanaPlayCard(player, HanaDrawnSlot);
}

void HanaRemoveHandSlot(int player, int slot) {
    int* hand = hana.hands[player];
    if (slot == HanaDrawnSlot) {
        hand[slot] = -1;
        return;
    }
    int i = slot;
    for (; i < hana.handCount[player]; ++i) hand[i] = hand[i + 1];
    hand[i] = -1;
}

void HanaAddCapture(int player, int card) {
    int kind = HanaKindOf(card);
    hana.captured[player][kind][hana.capturedCount[player][kind]++] = card;
    hana.turnCaptured[kind][hana.turnCapturedCount[kind]++] = card;
    HanaDetectMadeYaku(player, card);
}

void HanaMergeTurnCaptures(int player) {
    for (int kind = 0; kind < HanaKinds; ++kind)
        MergeFreshIntoPile(hana.captured[player][kind], hana.capturedCount[player][kind],
                           hana.turnCaptured[kind], hana.turnCapturedCount[kind]);
}
