// The records survive whatever happens to the program: a kill in the middle
// of play, a full disk, a folder that cannot be written.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>
#include <type_traits>

#include "cards/random.h"
#include "core/program.h"
#include "core/records.h"
#include "core/settings.h"
#include "core/shell.h"
#include "core/storage.h"
#include "hanaawase/view.h"
#include "koikoi/flow.h"
#include "koikoi/self_play.h"
#include "koikoi/view.h"
#include "platform/clock.h"
#include "tests/app/data_dir.h"
#include "tests/hanaawase/game_driver.h"

namespace {

// Plays Koi-Koi and Hana-awase games in turn for ever, as the window does,
// saving the record after every hand; after each hand it tells the parent how
// many hands of both games are saved.
[[noreturn]] void PlayForEver(int reportFd) {
    platform::FakeClock clock(0, 1000);
    platform::SetClock(&clock);
    LoadSettings();
    LoadRecords();
    SeedRandom(static_cast<uint32_t>(getpid()));
    int reported = recKoiHandsPlayed + recHanaHandsPlayed;
    auto report = [&] {
        int saved = recKoiHandsPlayed + recHanaHandsPlayed;
        if (saved == reported) return;
        reported = saved;
        if (write(reportFd, &saved, sizeof saved) != sizeof saved) _exit(3);
    };
    UserPolicy policy;
    for (;;) {
        gameState = 0;
        subState = 0;
        while (gameState != -1) {
            ChooseForHuman(SelfPlayPolicy::Last);
            KoiKoiStep();
            report();
        }
        PlayGame(policy, nullptr, report);
    }
}

// Ends the run as the system's request to end does, inside the `stopAt`-th
// dialog of the game: first it tells the parent what the record file holds
// at that moment, which must be what the file still holds afterwards.
struct EndingInDialogs {
    int stopAt = 0;
    int reportFd = -1;
    int dialogs = 0;
    void Dialog() {
        if (++dialogs < stopAt) return;
        std::ifstream in(RecordsPath(), std::ios::binary);
        std::string before(std::istreambuf_iterator<char>(in), {});
        if (write(reportFd, before.data(), before.size()) < 0) _exit(3);
        SaveAtEndOfRun(true);
        _exit(0);
    }
};

struct EndingKoiKoiView : KoiKoiView, EndingInDialogs {
    int YakuMadeDialog(int player, int comAnswer) override {
        Dialog();
        return player == 1 ? comAnswer : 1;
    }
    void ShowOyakenNotice() override { Dialog(); }
    void ShowScoreTable() override { Dialog(); }
    void PlayGameResult() override { Dialog(); }
};

struct EndingHanaView : HanaView, EndingInDialogs {
    void HanaShowYakuMade(int) override { Dialog(); }
    void HanaShowScoreSheet() override { Dialog(); }
    void HanaShowResults() override { Dialog(); }
    void HanaShowGameEnd() override { Dialog(); }
};

// Plays games in a child until its view ends the run; returns what the
// record file held when the run was ended.
template <typename View>
std::string PlayUntilTheEndInDialog(int game, int stopAt) {
    int fds[2];
    if (pipe(fds) != 0) return "no pipe";
    pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        platform::FakeClock clock(0, 1000);
        platform::SetClock(&clock);
        View view;
        view.stopAt = stopAt;
        view.reportFd = fds[1];
        LoadSettings();
        LoadRecords();
        oyakenOption = 1;
        handsOption = 0;
        SeedRandom(static_cast<uint32_t>(stopAt * 7919 + game));
        if constexpr (std::is_base_of_v<KoiKoiView, View>) {
            SetKoiKoiView(&view);
            for (;;) {
                gameState = 0;
                subState = 0;
                while (gameState != -1) {
                    ChooseForHuman(SelfPlayPolicy::First);
                    KoiKoiStep();
                }
            }
        } else {
            SetHanaView(&view);
            UserPolicy policy;
            for (;;) PlayGame(policy);
        }
    }
    close(fds[1]);
    std::string before;
    char buf[256];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0) before.append(buf, static_cast<size_t>(n));
    close(fds[0]);
    waitpid(child, nullptr, 0);
    return before;
}

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
            std::string before = game == 0 ? PlayUntilTheEndInDialog<EndingKoiKoiView>(game, stopAt)
                                           : PlayUntilTheEndInDialog<EndingHanaView>(game, stopAt);
            std::string after = data.Read("record.dat");
            if (!before.empty()) {
                EXPECT_EQ(after, before) << "game " << game << ", dialog " << stopAt;
            }
            std::string where =
                "game " + std::to_string(game) + ", dialog " + std::to_string(stopAt);
            ASSERT_TRUE(ParseRecords(after)) << where;
            ExpectCountersAgree(where);
        }
        // The runs did play: hands were counted between them.
        EXPECT_GT(game == 0 ? recKoiHandsPlayed : recHanaHandsPlayed, 10) << game;
    }
}
