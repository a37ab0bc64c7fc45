// The course of a Koi-Koi game as one state machine over gameState and
// subState. The main loop calls KoiKoiStep whenever no input is pending; the
// new-game command starts a game by setting gameState = 0 and subState = 0.
#pragma once

int KoiKoiStep();

// The human's turn (gameState 3), one call's worth.
void HumanTurnStep();
// Records the stop of player p: the hand's scores and totals (and the
// human's records), and the end of the hand.
void ScoreStop(int p);
