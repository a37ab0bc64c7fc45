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
    const int numbers[] = {0, 1, 10, 15, 20, 100, 110, 999, 1000, 2000, 1203, 9999, 10000};
    const char* kanji[] = {
        "〇", "一",   "十",       "十五",           "二十",          "百", "百十", "九百九十九",
        "千", "二千", "千二百三", "九千九百九十九", "九千九百九十九"};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(NumberToKanji(numbers[i]), kanji[i]) << numbers[i];
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
}

TEST_F(DialogsTest, YakuDialogNamesEachYakuWithItsValueAndEscDoesNotEndIt) {
    GiveCards(0, {3, 7, 11, 15, 19, 23, 27, 31, 35, 39, 43, 47, 1, 5, 9});
    koi.yakuMade[0][YakuKasu] = koi.yakuMade[0][YakuAkatan] = 1;
    koi.handCount[0] = 3;
    FormHandScore(0);
    EXPECT_EQ(YakuEntryText(0, YakuKasu), "カス  三文");
    EXPECT_EQ(YakuEntryText(0, YakuAkatan), "赤タン  六文");
    EXPECT_EQ(YakuTotalText(), "合計  九文");
    int result = -1;
    WithDialog([&] { result = YakuMadeDialog(0, -1); },
               [&](platform::Dialog& d, int number) {
                   EXPECT_EQ(number, dlg::KoiKoiYakuMade);
                   EXPECT_TRUE(d.IsItemEnabled(Stop));
                   EXPECT_TRUE(d.IsItemEnabled(Continue));
                   d.Click(2);  // Esc does not end it
                   d.SendKey(platform::DialogKey::Right);
                   d.SendKey(platform::DialogKey::Enter);
               });
    EXPECT_EQ(result, 0);  // こいこい, chosen by the keys
}

TEST_F(DialogsTest, AnEmptyHandCannotPlayOn) {
    MakeInoshikacho(0, 0);
    int result = -1;
    WithDialog([&] { result = YakuMadeDialog(0, -1); },
               [&](platform::Dialog& d, int) {
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
    MakeInoshikacho(0, 4);
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
}

TEST_F(DialogsTest, TheComputersAnnouncementLeavesOnlyItsChoiceEnabled) {
    MakeInoshikacho(1, 4);
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
        MakeInoshikacho(player, 4);
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
