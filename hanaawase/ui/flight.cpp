// Moving cards: one flight routine for every move on the table, and the
// deal, play and capture flights built on it.
//
// A flight takes one step per millisecond of the clock and shows a frame at
// every millisecond. When drawing falls behind, the steps missed are taken
// together, so a flight always lasts its number of steps in milliseconds and
// ends exactly on its targets.
#include <algorithm>

#include "core/program.h"
#include "core/shell.h"
#include "core/sound_effects.h"
#include "display/display.h"
#include "hanaawase/flow.h"
#include "hanaawase/state.h"
#include "hanaawase/tables.h"
#include "hanaawase/ui/layout_tables.h"
#include "hanaawase/ui/table.h"
#include "table/flight_steps.h"

namespace {

constexpr int MaxFlying = 8;

int ImageWidth(int image) {
    return image == HanaTurnedBack ? CardHeight[resolution] : CardWidth[resolution];
}
int ImageHeight(int image) {
    return image == HanaTurnedBack ? CardWidth[resolution] : CardHeight[resolution];
}

}  // namespace

long hanaFlightFrames = 0;

int HanaFlyCards(const int sx[], const int sy[], const int tx[], const int ty[], const int image[],
                 int n, int steps) {
    n = std::clamp(n, 0, MaxFlying);
    if (!animationOn) steps = 1;
    double x[MaxFlying], y[MaxFlying];
    for (int i = 0; i < n; ++i) x[i] = sx[i], y[i] = sy[i];
    // Nothing is seen on the way while a deal or a gathering of captures runs
    // without animation: the caller draws the result.
    const bool hidden =
        !animationOn && (gameState == HanaHandStart || subState == HanaCapturesFlying);
    // A frame at most every 10 ms: smooth to the eye without burning a core.
    table::FlightSteps flight(steps, 10);
    while (!flight.Done()) {
        for (int i = 0; i < n; ++i)
            HanaRepaintRect(static_cast<int>(x[i]), static_cast<int>(y[i]), ImageWidth(image[i]),
                            ImageHeight(image[i]));
        table::DirtyBox box = {ClientWidth[resolution] - 1, ClientHeight[resolution] - 1, 0, 0};
        const int k = flight.Next();
        for (int i = n - 1; i >= 0; --i) {
            const int w = ImageWidth(image[i]), h = ImageHeight(image[i]);
            box.Add(static_cast<int>(x[i]), static_cast<int>(y[i]), w, h);
            for (int s = 0; s < k; ++s) {
                x[i] += (tx[i] - x[i]) / flight.Remaining();
                y[i] += (ty[i] - y[i]) / flight.Remaining();
            }
            box.Add(static_cast<int>(x[i]), static_cast<int>(y[i]), w, h);
            if (!hidden) HanaDrawCard(static_cast<int>(x[i]), static_cast<int>(y[i]), image[i]);
        }
        if (flight.IsLast()) HanaDrawPairsOnField();
        HanaPresentRect(box.left, box.top, box.right, box.bottom);
        ++hanaFlightFrames;
        flight.Advance();
    }
    for (int i = n - 1; i >= 0; --i) {
        HanaRepaintRect(static_cast<int>(x[i]), static_cast<int>(y[i]), ImageWidth(image[i]),
                        ImageHeight(image[i]));
        HanaDrawCard(tx[i], ty[i], image[i]);
    }
    return 1;
}

int HanaDealToHand(int player) {
    const int r = resolution;
    // A hand that holds its first four cards gets three more at its end.
    const bool second = hana.hands[player][0] != -1;
    const int slots[4] = {second ? 6 : 3, second ? 5 : 2, second ? 4 : 1, 0};
    const int n = second ? 3 : 4;
    int sx[4], sy[4], tx[4], ty[4], image[4];
    for (int i = 0; i < n; ++i) {
        if (player == 0) {
            sx[i] = HanaStockX[r], sy[i] = HanaStockY[r], image[i] = 48;
        } else {
            const int turn = (CardHeight[r] - CardWidth[r]) / 2;
            sx[i] = HanaStockX[r] - turn, sy[i] = HanaStockY[r] + turn, image[i] = HanaTurnedBack;
        }
        tx[i] = HanaHandX[r][player][slots[i]];
        ty[i] = HanaHandY[r][player][slots[i]];
    }
    return HanaFlyCards(sx, sy, tx, ty, image, n, 400);
}

int HanaDealToField() {
    const int r = resolution;
    const int first = hana.field[0] != -1 ? 5 : 2;
    int sx[3], sy[3], tx[3], ty[3], image[3];
    for (int i = 0; i < 3; ++i) {
        sx[i] = HanaStockX[r], sy[i] = HanaStockY[r], image[i] = 48;
        tx[i] = HanaFieldX[r][first - i], ty[i] = HanaFieldY[r][first - i];
    }
    return HanaFlyCards(sx, sy, tx, ty, image, 3, 400);
}

int HanaFlyToField(int player, int slot, int place, int card) {
    const int r = resolution;
    int sx, sy;
    if (slot == HanaDrawnSlot) {
        sx = HanaStockX[r], sy = HanaStockY[r];
    } else if (player == 0) {
        sx = HanaHandX[r][0][slot], sy = HanaHandY[r][0][slot];
    } else {
        // The upright card rises from the middle of the sideways one.
        const int turn = (CardHeight[r] - CardWidth[r]) / 2;
        sx = HanaHandX[r][player][slot] + turn, sy = HanaHandY[r][player][slot] - turn;
    }
    if (place < 0 || place >= 16) return 1;
    const bool capture = hana.field[place] != -1;
    int tx = HanaFieldX[r][place], ty = HanaFieldY[r][place];
    if (capture) tx += PairOffset[r], ty += PairOffset[r];
    HanaDrawHand(player);
    HanaShowHand(player);
    HanaPresentHand(player);
    HanaFlyCards(&sx, &sy, &tx, &ty, &card, 1, 200);
    if (capture) PlaySoundEffect(sfx::CardOnCard);
    return 1;
}

int HanaFlyCapturesToPiles(int player) {
    const int r = resolution;
    int total = 0;
    for (int kind = 0; kind < 4; ++kind) total += hana.turnCapturedCount[kind];
    if (total == 0) return 1;
    int sx[MaxFlying], sy[MaxFlying], tx[MaxFlying], ty[MaxFlying], image[MaxFlying];
    int n = 0;
    int nextInGroup[4];
    for (int kind = 0; kind < 4; ++kind)
        nextInGroup[kind] = hana.capturedCount[player][kind] - hana.turnCapturedCount[kind];
    auto add = [&](int card, int x, int y) {
        if (card == -1 || n == MaxFlying) return;
        const int kind = HanaKindOf(card);
        int px, py;
        HanaPilePosition(player, kind, nextInGroup[kind]++, hana.capturedCount[player][kind], px,
                         py);
        const int pw = HanaPileCardWidth[r], ph = HanaPileCardHeight[r];
        // The full-size card is centred on its place in the pile.
        if (player == 0) {
            px -= (CardWidth[r] - pw) / 2, py -= (CardHeight[r] - ph) / 2;
        } else {
            px += (ph - CardWidth[r]) / 2, py -= (CardHeight[r] - pw) / 2;
        }
        sx[n] = x, sy[n] = y, tx[n] = px, ty[n] = py, image[n] = card;
        ++n;
    };
    auto addPlace = [&](int place) {
        const int* pair = hana.capturePairs[place];
        add(pair[0], HanaFieldX[r][place] + PairOffset[r], HanaFieldY[r][place] + PairOffset[r]);
        add(pair[1], HanaFieldX[r][place], HanaFieldY[r][place]);
    };
    const int first = hana.firstCaptureSlot;
    if (first >= 0 && first < 16) addPlace(first);
    for (int place = 0; place < 16; ++place)
        if (place != first) addPlace(place);
    for (auto& pair : hana.capturePairs) pair[0] = pair[1] = -1;
    HanaFlyCards(sx, sy, tx, ty, image, n, 200);
    for (int i = 0; i < n; ++i) HanaRepaintRect(tx[i], ty[i], CardWidth[r], CardHeight[r]);
    return 1;
}
