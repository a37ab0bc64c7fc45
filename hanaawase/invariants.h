// Consistency checks of a Hana-awase hand between turns, for tests and soaks.
#pragma once
#include <string>

// Empty when the state holds together: every card in exactly one place
// (hands, field, the undrawn stock, captured lists), hands packed with their
// counts right, slot 7 empty, captured lists sorted and of the right kind,
// equal hands and a stock of three times that when the dealer is to play.
// Otherwise a description of the first fault found.
std::string HanaCheckBetweenTurns(int nextPlayer);
// Empty when the settled hand scores add up to the card points taken minus
// 264, and the field holds exactly the points nobody took.
std::string HanaCheckSettlement();
