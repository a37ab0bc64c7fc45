// The shell's entry points into the two games. Each forwards to the game
// chosen by `currentGame`.
#pragma once
#include "platform/surface.h"

// One step of the running game's state machine.
void StepCurrentGame();
// Frees the running game (a new game replaces it, or the program ends).
void ReleaseCurrentGame();
// Paints a rectangle of the running game's table.
void PresentGameRect(const platform::Rect& r);
// The table again without the glows (取れる札を表示 switched off).
void RedrawGameTable();
// The table on the new background or at the new resolution.
void RebuildGameTable();
// The layout tables for a new resolution.
void RelayoutGame();
void ShowGameScoreTable();
void ShowKoiKoiYakuList();
void ShowHanaYakuList();
void ShowHelpTopics();
void CloseHelp();
void OpenHomePage();
