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

TEST(Settings, TheProgramsOwnFileIsSavedAsExactlyTheFormat) {
    TestDataDir data;
    for (std::string own : {std::string("0223011101\0old bytes of an earlier file", 39),
                            std::string("0223011101\n"), std::string("0223011101\r\n")}) {
        data.Write("settei.dat", own);
        LoadSettings();
        EXPECT_EQ(Digits(), "0223011101");
        EXPECT_EQ(SettingsPath(), data.Path("settei.dat"));
        resolution = 1;
        SaveSettings();
        EXPECT_EQ(data.Read("settei.dat"), std::string("0123011101\0", 11));
        EXPECT_EQ(data.Read("settei.dat.damaged"), "") << "its own file set aside";
    }
}

TEST(Settings, MissingFileGivesZerosAndTheFirstSaveCreatesIt) {
    TestDataDir data;
    LoadSettings();
    EXPECT_EQ(Digits(), "0000000000");
    SaveSettings();
    EXPECT_EQ(data.Read("settei.dat"), std::string("0000000000\0", 11));
}

TEST(Settings, HugeOrBinaryFileIsReadByItsFirstTenBytes) {
    TestDataDir data;
    data.Write("settei.dat", "2120" + std::string(1 << 20, '\x01'));
    LoadSettings();
    EXPECT_EQ(Digits(), "0120000000");
}
