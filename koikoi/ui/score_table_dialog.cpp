// The score table: what each player won hand by hand in this game, and both
// totals. An unlimited game past its twelfth hand shows its last twelve.
#include "assets/dialogs.h"
#include "core/program.h"
#include "koikoi/state.h"
#include "koikoi/ui/dialog_conventions.h"
#include "koikoi/ui/dialogs.h"
#include "platform/i18n.h"

namespace koiui {

namespace {

constexpr int ColumnCells = 17;  // every column is 17 cells wide
constexpr int LabelColumn = 2, HumanColumn = 19, ComColumn = 36, TableEnd = 53;

// Writes text centred in the column that starts at x.
void WriteCentred(platform::Surface& face, int x, int y, const std::string& text,
                  platform::Color background) {
    const int cw = charWidth;
    WriteText(face, x + (ColumnCells - platform::ByteLength(text)) * cw / 2, y, text, TextColor(),
              background);
}

class ScoreTableProc : public platform::DialogProc {
  public:
    void OnInit(platform::Dialog& d) override {
        KeepTemplateSize(d);
        d.SetFocusItem(1);
        d.Invalidate();
    }

    void OnPaint(platform::Dialog&, platform::Surface& face) override {
        const int cw = charWidth, ch = charHeight, row = ch + 2;
        const platform::Color highlight = platform::GetSysColor(platform::SysColor::BtnHighlight);
        const auto [rows, first] = ScoreTableShown();
        // Centred in their columns, as 「あなた」 at 24.5 cells.
        WriteCentred(face, HumanColumn * cw, ch + 2, platform::Tr("KoiKoi", "あなた"), FaceColor());
        WriteCentred(face, ComColumn * cw, ch + 2, platform::Tr("KoiKoi", "ＣＯＭ"), FaceColor());
        for (int i = 0; i < rows; ++i)
            WriteCentred(face, LabelColumn * cw, ch + row * (i + 1) + 2, HandLabel(first + i + 1),
                         FaceColor());
        WriteCentred(face, LabelColumn * cw, ch + row * (rows + 1) + 2,
                     platform::Tr("KoiKoi", "合計"), FaceColor());
        for (int p = 0; p < 2; ++p) {
            const int c = (HumanColumn + ColumnCells * p) * cw;
            const std::vector<int>& scores = koi.handScores[p];
            for (int h = first;
                 h <= koi.handIndex && h < static_cast<int>(scores.size()) && scores[h] != -1;
                 ++h) {
                const int rowIndex = h - first;
                const int top = ch + row * (rowIndex + 1);
                if (scores[h] != 0) {
                    platform::FillRect(
                        face, {c, top, c + ColumnCells * cw, ch + row * (rowIndex + 2)}, highlight);
                    WriteCentred(face, c, top + 2, MonText(scores[h]), highlight);
                } else {
                    WriteCentred(face, c, top + 2, platform::Tr("KoiKoi", "・・・"), FaceColor());
                }
            }
            // The larger total is highlighted; on a tie neither.
            const int top = ch + row * (rows + 1);
            platform::Color background = FaceColor();
            if (koi.gameTotal[p] > koi.gameTotal[p ^ 1]) {
                background = highlight;
                platform::FillRect(face, {c, top, c + ColumnCells * cw, ch + row * (rows + 2)},
                                   highlight);
            }
            WriteCentred(face, c, top + 2, MonText(koi.gameTotal[p]), background);
        }
        DrawGrid(face, rows);
    }

  private:
    static void Frame(platform::Surface& face, int left, int top, int right, int bottom) {
        const platform::Color ink = TextColor();
        platform::DrawLine(face, left, top, right - 1, top, ink);
        platform::DrawLine(face, right - 1, top, right - 1, bottom - 1, ink);
        platform::DrawLine(face, right - 1, bottom - 1, left, bottom - 1, ink);
        platform::DrawLine(face, left, bottom - 1, left, top, ink);
    }

    // The outer frame and the lines under the header, above the totals and
    // right of the labels come out doubled, one pixel apart.
    static void DrawGrid(platform::Surface& face, int rows) {
        const int cw = charWidth, ch = charHeight, row = ch + 2;
        const platform::Color ink = TextColor();
        const int left = LabelColumn * cw - 1, right = TableEnd * cw + 1;
        const int top = ch - 1, bottom = ch + row * (rows + 2) + 1;
        Frame(face, left, top, right, bottom);
        platform::DrawLine(face, left, 2 * ch + 1, right, 2 * ch + 1, ink);
        platform::DrawLine(face, left, ch + row * (rows + 1) - 1, right, ch + row * (rows + 1) - 1,
                           ink);
        platform::DrawLine(face, HumanColumn * cw - 1, top, HumanColumn * cw - 1, bottom, ink);
        for (int i = 0; i <= rows + 1; ++i) {
            const int y0 = ch + row * i, y1 = ch + row * (i + 1);
            Frame(face, LabelColumn * cw, y0, TableEnd * cw, y1);
            platform::DrawLine(face, HumanColumn * cw, y0, HumanColumn * cw, y1, ink);
            platform::DrawLine(face, ComColumn * cw, y0, ComColumn * cw, y1, ink);
        }
    }
};

}  // namespace

ScoreTableRows ScoreTableShown() {
    const int rows = handsOption != 0 ? 12 : 6;
    return {rows, koi.handIndex >= rows ? koi.handIndex - 11 : 0};
}

int ShowScoreTable() {
    ScoreTableProc proc;
    return platform::DialogBox(
        assets::DialogTemplateFor(handsOption == 0 ? dlg::KoiKoiScoreTableSixHands
                                                   : dlg::KoiKoiScoreTable),
        proc);
}

}  // namespace koiui
