#include "platform/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <sys/stat.h>

#include <atomic>
#include <map>

namespace platform {
namespace {

constexpr int DeviceRate = 44100;
constexpr int DeviceChannels = 2;
constexpr int BlockFrames = 1024;  // about 23 ms of latency
constexpr int EffectChannel = 0;

// The timgm6mb soundfont first; the others are what distributions install as
// their default General MIDI set.
const char* const SoundFontCandidates[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",   "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/soundfonts/default.sf2",
    "/usr/share/soundfonts/FluidR3_GM.sf2",
};

bool deviceOpen = false;
void (*tuneEndedHook)() = nullptr;
// Set when a tune starts, cleared by whoever announces its end first: the
// mixer's hook (audio thread, or inside Mix_HaltMusic) or CloseTune.
std::atomic<bool> noticePending{false};
Mix_Music* tune = nullptr;
std::string tunePath;
std::map<int, Mix_Chunk*> effects;
std::atomic<void (*)(const int16_t*, int, int)> outputTap{nullptr};
int deviceChannels = DeviceChannels;
int tuneStarts = 0;
// A tune that ends before a quarter of a second has sounded cannot be played
// (a damaged file FluidSynth gives up on); it is not started again, or its
// notices would restart it without end.
constexpr int MinimumTuneFrames = DeviceRate / 4;
std::atomic<int> framesSinceStart{0};
std::atomic<bool> tuneUnplayable{false};

bool IsFile(const char* path) {
    struct stat st;
    return stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

// Far beyond any of the game's tunes (a few KiB each); a larger file is
// refused rather than loaded whole into memory.
constexpr off_t MaxTuneBytes = 4 << 20;

bool IsTuneSized(const char* path) {
    struct stat st;
    return stat(path, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= MaxTuneBytes;
}

void AnnounceEnd() {
    if (!noticePending.exchange(false)) return;
    if (framesSinceStart < MinimumTuneFrames) tuneUnplayable = true;
    if (tuneEndedHook) tuneEndedHook();
}

void SDLCALL TuneFinished() {
    AnnounceEnd();
}

void SDLCALL TapOutput(void*, Uint8* stream, int len) {
    framesSinceStart += len / (2 * deviceChannels);
    if (auto tap = outputTap.load())
        tap(reinterpret_cast<const int16_t*>(stream), len / 2, deviceChannels);
}

void FreeEffects() {
    for (auto& [number, chunk] : effects) Mix_FreeChunk(chunk);
    effects.clear();
}

}  // namespace

std::string SoundFontPath() {
    for (const char* path : SoundFontCandidates)
        if (IsFile(path)) return path;
    return {};
}

bool OpenAudio(void (*tuneEnded)()) {
    if (deviceOpen) return true;
    tuneEndedHook = tuneEnded;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(DeviceRate, AUDIO_S16SYS, DeviceChannels, BlockFrames) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    int rate = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&rate, &format, &channels);
    deviceChannels = channels;
    const std::string soundFont = SoundFontPath();
    if (!soundFont.empty()) Mix_SetSoundFonts(soundFont.c_str());
    Mix_HookMusicFinished(TuneFinished);
    Mix_SetPostMix(TapOutput, nullptr);
    deviceOpen = true;
    tuneStarts = 0;
    return true;
}

void CloseAudio() {
    if (!deviceOpen) return;
    CloseTune();
    Mix_HaltChannel(-1);
    FreeEffects();
    Mix_HookMusicFinished(nullptr);
    Mix_SetPostMix(nullptr, nullptr);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    deviceOpen = false;
}

bool AudioIsOpen() {
    return deviceOpen;
}

bool CloseTune() {
    if (!deviceOpen) return true;
    // Mix_HaltMusic cannot fail: it always returns 0.
    const bool stopped = Mix_HaltMusic() == 0;
    AnnounceEnd();
    if (tune) Mix_FreeMusic(tune);
    tune = nullptr;
    tunePath.clear();
    return stopped;
}

void StartTune(const std::string& path) {
    if (!deviceOpen) return;
    CloseTune();
    if (!IsTuneSized(path.c_str())) return;
    tune = Mix_LoadMUS(path.c_str());
    if (!tune) return;
    tunePath = path;
    tuneUnplayable = false;
    RestartTune();
}

void RestartTune() {
    if (!deviceOpen || !tune || tuneUnplayable) return;
    // A play cut short by its own restart announces nothing: its notice
    // would only restart the tune once more.
    noticePending = false;
    Mix_HaltMusic();
    noticePending = true;
    ++tuneStarts;
    framesSinceStart = 0;
    if (Mix_PlayMusic(tune, 0) != 0) noticePending = false;
}

bool TuneNoticePending() {
    return noticePending;
}

std::string LoadedTunePath() {
    return tunePath;
}

void LoadEffect(int number, const std::string& bytes) {
    if (!deviceOpen) return;
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    Mix_Chunk* chunk = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
    if (!chunk) return;
    if (auto old = effects.find(number); old != effects.end()) {
        Mix_HaltChannel(EffectChannel);
        Mix_FreeChunk(old->second);
    }
    effects[number] = chunk;
}

void PlayEffectNow(int number) {
    if (!deviceOpen) return;
    auto it = effects.find(number);
    if (it == effects.end()) return;
    // One channel for all effects: a new one replaces the one playing.
    Mix_PlayChannel(EffectChannel, it->second, 0);
}

namespace testing {
int TuneStarts() {
    return tuneStarts;
}
void SetOutputTap(void (*tap)(const int16_t*, int, int)) {
    outputTap = tap;
}
}  // namespace testing

}  // namespace platform
