#include "app/settings_dialog.h"

#include "assets/dialogs.h"
#include "core/program.h"

using namespace settings_ids;

int pendingHands = 0, pendingSake = 0, pendingOyaken = 0;

namespace {

const int HandsRadios[3] = {Hands6, Hands12, HandsUnlimited};
const int SakeRadios[3] = {SakeNone, Sake3, Sake5};
const int OyakenRadios[2] = {OyakenOff, OyakenOn};

void CheckKoiKoiRules(platform::Dialog& d) {
    d.CheckButton(SakeRadios[pendingSake], true);
    d.CheckButton(OyakenRadios[pendingOyaken], true);
}

void EnableKoiKoiRules(platform::Dialog& d, bool enabled, bool labelsToo) {
    for (int id : {SakeNone, Sake3, Sake5, OyakenOff, OyakenOn}) d.EnableItem(id, enabled);
    if (labelsToo) {
        d.EnableItem(SakeLabel, enabled);
        d.EnableItem(OyakenLabel, enabled);
    }
}

}  // namespace

void SettingsDialogProc::OnInit(platform::Dialog& d) {
    pendingHands = handsOption;
    pendingSake = sakeOption;
    pendingOyaken = oyakenOption;
    if (currentGame) {
        d.CheckButton(HanaAwase, true);
        // The labels stay black when the dialog opens in Hana-awase mode.
        EnableKoiKoiRules(d, false, false);
    } else {
        d.CheckButton(KoiKoi, true);
    }
    d.CheckButton(HandsRadios[handsOption], true);
    if (!currentGame) CheckKoiKoiRules(d);
    d.SetFocusItem(1);
    d.Invalidate();
}

void SettingsDialogProc::OnCommand(platform::Dialog& d, int id) {
    switch (id) {
        case Hands6:
            pendingHands = 0;
            break;
        case Hands12:
            pendingHands = 1;
            break;
        case HandsUnlimited:
            pendingHands = 2;
            break;
        case SakeNone:
            pendingSake = 0;
            break;
        case Sake3:
            pendingSake = 1;
            break;
        case Sake5:
            pendingSake = 2;
            break;
        case OyakenOff:
            pendingOyaken = 0;
            break;
        case OyakenOn:
            pendingOyaken = 1;
            break;
        case HanaAwase:
            // The Koi-Koi rules are kept for a later Koi-Koi game, only hidden.
            if (d.IsItemEnabled(SakeNone)) {
                for (int r : {SakeNone, Sake3, Sake5, OyakenOff, OyakenOn}) d.CheckButton(r, false);
                EnableKoiKoiRules(d, false, true);
            }
            break;
        case KoiKoi:
            if (!d.IsItemEnabled(SakeNone)) {
                EnableKoiKoiRules(d, true, true);
                CheckKoiKoiRules(d);
            }
            break;
        case 1:
            currentGame = d.IsButtonChecked(KoiKoi) ? 0 : 1;
            handsOption = pendingHands;
            sakeOption = pendingSake;
            oyakenOption = pendingOyaken;
            d.End(1);
            break;
        case 2:
            d.End(0);
            break;
    }
}

int ShowSettingsDialog() {
    SettingsDialogProc proc;
    return platform::DialogBox(assets::DialogTemplateFor(dlg::GameSettings), proc);
}
