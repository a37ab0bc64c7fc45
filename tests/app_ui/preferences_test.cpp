// kirabo.ini: the preferences beyond the ten settings.
#include "app/preferences.h"

#include <gtest/gtest.h>

#include "core/program.h"
#include "tests/app/data_dir.h"

// No file or a damaged value gives the specified computer players; a
// foreign file is set aside whole and the file is the program's own after.
TEST(Preferences, RoundTripDefaultsAndAForeignFile) {
    TestDataDir data;
    LoadPreferences();
    EXPECT_EQ(comLevel, 1) << "no file: the specified computer players";
    EXPECT_EQ(languageChoice, 0) << "and the locale's language";
    comLevel = languageChoice = 2;
    SavePreferences();
    comLevel = languageChoice = 0;
    LoadPreferences();
    EXPECT_EQ(comLevel, 2);
    EXPECT_EQ(languageChoice, 2);

    for (const char* damaged : {"[computer]\nlevel=7\n", "[computer]\nlevel=strong\n",
                                "\x01\x02garbage", "[computer]\nlevel=-1\n"}) {
        data.Write("kirabo.ini", damaged);
        comLevel = 2;
        LoadPreferences();
        EXPECT_EQ(comLevel, 1) << damaged;
    }
    std::system(("rm -f " + data.dir + "/kirabo.ini*").c_str());
    const std::string foreign = "not an ini file at all\n" + std::string(20000, 'x');
    data.Write("kirabo.ini", foreign);
    LoadPreferences();
    EXPECT_EQ(comLevel, 1);
    comLevel = 0;
    SavePreferences();
    EXPECT_EQ(data.Read("kirabo.ini.damaged"), foreign);
    EXPECT_EQ(data.Read("kirabo.ini"),
              "[computer]\nlevel=0\n\n[language]\nchoice=0\n\n[display]\nfullscreen=0\n");
}
