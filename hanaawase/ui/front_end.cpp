// What the shell calls while a Hana-awase game runs in the window.
#include "table/front_end.h"

#include "core/program.h"
#include "hanaawase/dialogs/dialogs.h"
#include "hanaawase/flow.h"
#include "hanaawase/state.h"
#include "hanaawase/ui/table.h"
#include "hanaawase/ui/window_view.h"

namespace {

void Step() {
    SetHanaView(&HanaTheWindowView());
    HanaAwaseStep();
}
void Release() {
    HanaReleaseGame();
}
void Present(const platform::Rect& r) {
    HanaPresentRect(r.left, r.top, r.right - 1, r.bottom - 1);
}
void Redraw() {
    HanaRedrawTable();
}
void Rebuild() {
    HanaRebuildTable();
}
void Relayout() {
    HanaBuildLayout();
}
void ShowScoreTable() {
    HanaShowResults();
}
void ShowYakuList() {
    HanaShowYakuList();
}

}  // namespace

const GameFrontEnd hanaAwaseFrontEnd = {Step,    Release,  Present,        Redraw,
                                        Rebuild, Relayout, ShowScoreTable, ShowYakuList};
