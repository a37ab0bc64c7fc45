// The stock's top card turns over in seven frames of 50 ms: the back
// narrows to an edge, the face widens from it.
#include "core/program.h"
#include "display/display.h"
#include "hanaawase/flow.h"
#include "hanaawase/state.h"
#include "hanaawase/ui/layout_tables.h"
#include "hanaawase/ui/table.h"
#include "platform/clock.h"
#include "table/frame_pacing.h"
#include "table/turn_over_frames.h"

int HanaFlipStockCard() {
    const int r = resolution, x = HanaStockX[r], y = HanaStockY[r];
    const int w = CardWidth[r], h = CardHeight[r];
    const int face = hana.stock[HanaStockSize - hana.stockCount];
    uint32_t T = platform::GetTickCount();
    int frame = 0;
    while (frame < table::TurnOverFrames) {
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
        const table::TurnOverFrame f = table::TurnOverFrameOf(frame, w);
        const platform::Surface& image = *faceImages[f.face ? face : 48];
        if (frame == table::TurnOverFrames - 1)
            platform::BitBlt(backBuffer, x, y, w, h, image, 0, 0);
        else
            platform::StretchBlt(backBuffer, x + f.x, y, f.width, h, image, 0, 0, image.Width(),
                                 image.Height());
        HanaPresentRect(x, y, x + w, y + h);
        // Late frames are skipped so that the turn keeps its time.
        frame += table::WaitForNextFrame(T, table::TurnOverFrameMs);
    }
    HanaWait(100);
    return 1;
}
