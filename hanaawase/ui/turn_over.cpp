// The stock's top card turns over in seven frames of 50 ms: the back
// narrows to an edge, the face widens from it.
#include "app/display.h"
#include "app/program.h"
#include "hanaawase/flow.h"
#include "hanaawase/state.h"
#include "hanaawase/ui/layout_tables.h"
#include "hanaawase/ui/table.h"
#include "platform/clock.h"

namespace {

constexpr int TurnOverFrames = 7;
constexpr uint32_t FrameMs = 50;

struct TurnOverFrame {
    bool face;
    int width, x;  // on a card w wide at 0
};

TurnOverFrame FrameOf(int frame, int w) {
    switch (frame) {
        case 0:
            return {false, (w / 4) * 3, w / 8};
        case 1:
            return {false, w / 2, w / 4};
        case 2:
            return {false, 4, (w - 4) / 2};
        case 3:
            return {true, 4, (w - 4) / 2};
        case 4:
            return {true, w / 2, w / 4};
        case 5:
            return {true, (w / 4) * 3, w / 8};
        default:
            return {true, w, 0};
    }
}

}  // namespace

int HanaFlipStockCard() {
    const int r = resolution, x = HanaStockX[r], y = HanaStockY[r];
    const int w = CardWidth[r], h = CardHeight[r];
    const int face = hana.stock[HanaStockSize - hana.stockCount];
    uint32_t T = platform::GetTickCount();
    int frame = 0;
    while (frame < TurnOverFrames) {
        // Under the turning card: the next stock card, or the table under the last.
        if (hana.stockCount <= 1)
            HanaRestoreFromTableBase(x, y, w, h);
        else
            HanaDrawCard(x, y, 48);
        // The capturing cards on places 0 and 3 reach over the stock.
        for (int place : {0, 3}) {
            int card = hana.capturePairs[place][0];
            if (card != -1)
                HanaDrawCard(HanaFieldX[r][place] + PairOffset[r],
                             HanaFieldY[r][place] + PairOffset[r], card);
        }
        const TurnOverFrame f = FrameOf(frame, w);
        const platform::Surface& image = *faceImages[f.face ? face : 48];
        if (frame == TurnOverFrames - 1)
            platform::BitBlt(backBuffer, x, y, w, h, image, 0, 0);
        else
            platform::StretchBlt(backBuffer, x + f.x, y, f.width, h, image, 0, 0, image.Width(),
                                 image.Height());
        HanaPresentRect(x, y, x + w, y + h);
        uint32_t now = platform::GetTickCount();
        while (now - T < FrameMs) {
            platform::CurrentClock().Pause();
            now = platform::GetTickCount();
        }
        // Late frames are skipped so that the turn keeps its time.
        while (now - T >= FrameMs) {
            ++frame;
            T += FrameMs;
        }
    }
    HanaWait(100);
    return 1;
}
