// The stock's top card turns face up: it narrows to an edge showing its
// back and widens again showing its face, seven frames of 50 ms.
#include "app/display.h"
#include "app/program.h"
#include "koikoi/state.h"
#include "koikoi/ui/table.h"
#include "platform/clock.h"

namespace koiui {

namespace {

constexpr uint32_t FrameMs = 50, PauseAfterMs = 100;

struct TurnFrame {
    bool face;
    int kind;  // width: 0 three quarters, 1 a half, 2 an edge of 4 pixels, 3 whole
};

// clang-format off
//                                 image  width
constexpr TurnFrame TurnFrames[] = {{false, 0},   // w / 4 x 3
                                    {false, 1},   // w / 2
                                    {false, 2},   // 4
                                    {true,  2},   // 4
                                    {true,  1},   // w / 2
                                    {true,  0},   // w / 4 x 3
                                    {true,  3}};  // w
// clang-format on

int FrameWidth(int kind, int w) {
    switch (kind) {
        case 0:
            return w / 4 * 3;
        case 1:
            return w / 2;
        case 2:
            return 4;
        default:
            return w;
    }
}

// Where the narrowed card starts, so that it stays centred on the stock.
int FrameOffset(int kind, int w) {
    switch (kind) {
        case 0:
            return w / 8;
        case 1:
            return w / 4;
        case 2:
            return (w - 4) / 2;
        default:
            return 0;
    }
}

void DrawTurnFrame(const TurnFrame& f, int card) {
    const int r = resolution;
    const int w = CardWidth[r], h = CardHeight[r];
    const int image = f.face ? card : 48;
    DrawCard(StockX[r], StockY[r], 48);
    if (f.kind == 3) {
        DrawCard(StockX[r], StockY[r], image);
        return;
    }
    platform::StretchBlt(backBuffer, StockX[r] + FrameOffset(f.kind, w), StockY[r],
                         FrameWidth(f.kind, w), h, *faceImages[image], 0, 0, w, h,
                         platform::Rop::SrcCopy, platform::StretchMode::ColorOnColor);
}

void WaitUntil(uint32_t t0, uint32_t ms) {
    while (platform::GetTickCount() - t0 < ms) platform::CurrentClock().Pause();
}

}  // namespace

int FlipStockCard() {
    const int r = resolution;
    if (koi.stockLeft <= 0 || koi.stockLeft > StockSize) return 1;
    const int card = koi.stock[StockSize - koi.stockLeft];
    uint32_t t0 = platform::GetTickCount();
    int frame = 0;
    // The frame shown follows the time elapsed: a slow machine skips frames.
    while (frame < 7) {
        DrawTurnFrame(TurnFrames[frame], card);
        PresentRect(StockX[r], StockY[r], StockX[r] + CardWidth[r], StockY[r] + CardHeight[r]);
        WaitUntil(t0, FrameMs);
        while (platform::GetTickCount() - t0 >= FrameMs) {
            ++frame;
            t0 += FrameMs;
        }
    }
    platform::WaitMs(PauseAfterMs);
    return 1;
}

}  // namespace koiui
