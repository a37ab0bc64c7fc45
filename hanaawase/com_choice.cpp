#include "hanaawase/com_choice.h"

#include "hanaawase/play.h"
#include "hanaawase/state.h"
#include "hanaawase/tables.h"
#include "hanaawase/target_scoring.h"
#include "hanaawase/yaku.h"

namespace {

struct Capture {
    int handSlot;
    int fieldSlot;
    int value;
    int rank;  // CaptureRank of the field card
};

// Stable sort, highest key first: each place takes the first maximum of
// what is left, the others keeping their order.
template <typename Key>
void SortHighestFirst(Capture* list, int n, Key key) {
    for (int i = 0; i < n; ++i) {
        int best = i;
        for (int j = i + 1; j < n; ++j) {
            if (key(list[j]) > key(list[best])) best = j;
        }
        Capture chosen = list[best];
        for (int j = best; j > i; --j) list[j] = list[j - 1];
        list[i] = chosen;
    }
}

int HighestSlotOfMonth(int player, int month) {
    int found = -1;
    for (int slot = 0; slot < HanaHandSlots; ++slot) {
        int card = hana.hands[player][slot];
        if (card >= 0 && card / 4 == month) found = slot;
    }
    return found;
}

int HandCardsOfMonth(int player, int month) {
    int count = 0;
    for (int slot = 0; slot < HanaHandSlots; ++slot) {
        int card = hana.hands[player][slot];
        count += card >= 0 && card / 4 == month;
    }
    return count;
}

int CapturedOfMonth(int month) {
    int count = 0;
    for (int p = 0; p < HanaPlayers; ++p) {
        for (int kind = 0; kind < HanaKinds; ++kind) {
            for (int i = 0; i < hana.capturedCount[p][kind]; ++i)
                count += hana.captured[p][kind][i] / 4 == month;
        }
    }
    return count;
}

bool WantedByAnyone(int card) {
    for (int p = 0; p < HanaPlayers; ++p) {
        for (int t = 0; t < HanaYakuCount; ++t) {
            if (HanaIsWanted(p, t, card)) return true;
        }
    }
    return false;
}

bool IsMissing(int player, int yaku, int card) {
    for (int i = 0; i < hana.missingCount[player][yaku]; ++i) {
        if (hana.missing[player][yaku][i] == card) return true;
    }
    return false;
}

}  // namespace

int HanaChooseHandCard(int player) {
    HanaFindMatches(player);
    Capture list[HanaHandSlots * 3];
    int n = 0;
    for (int slot = 0; slot < HanaHandSlots; ++slot) {
        for (int k = 0; k < hana.matchCount[player][slot]; ++k) {
            int f = hana.matchSlots[player][slot][k];
            int handCard = hana.hands[player][slot], fieldCard = hana.field[f];
            list[n++] = {slot, f, CardValue[handCard] + 2 * CardValue[fieldCard],
                         CaptureRank[fieldCard]};
        }
    }
    if (n == 0) return HanaChooseDiscard(player);

    SortHighestFirst(list, n, [](const Capture& c) { return c.rank; });
    SortHighestFirst(list, n, [](const Capture& c) { return c.value; });

    for (int t = HanaYakuCount - 1; t >= 0; --t) {
        for (int i = 0; i < n; ++i) {
            if (HanaIsWanted(player, t, hana.field[list[i].fieldSlot])) return list[i].handSlot;
        }
    }
    return list[0].handSlot;
}

int HanaChooseDiscard(int player) {
    // A whole month in hand can never be taken by anyone: throw it away.
    for (int month = 0; month < 12; ++month) {
        if (HandCardsOfMonth(player, month) == 4) return HighestSlotOfMonth(player, month);
    }
    // Nor can a month whose other two cards are already taken.
    for (int month = 0; month < 12; ++month) {
        if (CapturedOfMonth(month) == 2 && 2 + HandCardsOfMonth(player, month) == 4)
            return HighestSlotOfMonth(player, month);
    }

    bool candidate[HanaHandSlots] = {};
    bool any = false;
    for (int slot = 0; slot < HanaHandSlots; ++slot) {
        int card = hana.hands[player][slot];
        if (card >= 0 && !WantedByAnyone(card)) candidate[slot] = any = true;
    }
    int best = -1;
    for (int slot = 0; slot < HanaHandSlots; ++slot) {
        int card = hana.hands[player][slot];
        if (card < 0 || (any && !candidate[slot])) continue;
        if (best < 0) {
            best = slot;
            continue;
        }
        int bestCard = hana.hands[player][best];
        if (CardValue[card] < CardValue[bestCard] ||
            (CardValue[card] == CardValue[bestCard] && KeepRank[card] < KeepRank[bestCard]))
            best = slot;
    }
    return best;
}

int HanaChooseFieldCard(int player, int a, int b) {
    int cardA = hana.field[a], cardB = hana.field[b];
    if (CardValue[cardA] == CardValue[cardB]) return a;

    // Blocking: the user's yaku first, then the other computer's.
    int rival = player == 1 ? 2 : 1;
    for (int t = HanaYakuCount - 1; t >= 1; --t) {
        for (int c : {a, b}) {
            if (HanaIsWanted(0, t, hana.field[c])) return c;
            if (HanaIsWanted(rival, t, hana.field[c])) return c;
        }
    }

    int first = a, second = b;
    if (CardValue[cardB] > CardValue[cardA]) first = b, second = a;

    for (int t = HanaYakuCount - 1; t >= 0; --t) {
        for (int c : {first, second}) {
            if (HanaIsWanted(player, t, hana.field[c])) return c;
        }
    }

    HanaScoreTargets(player);
    for (int band = 90; band >= 10; band -= 10) {
        for (int t = HanaYakuCount - 1; t >= 0; --t) {
            int score = hana.targetScore[player][t];
            if (score < band || score > band + 9) continue;
            if (hana.wanted[player][t][0] == HanaNoLongerWanted) continue;
            for (int c : {first, second}) {
                if (IsMissing(player, t, hana.field[c])) return c;
            }
        }
    }
    return first;
}
