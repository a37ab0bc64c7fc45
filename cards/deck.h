// The shuffle both games deal from.
#pragma once
#include "cards/cards.h"

// The 48 cards in a fresh order: each draw of the program's generator picks
// one of the cards still left, in card order, so a seed always gives the same
// deck.
void ShuffleDeck(int deck[CardCount]);
