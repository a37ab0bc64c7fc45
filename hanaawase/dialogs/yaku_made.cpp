// 役成立: one player's made yaku, two to a row, each with its value and its
// cards, and their sum.
#include <algorithm>
#include <string>
#include <vector>

#include "assets/dialogs.h"
#include "core/program.h"
#include "hanaawase/dialogs/dialog_text.h"
#include "hanaawase/dialogs/dialogs.h"
#include "hanaawase/state.h"
#include "hanaawase/tables.h"
#include "platform/dialog.h"
#include "platform/i18n.h"
#include "platform/window.h"

namespace {

constexpr int OkButton = 1024;
constexpr int RibbonKind = 2;

struct YakuShown {
    const char* label;  // in Japanese
    const char* name;
    std::vector<int> cards;  // empty: the player's first ribbons
    int ribbons;
    // The step between cards, as cardW - stepNumerator * cardW / stepDenominator.
    int stepNumerator, stepDenominator;
};

// By yaku number. Every yaku's cards fit in three card widths.
// clang-format off
const YakuShown Shown[HanaYakuCount] = {
    {"藤シマ  ２０点", TrNoop("HanaAwase", "藤シマ"),   {12, 13, 14, 15},    0, 1, 3},
    {"雨シマ  ２０点", TrNoop("HanaAwase", "雨シマ"),   {40, 41, 42, 43},    0, 1, 3},
    {"桐シマ  ２０点", TrNoop("HanaAwase", "桐シマ"),   {44, 45, 46, 47},    0, 1, 3},
    {"くさ  ２０点", TrNoop("HanaAwase", "くさ"),     {13, 17, 25},        0, 0, 1},
    {"月見  ２０点", TrNoop("HanaAwase", "月見"),     {28, 32},            0, 0, 1},
    {"花見  ２０点", TrNoop("HanaAwase", "花見"),     {8, 32},             0, 0, 1},
    {"猪鹿蝶  ２０点", TrNoop("HanaAwase", "猪鹿蝶"),   {20, 24, 36},        0, 0, 1},
    {"松桐坊主  ２０点", TrNoop("HanaAwase", "松桐坊主"), {0, 28, 44},         0, 0, 1},
    {"のみ  ３０点", TrNoop("HanaAwase", "のみ"),     {8, 28, 32},         0, 0, 1},
    {"表菅原  ３０点", TrNoop("HanaAwase", "表菅原"),   {0, 4, 8},           0, 0, 1},
    {"六タン  ３０点", TrNoop("HanaAwase", "六タン"),   {},                  6, 3, 5},
    {"赤タン  ４０点", TrNoop("HanaAwase", "赤タン"),   {1, 5, 9},           0, 0, 1},
    {"青タン  ４０点", TrNoop("HanaAwase", "青タン"),   {21, 33, 37},        0, 0, 1},
    {"七タン  ４０点", TrNoop("HanaAwase", "七タン"),   {},                  7, 4, 6},
    {"四光  ６０点", TrNoop("HanaAwase", "四光"),     {0, 8, 28, 44},      0, 1, 3},
    {"五光  ２００点", TrNoop("HanaAwase", "五光"),   {0, 8, 28, 40, 44},  0, 2, 4},
};
// clang-format on

int MadeCount(int player) {
    int n = 0;
    for (int t = 0; t < HanaYakuCount; ++t)
        if (hana.madeYaku[player][t]) ++n;
    return n;
}

class YakuMadeProc : public platform::DialogProc {
  public:
    explicit YakuMadeProc(int player) : player_(player) {}

    void OnInit(platform::Dialog& d) override {
        const int cw = charWidth, lh = charHeight;
        const int cardW = HanaDialogCardWidth(), cardH = HanaDialogCardHeight();
        const int made = MadeCount(player_);
        const platform::Rect ok = d.ItemRect(OkButton);
        // An English label, "Matsu-Kiri-Bōzu  20 points", may be wider than
        // the three cards below it.
        entryWidth_ = 3 * cardW;
        if (!HanaInJapanese()) {
            for (int t = 0; t < HanaYakuCount; ++t)
                if (hana.madeYaku[player_][t])
                    entryWidth_ = std::max(entryWidth_, platform::TextExtent(Label(t)).width + cw);
        }
        // Two entries a row; more when so many yaku would make the dialog
        // taller than the desktop, so that every one and the button show.
        const platform::Size desk = platform::DesktopSize();
        int width = 0, height = 0;
        for (perRow_ = 2;; ++perRow_) {
            const int rows = (made + perRow_ - 1) / perRow_;
            width = 2 * cw + perRow_ * (entryWidth_ + 2 * cw);
            height = 6 * lh + rows * (cardH + 2 * lh) + ok.Height();
            if (height + frameExtraHeight <= desk.height || rows <= 1 ||
                2 * cw + (perRow_ + 1) * (entryWidth_ + 2 * cw) + frameExtraWidth > desk.width)
                break;
        }
        d.SetClientSize(width, height);
        d.MoveItem(OkButton, (width - ok.Width()) / 2, height - lh - ok.Height(), ok.Width(),
                   ok.Height());
        d.SetFocusItem(OkButton);
        d.Invalidate();
    }

    void OnPaint(platform::Dialog& d, platform::Surface& surface) override {
        HanaDialogFace face{surface};
        const int cw = charWidth, lh = charHeight;
        const int cardW = HanaDialogCardWidth(), cardH = HanaDialogCardHeight();
        const std::string name = HanaPlayerName(player_);
        face.TextAt((d.ClientSize().width + 1 - platform::ByteLength(name) * cw) / 2, lh, name);
        int shownCount = 0, sum = 0;
        for (int t = 0; t < HanaYakuCount; ++t) {
            if (!hana.madeYaku[player_][t]) continue;
            const int x = 2 * cw + (shownCount % perRow_) * (entryWidth_ + 2 * cw);
            const int y = 3 * lh + (shownCount / perRow_) * (cardH + 2 * lh);
            ++shownCount;
            const YakuShown& shown = Shown[t];
            face.TextAt(x, y, Label(t));
            sum += HanaYakuValue[t];
            std::vector<int> cards = shown.cards;
            if (cards.empty()) {
                const int* ribbons = hana.captured[player_][RibbonKind];
                for (int i = 0; i < shown.ribbons && i < hana.capturedCount[player_][2]; ++i)
                    cards.push_back(ribbons[i]);
            }
            const double step =
                cardW - static_cast<double>(shown.stepNumerator) * cardW / shown.stepDenominator;
            double cardX = x;
            for (int card : cards) {
                HanaBlitCard(surface, static_cast<int>(cardX), y + lh, card);
                cardX += step;
            }
        }
        const int x = 2 * cw;
        const int y = 3 * lh + ((shownCount + perRow_ - 1) / perRow_) * (cardH + 2 * lh);
        face.TextAt(x, y, platform::Tr("HanaAwase", "合計") + "  " + HanaPoints(sum));
    }

  private:
    static std::string Label(int t) {
        if (HanaInJapanese()) return Shown[t].label;
        return platform::Tr("HanaAwase", Shown[t].name) + "  " + HanaPoints(HanaYakuValue[t]);
    }

    int player_;
    int perRow_ = 2;
    int entryWidth_ = 0;
};

}  // namespace

int HanaShowYakuMadeDialog(int player) {
    YakuMadeProc proc(player);
    platform::DialogBox(assets::DialogTemplateFor(dlg::HanaYakuMade), proc);
    return 1;
}
