// ＣＯＭ１ and ＣＯＭ２ beside the specified rules: what they may see, what
// the plays of the specified ones rule out of their hands, and what they
// choose. (Kept games carry the cards ruled out: see the kept-game tests.)
#include "hanaawase/com_levels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <vector>

#include "cards/random.h"
#include "hanaawase/inference.h"
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

HanaCardSet SetOf(const std::vector<int>& cards) {
    HanaCardSet s = 0;
    for (int card : cards) s |= HanaCardBit(card);
    return s;
}

// Deals the cards in the hands of `players` and the stock anew among the same
// places and rebuilds the yaku-watch lists from that order, as the last
// capture would have.
void PermuteHidden(std::mt19937& shuffle, std::initializer_list<int> players) {
    std::vector<int*> places;
    for (int p : players)
        for (int& card : hana.hands[p])
            if (card >= 0) places.push_back(&card);
    for (int i = HanaStockSize - hana.stockCount; i < HanaStockSize; ++i)
        places.push_back(&hana.stock[i]);
    std::vector<int> cards;
    for (int* place : places) cards.push_back(*place);
    std::shuffle(cards.begin(), cards.end(), shuffle);
    for (size_t i = 0; i < places.size(); ++i) *places[i] = cards[i];
    for (int p = 0; p < HanaPlayers; ++p) HanaEvaluateReach(p);
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
                std::mt19937 shuffle(seed * 5 + permutation);
                PermuteHidden(shuffle, {0, 2});  // all that seat 1 cannot see
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
        HanaChooseHandCardAtLevel(level, 1);
        int next = Random();
        SeedRandom(777);
        EXPECT_EQ(Random(), next);
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
        EXPECT_EQ(HanaYakuPointsOfCards(SetOf(c.cards)), c.points) << c.cards.size() << " cards";
    }
}

// Self-play at the default level with a user playing at random: after every
// step no card ruled out for a computer is in its hand (a wrong key, a tie
// taken as strict or a throw-away misread would put one there), and as each
// computer turn begins, what any of its hand cards would rule out stays the
// same whatever the hidden cards and the lists built from their order.
TEST(HanaInference, RuledOutCardsAreNeverHeldAndComeOnlyFromWhatIsSeen) {
    HanaTableTest table;
    comLevel = 1;
    std::mt19937 shuffle(5);
    long ruledOut = 0, turnsChecked = 0;
    for (uint32_t seed = 1; seed <= 400; ++seed) {
        SeedRandom(seed);
        UserPolicy policy{UserPolicy::AtRandom, seed};
        PlayGame(policy, nullptr, [&] {
            for (int p : {1, 2}) {
                HanaCardSet hand = 0;
                for (int card : hana.hands[p]) hand |= HanaCardBit(card);
                ASSERT_EQ(hana.ruledOut[p] & hand, 0u) << "seed " << seed << " player " << p;
            }
            if ((gameState != HanaCom1Turn && gameState != HanaCom2Turn) || subState != 0) return;
            int p = gameState - HanaUserTurn;
            ruledOut += std::popcount(hana.ruledOut[p]);
            ++turnsChecked;
            HanaCardSet before[HanaHandSlots] = {};
            for (int slot = 0; slot < HanaHandSlots; ++slot)
                if (hana.hands[p][slot] >= 0)
                    before[slot] = HanaRuledOutByPlay(p, hana.hands[p][slot]);
            static HanaAwaseState kept;
            kept = hana;
            int hand[HanaHandSlots];
            std::copy(std::begin(hana.hands[p]), std::end(hana.hands[p]), hand);
            PermuteHidden(shuffle, {0, 1, 2});
            for (int slot = 0; slot < HanaHandSlots; ++slot) {
                if (hand[slot] < 0) continue;
                EXPECT_EQ(HanaRuledOutByPlay(p, hand[slot]), before[slot]) << "seed " << seed;
            }
            hana = kept;
        });
    }
    // Ruled out at all: a few cards each turn on average.
    EXPECT_GT(ruledOut, 3 * turnsChecked);
    comLevel = 1;
}

// Single plays, each card's month checked by hand: what a better capture or
// an earlier throw-away rules out, and what a tie or a possibly dead month
// leaves possible.
TEST(HanaInference, PlaysRuleOutWhatTheRulesWouldHavePlayedFirst) {
    struct Case {
        const char* what;
        std::vector<int> field, takenByUser;
        int played;
        std::vector<int> ruledOut, possible;
    } cases[] = {
        {"a chaff on a chaff: the bright's month and richer cards of its own were better",
         {0, 11},
         {},
         10,
         {1, 2, 3, 8, 9},
         {4, 20, 47}},
        {"the same capture with a card of the same value is a tie", {47}, {}, 45, {44}, {46, 43}},
        {"a throw-away: the field's months, and cheaper cards nobody wants",
         {8},
         {44, 40},
         47,
         {9, 10, 11, 45, 46},
         {2, 0, 1, 20}},
        {"a throw-away from a month that may lie whole in hand rules out only the field's",
         {8},
         {},
         47,
         {9, 10, 11},
         {45, 46}},
    };
    for (const Case& c : cases) {
        HanaTableTest table;
        SetField(c.field);
        GiveCaptured(0, c.takenByUser);
        EvaluateEveryone();
        HanaCardSet out = HanaRuledOutByPlay(1, c.played);
        EXPECT_EQ(out & SetOf(c.ruledOut), SetOf(c.ruledOut)) << c.what;
        EXPECT_EQ(out & SetOf(c.possible), 0u) << c.what;
    }
}

}  // namespace
