#include "cards/cards.h"

#include <gtest/gtest.h>

#include "cards/random.h"

TEST(CardModel, MonthsHoldTwentyFourChaffTenRibbonsNineAnimalsFiveLights) {
    int count[21] = {};
    for (int c = 0; c < CardCount; ++c) ++count[CardValue[c]];
    EXPECT_EQ(count[20], 5);
    EXPECT_EQ(count[10], 9);
    EXPECT_EQ(count[5], 10);
    EXPECT_EQ(count[1], 24);
    for (int light : {0, 8, 28, 40, 44}) EXPECT_EQ(CategoryOf(light), 0) << light;
    for (int ribbon : {1, 5, 9, 13, 17, 21, 25, 33, 37, 42}) EXPECT_EQ(CategoryOf(ribbon), 2);
    for (int animal : {4, 12, 16, 20, 24, 29, 32, 36, 41}) EXPECT_EQ(CategoryOf(animal), 1);
}

TEST(CardModel, MonthTestComparesQuarters) {
    EXPECT_TRUE(IsSameMonth(40, 43));
    EXPECT_FALSE(IsSameMonth(39, 40));
    EXPECT_TRUE(IsSameMonth(0, 3));
    EXPECT_EQ(MonthOf(47), 11);
}

TEST(Random, KnownSeedGivesTheClassicSequence) {
    SeedRandom(1);
    EXPECT_EQ(Random(), 41);
    EXPECT_EQ(Random(), 18467);
    EXPECT_EQ(Random(), 6334);
    EXPECT_EQ(Random(), 26500);
    EXPECT_EQ(Random(), 19169);
}

TEST(Random, StateWrapsAtTwoToThe32) {
    SeedRandom(0xFFFFFFFFu);
    // (2^32 - 1) * 214013 + 2531011 mod 2^32 = 2316998
    EXPECT_EQ(Random(), (2316998u >> 16) & 0x7FFF);
}
