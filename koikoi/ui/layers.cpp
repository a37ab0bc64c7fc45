// The layers of the table and the rebuilding of any rectangle from them.
//
// tableBase holds the background and the status panel, pileLayer adds the
// captured piles, and backBuffer is the composed table that is presented.
// Any rectangle of backBuffer can be rebuilt from the layers and the card
// arrays, so a move repaints only what it touched.
#include <algorithm>

#include "assets/catalogue.h"
#include "core/program.h"
#include "display/display.h"
#include "koikoi/state.h"
#include "koikoi/ui/table.h"
#include "platform/window.h"

namespace koiui {

Layout layout;
long presentCount = 0;

namespace {

platform::Rect CardRect(int x, int y) {
    const int r = resolution;
    return {x - 1, y - 1, x + CardWidth[r], y + CardHeight[r]};
}

// Koi-Koi's own pictures of the panel: digits and 文, the plates, the names.
constexpr int DigitSheetImage = 703, PlateSheetImage = 704, NameSheetImage = 705;

}  // namespace

bool Intersects(const platform::Rect& a, const platform::Rect& b) {
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

int BuildKoiKoiLayout() {
    const int r = resolution;
    for (int p = 0; p < 2; ++p)
        for (int s = 0; s < 8; ++s)
            layout.handSlotRects[p][s] = CardRect(HandX[r][p][s], HandY[r][p]);
    for (int f = 0; f < TableFieldSlots; ++f) {
        const int x = FieldX(r, f), y = FieldY(r, f);
        layout.fieldSlotRects[f] = CardRect(x, y);
        const int left = x + PairOffset[r] - 1, top = y + PairOffset[r] - 1;
        layout.pairRects[f][0] = {left, top, left + CardWidth[r], top + CardHeight[r]};
        layout.pairRects[f][1] = {x - 1, y - 1, x - 1 + CardWidth[r], y - 1 + CardHeight[r]};
    }
    layout.stockRect = CardRect(StockX[r], StockY[r]);
    for (int p = 0; p < 2; ++p)
        layout.pileAreaRects[p] = {PileX[r][p][3] - 1, PileY[r][p] - 1,
                                   PileX[r][p][0] + PileCardWidth[r],
                                   PileY[r][p] + 2 * PileCardHeight[r]};
    return LoadKoiKoiTableImages();
}

int LoadKoiKoiTableImages() {
    const platform::Surface& background =
        assets::LoadImage(assets::TableImage(700 + backgroundChoice, resolution));
    pristineBackground = background;
    tableBase = background;
    backBuffer = background;
    pileLayer = background;
    // The panel sheets are made now, so that the first hand does not wait.
    for (int sheet : {NameSheetImage, PlateSheetImage, DigitSheetImage})
        assets::LoadImage(assets::TableImage(sheet, resolution));
    return 1;
}

int RestoreFromTableBase(int x, int y, int width, int height) {
    platform::BitBlt(backBuffer, x, y, width, height, tableBase, x, y);
    return 1;
}

int DrawCard(int x, int y, int card) {
    const int r = resolution;
    platform::BitBlt(backBuffer, x, y, CardWidth[r], CardHeight[r], *faceImages[card], 0, 0);
    return 1;
}

int DrawPileCard(int x, int y, int card) {
    const int r = resolution;
    platform::StretchBlt(pileLayer, x, y, PileCardWidth[r], PileCardHeight[r], *faceImages[card], 0,
                         0, CardWidth[r], CardHeight[r], platform::Rop::SrcCopy,
                         platform::StretchMode::Halftone);
    return 1;
}

int DrawRaisedCard(int x, int y, int card) {
    const int r = resolution;
    platform::StretchBlt(backBuffer, x, y, RaisedCardWidth[r], RaisedCardHeight[r],
                         *faceImages[card], 0, 0, CardWidth[r], CardHeight[r],
                         platform::Rop::SrcCopy, platform::StretchMode::BlackOnWhite);
    return 1;
}

int RepaintRect(int x, int y, int width, int height) {
    const int r = resolution;
    const platform::Rect d = {x, y, x + width, y + height};
    RestoreFromTableBase(x, y, width, height);
    for (int p = 0; p < 2; ++p)
        if (Intersects(d, layout.pileAreaRects[p]))
            platform::BitBlt(backBuffer, x, y, width, height, pileLayer, x, y);
    // The drawn card (slot 8) is shown on the stock, never in the hand; the
    // computer's cards always face down.
    for (int p = 0; p < 2; ++p)
        for (int s = 0; s < 8; ++s) {
            const int card = koi.hands[p][s];
            if (card != -1 && Intersects(d, layout.handSlotRects[p][s]))
                DrawCard(HandX[r][p][s], HandY[r][p], p == 0 ? card : 48);
        }
    for (int f = 0; f < TableFieldSlots; ++f)
        if (koi.field[f] != -1 && Intersects(d, layout.fieldSlotRects[f]))
            DrawCard(FieldX(r, f), FieldY(r, f), koi.field[f]);
    if (Intersects(d, layout.stockRect)) DrawStock();
    // A capture lies on the card it took, shifted right and down.
    for (int f = 0; f < TableFieldSlots; ++f) {
        const int* pair = koi.capturePairs[f];
        if (pair[0] == -1 && pair[1] == -1) continue;
        if (!Intersects(d, layout.pairRects[f][0]) && !Intersects(d, layout.pairRects[f][1]))
            continue;
        if (pair[1] != -1) DrawCard(FieldX(r, f), FieldY(r, f), pair[1]);
        if (pair[0] != -1)
            DrawCard(FieldX(r, f) + PairOffset[r], FieldY(r, f) + PairOffset[r], pair[0]);
    }
    return 1;
}

int PresentRect(int left, int top, int right, int bottom) {
    const int r = resolution;
    left = std::max(left, 0), top = std::max(top, 0);
    right = std::min(right, ClientWidth[r]), bottom = std::min(bottom, ClientHeight[r]);
    if (left >= right || top >= bottom) return 1;
    ++presentCount;
    platform::PresentRect(backBuffer, {left, top, right, bottom});
    return 1;
}

int RedrawKoiKoiTable() {
    // Once the game is over the result banner stands over the table as the
    // game left it; a change of option has nothing to redraw there.
    if (gameState == 7) return 1;
    const int width = ClientWidth[resolution], height = ClientHeight[resolution];
    RepaintRect(0, 0, width, height);
    if (subState == 1) {
        DrawHandCursor(cursorSlot);
    } else if (subState == 2) {
        const int h = koi.selectedHandSlot;
        if (h >= 0 && h < 8) {
            DrawHandCursor(h);
            if (koi.matchCount[0][h] == 2 && (cursorSlot == 0 || cursorSlot == 1))
                DrawFieldCursor(koi.matchSlots[0][h][cursorSlot]);
        }
    } else if (subState == 4) {
        if (koi.matchCount[0][8] == 2 && (cursorSlot == 0 || cursorSlot == 1))
            DrawFieldCursor(koi.matchSlots[0][8][cursorSlot]);
    }
    PresentRect(0, 0, width, height);
    return 1;
}

int RebuildKoiKoiTable() {
    LoadKoiKoiTableImages();
    DrawKoiKoiPanel();
    if (gameState == 7) {
        DrawResultBanner();
        PresentRect(0, 0, ClientWidth[resolution], ClientHeight[resolution]);
        return 1;
    }
    DrawPiles(0);
    DrawPiles(1);
    return RedrawKoiKoiTable();
}

}  // namespace koiui
