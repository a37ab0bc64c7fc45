// The Koi-Koi dialogs, seen through the dialog hook: sizes, buttons, texts
// and what they show.
#include "assets/dialogs.h"

#include <gtest/gtest.h>

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
TEST_F(DialogsTest, EnglishTextsUseArabicNumeralsAndRomajiAndJapaneseKanji) {
    ResetHandState();
    GiveCards(0, {3, 7, 11, 15, 19, 23, 27, 31, 35, 39, 43, 47, 1, 5, 9});
    koi.yakuMade[0][YakuKasu] = koi.yakuMade[0][YakuAkatan] = 1;
    FormHandScore(0);
    koi.dealer = 1;
    platform::SetLanguage(platform::Language::English);
    EXPECT_EQ(MonText(18), "18 mon");
    EXPECT_EQ(MonText(12345), "9999 mon");
    EXPECT_EQ(HandLabel(13), "Month 13");
    EXPECT_EQ(YakuEntryText(0, YakuAkatan), "Akatan  6 mon");
    EXPECT_EQ(YakuTotalText(), "Total  9 mon");
    EXPECT_EQ(OyakenTakerText(), "COM is the dealer and takes 3 mon.");
    platform::SetLanguage(platform::Language::Japanese);
    EXPECT_EQ(MonText(18), "十八文");
    EXPECT_EQ(HandLabel(13), "十三月");
    EXPECT_EQ(YakuEntryText(0, YakuAkatan), "赤タン  六文");
    EXPECT_EQ(YakuTotalText(), "合計  九文");
    EXPECT_EQ(YakuOwnerText(0), "あなたの役");
    EXPECT_EQ(YakuOwnerText(1), "ＣＯＭの役");
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

// The yaku-made dialog says whose yaku it shows; the human may play on only
// with cards in hand, and the computer's announcement leaves only its own
// choice enabled. Esc and clicks on a disabled button do nothing; whatever
// Left, Right and Tab do, the button drawn as chosen has the focus, and
// Enter or Space presses it.
TEST_F(DialogsTest, TheYakuDialogAnswersByItsEnabledButtonsAndTheKeys) {
    using K = platform::DialogKey;
    const struct {
        int player, handCount, comAnswer;
        std::vector<K> keys;
        int answer;  // 1 勝負, 0 こいこい
    } cases[] = {
        {0, 4, -1, {K::Enter}, 1},
        {0, 4, -1, {K::Right, K::Enter}, 0},
        {0, 4, -1, {K::Tab, K::Enter}, 0},
        {0, 4, -1, {K::Right, K::Tab, K::Enter}, 1},
        {0, 4, -1, {K::Right, K::Left, K::Space}, 1},
        {0, 4, -1, {K::Left, K::Left, K::Enter}, 1},
        {0, 4, -1, {K::Left, K::Right, K::Right, K::Enter}, 0},
        {0, 0, -1, {K::Enter}, 1},
        {1, 4, 0, {K::Enter}, 0},
        {1, 4, 1, {K::Enter}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "player " << c.player << ", hand " << c.handCount << ", "
                                        << c.keys.size() << " keys, last " << int(c.keys.back()));
        ResetHandState();
        MakeInoshikacho(c.player, c.handCount);
        platform::testing::SetDialogHook([&](platform::Dialog& d, int number) {
            EXPECT_EQ(number, dlg::KoiKoiYakuMade);
            EXPECT_TRUE(FirstLineReads(d, YakuOwnerText(c.player)));
            EXPECT_FALSE(FirstLineReads(d, YakuOwnerText(c.player ^ 1)));
            const bool stop = c.player == 0 || c.comAnswer == 1;
            const bool playOn = c.player == 0 ? c.handCount > 0 : c.comAnswer == 0;
            EXPECT_EQ(d.IsItemEnabled(Stop), stop);
            EXPECT_EQ(d.IsItemEnabled(Continue), playOn);
            d.Click(2);
            if (!playOn) d.Click(Continue);
            EXPECT_TRUE(c.player == 1 || d.ChosenButton() == Stop);
            for (K key : c.keys) {
                EXPECT_EQ(d.ChosenButton(), d.FocusItem());
                d.SendKey(key);
            }
            if (!d.HasEnded()) {
                ADD_FAILURE() << "the keys did not answer";
                d.Click(Stop);
            }
        });
        EXPECT_EQ(YakuMadeDialog(c.player, c.comAnswer), c.answer);
    }
}

// Hand 15 of an unlimited game shows 「四月」 to 「十五月」.
TEST_F(DialogsTest, ScoreTableShowsSixOrTwelveRowsAndTheLastTwelveOfALongGame) {
    const struct {
        int hands, index, rows, first;
    } cases[] = {{0, 3, 6, 0}, {1, 11, 12, 0}, {2, 14, 12, 3}};
    for (const auto& c : cases) {
        handsOption = c.hands;
        koi.handIndex = c.index;
        EXPECT_EQ(ScoreTableShown().rows, c.rows) << c.hands;
        EXPECT_EQ(ScoreTableShown().first, c.first) << c.hands;
    }
}
