// The stock's top card turns face up: it narrows to an edge showing its
// back and widens again showing its face, seven frames of 50 ms.
#include "core/program.h"
#include "display/display.h"
#include "koikoi/state.h"
#include "koikoi/ui/table.h"
#include "platform/clock.h"
#include "table/frame_pacing.h"
#include "table/turn_over_frames.h"

namespace koiui {

namespace {

constexpr uint32_t PauseAfterMs = 100;

void DrawTurnFrame(int frame, int card) {
    const int r = resolution;
    const int w = CardWidth[r], h = CardHeight[r];
    const table::TurnOverFrame f = table::TurnOverFrameOf(frame, w);
    const int image = f.face ? card : 48;
    DrawCard(StockX[r], StockY[r], 48);
    if (frame == table::TurnOverFrames - 1) {
        DrawCard(StockX[r], StockY[r], image);
        return;
    }
    platform::StretchBlt(backBuffer, StockX[r] + f.x, StockY[r], f.width, h, *faceImages[image], 0,
                         0, w, h, platform::Rop::SrcCopy, platform::StretchMode::ColorOnColor);
}

}  // namespace

int FlipStockCard() {
    const int r = resolution;
    if (koi.stockLeft <= 0 || koi.stockLeft > StockSize) return 1;
    const int card = koi.stock[StockSize - koi.stockLeft];
    uint32_t t0 = platform::GetTickCount();
    int frame = 0;
    // The frame shown follows the time elapsed: a slow machine skips frames.
    while (frame < table::TurnOverFrames) {
        DrawTurnFrame(frame, card);
        PresentRect(StockX[r], StockY[r], StockX[r] + CardWidth[r], StockY[r] + CardHeight[r]);
        frame += table::WaitForNextFrame(t0, table::TurnOverFrameMs);
    }
    platform::WaitMs(PauseAfterMs);
    return 1;
}

}  // namespace koiui
