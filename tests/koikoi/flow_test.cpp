#include "cards/random.h"
#include "core/records.h"
#include "koikoi_fixture.h"

namespace {

class FlowTest : public KoiKoiTest {
  protected:
    void SetUp() override {
        KoiKoiTest::SetUp();
        ClearRecords();
        SeedRandom(2024);
    }
};

// The human stops at once and the computer's answer is shown as given, or
// nobody stops; the human's stops are counted.
class CountingView : public KoiKoiView {
  public:
    bool nobodyStops = false;
    int oyakenNotices = 0;
    int humanStops = 0;
    int bestHumanStop = 0;
    int YakuMadeDialog(int player, int comAnswer) override {
        const int answer = nobodyStops ? 0 : player == 1 ? comAnswer : 1;
        if (player == 0 && answer == 1) {
            ++humanStops;
            if (koi.handScore > bestHumanStop) bestHumanStop = koi.handScore;
        }
        return answer;
    }
    void ShowOyakenNotice() override { ++oyakenNotices; }
};

TEST_F(FlowTest, UnlimitedGameNeverEndsByItself) {
    handsOption = 2;
    gameState = 0;
    while (!(koi.handIndex == 30 && (gameState == 3 || gameState == 4))) {
        ChooseForHuman(SelfPlayPolicy::Last);
        KoiKoiStep();
        ASSERT_NE(gameState, 6);
    }
    EXPECT_EQ(koi.handScores[1].size(), 31u);
    ReleaseKoiKoiGame();
}

// A six-hand game ends after the sixth hand; the records count the human's
// hands, stops and game. When nobody stops, with 親権 the dealer takes three
// 文 and keeps the deal; without it the hand scores nothing.
TEST_F(FlowTest, SixHandGameEndsAfterTheSixthHandIsRecordedAndScoresTheOyaken) {
    handsOption = 0;
    CountingView view;
    SetKoiKoiView(&view);
    const struct {
        bool nobodyStops;
        int oyaken;
    } cases[] = {{false, 0}, {true, 1}, {true, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "nobody stops " << c.nobodyStops << ", 親権 " << c.oyaken);
        ClearRecords();
        oyakenOption = c.oyaken;
        view.nobodyStops = c.nobodyStops;
        view.oyakenNotices = view.humanStops = view.bestHumanStop = 0;
        int totals[2] = {}, hands = 0, dealer = -1;
        PlayWholeGame(c.nobodyStops, [&](int before) {
            if (before == 1) dealer = koi.dealer;
            if (before == 5 && c.nobodyStops) {
                EXPECT_EQ(koi.dealer, dealer);
                EXPECT_EQ(koi.handScores[dealer][koi.handIndex - 1], 3 * c.oyaken);
                EXPECT_EQ(koi.handScores[dealer ^ 1][koi.handIndex - 1], 0);
            }
            hands += before == 5;
            if (before != 6) return;
            totals[0] = koi.gameTotal[0], totals[1] = koi.gameTotal[1];
            EXPECT_EQ(koi.handIndex, 5);
            EXPECT_EQ(koi.handScores[0].size(), 6u);
            EXPECT_EQ(gameState, 7);
        });
        EXPECT_EQ(hands, 6);
        EXPECT_EQ(recKoiGamesPlayed, 1);
        EXPECT_EQ(recKoiGamesWon, totals[0] > totals[1] ? 1 : 0);
        EXPECT_EQ(recKoiHandsPlayed, 6);
        EXPECT_EQ(recKoiHandsWon, view.humanStops);
        EXPECT_EQ(recKoiTotalMon, totals[0]);
        EXPECT_EQ(recKoiBestHand, view.bestHumanStop);
        EXPECT_EQ(view.humanStops > 0, !c.nobodyStops);
        if (!c.nobodyStops) continue;
        EXPECT_EQ(view.oyakenNotices, 6 * c.oyaken);
        EXPECT_EQ(totals[dealer], 18 * c.oyaken);
        EXPECT_EQ(totals[dealer ^ 1], 0);
    }
}

}  // namespace
