#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include "app/core/program.h"
#include "app/core/settings.h"
#include "app/games.h"
#include "app/startup.h"
#include "assets/catalogue.h"
#include "koikoi/state.h"
#include "platform/dialog.h"
#include "platform/window.h"
#include "tests/app/data_dir.h"

namespace {

// One program per test binary, started in a private data folder.
class MainWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        data_ = new TestDataDir;
        setenv("XDG_RUNTIME_DIR", data_->root.c_str(), 1);
        data_->Write("settei.dat", "0011111000");
        ASSERT_TRUE(InitApplication());
    }
    // The data folder goes with the last test of the binary.
    static void TearDownTestSuite() {
        delete data_;
        data_ = nullptr;
    }
    static TestDataDir* data_;
};
TestDataDir* MainWindowTest::data_ = nullptr;

platform::Color ScreenAt(int x, int y) {
    return platform::ScreenImage().Pixel(x, y);
}

}  // namespace

TEST_F(MainWindowTest, StartsWithTheStoredOptionsCheckedAndTheScoreTableGreyed) {
    EXPECT_EQ(platform::ScreenImage().Width(), 632);
    EXPECT_EQ(platform::ScreenImage().Height(), 434);
    EXPECT_TRUE(platform::IsMenuItemChecked(40020));  // background 2
    EXPECT_TRUE(platform::IsMenuItemChecked(40013));  // BGM2
    EXPECT_TRUE(platform::IsMenuItemChecked(40016));  // 640x480
    EXPECT_TRUE(platform::IsMenuItemChecked(40008));
    EXPECT_TRUE(platform::IsMenuItemChecked(40009));
    EXPECT_TRUE(platform::IsMenuItemChecked(40010));
    EXPECT_FALSE(platform::IsMenuItemChecked(40019));
    EXPECT_FALSE(platform::IsMenuItemEnabled(40005));
    // The idle window shows the chosen background of the last game.
    EXPECT_EQ(ScreenAt(300, 200), assets::LoadImage(10701).Pixel(300, 200));
}

TEST_F(MainWindowTest, OptionTogglesFlipTheirCheckAndAreSavedAtOnce) {
    platform::SendCommand(40008);
    EXPECT_EQ(soundEffectsOn, 0);
    EXPECT_FALSE(platform::IsMenuItemChecked(40008));
    EXPECT_EQ(data_->Read("settei.dat").substr(0, 10), "0011110000");
    platform::SendCommand(40008);
    EXPECT_TRUE(platform::IsMenuItemChecked(40008));
    EXPECT_EQ(data_->Read("settei.dat").size(), 11u);
}

TEST_F(MainWindowTest, ResolutionAndBackgroundAreRadioGroups) {
    platform::SendCommand(40017);
    EXPECT_EQ(resolution, 1);
    EXPECT_TRUE(platform::IsMenuItemChecked(40017));
    EXPECT_FALSE(platform::IsMenuItemChecked(40016));
    EXPECT_EQ(platform::ScreenImage().Width(), 792);
    EXPECT_EQ(platform::ScreenImage().Height(), 554);
    EXPECT_EQ(ScreenAt(700, 500), assets::LoadImage(11701).Pixel(700, 500));
    platform::SendCommand(40021);
    EXPECT_EQ(backgroundChoice, 2);
    EXPECT_FALSE(platform::IsMenuItemChecked(40020));
    EXPECT_EQ(ScreenAt(700, 500), assets::LoadImage(11702).Pixel(700, 500));
    EXPECT_EQ(data_->Read("settei.dat")[1], '1');
    EXPECT_EQ(data_->Read("settei.dat")[2], '2');
    platform::SendCommand(40016);
    EXPECT_EQ(platform::ScreenImage().Width(), 632);
}

TEST_F(MainWindowTest, OnlyTheImagesOfTheCurrentSizeAndBackgroundStayInMemory) {
    platform::SendCommand(40016);
    platform::SendCommand(40020);
    const size_t oneSet = assets::KeptImageCount();
    for (int command : {40017, 40021, 40018, 40019, 40017, 40020, 40016, 40021, 40018})
        platform::SendCommand(command);
    platform::SendCommand(40016);
    platform::SendCommand(40020);
    EXPECT_LE(assets::KeptImageCount(), oneSet);
}

TEST_F(MainWindowTest, MusicChoiceIsARadioGroupOfFour) {
    platform::SendCommand(40015);
    EXPECT_EQ(musicChoice, 3);
    for (int id = 40012; id <= 40014; ++id) EXPECT_FALSE(platform::IsMenuItemChecked(id));
    EXPECT_TRUE(platform::IsMenuItemChecked(40015));
    platform::SendCommand(40012);
    EXPECT_EQ(musicChoice, 0);
    EXPECT_FALSE(platform::IsMenuItemChecked(40015));
}

TEST_F(MainWindowTest, ComputerStrengthIsARadioGroupKeptInItsOwnFile) {
    EXPECT_EQ(comLevel, 1);
    EXPECT_TRUE(platform::IsMenuItemChecked(40031)) << "ふつう is the default";
    std::string settings = data_->Read("settei.dat");
    platform::SendCommand(40032);
    EXPECT_EQ(comLevel, 2);
    EXPECT_TRUE(platform::IsMenuItemChecked(40032));
    EXPECT_FALSE(platform::IsMenuItemChecked(40031));
    EXPECT_NE(data_->Read("kirabo.ini").find("level=2"), std::string::npos);
    EXPECT_EQ(data_->Read("settei.dat"), settings) << "settei.dat keeps its eleven bytes";
    platform::SendCommand(40030);
    EXPECT_EQ(comLevel, 0);
    EXPECT_FALSE(platform::IsMenuItemChecked(40032));
    platform::SendCommand(40031);
    EXPECT_EQ(comLevel, 1);
}

TEST_F(MainWindowTest, InputIsRecordedAsFlags) {
    MainWindowHandler handler;
    pointerClicked = choiceConfirmed = cancelRequested = 0;
    subState = 1;
    cursorSlot = 0;
    handler.OnKeyDown(platform::Key::Right);
    EXPECT_EQ(cursorSlot, 1);
    EXPECT_EQ(previousCursorSlot, 0);
    EXPECT_EQ(redrawRequested, 1);
    handler.OnKeyDown(platform::Key::Left);
    handler.OnKeyDown(platform::Key::Left);
    EXPECT_EQ(cursorSlot, -1);  // the game wraps it
    handler.OnKeyDown(platform::Key::Escape);
    handler.OnRightButtonDown();
    EXPECT_EQ(cancelRequested, 0);  // only while choosing between two table cards
    subState = 2;
    handler.OnRightButtonDown();
    EXPECT_EQ(cancelRequested, 1);
    handler.OnKeyDown(platform::Key::Space);
    EXPECT_EQ(choiceConfirmed, 1);
    subState = 0;
    // With no game running the label strip is an ordinary place to click.
    handler.OnLeftButtonDown(10, 420);
    EXPECT_EQ(pointerClicked, 1);
    EXPECT_EQ(pointerX, 10);
}

TEST_F(MainWindowTest, QuitAsksAndNoKeepsTheProgramRunning) {
    std::string asked;
    platform::testing::SetMessageBoxHook([&](const std::string& text, const std::string& caption) {
        asked = caption + ": " + text;
        return platform::BoxAnswer::No;
    });
    platform::SendCommand(40007);
    MainWindowHandler().OnCloseRequest();
    platform::testing::SetMessageBoxHook(nullptr);
    EXPECT_EQ(asked, "Kirabo: 終了してもよろしいですか？");
    EXPECT_TRUE(platform::MainWindowExists());
}

TEST_F(MainWindowTest, CancellingTheSettingsDialogStartsNoGame) {
    platform::testing::SetDialogHook([](platform::Dialog& d, int number) {
        EXPECT_EQ(number, 168);
        d.Click(2);
    });
    NewGame();
    platform::testing::SetDialogHook(nullptr);
    EXPECT_EQ(gameState, -1);
    EXPECT_FALSE(platform::IsMenuItemEnabled(40005));
}

TEST_F(MainWindowTest, OkInTheSettingsDialogStartsTheChosenGame) {
    platform::testing::SetDialogHook([](platform::Dialog& d, int) {
        d.Click(1003);
        d.Click(1);
    });
    NewGame();
    platform::testing::SetDialogHook(nullptr);
    EXPECT_EQ(gameState, 0);
    EXPECT_EQ(subState, 0);
    EXPECT_EQ(currentGame, 1);
    EXPECT_TRUE(platform::IsMenuItemEnabled(40005));
    EXPECT_EQ(data_->Read("settei.dat")[0], '1');
    gameState = -1;
}

// The quit question as the player sees it: a box owned by the main window,
// centred over it, where Tab moves the choice to いいえ and Enter presses it.
TEST_F(MainWindowTest, TheQuitBoxIsCentredOverTheWindowAndEnterPressesTheFocusedButton) {
    for (bool tab : {true, false}) {
        QWidget* owner = nullptr;
        QRect box;
        QTimer::singleShot(0, [&] {
            QWidget* w = QApplication::activeModalWidget();
            ASSERT_NE(w, nullptr);
            owner = w->parentWidget();
            box = w->frameGeometry();
            auto press = [w](int key) {
                QWidget* to = w->focusWidget() ? w->focusWidget() : w;
                QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
                QApplication::sendEvent(to, &down);
                QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
                QApplication::sendEvent(w->focusWidget() ? w->focusWidget() : w, &up);
            };
            if (tab) press(Qt::Key_Tab);
            press(Qt::Key_Return);
        });
        auto answer =
            platform::MessageBox("終了してもよろしいですか？", "Kirabo",
                                 platform::BoxButtons::YesNo, platform::BoxIcon::Question);
        EXPECT_EQ(answer, tab ? platform::BoxAnswer::No : platform::BoxAnswer::Yes);
        ASSERT_NE(owner, nullptr);
        EXPECT_TRUE(owner->inherits("QMainWindow"));
        platform::Rect main = platform::MainWindowFrame();
        EXPECT_NEAR(box.center().x(), (main.left + main.right) / 2, 2);
        EXPECT_NEAR(box.center().y(), (main.top + main.bottom) / 2, 2);
    }
}

// Starting 花合わせ over a running こいこい frees the こいこい game's hand scores.
TEST_F(MainWindowTest, ANewGameFreesTheGameThatWasRunning) {
    currentGame = 0;
    gameState = 3;
    koi.handScores[0] = {5, 0, 3};
    koi.handScores[1] = {0, 7, 0};
    platform::testing::SetDialogHook([](platform::Dialog& d, int) {
        d.Click(1003);
        d.Click(1);
    });
    NewGame();
    platform::testing::SetDialogHook(nullptr);
    EXPECT_EQ(currentGame, 1);
    EXPECT_TRUE(koi.handScores[0].empty());
    EXPECT_TRUE(koi.handScores[1].empty());
    ReleaseCurrentGame();
    gameState = -1;
}
