// The layout rectangles, the four layers and the partial repaint that
// rebuilds any rectangle of the table from them and the card arrays.
#include <algorithm>

#include "core/program.h"
#include "display/display.h"
#include "hanaawase/state.h"
#include "hanaawase/ui/layout_tables.h"
#include "hanaawase/ui/table.h"
#include "platform/window.h"

HanaLayout hanaLayout;

namespace {

HanaRect CardRect(int x, int y, int w, int h) {
    return {x - 1, y - 1, x + w, y + h};
}

void CopyFromPileLayer(const HanaRect& r) {
    platform::BitBlt(backBuffer, r.left, r.top, r.right - r.left + 1, r.bottom - r.top + 1,
                     pileLayer, r.left, r.top);
}

}  // namespace

int HanaBuildLayout() {
    const int r = resolution, w = CardWidth[r], h = CardHeight[r];
    HanaLayout& L = hanaLayout;
    for (int slot = 0; slot < 7; ++slot) {
        L.handSlotRects[0][slot] = CardRect(HanaHandX[r][0][slot], HanaHandY[r][0][slot], w, h);
        for (int p = 1; p < 3; ++p)
            L.handSlotRects[p][slot] = CardRect(HanaHandX[r][p][slot], HanaHandY[r][p][slot], h, w);
    }
    L.fieldArea = {ClientWidth[r], ClientHeight[r], 0, 0};
    for (int place = 0; place < 16; ++place) {
        int x = HanaFieldX[r][place], y = HanaFieldY[r][place];
        L.fieldSlotRects[place] = CardRect(x, y, w, h);
        int left = x + PairOffset[r] - 1, top = y + PairOffset[r] - 1;
        L.pairRects[place][0] = {left, top, left + w, top + h};
        L.pairRects[place][1] = {x - 1, y - 1, x - 1 + w, y - 1 + h};
        L.fieldArea.left = std::min(L.fieldArea.left, x);
        L.fieldArea.top = std::min(L.fieldArea.top, y);
        L.fieldArea.right = std::max(L.fieldArea.right, x + w - 1);
        L.fieldArea.bottom = std::max(L.fieldArea.bottom, y + h - 1);
    }
    L.stockRect = CardRect(HanaStockX[r], HanaStockY[r], w, h);
    const int pw = HanaPileCardWidth[r], ph = HanaPileCardHeight[r];
    const auto& X = HanaPileX[r];
    const auto& Y = HanaPileY[r];
    L.pileAreaRects[0] = {X[0][3], Y[0][3], X[0][0] + pw, Y[0][0] + 2 * ph};
    L.pileAreaRects[1] = {X[1][0], Y[1][0], X[1][3] + 2 * ph, Y[1][3] + pw};
    L.pileAreaRects[2] = {X[2][3] - ph, Y[2][3], X[2][3] + ph, Y[2][0] + pw};
    return HanaLoadTableImages();
}

int HanaLoadTableImages() {
    // The panel sheets are cached by the catalogue; the surfaces come fresh
    // from the current game's background.
    LoadBackgroundSurfaces();
    return 1;
}

int HanaRestoreFromTableBase(int x, int y, int w, int h) {
    platform::BitBlt(backBuffer, x, y, w, h, tableBase, x, y);
    return 1;
}

int HanaRepaintRect(int x, int y, int w, int h) {
    const HanaLayout& L = hanaLayout;
    const HanaRect R = {x, y, x + w - 1, y + h - 1};
    HanaRestoreFromTableBase(x, y, w, h);
    for (int p = 0; p < 3; ++p) {
        for (int slot = 0; slot < 7; ++slot) {
            if (hana.hands[p][slot] != -1 && L.handSlotRects[p][slot].Intersects(R)) {
                CopyFromPileLayer(R);
                break;
            }
        }
    }
    for (int p = 0; p < 3; ++p)
        if (L.pileAreaRects[p].Intersects(R)) CopyFromPileLayer(R);
    const int r = resolution;
    for (int place = 0; place < 16; ++place) {
        if (hana.field[place] != -1 && L.fieldSlotRects[place].Intersects(R))
            HanaDrawCard(HanaFieldX[r][place], HanaFieldY[r][place], hana.field[place]);
    }
    if (L.stockRect.Intersects(R)) {
        if (hana.stockCount < 1)
            HanaRestoreFromTableBase(HanaStockX[r], HanaStockY[r], CardWidth[r], CardHeight[r]);
        else
            HanaDrawStock();
    }
    // The field card taken first, the capturing card over it.
    for (int k = 1; k >= 0; --k) {
        for (int place = 0; place < 16; ++place) {
            const int* pair = hana.capturePairs[place];
            if (pair[0] == -1 && pair[1] == -1) continue;
            if (!L.pairRects[place][0].Intersects(R) && !L.pairRects[place][1].Intersects(R))
                continue;
            if (pair[k] != -1)
                HanaDrawCard(L.pairRects[place][k].left + 1, L.pairRects[place][k].top + 1,
                             pair[k]);
        }
    }
    return 1;
}

int HanaPresentRect(int left, int top, int right, int bottom) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, ClientWidth[resolution] - 1);
    bottom = std::min(bottom, ClientHeight[resolution] - 1);
    if (left > right || top > bottom) return 1;
    platform::PresentRect(backBuffer, {left, top, right + 1, bottom + 1});
    return 1;
}

int HanaHandCardAt(int x, int y) {
    const int r = resolution;
    for (int slot = 0; slot < hana.handCount[0] && slot < 7; ++slot) {
        int hx = HanaHandX[r][0][slot], hy = HanaHandY[r][0][slot];
        if (hx <= x && x < hx + CardWidth[r] && hy <= y && y < hy + CardHeight[r]) return slot;
    }
    return -1;
}

int HanaFieldSlotAt(int x, int y) {
    const int r = resolution;
    for (int place = 0; place < 16; ++place) {
        int fx = HanaFieldX[r][place], fy = HanaFieldY[r][place];
        if (fx <= x && x < fx + CardWidth[r] && fy <= y && y < fy + CardHeight[r]) return place;
    }
    return -1;
}
