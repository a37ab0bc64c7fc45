#include "hanaawase/deal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "cards/random.h"
#include "table_setup.h"

namespace {

using HanaDealTest = HanaTest;

// The most cards of one month among the six field cards of a dealt deck.
int MostOfAMonthOnTheField(const int* field) {
    int perMonth[12] = {};
    for (int f = 0; f < 6; ++f) ++perMonth[field[f] / 4];
    return *std::max_element(perMonth, perMonth + 12);
}

}  // namespace

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
