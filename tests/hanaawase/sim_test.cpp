#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <regex>
#include <set>
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

}  // namespace

TEST(HanaSim, ATracedGameHasOneLinePerEventInTheAgreedShapes) {
    SimRun run = RunSim("--seed 7 --games 1 --hands 6 --human last --trace");
    ASSERT_EQ(run.status, 0);
    ASSERT_FALSE(run.output.empty());
    EXPECT_EQ(run.output.back(), '\n');

    const std::regex game("game 1 dealer [012]");
    const std::regex hand("hand [0-5] dealer [012] deck( [0-9]+){48}");
    const std::regex play("play [012] (hand|draw) [0-9]+ take( -|( [0-9]+){1,3})");
    const std::regex made("made [012]( [0-9]+)+");
    const std::regex end(
        "end [0-5] cards( [0-9]+){3} yaku( [0-9]+){3} scores( -?[0-9]+){3} "
        "totals( -?[0-9]+){3} dealer [012]");
    const std::regex over("over totals( -?[0-9]+){3}");

    int games = 0, hands = 0, plays = 0, ends = 0, overs = 0;
    for (const std::string& line : Lines(run.output)) {
        if (std::regex_match(line, game)) {
            ++games;
        } else if (std::regex_match(line, hand)) {
            ++hands;
            std::istringstream in(line.substr(line.find("deck") + 4));
            std::set<int> cards;
            for (int card; in >> card;) cards.insert(card);
            EXPECT_EQ(cards.size(), 48u) << line;
            EXPECT_EQ(*cards.rbegin(), 47) << line;
        } else if (std::regex_match(line, play)) {
            ++plays;
        } else if (std::regex_match(line, end)) {
            ++ends;
        } else if (std::regex_match(line, over)) {
            ++overs;
        } else {
            EXPECT_TRUE(std::regex_match(line, made)) << "unexpected line: " << line;
        }
    }
    EXPECT_EQ(games, 1);
    EXPECT_EQ(hands, 6);
    EXPECT_EQ(plays, 6 * 42);
    EXPECT_EQ(ends, 6);
    EXPECT_EQ(overs, 1);
}

TEST(HanaSim, TheSameSeedGivesTheSameGames) {
    SimRun a = RunSim("--seed 99 --games 2 --trace");
    SimRun b = RunSim("--seed 99 --games 2 --trace");
    EXPECT_EQ(a.output, b.output);
    EXPECT_NE(a.output, RunSim("--seed 100 --games 2 --trace").output);
}

TEST(HanaSim, WithoutTraceOneSummaryLineGivesTheSpeed) {
    SimRun run = RunSim("--seed 1 --games 3");
    ASSERT_EQ(run.status, 0);
    std::vector<std::string> lines = Lines(run.output);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(std::regex_search(lines[0], std::regex("hands 36 .*hands_per_second [0-9]+")))
        << lines[0];
}

TEST(HanaSim, BadArgumentsAreRefused) {
    EXPECT_NE(RunSim("--games 1").status, 0);  // no seed
    EXPECT_NE(RunSim("--seed 1 --hands 7").status, 0);
    EXPECT_NE(RunSim("--seed 1 --human middle").status, 0);
    EXPECT_NE(RunSim("--seed 1 --level hard").status, 0);
    EXPECT_NE(RunSim("--seed 1 --level strong,normal,normal").status, 0);
    EXPECT_NE(RunSim("--seed 1 --level").status, 0);
}

namespace {

uint64_t Fnv1a(const std::string& text) {
    uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char c : text) h = (h ^ c) * 0x100000001b3ull;
    return h;
}

}  // namespace

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
