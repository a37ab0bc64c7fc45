// The running game kept in "game.sav", beside the settings and the records,
// so that closing the window, logging out or a crash never throws it away.
//
// The game is written whenever it stands between two turns or hands, then
// the records; the file also holds the records as they were meant to be
// then, with a checksum of record.dat as it was before, so that an end
// between the two writes neither loses a hand nor counts one twice.
#pragma once
#include <string>

// Where the kept game lives: the folder of record.dat.
std::string KeptGamePath();
bool KeptGameExists();

// The running game, with the records, as the kept-game text; `recordsFile`
// is record.dat's text up to its NUL as the file holds it now.
std::string KeptGameText(const std::string& recordsFile);

// Keeps the running game, then saves the records when they changed; a game
// that is `over` is removed again once its records are safe.
void KeepGame(bool over);

enum class KeptGameLoad {
    None,       // no kept game
    Resumable,  // the game is installed and can go on
    Over,       // a finished game whose records have been made safe
    Damaged,    // set aside as game.sav.damaged
};
// Reads the kept game, if any. A whole and sound one replaces the running
// game state (currentGame, gameState, the game's state, its rules and the
// random generator) and brings the records up to it if the last keeping was
// cut short; anything else is set aside and changes nothing.
KeptGameLoad LoadKeptGame();
// The same over given bytes and record.dat text, for tests and fuzzing:
// "" on success, else what is wrong. `over` tells a finished game.
std::string RestoreKeptGame(const std::string& bytes, const std::string& recordsFile, bool& over);

// The game is abandoned: the file goes.
void DiscardKeptGame();
