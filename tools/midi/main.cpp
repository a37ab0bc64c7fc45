// kirabo-midi SCORE OUT.mid: writes one tune of the game from its note data.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "tools/midi/score.h"
#include "tools/midi/smf.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kirabo-midi SCORE OUT.mid\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    std::stringstream text;
    text << in.rdbuf();
    if (!in) {
        std::fprintf(stderr, "kirabo-midi: cannot read %s\n", argv[1]);
        return 1;
    }
    midi::Song song;
    std::string error;
    if (!midi::ParseScore(text.str(), song, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << midi::SmfBytes(song);
    if (!out) {
        std::fprintf(stderr, "kirabo-midi: cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("%s: %.1f s\n", argv[2], midi::SongSeconds(song));
    return 0;
}
