// How close each player is to each yaku, as the computer players see it:
// targetScore 0..100 and the yaku's cards the player lacks in hand (missing).
#pragma once

// Scores all sixteen yaku for the player, from 五光 down to 藤シマ.
void HanaScoreTargets(int player);
// Lowers the player's score of the yaku for one of its cards.
void HanaScoreTargetCard(int player, int yaku, int card);
