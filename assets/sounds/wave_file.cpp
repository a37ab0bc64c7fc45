#include "assets/sounds/wave_file.h"

namespace {

void PutLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string WaveFileBytes(const std::vector<int16_t>& samples, int rate, int channels) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    PutLittleEndian(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLittleEndian(out, 16, 4);  // size of the format chunk
    PutLittleEndian(out, 1, 2);   // PCM
    PutLittleEndian(out, channels, 2);
    PutLittleEndian(out, rate, 4);                 // frames per second
    PutLittleEndian(out, rate * 2 * channels, 4);  // bytes per second
    PutLittleEndian(out, 2 * channels, 2);         // bytes per frame
    PutLittleEndian(out, 16, 2);                   // bits per sample
    out += "data";
    PutLittleEndian(out, dataBytes, 4);
    for (int16_t s : samples) PutLittleEndian(out, static_cast<uint16_t>(s), 2);
    return out;
}
