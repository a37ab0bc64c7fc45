// Koi-Koi's human side played by a fixed policy (core/self_play.h);
// `last` also plays on whenever it may.
#pragma once
#include "core/self_play.h"

// Sets the input that the step about to run waits for: a hand card, one of
// two matches, or the click on the result.
void ChooseForHuman(SelfPlayPolicy policy);
// The human's answer in the yaku-made dialog: 1 勝負, 0 こいこい.
int AnswerForHuman(SelfPlayPolicy policy);
