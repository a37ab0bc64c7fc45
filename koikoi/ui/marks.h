// The marks that help a player read the Koi-Koi table: each player's
// captured cards counted by kind beside the name, the こいこい badge of a
// player who has played on, the frame of whose turn it is, and the outline
// of what the computer has just played and taken.
#pragma once
#include "platform/surface.h"

namespace koiui {

struct TableMarks {
    int koiKoiCalls[2] = {0, 0};  // こいこい called this hand, by player
    bool humanChoosing = false;   // the human's turn waits for a choice
};
extern TableMarks tableMarks;

// A new hand starts without marks.
void ClearTableMarks();
// Paints the marks into tableBase; the panel calls it, so every repaint and
// every rebuild shows them.
void DrawTableMarks();
// The marks again after one changed, on the table and on the screen.
int UpdateTableMarks();

// Where the marks lie at the current resolution.
platform::Rect NameLabelRect(int player);
platform::Rect KindCountsRect(int player);
platform::Rect KoiKoiBadgeRect(int player);

// Outlines the computer's play of this turn on the field (the cards laid on
// the given field slots and the cards they took), frames its name, holds
// the table still a moment and wipes the marks again.
int ShowComputerPlay(int player, const int fieldSlots[], int count);

}  // namespace koiui
