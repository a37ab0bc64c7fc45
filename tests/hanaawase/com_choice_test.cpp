#include "hanaawase/com_choice.h"

#include <gtest/gtest.h>

#include "hanaawase/target_scoring.h"
#include "table_setup.h"

TEST(HanaComChoiceTest, TheComputersChooseTheirCardsByTheirRules) {
    const struct {
        const char* rule;
        std::vector<int> captured[3];
        int player;
        std::vector<int> hand, field;
        int a, b;  // the two field slots to choose between; -1: a hand card
        int chosen;
    } cases[] = {
        // 1 taking 松に鶴 is worth 1 + 40; 桐に鳳 taking a 桐 card 20 + 2.
        {"the capture worth most", {}, 1, {44, 2, 13}, {45, 0, 30}, -1, -1, 1},
        {"equal captures by the field card's rank", {}, 2, {6, 10}, {7, 11}, -1, -1, 1},
        // 1 taking 0 is worth 45, 33 taking 32 only 25, but 32 makes 花見.
        {"a capture completing a yaku", {{}, {8, 10}, {}}, 1, {33, 1}, {32, 0}, -1, -1, 0},
        {"a whole month in hand: the last", {}, 1, {12, 13, 2, 14, 15, 21, 6}, {40, 28}, -1, -1, 4},
        {"others taken: the later", {{16}, {}, {17}}, 1, {0, 18, 8, 19, 4}, {40, 28}, -1, -1, 3},
        {"the cheapest card by KeepRank", {}, 2, {26, 20, 2, 9}, {40, 28}, -1, -1, 2},
        {"a card the user waits for kept", {{1, 5}, {}, {}}, 1, {9, 20, 24}, {40, 28}, -1, -1, 2},
        {"equal field cards: the first", {}, 1, {}, {3, 30, 2}, 2, 0, 2},
        {"equal field cards: the first, either order", {}, 2, {}, {3, 30, 2}, 0, 2, 0},
        {"taken from the user who waits for it", {{21, 33}, {}, {}}, 1, {38}, {36, 37}, 0, 1, 1},
        {"taken from the other computer", {{}, {21, 33}, {}}, 2, {38}, {36, 37}, 0, 1, 1},
        {"taken for the computer's own yaku", {{}, {21, 33}, {}}, 1, {39}, {36, 37}, 0, 1, 1},
        // The 1 its 赤タン lacks, not the 0 四光 lacks, as close a target and worth more.
        {"its own yaku first", {{}, {5, 9}, {}}, 1, {2, 8, 28, 44}, {0, 1, 10, 29, 45}, 0, 1, 1},
        {"no yaku in sight: the higher card", {}, 1, {31}, {30, 29}, 0, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        HanaTableTest table;
        for (int p = 0; p < HanaPlayers; ++p) GiveCaptured(p, c.captured[p]);
        SetHand(c.player, c.hand);
        SetField(c.field);
        EvaluateEveryone();
        EXPECT_EQ(c.a < 0 ? HanaChooseHandCard(c.player) : HanaChooseFieldCard(c.player, c.a, c.b),
                  c.chosen);
    }
}

TEST(HanaComChoiceTest, TheClosestTargetCanPreferTheCheaperCard) {
    // Waiting for 桐シマ marks 表菅原 (梅に鶯's yaku) as not in reach, while
    // 梅's ribbon still counts towards 七タン (score 10: it lacks all nine
    // ribbons), so the ribbon is taken.
    HanaTableTest table;
    GiveCaptured(1, {44, 45});
    SetStock({46, 47});
    SetHand(1, {7});
    SetField({5, 4});
    hana.handCount[1] = 7;
    EvaluateEveryone();
    ASSERT_EQ(hana.wanted[1][Omotesugawara][0], HanaNoLongerWanted);
    EXPECT_EQ(HanaChooseFieldCard(1, 0, 1), 0);
    EXPECT_EQ(hana.targetScore[1][NanaTan], 10);
}
