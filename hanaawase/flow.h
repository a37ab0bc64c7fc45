// The Hana-awase state machine. The main loop calls HanaAwaseStep whenever it
// is idle and a Hana-awase game runs; each call advances the game by one step
// (a look at the input, a deal, a whole computer turn, a hand's end).
#pragma once
#include <cstdint>

// gameState values of a Hana-awase game.
enum HanaGameState {
    HanaTableSetUp = 0,
    HanaGameStart = 1,
    HanaHandStart = 2,
    HanaUserTurn = 3,
    HanaCom1Turn = 4,
    HanaCom2Turn = 5,
    HanaHandEnd = 6,
    HanaGameEnd = 7,
    HanaFinalWait = 8,
};
// subState while a turn's captures fly to the pile.
constexpr int HanaCapturesFlying = 10;

// Returns 1 when the state was handled, 0 for a gameState outside 0..8.
int HanaAwaseStep();
// Busy wait on the program's clock.
int HanaWait(uint32_t ms);
// Applies the give-way rules to the player's yaku and, when any is left,
// shows them.
int HanaShowYakuMade(int player);

// The parts of the step, one per state.
void HanaUserTurnStep();
void HanaComputerTurn(int player);

// Whether the records count a finished game as the user's win: the user's
// total above both computers' totals.
bool HanaUserWinsGame(const int totals[3]);
