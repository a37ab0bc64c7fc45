// The records survive whatever happens to the program: a kill in the middle
// of play, or the system's request to end inside any dialog.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>

#include "cards/random.h"
#include "core/records.h"
#include "core/settings.h"
#include "core/storage.h"
#include "hanaawase/view.h"
#include "koikoi/view.h"
#include "platform/clock.h"
#include "tests/app/data_dir.h"
#include "tests/app/play.h"

namespace {

// Runs `play` in a child with a fake clock, the files loaded; returns all the
// child wrote to `fd` before it ended (or was killed by `whileRunning`).
std::string InChild(const std::function<void(int fd)>& play,
                    const std::function<void(int fd, pid_t child)>& whileRunning = {}) {
    int fds[2];
    if (pipe(fds) != 0) return "no pipe";
    pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        platform::FakeClock clock(0, 1000);
        platform::SetClock(&clock);
        LoadSettings();
        LoadRecords();
        play(fds[1]);
        _exit(0);
    }
    close(fds[1]);
    if (whileRunning) whileRunning(fds[0], child);
    std::string out;
    char buf[256];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;)
        out.append(buf, static_cast<size_t>(n));
    close(fds[0]);
    waitpid(child, nullptr, 0);
    return out;
}

// Ends the run as the system's request to end does, inside the `stopAt`-th
// dialog of either game: first it tells the parent what the record file
// holds at that moment, which must be what the file still holds afterwards.
struct EndingInDialogs : KoiKoiView, HanaView {
    int stopAt = 0, reportFd = -1, dialogs = 0;
    void Dialog() {
        if (++dialogs < stopAt) return;
        std::ifstream in(RecordsPath(), std::ios::binary);
        std::string before(std::istreambuf_iterator<char>(in), {});
        if (write(reportFd, before.data(), before.size()) < 0) _exit(3);
        SaveAtEndOfRun(true);
        _exit(0);
    }
    int YakuMadeDialog(int player, int comAnswer) override {
        Dialog();
        return player == 1 ? comAnswer : 1;
    }
    void ShowOyakenNotice() override { Dialog(); }
    void ShowScoreTable() override { Dialog(); }
    void PlayGameResult() override { Dialog(); }
    void HanaShowYakuMade(int) override { Dialog(); }
    void HanaShowScoreSheet() override { Dialog(); }
    void HanaShowResults() override { Dialog(); }
    void HanaShowGameEnd() override { Dialog(); }
};

// Counters that must agree with each other in any record the program saves.
void ExpectCountersAgree(const std::string& where) {
    EXPECT_LE(recKoiHandsWon, recKoiHandsPlayed) << where;
    EXPECT_LE(recKoiGamesWon, recKoiGamesPlayed) << where;
    EXPECT_LE(recHanaHandsWon, recHanaHandsPlayed) << where;
    EXPECT_LE(recHanaGamesWon, recHanaGamesPlayed) << where;
    // Every hand won brings at least one 文, and the best is one of them.
    EXPECT_LE(recKoiHandsWon, recKoiTotalMon) << where;
    EXPECT_LE(recKoiBestHand, recKoiTotalMon) << where;
}

}  // namespace

// Both games in turn for ever, saving the record after every hand, killed
// after a different time each round: what the child last said it saved is on
// disk, whole.
TEST(CrashSafety, AKillAtAnyMomentLeavesAWholeRecordWithEveryFinishedHand) {
    TestDataDir data;
    data.Write("settei.dat", std::string("0000000000\0", 11));
    int lastSaved = 0;
    for (int round = 0; round < 12; ++round) {
        int hands = 0;
        auto play = [](int fd) {
            SeedRandom(static_cast<uint32_t>(getpid()));
            int reported = recKoiHandsPlayed + recHanaHandsPlayed;
            for (int game = 0;; game = 1 - game)
                PlayWholeGame(game, [&] {
                    int saved = recKoiHandsPlayed + recHanaHandsPlayed;
                    if (saved != reported && write(fd, &saved, sizeof saved) != sizeof saved)
                        _exit(3);
                    reported = saved;
                });
        };
        InChild(play, [&](int fd, pid_t child) {
            auto until =
                std::chrono::steady_clock::now() + std::chrono::milliseconds(20 + 37 * round);
            while (std::chrono::steady_clock::now() < until)
                if (int saved; read(fd, &saved, sizeof saved) == sizeof saved) hands = saved;
            kill(child, SIGKILL);
            for (int saved; read(fd, &saved, sizeof saved) == sizeof saved;) hands = saved;
        });
        ASSERT_TRUE(ParseRecords(data.Read("record.dat"))) << "round " << round << ": torn record";
        int onDisk = recKoiHandsPlayed + recHanaHandsPlayed;
        EXPECT_GE(onDisk, hands) << "round " << round << ": a finished hand was lost";
        EXPECT_GE(onDisk, lastSaved);
        ExpectCountersAgree("round " + std::to_string(round));
        lastSaved = onDisk;
        EXPECT_EQ(data.Read("settei.dat"), std::string("0000000000\0", 11));
    }
    EXPECT_GT(lastSaved, 12);
    // The next run clears away what saves cut short left behind.
    LoadSettings();
    LoadRecords();
    EXPECT_EQ(
        std::system(("test \"$(ls -A " + data.dir + ")\" = \"$(printf 'record.dat\\nsettei.dat')\"")
                        .c_str()),
        0);
}

TEST(CrashSafety, EndingInsideAnyDialogSavesNoHalfCountedHand) {
    for (int game = 0; game < 2; ++game) {
        TestDataDir data;
        for (int stopAt = 1; stopAt <= 30; ++stopAt) {
            const std::string before = InChild([&](int fd) {
                EndingInDialogs view;
                view.stopAt = stopAt;
                view.reportFd = fd;
                SetKoiKoiView(&view);
                SetHanaView(&view);
                oyakenOption = 1;
                handsOption = 0;
                SeedRandom(static_cast<uint32_t>(stopAt * 7919 + game));
                for (;;) PlayWholeGame(game);
            });
            const std::string after = data.Read("record.dat");
            const std::string where =
                "game " + std::to_string(game) + ", dialog " + std::to_string(stopAt);
            if (!before.empty()) {
                EXPECT_EQ(after, before) << where;
            }
            ASSERT_TRUE(ParseRecords(after)) << where;
            ExpectCountersAgree(where);
        }
        // The runs did play: hands were counted between them.
        EXPECT_GT(game == 0 ? recKoiHandsPlayed : recHanaHandsPlayed, 10) << game;
    }
}
