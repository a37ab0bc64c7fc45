#include "hanaawase/inference.h"

#include <bit>

#include "core/program.h"
#include "hanaawase/state.h"
#include "hanaawase/tables.h"

namespace {

constexpr HanaCardSet AllCards = (HanaCardSet{1} << 48) - 1;

HanaCardSet SameMonth(int card) {
    return HanaCardSet{15} << (card & ~3);
}

struct YakuSets {
    HanaCardSet of[HanaYakuCount] = {};
    YakuSets() {
        for (int t = 0; t < HanaYakuCount; ++t)
            for (int i = 0; i < YakuTargets[t].count; ++i)
                of[t] |= HanaCardBit(YakuTargets[t].cards[i]);
    }
};
const YakuSets yakuSets;

// The table as every seat sees it.
struct Seen {
    HanaCardSet field = 0;
    HanaCardSet taken = 0;
    int held[HanaPlayers][HanaYakuCount];
    bool reached[HanaPlayers][HanaYakuCount];
    bool anyReached[HanaPlayers] = {};
    int inPlay[HanaYakuCount];

    Seen() {
        HanaCardSet pile[HanaPlayers] = {};
        for (int p = 0; p < HanaPlayers; ++p) {
            for (int k = 0; k < HanaKinds; ++k)
                for (int i = 0; i < hana.capturedCount[p][k]; ++i)
                    pile[p] |= HanaCardBit(hana.captured[p][k][i]);
            taken |= pile[p];
        }
        for (int card : hana.field) field |= HanaCardBit(card);
        for (int t = 0; t < HanaYakuCount; ++t) inPlay[t] = std::popcount(yakuSets.of[t] & ~taken);
        for (int p = 0; p < HanaPlayers; ++p) {
            for (int t = 0; t < HanaYakuCount; ++t) {
                held[p][t] = std::popcount(pile[p] & yakuSets.of[t]);
                // Reach is dropped when none of the yaku's cards is left.
                reached[p][t] = held[p][t] == HanaReachCount[t] && inPlay[t] > 0;
                anyReached[p] = anyReached[p] || reached[p][t];
            }
        }
    }

    // The wanted lists are rebuilt at every capture from the cards in play,
    // field first, then stock and hands in their hidden order, two a yaku;
    // the field card just taken still counts, so it may fill one place. A
    // player with no reach at all keeps the lists of its last reach.
    bool SurelyWanted(int p, int t, int card) const {
        return (yakuSets.of[t] & HanaCardBit(card)) && reached[p][t] &&
               inPlay[t] + 1 <= HanaWantedRoom;
    }
    bool MaybeWanted(int p, int t, int card) const {
        if (!(yakuSets.of[t] & HanaCardBit(card))) return false;
        return reached[p][t] || (!anyReached[p] && held[p][t] >= HanaReachCount[t]);
    }
    bool MaybeWantedByAnyone(int card) const {
        for (int p = 0; p < HanaPlayers; ++p)
            for (int t = 0; t < HanaYakuCount; ++t)
                if (MaybeWanted(p, t, card)) return true;
        return false;
    }
    bool SurelyWantedByAnyone(int card) const {
        for (int p = 0; p < HanaPlayers; ++p)
            for (int t = 0; t < HanaYakuCount; ++t)
                if (SurelyWanted(p, t, card)) return true;
        return false;
    }
};

// The rules rank captures by the highest yaku wanting the field card, then
// the points of both cards (the field card's twice), then the field card's
// capture rank; a hand card counts with its best capture.
struct Key {
    int yaku = -3;  // below any capture: nothing to take
    int value = 0;
    int rank = 0;
    bool operator>(const Key& o) const {
        if (yaku != o.yaku) return yaku > o.yaku;
        if (value != o.value) return value > o.value;
        return rank > o.rank;
    }
};

// `upper`: the highest the key can be whatever the hidden lists hold;
// otherwise the lowest.
Key BestCapture(const Seen& seen, int p, int card, bool upper) {
    Key best;
    for (HanaCardSet same = seen.field & SameMonth(card); same; same &= same - 1) {
        int fieldCard = std::countr_zero(same);
        Key key{-1, CardValue[card] + 2 * CardValue[fieldCard], CaptureRank[fieldCard]};
        for (int t = HanaYakuCount - 1; t >= 0 && key.yaku < 0; --t) {
            if (upper ? seen.MaybeWanted(p, t, fieldCard) : seen.SurelyWanted(p, t, fieldCard))
                key.yaku = t;
        }
        if (key > best) best = key;
    }
    return best;
}

// Whether the rules could have thrown `card` away as part of a month nobody
// can take: all four in hand, or two in hand and the other two taken.
bool MaybeDeadMonth(const Seen& seen, HanaCardSet hidden, int card) {
    int others = std::popcount(hidden & SameMonth(card));
    int taken = std::popcount(seen.taken & SameMonth(card));
    return others == 3 || (taken == 2 && others >= 1);
}

bool ThrownBefore(int a, int b) {
    return CardValue[a] < CardValue[b] ||
           (CardValue[a] == CardValue[b] && KeepRank[a] < KeepRank[b]);
}

}  // namespace

HanaCardSet HanaRuledOutByPlay(int player, int card) {
    const Seen seen;
    const HanaCardSet hidden = AllCards & ~(seen.taken | seen.field | HanaCardBit(card));
    HanaCardSet out = 0;
    if (seen.field & SameMonth(card)) {
        // Ties go by hand order, which nobody sees: only a strictly better
        // capture rules a card out.
        const Key played = BestCapture(seen, player, card, true);
        for (HanaCardSet left = hidden; left; left &= left - 1) {
            int h = std::countr_zero(left);
            if (BestCapture(seen, player, h, false) > played) out |= HanaCardBit(h);
        }
        return out;
    }
    // A throw-away: nothing in hand takes a field card.
    for (HanaCardSet left = seen.field; left; left &= left - 1)
        out |= hidden & SameMonth(std::countr_zero(left));
    if (MaybeDeadMonth(seen, hidden, card)) return out;
    // The cheapest card nobody wants went; a wanted card only when every
    // card in hand was wanted, and then the cheapest of all.
    const bool wanted = seen.SurelyWantedByAnyone(card);
    for (HanaCardSet left = hidden; left; left &= left - 1) {
        int h = std::countr_zero(left);
        bool cheaper = ThrownBefore(h, card);
        bool unwanted = !seen.MaybeWantedByAnyone(h);
        if ((unwanted && (cheaper || wanted)) || (wanted && cheaper)) out |= HanaCardBit(h);
    }
    return out;
}

bool HanaPlaysBySpecifiedRules(int player) {
    return player != 0 && comLevel == 1;
}
