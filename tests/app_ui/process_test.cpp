// The real program as separate processes: one copy at a time, and the
// system's request to end saves without asking.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "app/kept_game.h"
#include "cards/random.h"
#include "core/program.h"
#include "core/records.h"
#include "koikoi/flow.h"
#include "platform/clock.h"
#include "tests/app/data_dir.h"

namespace {

void Pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// One copy of the program. What it writes to its error output comes through
// a pipe, which no file size limit set on the copy can cut short.
class Copy {
  public:
    explicit Copy(const std::function<void()>& inChild = {}, const char* binary = KIRABO_BINARY) {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) {
            running_ = false;
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            if (inChild) inChild();
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            setenv("KIRABO_TEST_ANSWER", "yes", 1);
            dup2(fds[1], 2);
            execl(binary, binary, nullptr);
            _exit(127);
        }
        close(fds[1]);
        out_ = fds[0];
        fcntl(out_, F_SETFL, O_NONBLOCK);
    }
    ~Copy() {
        if (pid_ > 0 && running_) Kill(SIGKILL), Wait(10);
        if (out_ >= 0) close(out_);
    }
    const std::string& Log() {
        char buf[4096];
        ssize_t n;
        while (out_ >= 0 && (n = read(out_, buf, sizeof buf)) > 0)
            log_.append(buf, static_cast<size_t>(n));
        return log_;
    }
    void Kill(int signal) {
        if (pid_ > 0) kill(pid_, signal);
    }
    // The exit code, -1 when killed, -2 when still running after `seconds`.
    int Wait(int seconds) {
        if (pid_ <= 0) return -3;
        for (int i = 0; i < seconds * 20; ++i) {
            Log();
            int status;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                running_ = false;
                Log();
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            Pause(50);
        }
        return -2;
    }
    // Waits until the copy holds the single-instance lock of `dataDir`. The
    // system's table of locks is read: trying the lock would, for that
    // moment, make a copy starting up take this test for another copy.
    bool WaitForLock(const std::string& dataDir) {
        const std::string pid = std::to_string(pid_);
        for (int i = 0; i < 600; ++i) {
            struct stat st;
            if (stat((dataDir + "/kirabo.lock").c_str(), &st) == 0) {
                const std::string inode = std::to_string(st.st_ino);
                std::ifstream locks("/proc/locks");
                for (std::string line; std::getline(locks, line);) {
                    std::istringstream fields(line);
                    std::string number, kind, mode, access, owner, file;
                    fields >> number >> kind >> mode >> access >> owner >> file;
                    // The file is major:minor:inode.
                    const size_t at = file.rfind(':');
                    if (kind == "FLOCK" && owner == pid && at != std::string::npos &&
                        file.substr(at + 1) == inode)
                        return true;
                }
            }
            Log();
            Pause(50);
        }
        return false;
    }

  private:
    pid_t pid_ = -1;
    int out_ = -1;
    bool running_ = true;
    std::string log_;
};

bool Exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

// Every test has its own data folder and runtime folder.
struct Process : ::testing::Test {
    TestDataDir data;
    void SetUp() override { setenv("XDG_RUNTIME_DIR", data.root.c_str(), 1); }
    void TearDown() override { unsetenv("XDG_RUNTIME_DIR"); }
};

}  // namespace

TEST_F(Process, SecondCopyIsRefusedAndTheFirstSavesWhenTheSystemEndsIt) {
    Copy first;
    ASSERT_TRUE(first.WaitForLock(data.dir));
    ASSERT_FALSE(Exists(data.Path("settei.dat")));

    // A copy started without the desktop's runtime folder uses the same files:
    // it is refused all the same.
    Copy second([] { unsetenv("XDG_RUNTIME_DIR"); });
    EXPECT_EQ(second.Wait(20), 0);
    EXPECT_NE(second.Log().find("起動エラー: Kiraboはすでに起動されています"), std::string::npos)
        << second.Log();
    EXPECT_FALSE(Exists(data.Path("settei.dat")));  // the refused copy touched no file

    first.Kill(SIGTERM);
    EXPECT_EQ(first.Wait(20), 0);
    EXPECT_EQ(data.Read("settei.dat"), std::string("0000000000\0", 11));
    EXPECT_EQ(data.Read("record.dat").substr(0, 10), "0 0 0 0 0 ");

    // A copy killed outright leaves no lock behind.
    Copy third;
    ASSERT_TRUE(third.WaitForLock(data.dir));
    third.Kill(SIGKILL);
    EXPECT_EQ(third.Wait(10), -1);
    Copy fourth;
    ASSERT_TRUE(fourth.WaitForLock(data.dir));
    Pause(1000);
    fourth.Kill(SIGTERM);
    EXPECT_EQ(fourth.Wait(20), 0);
    EXPECT_EQ(fourth.Log().find("起動エラー"), std::string::npos) << fourth.Log();
}

// A copy started by a test writes each question it asks to its error
// output: with every save failing, none is asked, however slowly it starts.
TEST_F(Process, AtTheEndNothingIsAskedAndAFileSizeLimitMakesSavesFailNotKill) {
    const std::string record("1 0 1 0 6 0 2 0 7 0 12 0 \0", 26);
    data.Write("record.dat", record);
    data.Write("settei.dat", std::string("0000000000\0", 11));
    // No file may grow beyond one byte: every save fails.
    Copy copy([] {
        struct rlimit limit = {1, 1};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    ASSERT_TRUE(copy.WaitForLock(data.dir));
    Pause(1000);
    copy.Kill(SIGTERM);
    EXPECT_EQ(copy.Wait(30), 0) << copy.Log();
    EXPECT_EQ(copy.Log().find("message box:"), std::string::npos) << copy.Log();
    EXPECT_EQ(data.Read("record.dat"), record);
}

TEST_F(Process, ALockThatCannotBeTakenIsReportedAndThatCopyWritesNothing) {
    std::system(("mkdir -p " + data.Path("kirabo.lock")).c_str());
    Copy copy;
    for (int i = 0; i < 600 && copy.Log().find("ロックできません") == std::string::npos; ++i)
        Pause(50);
    EXPECT_NE(copy.Log().find(data.Path("kirabo.lock")), std::string::npos) << copy.Log();
    Pause(1000);
    copy.Kill(SIGTERM);
    EXPECT_EQ(copy.Wait(20), 0);
    EXPECT_FALSE(Exists(data.Path("settei.dat")));
    EXPECT_FALSE(Exists(data.Path("record.dat")));
}

TEST_F(Process, APortableCopyKeepsItsFilesBesideItselfAndNeverInTheCurrentFolder) {
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
    Copy copy([&] { (void)!chdir(elsewhere.c_str()); }, binary.c_str());
    ASSERT_TRUE(copy.WaitForLock(portable));
    Pause(1000);
    copy.Kill(SIGTERM);
    EXPECT_EQ(copy.Wait(20), 0);
    std::ifstream settings(portable + "/settei.dat", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(settings), {}),
              std::string("0000000000\0", 11));
    EXPECT_TRUE(Exists(portable + "/record.dat"));
    EXPECT_FALSE(Exists(data.dir)) << "the user's data folder was used";
    std::ifstream their(elsewhere + "/record.dat", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(their), {}), theirs);
    EXPECT_FALSE(Exists(elsewhere + "/settei.dat"));
}

namespace {

// The kept game's text, without the tail an older, longer file may leave.
std::string KeptText(const TestDataDir& data) {
    std::string bytes = data.Read("game.sav");
    size_t sum = bytes.find("\nsum ");
    return sum == std::string::npos ? bytes : bytes.substr(0, sum + 14);
}

bool WaitForKept(const TestDataDir& data, const std::function<bool(const std::string&)>& done) {
    for (int i = 0; i < 600; ++i) {
        if (done(KeptText(data))) return true;
        Pause(50);
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
TEST_F(Process, KilledGameGoesOnFromItsLastFinishedTurn) {
    const std::string records("3 0 1 0 20 0 5 0 7 -1000 30 0 \0", 31);
    const std::string dealt = DealtGameWithComputerFirst(records);
    data.Write("record.dat", records);
    data.Write("game.sav", dealt);

    std::string afterTurn;
    {
        Copy first;
        ASSERT_TRUE(WaitForKept(data, [&](const std::string& kept) {
            afterTurn = kept;
            return kept != dealt && !kept.empty();
        }));
        EXPECT_NE(afterTurn.find("\nstate 3\n"), std::string::npos) << "the player's turn next";
        first.Kill(SIGKILL);
        first.Wait(10);
        EXPECT_NE(first.Log().find("前回の対局を続けますか？"), std::string::npos) << first.Log();
        EXPECT_EQ(data.Read("record.dat"), records);
    }
    uint32_t pause = 12345;
    for (int round = 0; round < 4; ++round) {
        data.Write("game.sav", dealt);
        Copy killed;
        pause = pause * 1103515245u + 12345u;
        Pause(400 + static_cast<int>((pause >> 16) % 2000));
        killed.Kill(SIGKILL);
        killed.Wait(10);
        std::string kept = KeptText(data);
        EXPECT_TRUE(kept == dealt || kept == afterTurn) << "round " << round;
        EXPECT_EQ(data.Read("record.dat"), records);

        Copy again;
        EXPECT_TRUE(WaitForKept(data, [&](const std::string& k) { return k == afterTurn; }))
            << "round " << round;
        again.Kill(SIGKILL);
        again.Wait(10);
        EXPECT_EQ(data.Read("record.dat"), records);
    }
}
