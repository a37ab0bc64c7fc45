// Whole games of both kinds in the offscreen window: started from the menu's
// new game, played through the real step function with the player's input
// given as the main window receives it, every other turn by the pointer and
// the others by the keyboard alone, the dialogs answered through their
// buttons, until the banner is clicked away; a click and Enter given while a
// computer plays are dropped. The clock is fake.
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
#include "table/banner_animation.h"
#include "tests/app/data_dir.h"

namespace {

struct Point {
    int x, y;
};

// Where the human's hand slot and a field place of the game under way lie.
Point HandPlace(int s) {
    const int r = resolution;
    return currentGame == 0 ? Point{koiui::HandX[r][0][s], koiui::HandY[r][0]}
                            : Point{HanaHandX[r][0][s], HanaHandY[r][0][s]};
}
Point FieldPlace(int f) {
    const int r = resolution;
    return currentGame == 0 ? Point{koiui::FieldX(r, f), koiui::FieldY(r, f)}
                            : Point{HanaFieldX[r][f], HanaFieldY[r][f]};
}

// The field place of the second of two matches the human's turn waits to
// choose from, or -1.
int SecondMatch() {
    if (gameState != 3 || (subState != 2 && subState != 4)) return -1;
    if (currentGame == 1)
        return hana.matchSlots[0][subState == 2 ? hana.chosenHandSlot : HanaDrawnSlot][1];
    const int h = subState == 2 ? koi.selectedHandSlot : DrawnSlot;
    return koi.matchCount[0][h] == 2 ? koi.matchSlots[0][h][1] : -1;
}

int BannerImage() {
    if (currentGame == 1) return HanaBannerBase(HanaGameOutcome(hana.totalScore));
    using R = table::BannerResult;
    const int human = koi.gameTotal[0], com = koi.gameTotal[1];
    return table::BannerAnimationOf(human > com ? R::Win : human < com ? R::Lose : R::Draw).banner;
}

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

    // The pointer moves onto the card, which the next step raises, and clicks.
    void Click(Point p) {
        const int waiting = subState;
        input_.OnMouseMove(p.x + 5, p.y + 5);
        StepCurrentGame();
        EXPECT_EQ(subState, waiting) << "hovering chose";
        EXPECT_EQ(platform::ScreenImage().Pixel(p.x - 3, p.y), backBuffer.Pixel(p.x - 3, p.y));
        input_.OnLeftButtonDown(p.x + 5, p.y + 5);
    }
    // A key the window receives, then the step that answers it.
    void Key(platform::Key key) {
        input_.OnKeyDown(key);
        StepCurrentGame();
    }

    // Plays the game begun to its end: the first choice between two field
    // cards is taken back once with the right button; at the end the banner
    // shows, a click on the home-page label is no click of the game's, and a
    // click elsewhere ends the game.
    void PlayToTheEnd() {
        const int r = resolution, finalState = currentGame == 0 ? 7 : HanaFinalWait;
        const int* handCount = currentGame == 0 ? koi.handCount : hana.handCount;
        const Point label = currentGame == 0 ? Point{koiui::HomeLabelX, koiui::HomeLabelY[r]}
                                             : Point{HanaHomeLabel[r][0], HanaHomeLabel[r][1]};
        bool cancelled = false;
        banners_ = 0;
        for (long steps = 0; gameState != -1 && steps < 200000; ++steps) {
            StepCurrentGame();
            platform::ProcessPendingEvents();
            const bool byPointer = turns_ % 2 == 0;
            const int match = SecondMatch();
            if (gameState == 3 && subState == 1) {
                if (byPointer) {
                    Click(HandPlace(turns_++ % handCount[0]));
                    continue;
                }
                // Left past the first card wraps to the last, Right past the last
                // to the first, which Enter plays.
                StepCurrentGame();  // the turn's start hit-tests where the pointer rests
                EXPECT_EQ(subState, 1) << "a click or key given before the turn played";
                for (int s = cursorSlot; s >= 0; --s) Key(platform::Key::Left);
                EXPECT_EQ(cursorSlot, handCount[0] - 1);
                Key(platform::Key::Right);
                EXPECT_EQ(cursorSlot, 0);
                input_.OnKeyDown(platform::Key::Enter);
                ++turns_;
            } else if (match >= 0 && subState == 2 && !cancelled) {
                const int chosen = currentGame == 0 ? koi.selectedHandSlot : hana.chosenHandSlot;
                input_.OnRightButtonDown();
                StepCurrentGame();
                EXPECT_EQ(subState, 1);
                EXPECT_EQ(cursorSlot, chosen);
                cancelled = true;
            } else if (match >= 0) {
                ++fieldChoices_;
                if (byPointer) {
                    Click(FieldPlace(match));
                    continue;
                }
                Key(platform::Key::Left);
                input_.OnKeyDown(platform::Key::Space);
            } else if (gameState == 4 || (currentGame == 1 && gameState == HanaCom2Turn)) {
                // Given while a computer plays, they belong to no turn of the human's.
                input_.OnLeftButtonDown(HandPlace(0).x + 5, HandPlace(0).y + 5);
                input_.OnKeyDown(platform::Key::Enter);
            } else if (gameState == finalState) {
                ++banners_;
                EXPECT_TRUE(platform::IsMenuItemEnabled(cmd::ScoreTable));
                const platform::Surface& banner =
                    assets::LoadImage(assets::TableImage(BannerImage(), r));
                const int x = (ClientWidth[r] - banner.Width()) / 2;
                const int y = (ClientHeight[r] - banner.Height()) / 2;
                EXPECT_EQ(platform::ScreenImage().Pixel(x + 3, y + 3), banner.Pixel(3, 3));
                input_.OnLeftButtonDown(label.x + 1, label.y + 1);
                StepCurrentGame();
                ASSERT_EQ(gameState, finalState);
                input_.OnLeftButtonDown(ClientWidth[r] / 2, ClientHeight[r] / 2);
            }
        }
        EXPECT_TRUE(cancelled);
        EXPECT_EQ(banners_, 1);
        // Back to no game: no score table, the window shows the bare background.
        EXPECT_EQ(gameState, -1);
        EXPECT_FALSE(platform::IsMenuItemEnabled(cmd::ScoreTable));
        EXPECT_EQ(platform::ScreenImage().Pixel(300, 200), pristineBackground.Pixel(300, 200));
    }

    TestDataDir data_;
    platform::FakeClock clock_;
    std::map<int, int> dialogs_;
    MainWindowHandler input_;
    int turns_ = 0, fieldChoices_ = 0, banners_ = 0;
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
    SeedRandom(3);  // deals in which some plays have two field cards to choose from
    for (int res = 0; res < 3; ++res) {
        platform::SendCommand(cmd::Resolution640 + res);
        ASSERT_EQ(resolution, res);
        NewGame();
        ASSERT_EQ(gameState, 0);
        if (res == 0) {  // the score table and the yaku list open from the menu
            while (!(gameState == 3 && subState == 1)) StepCurrentGame();
            platform::SendCommand(cmd::ScoreTable);
            platform::SendCommand(cmd::KoiKoiYaku);
            EXPECT_EQ(dialogs_[1204] + dialogs_[215], 2);
        }
        PlayToTheEnd();
        EXPECT_EQ(dialogs_[1204], 6 * (res + 1) + 1);
    }
    // Somewhere in three games the yaku dialog came up and a field card was chosen.
    EXPECT_GT(dialogs_[211], 0);
    EXPECT_GT(fieldChoices_, 0);
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
    SeedRandom(3);  // a deal in which some plays have two table cards to choose from
    NewGame();
    ASSERT_EQ(gameState, 0);
    ASSERT_EQ(currentGame, 1);
    PlayToTheEnd();
    EXPECT_GE(turns_, 6 * 7);
    EXPECT_GT(fieldChoices_, 0);
    EXPECT_EQ(dialogs_[218], 6);
    EXPECT_EQ(dialogs_[209], 6);
}
