// The Hana-awase dialogs opened for real, looked at through the dialog hook.
#include "hanaawase/dialogs/dialogs.h"

#include <gtest/gtest.h>

#include <functional>

#include "assets/catalogue.h"
#include "assets/dialogs.h"
#include "core/shell.h"
#include "hanaawase/dialogs/dialog_text.h"
#include "hanaawase/dialogs/yaku_list.h"
#include "hanaawase/tables.h"
#include "platform/dialog.h"
#include "platform/i18n.h"
#include "platform/window.h"
#include "solid_table.h"

namespace {

using platform::GetSysColor;
using platform::SysColor;

class HanaDialogTest : public ::testing::Test {
  protected:
    SolidTable table{0};
};

// Runs `open` with `look` seeing each dialog (then closed with `closeId`).
void Look(const std::function<void()>& open,
          const std::function<void(platform::Dialog&, int, const platform::Surface&)>& look,
          int closeId = 1) {
    platform::testing::SetDialogHook([&](platform::Dialog& d, int number) {
        look(d, number, d.Snapshot());
        d.Click(closeId);
    });
    open();
    platform::testing::SetDialogHook(nullptr);
}

bool HasInk(const platform::Surface& s, int x, int y, int w, int h) {
    const platform::Color face = GetSysColor(SysColor::BtnFace);
    for (int j = y; j < y + h && j < s.Height(); ++j)
        for (int i = x; i < x + w && i < s.Width(); ++i)
            if (s.Pixel(i, j) != face) return true;
    return false;
}

}  // namespace

TEST(HanaNumbersTest, FullWidthInJapaneseArabicInEnglishSignedAndCappedAt9999) {
    const struct {
        int n;
        const char *fullWidth, *sign, *english;
    } cases[] = {{0, "０", "±", "±0 points"},
                 {7, "７", "＋", "+7 points"},
                 {-88, "８８", "－", "-88 points"},
                 {10000, "９９９９", "＋", "+9999 points"},
                 {-12345, "９９９９", "－", "-9999 points"}};
    platform::SetLanguage(platform::Language::English);
    for (const auto& c : cases) {
        EXPECT_EQ(HanaFullWidthNumber(c.n), c.fullWidth);
        EXPECT_EQ(std::string(HanaSignText(c.n)), c.sign);
        EXPECT_EQ(HanaSignedPoints(c.n), c.english);
    }
    EXPECT_EQ(HanaPoints(120), "120 points");
    platform::SetLanguage(platform::Language::Japanese);
    EXPECT_EQ(HanaPoints(120), "１２０点");
    EXPECT_EQ(HanaPlayerName(2), "ＣＯＭ２");
}

// -1 is a score like any other: a hand where all three scored it is shown,
// and so are the hands after it.
TEST_F(HanaDialogTest, ResultsTableShowsAHandWhereEveryoneScoredMinusOne) {
    const int cw = charWidth, lh = charHeight;
    handsOption = 0;
    hana.handsCompleted = 2;
    const int rows[3][3] = {
        {-1, -1, -1}, {10, -5, -5}, {HanaHandNotPlayed, HanaHandNotPlayed, HanaHandNotPlayed}};
    for (int p = 0; p < 3; ++p) {
        hana.scoreHistory[p].clear();
        for (const auto& row : rows) hana.scoreHistory[p].push_back(row[p]);
        hana.totalScore[p] = rows[0][p] + rows[1][p];
    }
    Look(HanaShowResults, [&](platform::Dialog&, int, const platform::Surface& s) {
        for (int band : {1, 2})
            for (int p = 0; p < 3; ++p)
                EXPECT_TRUE(
                    HasInk(s, (20 + 17 * p) * cw, lh + (lh + 2) * band + 2, 15 * cw, lh - 2))
                    << "hand " << band << " player " << p;
        EXPECT_FALSE(HasInk(s, 20 * cw, lh + (lh + 2) * 3 + 2, 15 * cw, lh - 2));
    });
}

// Sixteen yaku at once: the dialog still fits the desktop, its button on it,
// with more entries to a row.
TEST_F(HanaDialogTest, ATallYakuMadeDialogFitsTheDesktop) {
    for (int& made : hana.madeYaku[1]) made = 1;
    GiveCaptured(1, {1, 5, 9, 13, 17, 21, 25, 33});
    const platform::Size desk = platform::DesktopSize();
    bool seen = false;
    Look([] { HanaShowYakuMadeDialog(1); },
         [&](platform::Dialog& d, int number, const platform::Surface& s) {
             if (number != 212) return;
             seen = true;
             const platform::Size c = d.ClientSize();
             EXPECT_LE(c.height + frameExtraHeight, desk.height);
             EXPECT_LE(c.width + frameExtraWidth, desk.width);
             const platform::Rect ok = d.ItemRect(1024);
             EXPECT_LE(ok.bottom, c.height);
             // The sum's line lies above the button.
             EXPECT_TRUE(
                 HasInk(s, 2 * charWidth, ok.top - 3 * charHeight, 10 * charWidth, 2 * charHeight));
         },
         1024);
    EXPECT_TRUE(seen);
    for (int& made : hana.madeYaku[1]) made = 0;
}

TEST_F(HanaDialogTest, YakuReferenceFollowsThePointerAndTheKeys) {
    const int cw = charWidth, lh = charHeight;
    const int lines[16] = {4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 17, 18, 19, 21, 22};
    int cardsOpened = -1;
    platform::testing::SetDialogHook([&](platform::Dialog& d, int number) {
        if (number == dlg::YakuCards) {
            cardsOpened = 1;
            EXPECT_EQ(d.ClientSize().width, 5 * CardWidth[0] + 4 * cw);
            d.Click(1);
            return;
        }
        EXPECT_EQ(number, dlg::HanaYakuList);
        cardsOpened = -1;
        EXPECT_EQ(HanaYakuListHighlighted(), 0);
        d.SendKey(platform::DialogKey::Up);
        EXPECT_EQ(HanaYakuListHighlighted(), 15);
        d.SendKey(platform::DialogKey::Down);
        EXPECT_EQ(HanaYakuListHighlighted(), 0);
        d.SendMouseMove(3 * cw, lines[5] * lh + 2);
        EXPECT_EQ(HanaYakuListHighlighted(), 5);
        // The value and the definition are no targets.
        d.SendMouseMove(12 * cw, lines[9] * lh + 2);
        d.SendLeftButtonDown(25 * cw, lines[9] * lh + 2);
        EXPECT_EQ(HanaYakuListHighlighted(), 5);
        EXPECT_EQ(cardsOpened, -1);
        d.SendLeftButtonDown(3 * cw, lines[10] * lh + 2);
        EXPECT_EQ(HanaYakuListHighlighted(), 10);
        EXPECT_EQ(cardsOpened, 1);
        d.Click(1);
    });
    HanaShowYakuList();
    // Opened again, it starts from 藤シマ.
    HanaShowYakuList();
    EXPECT_EQ(HanaYakuListHit(2 * cw, 4 * lh), 0);
    EXPECT_EQ(HanaYakuListHit(2 * cw, 5 * lh - 2), -1);
    EXPECT_EQ(HanaYakuListHit((2 + 4) * cw, 22 * lh), 15);
}
