// "成績表": the player's record in both games, painted in character cells.
#pragma once
#include "platform/dialog.h"

class RecordsDialogProc : public platform::DialogProc {
  public:
    void OnInit(platform::Dialog& d) override;
    void OnCommand(platform::Dialog& d, int id) override;
    void OnPaint(platform::Dialog& d, platform::Surface& face) override;
};

int ShowRecords();

// The sign of a Hana-awase figure: ＋ above 0, ± for 0, － below.
const char* PointSign(int value);
