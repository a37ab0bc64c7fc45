#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct SimRun {
    std::string output;
    int status = -1;
};

SimRun RunSim(const std::string& arguments) {
    SimRun run;
    std::string command = std::string(KIRABO_SIM_PATH) + " hanaawase " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
    run.status = pclose(pipe);
    return run;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

uint64_t Fnv1a(const std::string& text) {
    uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char c : text) h = (h ^ c) * 0x100000001b3ull;
    return h;
}

}  // namespace

TEST(HanaSim, WithoutTraceOneSummaryLineGivesTheSpeed) {
    SimRun run = RunSim("--seed 1 --games 3");
    ASSERT_EQ(run.status, 0);
    std::vector<std::string> lines = Lines(run.output);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(std::regex_search(lines[0], std::regex("hands 36 .*hands_per_second [0-9]+")))
        << lines[0];
}

TEST(HanaSim, BadArgumentsAreRefused) {
    for (const char* args :
         {"--games 1", "--seed 1 --hands 7", "--seed 1 --human middle", "--seed 1 --level hard",
          "--seed 1 --level strong,normal,normal", "--seed 1 --level"})
        EXPECT_NE(RunSim(args).status, 0) << args;
}

// ＣＯＭ１ and ＣＯＭ２ at the default level play exactly as they always have:
// these traces were taken before the other levels existed.
TEST(HanaSim, DefaultComputerTracesArePinned) {
    SimRun first = RunSim("--seed 42 --games 5 --trace --human first");
    EXPECT_EQ(first.output.size(), 71246u);
    EXPECT_EQ(Fnv1a(first.output), 0x3abcf14186ae0f73ull);
    SimRun last = RunSim("--seed 7 --games 5 --trace --human last");
    EXPECT_EQ(last.output.size(), 71503u);
    EXPECT_EQ(Fnv1a(last.output), 0x9e638d3ba2d9a927ull);
    // Asked for by name, the default level plays the same games.
    SimRun normal = RunSim("--seed 42 --games 5 --trace --human first --level normal");
    EXPECT_EQ(Fnv1a(normal.output), 0x3abcf14186ae0f73ull);
}

// --level puts ＣＯＭ１ and ＣＯＭ２ at another level: the same first deal,
// other plays.
TEST(HanaSim, TheLevelChangesTheComputersPlayButNotTheDeal) {
    const std::string args = "--seed 42 --games 1 --trace --human first";
    const std::string normal = RunSim(args).output;
    auto firstDeal = [](const std::string& trace) {
        const size_t at = trace.find("hand 0 ");
        return at == std::string::npos ? std::string()
                                       : trace.substr(at, trace.find('\n', at) - at);
    };
    ASSERT_NE(firstDeal(normal), "");
    for (const char* level : {"gentle", "strong"}) {
        SimRun run = RunSim(args + " --level " + level);
        EXPECT_NE(run.output, normal) << level;
        EXPECT_EQ(firstDeal(run.output), firstDeal(normal)) << level;
    }
}

TEST(HanaSim, ArenaReportsEverySeat) {
    SimRun run = RunSim("--seats gentle,normal,normal --games 2 --seed 3");
    ASSERT_EQ(run.status, 0);
    std::vector<std::string> lines = Lines(run.output);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_NE(lines[1].find("seat 0 gentle won"), std::string::npos);
    EXPECT_NE(lines[3].find("seat 2 normal won"), std::string::npos);
    EXPECT_NE(run.output.find("points_per_hand"), std::string::npos);
    EXPECT_NE(run.output.find("decisions gentle"), std::string::npos);
    EXPECT_NE(RunSim("--seats strong,normal,strong --games 1 --seed 1").status, 0);
    EXPECT_NE(RunSim("--seats strong,normal --games 1 --seed 1").status, 0);
}
