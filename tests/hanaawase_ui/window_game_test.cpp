// A whole Hana-awase game in the offscreen window: the player's turns are
// given as clicks and keys through the main window's input, the dialogs are
// closed through their buttons, the clock is fake.
#include <gtest/gtest.h>

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
#include "hanaawase/ui/table.h"
#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/event_loop.h"
#include "platform/window.h"
#include "tests/app/data_dir.h"

namespace {

int CentreX(int x) {
    return x + CardWidth[resolution] / 2;
}
int CentreY(int y) {
    return y + CardHeight[resolution] / 2;
}

// One act of the player while the game waits: every other turn by the
// pointer, the others by the keyboard alone.
void Act(MainWindowHandler& input, int turn) {
    const int r = resolution;
    const bool byPointer = turn % 2 == 0;
    if (subState == 1) {
        const int slot = turn % hana.handCount[0];
        if (byPointer) {
            input.OnLeftButtonDown(CentreX(HanaHandX[r][0][slot]), CentreY(HanaHandY[r][0][slot]));
        } else {
            input.OnKeyDown(platform::Key::Left);
            input.OnKeyDown(platform::Key::Enter);
        }
    } else if (subState == 2 || subState == 4) {
        const int slot = subState == 2 ? hana.chosenHandSlot : HanaDrawnSlot;
        if (byPointer) {
            const int place = hana.matchSlots[0][slot][1];
            input.OnLeftButtonDown(CentreX(HanaFieldX[r][place]), CentreY(HanaFieldY[r][place]));
            input.OnLeftButtonDown(CentreX(HanaFieldX[r][place]), CentreY(HanaFieldY[r][place]));
        } else {
            input.OnKeyDown(platform::Key::Right);
            input.OnKeyDown(platform::Key::Space);
        }
    }
}

}  // namespace

TEST(HanaWindowGameTest, AWholeGamePlayedWithClicksAndKeys) {
    TestDataDir data;
    setenv("XDG_RUNTIME_DIR", data.root.c_str(), 1);
    // Hana-awase, 1024x768, six hands, glow and animation on, no sound.
    data.Write("settei.dat", "1203110000");
    ASSERT_TRUE(InitApplication());
    platform::FakeClock clock(0, 20);
    platform::SetClock(&clock);
    ClearRecords();
    // A deal in which some plays have two table cards to choose from.
    SeedRandom(7);
    std::map<int, int> dialogsSeen;
    platform::testing::SetDialogHook([&](platform::Dialog& d, int number) {
        ++dialogsSeen[number];
        if (number == dlg::GameSettings) d.Click(1003);  // 花合わせ
        if (number == dlg::HanaYakuMade) {
            EXPECT_GT(d.ClientSize().height, 6 * charHeight + CardHeight[resolution]);
            d.Click(1024);
            return;
        }
        d.Click(1);
    });
    NewGame();
    ASSERT_EQ(gameState, 0);
    ASSERT_EQ(currentGame, 1);
    MainWindowHandler input;
    int turn = 0, lastSubState = -1, choicesOfTwo = 0;
    bool bannerSeen = false, cancelled = false;
    long steps = 0;
    while (gameState != -1 && steps < 200000) {
        StepCurrentGame();
        platform::ProcessPendingEvents();
        ++steps;
        if (gameState == HanaUserTurn && (subState == 1 || subState == 2 || subState == 4)) {
            // Hover first: the card under the cursor is raised on the screen.
            if (subState == 1 && lastSubState != 1) {
                const int r = resolution;
                EXPECT_EQ(platform::ScreenImage().Pixel(HanaHandX[r][0][0] - 3, HanaHandY[r][0][0]),
                          backBuffer.Pixel(HanaHandX[r][0][0] - 3, HanaHandY[r][0][0]));
            }
            if (subState != 1) ++choicesOfTwo;
            if (subState == 2 && !cancelled) {
                // The right button takes the hand card back.
                const int chosen = hana.chosenHandSlot;
                input.OnRightButtonDown();
                StepCurrentGame();
                EXPECT_EQ(subState, 1);
                EXPECT_EQ(cursorSlot, chosen);
                cancelled = true;
                continue;
            }
            Act(input, turn++);
        }
        lastSubState = subState;
        if (gameState == HanaFinalWait && !bannerSeen) {
            bannerSeen = true;
            const platform::Surface& banner = assets::LoadImage(
                assets::TableImage(HanaBannerBase(HanaGameOutcome(hana.totalScore)), resolution));
            const int x = (ClientWidth[resolution] - banner.Width()) / 2;
            const int y = (ClientHeight[resolution] - banner.Height()) / 2;
            EXPECT_EQ(platform::ScreenImage().Pixel(x + 3, y + 3), banner.Pixel(3, 3));
            // The home-page label is no click of the game's.
            input.OnLeftButtonDown(HanaHomeLabel[resolution][0] + 1,
                                   HanaHomeLabel[resolution][1] + 1);
            StepCurrentGame();
            EXPECT_EQ(gameState, HanaFinalWait);
            input.OnLeftButtonDown(300, 300);
        }
    }
    platform::testing::SetDialogHook(nullptr);
    platform::SetClock(nullptr);
    EXPECT_EQ(gameState, -1);
    EXPECT_TRUE(bannerSeen);
    EXPECT_GE(turn, 6 * 7);
    // Some plays had two table cards to choose from.
    EXPECT_GT(choicesOfTwo, 0);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(dialogsSeen[218], 6);
    EXPECT_EQ(dialogsSeen[209], 6);
    EXPECT_EQ(recHanaGamesPlayed, 1);
    EXPECT_EQ(recHanaHandsPlayed, 6);
    EXPECT_FALSE(platform::IsMenuItemEnabled(cmd::ScoreTable));
    // Back to no game: the window shows the bare background.
    EXPECT_EQ(platform::ScreenImage().Pixel(500, 300), pristineBackground.Pixel(500, 300));
}
