#include "app/startup.h"

#include <signal.h>
#include <unistd.h>

#include "app/display_options.h"
#include "app/games.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/music.h"
#include "app/preferences.h"
#include "app/resume.h"
#include "app/window_shell.h"
#include "assets/catalogue.h"
#include "assets/menu.h"
#include "cards/random.h"
#include "core/program.h"
#include "core/records.h"
#include "core/settings.h"
#include "core/storage.h"
#include "display/display.h"
#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/event_loop.h"
#include "platform/files.h"
#include "platform/instance_lock.h"
#include "platform/window.h"

namespace {

constexpr uint32_t MinimumTitleMs = 300;

MainWindowHandler mainWindowHandler;
WindowShell windowShell;
bool inStep = false;

void PostMusicNotify() {
    platform::PostToMainThread(&OnMusicNotify);
}

void ShowMusicError(const std::string& text) {
    platform::MessageBox(text, "error", platform::BoxButtons::Ok, platform::BoxIcon::None);
}

// At logout the system asks the program to end: keep what the player has
// and go without asking or showing anything, whatever dialog is open.
void EndAtOnce() {
    SaveAtEndOfRun(true);
    SetMusicHooks(nullptr, nullptr);
    MusicStop();
    ShutdownAudio();
    _exit(0);
}

void StepGuarded() {
    // A step function is never re-entered: modal dialogs inside it run their
    // own loops, and this loop only calls it from the top.
    if (inStep) return;
    inStep = true;
    StepCurrentGame();
    inStep = false;
    ApplyPendingPixelRatio();
}

}  // namespace

bool InsideGameStep() {
    return inStep;
}

void MeasureCharacterCell() {
    platform::Size zero = platform::TextExtent("0");
    charWidth = zero.width;
    charHeight = zero.height;
}

bool InitApplication() {
    // From the start, the system's request to end is obeyed at once; the
    // files are only written once they have been read.
    platform::OnTerminateRequest(EndAtOnce);
    // The locale's language until the player's choice has been read.
    ApplyLanguage();
    std::string lockError;
    switch (platform::AcquireInstanceLock(platform::DataDir(), lockError)) {
        case platform::LockResult::Held:
            break;
        case platform::LockResult::Elsewhere:
            platform::MessageBox(platform::Tr("Messages", "Kiraboはすでに起動されています"),
                                 platform::Tr("Messages", "起動エラー"), platform::BoxButtons::Ok,
                                 platform::BoxIcon::Hand, false);
            return false;
        case platform::LockResult::Failed:
            // Another copy might be using the same files: this one plays on but
            // never writes them.
            DisableSaving();
            platform::MessageBox(
                platform::Tr("Messages",
                             "設定と成績を保存できません。データフォルダーをロックできません:\n") +
                    lockError + platform::Tr("Messages", "\nゲームはこのまま続けられます。"),
                "Kirabo", platform::BoxButtons::Ok, platform::BoxIcon::Hand, false);
            break;
    }
    InstallShell(&windowShell);
    LoadSettings();
    LoadRecords();
    LoadPreferences();
    ApplyLanguage();

    uint32_t titleShown = platform::GetTickCount();
    platform::SetFullScreen(fullScreenOn != 0);
    assets::SetImageRatio(platform::ScreenPixelRatio());
    platform::ShowTitleWindow("Kirabo", assets::LoadImage(assets::TitleImage));
    LoadResolutionImages();
    // The title stays long enough to be seen, however fast the images are made.
    while (platform::GetTickCount() - titleShown < MinimumTitleMs) {
        platform::ProcessPendingEvents();
        platform::WaitMs(10);
    }
    platform::CloseTitleWindow();

    MeasureCharacterCell();

    platform::SetWindowIcon(assets::LoadImage(assets::IconImage), assets::SmallIcon());
    platform::CreateMainWindow("Kirabo", assets::MainMenu(), &mainWindowHandler,
                               ClientWidth[resolution], ClientHeight[resolution]);
    SyncMenuChecks();
    platform::RepaintWindow({0, 0, ClientWidth[resolution], ClientHeight[resolution]});

    SetMusicHooks(PostMusicNotify, ShowMusicError);
    InitAudio();
    if (musicChoice != 3) PlayMusic();
    return true;
}

void ShutdownApplication() {
    if (gameState != -1) ReleaseCurrentGame();
    SaveAtEndOfRun(false);
    MusicStop();
    ShutdownAudio();
    InstallShell(nullptr);
    platform::ReleaseInstanceLock();
}

int RunKirabo(int argc, char** argv) {
    // A file that would grow beyond the user's size limit fails its save,
    // which is reported, instead of killing the program.
    signal(SIGXFSZ, SIG_IGN);
    platform::InitPlatform(argc, argv);
    SeedRandom(platform::GetTickCount());
    gameState = -1;
    if (!InitApplication()) return 0;
    OfferKeptGame();
    platform::RunMainLoop([] { return gameState != -1; }, StepGuarded);
    ShutdownApplication();
    return 0;
}
