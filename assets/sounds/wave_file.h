// RIFF WAVE files of 16-bit mono PCM.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

std::string WaveFileBytes(const std::vector<int16_t>& samples, int rate);
