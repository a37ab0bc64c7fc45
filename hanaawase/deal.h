// Shuffling and dealing a Hana-awase hand.
#pragma once
#include "cards/deck.h"  // ShuffleDeck

// True when the six cards the deck lays on the field hold a whole month.
bool HanaFieldHoldsWholeMonth(const int deck[48]);
// Shuffles (again while the field would hold a whole month) and deals: seven
// cards to each player from the dealer on, six to the field, 21 to the stock.
int HanaDeal();
