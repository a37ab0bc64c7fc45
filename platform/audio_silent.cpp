// The sound device of a build without SDL2_mixer: there is none.
#include "platform/audio.h"

namespace platform {

bool OpenAudio(void (*)()) {
    return false;
}
void CloseAudio() {}
bool AudioIsOpen() {
    return false;
}
std::string SoundFontPath() {
    return {};
}
bool CloseTune() {
    return true;
}
void StartTune(const std::string&) {}
void RestartTune() {}
bool TuneNoticePending() {
    return false;
}
std::string LoadedTunePath() {
    return {};
}
void LoadEffect(int, const std::string&) {}
void PlayEffectNow(int) {}

namespace testing {
int TuneStarts() {
    return 0;
}
void SetOutputTap(void (*)(const int16_t*, int, int)) {}
}  // namespace testing

}  // namespace platform
