#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include "app/games.h"
#include "app/startup.h"
#include "assets/catalogue.h"
#include "assets/dialogs.h"
#include "assets/menu.h"
#include "core/program.h"
#include "core/settings.h"
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
    void TearDown() override {
        platform::testing::SetDialogHook(nullptr);
        platform::testing::SetMessageBoxHook(nullptr);
    }
    static TestDataDir* data_;
};
TestDataDir* MainWindowTest::data_ = nullptr;

platform::Color ScreenAt(int x, int y) {
    return platform::ScreenImage().Pixel(x, y);
}

// Answers the settings dialog: OK for the given game, or ｷｬﾝｾﾙ.
void AnswerSettings(int game, bool ok = true) {
    platform::testing::SetDialogHook([=](platform::Dialog& d, int number) {
        EXPECT_EQ(number, dlg::GameSettings);
        if (ok) d.Click(game == 0 ? 1002 : 1003);
        d.Click(ok ? 1 : 2);
    });
}

}  // namespace

TEST_F(MainWindowTest, StartsWithTheStoredOptionsCheckedAndTheScoreTableGreyed) {
    EXPECT_EQ(platform::ScreenImage().Width(), 632);
    EXPECT_EQ(platform::ScreenImage().Height(), 434);
    for (int checked : {cmd::Background2, cmd::Music2, cmd::Resolution640, cmd::SoundEffects,
                        cmd::ShowCapturable, cmd::Animation, cmd::ComLevelNormal})
        EXPECT_TRUE(platform::IsMenuItemChecked(checked)) << checked;
    EXPECT_FALSE(platform::IsMenuItemChecked(cmd::Background1));
    EXPECT_FALSE(platform::IsMenuItemEnabled(cmd::ScoreTable));
    // The idle window shows the chosen background of the last game.
    EXPECT_EQ(ScreenAt(300, 200), assets::LoadImage(10701).Pixel(300, 200));
}

TEST_F(MainWindowTest, OptionTogglesFlipTheirCheckAndAreSavedAtOnce) {
    platform::SendCommand(cmd::SoundEffects);
    EXPECT_EQ(soundEffectsOn, 0);
    EXPECT_FALSE(platform::IsMenuItemChecked(cmd::SoundEffects));
    EXPECT_EQ(data_->Read("settei.dat").substr(0, 10), "0011110000");
    platform::SendCommand(cmd::SoundEffects);
    EXPECT_TRUE(platform::IsMenuItemChecked(cmd::SoundEffects));
    EXPECT_EQ(data_->Read("settei.dat").size(), 11u);
}

// Each radio group: a command sets its value, checks its item alone and is
// kept; the strength in its own file, the rest in settei.dat.
TEST_F(MainWindowTest, RadioGroupsCheckOneItemAndKeepTheChoice) {
    struct Group {
        int first, count;
        int* value;
        int digit;  // its place in settei.dat, -1 when kept in kirabo.ini
    } groups[] = {{cmd::Resolution640, 3, &resolution, 1},
                  {cmd::Background1, 3, &backgroundChoice, 2},
                  {cmd::Music1, 4, &musicChoice, 3},
                  {cmd::ComLevelGentle, 3, &comLevel, -1}};
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
                EXPECT_NE(data_->Read("kirabo.ini").find("level=" + std::to_string(choice)),
                          std::string::npos);
                EXPECT_EQ(data_->Read("settei.dat"), settei) << "settei.dat keeps its bytes";
            }
        }
    }
    // The window takes the size and background chosen.
    platform::SendCommand(cmd::Resolution800);
    platform::SendCommand(cmd::Background3);
    EXPECT_EQ(platform::ScreenImage().Width(), 792);
    EXPECT_EQ(platform::ScreenImage().Height(), 554);
    EXPECT_EQ(ScreenAt(700, 500), assets::LoadImage(11702).Pixel(700, 500));
    platform::SendCommand(cmd::Resolution640);
    platform::SendCommand(cmd::Background2);
    EXPECT_EQ(platform::ScreenImage().Width(), 632);
}

TEST_F(MainWindowTest, OnlyTheImagesOfTheCurrentSizeAndBackgroundStayInMemory) {
    platform::SendCommand(cmd::Resolution640);
    platform::SendCommand(cmd::Background2);
    const size_t oneSet = assets::KeptImageCount();
    for (int command : {cmd::Resolution800, cmd::Background3, cmd::Resolution1024, cmd::Background1,
                        cmd::Resolution800, cmd::Background2, cmd::Resolution640, cmd::Background3,
                        cmd::Resolution1024})
        platform::SendCommand(command);
    platform::SendCommand(cmd::Resolution640);
    platform::SendCommand(cmd::Background2);
    EXPECT_LE(assets::KeptImageCount(), oneSet);
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
    std::vector<std::string> asked;
    platform::testing::SetMessageBoxHook([&](const std::string& text, const std::string& caption) {
        asked.push_back(caption + ": " + text);
        return platform::BoxAnswer::No;
    });
    platform::SendCommand(cmd::Exit);
    MainWindowHandler().OnCloseRequest();
    EXPECT_EQ(asked, std::vector<std::string>(2, "Kirabo: 終了してもよろしいですか？"));
    EXPECT_TRUE(platform::MainWindowExists());
}

// ｷｬﾝｾﾙ starts nothing; OK starts the chosen game, keeps the choice and
// frees the game that was running.
TEST_F(MainWindowTest, TheSettingsDialogStartsTheChosenGameOrNothing) {
    AnswerSettings(0, false);
    NewGame();
    EXPECT_EQ(gameState, -1);
    EXPECT_FALSE(platform::IsMenuItemEnabled(cmd::ScoreTable));

    currentGame = 0;
    gameState = 3;
    koi.handScores[0] = {5, 0, 3};
    koi.handScores[1] = {0, 7, 0};
    AnswerSettings(1);
    NewGame();
    EXPECT_EQ(gameState, 0);
    EXPECT_EQ(subState, 0);
    EXPECT_EQ(currentGame, 1);
    EXPECT_TRUE(platform::IsMenuItemEnabled(cmd::ScoreTable));
    EXPECT_EQ(data_->Read("settei.dat")[0], '1');
    EXPECT_TRUE(koi.handScores[0].empty());
    EXPECT_TRUE(koi.handScores[1].empty());
    ReleaseCurrentGame();
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
