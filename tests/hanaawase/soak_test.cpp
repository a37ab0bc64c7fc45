#include <gtest/gtest.h>

#include <string>

#include "cards/random.h"
#include "game_driver.h"
#include "hanaawase/invariants.h"
#include "table_setup.h"

namespace {

// Checks every settled hand as it ends.
class SettlementWatch : public HanaView {
  public:
    std::string fault;
    int hands = 0;
    void HanaHandEnded(int nextDealer) override {
        ++hands;
        if (fault.empty()) fault = HanaCheckSettlement();
        if (fault.empty() && (nextDealer < 0 || nextDealer > 2)) fault = "bad next dealer";
    }
};

}  // namespace

TEST(HanaSoak, AThousandGamesKeepEveryCardInOnePlaceAndTheScoresBalanced) {
    HanaTableTest table;
    SettlementWatch watch;
    SetHanaView(&watch);
    handsOption = 0;
    SeedRandom(31337);
    std::string fault;
    long turnsChecked = 0;
    for (int game = 0; game < 1000 && fault.empty() && watch.fault.empty(); ++game) {
        UserPolicy policy{static_cast<UserPolicy::Kind>(game % 3), static_cast<uint32_t>(game)};
        PlayGame(
            policy, [&] { return !fault.empty(); },
            [&] {
                int player = -1;
                if (gameState == HanaUserTurn && subState == 0) player = 0;
                if (gameState == HanaCom1Turn) player = 1;
                if (gameState == HanaCom2Turn) player = 2;
                if (player < 0) return;
                ++turnsChecked;
                fault = HanaCheckBetweenTurns(player);
                if (!fault.empty()) fault += " (game " + std::to_string(game) + ")";
            });
    }
    EXPECT_EQ(fault, "");
    EXPECT_EQ(watch.fault, "");
    EXPECT_EQ(watch.hands, 6000);
    EXPECT_EQ(turnsChecked, 6000L * 21);
}
