// The real program as separate processes: one copy at a time, and the
// system's request to end saves without asking.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <thread>

#include "app/core/program.h"
#include "app/core/records.h"
#include "app/kept_game.h"
#include "cards/random.h"
#include "koikoi/flow.h"
#include "platform/clock.h"
#include "tests/app/data_dir.h"

namespace {

pid_t Start(const std::string& log, const std::function<void()>& inChild = {},
            const char* binary = KIRABO_BINARY) {
    pid_t pid = fork();
    if (pid == 0) {
        if (inChild) inChild();
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("KIRABO_TEST_ANSWER", "yes", 1);
        freopen(log.c_str(), "w", stderr);
        execl(binary, binary, nullptr);
        _exit(127);
    }
    return pid;
}

int WaitExit(pid_t pid, int seconds) {
    for (int i = 0; i < seconds * 20; ++i) {
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -2;
}

// Waits until a running copy holds the single-instance lock of its data folder.
bool WaitForLockHeld(const std::string& dataDir) {
    std::string path = dataDir + "/kirabo.lock";
    for (int i = 0; i < 400; ++i) {
        int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd >= 0) {
            bool held = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
            close(fd);  // closing drops a lock this test took itself
            if (held) return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

bool Exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

}  // namespace

TEST(Process, SecondCopyIsRefusedAndTheFirstSavesWhenTheSystemEndsIt) {
    TestDataDir data;
    setenv("XDG_RUNTIME_DIR", data.root.c_str(), 1);
    pid_t first = Start(data.root + "/first.log");
    ASSERT_TRUE(WaitForLockHeld(data.dir));
    ASSERT_FALSE(Exists(data.Path("settei.dat")));

    // A copy started without the desktop's runtime folder uses the same files:
    // it is refused all the same.
    pid_t second = Start(data.root + "/second.log", [] { unsetenv("XDG_RUNTIME_DIR"); });
    EXPECT_EQ(WaitExit(second, 20), 0);
    std::ifstream in(data.root + "/second.log");
    std::string secondLog((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(secondLog.find("起動エラー: Kiraboはすでに起動されています"), std::string::npos)
        << secondLog;
    EXPECT_FALSE(Exists(data.Path("settei.dat")));  // the refused copy touched no file

    kill(first, SIGTERM);
    EXPECT_EQ(WaitExit(first, 20), 0);
    EXPECT_EQ(data.Read("settei.dat"), std::string("0000000000\0", 11));
    EXPECT_EQ(data.Read("record.dat").substr(0, 10), "0 0 0 0 0 ");

    // A copy killed outright leaves no lock behind.
    pid_t third = Start(data.root + "/third.log");
    ASSERT_TRUE(WaitForLockHeld(data.dir));
    kill(third, SIGKILL);
    EXPECT_EQ(WaitExit(third, 10), -1);
    pid_t fourth = Start(data.root + "/fourth.log");
    ASSERT_TRUE(WaitForLockHeld(data.dir));
    // Let it finish starting up before the system asks it to end.
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    kill(fourth, SIGTERM);
    EXPECT_EQ(WaitExit(fourth, 20), 0);
    std::ifstream fourthLog(data.root + "/fourth.log");
    std::string text((std::istreambuf_iterator<char>(fourthLog)), {});
    EXPECT_EQ(text.find("起動エラー"), std::string::npos);
    unsetenv("XDG_RUNTIME_DIR");
}

TEST(Process, AtTheEndNothingIsAskedAndAFileSizeLimitIsAFailedSaveNotAKill) {
    TestDataDir data;
    setenv("XDG_RUNTIME_DIR", data.root.c_str(), 1);
    const std::string record("1 0 1 0 6 0 2 0 7 0 12 0 \0", 26);
    data.Write("record.dat", record);
    data.Write("settei.dat", std::string("0000000000\0", 11));
    // No file may grow beyond one byte: every save fails.
    pid_t copy = Start(data.root + "/copy.log", [] {
        struct rlimit limit = {1, 1};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    ASSERT_TRUE(WaitForLockHeld(data.dir));
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    kill(copy, SIGTERM);
    EXPECT_EQ(WaitExit(copy, 20), 0);
    std::ifstream log(data.root + "/copy.log");
    std::string text((std::istreambuf_iterator<char>(log)), {});
    EXPECT_EQ(text.find("保存できません"), std::string::npos) << text;
    EXPECT_EQ(data.Read("record.dat"), record);
    unsetenv("XDG_RUNTIME_DIR");
}

TEST(Process, ALockThatCannotBeTakenIsReportedAndThatCopyWritesNothing) {
    TestDataDir data;
    setenv("XDG_RUNTIME_DIR", data.root.c_str(), 1);
    std::system(("mkdir -p " + data.Path("kirabo.lock")).c_str());
    pid_t copy = Start(data.root + "/copy.log");
    std::string text;
    for (int i = 0; i < 400 && text.find("ロックできません") == std::string::npos; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::ifstream log(data.root + "/copy.log");
        text.assign(std::istreambuf_iterator<char>(log), {});
    }
    EXPECT_NE(text.find(data.Path("kirabo.lock")), std::string::npos) << text;
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    kill(copy, SIGTERM);
    EXPECT_EQ(WaitExit(copy, 20), 0);
    EXPECT_FALSE(Exists(data.Path("settei.dat")));
    EXPECT_FALSE(Exists(data.Path("record.dat")));
    unsetenv("XDG_RUNTIME_DIR");
}

TEST(Process, APortableCopyKeepsItsFilesBesideItselfAndNeverInTheCurrentFolder) {
    TestDataDir data;
    setenv("XDG_RUNTIME_DIR", data.root.c_str(), 1);
    std::string portable = data.root + "/portable";
    std::system(("mkdir -p " + portable + " && cp " KIRABO_BINARY " " + portable +
                 "/kirabo && : > " + portable + "/settei.dat")
                    .c_str());
    // Started from a folder holding someone else's files of the same names.
    std::string elsewhere = data.root + "/elsewhere";
    std::system(("mkdir -p " + elsewhere).c_str());
    const std::string theirs = "name,score\nsomeone,12\n";
    std::ofstream(elsewhere + "/record.dat") << theirs;
    std::string binary = portable + "/kirabo";
    pid_t copy = Start(
        data.root + "/copy.log", [&] { (void)!chdir(elsewhere.c_str()); }, binary.c_str());
    ASSERT_TRUE(WaitForLockHeld(portable));
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    kill(copy, SIGTERM);
    EXPECT_EQ(WaitExit(copy, 20), 0);
    std::ifstream settings(portable + "/settei.dat", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(settings), {}),
              std::string("0000000000\0", 11));
    EXPECT_TRUE(Exists(portable + "/record.dat"));
    EXPECT_FALSE(Exists(data.dir)) << "the user's data folder was used";
    std::ifstream their(elsewhere + "/record.dat", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(their), {}), theirs);
    EXPECT_FALSE(Exists(elsewhere + "/settei.dat"));
    unsetenv("XDG_RUNTIME_DIR");
}

namespace {

// The kept game's text, without the tail an older, longer file may leave.
std::string KeptText(const TestDataDir& data) {
    std::string bytes = data.Read("game.sav");
    size_t sum = bytes.find("\nsum ");
    return sum == std::string::npos ? bytes : bytes.substr(0, sum + 14);
}

bool WaitForKept(const TestDataDir& data, const std::function<bool(const std::string&)>& done) {
    for (int i = 0; i < 400; ++i) {
        if (done(KeptText(data))) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

// A Koi-Koi hand just dealt, with the computer to play first.
std::string DealtGameWithComputerFirst(const std::string& recordsText) {
    platform::FakeClock clock(0, 1000);
    platform::SetClock(&clock);
    ParseRecords(recordsText);
    currentGame = 0;
    handsOption = 0;
    for (uint32_t seed = 1;; ++seed) {
        SeedRandom(seed);
        gameState = 0;
        subState = 0;
        while (gameState < 3) KoiKoiStep();
        if (gameState == 4) break;
    }
    platform::SetClock(nullptr);
    return KeptGameText(recordsText.substr(0, recordsText.find('\0')));
}

}  // namespace

// Killed outright at any moment of the computer's turn and started again
// with はい, the game goes on from the last finished turn to the same table,
// and the records stay as they were.
TEST(Process, KilledGameGoesOnFromItsLastFinishedTurn) {
    TestDataDir data;
    setenv("XDG_RUNTIME_DIR", data.root.c_str(), 1);
    const std::string records("3 0 1 0 20 0 5 0 7 -1000 30 0 \0", 31);
    const std::string dealt = DealtGameWithComputerFirst(records);
    data.Write("record.dat", records);
    data.Write("game.sav", dealt);

    pid_t first = Start(data.root + "/first.log");
    std::string afterTurn;
    ASSERT_TRUE(WaitForKept(data, [&](const std::string& kept) {
        afterTurn = kept;
        return kept != dealt && !kept.empty();
    }));
    EXPECT_NE(afterTurn.find("\nstate 3\n"), std::string::npos) << "the player's turn next";
    kill(first, SIGKILL);
    WaitExit(first, 10);
    std::ifstream firstLog(data.root + "/first.log");
    std::string text((std::istreambuf_iterator<char>(firstLog)), {});
    EXPECT_NE(text.find("前回の対局を続けますか？"), std::string::npos) << text;
    EXPECT_EQ(data.Read("record.dat"), records);

    uint32_t pause = 12345;
    for (int round = 0; round < 4; ++round) {
        data.Write("game.sav", dealt);
        pid_t killed = Start(data.root + "/killed.log");
        pause = pause * 1103515245u + 12345u;
        std::this_thread::sleep_for(std::chrono::milliseconds(400 + (pause >> 16) % 2000));
        kill(killed, SIGKILL);
        WaitExit(killed, 10);
        std::string kept = KeptText(data);
        EXPECT_TRUE(kept == dealt || kept == afterTurn) << "round " << round;
        EXPECT_EQ(data.Read("record.dat"), records);

        pid_t again = Start(data.root + "/again.log");
        EXPECT_TRUE(WaitForKept(data, [&](const std::string& k) { return k == afterTurn; }))
            << "round " << round;
        kill(again, SIGKILL);
        WaitExit(again, 10);
        EXPECT_EQ(data.Read("record.dat"), records);
    }
    unsetenv("XDG_RUNTIME_DIR");
}
