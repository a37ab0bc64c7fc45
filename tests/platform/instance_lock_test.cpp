#include "platform/instance_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "tests/app/as_user.h"
#include "tests/app/data_dir.h"

namespace {

// What another process gets when it tries the lock of `folder`.
platform::LockResult TryFromAnotherProcess(const std::string& folder) {
    return static_cast<platform::LockResult>(RunInChild([&] {
        std::string error;
        return static_cast<int>(platform::AcquireInstanceLock(folder, error));
    }));
}

}  // namespace

TEST(InstanceLock, TheLockBelongsToTheDataFolder) {
    TestDataDir d;
    std::string error;
    ASSERT_EQ(platform::AcquireInstanceLock(d.dir, error), platform::LockResult::Held);
    EXPECT_EQ(TryFromAnotherProcess(d.dir), platform::LockResult::Elsewhere);
    // Another data folder is another player's: its copy runs.
    EXPECT_EQ(TryFromAnotherProcess(d.root + "/other"), platform::LockResult::Held);
    platform::ReleaseInstanceLock();
    EXPECT_EQ(TryFromAnotherProcess(d.dir), platform::LockResult::Held);
}

TEST(InstanceLock, ALockThatCannotBeTakenIsAFailureNotAFreePass) {
    TestDataDir d;
    const std::string& root = d.root;
    // A dangling link and a FIFO at the lock's name (a folder there: see the
    // process tests).
    mkdir((root + "/link").c_str(), 0755);
    symlink("/nonexistent/elsewhere", (root + "/link/kirabo.lock").c_str());
    mkdir((root + "/fifo").c_str(), 0755);
    mkfifo((root + "/fifo/kirabo.lock").c_str(), 0600);
    for (const char* sub : {"/link", "/fifo"}) {
        std::string error;
        EXPECT_EQ(platform::AcquireInstanceLock(root + sub, error), platform::LockResult::Failed)
            << sub;
        EXPECT_NE(error.find(root + sub + "/kirabo.lock"), std::string::npos) << error;
        platform::ReleaseInstanceLock();
    }
    // A folder the user may not write.
    mkdir((root + "/readonly").c_str(), 0555);
    GiveToTestUser(root);
    EXPECT_EQ(RunAsUser([&] {
                  std::string error;
                  return static_cast<int>(platform::AcquireInstanceLock(root + "/readonly", error));
              }),
              static_cast<int>(platform::LockResult::Failed));
}
