// The Hana-awase dialogs opened for real, looked at through the dialog hook.
#include "hanaawase/dialogs/dialogs.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/core/shell.h"
#include "assets/catalogue.h"
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
    void TearDown() override { platform::testing::SetDialogHook(nullptr); }
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

void SetHandScores(int a, int b, int c) {
    hana.handScore[0] = a, hana.handScore[1] = b, hana.handScore[2] = c;
}

}  // namespace

TEST(HanaFullWidthNumberTest, MagnitudeInFullWidthDigitsCappedAt9999) {
    EXPECT_EQ(HanaFullWidthNumber(0), "０");
    EXPECT_EQ(HanaFullWidthNumber(7), "７");
    EXPECT_EQ(HanaFullWidthNumber(-88), "８８");
    EXPECT_EQ(HanaFullWidthNumber(10000), "９９９９");
    EXPECT_EQ(HanaFullWidthNumber(-12345), "９９９９");
    EXPECT_EQ(HanaSignText(3), std::string("＋"));
    EXPECT_EQ(HanaSignText(0), std::string("±"));
    EXPECT_EQ(HanaSignText(-3), std::string("－"));
}

TEST(HanaNumbersTest, EnglishPointsInArabicNumeralsJapaneseInFullWidthDigits) {
    platform::SetLanguage(platform::Language::English);
    EXPECT_EQ(HanaPoints(120), "120 points");
    EXPECT_EQ(HanaSignedPoints(-88), "-88 points");
    EXPECT_EQ(HanaSignedPoints(0), "±0 points");
    EXPECT_EQ(HanaSignedPoints(12345), "+9999 points");
    EXPECT_EQ(HanaPlayerName(2), "COM 2");
    platform::SetLanguage(platform::Language::Japanese);
    EXPECT_EQ(HanaPoints(120), "１２０点");
    EXPECT_EQ(HanaPlayerName(2), "ＣＯＭ２");
}

TEST_F(HanaDialogTest, ScoreSheetFramesEveryBestHandAboveZero) {
    const int cw = charWidth, lh = charHeight;
    const platform::Color shadow = GetSysColor(SysColor::BtnShadow);
    const platform::Color light = GetSysColor(SysColor::BtnHighlight);
    const platform::Color face = GetSysColor(SysColor::BtnFace);
    auto frameLeft = [&](const platform::Surface& s, int p) {
        return s.Pixel((12 + 16 * p) * cw, 5 * lh);
    };
    // Inside the left edge; neighbouring frames share their edge column.
    auto frameInside = [&](const platform::Surface& s, int p) {
        return s.Pixel((12 + 16 * p) * cw + 1, 5 * lh);
    };
    SetHandScores(12, 12, -24);
    hana.yakuPoints[0] = 20;
    Look(HanaShowScoreSheet, [&](platform::Dialog& d, int number, const platform::Surface& s) {
        EXPECT_EQ(number, 218);
        ASSERT_GE(d.ClientSize().width, 60 * cw);
        ASSERT_GE(d.ClientSize().height, 14 * lh + 2);
        EXPECT_EQ(frameLeft(s, 0), shadow);
        EXPECT_EQ(s.Pixel(12 * cw + 1, 5 * lh), light);
        EXPECT_EQ(frameLeft(s, 1), shadow);
        EXPECT_EQ(frameInside(s, 1), light);
        EXPECT_EQ(frameInside(s, 2), face);
        EXPECT_TRUE(HasInk(s, 0, lh, d.ClientSize().width, lh));  // the title
        // 支払役: player 0 pays nothing and shows no "－"; the others pay 20.
        EXPECT_FALSE(HasInk(s, 16 * cw, 8 * lh, 2 * cw, lh));
        EXPECT_TRUE(HasInk(s, 32 * cw, 8 * lh, 2 * cw, lh));
        // Every hand score and total has its sign, ± for 0.
        for (int p = 0; p < 3; ++p) EXPECT_TRUE(HasInk(s, (16 + 16 * p) * cw, 12 * lh, 2 * cw, lh));
    });
    SetHandScores(0, -3, -5);
    Look(HanaShowScoreSheet, [&](platform::Dialog&, int, const platform::Surface& s) {
        for (int p = 0; p < 3; ++p) EXPECT_EQ(frameInside(s, p), face);
    });
}

TEST_F(HanaDialogTest, ResultsTableHighlightsEachRowsBestAboveZero) {
    const int cw = charWidth, lh = charHeight;
    const platform::Color light = GetSysColor(SysColor::BtnHighlight);
    auto cell = [&](const platform::Surface& s, int band, int p) {
        return s.Pixel((19 + 17 * p) * cw + 3, lh + (lh + 2) * band + 1);
    };
    handsOption = 0;
    hana.handsCompleted = 3;
    const int rows[4][3] = {{10, -5, -5},
                            {0, 0, -3},
                            {7, 7, -20},
                            {HanaHandNotPlayed, HanaHandNotPlayed, HanaHandNotPlayed}};
    for (int p = 0; p < 3; ++p) {
        hana.scoreHistory[p].clear();
        for (const auto& row : rows) hana.scoreHistory[p].push_back(row[p]);
        hana.totalScore[p] = rows[0][p] + rows[1][p] + rows[2][p];
    }
    Look(HanaShowResults, [&](platform::Dialog& d, int number, const platform::Surface& s) {
        EXPECT_EQ(number, 209);
        ASSERT_GE(d.ClientSize().width, 70 * cw + 2);
        EXPECT_EQ(cell(s, 1, 0), light);
        EXPECT_NE(cell(s, 1, 1), light);
        for (int p = 0; p < 3; ++p) EXPECT_NE(cell(s, 2, p), light);
        EXPECT_EQ(cell(s, 3, 0), light);
        EXPECT_EQ(cell(s, 3, 1), light);
        // The hand in progress is empty; the totals 17, 2, -28.
        EXPECT_FALSE(HasInk(s, 20 * cw, lh + (lh + 2) * 4 + 2, 15 * cw, lh - 2));
        EXPECT_EQ(cell(s, 7, 0), light);
        EXPECT_NE(cell(s, 7, 1), light);
    });
    // An unlimited game shows its last twelve hands: row 1 is the second.
    handsOption = 2;
    hana.handsCompleted = 12;
    for (int p = 0; p < 3; ++p) hana.scoreHistory[p].assign(13, 0);
    hana.scoreHistory[0][0] = 50;
    hana.scoreHistory[1][1] = 50;
    Look(HanaShowResults, [&](platform::Dialog&, int number, const platform::Surface& s) {
        EXPECT_EQ(number, 210);
        EXPECT_NE(cell(s, 1, 0), light);
        EXPECT_EQ(cell(s, 1, 1), light);
    });
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

TEST_F(HanaDialogTest, YakuMadeDialogGrowsARowOfCardsPerTwoYaku) {
    const int cw = charWidth, lh = charHeight;
    const int cardW = CardWidth[0], cardH = CardHeight[0];
    for (int& made : hana.madeYaku[1]) made = 0;
    hana.madeYaku[1][RokuTan] = 1;
    GiveCaptured(1, {1, 5, 9, 13, 17, 21, 42});
    int buttonHeight = 0;
    Look([] { HanaShowYakuMadeDialog(1); },
         [&](platform::Dialog& d, int number, const platform::Surface& s) {
             EXPECT_EQ(number, 212);
             buttonHeight = d.ItemRect(1024).Height();
             EXPECT_EQ(d.ClientSize().width, 6 * cw + 6 * cardW);
             EXPECT_EQ(d.ClientSize().height, 6 * lh + (cardH + 2 * lh) + buttonHeight);
             EXPECT_EQ(d.ItemRect(1024).bottom, d.ClientSize().height - lh);
             // Six ribbons, each 2/5 of a card further on; 柳's is not shown.
             const double step = cardW - 3.0 * cardW / 5;
             EXPECT_EQ(s.Pixel(2 * cw + 1, 4 * lh + 5), FaceColour(1));
             EXPECT_EQ(s.Pixel(static_cast<int>(2 * cw + 5 * step) + cardW - 1, 4 * lh + 5),
                       FaceColour(21));
             EXPECT_FALSE(HasInk(s, static_cast<int>(2 * cw + 5 * step) + cardW, 4 * lh + 5, 3, 3));
         },
         1024);
    hana.madeYaku[1][Aotan] = 1;
    hana.madeYaku[1][Goko] = 1;
    Look([] { HanaShowYakuMadeDialog(1); },
         [&](platform::Dialog& d, int, const platform::Surface& s) {
             EXPECT_EQ(d.ClientSize().height, 6 * lh + 2 * (cardH + 2 * lh) + buttonHeight);
             // 六タン left, 青タン right, 五光 alone on the second row.
             EXPECT_EQ(s.Pixel(3 * cardW + 4 * cw + 1, 4 * lh + 5), FaceColour(21));
             EXPECT_EQ(s.Pixel(2 * cw + 1, 3 * lh + cardH + 2 * lh + lh + 5), FaceColour(0));
         },
         1024);
}

TEST_F(HanaDialogTest, YakuReferenceFollowsThePointerAndTheKeys) {
    const int cw = charWidth, lh = charHeight;
    const int lines[16] = {4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 17, 18, 19, 21, 22};
    int cardsOpened = -1;
    platform::testing::SetDialogHook([&](platform::Dialog& d, int number) {
        if (number == 214) {
            cardsOpened = 1;
            EXPECT_EQ(d.ClientSize().width, 5 * CardWidth[0] + 4 * cw);
            d.Click(1);
            return;
        }
        EXPECT_EQ(number, 216);
        cardsOpened = -1;
        EXPECT_EQ(HanaYakuListHighlighted(), 0);
        const platform::Surface s = d.Snapshot();
        EXPECT_EQ(s.Pixel(2 * cw + 1, 5 * lh - 3), platform::Color(0xff00c0));
        EXPECT_EQ(s.Pixel(2 * cw + 1, 6 * lh - 3), platform::Color(0xff0000));
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

// Every value stands a blank column apart from the name before it and the
// definition after it, every line fits inside the dialog, and the heading
// gives the unit the values are in, 点.
TEST_F(HanaDialogTest, YakuListValuesStandApartAndTheHeadingSaysTen) {
    const int cw = charWidth, lh = charHeight;
    {
        Look(HanaShowYakuList, [&](platform::Dialog& d, int number, const platform::Surface& s) {
            if (number != 216) return;
            const int width = d.ClientSize().width;
            for (int line : {11, 22}) {  // 松桐坊主 (２０点), 五光 (２００点)
                EXPECT_FALSE(HasInk(s, 10 * cw + 1, line * lh, cw - 2, lh - 4)) << line;
                EXPECT_FALSE(HasInk(s, 21 * cw + 1, line * lh, cw - 2, lh - 4)) << line;
            }
            for (int line = 4; line <= 22; ++line)
                EXPECT_FALSE(HasInk(s, width - cw, line * lh, cw, lh)) << line;
            platform::Surface heading(s.Width(), s.Height(), GetSysColor(SysColor::BtnFace));
            HanaDialogFace{heading}.Text(11, 1, "役とその役代（点数単位：点）の一覧です。");
            for (int x = 0; x < s.Width(); ++x)
                for (int y = lh; y < 2 * lh; ++y)
                    if (s.Pixel(x, y) != heading.Pixel(x, y)) {
                        ADD_FAILURE() << "the heading differs at " << x << "," << y;
                        return;
                    }
        });
    }
}

namespace {
class SoundLog : public ShellServices {
  public:
    std::vector<int> sounds;
    void PlaySound(int number) override { sounds.push_back(number); }
};
}  // namespace

TEST_F(HanaDialogTest, GameEndAnimatesTheBannerOnScheduleWithItsSound) {
    SoundLog log;
    InstallShell(&log);
    soundEffectsOn = 1;
    musicChoice = 3;
    struct Case {
        int totals[3];
        int banner, sound;
        uint32_t ms;  // cycles x frames x frame time
    };
    const Case cases[] = {{{40, 40, -100}, 400, 194, 3 * 15 * 60},
                          {{-10, 5, -20}, 500, 195, 3 * 8 * 120},
                          {{0, 0, 0}, 600, 195, 6 * 2 * 225},
                          {{-3, -3, -9}, 600, 195, 6 * 2 * 225}};
    for (const Case& c : cases) {
        table.Reset();
        log.sounds.clear();
        for (int p = 0; p < 3; ++p) hana.totalScore[p] = c.totals[p];
        const uint32_t start = table.Clock().Now();
        HanaShowGameEnd();
        EXPECT_NEAR(table.Clock().Now() - start, c.ms, 2u) << c.banner;
        EXPECT_EQ(log.sounds, std::vector<int>({c.sound}));
        // It ends on the plain banner, in the middle of the shaded table.
        const platform::Surface& banner = assets::LoadImage(assets::TableImage(c.banner, 0));
        const int x = (ClientWidth[0] - banner.Width()) / 2,
                  y = (ClientHeight[0] - banner.Height()) / 2;
        EXPECT_EQ(At(x + 7, y + 9), banner.Pixel(7, 9));
        EXPECT_EQ(At(x + banner.Width() / 2, y + banner.Height() / 2),
                  banner.Pixel(banner.Width() / 2, banner.Height() / 2));
        EXPECT_NE(At(0, 0) == platform::Black, At(1, 0) == platform::Black);
    }
    InstallShell(nullptr);
}
