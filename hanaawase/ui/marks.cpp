#include "hanaawase/ui/marks.h"

#include <algorithm>

#include "core/program.h"
#include "display/display.h"
#include "hanaawase/flow.h"
#include "hanaawase/state.h"
#include "hanaawase/ui/layout_tables.h"
#include "hanaawase/ui/table.h"
#include "table/marks.h"

HanaTableMarks hanaTableMarks;

namespace {

constexpr int Gap = 4;

// Where a player's marks may lie: the name with its turn frame and the
// counts. The user's counts stand left of the name, the computers' below
// theirs; none reaches a card place or a pile.
platform::Rect MarkArea(int player) {
    const platform::Rect turn = table::TurnMarkRect(HanaNameLabelRect(player), resolution);
    const platform::Rect counts = HanaKindCountsRect(player);
    return {std::min(turn.left, counts.left) - 1, std::min(turn.top, counts.top) - 1,
            std::max(turn.right, counts.right) + 1, std::max(turn.bottom, counts.bottom) + 1};
}

void Repaint(const platform::Rect& a) {
    HanaRepaintRect(a.left, a.top, a.Width(), a.Height());
}

void Present(const platform::Rect& a) {
    HanaPresentRect(a.left, a.top, a.right - 1, a.bottom - 1);
}

}  // namespace

platform::Rect HanaNameLabelRect(int player) {
    const int r = resolution;
    return {HanaNameX[r][player], HanaNameY[r][player], HanaScoreRightX[r][player] + HanaUnitW[r],
            HanaNameY[r][player] + HanaNameH[r]};
}

platform::Rect HanaKindCountsRect(int player) {
    const int zero[4] = {0, 0, 0, 0};
    const platform::Rect size = table::DrawKindCounts(nullptr, 0, 0, zero, resolution, true);
    const platform::Rect turn = table::TurnMarkRect(HanaNameLabelRect(player), resolution);
    const int w = size.Width(), h = size.Height();
    if (player == 0) {
        // Low, so that the raised card under the cursor leaves it in view.
        const int x = turn.left - Gap - w;
        const int y = ClientHeight[resolution] - h - 2;
        return {x, y, x + w, y + h};
    }
    const int x = HanaNameX[resolution][player], y = turn.bottom + Gap;
    return {x, y, x + w, y + h};
}

void HanaDrawTableMarks() {
    table::KeepPanelWithoutMarks(tableBase, {MarkArea(0), MarkArea(1), MarkArea(2)});
    const int r = resolution;
    for (int p = 0; p < HanaPlayers; ++p) {
        int counts[4];
        for (int k = 0; k < 4; ++k) counts[k] = HanaLandedCount(p, k);
        const platform::Rect c = HanaKindCountsRect(p);
        table::DrawKindCounts(&tableBase, c.left, c.top, counts, r, true);
    }
    if (hanaTableMarks.userChoosing)
        table::DrawTurnMark(tableBase, HanaNameLabelRect(0), table::PlayerMarkColor(0, 3), r);
}

void HanaClearTableMarks() {
    hanaTableMarks = HanaTableMarks{};
}

int HanaUpdateTableMarks() {
    if (gameState < HanaUserTurn || gameState == HanaFinalWait) return 1;
    for (int p = 0; p < HanaPlayers; ++p) table::RestorePanelWithoutMarks(tableBase, MarkArea(p));
    HanaDrawTableMarks();
    for (int p = 0; p < HanaPlayers; ++p) {
        const platform::Rect a = MarkArea(p);
        platform::BitBlt(pileLayer, a.left, a.top, a.Width(), a.Height(), tableBase, a.left, a.top);
        Repaint(a);
        Present(a);
    }
    // The raised card of the cursor may reach into the user's marks.
    if (gameState == HanaUserTurn && (subState == 1 || subState == 2 || subState == 4))
        HanaRedrawTable();
    return 1;
}

int HanaShowComputerPlay(int player, const int fieldPlaces[], int count) {
    const int r = resolution;
    const platform::Color color = table::PlayerMarkColor(player, 3);
    const int m = table::OutlineMargin(r) + 1;
    platform::Rect marked[4];
    int n = 0;
    for (int i = 0; i < count && n < 3; ++i) {
        const int f = fieldPlaces[i];
        if (f < 0 || f >= HanaFieldSlots) continue;
        const HanaRect& slot = hanaLayout.fieldSlotRects[f];
        // The slot rectangles reach a pixel beyond the card on the left and top.
        platform::Rect card = {slot.left + 1, slot.top + 1, slot.right, slot.bottom};
        if (hana.capturePairs[f][0] != -1) {
            const HanaRect& top = hanaLayout.pairRects[f][0];
            card.right = top.right, card.bottom = top.bottom;
        } else if (hana.field[f] == -1) {
            continue;
        }
        table::DrawPlayOutline(backBuffer, card, color, r);
        marked[n++] = {card.left - m, card.top - m, card.right + m, card.bottom + m};
    }
    const platform::Rect turn = table::TurnMarkRect(HanaNameLabelRect(player), r);
    table::DrawTurnMark(backBuffer, HanaNameLabelRect(player), color, r);
    marked[n++] = {turn.left - 1, turn.top - 1, turn.right + 1, turn.bottom + 1};
    for (int i = 0; i < n; ++i) Present(marked[i]);
    table::HoldComputerPlay(player, table::TurnHoldMs(animationOn != 0, 2));
    for (int i = 0; i < n; ++i) Repaint(marked[i]);
    for (int i = 0; i < n; ++i) Present(marked[i]);
    return 1;
}
