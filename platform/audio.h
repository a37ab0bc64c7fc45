// The sound device: one tune at a time and one sound effect at a time, over
// SDL2_mixer, with MIDI rendered by FluidSynth from a General MIDI soundfont.
//
// Without a device every call here does nothing; nothing is ever reported.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

// Opens the default device. `tuneEnded` is called once for every tune
// started with StartTune or RestartTune, when it ends or is stopped; it may
// be called on the audio thread and must only hand the news on.
bool OpenAudio(void (*tuneEnded)());
void CloseAudio();
bool AudioIsOpen();

// The General MIDI soundfont the tunes are rendered with; empty when none of
// the usual places has one (the tunes are then silent).
std::string SoundFontPath();

// Stops the tune and forgets it. False only if the library reports that
// stopping failed.
bool CloseTune();
// Loads the MIDI file and plays it once from the start. A missing or
// unplayable file gives silence.
void StartTune(const std::string& path);
// Plays the loaded tune again from its start; nothing when none is loaded.
void RestartTune();
// A tune was started and its end has not been announced yet.
bool TuneNoticePending();
// The file of the loaded tune, empty when none is loaded.
std::string LoadedTunePath();

// Keeps the WAVE file `bytes` as effect `number`.
void LoadEffect(int number, const std::string& bytes);
// Plays effect `number` at once, cutting off the effect still playing.
void PlayEffectNow(int number);

namespace testing {
// How many times a tune has been started or restarted since the device opened.
int TuneStarts();
// Receives every block the device plays: interleaved 16-bit frames of
// `channels` channels. Nullptr removes it.
void SetOutputTap(void (*tap)(const int16_t* samples, int count, int channels));
}  // namespace testing

}  // namespace platform
