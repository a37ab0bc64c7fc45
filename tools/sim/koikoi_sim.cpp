// kirabo-sim koikoi: whole Koi-Koi games headless through KoiKoiStep, the
// human's side played by a fixed policy, the computer by its own rules.
//
//   kirabo-sim koikoi --seed S [--games N] [--hands 6|12] [--sake 0|1|2]
//                     [--oyaken 0|1] [--human first|last] [--level LEVEL]
//                     [--trace] [--check] [--stop-after K --keep FILE]
//                     [--resume FILE]
//   kirabo-sim koikoi --seats LEVEL,LEVEL --seed S [--games N] [--hands 6|12]
//                     [--sake 0|1|2] [--oyaken 0|1]
//
// --level sets the computer's level (gentle, normal, strong; normal unless
// given), as the menu does in the window.
//
// --seats plays both seats by computer levels (gentle, normal, strong) and
// prints the arena's summary instead (koikoi_arena.cpp).
//
// --check verifies the game between every two turns (every card in one
// place, piles sorted, hands packed, totals the sums of the hand scores) and
// stops with status 1 at the first fault.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "cards/random.h"
#include "core/program.h"
#include "core/shell.h"
#include "koikoi/flow.h"
#include "koikoi/invariants.h"
#include "koikoi/saved_game.h"
#include "koikoi/self_play.h"
#include "koikoi/state.h"
#include "koikoi/view.h"
#include "platform/clock.h"
#include "tools/sim/arena_stats.h"
#include "tools/sim/keeping.h"

int RunKoiKoiArena(const int levels[2], uint32_t seed, long games);

namespace {

struct Options {
    uint32_t seed = 0;
    bool seedGiven = false;
    long games = 1;
    int hands = 12;
    int sake = 1;
    int oyaken = 0;
    SelfPlayPolicy human = SelfPlayPolicy::First;
    bool trace = false;
    bool check = false;
    KeepOptions keep;
    int level = 1;            // the computer's, with --level
    int seats[2] = {-1, -1};  // levels, with --seats
};

bool ParseNumber(const char* text, long low, long high, long& value) {
    if (!text || !*text) return false;
    char* end = nullptr;
    long long v = std::strtoll(text, &end, 10);
    if (*end != '\0' || v < low || v > high) return false;
    value = static_cast<long>(v);
    return true;
}

bool ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        long v = 0;
        if (std::strcmp(arg, "--trace") == 0) {
            o.trace = true;
            continue;
        }
        if (std::strcmp(arg, "--check") == 0) {
            o.check = true;
            continue;
        }
        if (std::strcmp(arg, "--seed") == 0) {
            if (!ParseNumber(value, 0, 4294967295L, v)) return false;
            o.seed = static_cast<uint32_t>(v);
            o.seedGiven = true;
        } else if (std::strcmp(arg, "--games") == 0) {
            if (!ParseNumber(value, 0, 1000000000L, o.games)) return false;
        } else if (std::strcmp(arg, "--hands") == 0) {
            if (!ParseNumber(value, 6, 12, v) || (v != 6 && v != 12)) return false;
            o.hands = static_cast<int>(v);
        } else if (std::strcmp(arg, "--sake") == 0) {
            if (!ParseNumber(value, 0, 2, v)) return false;
            o.sake = static_cast<int>(v);
        } else if (std::strcmp(arg, "--oyaken") == 0) {
            if (!ParseNumber(value, 0, 1, v)) return false;
            o.oyaken = static_cast<int>(v);
        } else if (std::strcmp(arg, "--seats") == 0) {
            if (!value || ParseSeats(value, o.seats, 2) != 2) return false;
        } else if (std::strcmp(arg, "--level") == 0) {
            if (!value || ParseSeats(value, &o.level, 1) != 1) return false;
        } else if (std::strcmp(arg, "--human") == 0) {
            if (!value || (std::strcmp(value, "first") != 0 && std::strcmp(value, "last") != 0))
                return false;
            o.human =
                std::strcmp(value, "first") == 0 ? SelfPlayPolicy::First : SelfPlayPolicy::Last;
        } else if (int keeping = ParseKeepOption(arg, value, o.keep); keeping != 0) {
            if (keeping < 0) return false;
        } else {
            return false;
        }
        ++i;
    }
    return o.seedGiven && KeepOptionsValid(o.keep);
}

// Trace lines go through one buffer; without --trace nothing is written.
class TraceOut {
  public:
    explicit TraceOut(bool on) : on_(on) { line_.reserve(256); }
    bool on() const { return on_; }
    TraceOut& Word(const char* w) {
        if (!line_.empty()) line_ += ' ';
        line_ += w;
        return *this;
    }
    TraceOut& Num(long n) {
        char digits[24];
        std::snprintf(digits, sizeof digits, "%ld", n);
        return Word(digits);
    }
    void End() {
        line_ += '\n';
        std::fwrite(line_.data(), 1, line_.size(), stdout);
        line_.clear();
    }

  private:
    bool on_;
    std::string line_;
};

class SimView : public KoiKoiView {
  public:
    SimView(const Options& o, TraceOut& out) : options_(o), out_(out) {}

    int YakuMadeDialog(int player, int comAnswer) override {
        int answer = comAnswer;
        if (player == 0) answer = AnswerForHuman(options_.human);
        if (out_.on()) {
            out_.Word("yaku").Num(player);
            for (int y = 0; y < YakuCount; ++y)
                if (koi.yakuMade[player][y]) out_.Num(y);
            out_.Word("score").Num(koi.handScore).Word(answer == 1 ? "stop" : "koikoi").End();
        }
        return answer;
    }
    void ShowOyakenNotice() override {
        if (out_.on()) out_.Word("oyaken").Num(koi.dealer).End();
    }
    void CardPlayed(int player, int handSlot, int card, const int* taken, int takenCount) override {
        if (!out_.on()) return;
        out_.Word("play").Num(player).Word(handSlot == DrawnSlot ? "draw" : "hand").Num(card);
        out_.Word("take");
        if (takenCount == 0) out_.Word("-");
        for (int i = 0; i < takenCount; ++i) out_.Num(taken[i]);
        out_.End();
    }

  private:
    const Options& options_;
    TraceOut& out_;
};

// The deck as dealt, read back from the hands, field and stock.
void TraceDeal(TraceOut& out) {
    int d = koi.dealer, other = d ^ 1;
    out.Word("hand").Num(koi.handIndex).Word("dealer").Num(d).Word("deck");
    for (int half = 0; half < 2; ++half) {
        for (int i = 0; i < 4; ++i) out.Num(koi.hands[d][4 * half + i]);
        for (int i = 0; i < 4; ++i) out.Num(koi.hands[other][4 * half + i]);
        for (int i = 0; i < 4; ++i) out.Num(koi.field[4 * half + i]);
    }
    for (int i = 0; i < StockSize; ++i) out.Num(koi.stock[i]);
    out.End();
}

// Moves time on by a second at every pause, so every wait ends at once.
platform::FakeClock instantClock(0, 1000);

}  // namespace

int RunKoiKoiSim(int argc, char** argv) {
    Options o;
    if (!ParseOptions(argc, argv, o)) {
        std::fprintf(stderr,
                     "usage: kirabo-sim koikoi --seed S [--games N] [--hands 6|12] [--sake 0|1|2]"
                     " [--oyaken 0|1] [--human first|last] [--level LEVEL] [--trace] [--check]"
                     " [--stop-after K --keep FILE] [--resume FILE]\n"
                     "       kirabo-sim koikoi --seats LEVEL,LEVEL --seed S [--games N] ...\n");
        return 2;
    }
    handsOption = o.hands == 6 ? 0 : 1;
    sakeOption = o.sake;
    oyakenOption = o.oyaken;
    animationOn = 0;
    soundEffectsOn = 0;
    showCapturableOn = 0;
    if (o.seats[0] >= 0) return RunKoiKoiArena(o.seats, o.seed, o.games);
    comLevel = o.level;
    platform::SetClock(&instantClock);
    SeedRandom(o.seed);

    TraceOut out(o.trace);
    SimView view(o, out);
    SetKoiKoiView(&view);

    CountingShell shell;
    InstallShell(&shell);
    long firstGame = 1;
    bool resumed = !o.keep.resumePath.empty();
    if (resumed && !ResumeSimGame(o.keep.resumePath, firstGame, ReadKoiKoiGame)) return 1;

    long hands = 0, won = 0, lost = 0;
    long long mon[2] = {0, 0};
    auto start = std::chrono::steady_clock::now();
    std::clock_t cpuStart = std::clock();
    for (long g = firstGame; g <= o.games; ++g) {
        if (!resumed) {
            gameState = 0;
            subState = 0;
        }
        resumed = false;
        while (gameState != -1) {
            if (o.keep.stopAfter > 0 && shell.progressed == o.keep.stopAfter) {
                InstallShell(nullptr);
                return KeepSimGame(o.keep.keepPath, g, WriteKoiKoiGame) ? 0 : 1;
            }
            ChooseForHuman(o.human);
            int before = gameState;
            KoiKoiStep();
            if (before == 5) ++hands;
            bool betweenTurns =
                (gameState == 3 && subState <= 1) || gameState == 4 || gameState == 5;
            if (o.check && betweenTurns) {
                std::string fault = CheckKoiKoiInvariants();
                if (!fault.empty()) {
                    std::fprintf(stderr, "kirabo-sim: game %ld hand %d: %s\n", g, koi.handIndex,
                                 fault.c_str());
                    return 1;
                }
            }
            if (before == 6) {
                won += koi.gameTotal[0] > koi.gameTotal[1];
                lost += koi.gameTotal[0] < koi.gameTotal[1];
                mon[0] += koi.gameTotal[0];
                mon[1] += koi.gameTotal[1];
            }
            if (!o.trace) continue;
            if (before == 1) {
                out.Word("game").Num(g).Word("dealer").Num(koi.dealer).End();
            } else if (before == 2 && (gameState == 3 || gameState == 4)) {
                TraceDeal(out);
            } else if (before == 5) {
                int k = koi.handIndex - 1;
                out.Word("end").Num(k).Word("scores").Num(koi.handScores[0][k]);
                out.Num(koi.handScores[1][k]).Word("totals").Num(koi.gameTotal[0]);
                out.Num(koi.gameTotal[1]).Word("dealer").Num(koi.dealer).End();
            } else if (before == 6) {
                out.Word("over").Word("totals").Num(koi.gameTotal[0]).Num(koi.gameTotal[1]).End();
            }
        }
    }
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // The speed is measured on the processor time of this process, so that
    // other work on a shared machine does not count against it.
    double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    SetKoiKoiView(nullptr);
    platform::SetClock(nullptr);
    InstallShell(nullptr);
    if (!o.trace) {
        std::printf(
            "games %ld hands %ld won %ld lost %ld drawn %ld mon %lld %lld seconds %.3f"
            " cpu_seconds %.3f hands_per_second %.0f\n",
            o.games, hands, won, lost, o.games - won - lost, mon[0], mon[1], seconds, cpuSeconds,
            cpuSeconds > 0 ? hands / cpuSeconds : 0.0);
    }
    return 0;
}
