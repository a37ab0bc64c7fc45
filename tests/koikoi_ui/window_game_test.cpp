// Whole Koi-Koi games in the offscreen window: started from the menu's new
// game, played through the real step function with the player's input given
// as the main window receives it (clicks, pointer moves, keys), the dialogs
// answered as a player would, until the banner is clicked away.
#include <gtest/gtest.h>

#include <map>

#include "app/games.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "assets/menu.h"
#include "core/program.h"
#include "core/records.h"
#include "display/display.h"
#include "koikoi/state.h"
#include "koikoi/ui/layout_tables.h"
#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/window.h"
#include "tests/app/data_dir.h"

namespace {

class WindowGameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("XDG_RUNTIME_DIR", data_.root.c_str(), 1);
        // Koi-Koi, 640x480, background 1, no music, glows and animation on,
        // no sound, six hands, no sake yaku, 親権 on.
        data_.Write("settei.dat", "0003110001");
        ASSERT_TRUE(InitApplication());
        platform::SetClock(&clock_);
        // The human plays on every other time it may; every other dialog is
        // answered with OK, the settings as they are.
        platform::testing::SetDialogHook([this](platform::Dialog& d, int number) {
            ++dialogs_[number];
            if (number != 211) {
                d.Click(1);
                return;
            }
            if (d.IsItemEnabled(1022) && d.IsItemEnabled(1000) && dialogs_[211] % 2 == 1)
                d.SendKey(platform::DialogKey::Right);
            d.SendKey(platform::DialogKey::Enter);
        });
    }
    void TearDown() override {
        platform::SetClock(nullptr);
        platform::testing::SetDialogHook(nullptr);
    }

    // Plays until the game ends, alternating the mouse and the keyboard
    // from turn to turn.
    void PlayToTheEnd(int res) {
        MainWindowHandler window;
        int turn = 0, steps = 0;
        bool bannerSeen = false;
        while (gameState != -1 && steps < 200000) {
            StepCurrentGame();
            ++steps;
            const bool mouse = turn % 2 == 0;
            if (gameState == 3 && subState == 1) {
                const int slot = turn % koi.handCount[0];
                ++turn;
                const int x = koiui::HandX[res][0][slot] + 5, y = koiui::HandY[res][0] + 5;
                if (mouse) {
                    window.OnMouseMove(x, y);
                    StepCurrentGame();
                    window.OnLeftButtonDown(x, y);
                } else {
                    for (int i = 0; i < slot + koi.handCount[0]; ++i)
                        window.OnKeyDown(platform::Key::Right);
                    StepCurrentGame();
                    window.OnKeyDown(platform::Key::Enter);
                }
            } else if (gameState == 3 && (subState == 2 || subState == 4)) {
                const int h = subState == 2 ? koi.selectedHandSlot : 8;
                if (koi.matchCount[0][h] != 2) continue;
                ++fieldChoices_;
                if (mouse) {
                    const int f = koi.matchSlots[0][h][1];
                    const int x = koiui::FieldX(res, f) + 5, y = koiui::FieldY(res, f) + 5;
                    window.OnMouseMove(x, y);
                    StepCurrentGame();
                    window.OnLeftButtonDown(x, y);
                } else {
                    window.OnKeyDown(platform::Key::Left);
                    StepCurrentGame();
                    window.OnKeyDown(platform::Key::Space);
                }
            } else if (gameState == 7) {
                if (!bannerSeen) ++bannersSeen_;
                bannerSeen = true;
                EXPECT_TRUE(platform::IsMenuItemEnabled(cmd::ScoreTable));
                window.OnLeftButtonDown(ClientWidth[res] / 2, ClientHeight[res] / 2);
            }
        }
    }

    TestDataDir data_;
    platform::FakeClock clock_{1000, 1};
    std::map<int, int> dialogs_;
    int fieldChoices_ = 0;
    int bannersSeen_ = 0;
};

}  // namespace

TEST_F(WindowGameTest, AWholeGameOfSixHandsIsPlayedWithClicksAndKeysAtEachResolution) {
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
        PlayToTheEnd(res);
        EXPECT_EQ(gameState, -1) << res;
        EXPECT_FALSE(platform::IsMenuItemEnabled(cmd::ScoreTable));
        EXPECT_EQ(recKoiGamesPlayed, gamesBefore + 1);
        EXPECT_EQ(recKoiHandsPlayed, handsBefore + 6);
        EXPECT_EQ(dialogs_[1204], 6 * (res + 1) + 1);
        EXPECT_EQ(bannersSeen_, res + 1);
        // With no game the window shows the plain background again.
        EXPECT_EQ(platform::ScreenImage().Pixel(300, 200), pristineBackground.Pixel(300, 200));
    }
    // Somewhere in three games the yaku dialog came up and a field card was chosen.
    EXPECT_GT(dialogs_[211], 0);
    EXPECT_GT(fieldChoices_, 0);
    platform::SendCommand(cmd::Resolution640);
}
