// The Koi-Koi dialogs, seen through the dialog hook: sizes, buttons, texts
// and what they show.
#include "assets/dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <vector>

#include "koikoi/ui/dialog_conventions.h"
#include "koikoi/ui/dialogs.h"
#include "platform/dialog.h"
#include "platform/i18n.h"
#include "tests/koikoi_ui/solid_table.h"

using namespace koiui;

namespace {

class DialogsTest : public SolidTable {
  protected:
    void SetUp() override {
        SolidTable::SetUp();
        if (charWidth == 0) charWidth = 8, charHeight = 17;
    }
    void TearDown() override {
        platform::testing::SetDialogHook(nullptr);
        SolidTable::TearDown();
    }
    // Runs `show` with `inspect` called inside the dialog, which must end it.
    template <typename Show, typename Inspect>
    static void WithDialog(Show show, Inspect inspect) {
        platform::testing::SetDialogHook(inspect);
        show();
        platform::testing::SetDialogHook(nullptr);
    }
};

constexpr int Stop = 1022, Continue = 1000;

}  // namespace

TEST(NumberToKanji, WritesThePlacesAndOmitsTheOnes) {
    EXPECT_EQ(NumberToKanji(0), "〇");
    EXPECT_EQ(NumberToKanji(1), "一");
    EXPECT_EQ(NumberToKanji(10), "十");
    EXPECT_EQ(NumberToKanji(15), "十五");
    EXPECT_EQ(NumberToKanji(20), "二十");
    EXPECT_EQ(NumberToKanji(100), "百");
    EXPECT_EQ(NumberToKanji(110), "百十");
    EXPECT_EQ(NumberToKanji(999), "九百九十九");
    EXPECT_EQ(NumberToKanji(1000), "千");
    EXPECT_EQ(NumberToKanji(2000), "二千");
    EXPECT_EQ(NumberToKanji(1203), "千二百三");
    EXPECT_EQ(NumberToKanji(9999), "九千九百九十九");
    EXPECT_EQ(NumberToKanji(10000), "九千九百九十九");
}

// English writes amounts in Arabic numerals and names the yaku in rōmaji;
// Japanese keeps its kanji.
TEST_F(DialogsTest, EnglishTextsUseArabicNumeralsAndRomaji) {
    ResetHandState();
    GiveCards(0, {3, 7, 11, 15, 19, 23, 27, 31, 35, 39, 43, 47, 1, 5, 9});
    koi.yakuMade[0][YakuKasu] = koi.yakuMade[0][YakuAkatan] = 1;
    FormHandScore(0);
    koi.dealer = 1;
    platform::SetLanguage(platform::Language::English);
    EXPECT_EQ(MonText(18), "18 mon");
    EXPECT_EQ(MonText(12345), "9999 mon");
    EXPECT_EQ(HandLabel(13), "Month 13");
    EXPECT_EQ(YakuEntryText(0, YakuKasu), "Kasu  3 mon");
    EXPECT_EQ(YakuEntryText(0, YakuAkatan), "Akatan  6 mon");
    EXPECT_EQ(YakuTotalText(), "Total  9 mon");
    EXPECT_EQ(YakuOwnerText(1), "COM's yaku");
    EXPECT_EQ(OyakenTakerText(), "COM is the dealer and takes 3 mon.");
    platform::SetLanguage(platform::Language::Japanese);
    EXPECT_EQ(MonText(18), "十八文");
    EXPECT_EQ(HandLabel(13), "十三月");
    EXPECT_EQ(YakuEntryText(0, YakuKasu), "カス  三文");
}

TEST_F(DialogsTest, YakuDialogGrowsARowPerTwoYakuAndPlacesItsButtons) {
    for (int res = 0; res < 3; ++res) {
        UseResolution(res);
        ResetHandState();
        GiveCards(0, {3, 7, 11, 15, 19, 23, 27, 31, 35, 39, 43, 47, 1, 5, 9});
        koi.yakuMade[0][YakuKasu] = koi.yakuMade[0][YakuAkatan] = 1;
        koi.yakuMade[0][YakuTan] = 0;
        koi.yakuMade[0][YakuSanko] = 0;
        koi.handCount[0] = 3;
        FormHandScore(0);
        EXPECT_EQ(YakuEntryText(0, YakuKasu), "カス  三文");
        EXPECT_EQ(YakuEntryText(0, YakuAkatan), "赤タン  六文");
        EXPECT_EQ(YakuTotalText(), "合計  九文");
        int result = -1;
        WithDialog([&] { result = YakuMadeDialog(0, -1); },
                   [&](platform::Dialog& d, int number) {
                       EXPECT_EQ(number, 211);
                       const platform::Rect stop = d.ItemRect(Stop), cont = d.ItemRect(Continue);
                       const int bw = stop.Width() - 1, bh = stop.Height() - 1;
                       const int w = 6 + 6 * CardWidth[res] + 6 * charWidth;
                       const int h = 25 + (CardHeight[res] + 2 * charHeight) + 6 * charHeight + bh;
                       EXPECT_EQ(d.ClientSize().width, w - 6);
                       EXPECT_EQ(d.ClientSize().height, h - 25);
                       EXPECT_EQ(stop.left, (w - 2 * bw) / 3);
                       EXPECT_EQ(cont.left, bw + 2 * ((w - 2 * bw) / 3));
                       EXPECT_EQ(stop.top, h - charHeight - 25 - bh);
                       EXPECT_TRUE(d.IsItemEnabled(Stop));
                       EXPECT_TRUE(d.IsItemEnabled(Continue));
                       // Cards under each name: カス on the left, 赤タン right of it.
                       platform::Surface shot = d.Snapshot();
                       const int y = 4 * charHeight + 5;
                       EXPECT_EQ(shot.Pixel(2 * charWidth + 1, y), FaceColour(3));
                       EXPECT_EQ(shot.Pixel(2 * charWidth + 2 * CardWidth[res] + 1, y),
                                 FaceColour(47));
                       const int right = 4 * charWidth + 3 * CardWidth[res];
                       EXPECT_EQ(shot.Pixel(right + 1, y), FaceColour(1));
                       EXPECT_EQ(shot.Pixel(right + 2 * CardWidth[res] + 1, y), FaceColour(9));
                       d.Click(2);  // Esc does not end it
                       d.SendKey(platform::DialogKey::Right);
                       d.SendKey(platform::DialogKey::Enter);
                   });
        EXPECT_EQ(result, 0) << res;  // こいこい, chosen by the keys
    }
}

TEST_F(DialogsTest, ThreeYakuMakeTwoRowsAndAnEmptyHandCannotPlayOn) {
    GiveCards(0, {20, 24, 36, 4, 12, 16});
    koi.yakuMade[0][YakuTane] = koi.yakuMade[0][YakuInoshikacho] = 1;
    koi.yakuMade[0][YakuTan] = 1;
    GiveCards(0, {1, 5, 9, 13, 17});
    koi.handCount[0] = 0;
    FormHandScore(0);
    EXPECT_EQ(YakuEntryText(0, YakuTan), "タン  一文");
    int result = -1;
    WithDialog([&] { result = YakuMadeDialog(0, -1); },
               [&](platform::Dialog& d, int) {
                   const int bh = d.ItemRect(Stop).Height() - 1;
                   EXPECT_EQ(d.ClientSize().height,
                             2 * (CardHeight[0] + 2 * charHeight) + 6 * charHeight + bh);
                   EXPECT_FALSE(d.IsItemEnabled(Continue));
                   d.Click(Continue);  // disabled: nothing happens
                   d.SendKey(platform::DialogKey::Enter);
               });
    EXPECT_EQ(result, 1);
}

// Whatever Left, Right and Tab do, the button drawn as chosen is the one
// that has the focus, and Enter or Space presses it.
TEST_F(DialogsTest, EnterAndSpacePressTheButtonDrawnAsChosen) {
    using K = platform::DialogKey;
    struct Case {
        std::vector<K> keys;
        int answer;  // 1 勝負, 0 こいこい
    };
    const Case cases[] = {
        {{K::Enter}, 1},
        {{K::Right, K::Enter}, 0},
        {{K::Tab, K::Enter}, 0},
        {{K::Tab, K::Space}, 0},
        {{K::Right, K::Tab, K::Enter}, 1},
        {{K::Right, K::Left, K::Space}, 1},
        {{K::Left, K::Left, K::Enter}, 1},
        {{K::Left, K::Right, K::Right, K::Enter}, 0},
    };
    GiveCards(0, {20, 24, 36});
    koi.yakuMade[0][YakuInoshikacho] = 1;
    koi.handCount[0] = 4;
    FormHandScore(0);
    for (const Case& c : cases) {
        int result = -1;
        WithDialog([&] { result = YakuMadeDialog(0, -1); },
                   [&](platform::Dialog& d, int) {
                       EXPECT_EQ(d.ChosenButton(), Stop);
                       for (K key : c.keys) {
                           EXPECT_EQ(d.ChosenButton(), d.FocusItem());
                           d.SendKey(key);
                       }
                       if (!d.HasEnded()) {
                           ADD_FAILURE() << "the keys did not answer";
                           d.Click(Stop);
                       }
                   });
        EXPECT_EQ(result, c.answer) << c.keys.size() << " keys, last " << int(c.keys.back());
    }
    // The computer's choice: the disabled button is never chosen, by any key.
    GiveCards(1, {20, 24, 36});
    koi.yakuMade[1][YakuInoshikacho] = 1;
    koi.handCount[1] = 4;
    FormHandScore(1);
    int result = -1;
    WithDialog([&] { result = YakuMadeDialog(1, 0); },
               [&](platform::Dialog& d, int) {
                   for (K key : {K::Right, K::Tab, K::Left, K::Tab}) {
                       d.SendKey(key);
                       EXPECT_EQ(d.ChosenButton(), Continue);
                   }
                   d.SendKey(K::Enter);
               });
    EXPECT_EQ(result, 0);
}

TEST_F(DialogsTest, TheComputersAnnouncementLeavesOnlyItsChoiceEnabled) {
    GiveCards(1, {20, 24, 36});
    koi.yakuMade[1][YakuInoshikacho] = 1;
    koi.handCount[1] = 4;
    FormHandScore(1);
    for (int answer : {0, 1}) {
        int result = -1;
        WithDialog([&] { result = YakuMadeDialog(1, answer); },
                   [&](platform::Dialog& d, int) {
                       EXPECT_EQ(d.IsItemEnabled(Stop), answer == 1);
                       EXPECT_EQ(d.IsItemEnabled(Continue), answer == 0);
                       // Enter takes the one enabled button, whichever it is.
                       d.SendKey(platform::DialogKey::Enter);
                   });
        EXPECT_EQ(result, answer);
    }
}

TEST_F(DialogsTest, TenKasuCardsEndTwoCardWidthsRightOfTheFirst) {
    GiveCards(0, {3, 7, 11, 15, 19, 23, 27, 31, 35, 39});
    platform::Surface face(400, 200, platform::White);
    DrawYakuCards(face, 10, 10, 0, YakuKasu);
    const int w = CardWidth[0];
    EXPECT_EQ(face.Pixel(10 + 2 * w, 20), FaceColour(39));
    EXPECT_EQ(face.Pixel(10 + 3 * w - 1, 20), FaceColour(39));
    EXPECT_EQ(face.Pixel(10 + 3 * w, 20), platform::White);
    EXPECT_EQ(face.Pixel(10, 20), FaceColour(3));
}

TEST_F(DialogsTest, SakeYakuReadFiveMonWithTheFiveMonOption) {
    sakeOption = 2;
    GiveCards(0, {8, 32});
    EXPECT_EQ(YakuEntryText(0, YakuHanamizake), "花見酒  五文");
    sakeOption = 1;
    EXPECT_EQ(YakuEntryText(0, YakuHanamizake), "花見酒  三文");
}

// The first line of a painted dialog as `text` centred on it would look.
bool FirstLineReads(platform::Dialog& d, const std::string& text) {
    const platform::Surface shot = d.Snapshot();
    platform::Surface expected(shot.Width(), shot.Height(), FaceColor());
    const int x = (d.ClientSize().width - platform::ByteLength(text) * charWidth) / 2;
    WriteText(expected, x, charHeight, text);
    for (int y = charHeight; y < 2 * charHeight; ++y)
        for (int px = 0; px < shot.Width(); ++px)
            if (shot.Pixel(px, y) != expected.Pixel(px, y)) return false;
    return true;
}

TEST_F(DialogsTest, TheYakuDialogSaysWhoseYakuItShows) {
    for (int player : {0, 1}) {
        ResetHandState();
        GiveCards(player, {20, 24, 36});
        koi.yakuMade[player][YakuInoshikacho] = 1;
        koi.handCount[player] = 4;
        FormHandScore(player);
        bool own = false, other = true;
        WithDialog([&] { YakuMadeDialog(player, player == 1 ? 1 : -1); },
                   [&](platform::Dialog& d, int) {
                       own = FirstLineReads(d, YakuOwnerText(player));
                       other = FirstLineReads(d, YakuOwnerText(player ^ 1));
                       d.Click(Stop);
                   });
        EXPECT_TRUE(own) << player;
        EXPECT_FALSE(other) << player;
    }
    EXPECT_EQ(YakuOwnerText(0), "あなたの役");
    EXPECT_EQ(YakuOwnerText(1), "ＣＯＭの役");
}

TEST_F(DialogsTest, TheOyakenNoticeSaysWhichDealerTakesTheThreeMon) {
    for (int dealer : {0, 1}) {
        koi.dealer = dealer;
        int seen = 0;
        bool ink = false;
        WithDialog([] { ShowOyakenNotice(); },
                   [&](platform::Dialog& d, int number) {
                       seen = number;
                       platform::Surface expected(d.ClientSize().width, d.ClientSize().height,
                                                  FaceColor());
                       const int y = charHeight + charHeight * 3 / 2;
                       WriteText(expected, 4 * charWidth, y, OyakenTakerText());
                       const platform::Surface shot = d.Snapshot();
                       ink = true;
                       for (int py = y; py < y + charHeight; ++py)
                           for (int x = 0; x < shot.Width(); ++x)
                               ink = ink && shot.Pixel(x, py) == expected.Pixel(x, py);
                       // The button sits below the second line.
                       EXPECT_GE(d.ItemRect(1).top, y + charHeight);
                       d.Click(1);
                   });
        EXPECT_EQ(seen, 213);
        EXPECT_TRUE(ink) << dealer;
    }
    koi.dealer = 0;
    EXPECT_EQ(OyakenTakerText(), "親のあなたが三文を取ります");
    koi.dealer = 1;
    EXPECT_EQ(OyakenTakerText(), "親のＣＯＭが三文を取ります");
}

TEST_F(DialogsTest, TheOyakenNoticeGrowsByItsSecondLineAndEndsOnOk) {
    const platform::Size tmpl = [] {
        platform::Size s;
        struct P : platform::DialogProc {
            platform::Size* s;
            void OnInit(platform::Dialog& d) override {
                *s = d.ClientSize();
                d.End(1);
            }
        } p;
        p.s = &s;
        platform::DialogBox(assets::DialogTemplateFor(213), p);
        return s;
    }();
    int seen = 0;
    WithDialog([] { ShowOyakenNotice(); },
               [&](platform::Dialog& d, int number) {
                   seen = number;
                   EXPECT_GE(d.ClientSize().width, tmpl.width + 1);
                   EXPECT_EQ(d.ClientSize().height, tmpl.height + 2 * charHeight + 1);
                   // "親権  三文" is written four cells in, one row down.
                   platform::Surface shot = d.Snapshot();
                   bool ink = false;
                   for (int x = 4 * charWidth; x < 12 * charWidth; ++x)
                       for (int y = charHeight; y < 2 * charHeight; ++y)
                           ink = ink || shot.Pixel(x, y) ==
                                            platform::GetSysColor(platform::SysColor::WindowText);
                   EXPECT_TRUE(ink);
                   d.Click(1);
               });
    EXPECT_EQ(seen, 213);
}

TEST_F(DialogsTest, ScoreTableShowsSixOrTwelveRowsAndTheLastTwelveOfALongGame) {
    handsOption = 0;
    koi.handIndex = 3;
    EXPECT_EQ(ScoreTableShown().rows, 6);
    EXPECT_EQ(ScoreTableShown().first, 0);
    handsOption = 1;
    koi.handIndex = 11;
    EXPECT_EQ(ScoreTableShown().rows, 12);
    EXPECT_EQ(ScoreTableShown().first, 0);
    handsOption = 2;
    koi.handIndex = 14;  // hand 15: 「四月」 to 「十五月」
    EXPECT_EQ(ScoreTableShown().first, 3);
    EXPECT_EQ(NumberToKanji(ScoreTableShown().first + 1) + "月", "四月");
    EXPECT_EQ(NumberToKanji(ScoreTableShown().first + 12) + "月", "十五月");
}

TEST_F(DialogsTest, ScoreTableHighlightsWonHandsAndTheLargerTotal) {
    handsOption = 0;
    koi.handIndex = 2;
    koi.handScores[0] = {5, 0, -1};
    koi.handScores[1] = {0, 0, -1};
    koi.gameTotal[0] = 5;
    koi.gameTotal[1] = 0;
    const platform::Color highlight = platform::GetSysColor(platform::SysColor::BtnHighlight);
    const platform::Color face = platform::GetSysColor(platform::SysColor::BtnFace);
    int number = 0;
    WithDialog([] { ShowScoreTable(); },
               [&](platform::Dialog& d, int n) {
                   number = n;
                   platform::Surface shot = d.Snapshot();
                   const int cw = charWidth, ch = charHeight, row = ch + 2;
                   const int human = 19 * cw + 2, com = 36 * cw + 2;
                   auto rowY = [&](int r) { return ch + row * (r + 1) + 1; };
                   EXPECT_EQ(shot.Pixel(human, rowY(0)), highlight);  // 一月: 五文
                   EXPECT_EQ(shot.Pixel(com, rowY(0)), face);         // ・・・
                   EXPECT_EQ(shot.Pixel(human, rowY(1)), face);
                   EXPECT_EQ(shot.Pixel(human, rowY(2)), face);       // the hand under way
                   EXPECT_EQ(shot.Pixel(human, rowY(6)), highlight);  // the larger total
                   EXPECT_EQ(shot.Pixel(com, rowY(6)), face);
                   // The outer frame is doubled.
                   const platform::Color ink =
                       platform::GetSysColor(platform::SysColor::WindowText);
                   EXPECT_EQ(shot.Pixel(2 * cw - 1, ch + 5), ink);
                   EXPECT_EQ(shot.Pixel(2 * cw, ch + 5), ink);
                   EXPECT_EQ(shot.Pixel(2 * cw + 1, ch + 5), face);
                   d.Click(1);
               });
    EXPECT_EQ(number, 1204);
    // Equal totals: neither is highlighted.
    koi.gameTotal[1] = 5;
    handsOption = 2;
    WithDialog([] { ShowScoreTable(); },
               [&](platform::Dialog& d, int n) {
                   number = n;
                   platform::Surface shot = d.Snapshot();
                   const int cw = charWidth, ch = charHeight, row = ch + 2;
                   EXPECT_EQ(shot.Pixel(19 * cw + 2, ch + row * 13 + 1), face);
                   EXPECT_EQ(shot.Pixel(36 * cw + 2, ch + row * 13 + 1), face);
                   d.Click(1);
               });
    EXPECT_EQ(number, 208);
}

// Every value stands a blank column apart from the name before it and the
// description after it, and every line fits inside the dialog.
TEST_F(DialogsTest, ReferenceValuesStandApartAndEveryLineFits) {
    const int cw = charWidth, ch = charHeight;
    auto blank = [](const platform::Surface& s, int x, int y, int w, int h) {
        const platform::Color face = s.Pixel(1, 1);
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                if (s.Pixel(i, j) != face) return false;
        return true;
    };
    WithDialog([] { ShowYakuReference(); },
               [&](platform::Dialog& d, int) {
                   platform::Surface s = d.Snapshot();
                   const int width = d.ClientSize().width;
                   for (int row : {9, 10, 11, 14, 15, 17}) {  // 月見酒 … 五光
                       EXPECT_TRUE(blank(s, 8 * cw + 1, row * ch, cw - 2, ch - 4)) << row;
                       EXPECT_TRUE(blank(s, 20 * cw + 1, row * ch, cw + cw / 2, ch - 4)) << row;
                   }
                   for (int row = 4; row <= 17; ++row)
                       EXPECT_TRUE(blank(s, width - cw, row * ch, cw, ch)) << row;
                   d.Click(1);
               });
}

TEST_F(DialogsTest, ReferenceHighlightFollowsThePointerOverNamesAndWrapsWithTheKeys) {
    const int cw = charWidth, ch = charHeight;
    const platform::Color blue = 0xff0000, violet = 0xff00c0;
    auto underline = [&](platform::Surface& s, int row) {
        return s.Pixel(2 * cw + 1, (row + 1) * ch - 3);
    };
    int cardsShown = 0;
    platform::Size cardsSize;
    platform::Color lastCardEnd = 0, pastLastCard = 0;
    WithDialog([] { ShowYakuReference(); },
               [&](platform::Dialog& d, int number) {
                   if (number == 214) {
                       ++cardsShown;
                       cardsSize = d.ClientSize();
                       // Owned by the reference and centred over it.
                       QWidget* cards = QApplication::activeModalWidget();
                       ASSERT_TRUE(cards && cards->parentWidget());
                       EXPECT_EQ(cards->parentWidget()->windowTitle().toStdString(),
                                 "役および役代");
                       EXPECT_NEAR(cards->frameGeometry().center().x(),
                                   cards->parentWidget()->frameGeometry().center().x(), 2);
                       EXPECT_NEAR(cards->frameGeometry().center().y(),
                                   cards->parentWidget()->frameGeometry().center().y(), 2);
                       platform::Surface shot = d.Snapshot();
                       // 月見酒: two cards side by side.
                       const int x = 2 * cw + 2 * CardWidth[0];
                       lastCardEnd = shot.Pixel(x - 1, 2 * ch + 3);
                       pastLastCard = shot.Pixel(x, 2 * ch + 3);
                       d.SendKey(platform::DialogKey::Enter);
                       d.Click(1);
                       return;
                   }
                   platform::Surface shot = d.Snapshot();
                   EXPECT_EQ(underline(shot, 4), violet);  // カス at the start
                   EXPECT_EQ(underline(shot, 5), blue);
                   d.SendKey(platform::DialogKey::Left);
                   shot = d.Snapshot();
                   EXPECT_EQ(underline(shot, 17), violet);  // 五光
                   EXPECT_EQ(underline(shot, 4), blue);
                   d.SendKey(platform::DialogKey::Right);
                   // The value and description of 月見酒 are not sensitive.
                   d.SendMouseMove(12 * cw, 9 * ch + 3);
                   shot = d.Snapshot();
                   EXPECT_EQ(underline(shot, 4), violet);
                   d.SendMouseMove(3 * cw, 9 * ch + 3);
                   shot = d.Snapshot();
                   EXPECT_EQ(underline(shot, 9), violet);
                   d.SendLeftButtonDown(3 * cw, 9 * ch + 3);
                   d.Click(1);
               });
    EXPECT_EQ(cardsShown, 1);
    EXPECT_EQ(cardsSize.width, 5 * CardWidth[0] + 4 * cw);
    EXPECT_EQ(lastCardEnd, FaceColour(32));
    EXPECT_EQ(pastLastCard, platform::GetSysColor(platform::SysColor::BtnFace));
}

TEST_F(DialogsTest, TheKasuCardsEndFiveCardWidthsRightOfTheFirst) {
    const int cw = charWidth, ch = charHeight, w = CardWidth[0];
    platform::Color last = 0, past = 0;
    WithDialog([] { ShowYakuCards(0); },
               [&](platform::Dialog& d, int) {
                   platform::Surface shot = d.Snapshot();
                   last = shot.Pixel(2 * cw + 5 * w - 1, 2 * ch + 3);
                   past = shot.Pixel(2 * cw + 5 * w, 2 * ch + 3);
                   d.Click(1);
               });
    EXPECT_EQ(last, FaceColour(39));
    EXPECT_EQ(past, platform::GetSysColor(platform::SysColor::BtnFace));
}
