#include "tools/midi/score.h"

#include <map>
#include <sstream>

namespace midi {
namespace {

struct Dynamic {
    const char* mark;
    int velocity;
};
constexpr Dynamic Dynamics[] = {
    {"!pp", 36}, {"!p", 50}, {"!mp", 64}, {"!mf", 80}, {"!f", 96}, {"!ff", 112},
};

// Semitones above C of the note letters.
int LetterStep(char letter) {
    switch (letter) {
        case 'c':
            return 0;
        case 'd':
            return 2;
        case 'e':
            return 4;
        case 'f':
            return 5;
        case 'g':
            return 7;
        case 'a':
            return 9;
        case 'b':
            return 11;
        default:
            return -1;
    }
}

// "d#5" → 75; -1 when the text is not a pitch.
int ParsePitch(const std::string& text) {
    if (text.empty()) return -1;
    const int step = LetterStep(text[0]);
    if (step < 0) return -1;
    size_t i = 1;
    int accidental = 0;
    if (i < text.size() && (text[i] == '#' || text[i] == 'b') && i + 1 < text.size()) {
        accidental = text[i] == '#' ? 1 : -1;
        ++i;
    }
    if (i + 1 != text.size() || text[i] < '0' || text[i] > '9') return -1;
    const int pitch = (text[i] - '0' + 1) * 12 + step + accidental;
    return pitch >= 0 && pitch <= 127 ? pitch : -1;
}

// One voice's notes within a section, with times from the section's start.
struct Part {
    std::vector<Note> notes;
    int64_t length = 0;
};

struct Section {
    std::map<std::string, Part> parts;
};

struct Reader {
    Reader(Song& s, std::string& e) : song(s), error(e) {}
    Song& song;
    std::string& error;
    int unit = 8;
    std::map<std::string, Section> sections;
    std::map<std::string, int> velocities;  // per voice, carried across lines
    Section* current = nullptr;
    int scale = 0xFFF;  // pitch classes allowed, bit 0 = C
    int line = 0;

    bool Fail(const std::string& what) {
        error = "line " + std::to_string(line) + ": " + what;
        return false;
    }
    int64_t TicksPerUnit() const { return song.ticksPerQuarter * 4 / unit; }
    int64_t TicksPerBar() const { return int64_t{song.ticksPerQuarter} * song.meter; }
    const Voice* FindVoice(const std::string& name) const {
        for (const Track& t : song.tracks)
            if (t.voice.name == name) return &t.voice;
        return nullptr;
    }

    bool ReadVoice(std::istringstream& in) {
        Voice v;
        in >> v.name;
        std::string key;
        int value;
        while (in >> key >> value) {
            if (key == "program")
                v.program = value;
            else if (key == "channel")
                v.channel = value;
            else if (key == "volume")
                v.volume = value;
            else if (key == "pan")
                v.pan = value;
            else if (key == "reverb")
                v.reverb = value;
            else
                return Fail("unknown voice setting " + key);
        }
        if (v.name.empty() || FindVoice(v.name)) return Fail("voice needs a new name");
        song.tracks.push_back({v, {}});
        velocities[v.name] = 80;
        return true;
    }

    bool ReadNotes(const std::string& name, std::istringstream& in) {
        if (!current) return Fail("notes before any section");
        if (!FindVoice(name)) return Fail("unknown voice " + name);
        Part& part = current->parts[name];
        int& velocity = velocities[name];
        int64_t barStart = part.length;
        std::string token;
        while (in >> token) {
            if (token == "|") {
                if (part.length - barStart != TicksPerBar())
                    return Fail("bar " + std::to_string(barStart / TicksPerBar() + 1) + " of " +
                                name + " holds " + std::to_string(part.length - barStart) +
                                " ticks, not " + std::to_string(TicksPerBar()));
                barStart = part.length;
                continue;
            }
            if (token[0] == '!') {
                bool known = false;
                for (const Dynamic& d : Dynamics)
                    if (token == d.mark) velocity = d.velocity, known = true;
                if (!known) return Fail("unknown loudness " + token);
                continue;
            }
            int64_t units = 1;
            const size_t colon = token.find(':');
            if (colon != std::string::npos) {
                units = std::atoi(token.c_str() + colon + 1);
                if (units <= 0) return Fail("bad length in " + token);
                token.resize(colon);
            }
            const int64_t length = units * TicksPerUnit();
            if (token != "r") {
                bool slide = false;
                if (token[0] == '~') slide = true, token.erase(0, 1);
                std::istringstream chord(token);
                std::string pitchText;
                while (std::getline(chord, pitchText, '+')) {
                    const int pitch = ParsePitch(pitchText);
                    if (pitch < 0) return Fail("not a note: " + pitchText);
                    // Channel 10 (9 here) plays drums: its notes pick instruments.
                    if (FindVoice(name)->channel != 9 && !(scale & (1 << (pitch % 12))))
                        return Fail(pitchText + " is not in the scale");
                    part.notes.push_back({part.length, length, pitch, velocity, slide});
                }
            }
            part.length += length;
        }
        if (part.length % TicksPerBar() != 0) return Fail(name + " stops inside a bar");
        return true;
    }

    bool ReadScale(std::istringstream& in) {
        scale = 0;
        std::string name;
        while (in >> name) {
            const int pitch = ParsePitch(name + "4");
            if (pitch < 0) return Fail("not a note name: " + name);
            scale |= 1 << (pitch % 12);
        }
        return true;
    }

    bool ReadForm(std::istringstream& in) {
        std::string name;
        while (in >> name) {
            auto it = sections.find(name);
            if (it == sections.end()) return Fail("no section " + name);
            int64_t length = 0;
            for (const auto& [voice, part] : it->second.parts)
                if (part.length > length) length = part.length;
            for (const auto& [voice, part] : it->second.parts)
                if (part.length != length) return Fail(voice + " is short in section " + name);
            for (Track& track : song.tracks) {
                auto part = it->second.parts.find(track.voice.name);
                if (part == it->second.parts.end()) continue;
                for (Note n : part->second.notes) {
                    n.start += song.length;
                    track.notes.push_back(n);
                }
            }
            song.length += length;
        }
        return true;
    }

    bool ReadLine(const std::string& raw) {
        // A comment starts with # at the start of the line or after a space;
        // a # right after a letter is a sharp.
        size_t comment = 0;
        while ((comment = raw.find('#', comment)) != std::string::npos && comment > 0 &&
               raw[comment - 1] != ' ' && raw[comment - 1] != '\t')
            ++comment;
        const std::string text = raw.substr(0, comment);
        std::istringstream in(text);
        std::string word;
        if (!(in >> word)) return true;
        if (word == "tempo") return (in >> song.tempo) ? true : Fail("tempo needs a number");
        if (word == "meter") return (in >> song.meter) ? true : Fail("meter needs a number");
        if (word == "unit") {
            if (!(in >> unit) || (unit != 4 && unit != 8 && unit != 16))
                return Fail("unit is 4, 8 or 16");
            return true;
        }
        if (word == "voice") return ReadVoice(in);
        if (word == "scale") return ReadScale(in);
        if (word == "section") {
            std::string name;
            if (!(in >> name)) return Fail("section needs a name");
            current = &sections[name];
            return true;
        }
        if (word == "form") return ReadForm(in);
        if (word.back() == ':') return ReadNotes(word.substr(0, word.size() - 1), in);
        return Fail("unknown line: " + word);
    }
};

}  // namespace

bool ParseScore(const std::string& text, Song& song, std::string& error) {
    song = Song{};
    Reader reader(song, error);
    std::istringstream lines(text);
    std::string raw;
    while (std::getline(lines, raw)) {
        ++reader.line;
        if (!reader.ReadLine(raw)) return false;
    }
    if (song.length == 0) return reader.Fail("no form, or an empty one");
    return true;
}

double SongSeconds(const Song& song) {
    return static_cast<double>(song.length) / song.ticksPerQuarter * 60.0 / song.tempo;
}

}  // namespace midi
