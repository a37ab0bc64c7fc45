#include "hanaawase/deal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "cards/random.h"
#include "table_setup.h"
#include "tests/cards/golden_decks.h"

namespace {

using HanaDealTest = HanaTest;

// The most cards of one month among the six field cards of a dealt deck.
int MostOfAMonthOnTheField(const int* field) {
    int perMonth[12] = {};
    for (int f = 0; f < 6; ++f) ++perMonth[field[f] / 4];
    return *std::max_element(perMonth, perMonth + 12);
}

}  // namespace

TEST_F(HanaDealTest, ShuffleGivesTheGoldenDecks) {
    for (const GoldenDeck& g : GoldenDecks) {
        SeedRandom(g.seed);
        int deck[48];
        ShuffleDeck(deck);
        EXPECT_TRUE(std::equal(deck, deck + 48, g.cards)) << g.seed;
    }
}

// From the dealer on: four cards each, three to the field, three each, three
// to the field; the stock keeps the other 21 in deck order.
TEST_F(HanaDealTest, DealGivesSevenEachSixOnTheFieldAndTwentyOneInTheStock) {
    SeedRandom(7);
    hana.dealer = 2;
    HanaDeal();
    const int* d = hana.deck;
    const int order[3] = {2, 0, 1};
    for (int k = 0; k < 3; ++k) {
        const int* hand = hana.hands[order[k]];
        EXPECT_EQ(std::vector<int>(hand, hand + 8),
                  (std::vector<int>{d[4 * k], d[4 * k + 1], d[4 * k + 2], d[4 * k + 3],
                                    d[15 + 3 * k], d[16 + 3 * k], d[17 + 3 * k], -1}));
        EXPECT_EQ(hana.handCount[order[k]], 7);
    }
    EXPECT_EQ(std::vector<int>(hana.field, hana.field + 16),
              (std::vector<int>{d[12], d[13], d[14], d[24], d[25], d[26], -1, -1, -1, -1, -1, -1,
                                -1, -1, -1, -1}));
    EXPECT_EQ(hana.stockCount, 21);
    EXPECT_TRUE(std::equal(hana.stock, hana.stock + 21, d + 27));
}

// A whole month on the field could never be taken: the deck is shuffled again.
TEST_F(HanaDealTest, AWholeMonthOnTheFieldIsShuffledAgainFromScratch) {
    int seen = 0;
    for (uint32_t seed = 1; seed < 4000; ++seed) {
        SeedRandom(seed);
        int first[48], second[48];
        ShuffleDeck(first);
        ShuffleDeck(second);
        const int firstField[6] = {first[12], first[13], first[14],
                                   first[24], first[25], first[26]};
        const bool whole = MostOfAMonthOnTheField(firstField) == 4;
        ASSERT_EQ(HanaFieldHoldsWholeMonth(first), whole) << seed;
        SeedRandom(seed);
        HanaDeal();
        ASSERT_LT(MostOfAMonthOnTheField(hana.field), 4) << seed;
        if (!whole) continue;
        ++seen;
        if (!HanaFieldHoldsWholeMonth(second)) {
            EXPECT_TRUE(std::equal(second, second + 48, hana.deck)) << seed;
        }
    }
    EXPECT_GT(seen, 0);
}
