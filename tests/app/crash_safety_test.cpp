// The records survive whatever happens to the program: a kill in the middle
// of play, a full disk, a folder that cannot be written.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "app/program.h"
#include "app/records.h"
#include "app/settings.h"
#include "app/shell.h"
#include "app/storage.h"
#include "cards/random.h"
#include "koikoi/flow.h"
#include "koikoi/self_play.h"
#include "platform/clock.h"
#include "tests/app/data_dir.h"

namespace {

// Plays Koi-Koi games for ever, as the window does, saving the record after
// every hand; after each hand it tells the parent how many hands are saved.
[[noreturn]] void PlayForEver(int reportFd) {
    platform::FakeClock clock(0, 1000);
    platform::SetClock(&clock);
    LoadSettings();
    LoadRecords();
    SeedRandom(static_cast<uint32_t>(getpid()));
    for (;;) {
        gameState = 0;
        subState = 0;
        while (gameState != -1) {
            ChooseForHuman(SelfPlayPolicy::Last);
            int before = gameState;
            KoiKoiStep();
            if (before == 5) {
                int saved = recKoiHandsPlayed;
                if (write(reportFd, &saved, sizeof saved) != sizeof saved) _exit(3);
            }
        }
    }
}

struct CountingShell : ShellServices {
    int reports = 0;
    void ReportUnwritableFolder(const std::string&) override { ++reports; }
};

}  // namespace

TEST(CrashSafety, AKillAtAnyMomentLeavesAWholeRecordWithEveryFinishedHand) {
    TestDataDir data;
    data.Write("settei.dat", std::string("0000000000\0", 11));
    int lastSaved = 0;
    for (int round = 0; round < 12; ++round) {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        pid_t child = fork();
        if (child == 0) {
            close(fds[0]);
            PlayForEver(fds[1]);
        }
        close(fds[1]);
        // Let it play a little, a different time each round, then kill it.
        int hands = 0;
        auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(20 + 37 * round);
        while (std::chrono::steady_clock::now() < until) {
            int saved;
            if (read(fds[0], &saved, sizeof saved) == sizeof saved) hands = saved;
        }
        kill(child, SIGKILL);
        int saved;
        while (read(fds[0], &saved, sizeof saved) == sizeof saved) hands = saved;
        close(fds[0]);
        waitpid(child, nullptr, 0);

        std::string bytes = data.Read("record.dat");
        ASSERT_TRUE(ParseRecords(bytes)) << "round " << round << ": torn record";
        EXPECT_GE(recKoiHandsPlayed, hands) << "round " << round << ": a finished hand was lost";
        EXPECT_GE(recKoiHandsPlayed, lastSaved);
        lastSaved = recKoiHandsPlayed;
        EXPECT_EQ(data.Read("settei.dat"), std::string("0000000000\0", 11));
    }
    EXPECT_GT(lastSaved, 12);
}

TEST(CrashSafety, AFullDiskKeepsTheOldRecordAndTellsThePlayerOnce) {
    TestDataDir data;
    data.Write("record.dat", std::string("1 0 1 0 6 0 2 0 7 0 12 0 \0", 26));
    pid_t child = fork();
    if (child == 0) {
        // A file may grow no further than 8 bytes: every save runs out of room.
        signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = {8, 8};
        setrlimit(RLIMIT_FSIZE, &limit);
        CountingShell shell;
        InstallShell(&shell);
        LoadRecords();
        recKoiHandsPlayed = 7;
        SaveRecords();
        SaveRecords();
        _exit(shell.reports == 1 && recKoiHandsPlayed == 7 ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(data.Read("record.dat"), std::string("1 0 1 0 6 0 2 0 7 0 12 0 \0", 26));
}
