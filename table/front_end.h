// What each game's table gives the window program: the shell calls a game
// only through these entries.
#pragma once
#include "platform/surface.h"

// Every entry is set.
struct GameFrontEnd {
    void (*step)();                            // one step of the state machine
    void (*release)();                         // free the running game
    void (*present)(const platform::Rect& r);  // paint a rectangle of the table
    void (*redraw)();                          // the table again, without the glows
    void (*rebuild)();                         // the table on a new background or size
    void (*relayout)();                        // the layout tables for a new resolution
    void (*showScoreTable)();                  // cmd::ScoreTable during a game
    void (*showYakuList)();                    // the game's yaku list from the Help menu
};

// Provided by koikoi/ui and hanaawase/ui.
extern const GameFrontEnd koiKoiFrontEnd;
extern const GameFrontEnd hanaAwaseFrontEnd;
