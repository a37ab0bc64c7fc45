// What a player that plays by the specified rules gives away with each card
// it lays down from its hand: a card those rules would have played first is
// not in its hand, then or later, for a Hana-awase hand only shrinks (the
// card drawn is played at once).
#pragma once
#include "hanaawase/observation.h"

// The cards that cannot be in `player`'s hand if it follows the specified
// rules and lays `card` down from its hand now. Judged from what every seat
// sees (the field, the captured piles, the card) and never from a table
// built from hidden cards: where the rules' yaku-watch lists could hold
// either answer, the card stays possible.
HanaCardSet HanaRuledOutByPlay(int player, int card);

// Whether `player` now plays by the specified rules: a computer at ふつう.
bool HanaPlaysBySpecifiedRules(int player);
