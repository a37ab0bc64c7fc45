// What the shell calls while a Koi-Koi game runs in the window.
#include "table/front_end.h"

#include "display/display.h"
#include "koikoi/flow.h"
#include "koikoi/state.h"
#include "koikoi/ui/dialogs.h"
#include "koikoi/ui/table.h"
#include "koikoi/ui/window_view.h"
#include "platform/window.h"

namespace {

void Step() {
    SetKoiKoiView(&TheKoiKoiWindowView());
    KoiKoiStep();
}
void Release() {
    ReleaseKoiKoiGame();
}
// The window asks for a rectangle of the table when it must be painted.
void Present(const platform::Rect& r) {
    platform::PresentRect(backBuffer, r);
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
