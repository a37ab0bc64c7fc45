// What one seat of the Hana-awase table can see: its own hand, the field,
// every captured pile, how many cards each hand and the stock hold, and the
// scores. The computer players beside the default ones decide from this
// alone, never from another hand or the order of the stock.
#pragma once
#include <cstdint>

#include "hanaawase/state.h"

using HanaCardSet = uint64_t;

inline HanaCardSet HanaCardBit(int card) {
    return card >= 0 ? HanaCardSet{1} << card : 0;
}

struct HanaObservation {
    int seat;                           // 0, 1 or 2
    int hand[HanaHandSlots];            // the seat's hand by slot, -1 for empty
    int field[HanaFieldSlots];          // the field by slot, -1 for empty
    HanaCardSet captured[HanaPlayers];  // every card each player has taken
    int handCount[HanaPlayers];         // cards in each hand (the seat's as observed)
    unsigned lacking[HanaPlayers];      // months each player showed it lacked
    // Cards each player's plays showed it does not hold, given only for the
    // players that play by the specified rules.
    HanaCardSet ruledOut[HanaPlayers];
    int stockCount;
    int dealer;
    int handsCompleted;
    int totalScore[HanaPlayers];
};

// The view from `seat`; `cardInPlay`, when not -1, has left the seat's hand
// and is about to land.
HanaObservation ObserveHanaAwase(int seat, int cardInPlay = -1);

// The cards the seat cannot see, in ascending order; returns how many.
int HanaUnseenCards(const HanaObservation& o, int cardInPlay, int unseen[48]);
