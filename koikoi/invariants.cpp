#include "koikoi/invariants.h"

#include <cstdio>

#include "cards/cards.h"
#include "koikoi/state.h"

namespace {

std::string Fault(const char* what, int a = -1, int b = -1) {
    char text[128];
    std::snprintf(text, sizeof text, "%s %d %d", what, a, b);
    return text;
}

}  // namespace

std::string CheckKoiKoiInvariants() {
    int seen[CardCount] = {};
    auto place = [&](int card) -> bool {
        if (card < 0 || card >= CardCount) return false;
        ++seen[card];
        return true;
    };

    for (int p = 0; p < 2; ++p) {
        int n = koi.handCount[p];
        if (n < 0 || n > 8) return Fault("hand count out of range, player", p, n);
        for (int s = 0; s < HandSlots; ++s) {
            int card = koi.hands[p][s];
            if ((s < n) != (card != -1)) return Fault("hand not packed, player/slot", p, s);
            if (card != -1 && !place(card)) return Fault("bad card in hand, player", p, card);
        }
        for (int k = 0; k < 4; ++k) {
            const int* pile = koi.piles[p][k];
            for (int i = 0; i < koi.pileCount[p][k]; ++i) {
                if (!place(pile[i])) return Fault("bad card in pile, player", p, pile[i]);
                if (CategoryOf(pile[i]) != k)
                    return Fault("card in wrong pile, player", p, pile[i]);
                if (i > 0 && pile[i - 1] >= pile[i]) return Fault("pile not sorted, player", p, k);
            }
        }
    }
    for (int f = 0; f < FieldSlots; ++f)
        if (koi.field[f] != -1 && !place(koi.field[f]))
            return Fault("bad field card", koi.field[f]);
    if (koi.stockLeft < 0 || koi.stockLeft > StockSize) return Fault("stock count", koi.stockLeft);
    for (int i = StockSize - koi.stockLeft; i < StockSize; ++i)
        if (!place(koi.stock[i])) return Fault("bad stock card", koi.stock[i]);
    for (int c = 0; c < CardCount; ++c)
        if (seen[c] != 1) return Fault("card not in exactly one place, card/times", c, seen[c]);
    for (int k = 0; k < 4; ++k)
        if (koi.turnCaptureCount[k] != 0) return Fault("turn captures left unfiled", k);

    for (int p = 0; p < 2; ++p) {
        int sum = 0;
        for (int score : koi.handScores[p])
            if (score > 0) sum += score;
        if (sum != koi.gameTotal[p]) return Fault("game total differs from hand scores, player", p);
    }
    return "";
}
