#include <gtest/gtest.h>

#include <string>

#include "cards/random.h"
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

// A thousand games at the default level and a few at each other one.
TEST(HanaSoak, GamesAtEveryLevelKeepEveryCardInOnePlaceAndTheScoresBalanced) {
    HanaTableTest table;
    SettlementWatch watch;
    SetHanaView(&watch);
    handsOption = 0;
    SeedRandom(31337);
    std::string fault;
    long turnsChecked = 0;
    int games = 0;
    for (int level : {1, 0, 2}) {
        comLevel = level;
        for (int game = 0; game < (level == 1 ? 1000 : 3) && fault.empty() && watch.fault.empty();
             ++game, ++games) {
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
                    if (!fault.empty())
                        fault += " (level " + std::to_string(level) + " game " +
                                 std::to_string(game) + ")";
                });
        }
    }
    comLevel = 1;
    EXPECT_EQ(fault, "");
    EXPECT_EQ(watch.fault, "");
    EXPECT_EQ(watch.hands, 6 * games);
    EXPECT_EQ(turnsChecked, 6L * 21 * games);
}
