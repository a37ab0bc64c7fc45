// The Hana-awase dialogs and the end-of-game screen, each modal until the
// player closes it.
#pragma once

// 点数計算: how each player's score of the hand just settled was reached.
int HanaShowScoreSheet();
// 点数表: every hand's scores and the game totals.
int HanaShowResults();
// 役成立: the player's made yaku with their cards (the give-way rules
// already applied; the player has at least one).
int HanaShowYakuMadeDialog(int player);
// 役および役代: the reference of the sixteen yaku, and its cards dialog.
int HanaShowYakuList();
int HanaShowYakuCards(int index);
// The shaded table with the animated banner of the game's result.
int HanaShowGameEnd();
