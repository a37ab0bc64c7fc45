// The human's side played by a fixed policy, for kirabo-sim, tests and soak
// runs: `first` plays hand slot 0, takes the first of two matches and stops
// at every yaku; `last` plays the last card in hand, takes the second match
// and plays on whenever it may.
#pragma once

enum class SelfPlayPolicy { First, Last };

// Sets the input (cursorSlot, choiceConfirmed) that the step about to run
// waits for: a hand card, one of two matches, or the click on the result.
void ChooseForHuman(SelfPlayPolicy policy);
// The human's answer in the yaku-made dialog: 1 勝負, 0 こいこい.
int AnswerForHuman(SelfPlayPolicy policy);
