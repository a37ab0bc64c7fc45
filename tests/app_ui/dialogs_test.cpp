// The program's own dialogs: the game settings and the records.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "app/records_dialog.h"
#include "app/settings_dialog.h"
#include "app/startup.h"
#include "core/program.h"
#include "core/records.h"
#include "platform/dialog.h"
#include "table/dialog_text.h"

using namespace settings_ids;
using platform::Dialog;

namespace {

// Opens the settings dialog and lets `play` act in it as the player would.
int RunSettings(std::function<void(Dialog&)> play) {
    platform::testing::SetDialogHook([&](Dialog& d, int) { play(d); });
    int result = ShowSettingsDialog();
    platform::testing::SetDialogHook(nullptr);
    return result;
}

// The rules that stand: game, hands, sake, oyaken.
std::tuple<int&, int&, int&, int&> Rules() {
    return std::tie(currentGame, handsOption, sakeOption, oyakenOption);
}

constexpr int ClearButton = 1021;

// The texts the records dialog writes on its face, `more` done inside it.
std::vector<std::string> RecordsTexts(std::function<void(Dialog&)> more = nullptr) {
    std::vector<std::string> texts;
    table::testing::SetWrittenTextHook(
        [&](std::string_view text, const platform::Rect&) { texts.emplace_back(text); });
    platform::testing::SetDialogHook([&](Dialog& d, int) {
        d.Snapshot();
        if (more) more(d);
        d.Click(1);
    });
    ShowRecords();
    platform::testing::SetDialogHook(nullptr);
    table::testing::SetWrittenTextHook(nullptr);
    return texts;
}

}  // namespace

// It opens with the current choices checked.
TEST(SettingsDialog, HanaAwaseModeGreysTheKoiKoiRulesButNotTheirLabels) {
    Rules() = std::tuple{1, 1, 2, 1};
    RunSettings([](Dialog& d) {
        EXPECT_TRUE(d.IsButtonChecked(HanaAwase));
        EXPECT_TRUE(d.IsButtonChecked(Hands12));
        for (int id : {SakeNone, Sake3, Sake5, OyakenOff, OyakenOn}) {
            EXPECT_FALSE(d.IsItemEnabled(id)) << id;
            EXPECT_FALSE(d.IsButtonChecked(id)) << id;
        }
        EXPECT_TRUE(d.IsItemEnabled(SakeLabel));
        EXPECT_TRUE(d.IsItemEnabled(OyakenLabel));
        // After こいこい and back to 花合わせ the labels are grey as well.
        d.Click(KoiKoi);
        EXPECT_TRUE(d.IsButtonChecked(Sake5));
        EXPECT_TRUE(d.IsButtonChecked(OyakenOn));
        d.Click(HanaAwase);
        EXPECT_FALSE(d.IsItemEnabled(SakeLabel));
        EXPECT_FALSE(d.IsItemEnabled(OyakenLabel));
        EXPECT_TRUE(d.IsItemEnabled(Hands12));  // the number of hands is never greyed
        d.Click(2);
    });
}

// What the player clicks, then OK (1) or ｷｬﾝｾﾙ (2), and the rules that
// stand afterwards.
TEST(SettingsDialog, OkStoresTheChoicesAndCancelNone) {
    struct Case {
        std::tuple<int, int, int, int> before;
        std::vector<int> clicks;
        int button;
        std::tuple<int, int, int, int> after;
    } cases[] = {
        // Hana-awase and back keeps the Koi-Koi rules chosen before.
        {{0, 0, 1, 0}, {Sake5, OyakenOn, HanaAwase, KoiKoi, HandsUnlimited}, 1, {0, 2, 2, 1}},
        // Hana-awase keeps a pending Koi-Koi choice for later.
        {{0, 0, 2, 1}, {Sake3, HanaAwase}, 1, {1, 0, 1, 1}},
        {{1, 1, 0, 0}, {KoiKoi, Sake5, Hands6}, 2, {1, 1, 0, 0}},
        // A greyed radio cannot be chosen.
        {{1, 0, 0, 0}, {Sake5}, 1, {1, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        Rules() = c.before;
        int result = RunSettings([&](Dialog& d) {
            for (int id : c.clicks) d.Click(id);
            d.Click(c.button);
        });
        EXPECT_EQ(result, c.button == 1 ? 1 : 0);
        EXPECT_EQ(Rules(), c.after) << ::testing::PrintToString(c.clicks);
    }
}

// Enter presses the default button when a radio button has the focus (the
// focused push button: see the yaku dialog's keys).
TEST(SettingsDialog, EnterOnARadioButtonPressesOk) {
    Rules() = std::tuple{0, 0, 0, 0};
    int result = RunSettings([](Dialog& d) {
        d.SetFocusItem(HanaAwase);
        EXPECT_EQ(d.ChosenButton(), 1);
        d.SendKey(platform::DialogKey::Enter);
        if (!d.HasEnded()) d.Click(2);
    });
    EXPECT_EQ(result, 1);
}

// No best yet shows a dash, as does a record without one on file, never its
// marker -1000; with nothing played there is nothing to clear.
TEST(RecordsDialog, NothingPlayedShowsDashesAndNoClear) {
    ClearRecords();
    bool clearEnabled = true;
    std::vector<std::string> texts =
        RecordsTexts([&](Dialog& d) { clearEnabled = d.IsItemEnabled(ClearButton); });
    EXPECT_FALSE(clearEnabled);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "－－－"), 8);
    for (const std::string& text : texts)
        EXPECT_EQ(text.find_first_of("0123456789"), std::string::npos) << text;
    ParseRecords("0 1 0 0 0 6 ");  // six fields: Hana-awase played, no best on file
    texts = RecordsTexts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "－－－"), 5) << "Koi-Koi's four and the best";
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "0/6"), 1) << "hands";
}

TEST(RecordsDialog, ClearAsksFirstAndNoKeepsEverything) {
    ParseRecords("1 0 1 0 6 0 2 0 7 0 12 0 ");
    int asked = 0;
    platform::testing::SetMessageBoxHook([&](const std::string& text, const std::string& caption) {
        ++asked;
        EXPECT_EQ(text, "成績をクリアしてもよろしいですか？");
        EXPECT_EQ(caption, "成績表");
        return platform::BoxAnswer::No;
    });
    RecordsTexts([](Dialog& d) { d.Click(ClearButton); });
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(recKoiTotalMon, 12);

    platform::testing::SetMessageBoxHook(
        [](const std::string&, const std::string&) { return platform::BoxAnswer::Yes; });
    RecordsTexts([](Dialog& d) { d.Click(ClearButton); });
    platform::testing::SetMessageBoxHook(nullptr);
    EXPECT_EQ(recKoiTotalMon, 0) << "cleared as the records' own tests show";
}
