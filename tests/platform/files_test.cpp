#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "tests/app/data_dir.h"

namespace {

long FilesIn(const std::string& folder) {
    return std::distance(std::filesystem::directory_iterator(folder), {});
}

}  // namespace

TEST(Files, ReadStopsAtTheLimitAndSaveWritesExactlyTheNewBytesCreatingMissingFolders) {
    TestDataDir d;
    d.Write("settei.dat", std::string(1 << 21, 'x'));
    std::string bytes;
    ASSERT_TRUE(platform::ReadFileBytes(d.Path("settei.dat"), 11, bytes));
    EXPECT_EQ(bytes.size(), 11u);
    ASSERT_TRUE(platform::SaveFileBytes(d.Path("settei.dat"), std::string("0123456789\0", 11)));
    EXPECT_EQ(d.Read("settei.dat"), std::string("0123456789\0", 11));
    ASSERT_TRUE(platform::SaveFileBytes(d.Path("a/b/record.dat"), "1 2 "));
    EXPECT_EQ(d.Read("a/b/record.dat"), "1 2 ");
}

// While one save waits before its rename, another runs to its end; a save
// stopped before its rename leaves the old file whole. Neither leaves a
// temporary file behind.
TEST(Files, SavesNeverShareATemporaryFileAndOneStoppedBeforeTheRenameChangesNothing) {
    TestDataDir d;
    bool inner = false;
    platform::testing::SetBeforeRenameHook([&] {
        if (!inner) {
            inner = true;
            EXPECT_TRUE(platform::SaveFileBytes(d.Path("record.dat"), "second"));
        }
        return true;
    });
    EXPECT_TRUE(platform::SaveFileBytes(d.Path("record.dat"), "first"));
    EXPECT_EQ(d.Read("record.dat"), "first");
    EXPECT_EQ(FilesIn(d.dir), 1);
    platform::testing::SetBeforeRenameHook([] { return false; });
    EXPECT_FALSE(platform::SaveFileBytes(d.Path("record.dat"), "new!"));
    platform::testing::SetBeforeRenameHook(nullptr);
    EXPECT_EQ(d.Read("record.dat"), "first");
    EXPECT_EQ(FilesIn(d.dir), 1);
}
