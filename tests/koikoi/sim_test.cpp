// Runs the real kirabo-sim binary and checks the shape of its output.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <set>
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

TEST(KoiKoiSim, TraceOfASixHandGameHasOneWellFormedLinePerEvent) {
    SimRun run = RunSim("--seed 7 --hands 6 --oyaken 1 --human last --trace");
    ASSERT_EQ(run.status, 0);
    ASSERT_FALSE(run.out.empty());
    EXPECT_EQ(run.out.back(), '\n');
    const std::regex game("game 1 dealer [01]");
    const std::regex hand("hand [0-5] dealer [01] deck( [0-9]+){48}");
    const std::regex play("play [01] (hand|draw) [0-9]+ take( -|( [0-9]+){1,3})");
    const std::regex yaku("yaku [01]( [0-9]+)+ score [0-9]+ (stop|koikoi)");
    const std::regex oyaken("oyaken [01]");
    const std::regex end("end [0-5] scores [0-9]+ [0-9]+ totals [0-9]+ [0-9]+ dealer [01]");
    const std::regex over("over totals [0-9]+ [0-9]+");
    std::vector<std::string> lines = Lines(run.out);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_TRUE(std::regex_match(lines.front(), game)) << lines.front();
    EXPECT_TRUE(std::regex_match(lines.back(), over)) << lines.back();
    int hands = 0, ends = 0;
    for (const std::string& line : lines) {
        bool known = std::regex_match(line, game) || std::regex_match(line, hand) ||
                     std::regex_match(line, play) || std::regex_match(line, yaku) ||
                     std::regex_match(line, oyaken) || std::regex_match(line, end) ||
                     std::regex_match(line, over);
        EXPECT_TRUE(known) << line;
        if (std::regex_match(line, hand)) {
            ++hands;
            std::istringstream words(line.substr(line.find("deck") + 4));
            std::set<int> deck;
            for (int c; words >> c;) deck.insert(c);
            EXPECT_EQ(deck.size(), 48u) << line;
        }
        ends += line.rfind("end ", 0) == 0;
    }
    EXPECT_EQ(hands, 6);
    EXPECT_EQ(ends, 6);
}

TEST(KoiKoiSim, SameSeedGivesTheSameTrace) {
    EXPECT_EQ(RunSim("--seed 3 --games 2 --trace").out, RunSim("--seed 3 --games 2 --trace").out);
}

TEST(KoiKoiSim, WithoutTraceOneSummaryLineWithTheSpeed) {
    SimRun run = RunSim("--seed 1 --games 2");
    ASSERT_EQ(run.status, 0);
    std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(std::regex_search(lines[0], std::regex(" hands_per_second [0-9]+")));
}

TEST(KoiKoiSim, BadArgumentsAreRefused) {
    EXPECT_NE(RunSim("--games 1").status, 0) << "the seed is required";
    EXPECT_NE(RunSim("--seed 1 --hands 7").status, 0);
    EXPECT_NE(RunSim("--seed 1 --human middle").status, 0);
    EXPECT_NE(RunSim("--seed 1 --sake").status, 0);
}

}  // namespace
