// Properties that hold in every position real games pass through, checked
// over many seeded games.
#include "koikoi/invariants.h"

#include <cstring>

#include "cards/random.h"
#include "core/records.h"
#include "koikoi/com_levels.h"
#include "koikoi_fixture.h"

namespace {

class InvariantTest : public KoiKoiTest {
  protected:
    void TearDown() override {
        comLevel = 1;
        KoiKoiTest::TearDown();
    }
};

template <typename T>
bool Same(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Everything a capture writes, compared entry by entry where it counts.
std::string Differences(const KoiKoiState& a, const KoiKoiState& b) {
    std::string what;
    if (!Same(a.piles, b.piles) || !Same(a.pileCount, b.pileCount)) what += " piles";
    if (!Same(a.turnCaptures, b.turnCaptures)) what += " turnCaptures";
    if (!Same(a.yakuMade, b.yakuMade) || !Same(a.yakuAnnounced, b.yakuAnnounced)) what += " made";
    if (!Same(a.yakuReach, b.yakuReach)) what += " reach";
    if (!Same(a.yakuChance, b.yakuChance)) what += " chance";
    for (int p = 0; p < 2; ++p) {
        for (int y = 0; y < YakuCount; ++y) {
            int n = a.reachCardCount[p][y], m = a.liveReachCardCount[p][y];
            if (n != b.reachCardCount[p][y] ||
                !std::equal(a.reachCards[p][y], a.reachCards[p][y] + n, b.reachCards[p][y]))
                what += " reachCards";
            if (m != b.liveReachCardCount[p][y] ||
                !std::equal(a.liveReachCards[p][y], a.liveReachCards[p][y] + m,
                            b.liveReachCards[p][y]))
                what += " liveReachCards";
        }
    }
    return what;
}

// p's captured cards.
CardSet Captured(int p) {
    CardSet set = 0;
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i < koi.pileCount[p][k]; ++i) set |= CardBit(koi.piles[p][k][i]);
    return set;
}

// In every position real games pass through, the shortcut for a card taking
// one field card must leave exactly what two full captures in a row leave,
// and the strong player's scorer of captured cards must give the rules' score.
TEST_F(InvariantTest, ShortcutsAgreeWithTheFullRulesInRealPositions) {
    SeedRandom(77);
    int compared = 0;
    for (int g = 0; g < 40; ++g) {
        sakeOption = g % 3;
        PlayWholeGame(g % 2 == 0, [&](int) {
            bool betweenTurns = (gameState == 3 && subState == 1) || gameState == 4;
            if (!betweenTurns) return;
            int p = gameState == 3 ? 0 : 1;
            ComputeMatches(p);  // the computer's are only made when it chooses
            KoiKoiState before = koi;
            for (int s = 0; s < koi.handCount[p]; ++s) {
                if (before.matchCount[p][s] == 0) continue;
                int card = before.hands[p][s];
                int taken = before.field[before.matchSlots[p][s][0]];
                koi = before;
                koi.hands[p][s] = -1;
                CaptureCard(p, card);
                CaptureCard(p, taken);
                KoiKoiState stepByStep = koi;
                koi = before;
                koi.hands[p][s] = -1;
                CaptureTwoCards(p, card, taken);
                ASSERT_EQ(Differences(stepByStep, koi), "") << "game " << g << " card " << card;
                ++compared;
            }
            for (int q = 0; q < 2; ++q) {
                koi = before;
                FormHandScore(q);
                ASSERT_EQ(koi.handScore, YakuScoreOfCards(Captured(q), sakeOption)) << "game " << g;
            }
            koi = before;
        });
    }
    EXPECT_GT(compared, 1000);
    // 五光 is too rare to come up in these games.
    EXPECT_EQ(
        YakuScoreOfCards(CardBit(0) | CardBit(8) | CardBit(28) | CardBit(40) | CardBit(44), 1), 15);
}

// Between two turns every card lies in exactly one place, the piles are
// sorted, the hands packed, and the totals are the sums of the hand scores.
// Every tenth game the computer plays at the gentle or the strong level.
TEST_F(InvariantTest, HoldBetweenTurnsOverAThousandSeededGamesAtEveryLevel) {
    SeedRandom(1);
    long checks = 0;
    for (int g = 0; g < 1000; ++g) {
        handsOption = g % 2;
        sakeOption = g % 3;
        oyakenOption = (g / 2) % 2;
        comLevel = g % 10 != 0 ? 1 : g % 20 == 0 ? 0 : 2;
        bool first = (g / 6) % 2 == 0;
        std::string fault;
        PlayWholeGame(first, [&](int) {
            bool betweenTurns =
                (gameState == 3 && subState <= 1) || gameState == 4 || gameState == 5;
            if (!fault.empty() || !betweenTurns) return;
            fault = CheckKoiKoiInvariants();
            ++checks;
        });
        ASSERT_EQ(fault, "") << "game " << g;
    }
    EXPECT_GT(checks, 1000 * 6 * 16);
}

}  // namespace
