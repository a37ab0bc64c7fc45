// The card under the user's cursor, drawn enlarged, and the pulsing glow
// round the cards that can take something and the cards they can take.
#include "core/program.h"
#include "display/display.h"
#include "hanaawase/state.h"
#include "hanaawase/ui/layout_tables.h"
#include "hanaawase/ui/table.h"
#include "table/glow.h"

namespace {

using table::GlowFrames;

// The rectangle round a card at (x, y) that the enlarged card and its glow
// cover.
void CursorArea(int x, int y, int& ax, int& ay) {
    const int r = resolution;
    ax = x - (CursorGlowWidth[r] - CardWidth[r]) / 2;
    ay = y - (CursorGlowHeight[r] - CardHeight[r]) / 2;
}

// One glow frame at (x, y), stretched from one strip cell to w x h.
void DrawGlow(int x, int y, int w, int h) {
    const int r = resolution;
    const int frame = ((hana.tickCounter % GlowFrames) + GlowFrames) % GlowFrames;
    table::DrawGlowFrame(backBuffer, *glowStrip, GlowWidth[r], GlowHeight[r], frame, x, y, w, h);
}

void DrawRaisedAt(int x, int y, int card) {
    const int r = resolution;
    HanaDrawRaisedCard(x - (RaisedCardWidth[r] - CardWidth[r]) / 2,
                       y - (RaisedCardHeight[r] - CardHeight[r]) / 2, card);
}

void GlowRoundCard(int x, int y) {
    const int r = resolution;
    DrawGlow(x - (GlowWidth[r] - CardWidth[r]) / 2, y - (GlowHeight[r] - CardHeight[r]) / 2,
             GlowWidth[r], GlowHeight[r]);
}

void RepaintCursorArea(int x, int y) {
    int ax, ay;
    CursorArea(x, y, ax, ay);
    HanaRepaintRect(ax, ay, CursorGlowWidth[resolution], CursorGlowHeight[resolution]);
}

bool ValidHandSlot(int slot) {
    return slot >= 0 && slot < 7 && hana.hands[0][slot] != -1;
}
bool ValidPlace(int place) {
    return place >= 0 && place < 16 && hana.field[place] != -1;
}

}  // namespace

int HanaDrawHandCursor(int slot) {
    if (!ValidHandSlot(slot)) return 1;
    const int r = resolution, x = HanaHandX[r][0][slot], y = HanaHandY[r][0][slot];
    // Once the choice is made its glow goes.
    if (choiceConfirmed && showCapturableOn) RepaintCursorArea(x, y);
    DrawRaisedAt(x, y, hana.hands[0][slot]);
    if (showCapturableOn && hana.matchCount[0][slot] != 0 && !choiceConfirmed && subState != 2) {
        int ax, ay;
        CursorArea(x, y, ax, ay);
        DrawGlow(ax, ay, CursorGlowWidth[r], CursorGlowHeight[r]);
    }
    return 1;
}

int HanaDrawFieldCursor(int place) {
    if (!ValidPlace(place)) return 1;
    const int r = resolution, x = HanaFieldX[r][place], y = HanaFieldY[r][place];
    DrawRaisedAt(x, y, hana.field[place]);
    if (showCapturableOn) {
        int ax, ay;
        CursorArea(x, y, ax, ay);
        DrawGlow(ax, ay, CursorGlowWidth[r], CursorGlowHeight[r]);
    }
    return 1;
}

int HanaEraseHandCursor(int slot) {
    if (slot < 0 || slot >= 7) return 1;
    RepaintCursorArea(HanaHandX[resolution][0][slot], HanaHandY[resolution][0][slot]);
    return 1;
}

int HanaEraseFieldCursor(int place) {
    if (place < 0 || place >= 16) return 1;
    RepaintCursorArea(HanaFieldX[resolution][place], HanaFieldY[resolution][place]);
    return 1;
}

int HanaGlowCapturingHandCards() {
    hana.tickCounter %= GlowFrames;
    const int r = resolution;
    for (int slot = 0; slot < hana.handCount[0] && slot < 7; ++slot)
        if (hana.matchCount[0][slot] != 0)
            GlowRoundCard(HanaHandX[r][0][slot], HanaHandY[r][0][slot]);
    return 1;
}

int HanaGlowCapturableFieldCards(int slot) {
    hana.tickCounter %= GlowFrames;
    if (slot < 0 || slot >= HanaHandSlots) return 1;
    const int r = resolution;
    for (int k = 0; k < hana.matchCount[0][slot] && k < 3; ++k) {
        int place = hana.matchSlots[0][slot][k];
        if (place >= 0 && place < 16) GlowRoundCard(HanaFieldX[r][place], HanaFieldY[r][place]);
    }
    return 1;
}
