// Settling a Hana-awase hand around the 88-point base.
#pragma once

// Scores the hand for all three players, records it in the score lists and
// totals, and shows the score calculation.
int HanaSettleHand();
// The next dealer: the first player, counting from the dealer, whose hand
// score is the top one (at least 0). A dealer tied for the top, or a hand
// where every score is negative, leaves the deal where it is.
int HanaNextDealer();
