#include "hanaawase/yaku.h"

#include <cstdint>

#include "hanaawase/state.h"
#include "hanaawase/tables.h"
#include "hanaawase/target_scoring.h"

namespace {

uint64_t MaskOf(const HanaYakuCards& set) {
    uint64_t mask = 0;
    for (int i = 0; i < set.count; ++i) mask |= uint64_t{1} << set.cards[i];
    return mask;
}

// The cards counted for each yaku's reach and named as its wanted cards: the
// yaku's own cards (for 六タン and 七タン every ribbon but 柳's, for 四光 every
// bright but 柳に道風).
struct YakuMasks {
    uint64_t of[HanaYakuCount];
    YakuMasks() {
        for (int t = 0; t < HanaYakuCount; ++t) of[t] = MaskOf(YakuTargets[t]);
    }
};
const YakuMasks masks;

// How many of the yaku's cards a player holds when one capture is missing.
const int ReachCount[HanaYakuCount] = {
    2, 2, 2, 2,  // 藤シマ, 雨シマ, 桐シマ, くさ
    1, 1, 2, 2,  // 月見, 花見, 猪鹿蝶, 松桐坊主
    2, 2, 5, 2,  // のみ, 表菅原, 六タン, 赤タン
    2, 6, 3, 4,  // 青タン, 七タン, 四光, 五光
};

uint64_t CapturedMask(int player) {
    uint64_t mask = 0;
    for (int kind = 0; kind < HanaKinds; ++kind) {
        for (int i = 0; i < hana.capturedCount[player][kind]; ++i)
            mask |= uint64_t{1} << hana.captured[player][kind][i];
    }
    return mask;
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
    return __builtin_popcountll(CapturedMask(player) & masks.of[RokuTan]);
}

void HanaBuildWanted(int player) {
    int inPlay[48];
    int n = CollectCardsInPlay(inPlay);
    for (int t = 0; t < HanaYakuCount; ++t) {
        hana.wanted[player][t][0] = hana.wanted[player][t][1] = -1;
        hana.wantedCount[player][t] = 0;
    }
    for (int t = 0; t < HanaYakuCount; ++t) {
        int* wanted = hana.wanted[player][t];
        if (hana.reach[player][t]) {
            int count = 0;
            for (int i = 0; i < n && count < HanaWantedRoom; ++i) {
                if (masks.of[t] >> inPlay[i] & 1) wanted[count++] = inPlay[i];
            }
            hana.wantedCount[player][t] = count;
            if (count == 0) {
                wanted[0] = HanaNoLongerWanted;
                hana.reach[player][t] = 0;
            }
        } else if (MarkedWhenNotReached(t)) {
            wanted[0] = HanaNoLongerWanted;
        }
    }
}

void HanaEvaluateReach(int player) {
    uint64_t held = CapturedMask(player);
    bool any = false;
    for (int t = 0; t < HanaYakuCount; ++t) {
        bool reached = __builtin_popcountll(held & masks.of[t]) == ReachCount[t];
        hana.reach[player][t] = reached;
        any = any || reached;
    }
    if (any) HanaBuildWanted(player);
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
    for (int q = 0; q < HanaPlayers; ++q) {
        HanaEvaluateReach(q);
        HanaScoreTargets(q);
    }
}

void HanaApplyGiveWay(int player) {
    int* made = hana.madeYaku[player];
    if (made[Shiko]) made[Matsukiribozu] = 0;
    if (made[Goko]) made[Shiko] = 0;
    if (made[Nomi]) made[Hanami] = made[Tsukimi] = 0;
    if (made[NanaTan]) made[RokuTan] = 0;
}
