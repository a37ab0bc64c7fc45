// Runs the real kirabo-sim for both games: the default computers' traces
// are pinned, a level changes the play but not the deal, the arena reports
// every seat, and arguments it cannot follow are refused.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <regex>
#include <string>

#include "tests/tools/run_sim.h"

namespace {

uint64_t Fnv1a(const std::string& text) {
    uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char c : text) h = (h ^ c) * 0x100000001b3ull;
    return h;
}

}  // namespace

TEST(SimTool, ArgumentsItCannotFollowAreRefused) {
    for (const char* args : {
             "koikoi --games 1",  // the seed is required
             "koikoi --seed 1 --hands 7",
             "koikoi --seed 1 --human middle",
             "koikoi --seed 1 --sake",
             "koikoi --seed 1 --level hard",
             "koikoi --seats normal,strong --games 1 --seed 1",
             "koikoi --seats strong --games 1 --seed 1",
             "koikoi --seats strong,clever --games 1 --seed 1",
             "hanaawase --games 1",
             "hanaawase --seed 1 --level strong,normal,normal",
             "hanaawase --seats strong,normal,strong --games 1 --seed 1",
             "hanaawase --seats strong,normal --games 1 --seed 1",
             "hanaawase --seed 1 --game-points",
         })
        EXPECT_NE(RunSim(args).status, 0) << args;
}

// The specified computers are the default and play exactly as they always
// have: these traces were taken before the other levels existed.
TEST(SimTool, DefaultComputerTracesArePinned) {
    const struct {
        const char* args;
        uint64_t hash;
        size_t size;
    } pinned[] = {
        {"koikoi --seed 42 --games 5 --trace --human first --sake 1", 0x946a00a84ab2fe05ull, 48099},
        {"koikoi --seed 7 --games 5 --trace --human last --sake 1", 0xb560b71d29906b0full, 50365},
        {"koikoi --seed 12345 --games 3 --trace --human last --sake 2 --oyaken 1 --hands 6",
         0x2c1cee0ffffb869cull, 14042},
        {"hanaawase --seed 42 --games 5 --trace --human first", 0x3abcf14186ae0f73ull, 71246},
        {"hanaawase --seed 7 --games 5 --trace --human last", 0x9e638d3ba2d9a927ull, 71503},
    };
    for (const auto& p : pinned) {
        SimRun run = RunSim(p.args);
        EXPECT_EQ(run.out.size(), p.size) << p.args;
        EXPECT_EQ(Fnv1a(run.out), p.hash) << p.args;
        // Asked for by name, the default level plays the same games.
        EXPECT_EQ(Fnv1a(RunSim(std::string(p.args) + " --level normal").out), p.hash);
    }
}

// --level puts the computers at another level: the same first deal, other
// plays.
TEST(SimTool, TheLevelChangesTheComputersPlayButNotTheDeal) {
    auto firstDeal = [](const std::string& trace) {
        const size_t at = trace.find("hand 0 ");
        return at == std::string::npos ? std::string()
                                       : trace.substr(at, trace.find('\n', at) - at);
    };
    for (const std::string game : {"koikoi", "hanaawase"}) {
        const std::string args = game + " --seed 42 --games 1 --trace --human first";
        const std::string normal = RunSim(args).out;
        ASSERT_NE(firstDeal(normal), "") << game;
        for (const char* level : {"gentle", "strong"}) {
            SimRun run = RunSim(args + " --level " + level);
            EXPECT_NE(run.out, normal) << game << level;
            EXPECT_EQ(firstDeal(run.out), firstDeal(normal)) << game << level;
        }
    }
}

// The arena reports every seat and the decision times; asked, it lists
// each game first and otherwise reports the same.
TEST(SimTool, TheArenaReportsEverySeatAndListsEachGameWhenAsked) {
    SimRun koi = RunSim("koikoi --seats gentle,normal --games 3 --seed 1");
    ASSERT_EQ(koi.status, 0);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(
        koi.out, m,
        std::regex("seat 0 gentle won ([0-9]+)[^\n]*\nseat 1 normal won ([0-9]+)[^\n]*\ndrawn "
                   "([0-9]+)")))
        << koi.out;
    EXPECT_EQ(std::stoi(m[1]) + std::stoi(m[2]) + std::stoi(m[3]), 3);
    const std::string args = "hanaawase --seats gentle,normal,normal --games 3 --seed 3";
    SimRun plain = RunSim(args);
    SimRun listed = RunSim(args + " --game-points");
    ASSERT_EQ(plain.status, 0);
    ASSERT_EQ(listed.status, 0);
    EXPECT_NE(plain.out.find("seat 2 normal won"), std::string::npos);
    for (const std::string& out : {koi.out, plain.out}) {
        EXPECT_NE(out.find("decisions gentle"), std::string::npos);
        EXPECT_NE(out.find("decisions normal"), std::string::npos);
        EXPECT_NE(out.find("ci95 ["), std::string::npos);
    }
    // Each game in order, then the summary exactly as without the option.
    const std::regex line("game ([0-9]+) points_per_hand (-?[0-9.]+) (-?[0-9.]+) (-?[0-9.]+)\n");
    std::string rest = listed.out;
    double seat0 = 0;
    int games = 0;
    while (std::regex_search(rest, m, line) && m.position(0) == 0) {
        EXPECT_EQ(std::stoi(m[1]), games);
        seat0 += std::stod(m[2]);
        ++games;
        rest = m.suffix();
    }
    EXPECT_EQ(games, 3);
    EXPECT_EQ(rest.substr(0, rest.find("decisions")),
              plain.out.substr(0, plain.out.find("decisions")));
    ASSERT_TRUE(
        std::regex_search(rest, m, std::regex("seat 0 gentle [^\n]*points_per_hand (-?[0-9.]+)")));
    EXPECT_NEAR(seat0 / 3, std::stod(m[1]), 0.002);
}
