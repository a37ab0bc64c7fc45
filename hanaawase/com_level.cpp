// Every choice of a Hana-awase computer goes through here, by level: ふつう
// is the rules of com_choice.h as they stand; やさしい and つよい see only
// the seat's observation.
#include "cards/decision_timing.h"
#include "hanaawase/com_choice.h"
#include "hanaawase/com_levels.h"
#include "hanaawase/play.h"

namespace {

ComRandom seatRandom[HanaPlayers] = {ComRandom(11), ComRandom(12), ComRandom(13)};
int plannedCard[HanaPlayers] = {-1, -1, -1};
int plannedTarget[HanaPlayers] = {-1, -1, -1};

}  // namespace

ComRandom& HanaComRandomOf(int player) {
    return seatRandom[player % HanaPlayers];
}

int HanaChooseHandCardAtLevel(int level, int player) {
    DecisionTimer timer(level);
    plannedCard[player] = -1;
    if (level == 1) return HanaChooseHandCard(player);
    // The play of the chosen slot follows the matches of the table as it is.
    HanaFindMatches(player);
    HanaObservation o = ObserveHanaAwase(player);
    if (level == 0) return HanaGentleChooseCard(o);
    int slot = HanaStrongChooseCard(o, HanaComRandomOf(player), plannedTarget[player]);
    plannedCard[player] = o.hand[slot];
    return slot;
}

int HanaChooseFieldCardAtLevel(int level, int player, int card, bool drawn, int a, int b) {
    if (level == 1) {
        DecisionTimer timer(level);
        return HanaChooseFieldCard(player, a, b);
    }
    if (level == 2 && !drawn && card == plannedCard[player]) {
        // Decided with the hand card.
        if (hana.field[a] == plannedTarget[player]) return a;
        if (hana.field[b] == plannedTarget[player]) return b;
    }
    DecisionTimer timer(level);
    HanaObservation o = ObserveHanaAwase(player, card);
    if (level == 0) return HanaGentleChooseFieldCard(o, a, b);
    return HanaStrongChooseFieldCard(o, card, drawn, a, b, HanaComRandomOf(player));
}
