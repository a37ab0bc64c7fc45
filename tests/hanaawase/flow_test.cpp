#include <gtest/gtest.h>

#include <algorithm>

#include "cards/random.h"
#include "core/records.h"
#include "hanaawase/play.h"
#include "table_setup.h"

namespace {

class HanaFlowTest : public ::testing::Test {
  protected:
    HanaTableTest table;
    void SetUp() override {
        handsOption = 0;
        ClearRecords();
        SeedRandom(2024);
    }
};

// Hit tests that answer what the test says is under the pointer.
class PointerView : public HanaView {
  public:
    int handSlot = -1, fieldSlot = -1;
    int HanaHandCardAt(int, int) override { return handSlot; }
    int HanaFieldSlotAt(int, int) override { return fieldSlot; }
};

// The user is to play: a hand card of 桜 with two 桜 cards on the field;
// the turn has started.
void StartUsersTurnWithTwoMatches() {
    SetHand(0, {2, 10, 20});
    SetHand(1, {3, 21, 22});
    SetHand(2, {4, 23, 24});
    SetField({8, 30, 9});
    SetStock({40, 41, 42, 43, 44, 45, 46, 47, 36});
    hana.dealer = 0;
    gameState = HanaUserTurn;
    subState = 0;
    HanaAwaseStep();
    ASSERT_EQ(subState, 1);
}

}  // namespace

// A game of six or twelve hands ends, its result staying up until the user
// clicks it away; the records count the user's hands and game. An unlimited
// game goes on.
TEST_F(HanaFlowTest, AGameLastsSixOrTwelveHandsOrGoesOnAndIsRecorded) {
    const struct {
        int option, lastHand;  // -1: no end
        UserPolicy::Kind policy;
    } cases[] = {
        {0, 5, UserPolicy::AtRandom}, {1, 11, UserPolicy::Last}, {2, -1, UserPolicy::First}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        HanaTableTest fresh;
        ClearRecords();
        handsOption = c.option;
        UserPolicy policy{c.policy, 5};
        PlayGame(policy, [] { return gameState == HanaFinalWait || hana.handsCompleted == 19; });
        if (c.lastHand < 0) {
            EXPECT_EQ(hana.handsCompleted, 19);
            EXPECT_LT(gameState, HanaHandEnd);
            continue;
        }
        EXPECT_EQ(gameState, HanaFinalWait);
        EXPECT_EQ(hana.handsCompleted, c.lastHand);
        const std::vector<int>& mine = hana.scoreHistory[0];
        const int* totals = hana.totalScore;
        ASSERT_EQ(mine.size(), c.lastHand + 1u);
        EXPECT_EQ(recHanaHandsPlayed, c.lastHand + 1);
        EXPECT_EQ(recHanaBestHand, *std::max_element(mine.begin(), mine.end()));
        EXPECT_EQ(recHanaTotalPoints, totals[0]);
        EXPECT_EQ(recHanaGamesPlayed, 1);
        EXPECT_EQ(recHanaGamesWon, totals[0] > totals[1] && totals[0] > totals[2] ? 1 : 0);
        EXPECT_EQ(recKoiHandsPlayed, 0);
        for (int i = 0; i < 3; ++i) HanaAwaseStep();
        EXPECT_EQ(gameState, HanaFinalWait);
        choiceConfirmed = 1;
        HanaAwaseStep();
        EXPECT_EQ(gameState, -1);
        EXPECT_TRUE(hana.scoreHistory[0].empty());
    }
}

TEST_F(HanaFlowTest, AHandIsWonOnlyWithAtLeastOnePointAndNoOneAhead) {
    // 88 card points and no yaku settle at exactly 0.
    const std::initializer_list<int> evenHand = {0, 8, 40, 16, 41, 1, 2, 3, 6};
    const struct {
        std::initializer_list<int> extraMine, com1;
        int score, won;
    } cases[] = {
        {{}, {}, 0, 0},         // level, with both others far behind
        {{7}, {}, 1, 1},        // one point ahead of the base
        {{7}, {11}, 1, 1},      // level with ＣＯＭ１
        {{7}, {11, 10}, 1, 0},  // one point behind ＣＯＭ１
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "scoring " << c.score << " against " << c.com1.size()
                                        << " extra cards of ＣＯＭ１");
        HanaTableTest fresh;
        ClearRecords();
        GiveCaptured(0, evenHand);
        GiveCaptured(0, c.extraMine);
        // ＣＯＭ１ holds 88 card points too, and the extra ones on top.
        GiveCaptured(1, {28, 44, 4, 12, 20, 29, 13, 14, 18, 19});
        GiveCaptured(1, c.com1);
        gameState = HanaHandEnd;
        HanaAwaseStep();
        ASSERT_EQ(hana.handScore[0], c.score);
        EXPECT_EQ(recHanaHandsPlayed, 1);
        EXPECT_EQ(recHanaHandsWon, c.won);
        EXPECT_EQ(recHanaTotalPoints, c.score);
    }
}

// Only a click on a hand card chooses it, only a click on the candidate
// under the cursor takes it; hovering the other candidate moves the cursor.
TEST_F(HanaFlowTest, ACardMatchingTwoTakesTheCandidateUnderTheCursor) {
    PointerView view;
    SetHanaView(&view);
    StartUsersTurnWithTwoMatches();
    pointerClicked = 1;  // nothing under the pointer
    HanaAwaseStep();
    EXPECT_EQ(subState, 1);
    EXPECT_EQ(choiceConfirmed, 0);
    view.handSlot = 1;  // the 桜 chaff
    pointerMoved = pointerClicked = 1;
    HanaAwaseStep();
    ASSERT_EQ(subState, 2);
    EXPECT_EQ(hana.chosenHandSlot, 1);
    cursorSlot = 2;  // past the second candidate: back to the first
    redrawRequested = 1;
    HanaAwaseStep();
    EXPECT_EQ(cursorSlot, 0);
    view.fieldSlot = 2;  // the candidate not under the cursor
    pointerClicked = 1;
    HanaAwaseStep();
    EXPECT_EQ(subState, 2);
    pointerMoved = pointerClicked = 1;
    HanaAwaseStep();
    EXPECT_EQ(hana.captured[0][HanaKindOf(9)][0], 9);
    EXPECT_EQ(hana.field[0], 8);
    EXPECT_EQ(hana.hands[0][7], 40);  // the drawn card waits in slot 7
}
