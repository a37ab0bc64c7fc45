// ＣＯＭ１ and ＣＯＭ２ beside the specified rules: what they may see and
// what they choose.
#include "hanaawase/com_levels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "cards/random.h"
#include "hanaawase/deal.h"
#include "hanaawase/flow.h"
#include "hanaawase/invariants.h"
#include "hanaawase/play.h"
#include "table_setup.h"

namespace {

// A real deal, then `turns` turns in order from the dealer, each playing the
// first hand card at the default level.
void DealAndPlay(HanaTableTest&, uint32_t seed, int turns) {
    SeedRandom(seed);
    HanaClearHand();
    HanaDeal();
    comLevel = 1;
    int p = hana.dealer;
    for (int t = 0; t < turns && hana.stockCount > 0; ++t, p = (p + 1) % 3) {
        for (auto& pair : hana.capturePairs) pair[0] = pair[1] = -1;
        for (int& n : hana.turnCapturedCount) n = 0;
        HanaFindMatches(p);
        hana.chosenFieldSlot = hana.matchSlots[p][0][0];
        HanaPlayCard(p, 0);
        int drawn = hana.stock[HanaStockSize - hana.stockCount];
        hana.chosenFieldSlot = -1;
        for (int f = HanaFieldSlots - 1; f >= 0; --f)
            if (hana.field[f] >= 0 && IsSameMonth(hana.field[f], drawn)) hana.chosenFieldSlot = f;
        HanaDrawAndPlay(p);
        HanaMergeTurnCaptures(p);
    }
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
        for (int turns : {0, 4, 8}) {
            DealAndPlay(table, seed, turns);
            auto before = DecideForSeat1();
            for (uint32_t permutation = 1; permutation <= 3; ++permutation) {
                PermuteHidden(seed * 5 + permutation);
                EXPECT_EQ(DecideForSeat1(), before) << "seed " << seed << " turns " << turns;
            }
        }
    }
    comLevel = 1;
}

TEST(HanaLevels, ThinkingNeverDrawsFromTheGamesGenerator) {
    HanaTableTest table;
    for (int level : {0, 2}) {
        DealAndPlay(table, 3, 2);
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

// Whole games through the flow with ＣＯＭ１ and ＣＯＭ２ at each new level:
// every card stays in one place, every play is legal, every hand settles.
TEST(HanaLevels, WholeGamesAtEachLevelKeepTheGameSound) {
    HanaTableTest table;
    handsOption = 0;
    for (int level : {0, 2}) {
        comLevel = level;
        SeedRandom(4);
        gameState = 0;
        subState = 0;
        int steps = 0;
        while (gameState != -1 && ++steps < 100000) {
            if (gameState == HanaUserTurn && subState == 1) {
                cursorSlot = 0;
                choiceConfirmed = 1;
            } else if (gameState == HanaUserTurn && (subState == 2 || subState == 4)) {
                cursorSlot = 0;
                choiceConfirmed = 1;
            } else if (gameState == HanaFinalWait) {
                pointerClicked = 1;
            }
            int before = gameState;
            HanaAwaseStep();
            int next = gameState == HanaUserTurn && subState == 0 ? 0
                       : gameState == HanaCom1Turn                ? 1
                       : gameState == HanaCom2Turn                ? 2
                                                                  : -1;
            if (next >= 0) {
                std::string fault = HanaCheckBetweenTurns(next);
                ASSERT_TRUE(fault.empty()) << "level " << level << ": " << fault;
            }
            if (before == HanaHandEnd) {
                std::string fault = HanaCheckSettlement();
                ASSERT_TRUE(fault.empty()) << "level " << level << ": " << fault;
            }
        }
        EXPECT_EQ(gameState, -1);
    }
    comLevel = 1;
}

}  // namespace
