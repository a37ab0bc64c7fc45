// At start-up a kept game is offered; はい brings its table back and play is
// kept as it goes on, いいえ lets it go; a damaged one is set aside and the
// player told once. A new game from the menu asks before it throws a kept
// game away.
#include "app/resume.h"

#include "app/core/program.h"
#include "app/games.h"
#include "app/kept_game.h"
#include "app/main_window.h"
#include "assets/menu.h"
#include "cards/random.h"
#include "koikoi/flow.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "tests/app_ui/program_test.h"

namespace {

class ResumeTest : public ProgramTest {
  protected:
    static void SetUpTestSuite() {
        // A Koi-Koi game of twelve hands, its first hand dealt.
        platform::FakeClock clock(0, 1000);
        platform::SetClock(&clock);
        currentGame = 0;
        handsOption = 1;
        SeedRandom(99);
        gameState = 0;
        while (gameState < 3) KoiKoiStep();
        kept_ = KeptGameText("");
        keptState_ = gameState;
        gameState = -1;
        handsOption = 0;
        platform::SetClock(nullptr);
        StartProgram("0000000000");
    }
    // Answers every message box with `answer`, noting what was asked.
    void Answer(platform::BoxAnswer answer) {
        platform::testing::SetMessageBoxHook(
            [this, answer](const std::string& text, const std::string&) {
                asked_.push_back(text);
                return answer;
            });
    }
    static inline std::string kept_;
    static inline int keptState_ = 0;
    std::vector<std::string> asked_;
};

}  // namespace

TEST_F(ResumeTest, YesBringsTheGameBackAndNewGameAsksBeforeDiscardingIt) {
    data_->Write("game.sav", kept_);
    Answer(platform::BoxAnswer::Yes);
    OfferKeptGame();
    ASSERT_EQ(asked_, std::vector<std::string>{"前回の対局を続けますか？"});
    EXPECT_EQ(gameState, keptState_);
    EXPECT_EQ(currentGame, 0);
    EXPECT_EQ(handsOption, 1) << "the game's own rules";
    EXPECT_TRUE(platform::IsMenuItemEnabled(cmd::ScoreTable));

    // いいえ to the question keeps the game; no settings dialog opens.
    int dialogs = 0;
    platform::testing::SetDialogHook([&](platform::Dialog& d, int) {
        ++dialogs;
        d.Click(1);
    });
    Answer(platform::BoxAnswer::No);
    NewGame();
    EXPECT_EQ(asked_.back(), "対局中のゲームは破棄されます。新しいゲームを始めますか？");
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(gameState, keptState_);
    EXPECT_TRUE(KeptGameExists());

    // Play goes on and the window keeps it as it goes.
    for (int i = 0; i < 100 && data_->Read("game.sav") == kept_; ++i) {
        choiceConfirmed = 1;
        StepCurrentGame();
    }
    EXPECT_NE(data_->Read("game.sav"), kept_);

    Answer(platform::BoxAnswer::Yes);
    NewGame();
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(gameState, 0);
    EXPECT_FALSE(KeptGameExists());
    ReleaseCurrentGame();
    gameState = -1;
}

TEST_F(ResumeTest, NoLetsTheGameGoAndKeepsTheSettings) {
    data_->Write("game.sav", kept_);
    handsOption = 2;
    Answer(platform::BoxAnswer::No);
    OfferKeptGame();
    EXPECT_EQ(asked_.size(), 1u);
    EXPECT_EQ(gameState, -1);
    EXPECT_EQ(handsOption, 2);
    EXPECT_FALSE(KeptGameExists());
    EXPECT_FALSE(platform::IsMenuItemEnabled(cmd::ScoreTable));
}

TEST_F(ResumeTest, ADamagedFileIsSetAsideAndToldOnce) {
    std::string damaged = kept_;
    damaged[damaged.size() / 3] ^= 0x10;
    data_->Write("game.sav", damaged);
    Answer(platform::BoxAnswer::Yes);
    OfferKeptGame();
    OfferKeptGame();
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_NE(asked_[0].find("壊れて"), std::string::npos) << asked_[0];
    EXPECT_EQ(gameState, -1);
    EXPECT_FALSE(KeptGameExists());
    EXPECT_EQ(data_->Read("game.sav.damaged"), damaged) << "kept as it was";
}
