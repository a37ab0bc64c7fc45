// The strength of ＣＯＭ１ and ＣＯＭ２, comLevel: やさしい (0), ふつう (1,
// the rules of com_choice.h) and つよい (2). The flow asks through these for
// every choice of a computer; kirabo-sim also asks for seat 0.
#pragma once
#include "cards/com_random.h"
#include "hanaawase/observation.h"

// The hand slot `player` plays at `level`. ふつう exists for players 1 and 2.
int HanaChooseHandCardAtLevel(int level, int player);
// Which of field slots a and b `card` takes; `drawn` for the card just drawn.
int HanaChooseFieldCardAtLevel(int level, int player, int card, bool drawn, int a, int b);

// The generator of each seat's thinking, never the program's.
ComRandom& HanaComRandomOf(int player);

int HanaGentleChooseCard(const HanaObservation& o);
int HanaGentleChooseFieldCard(const HanaObservation& o, int a, int b);

// つよい: sampled deals of the unseen cards, each choice played out by a fast
// policy, the best mean hand score taken. HanaStrongChooseCard also tells
// the field card it means to take (or -1).
int HanaStrongChooseCard(const HanaObservation& o, ComRandom& rng, int& plannedTarget);
int HanaStrongChooseFieldCard(const HanaObservation& o, int card, bool drawn, int a, int b,
                              ComRandom& rng);

// The yaku points a set of captured cards makes, after the give-way rules.
int HanaYakuPointsOfCards(HanaCardSet captured);
