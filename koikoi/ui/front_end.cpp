// What the shell calls while a Koi-Koi game runs in the window.
#include "app/games.h"
#include "koikoi/flow.h"
#include "koikoi/state.h"
#include "koikoi/ui/dialogs.h"
#include "koikoi/ui/table.h"
#include "koikoi/ui/window_view.h"

namespace {

void Step() {
    SetKoiKoiView(&TheKoiKoiWindowView());
    KoiKoiStep();
}
void Release() {
    ReleaseKoiKoiGame();
}
void Present(const platform::Rect& r) {
    koiui::PresentRect(r.left, r.top, r.right, r.bottom);
}
void Redraw() {
    koiui::RedrawKoiKoiTable();
}
void Rebuild() {
    koiui::RebuildKoiKoiTable();
}
void Relayout() {
    koiui::BuildKoiKoiLayout();
}
void ShowScoreTable() {
    koiui::ShowScoreTable();
}
void ShowYakuList() {
    koiui::ShowYakuReference();
}

}  // namespace

const GameFrontEnd koiKoiFrontEnd = {Step,    Release,  Present,        Redraw,
                                     Rebuild, Relayout, ShowScoreTable, ShowYakuList};
