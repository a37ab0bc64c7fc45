// The marks that help a player read the Hana-awase table: every player's
// captured cards counted by kind beside the name, the frame of whose turn
// it is, and the outline, in the computer's own colour, of what ＣＯＭ１ or
// ＣＯＭ２ has just played and taken.
#pragma once
#include "platform/surface.h"

struct HanaTableMarks {
    bool userChoosing = false;  // the user's turn waits for a choice
};
extern HanaTableMarks hanaTableMarks;

void HanaClearTableMarks();
// Paints the marks into tableBase; the panel calls it, so every repaint and
// rebuild shows them.
void HanaDrawTableMarks();
// The marks again after one changed, on the table and on the screen.
int HanaUpdateTableMarks();

platform::Rect HanaNameLabelRect(int player);
platform::Rect HanaKindCountsRect(int player);

// Outlines player's play of this turn (the cards on the given field places
// and the cards they took), frames its name, holds the table a moment and
// wipes the marks again.
int HanaShowComputerPlay(int player, const int fieldPlaces[], int count);
