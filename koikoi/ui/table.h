// The Koi-Koi table in the window: its layers, card drawing, flights, the
// human's choice of cards with cursor and glow, the status panel and the
// result banner. Everything is drawn into backBuffer (display/display.h) and
// shown only by PresentRect, rectangle by rectangle. These read the game
// (koikoi/state.h) and never change it, except the glow, which keeps its
// frame number in koi.tickCounter.
#pragma once
#include "koikoi/ui/layout_tables.h"
#include "platform/surface.h"

namespace koiui {

// Rectangles of the current resolution, made by BuildKoiKoiLayout. Each is
// one pixel larger than its card on the left and top.
struct Layout {
    platform::Rect handSlotRects[2][8];
    platform::Rect fieldSlotRects[TableFieldSlots];
    platform::Rect stockRect;
    platform::Rect pairRects[TableFieldSlots][2];  // [0] the capturing card, [1] the card taken
    platform::Rect pileAreaRects[2];
};
extern Layout layout;
// Rectangles presented so far (the flight measurement counts them).
extern long presentCount;

bool Intersects(const platform::Rect& a, const platform::Rect& b);

// Layout and layers.
int BuildKoiKoiLayout();
int LoadKoiKoiTableImages();
int RestoreFromTableBase(int x, int y, int width, int height);
int RepaintRect(int x, int y, int width, int height);
int PresentRect(int left, int top, int right, int bottom);
int RedrawKoiKoiTable();
int RebuildKoiKoiTable();

// Cards; card 48 is the back.
int DrawCard(int x, int y, int card);
int DrawPileCard(int x, int y, int card);
int DrawRaisedCard(int x, int y, int card);

// Hands, field, stock, pairs, piles.
int DrawHand(int player);
int PresentHand(int player);
int DrawField();
int PresentField();
int DrawStock();
int DrawPairsOnField();
int DrawPiles(int player);
// The cards of a pile that have reached it. The turn's captures are filed at
// once, but they lie on the field as pairs (or fly) until the turn ends.
int LandedPileCount(int player, int category);
// Where card `index` of a pile of `count` cards of `category` lies.
void PilePosition(int player, int category, int index, int count, int& x, int& y);

// Flights and the turn-over of the stock card.
int FlyCards(const int startX[], const int startY[], const int targetX[], const int targetY[],
             const int card[], int n, int steps);
int DealToHand(int player);
int DealToField();
int FlyToField(int player, int fromSlot, int fieldSlot, int card);
int FlyCapturesToPiles(int player);
int FlipStockCard();

// The human's choices: hit tests (-1 for none), cursor and glow.
int HandCardAt(int x, int y);
int FieldSlotAt(int x, int y);
int GlowCapturingHandCards();
int GlowCapturableFieldCards(int handSlot);
int DrawHandCursor(int slot);
int DrawFieldCursor(int fieldSlot);
int EraseHandCursor(int slot);
int EraseFieldCursor(int fieldSlot);

// Status panel and the end of the game.
int DrawKoiKoiPanel();
// The 親 and 子 plates, into `layer`; the piles draw them again over their
// cards so that the captures never hide who deals.
int DrawKoiKoiPlates(platform::Surface& layer);
int DrawResultBanner();
int PlayGameResult();

}  // namespace koiui
