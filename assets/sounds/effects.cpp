// The recipes of the seven effects. Notes are MIDI numbers; the tunes of the
// two jingles keep to the scales of the music (yo for the win, miyako-bushi
// for the loss).
#include <cmath>

#include "assets/sounds/sounds.h"
#include "assets/sounds/synth.h"
#include "assets/sounds/wave_file.h"

namespace {

// A small glass chime: fundamental, a bright octave and a faint twelfth.
const std::vector<Partial> Chime = {
    {1.0f, 1.0f, 0.22f},
    {2.0f, 0.35f, 0.10f},
    {3.01f, 0.12f, 0.05f},
};

// A temple bowl (rin): inharmonic partials that ring long.
const std::vector<Partial> Bowl = {
    {1.0f, 1.0f, 1.1f},
    {2.71f, 0.45f, 0.6f},
    {5.13f, 0.2f, 0.25f},
};

// A soft sine with a whisper of its octave, for the cancel.
const std::vector<Partial> Soft = {
    {1.0f, 1.0f, 0.30f},
    {2.0f, 0.12f, 0.15f},
};

struct Pluck {
    double start;
    int note;
    double gain;
};

// sfx::Confirm: two quick rising chime notes, E6 then B6.
void Confirm(Voice& v) {
    AddStruckTone(v, 0.000, NoteHz(88), 0.8, 0.003, Chime);
    AddStruckTone(v, 0.070, NoteHz(95), 1.0, 0.003, Chime);
}

// sfx::CursorMove: a click of a few milliseconds, like a fingernail on a wooden box.
void Tick(Voice& v) {
    AddNoise(v, {0.0, 0.0004, 0.0025, 1800, 9000, 1.0}, 192);
    AddStruckTone(v, 0.0, 3200, 0.5, 0.0004, {{1.0f, 1.0f, 0.003f}});
}

// sfx::Cancel: three soft notes stepping down, A5 E5 B4.
void Cancel(Voice& v) {
    AddStruckTone(v, 0.00, NoteHz(81), 0.7, 0.015, Soft);
    AddStruckTone(v, 0.17, NoteHz(76), 0.8, 0.015, Soft);
    AddStruckTone(v, 0.34, NoteHz(71), 1.0, 0.015, Soft);
}

// sfx::GameWon: a koto phrase climbing the D yo scale over shamisen-like low plucks
// and taiko, ending on a ringing chord and a sparkle of chimes.
const Pluck WinMelody[] = {
    {0.00, 74, 0.8}, {0.15, 76, 0.7}, {0.30, 79, 0.8}, {0.45, 81, 0.7}, {0.60, 83, 0.9},
    {0.75, 81, 0.7}, {0.90, 83, 0.8}, {1.05, 86, 0.9}, {1.35, 88, 0.9}, {1.50, 86, 0.7},
    {1.65, 83, 0.8}, {1.80, 81, 0.8}, {2.10, 83, 0.8}, {2.25, 86, 0.9}, {2.70, 86, 1.0},
    {2.72, 81, 0.7}, {2.74, 74, 0.7}, {2.76, 62, 0.8},
};
const Pluck WinBass[] = {
    {0.00, 50, 0.6}, {0.60, 45, 0.6}, {1.20, 43, 0.6}, {1.80, 45, 0.6}, {2.70, 38, 0.8},
};
const Pluck WinDrums[] = {
    {0.00, 0, 1.0}, {0.60, 0, 0.7}, {1.20, 0, 0.8}, {1.275, 0, 0.5}, {1.80, 0, 0.8}, {2.70, 0, 1.2},
};
const Pluck WinSparkle[] = {
    {3.00, 98, 0.35}, {3.10, 93, 0.3}, {3.20, 98, 0.3},
    {3.30, 93, 0.25}, {3.40, 98, 0.2}, {3.50, 93, 0.15},
};

void Win(Voice& v) {
    for (const Pluck& p : WinMelody) AddPluck(v, p.start, NoteHz(p.note), p.gain, 0.8, 1.4);
    for (const Pluck& p : WinBass) AddPluck(v, p.start, NoteHz(p.note), p.gain, 0.5, 0.8);
    for (const Pluck& p : WinDrums) AddDrum(v, p.start, 140, 65, p.gain, 0.35);
    for (const Pluck& p : WinSparkle)
        AddStruckTone(v, p.start, NoteHz(p.note), p.gain, 0.002, Chime);
}

// sfx::GameOver: slow, dull plucks falling through E miyako-bushi to a low E and a
// temple bowl.
const Pluck LossMelody[] = {
    {0.00, 71, 0.7}, {0.38, 69, 0.7}, {0.76, 65, 0.8}, {1.25, 64, 0.9}, {1.25, 52, 0.7},
};

void Loss(Voice& v) {
    for (const Pluck& p : LossMelody) AddPluck(v, p.start, NoteHz(p.note), p.gain, 0.3, 1.2);
    AddStruckTone(v, 1.25, NoteHz(64), 0.35, 0.004, Bowl);
}

// sfx::CardOnCard: the sharp crack of card stock, a short hollow body under it and a
// little room after.
void Slap(Voice& v) {
    AddNoise(v, {0.0, 0.0003, 0.010, 700, 6000, 1.0}, 196);
    AddDrum(v, 0.0, 260, 150, 0.45, 0.025);
    AddNoise(v, {0.004, 0.002, 0.045, 300, 3000, 0.12}, 1960);
}

// sfx::DealStep: a riffle of cards, a dozen small clicks crowding together and fading.
void Shuffle(Voice& v) {
    uint32_t jitter = 197;
    double t = 0.002;
    for (int i = 0; t < 0.125; ++i) {
        jitter = jitter * 1664525u + 1013904223u;
        const double swell = std::sin(3.14159 * t / 0.13);
        AddNoise(v, {t, 0.0008, 0.0020, 1500, 6500, 0.3 + 0.7 * swell}, jitter);
        t += 0.006 + 0.005 * ((jitter >> 24) / 255.0);
    }
}

struct Recipe {
    int number;
    void (*make)(Voice&);
    double peak;
    double fadeOut;
};

const Recipe Recipes[] = {
    {sfx::Confirm, Confirm, 0.60, 0.05},  {sfx::CursorMove, Tick, 0.40, 0.003},
    {sfx::Cancel, Cancel, 0.50, 0.10},    {sfx::GameWon, Win, 0.70, 0.40},
    {sfx::GameOver, Loss, 0.60, 0.40},    {sfx::CardOnCard, Slap, 0.75, 0.05},
    {sfx::DealStep, Shuffle, 0.40, 0.01},
};

}  // namespace

const EffectFormat* FindEffectFormat(int number) {
    for (const EffectFormat& f : EffectFormats)
        if (f.number == number) return &f;
    return nullptr;
}

int EffectSampleCount(const EffectFormat& format) {
    return static_cast<int>((static_cast<int64_t>(format.rate) * format.lengthMs + 500) / 1000);
}

std::vector<int16_t> MakeEffectSamples(int number) {
    const EffectFormat* format = FindEffectFormat(number);
    if (!format) return {};
    for (const Recipe& r : Recipes) {
        if (r.number != number) continue;
        Voice v{std::vector<float>(EffectSampleCount(*format), 0.0f), format->rate};
        r.make(v);
        return Finish(v, r.peak, r.fadeOut);
    }
    return {};
}

std::string MakeWaveFile(int number) {
    const EffectFormat* format = FindEffectFormat(number);
    if (!format) return {};
    return WaveFileBytes(MakeEffectSamples(number), format->rate);
}
