// The Hana-awase table in the window: its layers, card drawing, flights,
// cursor and glow, panel and banner. Everything is drawn into backBuffer
// (display/display.h) and shown only by HanaPresentRect, rectangle by rectangle.
// These read the game (hanaawase/state.h) and never change it, except the
// glow, which keeps its frame number in hana.tickCounter.
#pragma once

#include "platform/surface.h"

// A rectangle whose right and bottom edges belong to it.
struct HanaRect {
    int left, top, right, bottom;
    bool Intersects(const HanaRect& o) const {
        return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom;
    }
};

// Rectangles of the current resolution, made by HanaBuildLayout.
struct HanaLayout {
    HanaRect handSlotRects[3][7];
    HanaRect fieldSlotRects[16];
    HanaRect stockRect;
    HanaRect pairRects[16][2];  // [0] the capturing card, [1] the field card under it
    HanaRect pileAreaRects[3];
    HanaRect fieldArea;  // every field place, places 12..15 too
};
extern HanaLayout hanaLayout;
// Steps of flights shown so far, each one presented frame (for measurements).
extern long hanaFlightFrames;

// Layout and layers.
int HanaBuildLayout();
int HanaLoadTableImages();
int HanaRestoreFromTableBase(int x, int y, int w, int h);
int HanaRepaintRect(int x, int y, int w, int h);
int HanaPresentRect(int left, int top, int right, int bottom);

// Cards.
constexpr int HanaTurnedBack = 50;  // the back lying sideways
int HanaDrawCard(int x, int y, int image);
int HanaDrawPileCard(int orientation, int x, int y, int card);
int HanaDrawRaisedCard(int x, int y, int card);

// Hands, field, stock, piles.
int HanaDrawHand(int player);
int HanaShowHand(int player);
int HanaPresentHand(int player);
int HanaDrawField();
int HanaPresentField();
int HanaDrawStock();
int HanaDrawPairsOnField();
int HanaDrawPiles(int player);
// The cards of a captured group that have reached the pile. The turn's
// captures are filed at once, but they lie on the field as pairs (or fly)
// until the turn ends.
int HanaLandedCount(int player, int group);
int HanaShowPiles(int player);
// Where card `index` of `count` lies in the player's pile group (top-left).
void HanaPilePosition(int player, int group, int index, int count, int& x, int& y);

// Hit tests of player 0's hand and of the field, -1 for none.
int HanaHandCardAt(int x, int y);
int HanaFieldSlotAt(int x, int y);

// Flights.
int HanaFlyCards(const int sx[], const int sy[], const int tx[], const int ty[], const int image[],
                 int n, int steps);
int HanaDealToHand(int player);
int HanaDealToField();
int HanaFlyToField(int player, int slot, int place, int card);
int HanaFlyCapturesToPiles(int player);
int HanaFlipStockCard();

// Cursor and glow.
int HanaDrawHandCursor(int slot);
int HanaDrawFieldCursor(int place);
int HanaEraseHandCursor(int slot);
int HanaEraseFieldCursor(int place);
int HanaGlowCapturingHandCards();
int HanaGlowCapturableFieldCards(int slot);

// Panel, banner, whole-table redraws.
int HanaDrawPanel();
// The 親 and 子 plates, into `layer`; the piles draw them again over their
// cards so that the captures never hide who deals.
int HanaDrawPlates(platform::Surface& layer);
int HanaDrawResultBanner();
int HanaRedrawTable();
int HanaRebuildTable();
