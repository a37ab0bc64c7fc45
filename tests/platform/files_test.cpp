#include "platform/files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

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

TEST(Files, ReadStopsAtTheLimit) {
    TempDir dir;
    std::string f = dir.path + "/big";
    std::ofstream(f, std::ios::binary) << std::string(5000, 'x');
    std::string bytes;
    ASSERT_TRUE(platform::ReadFileBytes(f, 11, bytes));
    EXPECT_EQ(bytes.size(), 11u);
}
