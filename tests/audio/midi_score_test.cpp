// The note data and the MIDI files written from it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tools/midi/score.h"
#include "tools/midi/smf.h"

namespace {

const char* const Header =
    "tempo 120\nmeter 4\nunit 8\nscale d e g a b\n"
    "voice koto program 107 channel 1 volume 100\n";

bool Parse(const std::string& body, midi::Song& song, std::string& error) {
    return midi::ParseScore(std::string(Header) + body, song, error);
}

TEST(Score, NotesChordsRestsAndSectionsFallOnTheBeat) {
    midi::Song song;
    std::string error;
    ASSERT_TRUE(
        Parse("section a\nkoto: !f d4:2 e4:2 r:2 d4+a4:2 |  # a comment\n"
              "section b\nkoto: !p ~e5:8 |\nform a b a\n",
              song, error))
        << error;
    EXPECT_EQ(song.length, 3 * 4 * 480);
    EXPECT_DOUBLE_EQ(midi::SongSeconds(song), 6.0);
    const auto& notes = song.tracks.at(0).notes;
    ASSERT_EQ(notes.size(), 4u + 1 + 4);
    EXPECT_EQ(notes[0].pitch, 62);
    EXPECT_EQ(notes[0].velocity, 96);
    EXPECT_EQ(notes[1].start, 480);
    EXPECT_EQ(notes[2].start, 3 * 480);  // the chord, after the rest
    EXPECT_EQ(notes[3].start, 3 * 480);
    EXPECT_EQ(notes[3].pitch, 69);
    EXPECT_TRUE(notes[4].slide);
    EXPECT_EQ(notes[4].velocity, 50);
    EXPECT_EQ(notes[5].start, 8 * 480);  // section a again
}

TEST(Score, WhatItCannotPlayIsRefusedWithItsLine) {
    const struct {
        const char *body, *said;
    } refused[] = {
        {"section a\nkoto: d4:4 f#4:4 |  # f# is no comment\nform a\n", "f#4 is not in the scale"},
        {"section a\nkoto: d4:2 e4:2 g4:2 |\nform a\n", "line 7: bar 1 of koto"},  // too short
        {"section a\nkoto: d4:8 |\nform a c\n", ""},
        {"section a\nshaku: d4:8 |\nform a\n", ""},
    };
    for (const auto& r : refused) {
        midi::Song song;
        std::string error;
        EXPECT_FALSE(Parse(r.body, song, error)) << r.body;
        EXPECT_NE(error.find(r.said), std::string::npos) << error;
    }
}

// A conductor track (tempo 120: 500000 microseconds a quarter) and the koto
// on channel 1 with program 107, ending with the rest of the second bar.
TEST(Smf, HoldsAConductorAndOneTrackPerVoiceEndingOnTheLastBar) {
    midi::Song song;
    std::string error;
    ASSERT_TRUE(Parse("section a\nkoto: d4:4 r:4 |\nform a a\n", song, error)) << error;
    std::ifstream golden(KIRABO_TWO_BARS_MID, std::ios::binary);
    EXPECT_EQ(midi::SmfBytes(song), std::string(std::istreambuf_iterator<char>(golden), {}));
}

// The four tunes of the game, as built.
TEST(Tunes, EachLastsAMinuteAndEndsOnAChordHeldToItsLastBeat) {
    for (const char* name : {"title", "kirabo", "kyouwa", "kyoutu"}) {
        std::ifstream in(std::string(KIRABO_MUSIC_SOURCE) + "/" + name + ".score");
        midi::Song song;
        std::string error;
        ASSERT_TRUE(
            midi::ParseScore(std::string(std::istreambuf_iterator<char>(in), {}), song, error))
            << name << ": " << error;
        EXPECT_GE(midi::SongSeconds(song), 60.0) << name;
        // The synthesizer plays on while the last chord dies away and the
        // hall's echo with it; that is the breath before the tune begins
        // again, so the tune must not add a rest of its own at either end.
        bool startsAtOnce = false, heldToTheEnd = false;
        for (const auto& track : song.tracks) {
            for (const auto& note : track.notes) {
                startsAtOnce |= note.start == 0;
                heldToTheEnd |= note.start + note.length == song.length;
            }
        }
        EXPECT_TRUE(startsAtOnce) << name << " begins with a rest";
        EXPECT_TRUE(heldToTheEnd) << name << " ends with a rest";
    }
}

}  // namespace
