#include "core/program.h"
#include "koikoi/com.h"
#include "koikoi/com_levels.h"
#include "koikoi/rules.h"
#include "koikoi/state.h"
#include "koikoi/view.h"

// 猪鹿蝶 赤タン 青タン 三光 雨四光 四光 五光
const int FixedYakuValue[7] = {5, 6, 6, 6, 8, 10, 15};
// 月見 /花見 "なし", "三文", "五文"
const int SakeYakuValue[3] = {0, 3, 5};

int YakuValueOf(int p, int y) {
    switch (y) {
        case YakuKasu:
            return koi.pileCount[p][PileKasu] - 9;
        case YakuTan:
            return koi.pileCount[p][PileTan] - 4;
        case YakuTane:
            return koi.pileCount[p][PileTane] - 4;
        case YakuHanamizake:
        case YakuTsukimizake:
            return SakeYakuValue[sakeOption];
        default:
            return FixedYakuValue[y - YakuInoshikacho];
    }
}

int FormHandScore(int p) {
    int* made = koi.yakuMade[p];
    // Only the highest light yaku counts, and stays the only one.
    if (made[YakuShiko] || made[YakuAmeshiko]) made[YakuSanko] = 0;
    if (made[YakuGoko]) made[YakuAmeshiko] = made[YakuShiko] = 0;
    koi.handScore = 0;
    for (int y = 0; y < YakuCount; ++y)
        if (made[y]) koi.handScore += YakuValueOf(p, y);
    return 1;
}

int AskStopOrContinue(int p) {
    FormHandScore(p);
    int comAnswer = -1;
    if (p == ComPlayer) comAnswer = DecidesToStopAtLevel(comLevel, p);
    return KoiView().YakuMadeDialog(p, comAnswer);
}
