// RIFF WAVE files of 16-bit PCM.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// `samples` holds `channels` interleaved samples a frame.
std::string WaveFileBytes(const std::vector<int16_t>& samples, int rate, int channels = 1);
