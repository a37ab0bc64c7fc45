// kirabo-bench: the window program's own figures, measured in one process
// over the real shell and tables (offscreen or under Xvfb):
//   start-up to the main window, resolution changes idle and in a game,
//   CPU while the player chooses in both games, resident memory in a game
//   at 1024x768; then the same in full screen, and the switches to full
//   screen and back. The ratio the table is drawn at comes first (the
//   screen's, QT_SCALE_FACTOR=2 for a doubled desktop).
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include "app/games.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "assets/catalogue.h"
#include "assets/menu.h"
#include "core/program.h"
#include "platform/dialog.h"
#include "platform/event_loop.h"
#include "platform/window.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double CpuSeconds() {
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

// Runs the real loop until `done` holds (looked at every 20 ms) or `limitMs` pass.
void RunUntil(std::function<bool()> done, int limitMs) {
    static std::function<void()> poll;
    auto start = Clock::now();
    poll = [done, start, limitMs] {
        if (done() || MsSince(start) > limitMs)
            platform::QuitMainLoop();
        else
            platform::CallAfter(20, poll);
    };
    platform::CallAfter(20, poll);
    platform::RunMainLoop([] { return gameState != -1; }, StepCurrentGame);
}

// Waits until the window shows the table at the ratio its pictures are
// drawn at, after the desktop has given it its new size.
bool Settled(bool fullScreen) {
    const auto v = platform::testing::CurrentTableView();
    return platform::IsFullScreen() == fullScreen && v.ratio == assets::ImageRatio() &&
           platform::ScreenImage().Ratio() == v.ratio;
}

double SwitchFullScreen(bool on) {
    auto start = Clock::now();
    platform::SendCommand(cmd::FullScreen);
    // The desktop's resize comes back a moment later; the new ratio is
    // reported once the window has kept its size for 100 ms.
    double stableSince = -1;
    while (MsSince(start) < 5000) {
        platform::ProcessPendingEvents();
        if (Settled(on)) {
            if (stableSince < 0) stableSince = MsSince(start);
            if (MsSince(start) - stableSince >= 100) return stableSince;
        } else {
            stableSince = -1;
        }
        usleep(1000);
    }
    return -1;
}

double ChangeResolution(int id) {
    auto start = Clock::now();
    platform::SendCommand(id);
    platform::ProcessPendingEvents();
    return MsSince(start);
}

// Starts `game` through the settings dialog, then runs the real loop until
// the player's first choice is waiting, and `seconds` more while nobody
// touches anything. Returns the share of one core used while waiting.
double IdleChoiceCpu(int game, double seconds) {
    platform::testing::SetDialogHook([game](platform::Dialog& d, int) {
        d.Click(game ? 1003 : 1002);
        d.Click(1);
    });
    // The game in progress is given up for the new one.
    platform::testing::SetMessageBoxHook(
        [](const std::string&, const std::string&) { return platform::BoxAnswer::Yes; });
    NewGame();
    platform::testing::SetDialogHook(nullptr);
    platform::testing::SetMessageBoxHook(nullptr);
    // The deal and the computers' turns run first, until the player's hand
    // card is to be chosen (state 3, sub-state 1 in both games).
    RunUntil([] { return gameState == 3 && subState == 1; }, 20000);
    double cpuStart = CpuSeconds();
    platform::CallAfter(static_cast<uint32_t>(seconds * 1000), [] { platform::QuitMainLoop(); });
    platform::RunMainLoop([] { return gameState != -1; }, StepCurrentGame);
    return 100.0 * (CpuSeconds() - cpuStart) / seconds;
}

}  // namespace

int main(int argc, char** argv) {
    auto start = Clock::now();
    platform::InitToolPlatform(argc, argv);
    if (!InitApplication()) return 1;
    platform::ProcessPendingEvents();
    double startup = MsSince(start);
    const double ratio = assets::ImageRatio();

    double idle800 = ChangeResolution(cmd::Resolution800);
    double idle1024 = ChangeResolution(cmd::Resolution1024);
    double idle640 = ChangeResolution(cmd::Resolution640);

    animationOn = 1;
    soundEffectsOn = 0;
    double koiCpu = IdleChoiceCpu(0, 5);
    double inGame1024 = ChangeResolution(cmd::Resolution1024);
    long rssKoi = ResidentKb();
    double hanaCpu = IdleChoiceCpu(1, 5);
    long rssHana = ResidentKb();

    // Full screen, in a game of Hana-awase.
    double toFull = SwitchFullScreen(true);
    const auto full = platform::testing::CurrentTableView();
    long rssFullHana = ResidentKb();
    double fullKoiCpu = IdleChoiceCpu(0, 5);
    long rssFullKoi = ResidentKb();
    double fullHanaCpu = IdleChoiceCpu(1, 5);
    double fromFull = SwitchFullScreen(false);

    std::printf("table_ratio %.4g (device pixels to a table pixel in the window)\n", ratio);
    std::printf("startup_to_main_window_ms %.0f (includes the title's 300 ms)\n", startup);
    std::printf(
        "resolution_change_ms idle 800x600 %.0f, 1024x768 %.0f, 640x480 %.0f; in a game to "
        "1024x768 %.0f\n",
        idle800, idle1024, idle640, inGame1024);
    std::printf("cpu_while_choosing_percent koikoi %.2f hanaawase %.2f\n", koiCpu, hanaCpu);
    std::printf("resident_memory_mb_at_1024x768 koikoi %.1f hanaawase %.1f\n", rssKoi / 1024.0,
                rssHana / 1024.0);
    std::printf("full_screen ratio %.4g, table %dx%d device pixels at %d,%d\n", full.ratio,
                platform::DeviceEdge(ClientWidth[2], full.ratio),
                platform::DeviceEdge(ClientHeight[2], full.ratio), full.left, full.top);
    std::printf("full_screen_switch_ms in a game: on %.0f, off %.0f\n", toFull, fromFull);
    std::printf("full_screen_cpu_while_choosing_percent koikoi %.2f hanaawase %.2f\n", fullKoiCpu,
                fullHanaCpu);
    std::printf("full_screen_resident_memory_mb koikoi %.1f hanaawase %.1f\n", rssFullKoi / 1024.0,
                rssFullHana / 1024.0);
    ReleaseCurrentGame();
    gameState = -1;
    ShutdownApplication();
    return 0;
}
