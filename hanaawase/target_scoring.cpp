#include "hanaawase/target_scoring.h"

#include <cstdint>

#include "hanaawase/state.h"
#include "hanaawase/tables.h"

namespace {

// What the scoring of one player looks at, gathered once: none of it changes
// while the player's yaku are scored.
struct Table {
    uint64_t inHand = 0;
    int fieldMonths = 0;  // bit m: a field card of month m lies down
    int capturedOfMonth[12] = {};
    int handCount = 0;

    explicit Table(int player) {
        for (int slot = 0; slot < HanaHandSlots; ++slot) {
            if (hana.hands[player][slot] >= 0) inHand |= uint64_t{1} << hana.hands[player][slot];
        }
        for (int f = 0; f < HanaFieldSlots; ++f) {
            if (hana.field[f] >= 0) fieldMonths |= 1 << hana.field[f] / 4;
        }
        for (int p = 0; p < HanaPlayers; ++p) {
            for (int kind = 0; kind < HanaKinds; ++kind) {
                for (int i = 0; i < hana.capturedCount[p][kind]; ++i)
                    ++capturedOfMonth[hana.captured[p][kind][i] / 4];
            }
        }
        handCount = hana.handCount[player];
    }
};

void ScoreCard(const Table& table, int player, int yaku, int card) {
    int& score = hana.targetScore[player][yaku];
    if (hana.wanted[player][yaku][0] == HanaNoLongerWanted) {
        score = 0;
        return;
    }
    int month = card / 4;
    if (table.inHand >> card & 1) {
        // A hand card that can take now counts as good as held.
        if (table.fieldMonths >> month & 1) return;
        score -= 5;
    } else {
        score -= 10;
        hana.missing[player][yaku][hana.missingCount[player][yaku]++] = card;
    }
    score -= 10 * table.capturedOfMonth[month];
    // Fewer cards left in hand leave fewer turns to gather the rest; the
    // scaling applies again after every card.
    score = score * table.handCount / 7;
    if (score < 0) score = 0;
}

}  // namespace

void HanaScoreTargetCard(int player, int yaku, int card) {
    ScoreCard(Table(player), player, yaku, card);
}

void HanaScoreTargets(int player) {
    Table table(player);
    for (int t = HanaYakuCount - 1; t >= 0; --t) {
        hana.missingCount[player][t] = 0;
        hana.targetScore[player][t] = 100;
        if (!hana.reach[player][t]) {
            const HanaYakuCards& set = YakuTargets[t];
            for (int i = 0; i < set.count; ++i) ScoreCard(table, player, t, set.cards[i]);
        } else {
            int count = hana.wantedCount[player][t];
            for (int i = 0; i < count && i < HanaWantedRoom; ++i)
                ScoreCard(table, player, t, hana.wanted[player][t][i]);
        }
    }
}
