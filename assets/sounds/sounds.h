// The seven sound effects, made by code from a few synthesis parameters.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Every effect is PCM, mono, 16 bits, at its own rate and length.
struct EffectFormat {
    int number;
    int rate;
    int lengthMs;
};

constexpr EffectFormat EffectFormats[] = {
    {191, 22050, 668},   // confirming a choice
    {192, 44100, 21},    // the cursor moves
    {193, 22050, 966},   // cancelling the choice of a field card
    {194, 22050, 5541},  // the game is won
    {195, 22050, 3141},  // the game is over otherwise
    {196, 22050, 427},   // a card lands on a card
    {197, 44100, 140},   // one step of the deal
};

constexpr int FirstEffect = 191;
constexpr int LastEffect = 197;

// Null for a number that is not an effect.
const EffectFormat* FindEffectFormat(int number);
// Rate × length, rounded to the nearest sample.
int EffectSampleCount(const EffectFormat& format);

// The samples of effect `number`; empty for a number that is not an effect.
std::vector<int16_t> MakeEffectSamples(int number);
// The complete RIFF WAVE file of effect `number`; empty for a number that is
// not an effect.
std::string MakeWaveFile(int number);
