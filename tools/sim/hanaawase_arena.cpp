// kirabo-sim hanaawase --seats A,B,C: seat 0 in the user's place played by a
// computer level, ＣＯＭ１ and ＣＯＭ２ at one level between them (the game
// has one setting for both). Games rotate the first dealer. Prints, per
// seat, the games won and the mean points per hand with its 95 % interval,
// and how long each level took to decide. With --game-points, also each
// game's points per hand as it ends: the deals of a seed do not depend on
// the play, so two versions can be compared game by game.
#include <cstdio>

#include "cards/decision_timing.h"
#include "cards/random.h"
#include "core/program.h"
#include "hanaawase/com_levels.h"
#include "hanaawase/flow.h"
#include "hanaawase/state.h"
#include "hanaawase/view.h"
#include "platform/clock.h"
#include "tools/sim/arena_stats.h"

namespace {

void ActForSeat0(int level) {
    if (gameState == HanaFinalWait) {
        pointerClicked = 1;
        return;
    }
    if (gameState != HanaUserTurn) return;
    if (subState == 1) {
        cursorSlot = HanaChooseHandCardAtLevel(level, 0);
        choiceConfirmed = 1;
        return;
    }
    int slot = subState == 2 ? hana.chosenHandSlot : subState == 4 ? HanaDrawnSlot : -1;
    if (slot < 0 || hana.matchCount[0][slot] != 2) return;
    const int* m = hana.matchSlots[0][slot];
    int chosen = HanaChooseFieldCardAtLevel(level, 0, hana.hands[0][slot], slot == HanaDrawnSlot,
                                            m[0], m[1]);
    cursorSlot = chosen == m[0] ? 0 : 1;
    choiceConfirmed = 1;
}

}  // namespace

int RunHanaAwaseArena(const int levels[3], uint32_t seed, long games, bool gamePoints) {
    if (levels[0] == 1 || levels[1] != levels[2]) {
        std::fprintf(stderr,
                     "kirabo-sim: seat 0 plays gentle or strong; seats 1 and 2 share one level\n");
        return 2;
    }
    SeedRandom(seed);
    platform::FakeClock clock(seed, 1000);
    platform::SetClock(&clock);
    for (int p = 0; p < HanaPlayers; ++p) HanaComRandomOf(p).Seed(seed * 3 + p + 1);
    comLevel = levels[1];
    static DecisionTimes times;
    times = DecisionTimes{};
    SetDecisionTimes(&times);
    HanaView view;
    SetHanaView(&view);
    soundEffectsOn = 0;
    animationOn = 1;
    showCapturableOn = 0;

    long won[HanaPlayers] = {};
    long hands = 0;
    MeanWithInterval perHand[HanaPlayers];
    for (long g = 0; g < games; ++g) {
        gameState = 0;
        subState = 0;
        while (gameState != -1) {
            ActForSeat0(levels[0]);
            int before = gameState;
            HanaAwaseStep();
            if (before == HanaGameStart) hana.dealer = static_cast<int>(g % HanaPlayers);
            if (before == HanaGameEnd) {
                int played = hana.handsCompleted + 1;
                hands += played;
                const int* t = hana.totalScore;
                for (int p = 0; p < HanaPlayers; ++p) {
                    perHand[p].Add(static_cast<double>(t[p]) / played);
                    won[p] += t[p] > t[(p + 1) % 3] && t[p] > t[(p + 2) % 3];
                }
                if (gamePoints)
                    std::printf("game %ld points_per_hand %.3f %.3f %.3f\n", g,
                                static_cast<double>(t[0]) / played,
                                static_cast<double>(t[1]) / played,
                                static_cast<double>(t[2]) / played);
            }
        }
    }
    SetHanaView(nullptr);
    SetDecisionTimes(nullptr);
    platform::SetClock(nullptr);

    std::printf("hanaawase arena seed %u games %ld hands %ld\n", seed, games, hands);
    for (int p = 0; p < HanaPlayers; ++p) {
        std::printf("seat %d %-6s won %ld (%.1f%%) points_per_hand %.3f ci95 [%.3f, %.3f]\n", p,
                    LevelName(levels[p]), won[p], games > 0 ? 100.0 * won[p] / games : 0.0,
                    perHand[p].Mean(), perHand[p].Low(), perHand[p].High());
    }
    for (int level = 0; level < ComLevels; ++level) {
        if (times.count[level] == 0) continue;
        std::printf("decisions %-6s count %ld mean_ms %.3f p99_ms %.2f\n", LevelName(level),
                    times.count[level], times.MeanMs(level), times.P99Ms(level));
    }
    return 0;
}
