// Hana-awase yaku: which a player is one capture away from (reach), which
// cards would complete them (wanted), made-yaku detection on every captured
// card, and the give-way rules.
#pragma once

// Recomputes the player's reach flags and, when any is set, the wanted lists.
void HanaEvaluateReach(int player);
// Rebuilds the player's wanted lists from the cards still in play.
void HanaBuildWanted(int player);
// After `card` was filed for the player: marks the yaku it completes, then
// re-evaluates the reach of all three players.
void HanaDetectMadeYaku(int player, int card);
// Larger yaku replace the smaller ones they contain.
void HanaApplyGiveWay(int player);
// True when `card` is among the player's first wantedCount wanted cards of t.
bool HanaIsWanted(int player, int yaku, int card);
// Ribbons the player holds, 柳's not counted.
int HanaCountRibbonsForTan(int player);
