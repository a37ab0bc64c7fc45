#include "app/main_window.h"

#include <tuple>

#include "app/games.h"
#include "app/kept_game.h"
#include "app/resume.h"
#include "assets/catalogue.h"
#include "assets/dialogs.h"
#include "assets/menu.h"
#include "cards/random.h"
#include "core/program.h"
#include "koikoi/flow.h"
#include "koikoi/state.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "tests/app_ui/program_test.h"

namespace {

class MainWindowTest : public ProgramTest {
  protected:
    static void SetUpTestSuite() {
        // A kept Koi-Koi game of twelve hands, its first hand dealt.
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
        platform::SetClock(nullptr);
        StartProgram("0011111000");
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

// The program starts with the stored options checked. Each toggle flips its
// value and check; each radio group's command sets its value and checks its
// item alone. All are kept at once: the strength and the language in their
// own file, the rest in their digit of settei.dat. The window takes the size and background chosen.
TEST_F(MainWindowTest, MenuOptionsStartCheckedAsStoredAndAreKeptAtOnce) {
    EXPECT_EQ(platform::ScreenImage().Width(), 632);
    for (int checked :
         {cmd::Background2, cmd::Music2, cmd::Resolution640, cmd::SoundEffects, cmd::ShowCapturable,
          cmd::Animation, cmd::ComLevelNormal, cmd::LanguageAutomatic})
        EXPECT_TRUE(platform::IsMenuItemChecked(checked)) << checked;
    // The idle window shows the chosen background of the last game.
    EXPECT_EQ(platform::ScreenImage().Pixel(300, 200), assets::LoadImage(10701).Pixel(300, 200));
    for (auto [command, value, digit] : {std::tuple{cmd::ShowCapturable, &showCapturableOn, 4},
                                         {cmd::Animation, &animationOn, 5},
                                         {cmd::SoundEffects, &soundEffectsOn, 6}}) {
        for (int on : {0, 1}) {
            platform::SendCommand(command);
            EXPECT_EQ(*value, on) << command;
            EXPECT_EQ(platform::IsMenuItemChecked(command), on == 1) << command;
            EXPECT_EQ(data_->Read("settei.dat")[digit], '0' + on) << command;
        }
    }
    struct Group {
        int first, count;
        int* value;
        int digit;             // its place in settei.dat, -1 when kept in kirabo.ini
        const char* ini = "";  // its key there
    } groups[] = {{cmd::Resolution640, 3, &resolution, 1},
                  {cmd::Background1, 3, &backgroundChoice, 2},
                  {cmd::Music1, 4, &musicChoice, 3},
                  {cmd::ComLevelGentle, 3, &comLevel, -1, "level="},
                  {cmd::LanguageAutomatic, 3, &languageChoice, -1, "choice="}};
    for (const Group& g : groups) {
        for (int choice : {g.count - 1, 0, 1}) {
            const std::string settei = data_->Read("settei.dat");
            platform::SendCommand(g.first + choice);
            EXPECT_EQ(*g.value, choice) << g.first;
            for (int i = 0; i < g.count; ++i)
                EXPECT_EQ(platform::IsMenuItemChecked(g.first + i), i == choice) << g.first + i;
            if (g.digit >= 0) {
                EXPECT_EQ(data_->Read("settei.dat")[g.digit], '0' + choice) << g.first;
            } else {
                EXPECT_NE(data_->Read("kirabo.ini").find(g.ini + std::to_string(choice)),
                          std::string::npos);
                EXPECT_EQ(data_->Read("settei.dat"), settei) << "settei.dat keeps its bytes";
            }
        }
    }
    platform::SendCommand(cmd::Resolution800);
    platform::SendCommand(cmd::Background3);
    EXPECT_EQ(platform::ScreenImage().Width(), 792);
    EXPECT_EQ(platform::ScreenImage().Height(), 554);
    EXPECT_EQ(platform::ScreenImage().Pixel(700, 500), assets::LoadImage(11702).Pixel(700, 500));
    // Only the images of the current size and background stay in memory.
    const size_t oneSet = assets::KeptImageCount();
    for (int command : {cmd::Resolution1024, cmd::Background1, cmd::Resolution640, cmd::Background2,
                        cmd::Resolution800, cmd::Background3})
        platform::SendCommand(command);
    EXPECT_LE(assets::KeptImageCount(), oneSet);
    platform::SendCommand(cmd::Resolution640);
    platform::SendCommand(cmd::Background2);
}

// ｷｬﾝｾﾙ starts nothing; OK starts the chosen game, keeps the choice and
// frees the game that was running.
TEST_F(MainWindowTest, TheSettingsDialogStartsTheChosenGameOrNothing) {
    for (bool ok : {false, true}) {
        platform::testing::SetDialogHook([=](platform::Dialog& d, int number) {
            EXPECT_EQ(number, dlg::GameSettings);
            if (ok) d.Click(1003);  // 花合わせ
            d.Click(ok ? 1 : 2);
        });
        currentGame = 0;
        gameState = ok ? 3 : -1;
        koi.handScores[0] = {5, 0, 3};
        NewGame();
        EXPECT_EQ(gameState, ok ? 0 : -1);
        EXPECT_EQ(platform::IsMenuItemEnabled(cmd::ScoreTable), ok);
    }
    EXPECT_EQ(subState, 0);
    EXPECT_EQ(currentGame, 1);
    EXPECT_EQ(data_->Read("settei.dat")[0], '1');
    EXPECT_TRUE(koi.handScores[0].empty());
    EndGame();
}

// At start-up a kept game is offered; はい brings its table back and play is
// kept as it goes on. A new game from the menu asks before it throws a kept
// game away.
TEST_F(MainWindowTest, YesBringsTheKeptGameBackAndNewGameAsksBeforeDiscardingIt) {
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
    EndGame();
}

// いいえ lets a kept game go and keeps the settings; a damaged one is set
// aside as it was and the player told once.
TEST_F(MainWindowTest, NoLetsTheKeptGameGoAndADamagedOneIsSetAsideAndToldOnce) {
    std::string damaged = kept_;
    damaged[damaged.size() / 3] ^= 0x10;
    for (const std::string& file : {kept_, damaged}) {
        asked_.clear();
        data_->Write("game.sav", file);
        handsOption = 2;
        Answer(file == kept_ ? platform::BoxAnswer::No : platform::BoxAnswer::Yes);
        OfferKeptGame();
        OfferKeptGame();
        ASSERT_EQ(asked_.size(), 1u);
        EXPECT_EQ(gameState, -1);
        EXPECT_EQ(handsOption, 2);
        EXPECT_FALSE(KeptGameExists());
        EXPECT_FALSE(platform::IsMenuItemEnabled(cmd::ScoreTable));
    }
    EXPECT_NE(asked_[0].find("壊れて"), std::string::npos) << asked_[0];
    EXPECT_EQ(data_->Read("game.sav.damaged"), damaged) << "kept as it was";
}
