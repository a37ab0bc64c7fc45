// The human's side played by a fixed policy, for kirabo-sim, tests and soak
// runs, in either game: `first` plays hand slot 0 and takes the first of two
// matches; `last` plays the last card in hand and takes the second.
#pragma once

enum class SelfPlayPolicy { First, Last };

// What the human's step about to run waits for, as the game sees it.
enum class HumanWait { Nothing, HandCard, OneOfTwoMatches, Result };

// Sets the input (cursorSlot, choiceConfirmed) that answers `wait`; the
// human holds `handCount` cards.
void AnswerWait(SelfPlayPolicy policy, HumanWait wait, int handCount);
