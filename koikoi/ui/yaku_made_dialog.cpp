// The yaku-made dialog: every yaku the announcing player holds, its value
// and its cards, the total, and the choice 勝負 or こいこい. The computer's
// decision is shown by leaving only its button enabled.
#include <algorithm>

#include "assets/dialogs.h"
#include "cards/cards.h"
#include "core/program.h"
#include "display/display.h"
#include "koikoi/rules.h"
#include "koikoi/state.h"
#include "koikoi/ui/dialog_conventions.h"
#include "koikoi/ui/dialogs.h"
#include "koikoi/ui/layout_tables.h"
#include "platform/i18n.h"

namespace koiui {

namespace {

constexpr int ContinueButton = 1000, StopButton = 1022;

// clang-format off
const char* const YakuNames[YakuCount] = {
    TrNoop("KoiKoi", "カス"),   TrNoop("KoiKoi", "タン"),   TrNoop("KoiKoi", "タネ"),
    TrNoop("KoiKoi", "花見酒"), TrNoop("KoiKoi", "月見酒"), TrNoop("KoiKoi", "猪鹿蝶"),
    TrNoop("KoiKoi", "赤タン"), TrNoop("KoiKoi", "青タン"), TrNoop("KoiKoi", "三光"),
    TrNoop("KoiKoi", "雨四光"), TrNoop("KoiKoi", "四光"),   TrNoop("KoiKoi", "五光")};
// clang-format on

int CountMade(int p) {
    int m = 0;
    for (int y = 0; y < YakuCount; ++y) m += koi.yakuMade[p][y] != 0;
    return m;
}

class YakuMadeProc : public platform::DialogProc {
  public:
    YakuMadeProc(int player, int comAnswer) : player_(player), comAnswer_(comAnswer) {}

    void OnInit(platform::Dialog& d) override {
        const int r = resolution;
        const int rows = (CountMade(player_) + 1) / 2;
        const platform::Rect button = d.ItemRect(StopButton);
        const int bw = button.Width(), bh = button.Height();
        const int width = frameExtraWidth + 6 * CardWidth[r] + 6 * charWidth;
        // Two more lines at the top for whose yaku they are.
        const int height =
            frameExtraHeight + rows * (CardHeight[r] + 2 * charHeight) + 6 * charHeight + bh;
        SetOuterSize(d, width, height);
        const int gap = (width - 2 * bw) / 3;
        const int y = height - charHeight - frameExtraHeight - bh;
        d.MoveItem(StopButton, gap, y, bw + 1, bh + 1);
        d.MoveItem(ContinueButton, bw + 2 * gap, y, bw + 1, bh + 1);
        bool stop = true;
        if (player_ == 0) {
            // こいこい needs a card left to play.
            d.EnableItem(ContinueButton, koi.handCount[0] != 0);
        } else {
            stop = koi.handCount[1] == 0 || comAnswer_ == 1;
            d.EnableItem(stop ? ContinueButton : StopButton, false);
        }
        d.SetFocusItem(stop ? StopButton : ContinueButton);
        d.Invalidate();
    }

    void OnPaint(platform::Dialog& d, platform::Surface& face) override {
        const int r = resolution;
        const std::string owner = YakuOwnerText(player_);
        const int ownerWidth = platform::ByteLength(owner) * charWidth;
        WriteText(face, (d.ClientSize().width - ownerWidth) / 2, charHeight, owner);
        int x = 2 * charWidth, y = 3 * charHeight;
        bool left = true;
        for (int yaku = 0; yaku < YakuCount; ++yaku) {
            if (!koi.yakuMade[player_][yaku]) continue;
            WriteText(face, x, y, YakuEntryText(player_, yaku));
            DrawYakuCards(face, x, y + charHeight, player_, yaku);
            // Two entries a row.
            if (left) {
                x += 3 * CardWidth[r] + 2 * charWidth;
            } else {
                x = 2 * charWidth;
                y += CardHeight[r] + 2 * charHeight;
            }
            left = !left;
        }
        if (!left) y += CardHeight[r] + 2 * charHeight;
        WriteText(face, 2 * charWidth, y, YakuTotalText());
    }

    // The dialog ends only by its two buttons.
    void OnCommand(platform::Dialog& d, int id) override {
        if (id == ContinueButton) d.End(0);
        if (id == StopButton) d.End(1);
    }

    // Left and Right move the focus, and with it the button drawn as
    // chosen, between the enabled buttons; Enter and Space press that one.
    bool OnKeyDown(platform::Dialog& d, platform::DialogKey key) override {
        using platform::DialogKey;
        if (key != DialogKey::Left && key != DialogKey::Right) return false;
        const int other = d.FocusItem() == StopButton ? ContinueButton : StopButton;
        if (d.IsItemEnabled(other)) d.SetFocusItem(other);
        return true;
    }

  private:
    int player_, comAnswer_;
};

void DrawFace(platform::Surface& face, int x, int y, int card) {
    const int r = resolution;
    platform::BitBlt(face, x, y, CardWidth[r], CardHeight[r], *faceImages[card], 0, 0);
}

// Cards of fixed yaku, in the order drawn.
struct FixedYakuCards {
    int yaku;
    int cards[3];
    int count;
};
// clang-format off
constexpr FixedYakuCards FixedCards[] = {
    {YakuHanamizake,   { 8, 32, -1}, 2},
    {YakuTsukimizake,  {28, 32, -1}, 2},
    {YakuInoshikacho,  {20, 24, 36}, 3},
    {YakuAkatan,       { 1,  5,  9}, 3},
    {YakuAotan,        {21, 33, 37}, 3},
};
// clang-format on

}  // namespace

std::string YakuEntryText(int p, int yaku) {
    return platform::Tr("KoiKoi", YakuNames[yaku]) + "  " + MonText(YakuValueOf(p, yaku));
}

std::string YakuOwnerText(int p) {
    return platform::Tr("KoiKoi",
                        p == 0 ? TrNoop("KoiKoi", "あなたの役") : TrNoop("KoiKoi", "ＣＯＭの役"));
}

std::string OyakenTakerText() {
    return platform::Tr("KoiKoi", koi.dealer == 0 ? TrNoop("KoiKoi", "親のあなたが三文を取ります")
                                                  : TrNoop("KoiKoi", "親のＣＯＭが三文を取ります"));
}

std::string YakuTotalText() {
    return platform::Tr("KoiKoi", "合計") + "  " + MonText(koi.handScore);
}

int DrawYakuCards(platform::Surface& face, int x, int y, int p, int yaku) {
    const double w = CardWidth[resolution];
    for (const FixedYakuCards& f : FixedCards) {
        if (f.yaku != yaku) continue;
        for (int i = 0; i < f.count; ++i)
            DrawFace(face, x + static_cast<int>(i * w), y, f.cards[i]);
        return 1;
    }
    // The counted yaku show the whole pile of their category, the last card
    // always two card widths right of the first.
    int category = PileLight;
    if (yaku == YakuKasu) category = PileKasu;
    if (yaku == YakuTan) category = PileTan;
    if (yaku == YakuTane) category = PileTane;
    const int* pile = koi.piles[p][category];
    const int n = koi.pileCount[p][category];
    double step = w;  // 三光: the three side by side
    int shown = n;
    if (yaku <= YakuTane) {
        step = n > 1 ? w - (n - 3) * w / (n - 1) : w;
    } else if (yaku == YakuAmeshiko || yaku == YakuShiko) {
        shown = n < 4 ? n : 4;
        step = w - w / 3;
    } else if (yaku == YakuGoko) {
        shown = n < 5 ? n : 5;
        step = w - 2 * w / 4;
    }
    for (int i = 0; i < shown; ++i) {
        const bool last = i == shown - 1 && yaku != YakuSanko && shown > 1;
        const int cx = last ? x + static_cast<int>(2 * w) : x + static_cast<int>(i * step + 1e-9);
        DrawFace(face, cx, y, pile[i]);
    }
    return 1;
}

int YakuMadeDialog(int player, int comAnswer) {
    YakuMadeProc proc(player, comAnswer);
    return platform::DialogBox(assets::DialogTemplateFor(dlg::KoiKoiYakuMade), proc);
}

int ShowOyakenNotice() {
    struct Proc : platform::DialogProc {
        // Grown by a line that says who takes the three 文, wide enough
        // for it; the OK button moves down by as much and stays centred.
        void OnInit(platform::Dialog& d) override {
            const platform::Size s = d.ClientSize();
            const int width =
                std::max(s.width, (platform::ByteLength(OyakenTakerText()) + 8) * charWidth);
            const int extra = 2 * charHeight;
            d.SetClientSize(width + 1, s.height + extra + 1);
            const platform::Rect ok = d.ItemRect(1);
            d.MoveItem(1, (width + 1 - ok.Width()) / 2, ok.top + extra, ok.Width(), ok.Height());
            d.SetFocusItem(1);
            d.Invalidate();
        }
        void OnPaint(platform::Dialog&, platform::Surface& face) override {
            WriteText(face, 4 * charWidth, charHeight,
                      platform::Tr("KoiKoi", "親権") + "  " + MonText(3));
            WriteText(face, 4 * charWidth, charHeight + charHeight * 3 / 2, OyakenTakerText());
        }
    } proc;
    return platform::DialogBox(assets::DialogTemplateFor(dlg::OyakenNotice), proc);
}

}  // namespace koiui
