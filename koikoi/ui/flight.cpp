// Moving cards: one flight routine for every move on the table, and the
// deal, play and capture flights built on it.
#include <algorithm>

#include "cards/cards.h"
#include "core/program.h"
#include "core/shell.h"
#include "core/sound_effects.h"
#include "display/display.h"
#include "koikoi/state.h"
#include "koikoi/ui/table.h"
#include "table/flight_steps.h"

namespace koiui {

namespace {

constexpr int MaxFlying = 8;  // a turn takes at most eight cards
constexpr int DealSteps = 400, MoveSteps = 200;
// A frame at most every 10 ms, about the rate a display shows them: drawing
// and presenting at every millisecond would only burn the processor for
// pictures nobody sees.
constexpr uint32_t FrameMs = 10;

}  // namespace

int FlyCards(const int startX[], const int startY[], const int targetX[], const int targetY[],
             const int card[], int n, int steps) {
    const int r = resolution;
    const int w = CardWidth[r], h = CardHeight[r];
    n = std::clamp(n, 0, MaxFlying);
    if (!animationOn) steps = 1;
    // Without animation a deal and the gathering of captures show nothing on
    // the way; the hands, field and piles show the cards when drawn.
    const bool hidden = !animationOn && (gameState == 2 || subState == 10);
    double x[MaxFlying], y[MaxFlying];
    for (int i = 0; i < n; ++i) x[i] = startX[i], y[i] = startY[i];
    table::FlightSteps flight(steps, FrameMs);
    while (!flight.Done()) {
        table::DirtyBox box = {ClientWidth[r] - 1, ClientHeight[r], 0, 0};
        const int k = flight.Next();
        for (int i = 0; i < n; ++i)
            RepaintRect(static_cast<int>(x[i]), static_cast<int>(y[i]), w, h);
        // Card 0 is drawn last and lies on top.
        for (int i = n - 1; i >= 0; --i) {
            box.Add(static_cast<int>(x[i]), static_cast<int>(y[i]), w, h);
            for (int s = 0; s < k; ++s) {
                x[i] += (targetX[i] - x[i]) / flight.Remaining();
                y[i] += (targetY[i] - y[i]) / flight.Remaining();
            }
            box.Add(static_cast<int>(x[i]), static_cast<int>(y[i]), w, h);
            if (!hidden) DrawCard(static_cast<int>(x[i]), static_cast<int>(y[i]), card[i]);
        }
        if (flight.IsLast()) DrawPairsOnField();
        PresentRect(box.left, box.top, box.right, box.bottom);
        flight.Advance();
    }
    for (int i = n - 1; i >= 0; --i) {
        RepaintRect(static_cast<int>(x[i]), static_cast<int>(y[i]), w, h);
        DrawCard(targetX[i], targetY[i], card[i]);
    }
    return 1;
}

int DealToHand(int player) {
    const int r = resolution;
    const int first = koi.hands[player][0] == -1 ? 0 : 4;
    int sx[4], sy[4], tx[4], ty[4], card[4];
    for (int i = 0; i < 4; ++i) {
        sx[i] = StockX[r], sy[i] = StockY[r], card[i] = CardBack;
        tx[i] = HandX[r][player][first + i], ty[i] = HandY[r][player];
    }
    return FlyCards(sx, sy, tx, ty, card, 4, DealSteps);
}

int DealToField() {
    const int r = resolution;
    const int first = koi.field[0] == -1 ? 0 : 4;
    int sx[4], sy[4], tx[4], ty[4], card[4];
    for (int i = 0; i < 4; ++i) {
        sx[i] = StockX[r], sy[i] = StockY[r], card[i] = CardBack;
        tx[i] = FieldX(r, first + i), ty[i] = FieldY(r, first + i);
    }
    return FlyCards(sx, sy, tx, ty, card, 4, DealSteps);
}

int FlyToField(int player, int fromSlot, int fieldSlot, int card) {
    const int r = resolution;
    if (fieldSlot < 0 || fieldSlot >= TableFieldSlots) return 1;
    int sx = StockX[r], sy = StockY[r];
    if (fromSlot >= 0 && fromSlot < 8) sx = HandX[r][player][fromSlot], sy = HandY[r][player];
    // A capture comes to rest on the card it takes, shifted.
    const bool capture = koi.field[fieldSlot] != -1;
    int tx = FieldX(r, fieldSlot), ty = FieldY(r, fieldSlot);
    if (capture) tx += PairOffset[r], ty += PairOffset[r];
    FlyCards(&sx, &sy, &tx, &ty, &card, 1, MoveSteps);
    if (capture) PlaySoundEffect(sfx::CardOnCard);
    return 1;
}

int FlyCapturesToPiles(int player) {
    const int r = resolution;
    int total = 0;
    for (int c = 0; c < 4; ++c) total += koi.turnCaptureCount[c];
    const int first = koi.firstCaptureSlot;
    if (total == 0 || first < 0 || first >= TableFieldSlots) return 1;
    int sx[MaxFlying], sy[MaxFlying], tx[MaxFlying], ty[MaxFlying], card[MaxFlying];
    int n = 0;
    int next[4];
    for (int c = 0; c < 4; ++c) next[c] = koi.pileCount[player][c] - koi.turnCaptureCount[c];
    auto add = [&](int c0, int x, int y) {
        if (c0 == -1 || n == MaxFlying) return;
        const int category = CategoryOf(c0);
        int px, py;
        PilePosition(player, category, next[category]++, koi.pileCount[player][category], px, py);
        // The full-size card is centred on its place in the pile.
        tx[n] = px - (CardWidth[r] - PileCardWidth[r]) / 2;
        ty[n] = py - (CardHeight[r] - PileCardHeight[r]) / 2;
        sx[n] = x, sy[n] = y, card[n] = c0;
        ++n;
    };
    auto shifted = [&](int f) { return FieldX(r, f) + PairOffset[r]; };
    auto shiftedY = [&](int f) { return FieldY(r, f) + PairOffset[r]; };
    const int lead = koi.capturePairs[first][0];
    add(lead, shifted(first), shiftedY(first));
    // The cards of the lead card's month go first, then the other capture.
    for (int f = 0; f < TableFieldSlots; ++f) {
        const int taken = koi.capturePairs[f][1];
        if (taken != -1 && lead != -1 && MonthOf(taken) == MonthOf(lead))
            add(taken, FieldX(r, f), FieldY(r, f));
    }
    if (n < total) {
        for (int f = 0; f < TableFieldSlots; ++f) {
            if (f == first) continue;
            add(koi.capturePairs[f][0], shifted(f), shiftedY(f));
            const int taken = koi.capturePairs[f][1];
            if (taken != -1 && (lead == -1 || MonthOf(taken) != MonthOf(lead)))
                add(taken, FieldX(r, f), FieldY(r, f));
        }
    }
    // The pairs are no longer drawn in place while they fly.
    for (auto& pair : koi.capturePairs) pair[0] = pair[1] = -1;
    FlyCards(sx, sy, tx, ty, card, n, MoveSteps);
    for (int i = 0; i < n; ++i) RepaintRect(tx[i], ty[i], CardWidth[r], CardHeight[r]);
    return 1;
}

}  // namespace koiui
