// Stopping a game after its k-th keepable moment (a turn, a deal or a hand's
// end over), writing it to a file, and going on with it in a new run:
//
//   --stop-after K --keep FILE   stop after the K-th such moment, keep the game
//   --resume FILE                go on with the game kept there
//
// The kept game is the window's own format, with the number of the game in
// the run in front, so the rest of a trace matches the uninterrupted one.
#pragma once
#include <string>

#include "core/shell.h"

class SavedTextReader;
class SavedTextWriter;

struct KeepOptions {
    long stopAfter = 0;
    std::string keepPath;
    std::string resumePath;
};

// 1 when argv's `arg` with `value` was a keeping option, 0 when it is not
// one, -1 when it is one with a bad value.
int ParseKeepOption(const char* arg, const char* value, KeepOptions& options);
bool KeepOptionsValid(const KeepOptions& options);

// Counts the moments at which the game could be kept.
class CountingShell : public ShellServices {
  public:
    long progressed = 0;
    void GameProgressed(bool /*over*/) override { ++progressed; }
};

// Writes the game through `writeGame` after the run's game number.
bool KeepSimGame(const std::string& path, long game, void (*writeGame)(SavedTextWriter&));
// Reads it back through `readGame`; the game number in `game`. False, with a
// message on stderr, when the file is not a whole kept game.
bool ResumeSimGame(const std::string& path, long& game, std::string (*readGame)(SavedTextReader&));
