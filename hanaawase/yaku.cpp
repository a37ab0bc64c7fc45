#include "hanaawase/yaku.h"

#include "hanaawase/state.h"
#include "hanaawase/tables.h"

namespace {

// For each card, the yaku (bit t) whose reach counts it and whose wanted
// list names it: the yaku's own cards (for 六タン and 七タン every ribbon but
// 柳's, for 四光 every bright but 柳に道風).
struct YakuMembership {
    unsigned of[48] = {};
    YakuMembership() {
        for (int t = 0; t < HanaYakuCount; ++t) {
            for (int i = 0; i < YakuTargets[t].count; ++i) of[YakuTargets[t].cards[i]] |= 1u << t;
        }
    }
};
const YakuMembership membership;

// How many cards of each yaku the player has captured.
void CountHeld(int player, int held[HanaYakuCount]) {
    for (int t = 0; t < HanaYakuCount; ++t) held[t] = 0;
    for (int kind = 0; kind < HanaKinds; ++kind) {
        for (int i = 0; i < hana.capturedCount[player][kind]; ++i) {
            for (unsigned bits = membership.of[hana.captured[player][kind][i]]; bits;
                 bits &= bits - 1)
                ++held[__builtin_ctz(bits)];
        }
    }
}

// The cards still in play, in the order the wanted lists take them: the
// field, the stock from its next card, then the hands of players 0, 1, 2.
int CollectCardsInPlay(int cards[48]) {
    int n = 0;
    for (int f = 0; f < HanaFieldSlots; ++f) {
        if (hana.field[f] >= 0) cards[n++] = hana.field[f];
    }
    for (int i = HanaStockSize - hana.stockCount; i < HanaStockSize; ++i)
        cards[n++] = hana.stock[i];
    for (int p = 0; p < HanaPlayers; ++p) {
        for (int slot = 0; slot < HanaHandSlots; ++slot) {
            if (hana.hands[p][slot] >= 0) cards[n++] = hana.hands[p][slot];
        }
    }
    return n;
}

// Yaku whose wanted list is marked unwanted whenever no reach is set; the
// シマ, the ribbon counts and the brights keep an empty list instead.
bool MarkedWhenNotReached(int t) {
    return (t >= Kusa && t <= Omotesugawara) || t == Akatan || t == Aotan;
}

}  // namespace

bool HanaIsWanted(int player, int yaku, int card) {
    const int* wanted = hana.wanted[player][yaku];
    for (int i = 0; i < hana.wantedCount[player][yaku]; ++i) {
        if (wanted[i] == card) return true;
    }
    return false;
}

int HanaCountRibbonsForTan(int player) {
    int held[HanaYakuCount];
    CountHeld(player, held);
    return held[RokuTan];
}

namespace {

void BuildWantedFrom(int player, const int* inPlay, int n) {
    unsigned reached = 0;
    for (int t = 0; t < HanaYakuCount; ++t) {
        hana.wanted[player][t][0] = hana.wanted[player][t][1] = -1;
        hana.wantedCount[player][t] = 0;
        if (hana.reach[player][t]) reached |= 1u << t;
    }
    // One pass over the cards in play fills every reached yaku's list in
    // collection order; each list has room for two.
    for (int i = 0; i < n; ++i) {
        for (unsigned bits = membership.of[inPlay[i]] & reached; bits; bits &= bits - 1) {
            int t = __builtin_ctz(bits);
            int& count = hana.wantedCount[player][t];
            if (count < HanaWantedRoom) hana.wanted[player][t][count++] = inPlay[i];
        }
    }
    for (int t = 0; t < HanaYakuCount; ++t) {
        if (hana.reach[player][t]) {
            if (hana.wantedCount[player][t] == 0) {
                hana.wanted[player][t][0] = HanaNoLongerWanted;
                hana.reach[player][t] = 0;
            }
        } else if (MarkedWhenNotReached(t)) {
            hana.wanted[player][t][0] = HanaNoLongerWanted;
        }
    }
}

void EvaluateReachWith(int player, const int* inPlay, int n) {
    int held[HanaYakuCount];
    CountHeld(player, held);
    bool any = false;
    for (int t = 0; t < HanaYakuCount; ++t) {
        bool reached = held[t] == HanaReachCount[t];
        hana.reach[player][t] = reached;
        any = any || reached;
    }
    if (any) BuildWantedFrom(player, inPlay, n);
}

}  // namespace

void HanaBuildWanted(int player) {
    int inPlay[48];
    int n = CollectCardsInPlay(inPlay);
    BuildWantedFrom(player, inPlay, n);
}

void HanaEvaluateReach(int player) {
    int inPlay[48];
    int n = CollectCardsInPlay(inPlay);
    EvaluateReachWith(player, inPlay, n);
}

void HanaDetectMadeYaku(int player, int card) {
    for (int t = 0; t < HanaYakuCount; ++t) {
        if (hana.reach[player][t] && HanaIsWanted(player, t, card)) hana.madeYaku[player][t] = 1;
    }
    // 六タン and 七タン count ribbons: the sixth or seventh ribbon makes them
    // whichever ribbon it is, not only one of the two the wanted list names.
    if (HanaKindOf(card) == 2 && card != WillowRibbon) {
        int ribbons = HanaCountRibbonsForTan(player);
        if (ribbons == 6) hana.madeYaku[player][RokuTan] = 1;
        if (ribbons == 7) hana.madeYaku[player][NanaTan] = 1;
    }
    // Nothing the re-evaluation reads changes in between, so the cards in
    // play are gathered once for the three players. The target scores are
    // not redone here: their one reader, the choice between two field cards,
    // scores afresh before it looks, and scoring three players after every
    // card would cost most of a hand's time for nothing.
    int inPlay[48];
    int n = CollectCardsInPlay(inPlay);
    for (int q = 0; q < HanaPlayers; ++q) EvaluateReachWith(q, inPlay, n);
}

void HanaApplyGiveWay(int player) {
    int* made = hana.madeYaku[player];
    if (made[Shiko]) made[Matsukiribozu] = 0;
    if (made[Goko]) made[Shiko] = 0;
    if (made[Nomi]) made[Hanami] = made[Tsukimi] = 0;
    if (made[NanaTan]) made[RokuTan] = 0;
}
