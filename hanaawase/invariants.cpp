#include "hanaawase/invariants.h"

#include <cstdio>
#include <string>

#include "hanaawase/state.h"
#include "hanaawase/tables.h"

namespace {

std::string Fault(const char* what, int a = -1, int b = -1) {
    char text[160];
    if (b >= 0) {
        std::snprintf(text, sizeof text, "%s %d %d", what, a, b);
    } else if (a >= 0) {
        std::snprintf(text, sizeof text, "%s %d", what, a);
    } else {
        std::snprintf(text, sizeof text, "%s", what);
    }
    return text;
}

}  // namespace

std::string HanaCheckBetweenTurns(int nextPlayer) {
    int seen[48] = {};
    auto place = [&](int card) {
        if (card < 0 || card >= 48) return false;
        ++seen[card];
        return true;
    };
    for (int p = 0; p < HanaPlayers; ++p) {
        int count = hana.handCount[p];
        if (count < 0 || count > 7) return Fault("hand count out of range for player", p, count);
        for (int slot = 0; slot < HanaHandSlots; ++slot) {
            int card = hana.hands[p][slot];
            bool filled = slot < count;
            if (filled != (card >= 0)) return Fault("hand not packed: player, slot", p, slot);
            if (filled && !place(card)) return Fault("bad card in hand of player", p, card);
        }
        for (int kind = 0; kind < HanaKinds; ++kind) {
            int n = hana.capturedCount[p][kind];
            if (n < 0 || n > HanaKindRoom[kind])
                return Fault("captured count out of room", p, kind);
            for (int i = 0; i < n; ++i) {
                int card = hana.captured[p][kind][i];
                if (!place(card)) return Fault("bad captured card of player", p, card);
                if (HanaKindOf(card) != kind)
                    return Fault("card filed under wrong kind", card, kind);
                if (i > 0 && hana.captured[p][kind][i - 1] >= card)
                    return Fault("captured list not sorted: player, kind", p, kind);
            }
        }
    }
    for (int f = 0; f < HanaFieldSlots; ++f) {
        if (hana.field[f] >= 0 && !place(hana.field[f])) return Fault("bad field card", f);
    }
    if (hana.stockCount < 0 || hana.stockCount > HanaStockSize)
        return Fault("stock count", hana.stockCount);
    for (int i = HanaStockSize - hana.stockCount; i < HanaStockSize; ++i) {
        if (!place(hana.stock[i])) return Fault("bad stock card at", i);
    }
    for (int card = 0; card < 48; ++card) {
        if (seen[card] == 0) return Fault("card lost:", card);
        if (seen[card] > 1) return Fault("card in two places:", card);
    }
    for (int kind = 0; kind < HanaKinds; ++kind) {
        if (hana.turnCapturedCount[kind] != 0)
            return Fault("turn captures not cleared, kind", kind);
    }
    if (nextPlayer == hana.dealer) {
        int n = hana.handCount[0];
        if (hana.handCount[1] != n || hana.handCount[2] != n || hana.stockCount != 3 * n)
            return Fault("hands and stock out of step at the dealer's turn: hand, stock", n,
                         hana.stockCount);
    }
    return {};
}

std::string HanaCheckSettlement() {
    int taken = 0, left = 0, scores = 0;
    for (int p = 0; p < HanaPlayers; ++p) {
        int points = 0;
        for (int kind = 0; kind < HanaKinds; ++kind) {
            for (int i = 0; i < hana.capturedCount[p][kind]; ++i)
                points += CardValue[hana.captured[p][kind][i]];
        }
        if (points != hana.cardPoints[p]) return Fault("card points wrong for player", p);
        taken += points;
        scores += hana.handScore[p];
    }
    for (int f = 0; f < HanaFieldSlots; ++f) {
        if (hana.field[f] >= 0) left += CardValue[hana.field[f]];
    }
    if (taken + left != 264) return Fault("card points taken and left do not make 264");
    if (scores != taken - 264) return Fault("hand scores do not add up to the points taken - 264");
    return {};
}
