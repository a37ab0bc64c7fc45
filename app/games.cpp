#include "app/games.h"

#include "app/display.h"
#include "app/program.h"
#include "platform/window.h"

namespace {

// A game whose table is not built in: starting it ends it at once, so the
// shell never spins on an empty step.
void EndAtOnce() {
    gameState = -1;
}
void Nothing() {}
void PresentBackBuffer(const platform::Rect& r) {
    platform::PresentRect(backBuffer, r);
}
[[maybe_unused]] const GameFrontEnd missingGame = {EndAtOnce, Nothing, PresentBackBuffer, Nothing,
                                                   Nothing,   Nothing, Nothing,           Nothing};

const GameFrontEnd& Koi() {
#ifdef KIRABO_HAS_KOIKOI_UI
    return koiKoiFrontEnd;
#else
    return missingGame;
#endif
}

const GameFrontEnd& Hana() {
#ifdef KIRABO_HAS_HANAAWASE_UI
    return hanaAwaseFrontEnd;
#else
    return missingGame;
#endif
}

const GameFrontEnd& Current() {
    return currentGame ? Hana() : Koi();
}

}  // namespace

void StepCurrentGame() {
    Current().step();
}
void ReleaseCurrentGame() {
    Current().release();
}
void ReleaseGame(int game) {
    (game ? Hana() : Koi()).release();
}
void PresentGameRect(const platform::Rect& r) {
    Current().present(r);
}
void RedrawGameTable() {
    Current().redraw();
}
void RebuildGameTable() {
    Current().rebuild();
}
void RelayoutGame() {
    Current().relayout();
}
void ShowGameScoreTable() {
    Current().showScoreTable();
}
void ShowKoiKoiYakuList() {
    Koi().showYakuList();
}
void ShowHanaYakuList() {
    Hana().showYakuList();
}
