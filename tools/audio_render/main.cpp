// audio-render OUTDIR MIDI...: writes the seven effects as OUTDIR/<n>.wav and
// each tune rendered to OUTDIR/<name>.wav, for listening and for sox.
#include <cstdio>
#include <fstream>

#include "assets/sounds/sounds.h"
#include "assets/sounds/wave_file.h"
#include "tools/audio_render/tune_render.h"

namespace {

bool Write(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: audio-render OUTDIR [MIDI...]\n");
        return 2;
    }
    const std::string dir = argv[1];
    for (int n = FirstEffect; n <= LastEffect; ++n)
        if (!Write(dir + "/" + std::to_string(n) + ".wav", MakeWaveFile(n))) return 1;
    for (int i = 2; i < argc; ++i) {
        std::string name = argv[i];
        name = name.substr(name.find_last_of('/') + 1);
        name = name.substr(0, name.find('.'));
        const auto samples = RenderTune(argv[i], 600);
        std::printf("%s: %.1f s\n", name.c_str(), samples.size() / 2.0 / RenderRate);
        if (!Write(dir + "/" + name + ".wav", WaveFileBytes(samples, RenderRate, 2))) return 1;
    }
    return 0;
}
