// The main window's input and commands. It never advances a game: it
// records input in the shared values and carries out menu commands.
#pragma once
#include "platform/window.h"

class MainWindowHandler : public platform::WindowHandler {
  public:
    void OnPaint(const platform::Rect& r) override;
    void OnMouseMove(int x, int y) override;
    void OnLeftButtonDown(int x, int y) override;
    void OnRightButtonDown() override;
    void OnKeyDown(platform::Key key) override;
    void OnCommand(int id) override;
    void OnCloseRequest() override;
    void OnPixelRatioChange() override;
};

// Sets every check mark from the options.
void SyncMenuChecks();
// The new-game command: settings dialog, then a new game on OK.
int NewGame();
// The quit question; on はい the window goes and the loop ends.
void AskToQuit();

// Where a click opens the home page instead of counting, by game and resolution.
bool InHomePageLabel(int game, int res, int x, int y);
