// Renders a MIDI file offline with FluidSynth and the soundfont the program
// uses, as fast as the processor allows: what the player would hear.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

constexpr int RenderRate = 44100;

// Interleaved stereo samples of the whole tune (at most `maxSeconds`), empty
// when the file or the soundfont cannot be loaded.
std::vector<int16_t> RenderTune(const std::string& midiPath, double maxSeconds);

// Root mean square of `samples` from `first` (inclusive) to `last`, over
// full scale: 1.0 is a full-scale square wave.
double Rms(const std::vector<int16_t>& samples, size_t first, size_t last);
