// The yaku reference: every yaku with its value and the cards it needs. The
// names work as links: the one under the pointer or chosen with the arrow
// keys is highlighted, and opening it shows example cards.
#include <string>
#include <utility>

#include "assets/dialogs.h"
#include "core/program.h"
#include "display/display.h"
#include "koikoi/ui/dialog_conventions.h"
#include "koikoi/ui/dialogs.h"
#include "koikoi/ui/layout_tables.h"
#include "platform/i18n.h"

namespace koiui {

namespace {

struct ReferenceEntry {
    const char* name;
    int row;
    const char* value;
    const char* description;
    int cards[10];
    int cardCount;
};

// clang-format off
const ReferenceEntry ReferenceYaku[12] = {
    {TrNoop("KoiKoi", "カス"),   4, TrNoop("KoiKoi", "一文"),      TrNoop("KoiKoi", "『カス札』（１点札）１０枚"),                     {3, 7, 11, 15, 19, 23, 27, 31, 35, 39}, 10},
    {TrNoop("KoiKoi", "タン"),   5, TrNoop("KoiKoi", "一文"),      TrNoop("KoiKoi", "『タン札』（５点札）５枚"),                       {9, 13, 17, 21, 25},                     5},
    {TrNoop("KoiKoi", "タネ"),   6, TrNoop("KoiKoi", "一文"),      TrNoop("KoiKoi", "『タネ札』（１０点札）５枚"),                     {4, 12, 16, 20, 24},                     5},
    {TrNoop("KoiKoi", "月見酒"), 9, TrNoop("KoiKoi", "三文/五文"), TrNoop("KoiKoi", "『芒に月』と『菊に盃』の２枚"),                   {28, 32},                                2},
    {TrNoop("KoiKoi", "花見酒"), 10, TrNoop("KoiKoi", "三文/五文"), TrNoop("KoiKoi", "『桜に幕』と『菊に盃』の２枚"),                  {8, 32},                                 2},
    {TrNoop("KoiKoi", "猪鹿蝶"), 11, TrNoop("KoiKoi", "五文"),     TrNoop("KoiKoi", "『萩に猪』と『紅葉に鹿』と『牡丹に蝶』の３枚"),   {20, 24, 36},                            3},
    {TrNoop("KoiKoi", "赤タン"), 12, TrNoop("KoiKoi", "六文"),     TrNoop("KoiKoi", "『松・梅・桜』のタン札３枚                  "),   {1, 5, 9},                               3},
    {TrNoop("KoiKoi", "青タン"), 13, TrNoop("KoiKoi", "六文"),     TrNoop("KoiKoi", "『牡丹・菊・紅葉』のタン札３枚"),                 {21, 33, 37},                            3},
    {TrNoop("KoiKoi", "三光"),   14, TrNoop("KoiKoi", "六文"),     TrNoop("KoiKoi", "『柳に道風』を除いた『２０点札』３枚"),           {0, 8, 28},                              3},
    {TrNoop("KoiKoi", "雨四光"), 15, TrNoop("KoiKoi", "八文"),     TrNoop("KoiKoi", "『柳に道風』を含んだ『２０点札』４枚"),           {0, 8, 28, 40},                          4},
    {TrNoop("KoiKoi", "四光"),   16, TrNoop("KoiKoi", "十文"),     TrNoop("KoiKoi", "『柳に道風』を除いた『２０点札』４枚"),           {0, 8, 28, 44},                          4},
    {TrNoop("KoiKoi", "五光"),   17, TrNoop("KoiKoi", "十五文"),   TrNoop("KoiKoi", "『２０点札』を５枚全部"),                         {0, 8, 28, 40, 44},                      5},
};
// clang-format on

constexpr int EntryCount = 12;
constexpr platform::Color LinkColor = 0xff0000;      // blue
constexpr platform::Color SelectedColor = 0xff00c0;  // violet

bool InJapanese() {
    return platform::CurrentLanguage() == platform::Language::Japanese;
}

std::string Name(int entry) {
    return platform::Tr("KoiKoi", ReferenceYaku[entry].name);
}

// The name's width in cells; the English names' macrons (Gokō) are measured.
int NameBytes(int entry) {
    if (InJapanese()) return platform::ByteLength(ReferenceYaku[entry].name);
    return (platform::TextExtent(Name(entry)).width + charWidth - 1) / charWidth;
}

// Only the name is sensitive, not its value or description.
int EntryAt(int x, int y) {
    const int cw = charWidth, ch = charHeight;
    for (int i = EntryCount - 1; i >= 0; --i) {
        const int row = ReferenceYaku[i].row;
        if (x >= 2 * cw && x <= (2 + NameBytes(i)) * cw && y >= row * ch && y <= (row + 1) * ch - 1)
            return i;
    }
    return -1;
}

void DrawName(platform::Surface& face, int entry, platform::Color color) {
    const int cw = charWidth, ch = charHeight;
    const int row = ReferenceYaku[entry].row;
    WriteText(face, 2 * cw, row * ch, Name(entry), color);
    const int y = (row + 1) * ch - 3;
    platform::DrawLine(face, 2 * cw, y, (NameBytes(entry) + 2) * cw, y, color);
}

class CardsProc : public platform::DialogProc {
  public:
    explicit CardsProc(int entry) : entry_(entry) {}
    void OnInit(platform::Dialog& d) override {
        const int r = resolution;
        const int w = CardWidth[r], h = CardHeight[r];
        const platform::Rect ok = d.ItemRect(1);
        const int bw = ok.Width(), bh = ok.Height();
        const int width = frameExtraWidth + 5 * w + 4 * charWidth;
        const int height = h + 4 * charHeight + frameExtraHeight + bh;
        SetOuterSize(d, width, height);
        d.MoveItem(1, (width - bw) / 2, height - charHeight - frameExtraHeight - bh, bw + 1,
                   bh + 1);
        d.SetFocusItem(1);
        d.Invalidate();
    }
    void OnPaint(platform::Dialog&, platform::Surface& face) override {
        const int r = resolution;
        const double w = CardWidth[r];
        const ReferenceEntry& e = ReferenceYaku[entry_];
        WriteText(face, 2 * charWidth, charHeight,
                  Name(entry_) + "  " + platform::Tr("KoiKoi", e.value));
        // The ten カス cards overlap; the others lie side by side.
        // The last of them ends exactly five card widths from the first's left edge.
        const double step = entry_ == 0 ? w - 5 * w / 9 : w;
        for (int i = 0; i < e.cardCount; ++i) {
            const int x = 2 * charWidth + static_cast<int>(i * step + 1e-9);
            platform::BitBlt(face, x, 2 * charHeight, CardWidth[r], CardHeight[r],
                             *faceImages[e.cards[i]], 0, 0);
        }
    }

  private:
    int entry_;
};

// A column's gap after the longest name (6 bytes from column 2) and after
// the longest value, "(三文/五文)"; in English after "Tsukimi-zake" and
// "(3/5 mon)".
struct Columns {
    int value, description, longestDescription;
};
Columns ColumnsNow() {
    return InJapanese() ? Columns{9, 21, 44} : Columns{16, 28, 42};
}

class ReferenceProc : public platform::DialogProc {
  public:
    void OnInit(platform::Dialog& d) override {
        selection_ = 0;
        KeepTemplateSize(d);
        const Columns columns = ColumnsNow();
        FitWidth(d, (columns.description + columns.longestDescription + 2) * charWidth);
        d.SetFocusItem(1);
        d.Invalidate();
    }
    void OnPaint(platform::Dialog&, platform::Surface& face) override {
        const int cw = charWidth, ch = charHeight;
        const Columns columns = ColumnsNow();
        if (InJapanese()) {
            WriteText(face, 13 * cw, ch, "役とその役代（点数単位：文）の一覧です。");
            WriteText(face, 4 * cw, 2 * ch,
                      "役札を表示する場合は、表示したい役をクリックしてください。");
        } else {
            // The English lines are centred over the list.
            const int width = (columns.description + columns.longestDescription + 2) * cw;
            for (const auto& [line, text] :
                 {std::pair{1, TrNoop("KoiKoi", "役とその役代（点数単位：文）の一覧です。")},
                  std::pair{
                      2, TrNoop("KoiKoi",
                                "役札を表示する場合は、表示したい役をクリックしてください。")}}) {
                const std::string english = platform::Tr("KoiKoi", text);
                WriteText(face, (width - platform::TextExtent(english).width) / 2, line * ch,
                          english);
            }
        }
        for (int i = 0; i < EntryCount; ++i) {
            const ReferenceEntry& e = ReferenceYaku[i];
            DrawName(face, i, LinkColor);
            std::string value = "(";
            value += platform::Tr("KoiKoi", e.value);
            value += ")";
            WriteText(face, columns.value * cw, e.row * ch, value);
            WriteText(face, columns.description * cw, e.row * ch,
                      platform::Tr("KoiKoi", e.description));
        }
        WriteText(face, (InJapanese() ? 25 : columns.description) * cw, 7 * ch,
                  platform::Tr("KoiKoi", "以上の役は、１枚増えるごとに１文増し"));
        DrawName(face, selection_, SelectedColor);
    }
    void OnMouseMove(platform::Dialog& d, int x, int y) override {
        const int hit = EntryAt(x, y);
        if (hit != -1 && hit != selection_) Select(d, hit);
    }
    void OnLeftButtonDown(platform::Dialog& d, int x, int y) override {
        const int hit = EntryAt(x, y);
        if (hit == -1) return;
        Select(d, hit);
        ShowYakuCards(hit);
    }
    bool OnKeyDown(platform::Dialog& d, platform::DialogKey key) override {
        using platform::DialogKey;
        switch (key) {
            case DialogKey::Enter:
            case DialogKey::Space:
                ShowYakuCards(selection_);
                return true;
            case DialogKey::Left:
            case DialogKey::Up:
                Select(d, (selection_ + EntryCount - 1) % EntryCount);
                return true;
            case DialogKey::Right:
            case DialogKey::Down:
                Select(d, (selection_ + 1) % EntryCount);
                return true;
            default:
                return false;
        }
    }
    int Selection() const { return selection_; }

  private:
    void Select(platform::Dialog& d, int entry) {
        selection_ = entry;
        d.Invalidate();
    }
    int selection_ = 0;
};

}  // namespace

int ShowYakuCards(int entry) {
    if (entry < 0 || entry >= EntryCount) return 1;
    CardsProc proc(entry);
    return platform::DialogBox(assets::DialogTemplateFor(dlg::YakuCards), proc);
}

int ShowYakuReference() {
    ReferenceProc proc;
    return platform::DialogBox(assets::DialogTemplateFor(dlg::KoiKoiYakuList), proc);
}

}  // namespace koiui
