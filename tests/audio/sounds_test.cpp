// The seven effects as WAVE files: format, rate, length, and that each is a
// clean, audible sound.
#include "assets/sounds/sounds.h"

#include <gtest/gtest.h>

#include <cmath>

#include "assets/sounds/wave_file.h"

namespace {

double Rms(const std::vector<int16_t>& s, size_t first, size_t last) {
    double sum = 0;
    for (size_t i = first; i < last; ++i) sum += double(s[i]) * s[i];
    return std::sqrt(sum / (last - first)) / 32768.0;
}

// Each is a RIFF WAVE file of its samples, PCM mono 16-bit at its rate,
// lasting its length to the millisecond.
TEST(SoundEffects, EachIsAMono16BitWaveFileOfItsRateAndLength) {
    EXPECT_EQ(WaveFileBytes({1, -2}, 22050), std::string("RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\1\0\1\0"
                                                         "\x22\x56\0\0\x44\xAC\0\0\2\0\x10\0"
                                                         "data\4\0\0\0\1\0\xFE\xFF",
                                                         48));
    for (const EffectFormat& format : EffectFormats) {
        const auto samples = MakeEffectSamples(format.number);
        EXPECT_EQ(MakeWaveFile(format.number), WaveFileBytes(samples, format.rate));
        EXPECT_EQ(std::lround(samples.size() * 1000.0 / format.rate), format.lengthMs)
            << format.number;
    }
    EXPECT_EQ(MakeWaveFile(FirstEffect - 1), "");
    EXPECT_EQ(MakeWaveFile(LastEffect + 1), "");
}

TEST(SoundEffects, EachIsAudibleUnclippedAndEndsInSilence) {
    for (int n = FirstEffect; n <= LastEffect; ++n) {
        const auto s = MakeEffectSamples(n);
        ASSERT_FALSE(s.empty());
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
