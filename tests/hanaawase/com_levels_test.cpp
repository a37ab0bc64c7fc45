// ＣＯＭ１ and ＣＯＭ２ beside the specified rules: what they may see and
// what they choose.
#include "hanaawase/com_levels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "cards/random.h"
#include "table_setup.h"

namespace {

// A game at the default level, stopped as ＣＯＭ１'s turn number `turn` begins.
void PlayUpToCom1Turn(uint32_t seed, int turn) {
    SeedRandom(seed);
    comLevel = 1;
    UserPolicy policy;
    int turns = 0;
    PlayGame(policy, [&] { return gameState == HanaCom1Turn && turns++ == turn; });
}

// Deals the cards seat 1 cannot see (the hands of players 0 and 2 and the
// stock) anew among the same places.
void PermuteHidden(uint32_t seed) {
    std::vector<int*> places;
    for (int p : {0, 2})
        for (int s = 0; s < hana.handCount[p]; ++s) places.push_back(&hana.hands[p][s]);
    for (int i = HanaStockSize - hana.stockCount; i < HanaStockSize; ++i)
        places.push_back(&hana.stock[i]);
    std::vector<int> cards;
    for (int* place : places) cards.push_back(*place);
    std::mt19937 shuffle(seed);
    std::shuffle(cards.begin(), cards.end(), shuffle);
    for (size_t i = 0; i < places.size(); ++i) *places[i] = cards[i];
}

std::pair<int, int> DecideForSeat1() {
    HanaComRandomOf(1).Seed(99);
    int target = -1;
    int slot = HanaStrongChooseCard(ObserveHanaAwase(1), HanaComRandomOf(1), target);
    return {slot, target};
}

TEST(HanaLevels, StrongDecisionsDoNotDependOnTheCardsItCannotSee) {
    HanaTableTest table;
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        for (int turn : {0, 2, 5}) {
            PlayUpToCom1Turn(seed, turn);
            auto before = DecideForSeat1();
            for (uint32_t permutation = 1; permutation <= 3; ++permutation) {
                PermuteHidden(seed * 5 + permutation);
                EXPECT_EQ(DecideForSeat1(), before) << "seed " << seed << " turn " << turn;
            }
        }
    }
    comLevel = 1;
}

TEST(HanaLevels, ThinkingNeverDrawsFromTheGamesGenerator) {
    HanaTableTest table;
    for (int level : {0, 2}) {
        PlayUpToCom1Turn(3, 1);
        SeedRandom(777);
        int slot = HanaChooseHandCardAtLevel(level, 1);
        int next = Random();
        SeedRandom(777);
        EXPECT_EQ(Random(), next);
        EXPECT_GE(slot, 0);
        EXPECT_LT(slot, hana.handCount[1]);
    }
    comLevel = 1;
}

TEST(HanaLevels, GentleTakesTheMostValuableCard) {
    HanaTableTest table;
    SetHand(1, {2, 10, 45});  // 松, 桜, 桐 chaff
    SetField({3, 8, 47});     // 松 chaff, 桜に幕, 桐 chaff
    EXPECT_EQ(HanaGentleChooseCard(ObserveHanaAwase(1)), 1);
    SetField({41, 43});  // 柳: 10 and 1
    EXPECT_EQ(HanaGentleChooseFieldCard(ObserveHanaAwase(1), 1, 0), 0);
    SetHand(1, {5, 44, 46});  // nothing to take: the cheapest goes
    SetField({12});
    EXPECT_EQ(HanaGentleChooseCard(ObserveHanaAwase(1)), 2);
}

TEST(HanaLevels, YakuPointsOfCardsFollowTheGiveWayRules) {
    struct Case {
        std::vector<int> cards;
        int points;
    } cases[] = {
        {{12, 13, 14, 15}, 20},                     // 藤シマ
        {{8, 32}, 20},                              // 花見
        {{8, 28, 32}, 30},                          // のみ replaces 花見 and 月見
        {{0, 28, 44}, 20},                          // 松桐坊主
        {{0, 8, 28, 44}, 60},                       // 四光 replaces 松桐坊主
        {{0, 8, 28, 40, 44}, 200},                  // 五光 alone among the brights
        {{1, 5, 9, 13, 17, 21}, 40 + 30},           // 赤タン and 六タン; くさ needs 25
        {{1, 5, 9, 13, 17, 21, 25}, 40 + 20 + 40},  // 七タン replaces 六タン; くさ
    };
    for (const Case& c : cases) {
        HanaCardSet set = 0;
        for (int card : c.cards) set |= HanaCardBit(card);
        EXPECT_EQ(HanaYakuPointsOfCards(set), c.points) << c.cards.size() << " cards";
    }
}

}  // namespace
