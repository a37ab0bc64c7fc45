#include "app/music.h"

#include <sys/stat.h>

#include <atomic>

#include "assets/sounds/sounds.h"
#include "core/program.h"
#include "platform/audio.h"
#include "platform/files.h"

namespace {

constexpr int NoMusic = 3;

std::atomic<void (*)()> postNotifyHook{nullptr};
void (*showErrorHook)(const std::string& text) = nullptr;
std::string musicFolder;

// Called on the audio thread: only passes the notice on.
void TuneEnded() {
    if (auto post = postNotifyHook.load()) post();
}

bool IsFile(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The tunes live beside the program (a build), or in the program's data
// folder (an installed game); never in the current folder, which is
// whatever folder the game was started from.
std::string FindTune(const std::string& name) {
    if (!musicFolder.empty()) return musicFolder + "/" + name;
    const std::string besideProgram = platform::ExecutableDir() + "/" + name;
    if (IsFile(besideProgram)) return besideProgram;
    const std::string installed = platform::ExecutableDir() + "/../share/kirabo/" + name;
    if (IsFile(installed)) return installed;
    return {};
}

// The stop that is about to happen will bring a notice; make it restart
// nothing. Only a tune that is still to announce its end brings one, so the
// flag is not left set to swallow the first loop of the next tune.
void SuppressNextNotice() {
    if (platform::TuneNoticePending()) suppressMusicNotify = 1;
}

}  // namespace

bool InitAudio() {
    if (!platform::OpenAudio(&TuneEnded)) return false;
    for (int n = FirstEffect; n <= LastEffect; ++n) platform::LoadEffect(n, MakeWaveFile(n));
    return true;
}

void ShutdownAudio() {
    // The program is ending: the closing tune's notice has nobody to go to.
    postNotifyHook = nullptr;
    platform::CloseAudio();
}

void SetMusicHooks(void (*postNotify)(), void (*showError)(const std::string& text)) {
    postNotifyHook = postNotify;
    showErrorHook = showError;
}

void SetMusicFolder(const std::string& folder) {
    musicFolder = folder;
}

const char* TuneForSituation() {
    static const char* const GameTunes[] = {"kirabo.mid", "kyouwa.mid", "kyoutu.mid"};
    if (musicChoice < 0 || musicChoice >= NoMusic) return nullptr;
    if (gameState == -1) return "title.mid";
    return GameTunes[musicChoice];
}

int MusicStop() {
    if (musicChoice == NoMusic) return 1;
    if (!platform::CloseTune() && showErrorHook) showErrorHook("error.");
    return 1;
}

int MusicPlay() {
    if (musicChoice == NoMusic) return 1;
    MusicStop();
    if (const char* name = TuneForSituation()) platform::StartTune(FindTune(name));
    return 1;
}

void OnMusicNotify() {
    if (suppressMusicNotify == 0 && musicChoice != NoMusic) platform::RestartTune();
    suppressMusicNotify = 0;
}

void ChooseMusic(int choice) {
    if (choice == NoMusic) {
        if (musicChoice == NoMusic) return;
        MusicStop();
        musicChoice = NoMusic;
        return;
    }
    if (gameState != -1) {
        SuppressNextNotice();
        MusicStop();
        musicChoice = choice;
        MusicPlay();
    } else if (musicChoice != NoMusic) {
        musicChoice = choice;
    } else {
        musicChoice = choice;
        MusicPlay();
    }
}

void MusicForNewGame() {
    if (musicChoice == NoMusic) return;
    SuppressNextNotice();
    MusicStop();
    MusicPlay();
}

void PlayEffect(int number) {
    platform::PlayEffectNow(number);
}
