// A Koi-Koi game written out between two turns and read back, so that a
// game can be kept when the program ends and go on later exactly as it would
// have: every place of every card, the scores, the dealer, the rules of the
// game, the reach state and the computer's estimates, the random generator,
// and each seat's own: the generator its thinking draws on and the months it
// has shown it lacks.
#pragma once
#include <string>

class SavedTextReader;
class SavedTextWriter;

// Whether the game stands between two turns (or hands), where it can be kept.
bool KoiKoiKeepable(int state);
// Writes the running game; gameState must be keepable.
void WriteKoiKoiGame(SavedTextWriter& out);
// Reads what WriteKoiKoiGame wrote and checks it: every value in its range,
// every card in exactly one place, counts and turns in step, totals the sums
// of the hand scores. On success the game, gameState (subState 0), the rule
// settings and the random generators are those of the text; otherwise
// nothing changes and the fault is returned.
std::string ReadKoiKoiGame(SavedTextReader& in);
