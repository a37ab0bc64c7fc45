// Input storms: random pointer moves, clicks, keys and menu commands thrown
// at both games in the offscreen window, between the step calls as the main
// loop delivers them, and random buttons and keys inside every dialog. The
// games must never crash or stick, never be stepped twice at once, keep every
// card in one place, and finish once plain play resumes.
#include <random>

#include "app/games.h"
#include "app/main_window.h"
#include "assets/dialogs.h"
#include "assets/menu.h"
#include "core/program.h"
#include "hanaawase/flow.h"
#include "hanaawase/invariants.h"
#include "koikoi/invariants.h"
#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/event_loop.h"
#include "platform/window.h"
#include "tests/app_ui/program_test.h"

namespace {

constexpr int MenuCommands[] = {cmd::ScoreTable,     cmd::Records,       cmd::SoundEffects,
                                cmd::ShowCapturable, cmd::Animation,     cmd::Music1,
                                cmd::Music2,         cmd::Music3,        cmd::MusicNone,
                                cmd::Resolution640,  cmd::Resolution800, cmd::Resolution1024,
                                cmd::Background1,    cmd::Background2,   cmd::Background3,
                                cmd::HelpTopics,     cmd::HomePage,      cmd::KoiKoiYaku,
                                cmd::HanaAwaseYaku,  cmd::Exit,          cmd::NewGame};
// Every control a dialog may hold, except 無制限: a game must end by itself.
constexpr int DialogControls[] = {1,    2,    1000, 1002, 1003, 1004, 1005, 1007,
                                  1008, 1011, 1012, 1013, 1021, 1022, 1024};
// The buttons that close dialogs, tried in turn.
constexpr int Closers[] = {1, 1022, 1000, 1024, 2};

// A storm at Koi-Koi for an even number, at Hana-awase for an odd one; the
// number seeds its input.
class StormTest : public ProgramTest, public ::testing::WithParamInterface<int> {
  protected:
    static void SetUpTestSuite() {
        platform::SetClock(&clock_);
        StartProgram("");
    }

    void SetUp() override {
        // A dialog ends after a few random actions; one that cannot be
        // closed with its buttons is a stuck game.
        platform::testing::SetDialogHook([this](platform::Dialog& d, int number) {
            int actions = storming_ ? static_cast<int>(rng_() % 4) : 0;
            for (int i = 0; i < actions && !d.HasEnded(); ++i) {
                if (rng_() % 2)
                    d.Click(DialogControls[rng_() % std::size(DialogControls)]);
                else
                    d.SendKey(static_cast<platform::DialogKey>(rng_() % 8));
            }
            if (number == dlg::GameSettings && !d.HasEnded()) d.Click(game_ ? 1003 : 1002);
            for (int round = 0; round < 3 && !d.HasEnded(); ++round)
                for (int id : Closers)
                    if (!d.HasEnded()) d.Click(id);
            if (!d.HasEnded()) {
                ADD_FAILURE() << "dialog " << number << " cannot be closed";
                d.End(1);
            }
        });
        platform::testing::SetMessageBoxHook(
            [this](const std::string&, const std::string& caption) {
                // Never quit; a records clear is as good as not.
                if (caption == "Kirabo") return platform::BoxAnswer::No;
                return rng_() % 2 ? platform::BoxAnswer::Yes : platform::BoxAnswer::No;
            });
    }
    void TearDown() override {
        ProgramTest::TearDown();
        CloseHelp();
    }

    void Step() {
        ASSERT_FALSE(inStep_) << "the step function was entered twice";
        inStep_ = true;
        StepCurrentGame();
        inStep_ = false;
        CheckInvariants();
    }

    void CheckInvariants() {
        if (gameState == -1) return;
        std::string fault;
        if (currentGame == 0) {
            bool betweenTurns =
                (gameState == 3 && subState <= 1) || gameState == 4 || gameState == 5;
            if (betweenTurns) fault = CheckKoiKoiInvariants();
        } else {
            // The turns of the user (before a card is chosen) and of COM 1 and 2.
            const int player = gameState - HanaUserTurn;
            if (player >= 0 && player < 3 && (player > 0 || subState == 0))
                fault = HanaCheckBetweenTurns(player);
        }
        ASSERT_EQ(fault, "") << "game " << currentGame << " state " << gameState;
    }

    // New game with the settings dialog answered plainly (a storm's own new
    // game may be cancelled, or choose the other game: both are fine).
    void StartGame(int game) {
        bool storming = storming_;
        storming_ = false;
        game_ = game;
        currentGame = game;
        handsOption = 0;
        NewGame();
        storming_ = storming;
        ASSERT_EQ(gameState, 0);
    }

    void RandomInput() {
        MainWindowHandler window;
        int w = ClientWidth[resolution], h = ClientHeight[resolution];
        const int kind = static_cast<int>(rng_() % 8);
        if (kind < 2) {
            window.OnMouseMove(rng_() % w, rng_() % h);
        } else if (kind == 2) {
            window.OnLeftButtonDown(rng_() % w, rng_() % h);
        } else if (kind == 3) {
            window.OnRightButtonDown();
        } else if (kind < 6) {
            window.OnKeyDown(static_cast<platform::Key>(rng_() % 5));
        } else if (kind == 6) {
            if (rng_() % 4 == 0) window.OnCommand(MenuCommands[rng_() % std::size(MenuCommands)]);
        } else {
            platform::ProcessPendingEvents();
        }
    }

    // Plain play: confirm whatever is asked, click away the result.
    void PlayToTheEnd() {
        storming_ = false;
        for (long steps = 0; gameState != -1; ++steps) {
            ASSERT_LT(steps, 200000) << "the game does not finish; state " << gameState;
            cancelRequested = 0;
            choiceConfirmed = 1;
            pointerClicked = 1;
            Step();
        }
    }

    void Storm(int game, uint32_t seed, int events) {
        rng_.seed(seed);
        storming_ = true;
        StartGame(game);
        for (int e = 0; e < events; ++e) {
            RandomInput();
            if (gameState == -1) StartGame(game);  // a storm may end or restart it
            int steps = 1 + static_cast<int>(rng_() % 3);
            for (int s = 0; s < steps && gameState != -1; ++s) Step();
            if (HasFatalFailure()) return;
        }
        PlayToTheEnd();
        EXPECT_FALSE(platform::IsMenuItemEnabled(cmd::ScoreTable));
    }

    static inline platform::FakeClock clock_{0, 1};
    std::mt19937 rng_;
    bool storming_ = false;
    bool inStep_ = false;
    int game_ = 0;
};

TEST_P(StormTest, TheGameSurvivesAndFinishes) {
    Storm(GetParam() % 2, static_cast<uint32_t>(GetParam()), 1500);
}

INSTANTIATE_TEST_SUITE_P(Storms, StormTest, testing::Range(0, KIRABO_STORMS));

}  // namespace
