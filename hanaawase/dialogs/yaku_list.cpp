// 役および役代: the sixteen yaku with their values and definitions. Pointing
// at a name highlights it; a click, Enter or Space opens 役 with its cards.
#include "hanaawase/dialogs/yaku_list.h"

#include <string>
#include <vector>

#include "assets/dialogs.h"
#include "core/program.h"
#include "hanaawase/dialogs/dialog_text.h"
#include "hanaawase/dialogs/dialogs.h"
#include "platform/dialog.h"
#include "platform/i18n.h"
#include "table/dialog_text.h"

namespace {

constexpr platform::Color NameBlue = 0xff0000;
constexpr platform::Color NameViolet = 0xff00c0;

struct ReferenceLine {
    int line;
    const char* name;
    int value;
    const char* definition;
    const char* label;  // of the cards dialog
    std::vector<int> cards;
};

// By list index; the value groups stand apart by an empty line.
// clang-format off
const ReferenceLine Reference[HanaYakuListSize] = {
    {4, TrNoop("HanaAwase", "藤シマ"), 20, TrNoop("HanaAwase", "『藤』の札４枚"), "藤シマ  ２０点", {12, 13, 14, 15}},
    {5, TrNoop("HanaAwase", "雨シマ"), 20, TrNoop("HanaAwase", "『柳』の札４枚"), "雨シマ  ２０点", {40, 41, 42, 43}},
    {6, TrNoop("HanaAwase", "桐シマ"), 20, TrNoop("HanaAwase", "『桐』の札４枚"), "桐シマ  ２０点", {44, 45, 46, 47}},
    {7, TrNoop("HanaAwase", "くさ"), 20, TrNoop("HanaAwase", "『藤』『菖蒲』『萩』のタン札３枚"), "くさ  ２０点", {13, 17, 25}},
    {8, TrNoop("HanaAwase", "月見"), 20, TrNoop("HanaAwase", "『芒に月』と『菊に盃』の２枚"), "月見  ２０点", {28, 32}},
    {9, TrNoop("HanaAwase", "花見"), 20, TrNoop("HanaAwase", "『桜に幕』と『菊に盃』の２枚"), "花見  ２０点", {8, 32}},
    {10, TrNoop("HanaAwase", "猪鹿蝶"), 20, TrNoop("HanaAwase", "『萩に猪』『紅葉に鹿』『牡丹に蝶』の３枚"), "猪鹿蝶  ２０点", {20, 24, 36}},
    {11, TrNoop("HanaAwase", "松桐坊主"), 20, TrNoop("HanaAwase", "『松に鶴』『桐に鳳』『芒に月』の３枚"), "松桐坊主  ２０点", {0, 28, 44}},
    {13, TrNoop("HanaAwase", "表菅原"), 30, TrNoop("HanaAwase", "『松に鶴』『梅に鶯』『桜に幕』の３枚"), "表菅原  ３０点", {0, 4, 8}},
    {14, TrNoop("HanaAwase", "のみ"), 30, TrNoop("HanaAwase", "『芒に月』『桜に幕』『菊に盃』の３枚"), "のみ  ３０点", {8, 28, 32}},
    {15, TrNoop("HanaAwase", "六タン"), 30, TrNoop("HanaAwase", "『柳』以外のタン札が６枚"), "六タン  ３０点", {5, 9, 13, 17, 21, 25}},
    {17, TrNoop("HanaAwase", "七タン"), 40, TrNoop("HanaAwase", "『柳』以外のタン札が７枚"), "七タン  ４０点", {5, 9, 13, 17, 21, 25, 33}},
    {18, TrNoop("HanaAwase", "赤タン"), 40, TrNoop("HanaAwase", "『松』『梅』『桜』のタン札３枚"), "赤タン  ４０点", {1, 5, 9}},
    {19, TrNoop("HanaAwase", "青タン"), 40, TrNoop("HanaAwase", "『牡丹』『菊』『紅葉』のタン札３枚"), "青タン  ４０点", {21, 33, 37}},
    {21, TrNoop("HanaAwase", "四光"), 60, TrNoop("HanaAwase", "『柳に道風』を除いた２０点札４枚"), "四光  ６０点", {0, 8, 28, 44}},
    {22, TrNoop("HanaAwase", "五光"), 200, TrNoop("HanaAwase", "『２０点札』を５枚全部"), "五光  ２００点", {0, 8, 28, 40, 44}},
};
// clang-format on

constexpr int SixRibbons = 10, SevenRibbons = 11;
// A column's gap after the longest name, 松桐坊主 (8 bytes from column 2),
// and after the longest value, "(２００点)"; in English after
// "Matsu-Kiri-Bōzu" and "(200 points)".
struct Columns {
    int value, definition, longestDefinition;
};
Columns ColumnsNow() {
    return HanaInJapanese() ? Columns{11, 22, 40} : Columns{19, 32, 42};
}

std::string Name(int index) {
    return platform::Tr("HanaAwase", Reference[index].name);
}

// The name's width in cells; the English names' macrons (Bōzu) are measured.
int NameBytes(int index) {
    if (HanaInJapanese()) return platform::ByteLength(Reference[index].name);
    return (platform::TextExtent(Name(index)).width + charWidth - 1) / charWidth;
}

std::string CardsLabel(int index) {
    if (HanaInJapanese()) return Reference[index].label;
    return Name(index) + "  " + HanaPoints(Reference[index].value);
}

void DrawName(platform::Surface& surface, int index, platform::Color colour) {
    const int cw = charWidth, lh = charHeight, line = Reference[index].line;
    table::WriteText(surface, 2 * cw, line * lh, Name(index), colour);
    const int y = (line + 1) * lh - 3;
    platform::DrawLine(surface, 2 * cw, y, (NameBytes(index) + 2) * cw, y, colour);
}

class YakuCardsProc : public platform::DialogProc {
  public:
    explicit YakuCardsProc(int index) : index_(index) {}
    void OnInit(platform::Dialog& d) override {
        const int cw = charWidth, lh = charHeight;
        const platform::Rect ok = d.ItemRect(1);
        const int width = 5 * HanaDialogCardWidth() + 4 * cw;
        const int height = HanaDialogCardHeight() + 4 * lh + ok.Height();
        d.SetClientSize(width, height);
        d.MoveItem(1, (width - ok.Width()) / 2, height - lh - ok.Height(), ok.Width(), ok.Height());
        d.SetFocusItem(1);
        d.Invalidate();
    }
    void OnPaint(platform::Dialog&, platform::Surface& surface) override {
        HanaDialogFace face{surface};
        face.Text(2, 1, CardsLabel(index_));
        const int cardW = HanaDialogCardWidth();
        // The ribbons overlap so that no row is wider than five cards.
        const double step = index_ == SixRibbons     ? cardW - static_cast<double>(cardW) / 5
                            : index_ == SevenRibbons ? cardW - 2.0 * cardW / 6
                                                     : cardW;
        double x = 2 * charWidth;
        for (int card : Reference[index_].cards) {
            HanaBlitCard(surface, static_cast<int>(x), 2 * charHeight, card);
            x += step;
        }
    }

  private:
    int index_;
};

class YakuListProc : public platform::DialogProc {
  public:
    void OnInit(platform::Dialog& d) override {
        highlighted_ = 0;
        // Widened when the definitions need more room than the template.
        const platform::Size s = d.ClientSize();
        const Columns columns = ColumnsNow();
        const int width = (columns.definition + columns.longestDefinition + 2) * charWidth;
        if (s.width < width) {
            d.SetClientSize(width, s.height);
            const platform::Rect ok = d.ItemRect(1);
            d.MoveItem(1, (width - ok.Width()) / 2, ok.top, ok.Width(), ok.Height());
        }
        d.SetFocusItem(1);
        d.Invalidate();
    }
    void OnPaint(platform::Dialog&, platform::Surface& surface) override {
        HanaDialogFace face{surface};
        const Columns columns = ColumnsNow();
        if (HanaInJapanese()) {
            face.Text(11, 1, "役とその役代（点数単位：点）の一覧です。");
            face.Text(2, 2, "役札を表示する場合は、表示したい役をクリックしてください。");
        } else {
            // The English lines are centred over the list.
            const int width = (columns.definition + columns.longestDefinition + 2) * charWidth;
            const char* const lines[2] = {
                TrNoop("HanaAwase", "役とその役代（点数単位：点）の一覧です。"),
                TrNoop("HanaAwase", "役札を表示する場合は、表示したい役をクリックしてください。")};
            for (int i = 0; i < 2; ++i) {
                const std::string english = platform::Tr("HanaAwase", lines[i]);
                face.TextAt((width - platform::TextExtent(english).width) / 2, (i + 1) * charHeight,
                            english);
            }
        }
        for (int i = 0; i < HanaYakuListSize; ++i) {
            DrawName(surface, i, NameBlue);
            std::string value = "(";
            value += HanaInJapanese() ? HanaFullWidthNumber(Reference[i].value) + "点"
                                      : HanaPoints(Reference[i].value);
            value += ")";
            face.Text(columns.value, Reference[i].line, value);
            face.Text(columns.definition, Reference[i].line,
                      platform::Tr("HanaAwase", Reference[i].definition));
        }
        DrawName(surface, highlighted_, NameViolet);
    }
    void OnMouseMove(platform::Dialog& d, int x, int y) override {
        int index = HanaYakuListHit(x, y);
        if (index != -1 && index != highlighted_) Highlight(d, index);
    }
    void OnLeftButtonDown(platform::Dialog& d, int x, int y) override {
        int index = HanaYakuListHit(x, y);
        if (index == -1) return;
        Highlight(d, index);
        HanaShowYakuCards(index);
    }
    bool OnKeyDown(platform::Dialog& d, platform::DialogKey key) override {
        using platform::DialogKey;
        switch (key) {
            case DialogKey::Enter:
            case DialogKey::Space:
                HanaShowYakuCards(highlighted_);
                return true;
            case DialogKey::Left:
            case DialogKey::Up:
                Highlight(d, (highlighted_ + HanaYakuListSize - 1) % HanaYakuListSize);
                return true;
            case DialogKey::Right:
            case DialogKey::Down:
                Highlight(d, (highlighted_ + 1) % HanaYakuListSize);
                return true;
            default:
                return false;
        }
    }
    int Highlighted() const { return highlighted_; }

  private:
    void Highlight(platform::Dialog& d, int index) {
        highlighted_ = index;
        d.Invalidate();
    }
    int highlighted_ = 0;
};

YakuListProc* openList = nullptr;

}  // namespace

int HanaYakuListHit(int x, int y) {
    const int cw = charWidth, lh = charHeight;
    for (int i = HanaYakuListSize - 1; i >= 0; --i) {
        const int line = Reference[i].line;
        if (cw * 2 <= x && x <= (2 + NameBytes(i)) * cw && line * lh <= y &&
            y <= (line + 1) * lh - 3)
            return i;
    }
    return -1;
}

int HanaYakuListHighlighted() {
    return openList ? openList->Highlighted() : -1;
}

int HanaShowYakuList() {
    YakuListProc proc;
    openList = &proc;
    platform::DialogBox(assets::DialogTemplateFor(dlg::HanaYakuList), proc);
    openList = nullptr;
    return 1;
}

int HanaShowYakuCards(int index) {
    if (index < 0 || index >= HanaYakuListSize) return 1;
    YakuCardsProc proc(index);
    platform::DialogBox(assets::DialogTemplateFor(dlg::YakuCards), proc);
    return 1;
}
