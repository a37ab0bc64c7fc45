// "対局設定": the game and its rules, chosen before every game.
#pragma once
#include "platform/dialog.h"

// Control ids.
namespace settings_ids {
constexpr int KoiKoi = 1002, HanaAwase = 1003;
constexpr int Hands6 = 1004, Hands12 = 1005, HandsUnlimited = 1006;
constexpr int SakeNone = 1007, Sake3 = 1008, Sake5 = 1011;
constexpr int OyakenOff = 1012, OyakenOn = 1013;
constexpr int SakeLabel = 1015, OyakenLabel = 1016;
}  // namespace settings_ids

// The choices made in the open dialog, kept until OK copies them into the
// settings; Cancel drops them.
extern int pendingHands, pendingSake, pendingOyaken;

class SettingsDialogProc : public platform::DialogProc {
  public:
    void OnInit(platform::Dialog& d) override;
    void OnCommand(platform::Dialog& d, int id) override;
};

// Shows the dialog; 1 after OK (a new game starts), 0 after Cancel.
int ShowSettingsDialog();
