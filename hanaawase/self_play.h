// Hana-awase's user side played by a fixed policy (core/self_play.h).
#pragma once
#include "core/self_play.h"

// Sets the input that the step about to run waits for: a hand card, one of
// two matches, or the click on the result.
void HanaChooseForUser(SelfPlayPolicy policy);
