// Runs the real kirabo-sim binary and checks the shape of its output.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct SimRun {
    std::string out;
    int status;
};

SimRun RunSim(const std::string& args) {
    std::string command = std::string(KIRABO_SIM_PATH) + " koikoi " + args + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    SimRun run{"", -1};
    if (!pipe) return run;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    run.status = pclose(pipe);
    return run;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

TEST(KoiKoiSim, WithoutTraceOneSummaryLineWithTheSpeed) {
    SimRun run = RunSim("--seed 1 --games 2");
    ASSERT_EQ(run.status, 0);
    std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 1u);
    std::vector<std::string> w = Words(lines[0]);
    auto speed = std::find(w.begin(), w.end(), "hands_per_second");
    ASSERT_NE(speed, w.end());
    ASSERT_NE(speed + 1, w.end());
    const std::string& figure = *(speed + 1);
    EXPECT_TRUE(!figure.empty() && figure.find_first_not_of("0123456789") == std::string::npos)
        << figure;
}

TEST(KoiKoiSim, BadArgumentsAreRefused) {
    EXPECT_NE(RunSim("--games 1").status, 0) << "the seed is required";
    EXPECT_NE(RunSim("--seed 1 --hands 7").status, 0);
    EXPECT_NE(RunSim("--seed 1 --human middle").status, 0);
    EXPECT_NE(RunSim("--seed 1 --sake").status, 0);
    EXPECT_NE(RunSim("--seed 1 --level hard").status, 0);
    EXPECT_NE(RunSim("--seed 1 --level strong,normal").status, 0);
    EXPECT_NE(RunSim("--seed 1 --level").status, 0);
}

}  // namespace

namespace {

uint64_t Fnv1a(const std::string& text) {
    uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char c : text) h = (h ^ c) * 0x100000001b3ull;
    return h;
}

}  // namespace

// The specified computer is the default and plays exactly as it always has:
// these traces were taken before the other levels existed.
TEST(KoiKoiSim, DefaultComputerTracesArePinned) {
    struct Pinned {
        const char* args;
        uint64_t hash;
        size_t size;
    } pinned[] = {
        {"--seed 42 --games 5 --trace --human first --sake 1", 0x946a00a84ab2fe05ull, 48099},
        {"--seed 7 --games 5 --trace --human last --sake 1", 0xb560b71d29906b0full, 50365},
        {"--seed 12345 --games 3 --trace --human last --sake 2 --oyaken 1 --hands 6",
         0x2c1cee0ffffb869cull, 14042},
    };
    for (const Pinned& p : pinned) {
        SimRun run = RunSim(p.args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out.size(), p.size) << p.args;
        EXPECT_EQ(Fnv1a(run.out), p.hash) << p.args;
    }
    // Asked for by name, the default level plays the same games.
    SimRun normal = RunSim(std::string(pinned[0].args) + " --level normal");
    EXPECT_EQ(Fnv1a(normal.out), pinned[0].hash);
}

// --level puts the computer at another level: the same first deal, other
// plays.
TEST(KoiKoiSim, TheLevelChangesTheComputersPlayButNotTheDeal) {
    const std::string args = "--seed 42 --games 1 --trace --human first";
    const std::string normal = RunSim(args).out;
    auto firstDeal = [](const std::string& trace) {
        const size_t at = trace.find("hand 0 ");
        return at == std::string::npos ? std::string()
                                       : trace.substr(at, trace.find('\n', at) - at);
    };
    ASSERT_NE(firstDeal(normal), "");
    for (const char* level : {"gentle", "strong"}) {
        SimRun run = RunSim(args + " --level " + level);
        EXPECT_EQ(run.status, 0) << level;
        EXPECT_NE(run.out, normal) << level;
        EXPECT_EQ(firstDeal(run.out), firstDeal(normal)) << level;
    }
}

TEST(KoiKoiSim, ArenaReportsEverySeatAndTheDecisionTimes) {
    SimRun run = RunSim("--seats gentle,normal --games 3 --seed 1");
    ASSERT_EQ(run.status, 0);
    std::vector<std::string> lines = Lines(run.out);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(Words(lines[0])[5], "3") << lines[0];
    std::vector<std::string> seat0 = Words(lines[1]), seat1 = Words(lines[2]);
    EXPECT_EQ(seat0[2], "gentle");
    EXPECT_EQ(seat1[2], "normal");
    EXPECT_EQ(std::stoi(seat0[4]) + std::stoi(seat1[4]) + std::stoi(Words(lines[3])[1]), 3);
    EXPECT_NE(run.out.find("decisions gentle"), std::string::npos);
    EXPECT_NE(run.out.find("decisions normal"), std::string::npos);
    EXPECT_NE(run.out.find("ci95 ["), std::string::npos);
}

TEST(KoiKoiSim, ArenaRefusesSeatsItCannotPlay) {
    EXPECT_NE(RunSim("--seats normal,strong --games 1 --seed 1").status, 0);
    EXPECT_NE(RunSim("--seats strong --games 1 --seed 1").status, 0);
    EXPECT_NE(RunSim("--seats strong,clever --games 1 --seed 1").status, 0);
}
