// Whole games of both kinds in the offscreen window: started from the menu's
// new game, played through the real step function with the player's input
// given as the main window receives it, every other turn by the pointer and
// the others by the keyboard alone, the dialogs answered through their
// buttons, until the banner is clicked away. The clock is fake.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "app/games.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "assets/catalogue.h"
#include "assets/dialogs.h"
#include "assets/menu.h"
#include "cards/random.h"
#include "core/program.h"
#include "core/records.h"
#include "display/display.h"
#include "hanaawase/flow.h"
#include "hanaawase/state.h"
#include "hanaawase/ui/layout_tables.h"
#include "hanaawase/ui/outcome.h"
#include "koikoi/state.h"
#include "koikoi/ui/layout_tables.h"
#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/event_loop.h"
#include "platform/window.h"
#include "tests/app/data_dir.h"

namespace {

class WindowGameTest : public ::testing::Test {
  protected:
    // Starts the program with the settings; `answer` closes each dialog.
    void Start(const char* settings, uint32_t msPerPause,
               std::function<void(platform::Dialog&, int)> answer) {
        setenv("XDG_RUNTIME_DIR", data_.root.c_str(), 1);
        data_.Write("settei.dat", settings);
        ASSERT_TRUE(InitApplication());
        clock_ = platform::FakeClock(1000, msPerPause);
        platform::SetClock(&clock_);
        platform::testing::SetDialogHook([this, answer](platform::Dialog& d, int number) {
            ++dialogs_[number];
            answer(d, number);
        });
    }
    void TearDown() override {
        platform::SetClock(nullptr);
        platform::testing::SetDialogHook(nullptr);
    }
    // Back to no game: no score table, the window shows the bare background.
    static void ExpectNoGame() {
        EXPECT_EQ(gameState, -1);
        EXPECT_FALSE(platform::IsMenuItemEnabled(cmd::ScoreTable));
        EXPECT_EQ(platform::ScreenImage().Pixel(300, 200), pristineBackground.Pixel(300, 200));
    }

    TestDataDir data_;
    platform::FakeClock clock_;
    std::map<int, int> dialogs_;
    MainWindowHandler input_;
};

}  // namespace

TEST_F(WindowGameTest, KoiKoiGamesOfSixHandsArePlayedWithClicksAndKeysAtEachResolution) {
    // Koi-Koi, 640x480, background 1, no music, glows and animation on, no
    // sound, six hands, no sake yaku, 親権 on. The human plays on every other
    // time it may; every other dialog is answered with OK.
    Start("0003110001", 1, [this](platform::Dialog& d, int number) {
        if (number != 211) {
            d.Click(1);
            return;
        }
        if (d.IsItemEnabled(1022) && d.IsItemEnabled(1000) && dialogs_[211] % 2 == 1)
            d.SendKey(platform::DialogKey::Right);
        d.SendKey(platform::DialogKey::Enter);
    });
    int fieldChoices = 0;
    for (int res = 0; res < 3; ++res) {
        platform::SendCommand(cmd::Resolution640 + res);
        ASSERT_EQ(resolution, res);
        const int gamesBefore = recKoiGamesPlayed, handsBefore = recKoiHandsPlayed;
        NewGame();
        ASSERT_EQ(gameState, 0);
        EXPECT_TRUE(platform::IsMenuItemEnabled(cmd::ScoreTable));
        if (res == 0) {  // the score table and the yaku list open from the menu
            while (!(gameState == 3 && subState == 1)) StepCurrentGame();
            platform::SendCommand(cmd::ScoreTable);
            platform::SendCommand(cmd::KoiKoiYaku);
            EXPECT_EQ(dialogs_[1204] + dialogs_[215], 2);
        }
        int turn = 0, steps = 0, banners = 0;
        while (gameState != -1 && steps++ < 200000) {
            StepCurrentGame();
            const bool mouse = turn % 2 == 0;
            if (gameState == 3 && subState == 1) {
                const int slot = turn++ % koi.handCount[0];
                const int x = koiui::HandX[res][0][slot] + 5, y = koiui::HandY[res][0] + 5;
                if (mouse) {
                    input_.OnMouseMove(x, y);
                    StepCurrentGame();
                    input_.OnLeftButtonDown(x, y);
                } else {
                    for (int i = 0; i < slot + koi.handCount[0]; ++i)
                        input_.OnKeyDown(platform::Key::Right);
                    StepCurrentGame();
                    input_.OnKeyDown(platform::Key::Enter);
                }
            } else if (gameState == 3 && (subState == 2 || subState == 4)) {
                const int h = subState == 2 ? koi.selectedHandSlot : 8;
                if (koi.matchCount[0][h] != 2) continue;
                ++fieldChoices;
                const int f = koi.matchSlots[0][h][1];
                const int x = koiui::FieldX(res, f) + 5, y = koiui::FieldY(res, f) + 5;
                if (mouse) {
                    input_.OnMouseMove(x, y);
                    StepCurrentGame();
                    input_.OnLeftButtonDown(x, y);
                } else {
                    input_.OnKeyDown(platform::Key::Left);
                    StepCurrentGame();
                    input_.OnKeyDown(platform::Key::Space);
                }
            } else if (gameState == 7) {
                banners += banners == 0;
                EXPECT_TRUE(platform::IsMenuItemEnabled(cmd::ScoreTable));
                input_.OnLeftButtonDown(ClientWidth[res] / 2, ClientHeight[res] / 2);
            }
        }
        ExpectNoGame();
        EXPECT_EQ(banners, 1);
        EXPECT_EQ(recKoiGamesPlayed, gamesBefore + 1);
        EXPECT_EQ(recKoiHandsPlayed, handsBefore + 6);
        EXPECT_EQ(dialogs_[1204], 6 * (res + 1) + 1);
    }
    // Somewhere in three games the yaku dialog came up and a field card was chosen.
    EXPECT_GT(dialogs_[211], 0);
    EXPECT_GT(fieldChoices, 0);
    platform::SendCommand(cmd::Resolution640);
}

TEST_F(WindowGameTest, AHanaAwaseGameIsPlayedWithClicksAndKeys) {
    // Hana-awase, 1024x768, six hands, glow and animation on, no sound.
    Start("1203110000", 20, [](platform::Dialog& d, int number) {
        if (number == dlg::GameSettings) d.Click(1003);  // 花合わせ
        if (number == dlg::HanaYakuMade) {
            EXPECT_GT(d.ClientSize().height, 6 * charHeight + CardHeight[resolution]);
            d.Click(1024);
            return;
        }
        d.Click(1);
    });
    ClearRecords();
    SeedRandom(7);  // a deal in which some plays have two table cards to choose from
    NewGame();
    ASSERT_EQ(gameState, 0);
    ASSERT_EQ(currentGame, 1);
    const int r = resolution;
    int turn = 0, lastSubState = -1, choicesOfTwo = 0;
    bool bannerSeen = false, cancelled = false;
    for (long steps = 0; gameState != -1 && steps < 200000; ++steps) {
        StepCurrentGame();
        platform::ProcessPendingEvents();
        if (gameState == HanaUserTurn && (subState == 1 || subState == 2 || subState == 4)) {
            // Hover first: the card under the cursor is raised on the screen.
            if (subState == 1 && lastSubState != 1) {
                const int x = HanaHandX[r][0][0] - 3, y = HanaHandY[r][0][0];
                EXPECT_EQ(platform::ScreenImage().Pixel(x, y), backBuffer.Pixel(x, y));
            }
            if (subState != 1) ++choicesOfTwo;
            if (subState == 2 && !cancelled) {
                // The right button takes the hand card back.
                const int chosen = hana.chosenHandSlot;
                input_.OnRightButtonDown();
                StepCurrentGame();
                EXPECT_EQ(subState, 1);
                EXPECT_EQ(cursorSlot, chosen);
                cancelled = true;
                continue;
            }
            const bool byPointer = turn % 2 == 0;
            if (subState == 1) {
                const int slot = turn % hana.handCount[0];
                if (byPointer) {
                    input_.OnLeftButtonDown(HanaHandX[r][0][slot] + 5, HanaHandY[r][0][slot] + 5);
                } else {
                    input_.OnKeyDown(platform::Key::Left);
                    input_.OnKeyDown(platform::Key::Enter);
                }
            } else if (byPointer) {
                const int slot = subState == 2 ? hana.chosenHandSlot : HanaDrawnSlot;
                const int place = hana.matchSlots[0][slot][1];
                for (int click = 0; click < 2; ++click)
                    input_.OnLeftButtonDown(HanaFieldX[r][place] + 5, HanaFieldY[r][place] + 5);
            } else {
                input_.OnKeyDown(platform::Key::Right);
                input_.OnKeyDown(platform::Key::Space);
            }
            ++turn;
        }
        lastSubState = subState;
        if (gameState == HanaFinalWait && !bannerSeen) {
            bannerSeen = true;
            const platform::Surface& banner = assets::LoadImage(
                assets::TableImage(HanaBannerBase(HanaGameOutcome(hana.totalScore)), r));
            const int x = (ClientWidth[r] - banner.Width()) / 2;
            const int y = (ClientHeight[r] - banner.Height()) / 2;
            EXPECT_EQ(platform::ScreenImage().Pixel(x + 3, y + 3), banner.Pixel(3, 3));
            // The home-page label is no click of the game's.
            input_.OnLeftButtonDown(HanaHomeLabel[r][0] + 1, HanaHomeLabel[r][1] + 1);
            StepCurrentGame();
            EXPECT_EQ(gameState, HanaFinalWait);
            input_.OnLeftButtonDown(300, 300);
        }
    }
    ExpectNoGame();
    EXPECT_TRUE(bannerSeen);
    EXPECT_GE(turn, 6 * 7);
    EXPECT_GT(choicesOfTwo, 0);  // some plays had two table cards to choose from
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(dialogs_[218], 6);
    EXPECT_EQ(dialogs_[209], 6);
    EXPECT_EQ(recHanaGamesPlayed, 1);
    EXPECT_EQ(recHanaHandsPlayed, 6);
}
