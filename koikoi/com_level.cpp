// Every decision of a computer seat goes through here, by level: ふつう is
// the specified opponent as it stands; やさしい and つよい see only the
// seat's observation.
#include "cards/decision_timing.h"
#include "core/program.h"
#include "koikoi/com.h"
#include "koikoi/com_levels.h"
#include "koikoi/rules.h"

namespace {

ComRandom seatRandom[2] = {ComRandom(1), ComRandom(2)};

// The field card つよい chose along with its hand card, for the same card.
int plannedCard[2] = {-1, -1};
int plannedTarget[2] = {-1, -1};

}  // namespace

ComRandom& ComRandomOf(int seat) {
    return seatRandom[seat & 1];
}

int ChooseCardAtLevel(int level, int seat) {
    DecisionTimer timer(level);
    plannedCard[seat] = -1;
    if (level == 1) return ChooseComCard();
    // The play of the chosen slot follows the matches of the table as it is.
    ComputeMatches(seat);
    KoiObservation o = ObserveKoiKoi(seat);
    if (level == 0) return GentleChooseCard(o);
    int slot = StrongChooseCard(o, ComRandomOf(seat), plannedTarget[seat]);
    plannedCard[seat] = o.hand[slot];
    return slot;
}

int ChooseFieldCardAtLevel(int level, int seat, int card, bool drawn, int a, int b) {
    if (level == 1) {
        DecisionTimer timer(level);
        return ChooseComFieldCard(seat, a, b);
    }
    if (level == 2 && !drawn && card == plannedCard[seat]) {
        // Decided with the hand card.
        if (koi.field[a] == plannedTarget[seat]) return a;
        if (koi.field[b] == plannedTarget[seat]) return b;
    }
    DecisionTimer timer(level);
    KoiObservation o = ObserveKoiKoi(seat, card);
    if (level == 0) return GentleChooseFieldCard(o, a, b);
    return StrongChooseFieldCard(o, card, drawn, a, b, ComRandomOf(seat));
}

int DecidesToStopAtLevel(int level, int seat) {
    if (koi.handCount[seat] == 0) return 1;
    DecisionTimer timer(level);
    if (level == 1) return ComDecidesToStop(seat);
    if (level == 0) return 1;
    return StrongDecidesToStop(ObserveKoiKoi(seat), ComRandomOf(seat));
}
