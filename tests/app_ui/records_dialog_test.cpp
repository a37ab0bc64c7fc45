#include "app/records_dialog.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>

#include "app/core/program.h"
#include "app/core/records.h"
#include "app/startup.h"
#include "platform/dialog.h"

using platform::Dialog;

namespace {

constexpr int ClearButton = 1021;

// Ink (text) inside the character cells [col0, col1) of one row.
bool InkIn(const platform::Surface& face, int col0, int col1, int row) {
    for (int y = row * charHeight; y < (row + 1) * charHeight; ++y)
        for (int x = col0 * charWidth; x < std::min(col1 * charWidth, face.Width()); ++x)
            if ((face.Pixel(x, y) & 0xFF) < 100) return true;
    return false;
}

platform::Surface RecordsPicture(std::function<void(Dialog&)> more = nullptr) {
    MeasureCharacterCell();
    platform::Surface picture;
    platform::testing::SetDialogHook([&](Dialog& d, int) {
        picture = d.Snapshot();
        if (more) more(d);
        d.Click(1);
    });
    ShowRecords();
    platform::testing::SetDialogHook(nullptr);
    return picture;
}

void SetRecords(std::initializer_list<int> values) {
    std::string text;
    for (int v : values) text += std::to_string(v) + " ";
    ParseRecords(text);
}

}  // namespace

// No best yet shows a dash, as does a record without one on file, never its
// marker -1000; with nothing played there is nothing to clear.
TEST(RecordsDialog, NothingPlayedShowsDashesAndNoClear) {
    ClearRecords();
    bool clearEnabled = true;
    platform::Surface face =
        RecordsPicture([&](Dialog& d) { clearEnabled = d.IsItemEnabled(ClearButton); });
    EXPECT_FALSE(clearEnabled);
    for (int row : {3, 4, 5, 6, 11, 12, 13, 14}) {
        EXPECT_TRUE(InkIn(face, 27, 33, row)) << row;
        EXPECT_FALSE(InkIn(face, 14, 27, row)) << row;
    }
    SetRecords({0, 1, 0, 0, 0, 6});  // six fields: Hana-awase played, no best on file
    face = RecordsPicture();
    EXPECT_TRUE(InkIn(face, 27, 33, 13));
    EXPECT_FALSE(InkIn(face, 14, 27, 13)) << "the marker -1000 is shown";
    EXPECT_TRUE(InkIn(face, 14, 33, 12));  // hands: 0/6
}

TEST(RecordsDialog, ClearAsksFirstAndNoKeepsEverything) {
    SetRecords({1, 0, 1, 0, 6, 0, 2, 0, 7, 0, 12, 0});
    int asked = 0;
    platform::testing::SetMessageBoxHook([&](const std::string& text, const std::string& caption) {
        ++asked;
        EXPECT_EQ(text, "成績をクリアしてもよろしいですか？");
        EXPECT_EQ(caption, "成績表");
        return platform::BoxAnswer::No;
    });
    RecordsPicture([](Dialog& d) { d.Click(ClearButton); });
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(recKoiTotalMon, 12);

    platform::testing::SetMessageBoxHook(
        [](const std::string&, const std::string&) { return platform::BoxAnswer::Yes; });
    RecordsPicture([](Dialog& d) { d.Click(ClearButton); });
    platform::testing::SetMessageBoxHook(nullptr);
    EXPECT_EQ(recKoiTotalMon, 0);
    EXPECT_EQ(recKoiHandsPlayed, 0);
    EXPECT_EQ(recHanaBestHand, NoHanaBestHand);
}
