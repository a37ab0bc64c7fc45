// The status panel painted into the table (plates, names, game totals, the
// home-page label), the still result banner, and the whole-table redraws.
#include <cstdlib>
#include <string>

#include "assets/catalogue.h"
#include "core/program.h"
#include "display/display.h"
#include "hanaawase/flow.h"
#include "hanaawase/state.h"
#include "hanaawase/ui/layout_tables.h"
#include "hanaawase/ui/marks.h"
#include "hanaawase/ui/outcome.h"
#include "hanaawase/ui/table.h"
#include "table/banner_animation.h"

namespace {

constexpr int DigitSheet = 713, PlateSheet = 714, NameSheet = 715;
constexpr int MinusGlyph = 10, PlusGlyph = 11;
constexpr int MaxShownTotal = 9999;

const platform::Surface& Sheet(int base) {
    return assets::LoadImage(assets::TableImage(base, resolution));
}

// A glyph: its mask by AND, then its picture by OR.
void Glyph(int x, int y, int w, int h, const platform::Surface& sheet, int px, int py, int mx,
           int my, platform::Surface& layer = tableBase) {
    platform::DrawMasked(layer, x, y, w, h, sheet, px, py, sheet, mx, my);
}

void Digit(int x, int y, int cell) {
    const int r = resolution, w = HanaDigitW[r], h = HanaDigitH[r], b = backgroundChoice;
    Glyph(x, y, w, h, Sheet(DigitSheet), cell * w, 2 * b * h, cell * w, (2 * b + 1) * h);
}

void Plate(int player, platform::Surface& layer) {
    const int r = resolution, w = HanaPlateW[r], h = HanaPlateH[r];
    const int column = 2 * backgroundChoice + (player == hana.dealer ? 0 : 1);
    Glyph(HanaPlateX[r][player], HanaPlateY[r][player], w, h, Sheet(PlateSheet), column * w, 0,
          column * w, h, layer);
}

void Name(int player) {
    const int r = resolution, w = HanaNameW[r], h = HanaNameH[r], b = backgroundChoice;
    const int row = player == 0 ? 0 : 2;
    const int x = HanaNameX[r][player], y = HanaNameY[r][player];
    Glyph(x, y, w, h, Sheet(NameSheet), b * w, row * h, b * w, (row + 1) * h);
    // COM1 and COM2: the player's number after the name.
    if (player != 0) Digit(x + w, y, player);
}

void Total(int player) {
    const int r = resolution, w = HanaDigitW[r], right = HanaScoreRightX[r][player];
    const int y = HanaScoreY[r][player], total = hana.totalScore[player];
    const int magnitude = std::abs(total);
    const std::string text = magnitude > MaxShownTotal ? "9999" : std::to_string(magnitude);
    const int L = static_cast<int>(text.size());
    for (int i = 0; i < L; ++i) Digit(right - (L - i) * w, y, text[i] - '0');
    if (total != 0) Digit(right - (L + 1) * w, y, total < 0 ? MinusGlyph : PlusGlyph);
    // The unit 点 follows the twelve digit and sign cells.
    const int b = backgroundChoice, h = HanaDigitH[r];
    Glyph(right, y, HanaUnitW[r], h, Sheet(DigitSheet), 12 * w, 2 * b * h, 12 * w, (2 * b + 1) * h);
}

void HomePageLabel() {
    const int* label = HanaHomeLabel[resolution];
    platform::BitBlt(tableBase, label[0], label[1], label[2], label[3], *homePageLabel, 0, 0);
}

int WholeWidth() {
    return ClientWidth[resolution];
}
int WholeHeight() {
    return ClientHeight[resolution];
}

}  // namespace

int HanaDrawPlates(platform::Surface& layer) {
    for (int player = 0; player < 3; ++player) Plate(player, layer);
    return 1;
}

int HanaDrawPanel() {
    tableBase = pristineBackground;
    for (int player = 0; player < 3; ++player) {
        Plate(player, tableBase);
        Name(player);
        if (player == 1) HomePageLabel();
        Total(player);
    }
    HanaDrawTableMarks();
    backBuffer = tableBase;
    pileLayer = tableBase;
    return 1;
}

int HanaDrawResultBanner() {
    const platform::Surface& banner = assets::LoadImage(
        assets::TableImage(HanaBannerBase(HanaGameOutcome(hana.totalScore)), resolution));
    table::DarkenTable(backBuffer, WholeWidth(), WholeHeight(), resolution);
    platform::BitBlt(backBuffer, (WholeWidth() - banner.Width()) / 2,
                     (WholeHeight() - banner.Height()) / 2, banner.Width(), banner.Height(), banner,
                     0, 0);
    return 1;
}

int HanaRedrawTable() {
    HanaRepaintRect(0, 0, WholeWidth(), WholeHeight());
    if (gameState == HanaUserTurn) {
        switch (subState) {
            case 1:
                HanaDrawHandCursor(cursorSlot);
                break;
            case 2:
                HanaDrawHandCursor(hana.chosenHandSlot);
                if (hana.chosenHandSlot >= 0 && (cursorSlot == 0 || cursorSlot == 1))
                    HanaDrawFieldCursor(hana.matchSlots[0][hana.chosenHandSlot][cursorSlot]);
                break;
            case 4:
                if (cursorSlot == 0 || cursorSlot == 1)
                    HanaDrawFieldCursor(hana.matchSlots[0][HanaDrawnSlot][cursorSlot]);
                break;
            default:
                break;
        }
    }
    if (gameState == HanaFinalWait) HanaDrawResultBanner();
    return HanaPresentRect(0, 0, WholeWidth() - 1, WholeHeight() - 1);
}

int HanaRebuildTable() {
    HanaLoadTableImages();
    HanaDrawPanel();
    if (gameState == HanaFinalWait) {
        HanaDrawResultBanner();
        return HanaPresentRect(0, 0, WholeWidth() - 1, WholeHeight() - 1);
    }
    for (int player = 0; player < 3; ++player) HanaDrawPiles(player);
    for (int player = 0; player < 3; ++player) HanaDrawHand(player);
    return HanaRedrawTable();
}
