// Small building blocks for the effects: tones, plucked strings, drum hits
// and noise, each added into one mono buffer of floats.
#pragma once
#include <cstdint>
#include <vector>

struct Voice {
    std::vector<float> samples;
    int rate;
};

// One partial of a struck or plucked tone: frequency as a multiple of the
// fundamental, loudness, and time to fall to 1/e in seconds.
struct Partial {
    float ratio;
    float amplitude;
    float decay;
};

// A struck tone (chime, bell, glass): partials that start together after a
// short rise and die away each at its own pace.
void AddStruckTone(Voice& v, double start, double frequency, double gain, double attack,
                   const std::vector<Partial>& partials);

// A plucked string (koto, shamisen): bright at first, the upper partials
// fading faster than the fundamental, with a breath of noise at the pluck.
// `brightness` 0..1 sets how much the upper partials weigh.
void AddPluck(Voice& v, double start, double frequency, double gain, double brightness,
              double decay);

// A drum skin: a sine that falls in pitch from `fromHz` to `toHz`.
void AddDrum(Voice& v, double start, double fromHz, double toHz, double gain, double decay);

// Filtered noise with a linear rise and an exponential fall, kept to the band
// between `lowHz` and `highHz` by one-pole filters.
struct NoiseBurst {
    double start;
    double attack;
    double decay;
    double lowHz;
    double highHz;
    double gain;
};
void AddNoise(Voice& v, const NoiseBurst& burst, uint32_t seed);

// Scales the loudest sample to `peak` (0..1), fades the last `fadeOut`
// seconds to nothing so the sound ends without a click, and converts.
std::vector<int16_t> Finish(Voice& v, double peak, double fadeOut);

// Equal-tempered frequency of a MIDI note number (69 = A 440 Hz).
double NoteHz(int note);
