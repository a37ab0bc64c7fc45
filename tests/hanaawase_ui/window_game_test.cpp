// A whole Hana-awase game in the offscreen window: the player's turns are
// given as clicks and keys through the main window's input, the dialogs are
// closed through their buttons, the clock is fake.
#include <gtest/gtest.h>

#include <map>

#include "app/core/program.h"
#include "app/core/records.h"
#include "app/display/display.h"
#include "app/games.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "assets/catalogue.h"
#include "cards/random.h"
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
#include "tests/hanaawase/table_setup.h"

namespace {

class HanaWindowGameTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        data_ = new TestDataDir;
        setenv("XDG_RUNTIME_DIR", data_->root.c_str(), 1);
        // Hana-awase, 1024x768, six hands, glow and animation on, no sound.
        data_->Write("settei.dat", "1203110000");
        ASSERT_TRUE(InitApplication());
    }
    // The data folder goes with the last test of the binary.
    static void TearDownTestSuite() {
        delete data_;
        data_ = nullptr;
    }
    static TestDataDir* data_;
};
TestDataDir* HanaWindowGameTest::data_ = nullptr;

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

TEST_F(HanaWindowGameTest, AWholeGamePlayedWithClicksAndKeys) {
    platform::FakeClock clock(0, 20);
    platform::SetClock(&clock);
    ClearRecords();
    // A deal in which some plays have two table cards to choose from.
    SeedRandom(7);
    std::map<int, int> dialogsSeen;
    platform::testing::SetDialogHook([&](platform::Dialog& d, int number) {
        ++dialogsSeen[number];
        if (number == 168) d.Click(1003);  // 花合わせ
        if (number == 212) {
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
    bool bannerSeen = false;
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
    EXPECT_EQ(dialogsSeen[218], 6);
    EXPECT_EQ(dialogsSeen[209], 6);
    EXPECT_EQ(recHanaGamesPlayed, 1);
    EXPECT_EQ(recHanaHandsPlayed, 6);
    EXPECT_FALSE(platform::IsMenuItemEnabled(40005));
    // Back to no game: the window shows the bare background.
    EXPECT_EQ(platform::ScreenImage().Pixel(500, 300), pristineBackground.Pixel(500, 300));
}

TEST_F(HanaWindowGameTest, HoverWrapAndCancelWhileChoosing) {
    platform::FakeClock clock(0, 1);
    platform::SetClock(&clock);
    MainWindowHandler input;
    currentGame = 1;
    const int r = resolution, w = CardWidth[r];
    HanaClearHand();
    HanaBuildLayout();
    HanaDrawPanel();
    // 桜 in slot 1 can take either 桜 on the table.
    SetHand(0, {20, 10, 30, 45});
    SetHand(1, {3, 21, 22, 23});
    SetHand(2, {4, 24, 25, 26});
    SetField({8, 31, 9});
    SetStock({40, 41, 42, 43, 44, 46, 47, 36});
    for (int p = 0; p < 3; ++p) HanaDrawHand(p), HanaShowHand(p);
    HanaDrawField();
    hana.dealer = 0;
    gameState = HanaUserTurn;
    subState = 0;
    auto step = [] {
        StepCurrentGame();
        platform::ProcessPendingEvents();
    };
    // The enlarged card reaches above its slot on the screen.
    auto raisedOnScreen = [&](int slot) {
        const int x = HanaHandX[r][0][slot] + w / 2, y = HanaHandY[r][0][slot] - 2;
        return platform::ScreenImage().Pixel(x, y) != pristineBackground.Pixel(x, y);
    };
    step();
    step();
    EXPECT_EQ(subState, 1);
    EXPECT_TRUE(raisedOnScreen(0));
    // Hover: the pointer over slot 2 moves the cursor there.
    pointerX = HanaHandX[r][0][2] + 5, pointerY = HanaHandY[r][0][2] + 5, pointerMoved = 1;
    step();
    EXPECT_EQ(cursorSlot, 2);
    EXPECT_TRUE(raisedOnScreen(2));
    EXPECT_FALSE(raisedOnScreen(0));
    // Wrap: Right from the last card comes back to the first.
    input.OnKeyDown(platform::Key::Right);
    step();
    input.OnKeyDown(platform::Key::Right);
    step();
    EXPECT_EQ(cursorSlot, 0);
    EXPECT_TRUE(raisedOnScreen(0));
    input.OnKeyDown(platform::Key::Left);
    step();
    EXPECT_EQ(cursorSlot, 3);
    // Choosing 桜 asks for one of the two; the right button takes it back.
    input.OnLeftButtonDown(HanaHandX[r][0][1] + 5, HanaHandY[r][0][1] + 5);
    step();
    EXPECT_EQ(subState, 2);
    input.OnRightButtonDown();
    step();
    EXPECT_EQ(subState, 1);
    EXPECT_EQ(cursorSlot, 1);
    // Enter chooses it again, Right and Enter take the second 桜.
    input.OnKeyDown(platform::Key::Enter);
    step();
    EXPECT_EQ(subState, 2);
    input.OnKeyDown(platform::Key::Right);
    step();
    input.OnKeyDown(platform::Key::Enter);
    for (int i = 0; i < 5 && gameState == HanaUserTurn; ++i) step();
    EXPECT_TRUE(HasCaptured(0, 10));
    EXPECT_TRUE(HasCaptured(0, 9));
    EXPECT_EQ(hana.field[0], 8);
    gameState = -1;
    platform::SetClock(nullptr);
}
