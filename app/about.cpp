#include "app/about.h"

#include "assets/dialogs.h"

namespace {
// Any command (OK, Esc, the close box) ends the box.
class AboutDialogProc : public platform::DialogProc {
    void OnInit(platform::Dialog& d) override {
        d.SetFocusItem(1);
        d.Invalidate();
    }
};
}  // namespace

int ShowAbout() {
    AboutDialogProc proc;
    platform::DialogBox(assets::DialogTemplateFor(dlg::About), proc);
    return 1;
}
