// The pieces of the reach state that the capture code puts together itself
// when one play takes two cards (capture.cpp).
#pragma once
#include "cards/cards.h"
#include "koikoi/card_sets.h"
#include "koikoi/state.h"

// Every card still in play, in the order the reach lists gather them: the
// field slots, the undrawn stock, then both hands.
struct LiveCards {
    int cards[CardCount + 1];
    int count;
    CardSet onField;  // the field's part of them
    CardSet all;
};
void GatherLive(LiveCards& live);

// Sets p's reach flags from p's piles; whether any is set.
bool SetReachFlags(int p);
// Whether 柳に道風 is among p's lights.
bool HasWillow(int p);
// Rebuilds p's reach lists for the given flags and lights.
void CollectFrom(int p, const int* flags, bool hasWillow, const LiveCards& live);
// The cards that stand in the reach list of yaku y, when its flag is set and
// they are in play, for a player with or without 柳に道風.
CardSet ReachCardsWanted(int y, bool hasWillow);
