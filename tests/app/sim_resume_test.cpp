// A game cut after any turn, kept in a file and continued by a new process
// goes on exactly as the uninterrupted game: the two traces together are the
// whole trace, byte for byte, for both games and every rule setting.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <ostream>
#include <string>

namespace {

std::string RunSim(const std::string& args) {
    std::string command = std::string(KIRABO_SIM_PATH) + " " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    if (!pipe) return out;
    char buffer[8192];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    pclose(pipe);
    return out;
}

// Tests of this file may run at once in separate processes.
std::string KeepPath() {
    return testing::TempDir() + "kirabo_sim_resume_" + std::to_string(getpid()) + ".sav";
}

bool FileExists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

// "" when the traces agree, else the first line where they part.
std::string FirstDifference(const std::string& got, const std::string& want) {
    if (got == want) return "";
    size_t line = 1, at = 0;
    while (at < got.size() && at < want.size() && got[at] == want[at])
        if (got[at++] == '\n') ++line;
    auto lineAt = [](const std::string& text, size_t pos) {
        size_t begin = text.rfind('\n', pos == 0 ? 0 : pos - 1);
        begin = begin == std::string::npos || pos == 0 ? 0 : begin + 1;
        return text.substr(begin, text.find('\n', begin) - begin);
    };
    return "line " + std::to_string(line) + ": \"" + lineAt(got, at) + "\" instead of \"" +
           lineAt(want, at) + "\"";
}

// Cuts the game of `args` after every `step`-th keepable moment in turn
// until the game ends before the cut; returns how many cuts were tried.
int CutEvery(const std::string& args, int step) {
    const std::string keep = KeepPath();
    const std::string whole = RunSim(args + " --trace");
    int cuts = 0;
    for (int k = 1;; k += step) {
        std::remove(keep.c_str());
        std::string head =
            RunSim(args + " --trace --stop-after " + std::to_string(k) + " --keep " + keep);
        if (!FileExists(keep)) {
            EXPECT_EQ(FirstDifference(head, whole), "") << args << " run to its end";
            break;
        }
        std::string tail = RunSim(args + " --trace --resume " + keep);
        const std::string difference = FirstDifference(head + tail, whole);
        EXPECT_EQ(difference, "") << args << " cut after " << k;
        if (!difference.empty()) break;
        ++cuts;
    }
    std::remove(keep.c_str());
    return cuts;
}

// Each game at every level and rule setting, cut after every `step`-th
// moment; at least `cuts` cuts. The computers of the other levels think with
// their own random numbers and with the months they have seen the other
// players lack; a kept game carries both, so a resumed game goes on alike at
// those levels too.
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
                    Run{"koikoi --seed 13 --hands 6 --sake 2 --oyaken 1 --human last", 1, 60},
                    Run{"hanaawase --seed 21 --hands 6 --human first", 1, 100},
                    Run{"hanaawase --seed 22 --hands 6 --human last", 1, 100},
                    Run{"koikoi --seed 11 --hands 6 --level strong --human first", 5, 12},
                    Run{"koikoi --seed 14 --hands 6 --sake 2 --level strong --human last", 13, 5},
                    Run{"hanaawase --seed 24 --hands 6 --level strong --human last", 13, 8},
                    Run{"koikoi --seed 11 --hands 6 --level gentle --human first", 3, 20},
                    Run{"hanaawase --seed 21 --hands 6 --level gentle --human last", 3, 30}));

// A cut in the second game of a run: the resumed run finishes it and plays
// the rest of the run.
TEST(SimResume, LaterGamesOfARunFollow) {
    for (const char* args : {"koikoi --seed 5 --hands 6 --games 2 --check",
                             "hanaawase --seed 5 --hands 6 --games 2 --check"}) {
        const std::string keep = KeepPath();
        const std::string whole = RunSim(std::string(args) + " --trace");
        std::string head = RunSim(std::string(args) + " --trace --stop-after 150 --keep " + keep);
        ASSERT_TRUE(FileExists(keep)) << args;
        std::string tail = RunSim(std::string(args) + " --trace --resume " + keep);
        EXPECT_EQ(head + tail, whole) << args;
        EXPECT_NE(head.find("game 2"), std::string::npos) << args << " cut in the first game";
        EXPECT_NE(tail.find("over"), std::string::npos) << args;
        std::remove(keep.c_str());
    }
}

}  // namespace
