// What the human's choice of cards shows: hit tests, the glows that pulse
// around cards that can capture or be captured, and the raised cursor card.
#include "core/program.h"
#include "display/display.h"
#include "koikoi/state.h"
#include "koikoi/ui/table.h"
#include "table/glow.h"

namespace koiui {

namespace {

using table::GlowFrames;

void Glow(int x, int y, int width, int height) {
    const int r = resolution;
    table::DrawGlowFrame(backBuffer, *glowStrip, GlowWidth[r], GlowHeight[r],
                         koi.tickCounter % GlowFrames, x, y, width, height);
}

// The glow 1:1 around a card at (x, y).
void GlowAround(int x, int y) {
    const int r = resolution;
    Glow(x - (GlowWidth[r] - CardWidth[r]) / 2, y - (GlowHeight[r] - CardHeight[r]) / 2,
         GlowWidth[r], GlowHeight[r]);
}

// The cursor: the card raised and, around it, the glow enlarged.
void RaiseAt(int x, int y, int card) {
    const int r = resolution;
    DrawRaisedCard(x - (RaisedCardWidth[r] - CardWidth[r]) / 2,
                   y - (RaisedCardHeight[r] - CardHeight[r]) / 2, card);
}
void CursorGlowAt(int x, int y) {
    const int r = resolution;
    Glow(x - (CursorGlowWidth[r] - CardWidth[r]) / 2, y - (CursorGlowHeight[r] - CardHeight[r]) / 2,
         CursorGlowWidth[r], CursorGlowHeight[r]);
}
void RepaintCursorAt(int x, int y) {
    const int r = resolution;
    RepaintRect(x - (CursorGlowWidth[r] - CardWidth[r]) / 2,
                y - (CursorGlowHeight[r] - CardHeight[r]) / 2, CursorGlowWidth[r],
                CursorGlowHeight[r]);
}

bool IsFieldSlot(int f) {
    return f >= 0 && f < TableFieldSlots;
}

}  // namespace

int HandCardAt(int x, int y) {
    const int r = resolution;
    for (int s = 0; s < koi.handCount[0] && s < 8; ++s) {
        const int left = HandX[r][0][s], top = HandY[r][0];
        if (x >= left && x < left + CardWidth[r] && y >= top && y < top + CardHeight[r]) return s;
    }
    return -1;
}

int FieldSlotAt(int x, int y) {
    const int r = resolution;
    for (int f = 0; f < TableFieldSlots; ++f) {
        // The extra places lie in the hand rows: only a card there is the field's.
        if (f >= 16 && koi.field[f] == -1) continue;
        const int left = FieldX(r, f), top = FieldY(r, f);
        if (x >= left && x < left + CardWidth[r] && y >= top && y < top + CardHeight[r]) return f;
    }
    return -1;
}

int GlowCapturingHandCards() {
    const int r = resolution;
    koi.tickCounter %= GlowFrames;
    for (int s = 0; s < koi.handCount[0] && s < 8; ++s)
        if (koi.matchCount[0][s] != 0) GlowAround(HandX[r][0][s], HandY[r][0]);
    return 1;
}

int GlowCapturableFieldCards(int handSlot) {
    const int r = resolution;
    koi.tickCounter %= GlowFrames;
    if (handSlot < 0 || handSlot > 8) return 1;
    for (int k = 0; k < koi.matchCount[0][handSlot]; ++k) {
        const int f = koi.matchSlots[0][handSlot][k];
        if (IsFieldSlot(f)) GlowAround(FieldX(r, f), FieldY(r, f));
    }
    return 1;
}

int DrawHandCursor(int slot) {
    const int r = resolution;
    if (slot < 0 || slot >= 8 || koi.hands[0][slot] == -1) return 1;
    const int x = HandX[r][0][slot], y = HandY[r][0];
    if (choiceConfirmed && showCapturableOn) EraseHandCursor(slot);
    RaiseAt(x, y, koi.hands[0][slot]);
    if (showCapturableOn && koi.matchCount[0][slot] != 0 && !choiceConfirmed && subState != 2)
        CursorGlowAt(x, y);
    return 1;
}

int DrawFieldCursor(int fieldSlot) {
    const int r = resolution;
    if (!IsFieldSlot(fieldSlot) || koi.field[fieldSlot] == -1) return 1;
    const int x = FieldX(r, fieldSlot), y = FieldY(r, fieldSlot);
    RaiseAt(x, y, koi.field[fieldSlot]);
    if (showCapturableOn) CursorGlowAt(x, y);
    return 1;
}

int EraseHandCursor(int slot) {
    const int r = resolution;
    if (slot < 0 || slot >= 8) return 1;
    RepaintCursorAt(HandX[r][0][slot], HandY[r][0]);
    return 1;
}

int EraseFieldCursor(int fieldSlot) {
    const int r = resolution;
    if (!IsFieldSlot(fieldSlot)) return 1;
    RepaintCursorAt(FieldX(r, fieldSlot), FieldY(r, fieldSlot));
    return 1;
}

}  // namespace koiui
