// A Hana-awase game written out between two turns and read back, so that a
// game can be kept when the program ends and go on later exactly as it would
// have: every place of every card, the yaku-watch tables the computer players
// steer by, the scores, the dealer, the rules of the game, the random
// generator, and each seat's own: the generator its thinking draws on, the
// months it has shown it lacks and the cards its plays have ruled out.
#pragma once
#include <string>

class SavedTextReader;
class SavedTextWriter;

// Whether the game stands between two turns (or hands), where it can be kept.
bool HanaKeepable(int state);
void HanaWriteGame(SavedTextWriter& out);
// Reads what HanaWriteGame wrote and checks it: every value in its range,
// every card in exactly one place, hands and stock in step with the turns,
// totals the sums of the hand scores. On success the game, gameState
// (subState 0), the rule setting and the random generators are those of the
// text; otherwise nothing changes and the fault is returned.
std::string HanaReadGame(SavedTextReader& in);
