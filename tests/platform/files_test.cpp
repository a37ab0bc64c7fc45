#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "tests/app/as_user.h"

namespace {

struct TempDir {
    std::string path;
    TempDir() {
        char tmpl[] = "/tmp/kirabo-files-XXXXXX";
        path = mkdtemp(tmpl);
    }
    ~TempDir() { std::system(("chmod -R u+w " + path + " && rm -rf " + path).c_str()); }
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(Files, SaveWritesExactlyTheNewBytes) {
    TempDir dir;
    std::string f = dir.path + "/settei.dat";
    std::ofstream(f, std::ios::binary) << std::string(1 << 21, 'x');
    ASSERT_TRUE(platform::SaveFileBytes(f, std::string("0123456789\0", 11)));
    EXPECT_EQ(Slurp(f), std::string("0123456789\0", 11));
}

TEST(Files, TwoSavesAtOnceNeverShareATemporaryFile) {
    TempDir dir;
    std::string f = dir.path + "/record.dat";
    // While one save waits before its rename, another runs to its end.
    bool inner = false;
    platform::testing::SetBeforeRenameHook([&] {
        if (!inner) {
            inner = true;
            EXPECT_TRUE(platform::SaveFileBytes(f, "second"));
        }
        return true;
    });
    EXPECT_TRUE(platform::SaveFileBytes(f, "first"));
    platform::testing::SetBeforeRenameHook(nullptr);
    EXPECT_EQ(Slurp(f), "first");
    EXPECT_EQ(std::system(("test $(ls -A " + dir.path + " | wc -l) -eq 1").c_str()), 0);
}

TEST(Files, SaveCreatesMissingFolders) {
    TempDir dir;
    std::string f = dir.path + "/a/b/record.dat";
    ASSERT_TRUE(platform::SaveFileBytes(f, "1 2 "));
    EXPECT_EQ(Slurp(f), "1 2 ");
}

TEST(Files, SaveInterruptedBeforeTheRenameLeavesTheOldFileWhole) {
    TempDir dir;
    std::string f = dir.path + "/record.dat";
    std::ofstream(f, std::ios::binary) << "old record";
    platform::testing::SetBeforeRenameHook([] { return false; });
    EXPECT_FALSE(platform::SaveFileBytes(f, "new!"));
    platform::testing::SetBeforeRenameHook(nullptr);
    EXPECT_EQ(Slurp(f), "old record");
    // No temporary file is left behind either.
    EXPECT_EQ(std::system(("test $(ls -A " + dir.path + " | wc -l) -eq 1").c_str()), 0);
}

TEST(Files, ReadOnlyFolderFailsAndKeepsTheOldFile) {
    TempDir dir;
    std::string f = dir.path + "/record.dat";
    std::ofstream(f, std::ios::binary) << "old";
    GiveToTestUser(dir.path);
    chmod(dir.path.c_str(), 0555);
    EXPECT_EQ(RunAsUser([&] { return platform::SaveFileBytes(f, "new") ? 1 : 0; }), 0);
    chmod(dir.path.c_str(), 0755);
    EXPECT_EQ(Slurp(f), "old");
}

TEST(Files, AFolderInPlaceOfTheFileIsNeitherReadNorReplaced) {
    TempDir dir;
    std::string f = dir.path + "/settei.dat";
    mkdir(f.c_str(), 0755);
    std::string bytes = "junk";
    EXPECT_FALSE(platform::ReadFileBytes(f, 11, bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(platform::SaveFileBytes(f, "0000000000"));
    struct stat st;
    ASSERT_EQ(stat(f.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
}

TEST(Files, ReadStopsAtTheLimit) {
    TempDir dir;
    std::string f = dir.path + "/big";
    std::ofstream(f, std::ios::binary) << std::string(5000, 'x');
    std::string bytes;
    ASSERT_TRUE(platform::ReadFileBytes(f, 11, bytes));
    EXPECT_EQ(bytes.size(), 11u);
}

TEST(Files, DataFilesDefaultToTheUserDataFolder) {
    TempDir dir;
    setenv("XDG_DATA_HOME", dir.path.c_str(), 1);
    char* current = get_current_dir_name();
    std::string cwd = current;
    std::free(current);
    ASSERT_EQ(chdir(dir.path.c_str()), 0);
    EXPECT_EQ(platform::LocateDataFile("record.dat"), dir.path + "/kirabo/record.dat");
    // A file in the current folder is someone else's.
    std::ofstream(dir.path + "/record.dat") << "1 ";
    EXPECT_EQ(platform::LocateDataFile("record.dat"), dir.path + "/kirabo/record.dat");
    EXPECT_EQ(platform::LocateDataFile("kirabo.lock"), dir.path + "/kirabo/kirabo.lock");
    ASSERT_EQ(chdir(cwd.c_str()), 0);
    unsetenv("XDG_DATA_HOME");
}
