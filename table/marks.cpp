#include "table/marks.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/i18n.h"
#include "platform/input_hold.h"
#include "platform/marks.h"

namespace table {

namespace {

constexpr platform::Color Ink = platform::Rgb(255, 255, 255);
constexpr platform::Color Plate = platform::Rgb(16, 16, 24);
constexpr int PlateAlpha = 170;
constexpr platform::Color Vermilion = platform::Rgb(204, 44, 32);

// 光 / タネ / タン / カス each in a tint that says the kind at a glance.
constexpr platform::Color KindInk[4] = {platform::Rgb(255, 214, 90), platform::Rgb(150, 220, 140),
                                        platform::Rgb(255, 150, 140), platform::Rgb(200, 200, 210)};
const char* const KindName[4] = {TrNoop("Marks", "光"), TrNoop("Marks", "タネ"),
                                 TrNoop("Marks", "タン"), TrNoop("Marks", "カス")};

std::function<void(int)> holdObserver;
// The mark areas of the panel as painted, each with its place.
std::vector<std::pair<platform::Rect, platform::Surface>> panelWithoutMarks;

int Pad(int resolution) {
    return 3 + resolution;
}

}  // namespace

platform::Color PlayerMarkColor(int player, int players) {
    if (player == 0) return platform::Rgb(255, 200, 40);
    if (players == 2 || player == 1) return platform::Rgb(90, 200, 255);
    return platform::Rgb(255, 120, 210);
}

int MarkTextHeight(int resolution) {
    static const int height[3] = {11, 13, 16};
    return height[std::clamp(resolution, 0, 2)];
}

platform::Rect DrawKindCounts(platform::Surface* surface, int x, int y, const int counts[4],
                              int resolution, bool twoLines, int textHeight) {
    const int th = textHeight > 0 ? textHeight : MarkTextHeight(resolution), pad = Pad(resolution);
    const int gap = th / 2;
    // In two lines every entry takes the width of the widest, so that the
    // columns line up; in one line each its own, numbers kept two digits wide.
    int cells[4], widest = 0, lineHeight = 0;
    std::string entries[4], names[4];
    const platform::Size wide = platform::MarkTextExtent("88", th, true);
    for (int k = 0; k < 4; ++k) {
        names[k] = platform::Tr("Marks", KindName[k]);
        char number[8];
        std::snprintf(number, sizeof number, "%d", std::clamp(counts[k], 0, 99));
        entries[k] = number;
        const platform::Size name = platform::MarkTextExtent(names[k], th);
        cells[k] = name.width + th / 4 + wide.width;
        widest = std::max(widest, cells[k]);
        lineHeight = std::max(lineHeight, std::max(name.height, wide.height));
    }
    if (twoLines)
        for (int& cell : cells) cell = widest;
    const int columns = twoLines ? 2 : 4, lines = twoLines ? 2 : 1;
    int width = (columns - 1) * gap;
    for (int k = 0; k < columns; ++k) width += cells[k];
    const platform::Rect r = {x, y, x + 2 * pad + width, y + 2 * pad - 2 + lines * lineHeight};
    if (!surface) return r;
    platform::FillRoundRect(*surface, r, pad + 1, Plate, PlateAlpha);
    int cx = x + pad;
    for (int k = 0; k < 4; ++k) {
        if (k % columns == 0) cx = x + pad;
        const int cy = y + pad - 1 + (k / columns) * lineHeight;
        platform::MarkText(*surface, cx, cy, names[k], th, KindInk[k]);
        const platform::Size name = platform::MarkTextExtent(names[k], th);
        const platform::Size number = platform::MarkTextExtent(entries[k], th, true);
        // Numbers end at the cell's right edge.
        platform::MarkText(*surface, cx + std::max(name.width + th / 4, cells[k] - number.width),
                           cy, entries[k], th, Ink, true);
        cx += cells[k] + gap;
    }
    return r;
}

platform::Rect DrawKoiKoiBadge(platform::Surface* surface, int x, int y, int calls, int resolution,
                               int textHeight) {
    const int th = textHeight > 0 ? textHeight : MarkTextHeight(resolution), pad = Pad(resolution);
    std::string text = platform::Tr("Marks", "こいこい");
    if (calls > 1) text += "×" + std::to_string(std::min(calls, 9));
    const platform::Size size = platform::MarkTextExtent(text, th, true);
    const platform::Rect r = {x, y, x + size.width + 2 * pad + 2, y + size.height + 2 * pad - 2};
    if (!surface) return r;
    platform::FillRoundRect(*surface, r, r.Height() / 2, Vermilion, 235);
    platform::FrameRoundRect(*surface, r, r.Height() / 2, 1, Ink, 200);
    platform::MarkText(*surface, x + pad + 1, y + pad - 1, text, th, Ink, true);
    return r;
}

platform::Rect TurnMarkRect(const platform::Rect& around, int resolution) {
    const int m = 2 + resolution, pointer = MarkTextHeight(resolution);
    return {around.left - m - pointer, around.top - m, around.right + m, around.bottom + m};
}

void DrawTurnMark(platform::Surface& surface, const platform::Rect& around, platform::Color color,
                  int resolution) {
    const int m = 2 + resolution, pointer = MarkTextHeight(resolution);
    const platform::Rect frame = {around.left - m, around.top - m, around.right + m,
                                  around.bottom + m};
    platform::FrameRoundRect(surface, frame, m + 2, 2 + resolution / 2, color);
    const int cy = (frame.top + frame.bottom) / 2, tip = frame.left - 2;
    const int half = pointer * 2 / 5;
    platform::FillTriangle(surface, tip - pointer + 3, cy - half, tip, cy, tip - pointer + 3,
                           cy + half, color);
}

int OutlineMargin(int resolution) {
    return 3 + resolution;
}

void DrawPlayOutline(platform::Surface& surface, const platform::Rect& card, platform::Color color,
                     int resolution) {
    const int m = OutlineMargin(resolution);
    const platform::Rect outer = {card.left - m, card.top - m, card.right + m, card.bottom + m};
    // A wide faint band under a crisp line: soft, yet exact at every size.
    platform::FrameRoundRect(surface, outer, m + 2, m, color, 110);
    const platform::Rect inner = {outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1};
    platform::FrameRoundRect(surface, inner, m + 1, 2, color);
}

uint32_t TurnHoldMs(bool animation, int computers) {
    // Koi-Koi's computer plays at most eight times a hand, Hana-awase's two
    // fourteen times together.
    if (computers > 1) return animation ? 250 : 120;
    return animation ? 400 : 150;
}

void HoldComputerPlay(int player, uint32_t ms) {
    if (holdObserver) holdObserver(player);
    platform::HoldUnlessInput(ms);
}

void KeepPanelWithoutMarks(const platform::Surface& tableBase,
                           const std::vector<platform::Rect>& areas) {
    panelWithoutMarks.clear();
    for (const platform::Rect& a : areas) {
        platform::Surface kept(a.Width(), a.Height(), platform::Black, tableBase.Ratio());
        platform::BitBlt(kept, 0, 0, a.Width(), a.Height(), tableBase, a.left, a.top);
        panelWithoutMarks.emplace_back(a, std::move(kept));
    }
}

void RestorePanelWithoutMarks(platform::Surface& tableBase, const platform::Rect& r) {
    for (const auto& [area, kept] : panelWithoutMarks) {
        // Kept from a table of another size or ratio: nothing to restore.
        if (kept.Ratio() != tableBase.Ratio()) continue;
        const int left = std::max(area.left, r.left), top = std::max(area.top, r.top);
        const int right = std::min(area.right, r.right), bottom = std::min(area.bottom, r.bottom);
        if (left >= right || top >= bottom) continue;
        platform::BitBlt(tableBase, left, top, right - left, bottom - top, kept, left - area.left,
                         top - area.top);
    }
}

void SetHoldObserver(std::function<void(int player)> observer) {
    holdObserver = std::move(observer);
}

}  // namespace table
