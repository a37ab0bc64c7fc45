#include "koikoi/com.h"

#include <vector>

#include "koikoi_fixture.h"

namespace {

class ComTest : public KoiKoiTest {};

// The hand card the computer plays, and of two matches the one it takes
// (0 the first, 1 the second).
const struct {
    const char* why;
    int sake;
    std::initializer_list<int> field, hand, humanHas, comHas;
    int card, match;
} ChoiceCases[] = {
    {"nothing taken: a whole month's last", 1, {45, 46}, {0, 13, 1, 2, 21, 3}, {}, {}, 5, -1},
    {"the sake cup first with sake yaku", 1, {0, 32}, {1, 33}, {}, {}, 1, -1},
    {"the light first without them", 0, {0, 32}, {1, 33}, {}, {}, 0, -1},
    {"two of a month gone: the later", 1, {44}, {14, 0, 15, 4}, {12}, {13}, 2, -1},
    {"two taking one field card: the earlier", 1, {12}, {14, 15}, {}, {}, 0, -1},
    {"the cup over the 青タン ribbon", 2, {33, 32}, {35}, {21, 37}, {}, -1, 1},
    {"without sake it denies the 青タン", 0, {33, 32}, {35}, {21, 37}, {}, -1, 0},
    {"two of equal value: the first", 1, {14, 15}, {12}, {}, {}, -1, 0},
    {"the タン, not the カス", 0, {14, 13}, {12}, {}, {}, -1, 1},
    {"its 赤タン before denying", 0, {33, 9}, {34, 10}, {21, 37}, {1, 5}, 1, -1},
    {"nothing of its own: it denies", 0, {33, 9}, {34, 10}, {21, 37}, {}, 0, -1},
    {"the カス it wants", 0, {21, 23}, {22}, {}, {2, 3, 6, 7, 10, 11, 14, 15, 18}, -1, 1},
    {"the タン for 青タン", 0, {21, 23}, {22}, {}, {2, 3, 6, 7, 10, 11, 14, 15, 18, 33, 37}, -1, 0},
};

TEST_F(ComTest, ChoosesItsCardAndItsMatchByItsRules) {
    for (const auto& c : ChoiceCases) {
        SCOPED_TRACE(c.why);
        ResetHandState();
        sakeOption = c.sake;
        SetField(c.field);
        SetHand(0, {});
        SetHand(1, c.hand);
        GiveCards(0, c.humanHas);
        GiveCards(1, c.comHas);
        EXPECT_EQ(c.card == -1 ? -1 : ChooseComCard(), c.card);
        EXPECT_EQ(c.match == -1 ? -1 : ChooseComFieldCard(1, 0, 1), c.match);
    }
}

// Both players are one カス short and the 藤 and 菖蒲 カス in play are the
// first cards of both reach lists: throwing either away is equally unsafe,
// and the less wanted 藤 goes.
TEST_F(ComTest, BetweenEquallyUnsafeDiscardsTheLessWantedGoes) {
    SetField({40});
    SetStock({15, 19});
    SetHand(0, {1, 5, 9, 20, 24, 28, 32, 36});
    SetHand(1, {18, 14});
    GiveCards(0, {2, 3, 6, 7, 10, 11, 22, 23, 26});
    GiveCards(1, {27, 30, 31, 34, 35, 38, 39, 43, 45});
    EXPECT_EQ(ChooseComCard(), 1);
    EXPECT_EQ(DiscardSafety(14), DiscardSafety(18));
    EXPECT_LT(DiscardSafety(14), 200);
}

TEST_F(ComTest, InTheLastHandStopsExactlyWhenThatPutsItAhead) {
    handsOption = 0;
    koi.handIndex = 5;
    koi.gameTotal[0] = 10;
    koi.gameTotal[1] = 4;
    SetHand(1, {0, 4, 8, 12, 16, 20, 24});
    koi.handScore = 6;
    EXPECT_EQ(ComDecidesToStop(1), 0);
    koi.handScore = 7;
    EXPECT_EQ(ComDecidesToStop(1), 1);
}

// The human is one タン short with three left in the stock: 100 - 30 = 70
// with a full hand, 61 with seven cards. The computer could complete its
// 猪鹿蝶 at once (24 lies on the field and it holds 26), so only the human's
// chance can make it stop.
TEST_F(ComTest, StopsWhenTheHumansChanceReachesSeventy) {
    const struct {
        std::initializer_list<int> hand;
        int chance, answer;
    } cases[] = {
        {{2, 3, 6, 7, 10, 11, 14, 15}, 70, 1},
        {{2, 3, 6, 7, 10, 11, 14}, 61, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "chance " << c.chance);
        ResetHandState();
        SetField({24});
        SetStock({17, 25, 42});
        SetHand(0, c.hand);
        SetHand(1, {26, 38, 39, 46, 47});
        GiveCards(0, {1, 5, 9, 13});
        GiveCards(1, {20, 36});
        koi.handScore = 1;
        EXPECT_EQ(ComDecidesToStop(1), c.answer);
        EXPECT_EQ(koi.yakuChance[0][YakuTan], c.chance);
        EXPECT_EQ(koi.yakuChance[1][YakuInoshikacho], 100);
    }
}

// The computer could still complete its 赤タン at once (9 lies on the field
// and it holds 8), so without the human's カス it would play on.
TEST_F(ComTest, TheHumansEighthKasuAloneMakesItStop) {
    const struct {
        std::initializer_list<int> kasu;
        int answer;
    } cases[] = {
        {{2, 3, 6, 7, 10, 11, 14}, 0},
        {{2, 3, 6, 7, 10, 11, 14, 15}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kasu.size() << " カス");
        ResetHandState();
        SetField({9});
        SetStock({});
        SetHand(1, {8, 12, 16, 20, 24});
        GiveCards(1, {1, 5});
        GiveCards(0, c.kasu);
        koi.handScore = 1;
        EXPECT_EQ(ComDecidesToStop(1), c.answer);
        EXPECT_EQ(koi.yakuChance[1][YakuAkatan], 100);
    }
}

}  // namespace
