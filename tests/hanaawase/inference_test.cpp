// What the plays of the ふつう computers rule out of their hands: never a
// card they hold, never anything drawn from hidden cards. (Kept games carry
// it: see the kept-game tests.)
#include "hanaawase/inference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <string>
#include <vector>

#include "cards/random.h"
#include "table_setup.h"

namespace {

HanaCardSet SetOf(const std::vector<int>& cards) {
    HanaCardSet s = 0;
    for (int card : cards) s |= HanaCardBit(card);
    return s;
}

// Deals every card no seat sees (the hands and the stock) anew among the
// same places and rebuilds the yaku-watch lists from that order, as the
// last capture would have.
void PermuteHidden(std::mt19937& shuffle) {
    std::vector<int*> places;
    for (int p = 0; p < HanaPlayers; ++p)
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
            PermuteHidden(shuffle);
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
