// The shell's entry points into the two games. Each forwards to the game
// chosen by `currentGame`, through that game's front end.
#pragma once
#include "platform/surface.h"
#include "table/front_end.h"

void StepCurrentGame();
void ReleaseCurrentGame();
// Frees the given game (0 Koi-Koi, 1 Hana-awase), whichever is current.
void ReleaseGame(int game);
void PresentGameRect(const platform::Rect& r);
void RedrawGameTable();
void RebuildGameTable();
void RelayoutGame();
void ShowGameScoreTable();
void ShowKoiKoiYakuList();
void ShowHanaYakuList();
void ShowHelpTopics();
void CloseHelp();
void OpenHomePage();
