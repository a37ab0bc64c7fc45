// How cards move in Hana-awase: matching, playing, drawing and filing the
// captured cards.
#pragma once

// Fills the player's matchCount and matchSlots for all eight hand slots.
void HanaFindMatches(int player);
// Plays the card in the player's hand slot: lays it down, or takes the field
// card(s) of its month. With two matches the user's chosenFieldSlot or the
// computer's choice decides.
int HanaPlayCard(int player, int slot);
// Draws the stock's next card into hand slot 7 and plays it.
int HanaDrawAndPlay(int player);
// The lowest free field slot: no card and no capture of this turn shown there.
int HanaFindFreeFieldSlot();
// Closes the gap of a played card (handCount already lowered).
void HanaRemoveHandSlot(int player, int slot);
// Files one captured card and runs the yaku detection.
void HanaAddCapture(int player, int card);
// Sorts the turn's captured cards into the player's captured lists.
void HanaMergeTurnCaptures(int player);
