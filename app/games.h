// The shell's entry points into the two games. Each forwards to the game
// chosen by `currentGame`, through that game's front end.
#pragma once
#include "platform/surface.h"

// What a game's table gives the shell. Every entry is set.
struct GameFrontEnd {
    void (*step)();                            // one step of the state machine
    void (*release)();                         // free the running game
    void (*present)(const platform::Rect& r);  // paint a rectangle of the table
    void (*redraw)();                          // the table again, without the glows
    void (*rebuild)();                         // the table on a new background or size
    void (*relayout)();                        // the layout tables for a new resolution
    void (*showScoreTable)();                  // menu 40005 during a game
    void (*showYakuList)();                    // the game's yaku list from the Help menu
};

// Provided by koikoi/ui and hanaawase/ui when they are built in.
extern const GameFrontEnd koiKoiFrontEnd;
extern const GameFrontEnd hanaAwaseFrontEnd;

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
