// The music player of a build without sound: the choices are kept, nothing plays.
#include "app/music.h"
#include "core/program.h"

bool InitAudio() {
    return false;
}
void ShutdownAudio() {}
void SetMusicHooks(void (*)(), void (*)(const std::string&)) {}
int MusicStop() {
    return 1;
}
int MusicPlay() {
    return 1;
}
void OnMusicNotify() {
    suppressMusicNotify = 0;
}
void ChooseMusic(int choice) {
    musicChoice = choice;
}
void MusicForNewGame() {}
const char* TuneForSituation() {
    return nullptr;
}
void SetMusicFolder(const std::string&) {}
void PlayEffect(int) {}
