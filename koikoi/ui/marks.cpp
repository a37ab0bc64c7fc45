#include "koikoi/ui/marks.h"

#include <algorithm>

#include "core/program.h"
#include "display/display.h"
#include "koikoi/state.h"
#include "koikoi/ui/table.h"
#include "platform/i18n.h"
#include "table/marks.h"

namespace koiui {

TableMarks tableMarks;

namespace {

constexpr int Gap = 4;

// The whole strip a player's marks may take: from the table's edge to the
// name on the human's side, from the name to the other edge on the
// computer's. Neither reaches a card place or a pile.
platform::Rect MarkStrip(int player) {
    const platform::Rect turn = table::TurnMarkRect(NameLabelRect(player), resolution);
    if (player == 1) return {turn.left, turn.top, ClientWidth[resolution], turn.bottom};
    const platform::Rect counts = KindCountsRect(0);
    return {0, std::min(turn.top, counts.top), turn.right, std::max(turn.bottom, counts.bottom)};
}

void Counts(int player, int counts[4]) {
    for (int k = 0; k < 4; ++k) counts[k] = LandedPileCount(player, k);
}

// The computer's English kinds are too long for one line beside its name.
bool TwoLines(int player) {
    return player == 1 && platform::CurrentLanguage() != platform::Language::Japanese;
}

// The human's counts and badge share one line left of the name, between the
// field and the glow of the cursor's raised card: as large as that line
// lets both be.
int TextHeight(int player) {
    const int r = resolution;
    int th = table::MarkTextHeight(r);
    if (player == 1) return th;
    // Worked out once a size and language: every mark update asks for it.
    static int knownFor[2] = {-1, -1}, known = 0;
    const int language = static_cast<int>(platform::CurrentLanguage());
    if (knownFor[0] == r && knownFor[1] == language) return known;
    const int zero[4] = {0, 0, 0, 0};
    const int room = table::TurnMarkRect(NameLabelRect(0), r).left - 2 * Gap;
    for (; th > 8; --th) {
        const int counts = table::DrawKindCounts(nullptr, 0, 0, zero, r, false, th).Width();
        const int badge = table::DrawKoiKoiBadge(nullptr, 0, 0, 9, r, th).Width();
        if (counts + Gap + badge <= room) break;
    }
    knownFor[0] = r, knownFor[1] = language, known = th;
    return th;
}

platform::Rect Placed(platform::Rect r, int x, int centreY) {
    const int w = r.Width(), h = r.Height();
    return {x, centreY - h / 2, x + w, centreY - h / 2 + h};
}

}  // namespace

platform::Rect NameLabelRect(int player) {
    const int r = resolution;
    return {NameX[r][player], NameY[r][player], ScoreRightX[r][player] + MonWidth[r],
            NameY[r][player] + NameHeight[r]};
}

// The human's counts end just before the frame of the turn, their foot
// above the glow of a raised hand card; the computer's start just after its
// 文.
platform::Rect KindCountsRect(int player) {
    const int r = resolution, zero[4] = {0, 0, 0, 0};
    const platform::Rect size =
        table::DrawKindCounts(nullptr, 0, 0, zero, r, TwoLines(player), TextHeight(player));
    const platform::Rect turn = table::TurnMarkRect(NameLabelRect(player), r);
    if (player == 1) return Placed(size, turn.right + Gap, (turn.top + turn.bottom) / 2);
    const int glowTop = HandY[r][0] - (CursorGlowHeight[r] - CardHeight[r]) / 2;
    const int bottom = std::min((turn.top + turn.bottom + size.Height()) / 2, glowTop - 1);
    return {turn.left - Gap - size.Width(), bottom - size.Height(), turn.left - Gap, bottom};
}

platform::Rect KoiKoiBadgeRect(int player) {
    const int calls = std::max(1, tableMarks.koiKoiCalls[player]);
    const platform::Rect size =
        table::DrawKoiKoiBadge(nullptr, 0, 0, calls, resolution, TextHeight(player));
    const platform::Rect counts = KindCountsRect(player);
    const int centreY = (counts.top + counts.bottom) / 2;
    int x = player == 0 ? counts.left - Gap - size.Width() : counts.right + Gap;
    x = std::clamp(x, 1, ClientWidth[resolution] - 1 - size.Width());
    return Placed(size, x, centreY);
}

void DrawTableMarks() {
    table::KeepPanelWithoutMarks(tableBase, {MarkStrip(0), MarkStrip(1)});
    const int r = resolution;
    for (int p = 0; p < 2; ++p) {
        int counts[4];
        Counts(p, counts);
        const platform::Rect c = KindCountsRect(p);
        table::DrawKindCounts(&tableBase, c.left, c.top, counts, r, TwoLines(p), TextHeight(p));
        if (tableMarks.koiKoiCalls[p] > 0) {
            const platform::Rect b = KoiKoiBadgeRect(p);
            table::DrawKoiKoiBadge(&tableBase, b.left, b.top, tableMarks.koiKoiCalls[p], r,
                                   TextHeight(p));
        }
    }
    if (tableMarks.humanChoosing)
        table::DrawTurnMark(tableBase, NameLabelRect(0), table::PlayerMarkColor(0, 2), r);
}

void ClearTableMarks() {
    tableMarks = TableMarks{};
}

int UpdateTableMarks() {
    if (gameState < 2) return 1;
    for (int p = 0; p < 2; ++p) table::RestorePanelWithoutMarks(tableBase, MarkStrip(p));
    DrawTableMarks();
    for (int p = 0; p < 2; ++p) {
        const platform::Rect s = MarkStrip(p);
        platform::BitBlt(pileLayer, s.left, s.top, s.Width(), s.Height(), tableBase, s.left, s.top);
        RepaintRect(s.left, s.top, s.Width(), s.Height());
        PresentRect(s.left, s.top, s.right, s.bottom);
    }
    // The raised card of the cursor may reach into the human's strip.
    if (gameState == 3 && (subState == 1 || subState == 2 || subState == 4)) RedrawKoiKoiTable();
    return 1;
}

int ShowComputerPlay(int player, const int fieldSlots[], int count) {
    const int r = resolution;
    const platform::Color color = table::PlayerMarkColor(player, 2);
    const int m = table::OutlineMargin(r) + 1;
    platform::Rect marked[4];
    int n = 0;
    for (int i = 0; i < count && n < 3; ++i) {
        const int f = fieldSlots[i];
        if (f < 0 || f >= TableFieldSlots) continue;
        const int* pair = koi.capturePairs[f];
        platform::Rect card = layout.fieldSlotRects[f];
        if (pair[0] != -1) {
            const platform::Rect& top = layout.pairRects[f][0];
            card = {card.left, card.top, top.right, top.bottom};
        } else if (koi.field[f] == -1) {
            continue;
        }
        // One pixel in: the slot rectangles reach a pixel beyond the card.
        card.left += 1, card.top += 1;
        table::DrawPlayOutline(backBuffer, card, color, r);
        marked[n++] = {card.left - m, card.top - m, card.right + m, card.bottom + m};
    }
    const platform::Rect turn = table::TurnMarkRect(NameLabelRect(player), r);
    table::DrawTurnMark(backBuffer, NameLabelRect(player), color, r);
    marked[n++] = {turn.left - 1, turn.top - 1, turn.right + 1, turn.bottom + 1};
    for (int i = 0; i < n; ++i)
        PresentRect(marked[i].left, marked[i].top, marked[i].right, marked[i].bottom);
    table::HoldComputerPlay(player, table::TurnHoldMs(animationOn != 0, 1));
    for (int i = 0; i < n; ++i) {
        const platform::Rect& a = marked[i];
        RepaintRect(a.left, a.top, a.Width(), a.Height());
    }
    for (int i = 0; i < n; ++i)
        PresentRect(marked[i].left, marked[i].top, marked[i].right, marked[i].bottom);
    return 1;
}

}  // namespace koiui
