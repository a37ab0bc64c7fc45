#include "hanaawase/deal.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "cards/random.h"
#include "table_setup.h"
#include "tests/cards/golden_decks.h"

namespace {

class HanaDealTest : public ::testing::Test {
  protected:
    HanaTableTest table;
};

// The first seed from `from` whose first shuffle lays a whole month on the field.
uint32_t SeedWithWholeMonthOnField(uint32_t from) {
    for (uint32_t seed = from;; ++seed) {
        SeedRandom(seed);
        int deck[48];
        ShuffleDeck(deck);
        if (HanaFieldHoldsWholeMonth(deck)) return seed;
    }
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

TEST_F(HanaDealTest, DealGivesSevenEachSixOnTheFieldAndTwentyOneInTheStock) {
    SeedRandom(7);
    hana.dealer = 2;
    HanaDeal();
    const int* d = hana.deck;
    // The dealer (2) is dealt first, then 0, then 1.
    const int order[3] = {2, 0, 1};
    for (int k = 0; k < 3; ++k) {
        int p = order[k];
        EXPECT_EQ(hana.handCount[p], 7);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(hana.hands[p][i], d[4 * k + i]);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(hana.hands[p][4 + i], d[15 + 3 * k + i]);
        EXPECT_EQ(hana.hands[p][7], -1);
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(hana.field[i], d[12 + i]);
        EXPECT_EQ(hana.field[3 + i], d[24 + i]);
    }
    for (int f = 6; f < 16; ++f) EXPECT_EQ(hana.field[f], -1);
    EXPECT_EQ(hana.stockCount, 21);
    for (int i = 0; i < 21; ++i) EXPECT_EQ(hana.stock[i], d[27 + i]);
}

TEST_F(HanaDealTest, AWholeMonthOnTheFieldIsShuffledAgainFromScratch) {
    uint32_t seed = SeedWithWholeMonthOnField(1);
    SeedRandom(seed);
    int first[48], second[48];
    ShuffleDeck(first);
    ShuffleDeck(second);
    ASSERT_TRUE(HanaFieldHoldsWholeMonth(first));

    SeedRandom(seed);
    HanaDeal();
    EXPECT_FALSE(HanaFieldHoldsWholeMonth(hana.deck));
    if (!HanaFieldHoldsWholeMonth(second)) {
        EXPECT_TRUE(std::equal(second, second + 48, hana.deck));
    }
    int perMonth[12] = {};
    for (int f = 0; f < 6; ++f) ++perMonth[hana.field[f] / 4];
    EXPECT_LT(*std::max_element(perMonth, perMonth + 12), 4);
}
