// A game cut after any turn, kept in a file and continued by a new process
// goes on exactly as the uninterrupted game: the two traces together are the
// whole trace, byte for byte, for both games and every rule setting.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>

#include "tests/tools/run_sim.h"

namespace {

// Cuts the game of `args` after every `step`-th keepable moment in turn
// until the game ends before the cut; returns how many cuts were tried.
int CutEvery(const std::string& args, int step) {
    // Tests of this file may run at once in separate processes.
    const std::string keep =
        testing::TempDir() + "kirabo_sim_resume_" + std::to_string(getpid()) + ".sav";
    const std::string whole = RunSim(args + " --trace").out;
    int cuts = 0;
    for (int k = 1;; k += step) {
        std::remove(keep.c_str());
        std::string head =
            RunSim(args + " --trace --stop-after " + std::to_string(k) + " --keep " + keep).out;
        if (!std::filesystem::exists(keep)) {
            EXPECT_EQ(head, whole) << args << " run to its end";
            break;
        }
        const std::string both = head + RunSim(args + " --trace --resume " + keep).out;
        EXPECT_EQ(both, whole) << args << " cut after " << k;
        if (both != whole) break;
        ++cuts;
    }
    std::remove(keep.c_str());
    return cuts;
}

// Each game at every level and rule setting, and runs of two games, cut
// after every `step`-th moment; at least `cuts` cuts (with two games, some
// in the second). The computers of the other levels think with their own
// random numbers and with the months they have seen the other players lack;
// a kept game carries both, so a resumed game goes on alike at those levels
// too.
struct Run {
    const char* args;
    int step, cuts;
};
void PrintTo(const Run& run, std::ostream* out) {
    *out << run.args << ", cut every " << run.step;
}
class SimResumeCut : public testing::TestWithParam<Run> {};

TEST_P(SimResumeCut, GoesOnAlikeFromEveryCut) {
    EXPECT_GE(CutEvery(GetParam().args, GetParam().step), GetParam().cuts);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, SimResumeCut,
    testing::Values(Run{"koikoi --seed 11 --hands 6 --sake 0 --oyaken 1 --human first", 1, 60},
                    Run{"koikoi --seed 12 --hands 6 --sake 1 --oyaken 0 --human last", 1, 60},
                    Run{"hanaawase --seed 21 --hands 6 --human first", 1, 100},
                    Run{"hanaawase --seed 22 --hands 6 --human last", 1, 100},
                    Run{"koikoi --seed 11 --hands 6 --level strong --human first", 5, 12},
                    Run{"koikoi --seed 14 --hands 6 --sake 2 --level strong --human last", 13, 5},
                    Run{"hanaawase --seed 24 --hands 6 --level strong --human last", 29, 3},
                    Run{"koikoi --seed 11 --hands 6 --level gentle --human first", 3, 20},
                    Run{"hanaawase --seed 21 --hands 6 --level gentle --human last", 3, 30},
                    Run{"koikoi --seed 5 --hands 6 --games 2 --check", 29, 5},
                    Run{"hanaawase --seed 5 --hands 6 --games 2 --check", 41, 5}));

}  // namespace
