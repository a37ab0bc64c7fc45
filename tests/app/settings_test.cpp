#include "core/settings.h"

#include <gtest/gtest.h>

#include "core/program.h"
#include "tests/app/data_dir.h"

namespace {

std::string Digits() {
    return std::to_string(currentGame) + std::to_string(resolution) +
           std::to_string(backgroundChoice) + std::to_string(musicChoice) +
           std::to_string(showCapturableOn) + std::to_string(animationOn) +
           std::to_string(soundEffectsOn) + std::to_string(handsOption) +
           std::to_string(sakeOption) + std::to_string(oyakenOption);
}

}  // namespace

// Ten digits and a NUL; a damaged field reads as zero, the rest as it stands.
TEST(Settings, FileIsTenDigitsAndANulAndDamagedFieldsReadAsZero) {
    const struct {
        std::string text, digits;
    } cases[] = {
        {"1101111110", "1101111110"},
        {"1x23111", "1023111000"},     // a letter in the resolution field, short file
        {"2791111391", "0001111001"},  // digits beyond each field's range
        {std::string("\xff\x00\x80\x01\x7f", 5), "0000000000"},
        {"", "0000000000"},
    };
    for (const auto& c : cases) {
        ParseSettings(c.text);
        EXPECT_EQ(Digits(), c.digits) << c.text;
        EXPECT_EQ(FormatSettings(), c.digits + std::string(1, '\0')) << c.text;
    }
}

// Loaded and saved again: a missing file reads as zeros, the program's own
// file (whatever follows its NUL or line end) is not set aside, and a huge
// file is read by its first ten bytes; every save writes exactly the format.
TEST(Settings, TheFileIsSavedAsExactlyTheFormat) {
    TestDataDir data;
    const struct {
        std::string file, digits;
    } cases[] = {
        {"", "0000000000"},
        {std::string("0223011101\0old bytes of an earlier file", 39), "0223011101"},
        {"0223011101\r\n", "0223011101"},
        {"2120" + std::string(1 << 20, '\x01'), "0120000000"},
    };
    for (const auto& c : cases) {
        if (!c.file.empty()) data.Write("settei.dat", c.file);
        LoadSettings();
        EXPECT_EQ(Digits(), c.digits);
        SaveSettings();
        EXPECT_EQ(data.Read("settei.dat"), c.digits + std::string(1, '\0'));
        EXPECT_EQ(data.Read("settei.dat.damaged").empty(), c.file.size() < 50) << c.digits;
    }
}
