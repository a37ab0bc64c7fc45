// Filing a captured card: into its pile and the turn's captures, marking
// the yaku it completes, then bringing the reach state and the computer's
// estimates up to date.
#include "cards/cards.h"
#include "koikoi/com.h"
#include "koikoi/reach.h"
#include "koikoi/rules.h"
#include "koikoi/state.h"

namespace {

void AddToPiles(int p, int card) {
    int k = CategoryOf(card);
    koi.piles[p][k][koi.pileCount[p][k]++] = card;
    koi.turnCaptures[k][koi.turnCaptureCount[k]++] = card;
}

void MarkMade(int p, int y) {
    koi.yakuMade[p][y] = 1;
    koi.yakuAnnounced[p] = 1;
}

// The reach lists still describe the position before this capture.
void MarkYakuCompletedBy(int p, int card) {
    for (int y = 0; y < YakuCount; ++y)
        if (koi.yakuReach[p][y] && ListHolds(koi.reachCards[p][y], koi.reachCardCount[p][y], card))
            MarkMade(p, y);
}

}  // namespace

int CaptureCard(int p, int card) {
    return FileCapture(p, card, LastCapture);
}

// When another capture of the same play follows at once, the opponent's
// reach state and both players' estimates are left for the last capture to
// compute: they depend only on the position, nothing reads them in between,
// and the opponent's reach flags cannot change while this player captures.
// The player's own reach state is kept current: the next capture is judged
// by it.
int FileCapture(int p, int card, CaptureOrder order) {
    AddToPiles(p, card);
    MarkYakuCompletedBy(p, card);
    if (order == CaptureFollows) {
        UpdateReach(p);
        return 1;
    }
    UpdateReachOfBoth(p);
    EstimateYakuChancesOfBoth(p);
    return 1;
}

int CaptureTwoCards(int p, int played, int taken) {
    // Nothing moves on the table between the two captures, so both see the
    // same cards in play. The lists the first capture would leave are only
    // needed to judge the taken card, which lies on the field: it stands in
    // the list of every set flag whose yaku it qualifies for. They are
    // built only if the second capture leaves no flag set, since the lists
    // then stay as they were.
    LiveCards live;
    GatherLive(live);

    AddToPiles(p, played);
    MarkYakuCompletedBy(p, played);
    bool inReachBetween = SetReachFlags(p);
    int flagsBetween[YakuCount];
    for (int y = 0; y < YakuCount; ++y) flagsBetween[y] = koi.yakuReach[p][y];
    bool willowBetween = HasWillow(p);

    AddToPiles(p, taken);
    if (inReachBetween) {
        CardSet wanted[YakuCount];
        ReachCardsWanted(willowBetween, wanted);
        for (int y = 0; y < YakuCount; ++y)
            if (flagsBetween[y] && (wanted[y] & CardBit(taken))) MarkMade(p, y);
    }
    bool inReach = SetReachFlags(p);
    if (inReach)
        CollectFrom(p, koi.yakuReach[p], HasWillow(p), live);
    else if (inReachBetween)
        CollectFrom(p, flagsBetween, willowBetween, live);
    if (SetReachFlags(p ^ 1)) CollectFrom(p ^ 1, koi.yakuReach[p ^ 1], HasWillow(p ^ 1), live);
    // Every card out of play lies in a pile; the taken card is on the field
    // and in a pile, but its month is captured with the played card anyway.
    constexpr CardSet AllCards = (CardSet{1} << CardCount) - 1;
    EstimateYakuChancesOfBoth(p, live.onField, AllCards & ~live.all);
    return 1;
}
