// The seven sound effects, by the moment that plays them.
#pragma once

namespace sfx {
constexpr int Confirm = 191;     // a card or a choice is confirmed
constexpr int CursorMove = 192;  // the arrow keys move the selection
constexpr int Cancel = 193;      // the choice between two field cards is cancelled
constexpr int GameWon = 194;     // the result of a game the player has won
constexpr int GameOver = 195;    // the result of any other game
constexpr int CardOnCard = 196;  // a flying card lands on a field card
constexpr int DealStep = 197;    // one step of the deal

constexpr int First = Confirm;
constexpr int Last = DealStep;
}  // namespace sfx
