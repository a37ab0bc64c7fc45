// What one seat of a Koi-Koi table can see, and nothing more: its own hand,
// the field, both captured piles, how many cards the other hand and the
// stock hold, and the scores. The computer players beside the default one
// decide from this alone, so they cannot peek at the other hand or at the
// order of the stock.
#pragma once
#include "cards/cards.h"
#include "koikoi/card_sets.h"
#include "koikoi/state.h"

struct KoiObservation {
    int seat;               // 0 or 1
    int hand[HandSlots];    // the seat's hand by slot, -1 for empty
    int field[FieldSlots];  // the field by slot, -1 for empty
    CardSet captured[2];    // every card each player has taken
    int otherHandCount;     // cards in the other hand
    unsigned otherLacking;  // months the other player showed it lacked
    int stockLeft;          // cards left in the stock
    int dealer;
    int handIndex;
    int handLimit;  // hands in the game, 0 without limit
    int gameTotal[2];
    int sakeOption;
    int oyakenOption;
};

// The view from `seat`. `cardInPlay`, when not -1, is a card of the seat
// that has left the hand and is about to land (not yet on the field).
KoiObservation ObserveKoiKoi(int seat, int cardInPlay = -1);

// The cards the seat cannot see: neither in its hand, on the field, in a
// pile nor `cardInPlay`; in ascending order. Returns how many.
int UnseenCards(const KoiObservation& o, int cardInPlay, int unseen[CardCount]);
