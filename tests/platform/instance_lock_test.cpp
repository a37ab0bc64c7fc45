#include "platform/instance_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "tests/app/as_user.h"

namespace {

struct LockDir {
    std::string path;
    LockDir() {
        char tmpl[] = "/tmp/kirabo-lock-XXXXXX";
        path = mkdtemp(tmpl);
    }
    ~LockDir() { std::system(("chmod -R u+w " + path + "; rm -rf " + path).c_str()); }
};

// What another process gets when it tries the lock of `folder`.
platform::LockResult TryFromAnotherProcess(const std::string& folder) {
    pid_t child = fork();
    if (child == 0) {
        std::string error;
        _exit(static_cast<int>(platform::AcquireInstanceLock(folder, error)));
    }
    int status = 0;
    waitpid(child, &status, 0);
    return static_cast<platform::LockResult>(WEXITSTATUS(status));
}

}  // namespace

TEST(InstanceLock, TheLockBelongsToTheDataFolder) {
    LockDir a, b;
    std::string error;
    ASSERT_EQ(platform::AcquireInstanceLock(a.path + "/kirabo", error), platform::LockResult::Held);
    struct stat st;
    EXPECT_EQ(stat((a.path + "/kirabo/kirabo.lock").c_str(), &st), 0);
    EXPECT_EQ(TryFromAnotherProcess(a.path + "/kirabo"), platform::LockResult::Elsewhere);
    // Another data folder is another player's: its copy runs.
    EXPECT_EQ(TryFromAnotherProcess(b.path), platform::LockResult::Held);
    platform::ReleaseInstanceLock();
    EXPECT_EQ(TryFromAnotherProcess(a.path + "/kirabo"), platform::LockResult::Held);
}

TEST(InstanceLock, ALockThatCannotBeTakenIsAFailureNotAFreePass) {
    LockDir dir;
    // A folder, a dangling link and a FIFO at the lock's name.
    mkdir((dir.path + "/folder").c_str(), 0755);
    mkdir((dir.path + "/folder/kirabo.lock").c_str(), 0755);
    mkdir((dir.path + "/link").c_str(), 0755);
    symlink("/nonexistent/elsewhere", (dir.path + "/link/kirabo.lock").c_str());
    mkdir((dir.path + "/fifo").c_str(), 0755);
    mkfifo((dir.path + "/fifo/kirabo.lock").c_str(), 0600);
    for (const char* sub : {"/folder", "/link", "/fifo"}) {
        std::string error;
        EXPECT_EQ(platform::AcquireInstanceLock(dir.path + sub, error),
                  platform::LockResult::Failed)
            << sub;
        EXPECT_NE(error.find(dir.path + sub + "/kirabo.lock"), std::string::npos) << error;
        platform::ReleaseInstanceLock();
    }
    // A folder the user may not write.
    mkdir((dir.path + "/readonly").c_str(), 0555);
    GiveToTestUser(dir.path);
    EXPECT_EQ(
        RunAsUser([&] {
            std::string error;
            return static_cast<int>(platform::AcquireInstanceLock(dir.path + "/readonly", error));
        }),
        static_cast<int>(platform::LockResult::Failed));
}
