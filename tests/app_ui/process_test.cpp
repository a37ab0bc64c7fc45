// The real program as separate processes: one copy at a time, and the
// system's request to end saves without asking.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "tests/app/data_dir.h"

namespace {

using namespace std::chrono_literals;

bool Exists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// One copy of the program. What it writes to its error output comes through
// a pipe, which no file size limit set on the copy can cut short.
class Copy {
  public:
    explicit Copy(const std::function<void()>& inChild = {}, const char* binary = KIRABO_BINARY) {
        process_.setProcessChannelMode(QProcess::MergedChannels);
        if (inChild) process_.setChildProcessModifier(inChild);
        process_.start(binary, {});
    }
    // Checks `done` every 50 ms for up to `seconds`, reading the copy's output.
    bool Until(const std::function<bool()>& done, int seconds = 30) {
        for (int i = 0; i < seconds * 20 && !done(); ++i) {
            if (!process_.waitForReadyRead(50)) std::this_thread::sleep_for(50ms);
            log += process_.readAll().toStdString();
        }
        return done();
    }
    // Sends `signal` (0: none) and waits for the end: the exit code, Killed,
    // or Running after 20 s.
    int Kill(int signal) {
        kill(static_cast<pid_t>(process_.processId()), signal);
        process_.waitForFinished(20000);
        log += process_.readAll().toStdString();
        if (process_.state() != QProcess::NotRunning) return Running;
        return process_.exitStatus() == QProcess::CrashExit ? Killed : process_.exitCode();
    }
    // Waits until the copy holds the single-instance lock of `dataDir`. The
    // system's table of locks is read: trying the lock would, for that
    // moment, make a copy starting up take this test for another copy.
    bool WaitForLock(const std::string& dataDir) {
        return Until([&] {
            struct stat st;
            if (stat((dataDir + "/kirabo.lock").c_str(), &st) != 0) return false;
            std::ifstream locks("/proc/locks");
            for (std::string line; std::getline(locks, line);) {
                std::istringstream fields(line);
                std::string number, kind, mode, access, owner, file;
                fields >> number >> kind >> mode >> access >> owner >> file;
                // The file is major:minor:inode.
                if (kind == "FLOCK" && owner == std::to_string(process_.processId()) &&
                    file.substr(file.rfind(':') + 1) == std::to_string(st.st_ino))
                    return true;
            }
            return false;
        });
    }
    // Once it holds the lock of `dataDir` and has settled, ends the copy as
    // the system does; its exit code.
    int EndWhenRunning(const std::string& dataDir) {
        if (!WaitForLock(dataDir)) return -4;
        std::this_thread::sleep_for(1s);
        return Kill(SIGTERM);
    }
    bool Said(const std::string& text) const { return log.find(text) != std::string::npos; }

    static constexpr int Running = -2, Killed = -1;
    std::string log;

  private:
    QProcess process_;
};

// Every test has its own data folder and runtime folder.
struct Process : ::testing::Test {
    TestDataDir data;
    void SetUp() override {
        setenv("XDG_RUNTIME_DIR", data.root.c_str(), 1);
        setenv("KIRABO_TEST_ANSWER", "yes", 1);
    }
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
    EXPECT_EQ(second.Kill(0), 0);
    EXPECT_TRUE(second.Said("起動エラー: Kiraboはすでに起動されています")) << second.log;
    EXPECT_FALSE(Exists(data.Path("settei.dat")));  // the refused copy touched no file

    EXPECT_EQ(first.Kill(SIGTERM), 0);
    EXPECT_EQ(data.Read("settei.dat"), std::string("0000000000\0", 11));
    EXPECT_EQ(data.Read("record.dat").substr(0, 10), "0 0 0 0 0 ");

    // A copy killed outright leaves no lock behind.
    Copy third;
    ASSERT_TRUE(third.WaitForLock(data.dir));
    EXPECT_EQ(third.Kill(SIGKILL), Copy::Killed);
    Copy fourth;
    EXPECT_EQ(fourth.EndWhenRunning(data.dir), 0);
    EXPECT_FALSE(fourth.Said("起動エラー")) << fourth.log;
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
    EXPECT_EQ(copy.EndWhenRunning(data.dir), 0) << copy.log;
    EXPECT_FALSE(copy.Said("message box:")) << copy.log;
    EXPECT_EQ(data.Read("record.dat"), record);
}

TEST_F(Process, ALockThatCannotBeTakenIsReportedAndThatCopyWritesNothing) {
    std::system(("mkdir -p " + data.Path("kirabo.lock")).c_str());
    Copy copy;
    copy.Until([&] { return copy.Said("ロックできません"); });
    EXPECT_TRUE(copy.Said(data.Path("kirabo.lock"))) << copy.log;
    std::this_thread::sleep_for(1s);
    EXPECT_EQ(copy.Kill(SIGTERM), 0);
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
    EXPECT_EQ(copy.EndWhenRunning(portable), 0);
    EXPECT_EQ(FileText(portable + "/settei.dat"), std::string("0000000000\0", 11));
    EXPECT_TRUE(Exists(portable + "/record.dat"));
    EXPECT_FALSE(Exists(data.dir)) << "the user's data folder was used";
    EXPECT_EQ(FileText(elsewhere + "/record.dat"), theirs);
    EXPECT_FALSE(Exists(elsewhere + "/settei.dat"));
}
