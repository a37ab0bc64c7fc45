// The computer's strength, comLevel: やさしい (0), ふつう (1, the specified
// opponent of com.h) and つよい (2). The flow asks through these for every
// decision of the computer; kirabo-sim also asks for seat 0 in the human's
// place. The gentle and strong players see only a KoiObservation.
#pragma once
#include "cards/com_random.h"
#include "koikoi/observation.h"

// The hand slot `seat` plays at `level`. ふつう exists for seat 1 only.
int ChooseCardAtLevel(int level, int seat);
// Which of field slots a and b `card` takes; `drawn` when it is the card
// just drawn from the stock, else a hand card (the turn's draw follows).
int ChooseFieldCardAtLevel(int level, int seat, int card, bool drawn, int a, int b);
// 1 勝負, 0 こいこい, with handScore formed for `seat`.
int DecidesToStopAtLevel(int level, int seat);

// The generator of each seat's thinking, never the program's.
ComRandom& ComRandomOf(int seat);

// やさしい: the most valuable capture, no planning, the first of two field
// cards, the first card that is not a 光 thrown away; stops at every yaku.
int GentleChooseCard(const KoiObservation& o);
int GentleChooseFieldCard(const KoiObservation& o, int a, int b);

// つよい: samples the unseen cards into the other hand and the stock, plays
// every choice out on each sample with a fast policy and takes the choice
// worth most 文 on average.
// StrongChooseCard also tells the field card it means to take (or -1).
int StrongChooseCard(const KoiObservation& o, ComRandom& rng, int& plannedTarget);
int StrongChooseFieldCard(const KoiObservation& o, int card, bool drawn, int a, int b,
                          ComRandom& rng);
int StrongDecidesToStop(const KoiObservation& o, ComRandom& rng);

// The 文 of the yaku a set of captured cards makes, by the sake option.
int YakuScoreOfCards(CardSet captured, int sake);
