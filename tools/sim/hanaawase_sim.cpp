// kirabo-sim hanaawase --seed S [--games N] [--hands 6|12] [--human first|last]
//                      [--level LEVEL] [--trace] [--check]
//                      [--stop-after K --keep FILE] [--resume FILE]
// kirabo-sim hanaawase --seats LEVEL,LEVEL,LEVEL --seed S [--games N] [--hands 6|12]
//                      [--game-points]
//
// Plays Hana-awase games headless through HanaAwaseStep. The user's side is
// a fixed policy (`first`: hand slot 0 and the lower of two field cards;
// `last`: the last hand card and the higher place); ＣＯＭ１ and ＣＯＭ２ play
// as in the game, at --level gentle, normal (unless given) or strong.
// Dialogs are acknowledged at once. With --trace every deal, play, made yaku
// and settlement is printed, one line each; otherwise one summary line with
// the speed.
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "cards/random.h"
#include "core/program.h"
#include "core/shell.h"
#include "hanaawase/flow.h"
#include "hanaawase/invariants.h"
#include "hanaawase/saved_game.h"
#include "hanaawase/self_play.h"
#include "hanaawase/state.h"
#include "hanaawase/view.h"
#include "platform/clock.h"
#include "tools/sim/arena_stats.h"
#include "tools/sim/keeping.h"

int RunHanaAwaseArena(const int levels[3], uint32_t seed, long games, bool gamePoints);

namespace {

struct SimOptions {
    uint32_t seed = 0;
    bool seedGiven = false;
    long games = 1;
    int hands = 12;
    bool humanFirst = true;
    bool trace = false;
    bool check = false;       // verify every turn and every settled hand
    bool gamePoints = false;  // with --seats: each game's points per hand too
    KeepOptions keep;
    int level = 1;                // ＣＯＭ１'s and ＣＯＭ２'s, with --level
    int seats[3] = {-1, -1, -1};  // levels, with --seats: an arena instead
};

int Usage() {
    std::fprintf(stderr,
                 "usage: kirabo-sim hanaawase --seed S [--games N] [--hands 6|12] "
                 "[--human first|last] [--level LEVEL] [--trace] [--check] "
                 "[--stop-after K --keep FILE] [--resume FILE]\n"
                 "       kirabo-sim hanaawase --seats LEVEL,LEVEL,LEVEL --seed S [--games N] "
                 "[--hands 6|12] [--game-points]\n");
    return 2;
}

bool ParseNumber(const char* text, unsigned long long limit, unsigned long long& value) {
    if (!text || !*text) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && *end == '\0' && text[0] != '-' && value <= limit;
}

bool ParseOptions(int argc, char** argv, SimOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        unsigned long long number = 0;
        if (std::strcmp(arg, "--trace") == 0) {
            options.trace = true;
            continue;
        }
        if (std::strcmp(arg, "--check") == 0) {
            options.check = true;
            continue;
        }
        if (std::strcmp(arg, "--game-points") == 0) {
            options.gamePoints = true;
            continue;
        }
        if (!value) return false;
        ++i;
        if (std::strcmp(arg, "--seed") == 0) {
            if (!ParseNumber(value, 0xFFFFFFFFull, number)) return false;
            options.seed = static_cast<uint32_t>(number);
            options.seedGiven = true;
        } else if (std::strcmp(arg, "--games") == 0) {
            if (!ParseNumber(value, 100000000ull, number) || number == 0) return false;
            options.games = static_cast<long>(number);
        } else if (std::strcmp(arg, "--hands") == 0) {
            if (std::strcmp(value, "6") == 0) {
                options.hands = 6;
            } else if (std::strcmp(value, "12") == 0) {
                options.hands = 12;
            } else {
                return false;
            }
        } else if (std::strcmp(arg, "--seats") == 0) {
            if (ParseSeats(value, options.seats, 3) != 3) return false;
        } else if (std::strcmp(arg, "--level") == 0) {
            if (ParseSeats(value, &options.level, 1) != 1) return false;
        } else if (std::strcmp(arg, "--human") == 0) {
            if (std::strcmp(value, "first") == 0) {
                options.humanFirst = true;
            } else if (std::strcmp(value, "last") == 0) {
                options.humanFirst = false;
            } else {
                return false;
            }
        } else if (int keeping = ParseKeepOption(arg, value, options.keep); keeping != 0) {
            if (keeping < 0) return false;
        } else {
            return false;
        }
    }
    if (options.gamePoints && options.seats[0] < 0) return false;  // an arena's option
    return options.seedGiven && KeepOptionsValid(options.keep);
}

// Prints the trace from the engine's notices; every dialog is acknowledged
// by returning at once.
class TraceView : public HanaView {
  public:
    explicit TraceView(bool trace) : trace_(trace) {}
    long game = 0;
    long handsPlayed = 0;

    void HanaGameStarted() override {
        if (trace_) std::printf("game %ld dealer %d\n", game, hana.dealer);
    }
    void HanaHandDealt() override {
        if (!trace_) return;
        std::printf("hand %d dealer %d deck", hana.handsCompleted, hana.dealer);
        for (int card : hana.deck) std::printf(" %d", card);
        std::printf("\n");
    }
    void HanaCardPlayed(int player, int handSlot, int card, const int* taken,
                        int takenCount) override {
        if (!trace_) return;
        std::printf("play %d %s %d take", player, handSlot == HanaDrawnSlot ? "draw" : "hand",
                    card);
        if (takenCount == 0) std::printf(" -");
        for (int i = 0; i < takenCount; ++i) std::printf(" %d", taken[i]);
        std::printf("\n");
    }
    void HanaHandEnded(int nextDealer) override {
        ++handsPlayed;
        if (check && fault.empty()) fault = HanaCheckSettlement();
        if (!trace_) return;
        for (int p = 0; p < HanaPlayers; ++p) {
            bool any = false;
            for (int t = 0; t < HanaYakuCount; ++t) {
                if (!hana.madeYaku[p][t]) continue;
                if (!any) std::printf("made %d", p);
                any = true;
                std::printf(" %d", t);
            }
            if (any) std::printf("\n");
        }
        const int *c = hana.cardPoints, *y = hana.yakuPoints, *s = hana.handScore,
                  *t = hana.totalScore;
        std::printf(
            "end %d cards %d %d %d yaku %d %d %d scores %d %d %d totals %d %d %d dealer %d\n",
            hana.handsCompleted, c[0], c[1], c[2], y[0], y[1], y[2], s[0], s[1], s[2], t[0], t[1],
            t[2], nextDealer);
    }
    void HanaGameOver() override {
        if (!trace_) return;
        const int* t = hana.totalScore;
        std::printf("over totals %d %d %d\n", t[0], t[1], t[2]);
    }

    bool check = false;
    std::string fault;

  private:
    bool trace_;
};

// The player whose turn begins now, or -1 in the middle of one.
int TurnStarting() {
    if (gameState == HanaUserTurn && subState == 0) return 0;
    if (gameState == HanaCom1Turn) return 1;
    if (gameState == HanaCom2Turn) return 2;
    return -1;
}

}  // namespace

int RunHanaAwaseSim(int argc, char** argv) {
    SimOptions options;
    if (!ParseOptions(argc, argv, options)) return Usage();

    if (options.seats[0] >= 0) {
        currentGame = 1;
        handsOption = options.hands == 6 ? 0 : 1;
        return RunHanaAwaseArena(options.seats, options.seed, options.games, options.gamePoints);
    }
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);

    // As if the clock had read the seed at start-up. Waits pass at once: the
    // fake clock jumps a second at every pause of a busy wait.
    SeedRandom(options.seed);
    platform::FakeClock clock(options.seed, 1000);
    platform::SetClock(&clock);

    comLevel = options.level;
    TraceView view(options.trace);
    view.check = options.check;
    SetHanaView(&view);
    currentGame = 1;
    handsOption = options.hands == 6 ? 0 : 1;
    soundEffectsOn = 0;
    animationOn = 1;
    showCapturableOn = 0;

    // The speed is measured on the processor time the run used, so that it
    // says how fast the engine is on one core even while other programs
    // share the machine; the wall-clock time is given beside it.
    auto start = std::chrono::steady_clock::now();
    std::clock_t cpuStart = std::clock();
    CountingShell shell;
    InstallShell(&shell);
    long firstGame = 1;
    bool resumed = !options.keep.resumePath.empty();
    if (resumed && !ResumeSimGame(options.keep.resumePath, firstGame, HanaReadGame)) return 1;
    for (long g = firstGame; g <= options.games; ++g) {
        view.game = g;
        if (!resumed) {
            gameState = 0;
            subState = 0;
        }
        resumed = false;
        while (gameState != -1) {
            if (options.keep.stopAfter > 0 && shell.progressed == options.keep.stopAfter) {
                InstallShell(nullptr);
                bool kept = KeepSimGame(options.keep.keepPath, g, HanaWriteGame);
                std::fflush(stdout);
                return kept ? 0 : 1;
            }
            HanaChooseForUser(options.humanFirst ? SelfPlayPolicy::First : SelfPlayPolicy::Last);
            HanaAwaseStep();
            if (options.check && view.fault.empty() && TurnStarting() >= 0)
                view.fault = HanaCheckBetweenTurns(TurnStarting());
            if (!view.fault.empty()) {
                std::fprintf(stderr, "kirabo-sim: game %ld: %s\n", g, view.fault.c_str());
                return 1;
            }
        }
    }
    double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    if (!options.trace) {
        double rate = cpuSeconds > 0 ? view.handsPlayed / cpuSeconds : 0;
        std::printf(
            "hanaawase seed %u games %ld hands %ld seconds %.3f cpu_seconds %.3f "
            "hands_per_second %.0f\n",
            options.seed, options.games, view.handsPlayed, seconds, cpuSeconds, rate);
    }
    std::fflush(stdout);
    SetHanaView(nullptr);
    platform::SetClock(nullptr);
    InstallShell(nullptr);
    return 0;
}
