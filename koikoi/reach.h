// The pieces of the reach state that the capture code puts together itself
// when one play takes two cards (capture.cpp).
#pragma once
#include <cstdint>

#include "cards/cards.h"
#include "koikoi/card_sets.h"
#include "koikoi/state.h"

// Every card still in play, in the order the reach lists gather them: the
// field slots, the undrawn stock, then both hands. Each slot has a fixed
// rank in that order: field slot f is f, stock entry i is 20 + i, slot s of
// hand q is 44 + 9q + s.
constexpr int LiveRanks = FieldSlots + StockSize + 2 * HandSlots;
static_assert(LiveRanks <= 64, "the ranks of the cards in play fit one 64-bit set");
struct LiveCards {
    int cardAtRank[LiveRanks];
    int rankOf[CardCount + 1];  // rankOf[card + 1], for the cards in play
    CardSet onField;            // the cards on the field
    CardSet all;                // every card in play
};
void GatherLive(LiveCards& live);

// Sets p's reach flags from p's piles; whether any is set.
bool SetReachFlags(int p);
// Whether 柳に道風 is among p's lights.
bool HasWillow(int p);
// Rebuilds p's reach lists for the given flags and lights.
void CollectFrom(int p, const int* flags, bool hasWillow, const LiveCards& live);
// For each yaku, the cards that stand in its reach list when its flag is set
// and they are in play, for a player with or without 柳に道風.
void ReachCardsWanted(bool hasWillow, CardSet (&wanted)[YakuCount]);
