#include "hanaawase/target_scoring.h"

#include <cstdint>

#include "hanaawase/state.h"
#include "hanaawase/tables.h"

namespace {

// What the scoring of one player looks at, gathered once: none of it changes
// while the player's yaku are scored.
struct Table {
    uint64_t inHand = 0;
    unsigned monthsOnField = 0;
    int capturedOfMonth[12] = {};
    int handCount;

    explicit Table(int player) : handCount(hana.handCount[player]) {
        for (int slot = 0; slot < HanaHandSlots; ++slot) {
            if (hana.hands[player][slot] >= 0) inHand |= uint64_t{1} << hana.hands[player][slot];
        }
        for (int f = 0; f < HanaFieldSlots; ++f) {
            if (hana.field[f] >= 0) monthsOnField |= 1u << (hana.field[f] >> 2);
        }
        for (int p = 0; p < HanaPlayers; ++p) {
            for (int kind = 0; kind < HanaKinds; ++kind) {
                for (int i = 0; i < hana.capturedCount[p][kind]; ++i)
                    ++capturedOfMonth[hana.captured[p][kind][i] >> 2];
            }
        }
    }
    bool InHand(int card) const { return inHand >> card & 1; }
    // How much one step of the scoring takes off for the card, or -1 when the
    // step leaves the score alone: a hand card that can take now counts as
    // good as held.
    int Cost(int card) const {
        int month = card >> 2;
        if (InHand(card)) {
            if (monthsOnField >> month & 1) return -1;
            return 5 + 10 * capturedOfMonth[month];
        }
        return 10 + 10 * capturedOfMonth[month];
    }
};

// One step of the scoring for one card. Fewer cards left in hand leave fewer
// turns to gather the rest, so the score is rescaled after every card.
inline void ScoreCard(const Table& table, int card, int& score, int* missing, int& missingCount) {
    int cost = table.Cost(card);
    if (cost < 0) return;
    if (!table.InHand(card)) missing[missingCount++] = card;
    score = (score - cost) * table.handCount / 7;
    if (score < 0) score = 0;
}

}  // namespace

void HanaScoreTargetCard(int player, int yaku, int card) {
    int& score = hana.targetScore[player][yaku];
    if (hana.wanted[player][yaku][0] == HanaNoLongerWanted) {
        score = 0;
        return;
    }
    ScoreCard(Table(player), card, score, hana.missing[player][yaku],
              hana.missingCount[player][yaku]);
}

void HanaScoreTargets(int player) {
    Table table(player);
    for (int t = HanaYakuCount - 1; t >= 0; --t) {
        int* missing = hana.missing[player][t];
        int missingCount = 0;
        int score = 100;
        if (hana.wanted[player][t][0] == HanaNoLongerWanted) {
            // Every card of a yaku no longer wanted zeroes its score.
            score = 0;
        } else {
            const int* cards = YakuTargets[t].cards;
            int count = YakuTargets[t].count;
            if (hana.reach[player][t]) {
                cards = hana.wanted[player][t];
                count = hana.wantedCount[player][t];
                if (count > HanaWantedRoom) count = HanaWantedRoom;
            }
            for (int i = 0; i < count; ++i)
                ScoreCard(table, cards[i], score, missing, missingCount);
        }
        hana.missingCount[player][t] = missingCount;
        hana.targetScore[player][t] = score;
    }
}
