// Consistency of a Koi-Koi game between turns, for tests and soak runs.
#pragma once
#include <string>

// Checks, between two turns: every card in exactly one place (a hand, the
// field, the undrawn stock or a pile), every pile in its category and sorted,
// hands packed from slot 0 with slot 8 empty, no capture of the turn left
// unfiled, and each game total equal to the sum of that player's finished
// hand scores. Returns "" when all hold, else what is wrong.
std::string CheckKoiKoiInvariants();
