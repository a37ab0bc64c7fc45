// Cards on the table: single cards, the three hands, the field, the stock,
// the capture pairs and the fanned piles of captured cards.
#include "core/program.h"
#include "display/display.h"
#include "hanaawase/flow.h"
#include "hanaawase/state.h"
#include "hanaawase/tables.h"
#include "hanaawase/ui/layout_tables.h"
#include "hanaawase/ui/table.h"

using platform::BitBlt;
using platform::StretchBlt;
using platform::StretchMode;

namespace {

int PlayerStripLength(int player) {
    const int r = resolution;
    const auto& Y = HanaHandY[r][player];
    return player == 1 ? Y[0] + CardWidth[r] - Y[6] : Y[6] + CardWidth[r] - Y[0];
}

// Top-left of a side player's hand strip.
int SideStripTop(int player) {
    return HanaHandY[resolution][player][player == 1 ? 6 : 0];
}

// Where pile areas are composed and shown: x, y, w, h.
void PileArea(int player, int& x, int& y, int& w, int& h) {
    const int r = resolution, pw = HanaPileCardWidth[r], ph = HanaPileCardHeight[r];
    const int along = pw / 2 + 4 * pw, across = 2 * ph + 1;
    switch (player) {
        case 0:
            x = HanaPileX[r][0][3], y = HanaPileY[r][0][3], w = along, h = across;
            return;
        case 1:
            x = HanaPileX[r][1][0], y = HanaPileY[r][1][0], w = across, h = along;
            return;
        default:
            x = HanaPileX[r][2][3] - ph, y = HanaPileY[r][2][3], w = across, h = along;
            return;
    }
}

}  // namespace

int HanaDrawCard(int x, int y, int image) {
    const int r = resolution;
    if (image == HanaTurnedBack)
        BitBlt(backBuffer, x, y, CardHeight[r], CardWidth[r], AnticlockwiseImage(48), 0, 0);
    else if (image >= 0 && image <= 48)
        BitBlt(backBuffer, x, y, CardWidth[r], CardHeight[r], *faceImages[image], 0, 0);
    return 1;
}

int HanaDrawPileCard(int orientation, int x, int y, int card) {
    const int r = resolution, pw = HanaPileCardWidth[r], ph = HanaPileCardHeight[r];
    const platform::Surface* source = orientation == 0   ? faceImages[card]
                                      : orientation == 1 ? &AnticlockwiseImage(card)
                                                         : &ClockwiseImage(card);
    int w = orientation == 0 ? pw : ph, h = orientation == 0 ? ph : pw;
    StretchBlt(pileLayer, x, y, w, h, *source, 0, 0, source->Width(), source->Height(),
               platform::Rop::SrcCopy, StretchMode::Halftone);
    return 1;
}

int HanaDrawRaisedCard(int x, int y, int card) {
    const int r = resolution;
    const platform::Surface& face = *faceImages[card];
    StretchBlt(backBuffer, x, y, RaisedCardWidth[r], RaisedCardHeight[r], face, 0, 0, face.Width(),
               face.Height(), platform::Rop::SrcCopy, StretchMode::Halftone);
    return 1;
}

int HanaDrawHand(int player) {
    const int r = resolution, w = CardWidth[r], h = CardHeight[r];
    const auto& X = HanaHandX[r][player];
    const auto& Y = HanaHandY[r][player];
    if (player == 0)
        BitBlt(pileLayer, X[0], Y[0], 7 * w, h, tableBase, X[0], Y[0]);
    else
        BitBlt(pileLayer, X[0], SideStripTop(player), h, PlayerStripLength(player), tableBase, X[0],
               SideStripTop(player));
    for (int slot = 0; slot < 7; ++slot) {
        int card = hana.hands[player][slot];
        if (card == -1) continue;
        if (player == 0)
            BitBlt(pileLayer, X[slot], Y[slot], w, h, *faceImages[card], 0, 0);
        else
            BitBlt(pileLayer, X[slot], Y[slot], h, w, AnticlockwiseImage(48), 0, 0);
    }
    return 1;
}

int HanaShowHand(int player) {
    const int r = resolution, w = CardWidth[r], h = CardHeight[r];
    const auto& X = HanaHandX[r][player];
    const auto& Y = HanaHandY[r][player];
    if (player == 0) {
        int x = X[0] - (GlowWidth[r] - w) / 2, y = Y[0] - (GlowHeight[r] - h) / 2;
        BitBlt(backBuffer, x, y, 7 * w + (GlowWidth[r] - w), GlowHeight[r], pileLayer, x, y);
    } else {
        int top = SideStripTop(player);
        BitBlt(backBuffer, X[0], top, h, PlayerStripLength(player), pileLayer, X[0], top);
    }
    return 1;
}

int HanaPresentHand(int player) {
    const int r = resolution, w = CardWidth[r], h = CardHeight[r];
    const auto& X = HanaHandX[r][player];
    const auto& Y = HanaHandY[r][player];
    if (player == 0) {
        int mx = (CursorGlowWidth[r] - w) / 2 + 1, my = (CursorGlowHeight[r] - h) / 2 + 1;
        return HanaPresentRect(X[0] - mx, Y[0] - my, X[6] + w + mx, Y[6] + h + my);
    }
    if (player == 1) return HanaPresentRect(X[6], Y[6], X[0] + h, Y[0] + w);
    return HanaPresentRect(X[0], Y[0], X[6] + h, Y[6] + w);
}

int HanaDrawField() {
    const int r = resolution, w = CardWidth[r], h = CardHeight[r];
    const HanaRect& area = hanaLayout.fieldArea;
    if (showCapturableOn) {
        // Wipes the glows of the last frame.
        int gx = (GlowWidth[r] - w) / 2, gy = (GlowHeight[r] - h) / 2;
        HanaRepaintRect(area.left - gx, area.top - gy,
                        area.right - area.left + GlowWidth[r] - w + 2,
                        area.bottom - area.top + GlowHeight[r] - h + 2);
    }
    for (int place = 0; place < 16; ++place)
        if (hana.field[place] != -1)
            HanaDrawCard(HanaFieldX[r][place], HanaFieldY[r][place], hana.field[place]);
    return 1;
}

int HanaPresentField() {
    const int r = resolution;
    const HanaRect& area = hanaLayout.fieldArea;
    int gx = (CursorGlowWidth[r] - CardWidth[r]) / 2,
        gy = (CursorGlowHeight[r] - CardHeight[r]) / 2;
    return HanaPresentRect(area.left - gx, area.top - gy, area.right + 1 + gx,
                           area.bottom + 1 + gy);
}

int HanaDrawStock() {
    if (hana.stockCount < 1) return 1;
    const int r = resolution;
    // While the user places the card just drawn, it lies face up on the stock.
    int image =
        subState == 4 && hana.hands[0][HanaDrawnSlot] != -1 ? hana.hands[0][HanaDrawnSlot] : 48;
    return HanaDrawCard(HanaStockX[r], HanaStockY[r], image);
}

int HanaDrawPairsOnField() {
    const int r = resolution;
    for (int place = 0; place < 16; ++place) {
        int card = hana.capturePairs[place][0];
        if (card != -1)
            HanaDrawCard(HanaFieldX[r][place] + PairOffset[r], HanaFieldY[r][place] + PairOffset[r],
                         card);
    }
    return 1;
}

void HanaPilePosition(int player, int group, int index, int count, int& outX, int& outY) {
    const int r = resolution, pw = HanaPileCardWidth[r], ph = HanaPileCardHeight[r];
    double x = HanaPileX[r][player][group], y = HanaPileY[r][player][group];
    // Along the pile: player 0 down, player 1 right, player 2 left.
    auto advance = [&](double by) {
        if (player == 0) y += by;
        if (player == 1) x += by;
        if (player == 2) x -= by;
    };
    if (group < 3) {
        const double d = count >= 2 ? ph - (count - 2) * static_cast<double>(ph) / (count - 1) : 0;
        for (int i = 0; i < index; ++i) advance(d);
    } else {
        // Chaff zig-zags between two lanes.
        const int across = pw / 2 + 1, rows = (count + 1) / 2;
        const double e = rows >= 2 ? ph - (rows - 2) * static_cast<double>(ph) / (rows - 1) : 0;
        for (int i = 0; i < index; ++i) {
            int side = i % 2 == 0 ? 1 : -1;
            if (player == 0) x += side * across;
            if (player == 1) y -= side * across;
            if (player == 2) y += side * across;
            if (i % 2 == 1 && count > 2) advance(e);
        }
    }
    outX = static_cast<int>(x);
    outY = static_cast<int>(y);
}

int HanaLandedCount(int player, int group) {
    const bool inTurn = gameState >= HanaUserTurn && gameState <= HanaCom2Turn;
    const int fresh =
        inTurn && player == gameState - HanaUserTurn ? hana.turnCapturedCount[group] : 0;
    return hana.capturedCount[player][group] - fresh;
}

int HanaDrawPiles(int player) {
    const int r = resolution;
    int x, y, w, h;
    PileArea(player, x, y, w, h);
    BitBlt(pileLayer, x, y, w, h, tableBase, x, y);
    for (int group = 0; group < 4; ++group) {
        int n = HanaLandedCount(player, group);
        for (int i = 0; i < n; ++i) {
            int cx, cy;
            HanaPilePosition(player, group, i, n, cx, cy);
            HanaDrawPileCard(player, cx, cy, hana.captured[player][group][i]);
        }
    }
    HanaDrawPlates(pileLayer);
    HanaShowPiles(player);
    const HanaRect& a = hanaLayout.pileAreaRects[player];
    const int pw = HanaPileCardWidth[r], ph = HanaPileCardHeight[r];
    if (player == 0)
        return HanaPresentRect(a.left - (CardWidth[r] - pw) / 2, a.top - (CardHeight[r] - ph) / 2,
                               ClientWidth[r], ClientHeight[r]);
    return HanaPresentRect(a.left - CardWidth[r], a.top - (CardHeight[r] - pw) / 2,
                           a.right + CardWidth[r], a.bottom + (CardHeight[r] - pw) / 2);
}

int HanaShowPiles(int player) {
    int x, y, w, h;
    PileArea(player, x, y, w, h);
    if (player == 0)
        ++w;
    else
        ++h;
    BitBlt(backBuffer, x, y, w, h, pileLayer, x, y);
    return 1;
}
