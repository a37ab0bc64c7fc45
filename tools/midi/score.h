// The note data of the tunes: a small text notation read into timed events.
//
//   tempo 80                 quarter notes a minute
//   meter 4                  quarter notes a bar (every bar is checked)
//   unit 8                   note lengths count eighths (16: sixteenths)
//   scale d e g a b          every note must be one of these
//   voice koto program 107 channel 0 volume 100 pan 40 reverb 60
//   section A                the lines below belong to section A
//   koto: !mf d5 e5 g5:2 | a5:4 r:4 |
//   form A A B A             the tune, section by section
//
// A note is a letter a..g, an optional # or b and an octave (c4 is middle C),
// then optionally :N units (1 without). r is a rest, d4+a4 a chord, ~ before
// a note bends up into it from a semitone below (the shakuhachi's slide),
// !pp !p !mp !mf !f !ff set the loudness, | ends a bar.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace midi {

struct Voice {
    std::string name;
    int program = 0;
    int channel = 0;
    int volume = 100;
    int pan = 64;
    int reverb = 40;
};

struct Note {
    int64_t start;  // ticks
    int64_t length;
    int pitch;
    int velocity;
    bool slide;
};

struct Track {
    Voice voice;
    std::vector<Note> notes;
};

struct Song {
    int ticksPerQuarter = 480;
    int tempo = 80;
    int meter = 4;
    int64_t length = 0;  // ticks, to the end of the last bar
    std::vector<Track> tracks;
};

// Reads a score. On a fault returns false with `error` naming the line.
bool ParseScore(const std::string& text, Song& song, std::string& error);

// Length of the song in seconds.
double SongSeconds(const Song& song);

}  // namespace midi
