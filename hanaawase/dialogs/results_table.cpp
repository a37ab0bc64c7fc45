// 点数表: one row per hand with each player's score, the game totals at the
// bottom, the best score of each row highlighted.
#include <string>

#include "assets/dialogs.h"
#include "core/program.h"
#include "hanaawase/dialogs/dialog_text.h"
#include "hanaawase/dialogs/dialogs.h"
#include "hanaawase/state.h"
#include "platform/dialog.h"
#include "platform/i18n.h"

namespace {

// The table shows at most this many hands: an unlimited game its last ones.
constexpr int MaxRows = 12;

int Rows() {
    return handsOption == 0 ? 6 : MaxRows;
}

// Band j: 0 the header, 1..R the hands, R + 1 the totals.
int BandTop(int j) {
    return charHeight + (charHeight + 2) * j;
}

bool IsBest(const int scores[3], int p) {
    for (int q = 0; q < 3; ++q)
        if (scores[q] > scores[p]) return false;
    return scores[p] > 0;
}

void Cell(platform::Surface& surface, int band, int p, const int scores[3]) {
    using platform::GetSysColor;
    using platform::SysColor;
    HanaDialogFace face{surface};
    const int cw = charWidth;
    platform::Color background = GetSysColor(SysColor::BtnFace);
    if (IsBest(scores, p)) {
        background = GetSysColor(SysColor::BtnHighlight);
        platform::FillRect(
            surface, {(19 + 17 * p) * cw, BandTop(band), (36 + 17 * p) * cw, BandTop(band + 1)},
            background);
    }
    const int y = BandTop(band) + 2;
    if (!HanaInJapanese()) {
        // "+120 points" whole, ending where the Japanese 「点」 ends.
        const std::string text = HanaSignedPoints(scores[p]);
        face.TextAt((33 + 17 * p - platform::ByteLength(text)) * cw + cw / 2, y, text, background);
        return;
    }
    face.TextAt((21 + 17 * p) * cw + cw / 2, y, HanaSignText(scores[p]), background);
    const std::string magnitude = HanaFullWidthNumber(scores[p]) + "点";
    face.TextAt((33 + 17 * p - platform::ByteLength(magnitude)) * cw + cw / 2, y, magnitude,
                background);
}

void Grid(platform::Surface& surface, int R) {
    using platform::DrawLine;
    const platform::Color ink = platform::GetSysColor(platform::SysColor::WindowText);
    const int cw = charWidth, lh = charHeight;
    auto rectangle = [&](int l, int t, int r, int b) {
        DrawLine(surface, l, t, r, t, ink);
        DrawLine(surface, l, b - 1, r, b - 1, ink);
        DrawLine(surface, l, t, l, b, ink);
        DrawLine(surface, r - 1, t, r - 1, b, ink);
    };
    const int left = 2 * cw - 1, right = 70 * cw + 1;
    const int bottom = lh + (lh + 2) * (R + 2) + 1;
    rectangle(left, lh - 1, right, bottom);
    DrawLine(surface, left, 2 * lh + 1, right, 2 * lh + 1, ink);
    DrawLine(surface, left, BandTop(R + 1) - 1, right, BandTop(R + 1) - 1, ink);
    DrawLine(surface, 19 * cw - 1, lh - 1, 19 * cw - 1, bottom, ink);
    for (int j = 0; j <= R + 1; ++j) {
        rectangle(2 * cw, BandTop(j), 70 * cw, BandTop(j + 1));
        for (int column : {19, 36, 53})
            DrawLine(surface, column * cw, BandTop(j), column * cw, BandTop(j + 1), ink);
    }
}

class ResultsTableProc : public platform::DialogProc {
  public:
    void OnInit(platform::Dialog& d) override {
        d.SetFocusItem(1);
        d.Invalidate();
    }
    void OnPaint(platform::Dialog&, platform::Surface& surface) override {
        HanaDialogFace face{surface};
        const int cw = charWidth, R = Rows();
        const int first = hana.handsCompleted >= R ? hana.handsCompleted - (R - 1) : 0;
        if (HanaInJapanese()) {
            face.TextAt(24 * cw + cw / 2, BandTop(0) + 2, HanaPlayerNames[0]);
            face.TextAt(40 * cw + cw / 2, BandTop(0) + 2, HanaPlayerNames[1]);
            face.TextAt(57 * cw + cw / 2, BandTop(0) + 2, HanaPlayerNames[2]);
        } else {
            // Centred in the players' columns, as the Japanese names are.
            for (int p = 0; p < 3; ++p) {
                const std::string name = HanaPlayerName(p);
                face.TextAt((19 + 17 * p) * cw + (17 - platform::ByteLength(name)) * cw / 2,
                            BandTop(0) + 2, name);
            }
        }
        for (int i = 0; i < R; ++i) {
            const std::string label = HanaInJapanese()
                                          ? HanaFullWidthNumber(first + i + 1) + "回戦"
                                          : platform::WithArg(platform::Tr("HanaAwase", "%1回戦"),
                                                              HanaNumber(first + i + 1));
            face.TextAt((17 - platform::ByteLength(label)) * cw / 2 + 2 * cw, BandTop(i + 1) + 2,
                        label);
        }
        const std::string total = platform::Tr("HanaAwase", "合計");
        face.TextAt((17 - platform::ByteLength(total)) * cw / 2 + 2 * cw, BandTop(R + 1) + 2,
                    total);
        for (int k = first; k <= hana.handsCompleted; ++k) {
            int scores[3];
            bool played = false;
            for (int p = 0; p < 3; ++p) {
                const auto& history = hana.scoreHistory[p];
                scores[p] = k < static_cast<int>(history.size()) ? history[k] : HanaHandNotPlayed;
                if (scores[p] != HanaHandNotPlayed) played = true;
            }
            // The hand in progress has no scores yet.
            if (!played) break;
            for (int p = 0; p < 3; ++p) Cell(surface, k - first + 1, p, scores);
        }
        for (int p = 0; p < 3; ++p) Cell(surface, R + 1, p, hana.totalScore);
        Grid(surface, R);
    }
};

}  // namespace

int HanaShowResults() {
    ResultsTableProc proc;
    platform::DialogBox(assets::DialogTemplateFor(handsOption == 0 ? dlg::HanaResultsSixHands
                                                                   : dlg::HanaResultsTwelveHands),
                        proc);
    return 1;
}
