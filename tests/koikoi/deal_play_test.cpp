#include <algorithm>
#include <vector>

#include "cards/random.h"
#include "koikoi_fixture.h"

namespace {

class DealTest : public KoiKoiTest {};
class PlayTest : public KoiKoiTest {};

// The first seed whose first shuffle puts a whole month among the field
// cards: the deal uses the second shuffle.
TEST_F(DealTest, FieldWithAWholeMonthIsShuffledAgainFromScratch) {
    int first[48], second[48];
    uint32_t seed = 0;
    do {
        SeedRandom(++seed);
        ShuffleDeck(first);
    } while (!FieldHoldsWholeMonth(first));
    ShuffleDeck(second);
    ASSERT_FALSE(FieldHoldsWholeMonth(second)) << "pick a seed whose second shuffle is good";
    SeedRandom(seed);
    DealHand();
    EXPECT_EQ(koi.hands[0][0], second[0]);
    EXPECT_EQ(koi.field[0], second[8]);
    EXPECT_EQ(koi.stock[23], second[47]);
}

// Decks laid out by hand: the field is dealt from D[8..11] and D[20..23].
TEST_F(DealTest, EveryOneOfTheEightFieldCardsCountsTowardsAWholeMonth) {
    // Where the four 桐 cards (44..47) lie. The other months fill the rest
    // of the deck in turn, so no other month has more than two field cards.
    const struct {
        std::vector<int> at;
        bool whole;
    } cases[] = {
        {{8, 9, 10, 11}, true},    // the first field packet
        {{20, 21, 22, 23}, true},  // the second, the last dealt cards
        {{8, 21, 22, 23}, true},   // both packets
        {{8, 9, 10, 23}, true},    // the very last field card completes it
        {{11, 20, 22, 23}, true},  {{9, 10, 11, 24}, false},  // the fourth is the first stock card
        {{7, 20, 21, 22}, false},                             // the fourth is in a hand
        {{20, 21, 22, 47}, false},                            // the fourth is the last stock card
        {{12, 13, 14, 15}, false},                            // a whole month in a hand
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "桐 at " << c.at[0] << ", " << c.at[1] << ", " << c.at[2]
                                        << ", " << c.at[3]);
        int deck[48];
        std::fill(deck, deck + 48, -1);
        for (int i = 0; i < 4; ++i) deck[c.at[i]] = 44 + i;
        int next = 0;
        for (int& card : deck) {
            if (card != -1) continue;
            card = 4 * (next % 11) + next / 11;
            ++next;
        }
        ASSERT_EQ(next, 44);
        EXPECT_EQ(FieldHoldsWholeMonth(deck), c.whole);
    }
}

// A slot emptied by a capture stays free until the turn ends (the flow's
// choice test plays that turn); the next turn lays a card there.
TEST_F(PlayTest, ASlotEmptiedByALastTurnsCaptureIsReused) {
    SetField({0, 4, -1, 44});
    ResetTurnState();
    SetHand(0, {40});
    PlayCard(0, 0);
    EXPECT_EQ(koi.field[2], 40);
}

TEST_F(PlayTest, SeventeenthFieldCardTakesAnOverflowSlot) {
    SetField({0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 16, 17, 18, 20});
    SetHand(1, {44});
    ResetTurnState();
    PlayCard(1, 0);
    EXPECT_EQ(koi.field[16], 44);
    for (int f = 0; f < 16; ++f) EXPECT_NE(koi.field[f], -1) << "no card laid over another";
}

}  // namespace
