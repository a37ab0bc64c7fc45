#include "core/records.h"

#include <gtest/gtest.h>

#include "tests/app/data_dir.h"

// What the reader makes of a text, written back in the file's format:
// twelve numbers, each with a space, then a NUL.
TEST(Records, TextsReadAsTheirNumbersAndAreWrittenInTheFormat) {
    const std::string Edited = "3 1 2 0 30 4 9 1 8 -5 47 -60";
    const struct {
        std::string text;
        bool ours;
        std::string numbers;
    } cases[] = {
        {"0 3 0 1 0 18 0 7 0 -25 0 -140 ", true, "0 3 0 1 0 18 0 7 0 -25 0 -140"},
        // A first run starts the Hana-awase best below any hand; nine fields
        // hold no best yet; a best of 0 on file stands.
        {"", true, "0 0 0 0 0 0 0 0 0 -1000 0 0"},
        {"1 2 3 4 5 6 7 8 9 ", true, "1 2 3 4 5 6 7 8 9 -1000 0 0"},
        {"1 2 3 4 5 6 7 8 9 0 ", true, "1 2 3 4 5 6 7 8 9 0 0 0"},
        // The text ends at the NUL.
        {std::string("4 5 \0 7 7 7", 11), true, "4 5 0 0 0 0 0 0 0 -1000 0 0"},
        // A line end, a CR or a plus sign: every field that is a number keeps it.
        {Edited + "\r\n", true, Edited},
        {Edited + " \r\n", true, Edited},
        {"+3 +1 +2 0 +30 +4 +9 +1 +8 -5 +47 -60 \n", true, Edited},
        // Damaged fields read as zero, or as what the reader makes of them.
        {"1 2 x 4 5 6 7 8 9 10 11 12 ", false, "1 2 0 4 5 6 7 8 9 10 11 12"},
        {"99999999999999999999 5 ", false, "999999999 5 0 0 0 0 0 0 0 -1000 0 0"},
        {std::string("\x80\xff\x01 -", 5), false, "0 0 0 0 0 0 0 0 0 -1000 0 0"},
        {"12abc 7x 5 ", false, "12 7 5 0 0 0 0 0 0 -1000 0 0"},
        {"1 2 3 4 5 6 7 8 9 10 11 12 13 ", false, "1 2 3 4 5 6 7 8 9 10 11 12"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseRecords(c.text), c.ours) << c.text;
        EXPECT_EQ(FormatRecords(), c.numbers + " " + std::string(1, '\0')) << c.text;
    }
}

// Cleared, all but the Hana-awase best are zero; values beyond nine
// characters are held at the limit.
TEST(Records, ClearZeroesAllButTheHanaBestAndValuesAreHeldAtTheLimit) {
    ParseRecords("1 2 3 4 5 6 7 8 9 10 11 12 ");
    ClearRecords();
    EXPECT_EQ(FormatRecords(), std::string("0 0 0 0 0 0 0 0 0 -1000 0 0 \0", 29));
    recHanaTotalPoints = -123456789;
    recKoiTotalMon = 2000000000;
    std::string text = FormatRecords();
    EXPECT_NE(text.find("999999999 -99999999 "), std::string::npos) << text;
    ParseRecords(text);
    EXPECT_EQ(recKoiTotalMon, 999999999);
}

// What follows the NUL is not read and not kept; a folder where the file
// should be is neither read nor replaced.
TEST(Records, LoadSaveRoundTripWritesExactlyTheFormat) {
    TestDataDir data;
    data.Write("record.dat", std::string("1 0 1 0 6 0 2 0 7 0 12 0 \0tail after the nul", 44));
    LoadRecords();
    EXPECT_EQ(recKoiTotalMon, 12);
    recKoiHandsPlayed = 7;
    SaveRecords();
    EXPECT_EQ(data.Read("record.dat"), std::string("1 0 1 0 7 0 2 0 7 0 12 0 \0", 26));
    EXPECT_EQ(data.Read("record.dat.damaged"), "");

    std::system(("rm " + data.Path("record.dat") + " && mkdir " + data.Path("record.dat")).c_str());
    LoadRecords();
    EXPECT_EQ(recKoiHandsPlayed, 0);
    EXPECT_EQ(recHanaBestHand, NoHanaBestHand);
    SaveRecords();
    EXPECT_EQ(std::system(("test -d " + data.Path("record.dat")).c_str()), 0);
}
