#include "app/games.h"

#include "core/program.h"
#include "display/display.h"
#include "platform/window.h"

namespace {

const GameFrontEnd& Koi() {
    return koiKoiFrontEnd;
}

const GameFrontEnd& Hana() {
    return hanaAwaseFrontEnd;
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
