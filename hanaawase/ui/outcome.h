// How a finished Hana-awase game ended for the user, from the three totals.
// The still banner on the table and the end-of-game animation choose by it.
#pragma once

enum class HanaOutcome { Win, Loss, Draw };

// Win: the user's total is above 0 and no computer's is higher. Loss: a
// computer's total is higher. Draw: all three are 0. The user can also finish
// level or ahead at 0 or below while the totals are not all 0 (cards left on
// the field are lost to everyone); the banner then agrees with the records:
// a win when the user is ahead of both computers, else a draw.
HanaOutcome HanaGameOutcome(const int totals[3]);

// The banner image of an outcome: 400, 500 or 600.
int HanaBannerBase(HanaOutcome outcome);
