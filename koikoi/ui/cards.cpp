// The hands, the field, the stock, the pairs of a turn and the piles.
#include "core/program.h"
#include "display/display.h"
#include "koikoi/state.h"
#include "koikoi/ui/table.h"

namespace koiui {

int DrawHand(int player) {
    const int r = resolution;
    if (player == 0 && showCapturableOn) {
        // The band around the hand takes the old glow frames away.
        RepaintRect(HandX[r][0][0] - (GlowWidth[r] - CardWidth[r]) / 2,
                    HandY[r][0] - (GlowHeight[r] - CardHeight[r]) / 2,
                    GlowWidth[r] + 7 * CardWidth[r] + 1, GlowHeight[r] + 1);
    }
    for (int s = 0; s < 8; ++s) {
        const int card = koi.hands[player][s];
        if (card == -1)
            RepaintRect(HandX[r][player][s], HandY[r][player], CardWidth[r], CardHeight[r]);
        else
            DrawCard(HandX[r][player][s], HandY[r][player], player == 0 ? card : 48);
    }
    return 1;
}

int PresentHand(int player) {
    const int r = resolution;
    if (player == 0) {
        const int m = (CursorGlowWidth[r] - CardWidth[r]) / 2;
        const int n = (CursorGlowHeight[r] - CardHeight[r]) / 2;
        return PresentRect(HandX[r][0][0] - m - 1, HandY[r][0] - n - 1,
                           HandX[r][0][7] + CardWidth[r] + m + 1,
                           HandY[r][0] + CardHeight[r] + n + 1);
    }
    return PresentRect(HandX[r][1][7], HandY[r][1], HandX[r][1][0] + CardWidth[r],
                       HandY[r][1] + CardHeight[r]);
}

int DrawField() {
    const int r = resolution;
    if (showCapturableOn) {
        const int gx = (GlowWidth[r] - CardWidth[r]) / 2, gy = (GlowHeight[r] - CardHeight[r]) / 2;
        RepaintRect(FieldX(r, 12) - gx, FieldY(r, 12) - gy,
                    FieldX(r, 15) - FieldX(r, 12) + GlowWidth[r] + 1,
                    FieldY(r, 15) - FieldY(r, 12) + GlowHeight[r] + 1);
        for (int f = 16; f < TableFieldSlots; ++f)
            if (koi.field[f] != -1)
                RepaintRect(FieldX(r, f) - gx, FieldY(r, f) - gy, GlowWidth[r], GlowHeight[r]);
    }
    for (int f = 0; f < TableFieldSlots; ++f)
        if (koi.field[f] != -1) DrawCard(FieldX(r, f), FieldY(r, f), koi.field[f]);
    return 1;
}

int PresentField() {
    const int r = resolution;
    const int m = (CursorGlowWidth[r] - CardWidth[r]) / 2;
    const int n = (CursorGlowHeight[r] - CardHeight[r]) / 2;
    PresentRect(FieldX(r, 12) - m, FieldY(r, 12) - n, FieldX(r, 15) + CardWidth[r] + m,
                FieldY(r, 15) + CardHeight[r] + n);
    for (int f = 16; f < TableFieldSlots; ++f)
        if (koi.field[f] != -1)
            PresentRect(FieldX(r, f) - m, FieldY(r, f) - n, FieldX(r, f) + CardWidth[r] + m,
                        FieldY(r, f) + CardHeight[r] + n);
    return 1;
}

int DrawStock() {
    const int r = resolution;
    // While the human places the drawn card, it lies face up on the stock.
    const bool drawnShown = gameState == 3 && subState == 4 && koi.hands[0][8] != -1;
    return DrawCard(StockX[r], StockY[r], drawnShown ? koi.hands[0][8] : 48);
}

int DrawPairsOnField() {
    const int r = resolution;
    for (int f = 0; f < TableFieldSlots; ++f)
        if (koi.capturePairs[f][0] != -1)
            DrawCard(FieldX(r, f) + PairOffset[r], FieldY(r, f) + PairOffset[r],
                     koi.capturePairs[f][0]);
    return 1;
}

void PilePosition(int player, int category, int index, int count, int& x, int& y) {
    const int r = resolution;
    const double h = PileCardHeight[r];
    // The last card or row lies exactly one pile-card height below the
    // first, so a column always spans two pile-card heights: more cards
    // overlap more. The steps are thirds and elevenths of a height; the
    // small allowance keeps the last one from truncating a pixel short.
    constexpr double Allowance = 1e-9;
    if (category < 3) {
        const double step = count > 1 ? h - (count - 2) * h / (count - 1) : 0;
        y = static_cast<int>(PileY[r][player] + index * step + Allowance);
        x = PileX[r][player][category];
    } else {
        // カス lies in a zig-zag of two columns, two cards a row.
        const int rows = (count + 1) / 2;
        const double step = count > 2 ? h - (rows - 2) * h / (rows - 1) : 0;
        y = static_cast<int>(PileY[r][player] + index / 2 * step + Allowance);
        x = PileX[r][player][3] + (index % 2 ? PileCardWidth[r] / 2 + 1 : 0);
    }
}

int LandedPileCount(int player, int category) {
    const int fresh = player == koi.playerToMove ? koi.turnCaptureCount[category] : 0;
    return koi.pileCount[player][category] - fresh;
}

int DrawPiles(int player) {
    const int r = resolution;
    const int x0 = PileX[r][player][3], y0 = PileY[r][player];
    const int w = PileCardWidth[r] / 2 + 4 * PileCardWidth[r] + 1;
    const int h = 2 * PileCardHeight[r] + 1;
    platform::BitBlt(pileLayer, x0, y0, w, h, tableBase, x0, y0);
    for (int c = 0; c < 4; ++c) {
        const int n = LandedPileCount(player, c);
        for (int i = 0; i < n; ++i) {
            int x, y;
            PilePosition(player, c, i, n, x, y);
            DrawPileCard(x, y, koi.piles[player][c][i]);
        }
    }
    DrawKoiKoiPlates(pileLayer);
    platform::BitBlt(backBuffer, x0, y0, w, h, pileLayer, x0, y0);
    // Grown by the card-size difference: the captures flew to these places
    // at full size.
    const int dx = CardWidth[r] - PileCardWidth[r], dy = CardHeight[r] - PileCardHeight[r];
    const platform::Rect& a = layout.pileAreaRects[player];
    return PresentRect(a.left - dx, a.top - dy, a.right + dx, a.bottom + dy);
}

}  // namespace koiui
