#include "tools/midi/smf.h"

#include <algorithm>

namespace midi {
namespace {

// Pitch bend with the usual range of two semitones: 4096 is one semitone down.
constexpr int BendCentre = 8192;
constexpr int BendSemitoneDown = 4096;
constexpr int SlideSteps = 6;

struct Event {
    int64_t tick;
    int order;  // at one tick: releases first, then settings, then new notes
    std::string bytes;
};

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

std::string VariableLength(uint32_t value) {
    std::string out(1, static_cast<char>(value & 0x7F));
    while (value >>= 7) out.insert(out.begin(), static_cast<char>(0x80 | (value & 0x7F)));
    return out;
}

std::string BigEndian(uint32_t value, int bytes) {
    std::string out;
    for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

std::string Chunk(const char* id, const std::string& body) {
    return std::string(id) + BigEndian(static_cast<uint32_t>(body.size()), 4) + body;
}

std::string TrackChunk(std::vector<Event> events, int64_t length) {
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::string body;
    int64_t now = 0;
    for (const Event& e : events) {
        body += VariableLength(static_cast<uint32_t>(e.tick - now)) + e.bytes;
        now = e.tick;
    }
    // The track ends at the end of the last bar, rests included, so a tune
    // that starts again keeps its metre.
    body += VariableLength(static_cast<uint32_t>(length - now)) + Bytes({0xFF, 0x2F, 0x00});
    return Chunk("MTrk", body);
}

std::string ConductorTrack(const Song& song) {
    const uint32_t microsPerQuarter = 60000000u / song.tempo;
    std::vector<Event> events = {
        {0, 0, Bytes({0xFF, 0x51, 0x03}) + BigEndian(microsPerQuarter, 3)},
        {0, 0, Bytes({0xFF, 0x58, 0x04, song.meter, 2, 24, 8})},
    };
    return TrackChunk(events, song.length);
}

std::string VoiceTrack(const Track& track, int64_t length) {
    const Voice& v = track.voice;
    const int ch = v.channel & 0x0F;
    std::vector<Event> events = {
        {0, 1, Bytes({0xFF, 0x03, static_cast<int>(v.name.size())}) + v.name},
        {0, 1, Bytes({0xC0 | ch, v.program})},
        {0, 1, Bytes({0xB0 | ch, 7, v.volume})},
        {0, 1, Bytes({0xB0 | ch, 10, v.pan})},
        {0, 1, Bytes({0xB0 | ch, 91, v.reverb})},
        // Bend range of two semitones, set through the registered parameter.
        {0, 1, Bytes({0xB0 | ch, 101, 0, 0, 100, 0, 0, 6, 2, 0, 38, 0})},
    };
    for (const Note& n : track.notes) {
        // A little air between notes, as a player lifts a finger.
        const int64_t held = std::max<int64_t>(n.length - std::min<int64_t>(n.length / 16, 30), 1);
        if (n.slide) {
            const int64_t rise = std::min<int64_t>(n.length / 3, 120);
            for (int step = 0; step <= SlideSteps; ++step) {
                const int bend =
                    BendSemitoneDown + (BendCentre - BendSemitoneDown) * step / SlideSteps;
                events.push_back({n.start + rise * step / SlideSteps, 1,
                                  Bytes({0xE0 | ch, bend & 0x7F, (bend >> 7) & 0x7F})});
            }
        }
        events.push_back({n.start, 2, Bytes({0x90 | ch, n.pitch, n.velocity})});
        events.push_back({n.start + held, 0, Bytes({0x80 | ch, n.pitch, 0})});
    }
    return TrackChunk(events, length);
}

}  // namespace

std::string SmfBytes(const Song& song) {
    const int trackCount = static_cast<int>(song.tracks.size()) + 1;
    std::string out = Chunk(
        "MThd", BigEndian(1, 2) + BigEndian(trackCount, 2) + BigEndian(song.ticksPerQuarter, 2));
    out += ConductorTrack(song);
    for (const Track& t : song.tracks) out += VoiceTrack(t, song.length);
    return out;
}

}  // namespace midi
