// The levels beside the specified computer: what they may see, what they
// choose, and that the strong one's thinking leaves the game's dealing alone.
#include "koikoi/com_levels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "cards/random.h"
#include "koikoi/flow.h"
#include "koikoi/self_play.h"
#include "koikoi_fixture.h"

namespace {

class KoiKoiLevels : public KoiKoiTest {
  protected:
    void TearDown() override {
        comLevel = 1;
        KoiKoiTest::TearDown();
    }

    // A position of a real game: the start of the human's turn `turns`
    // turns into the game dealt with `seed`, the human playing as
    // kirabo-sim's first-card policy.
    static void DealAndPlay(uint32_t seed, int turns) {
        SeedRandom(seed);
        gameState = subState = 0;
        for (int started = -1; gameState != -1;) {
            if (gameState == 3 && subState == 0 && ++started == turns) break;
            ChooseForHuman(SelfPlayPolicy::First);
            KoiKoiStep();
        }
        ComputeMatches(1);
    }

    // Deals the cards the computer cannot see (the human's hand and the
    // undrawn stock) anew among the same places.
    static void PermuteHidden(uint32_t seed) {
        std::vector<int> hidden;
        for (int s = 0; s < koi.handCount[0]; ++s) hidden.push_back(koi.hands[0][s]);
        for (int i = StockSize - koi.stockLeft; i < StockSize; ++i) hidden.push_back(koi.stock[i]);
        std::mt19937 shuffle(seed);
        std::shuffle(hidden.begin(), hidden.end(), shuffle);
        size_t k = 0;
        for (int s = 0; s < koi.handCount[0]; ++s) koi.hands[0][s] = hidden[k++];
        for (int i = StockSize - koi.stockLeft; i < StockSize; ++i) koi.stock[i] = hidden[k++];
    }

    struct Decisions {
        int card, target, field, stop;
        bool operator==(const Decisions&) const = default;
    };
    // Every kind of decision of つよい in seat 1, its generator seeded alike.
    static Decisions Decide() {
        Decisions d{};
        ComRandomOf(1).Seed(99);
        KoiObservation o = ObserveKoiKoi(1);
        d.card = StrongChooseCard(o, ComRandomOf(1), d.target);
        d.field = -1;
        for (int s = 0; s < koi.handCount[1]; ++s) {
            if (koi.matchCount[1][s] != 2) continue;
            int card = koi.hands[1][s];
            ComRandomOf(1).Seed(99);
            d.field =
                StrongChooseFieldCard(ObserveKoiKoi(1, card), card, false, koi.matchSlots[1][s][0],
                                      koi.matchSlots[1][s][1], ComRandomOf(1));
            break;
        }
        ComRandomOf(1).Seed(99);
        d.stop = StrongDecidesToStop(o, ComRandomOf(1));
        return d;
    }
};

TEST_F(KoiKoiLevels, StrongDecisionsDoNotDependOnTheCardsItCannotSee) {
    int withTwoMatches = 0;
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        for (int turns : {0, 3, 6}) {
            DealAndPlay(seed, turns);
            if (koi.handCount[1] == 0) continue;
            Decisions before = Decide();
            withTwoMatches += before.field >= 0;
            for (uint32_t permutation = 1; permutation <= 3; ++permutation) {
                PermuteHidden(seed * 7 + permutation);
                EXPECT_TRUE(Decide() == before) << "seed " << seed << " turns " << turns;
            }
        }
    }
    EXPECT_GT(withTwoMatches, 0) << "the field-card choice was tried";
}

TEST_F(KoiKoiLevels, ThinkingNeverDrawsFromTheGamesGenerator) {
    for (int level : {0, 2}) {
        DealAndPlay(5, 2);
        SeedRandom(1234);
        ChooseCardAtLevel(level, 1);
        DecidesToStopAtLevel(level, 1);
        int next = Random();
        SeedRandom(1234);
        EXPECT_EQ(Random(), next) << "level " << level;
    }
}

// The last hand, level scores: the strong player's five タン (1 文) win the
// game if it stops now, and its last two cards can hardly add more.
TEST_F(KoiKoiLevels, StrongBanksTheWinOfTheLastHand) {
    handsOption = 1;
    koi.handIndex = 11;
    koi.gameTotal[0] = koi.gameTotal[1] = 10;
    GiveCards(1, {13, 17, 21, 25, 37, 2, 3, 6, 7, 10, 11, 14});
    GiveCards(0, {4, 12, 16, 29, 1, 5, 15, 18, 19, 22, 23, 26});
    SetField({9, 20, 27, 30, 31, 34, 35, 38});
    SetHand(1, {0, 39});
    SetHand(0, {8, 24});
    SetStock({28, 32, 33, 36, 40, 41, 42, 43, 44, 45, 46, 47});
    ASSERT_EQ(YakuScoreOfCards(ObserveKoiKoi(1).captured[1], sakeOption), 1);
    for (uint64_t seed : {1u, 2u, 3u}) {
        ComRandomOf(1).Seed(seed);
        EXPECT_EQ(StrongDecidesToStop(ObserveKoiKoi(1), ComRandomOf(1)), 1) << "seed " << seed;
    }
}

TEST_F(KoiKoiLevels, GentleTakesTheMostValuableCardAndStopsAtOnce) {
    SetHand(1, {2, 10, 45});  // 松 カス, 桜 カス, 桐 カス
    SetField({3, 8, 47});     // 松 カス, 桜に幕, 桐 カス
    KoiObservation o = ObserveKoiKoi(1);
    EXPECT_EQ(GentleChooseCard(o), 1) << "the 桜 card takes 桜に幕";
    SetField({20, 21});  // 牡丹: タネ and タン; it takes the first without looking
    EXPECT_EQ(GentleChooseFieldCard(ObserveKoiKoi(1), 1, 0), 1);
    SetHand(1, {44, 5, 47});  // nothing to take: the first card that is not a 光
    SetField({0});
    EXPECT_EQ(GentleChooseCard(ObserveKoiKoi(1)), 1);
    EXPECT_EQ(DecidesToStopAtLevel(0, 1), 1);
}

}  // namespace
