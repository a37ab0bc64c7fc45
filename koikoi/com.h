// The computer opponent (player 1): which card to play, which of two field
// cards to take, and whether to stop. Deterministic rules over the reach
// state and the completion estimates, with one coin toss.
#pragma once
#include "cards/cards.h"
#include "koikoi/card_sets.h"

constexpr int ComPlayer = 1;

int ChooseComCard();
int ChooseComDiscard();
int DiscardSafety(int card);
int SubtractThreat(int& score, int y, int card);
int ChooseComFieldCard(int p, int slotA, int slotB);

int EstimateYakuChances(int p);
// EstimateYakuChances(first), then (first ^ 1), on one look at the table.
int EstimateYakuChancesOfBoth(int first);
// The same, told which cards lie on the field and which are captured.
int EstimateYakuChancesOfBoth(int first, CardSet fieldCards, CardSet capturedCards);
int ComDecidesToStop(int p);

// How much the computer wants each card: a permutation of 0..47, higher
// meaning more wanted.
extern const int CapturePriority[CardCount];
// By yaku index.
extern const int ChanceDivisor[12];
// The cards of 花見酒/月見酒, 猪鹿蝶, 赤タン, 青タン and the lights.
constexpr int YakuCardListSize = 17;
extern const int YakuCardList[YakuCardListSize];
