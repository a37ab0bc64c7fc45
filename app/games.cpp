#include "app/games.h"

#include "app/display.h"
#include "app/program.h"
#include "platform/window.h"

// Until a game's engine is built in, starting it ends it at once, so the
// shell never spins on an empty step.
void StepCurrentGame() {
    gameState = -1;
}
void ReleaseCurrentGame() {}
void PresentGameRect(const platform::Rect& r) {
    platform::PresentRect(backBuffer, r);
}
void RedrawGameTable() {}
void RebuildGameTable() {}
void RelayoutGame() {}
void ShowGameScoreTable() {}
void ShowKoiKoiYakuList() {}
void ShowHanaYakuList() {}
void ShowHelpTopics() {}
void CloseHelp() {}
void OpenHomePage() {}
