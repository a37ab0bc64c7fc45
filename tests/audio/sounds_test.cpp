// The seven effects as WAVE files: format, rate, length, and that each is a
// clean, audible sound.
#include "assets/sounds/sounds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

uint32_t Field(const std::string& bytes, size_t offset, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<uint8_t>(bytes[offset + i]);
    return value;
}

double Rms(const std::vector<int16_t>& s, size_t first, size_t last) {
    double sum = 0;
    for (size_t i = first; i < last; ++i) sum += double(s[i]) * s[i];
    return std::sqrt(sum / (last - first)) / 32768.0;
}

TEST(SoundEffects, EachIsMono16BitPcmAtItsRateAndLength) {
    // Rate and length in milliseconds of 191 … 197, as the table of effects.
    const int expected[][3] = {
        {191, 22050, 668},  {192, 44100, 21},  {193, 22050, 966}, {194, 22050, 5541},
        {195, 22050, 3141}, {196, 22050, 427}, {197, 44100, 140},
    };
    for (const auto& [number, rate, ms] : expected) {
        const std::string wav = MakeWaveFile(number);
        ASSERT_GE(wav.size(), 44u) << number;
        EXPECT_EQ(wav.substr(0, 4), "RIFF");
        EXPECT_EQ(Field(wav, 4, 4), wav.size() - 8);
        EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(Field(wav, 16, 4), 16u);
        EXPECT_EQ(Field(wav, 20, 2), 1u) << "PCM";
        EXPECT_EQ(Field(wav, 22, 2), 1u) << "mono";
        EXPECT_EQ(Field(wav, 24, 4), static_cast<uint32_t>(rate)) << number;
        EXPECT_EQ(Field(wav, 28, 4), static_cast<uint32_t>(rate * 2));
        EXPECT_EQ(Field(wav, 32, 2), 2u);
        EXPECT_EQ(Field(wav, 34, 2), 16u);
        EXPECT_EQ(wav.substr(36, 4), "data");
        const uint32_t frames = Field(wav, 40, 4) / 2;
        EXPECT_EQ(wav.size(), 44 + frames * 2);
        // The length, rounded to the millisecond, is the tabled one.
        EXPECT_EQ(std::lround(frames * 1000.0 / rate), ms) << number;
    }
    EXPECT_EQ(MakeWaveFile(190), "");
    EXPECT_EQ(MakeWaveFile(198), "");
    EXPECT_EQ(MakeWaveFile(197), MakeWaveFile(197));  // the same on every run
}

TEST(SoundEffects, EachIsAudibleUnclippedAndEndsInSilence) {
    for (int n = FirstEffect; n <= LastEffect; ++n) {
        const auto s = MakeEffectSamples(n);
        ASSERT_FALSE(s.empty());
        EXPECT_GT(Rms(s, 0, s.size()), 0.02) << n;
        int peak = 0;
        for (int16_t x : s) peak = std::max(peak, std::abs(int(x)));
        EXPECT_LT(peak, 32000) << n << " clips";
        EXPECT_GT(peak, 8000) << n << " is too faint";
        // The last sample is silent so the device does not click when the
        // sound ends or is cut off by the next.
        EXPECT_EQ(s.back(), 0) << n;
        EXPECT_LT(std::abs(int(s.front())), 2000) << n;
    }
}

TEST(SoundEffects, TheJinglesRingOnThroughTheirLengthAndTheTicksAreShort) {
    // A jingle still sounds in its last quarter; a tick has spent itself by
    // its middle.
    for (int n : {194, 195}) {
        const auto s = MakeEffectSamples(n);
        EXPECT_GT(Rms(s, s.size() * 3 / 4, s.size()), 0.003) << n;
    }
    const auto slap = MakeEffectSamples(196);
    EXPECT_GT(Rms(slap, 0, slap.size() / 8), 10 * Rms(slap, slap.size() / 2, slap.size()));
}

}  // namespace
