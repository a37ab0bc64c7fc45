#include "koikoi/invariants.h"

#include "app/core/records.h"
#include "cards/random.h"
#include "game_runner.h"
#include "koikoi_fixture.h"

namespace {

class InvariantTest : public KoiKoiTest {};

// Between two turns every card lies in exactly one place, the piles are
// sorted, the hands packed, and the totals are the sums of the hand scores.
TEST_F(InvariantTest, HoldBetweenTurnsOverAThousandSeededGames) {
    SeedRandom(1);
    long checks = 0;
    for (int g = 0; g < 1000; ++g) {
        handsOption = g % 2;
        sakeOption = g % 3;
        oyakenOption = (g / 2) % 2;
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
