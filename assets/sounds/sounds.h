// The seven sound effects, made by code from a few synthesis parameters.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/sound_effects.h"

// Every effect is PCM, mono, 16 bits, at its own rate and length.
struct EffectFormat {
    int number;
    int rate;
    int lengthMs;
};

constexpr EffectFormat EffectFormats[] = {
    {sfx::Confirm, 22050, 668},  {sfx::CursorMove, 44100, 21}, {sfx::Cancel, 22050, 966},
    {sfx::GameWon, 22050, 5541}, {sfx::GameOver, 22050, 3141}, {sfx::CardOnCard, 22050, 427},
    {sfx::DealStep, 44100, 140},
};

constexpr int FirstEffect = sfx::First;
constexpr int LastEffect = sfx::Last;

// Null for a number that is not an effect.
const EffectFormat* FindEffectFormat(int number);
// Rate × length, rounded to the nearest sample.
int EffectSampleCount(const EffectFormat& format);

// The samples of effect `number`; empty for a number that is not an effect.
std::vector<int16_t> MakeEffectSamples(int number);
// The complete RIFF WAVE file of effect `number`; empty for a number that is
// not an effect.
std::string MakeWaveFile(int number);
