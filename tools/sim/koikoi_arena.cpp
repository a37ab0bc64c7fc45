// kirabo-sim koikoi --seats A,B: both seats played by computer levels, seat 0
// in the human's place in the flow and seat 1 as the computer. Games
// alternate who deals the first hand. Prints, per seat, the games won and
// the mean 文 per hand with its 95 % interval, and how long each level took
// to decide.
#include <cstdio>

#include "cards/decision_timing.h"
#include "cards/random.h"
#include "core/program.h"
#include "koikoi/com_levels.h"
#include "koikoi/flow.h"
#include "koikoi/state.h"
#include "koikoi/view.h"
#include "platform/clock.h"
#include "tools/sim/arena_stats.h"

namespace {

class ArenaView : public KoiKoiView {
  public:
    explicit ArenaView(int seat0Level) : seat0Level_(seat0Level) {}
    int YakuMadeDialog(int player, int comAnswer) override {
        return player == 0 ? DecidesToStopAtLevel(seat0Level_, 0) : comAnswer;
    }

  private:
    int seat0Level_;
};

// Sets the input the human's step waits for, chosen by seat 0's level.
void ActForSeat0(int level) {
    if (gameState == 7) {
        choiceConfirmed = 1;
        return;
    }
    if (gameState != 3) return;
    if (subState == 1) {
        cursorSlot = ChooseCardAtLevel(level, 0);
        choiceConfirmed = 1;
        return;
    }
    int slot = subState == 2 ? koi.selectedHandSlot : subState == 4 ? DrawnSlot : -1;
    if (slot < 0 || koi.matchCount[0][slot] != 2) return;
    const int* m = koi.matchSlots[0][slot];
    int chosen =
        ChooseFieldCardAtLevel(level, 0, koi.hands[0][slot], slot == DrawnSlot, m[0], m[1]);
    cursorSlot = chosen == m[0] ? 0 : 1;
    choiceConfirmed = 1;
}

}  // namespace

int RunKoiKoiArena(const int levels[2], uint32_t seed, long games) {
    if (levels[0] == 1) {
        std::fprintf(stderr, "kirabo-sim: seat 0 plays gentle or strong; normal is seat 1's\n");
        return 2;
    }
    platform::FakeClock clock(0, 1000);
    platform::SetClock(&clock);
    SeedRandom(seed);
    ComRandomOf(0).Seed(seed * 2 + 1);
    ComRandomOf(1).Seed(seed * 2 + 2);
    comLevel = levels[1];
    static DecisionTimes times;
    times = DecisionTimes{};
    SetDecisionTimes(&times);
    ArenaView view(levels[0]);
    SetKoiKoiView(&view);

    long won[2] = {0, 0};
    long hands = 0;
    MeanWithInterval perHand[2], lead;
    for (long g = 0; g < games; ++g) {
        gameState = 0;
        subState = 0;
        while (gameState != -1) {
            ActForSeat0(levels[0]);
            int before = gameState;
            KoiKoiStep();
            if (before == 1) koi.dealer = static_cast<int>(g & 1);
            if (before == 6) {
                int played = koi.handIndex + 1;
                hands += played;
                for (int p = 0; p < 2; ++p) {
                    perHand[p].Add(static_cast<double>(koi.gameTotal[p]) / played);
                    won[p] += koi.gameTotal[p] > koi.gameTotal[p ^ 1];
                }
                lead.Add(static_cast<double>(koi.gameTotal[0] - koi.gameTotal[1]) / played);
            }
        }
    }
    SetKoiKoiView(nullptr);
    SetDecisionTimes(nullptr);
    platform::SetClock(nullptr);

    std::printf("koikoi arena seed %u games %ld hands %ld\n", seed, games, hands);
    for (int p = 0; p < 2; ++p) {
        std::printf("seat %d %-6s won %ld (%.1f%%) mon_per_hand %.3f ci95 [%.3f, %.3f]\n", p,
                    LevelName(levels[p]), won[p], games > 0 ? 100.0 * won[p] / games : 0.0,
                    perHand[p].Mean(), perHand[p].Low(), perHand[p].High());
    }
    std::printf("drawn %ld\n", games - won[0] - won[1]);
    std::printf("seat0_lead_per_hand %.3f ci95 [%.3f, %.3f]\n", lead.Mean(), lead.Low(),
                lead.High());
    for (int level = 0; level < ComLevels; ++level) {
        if (times.count[level] == 0) continue;
        std::printf("decisions %-6s count %ld mean_ms %.3f p99_ms %.2f\n", LevelName(level),
                    times.count[level], times.MeanMs(level), times.P99Ms(level));
    }
    return 0;
}
