// 点数計算: card points, made yaku doubled, yaku paid, the base of 88, the
// hand's score and the game total of each player, the hand's best framed.
#include <algorithm>
#include <string>

#include "assets/dialogs.h"
#include "core/program.h"
#include "hanaawase/dialogs/dialog_text.h"
#include "hanaawase/dialogs/dialogs.h"
#include "hanaawase/state.h"
#include "platform/dialog.h"
#include "platform/i18n.h"

namespace {

// Player p's numbers end at column 26 + 16p; the sign stands at 16 + 16p.
int NumberEnd(int p) {
    return 26 + 16 * p;
}
int SignColumn(int p) {
    return 16 + 16 * p;
}

void EtchedFrame(platform::Surface& face, int left, int top, int right, int bottom) {
    using platform::DrawLine;
    const platform::Color shadow = platform::GetSysColor(platform::SysColor::BtnShadow);
    const platform::Color light = platform::GetSysColor(platform::SysColor::BtnHighlight);
    // The outer rectangle in shadow...
    DrawLine(face, left, top, right, top, shadow);
    DrawLine(face, left, bottom - 1, right, bottom - 1, shadow);
    DrawLine(face, left, top, left, bottom, shadow);
    DrawLine(face, right - 1, top, right - 1, bottom, shadow);
    // ...and light inside it at the left and top, outside it at the right
    // and bottom.
    DrawLine(face, left + 1, top + 1, right - 1, top + 1, light);
    DrawLine(face, left + 1, top + 1, left + 1, bottom - 1, light);
    DrawLine(face, left, bottom, right + 1, bottom, light);
    DrawLine(face, right, top, right, bottom + 1, light);
}

class ScoreSheetProc : public platform::DialogProc {
  public:
    void OnInit(platform::Dialog& d) override {
        d.SetFocusItem(1);
        d.Invalidate();
    }
    void OnPaint(platform::Dialog& d, platform::Surface& surface) override {
        HanaDialogFace face{surface};
        if (!HanaInJapanese()) {
            PaintEnglish(d, face);
        } else {
            const std::string title = HanaFullWidthNumber(hana.handsCompleted + 1) + "回戦  ";
            face.TextAt((d.ClientSize().width - platform::ByteLength(title) * charWidth) / 2,
                        charHeight, title);
            const int names[3] = {17, 32, 48};
            for (int p = 0; p < 3; ++p) face.Text(names[p], 4, HanaPlayerNames[p]);
            face.Text(3, 6, "取り札");
            face.Text(3, 7, "出来役");
            face.Text(3, 8, "支払役");
            face.Text(3, 9, "基準点");
            face.Text(2, 11, "今回得点");
            face.Text(3, 12, "総得点");
            for (int p = 0; p < 3; ++p) {
                auto number = [&](int line, const std::string& text) {
                    face.Text(NumberEnd(p) - platform::ByteLength(text), line, text);
                };
                number(6, HanaFullWidthNumber(hana.cardPoints[p]) + "点");
                number(7, HanaFullWidthNumber(hana.yakuPoints[p]) + "x2点");
                const int paid = Paid(p);
                if (paid > 0) face.Text(SignColumn(p), 8, "－");
                number(8, HanaFullWidthNumber(paid) + "点");
                face.Text(SignColumn(p), 9, "－");
                number(9, "８８点");
                face.Text(SignColumn(p), 11, HanaSignText(hana.handScore[p]));
                number(11, HanaFullWidthNumber(hana.handScore[p]) + "点");
                face.Text(SignColumn(p), 12, HanaSignText(hana.totalScore[p]));
                number(12, HanaFullWidthNumber(hana.totalScore[p]) + "点");
            }
        }
        // The hand's best, every one of them on a tie; nobody when nobody
        // scored above 0.
        const int best = std::max({0, hana.handScore[0], hana.handScore[1], hana.handScore[2]});
        for (int p = 0; p < 3; ++p) {
            if (best >= 1 && hana.handScore[p] == best)
                EtchedFrame(surface, (12 + 16 * p) * charWidth, 3 * charHeight,
                            (28 + 16 * p) * charWidth, 14 * charHeight);
        }
    }

  private:
    static int Paid(int p) {
        int paid = 0;
        for (int q = 0; q < 3; ++q)
            if (q != p) paid += hana.yakuPoints[q];
        return paid;
    }

    // English numbers are longer ("+120 points"): each is written whole,
    // its sign included, right-aligned in the player's column; the labels
    // start a cell further left.
    static void PaintEnglish(platform::Dialog& d, const HanaDialogFace& face) {
        const int cw = charWidth;
        const std::string title = platform::WithArg(platform::Tr("HanaAwase", "%1回戦"),
                                                    HanaNumber(hana.handsCompleted + 1));
        face.TextAt((d.ClientSize().width - platform::ByteLength(title) * cw) / 2, charHeight,
                    title);
        for (int p = 0; p < 3; ++p) {
            // Centred over the player's column, which is centred on 20 + 16p.
            const std::string name = HanaPlayerName(p);
            face.TextAt((20 + 16 * p) * cw - platform::ByteLength(name) * cw / 2, 4 * charHeight,
                        name);
        }
        face.Text(2, 6, platform::Tr("HanaAwase", "取り札"));
        face.Text(2, 7, platform::Tr("HanaAwase", "出来役"));
        face.Text(2, 8, platform::Tr("HanaAwase", "支払役"));
        face.Text(2, 9, platform::Tr("HanaAwase", "基準点"));
        face.Text(2, 11, platform::Tr("HanaAwase", "今回得点"));
        face.Text(2, 12, platform::Tr("HanaAwase", "総得点"));
        for (int p = 0; p < 3; ++p) {
            auto number = [&](int line, const std::string& text) {
                face.Text(NumberEnd(p) - platform::ByteLength(text), line, text);
            };
            number(6, HanaPoints(hana.cardPoints[p]));
            number(7, HanaNumber(hana.yakuPoints[p]) + "x2 points");
            const int paid = Paid(p);
            number(8, paid > 0 ? HanaSignedPoints(-paid) : HanaPoints(0));
            number(9, HanaSignedPoints(-88));
            number(11, HanaSignedPoints(hana.handScore[p]));
            number(12, HanaSignedPoints(hana.totalScore[p]));
        }
    }
};

}  // namespace

int HanaShowScoreSheet() {
    ScoreSheetProc proc;
    platform::DialogBox(assets::DialogTemplateFor(dlg::HanaScoreSheet), proc);
    return 1;
}
