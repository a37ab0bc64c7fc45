#include "tools/audio_render/tune_render.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>

#include "platform/audio.h"

std::vector<int16_t> RenderTune(const std::string& midiPath, double maxSeconds) {
    const std::string soundFont = platform::SoundFontPath();
    if (soundFont.empty()) return {};
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", RenderRate);
    fluid_settings_setstr(settings, "player.timing-source", "sample");  // not the wall clock
    // SDL_mixer drives FluidSynth at full gain when the music volume is full.
    fluid_settings_setnum(settings, "synth.gain", 1.0);
    fluid_synth_t* synth = new_fluid_synth(settings);
    std::vector<int16_t> out;
    if (fluid_synth_sfload(synth, soundFont.c_str(), 1) != FLUID_FAILED) {
        fluid_player_t* player = new_fluid_player(synth);
        if (fluid_player_add(player, midiPath.c_str()) == FLUID_OK) {
            fluid_player_play(player);
            constexpr int Block = 1024;
            const size_t limit = static_cast<size_t>(maxSeconds * RenderRate) * 2;
            int16_t block[Block * 2];
            while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING && out.size() < limit) {
                fluid_synth_write_s16(synth, Block, block, 0, 2, block, 1, 2);
                out.insert(out.end(), block, block + Block * 2);
            }
        }
        delete_fluid_player(player);
    }
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return out;
}

double Rms(const std::vector<int16_t>& samples, size_t first, size_t last) {
    last = std::min(last, samples.size());
    if (first >= last) return 0;
    double sum = 0;
    for (size_t i = first; i < last; ++i) sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / (last - first)) / 32768.0;
}
