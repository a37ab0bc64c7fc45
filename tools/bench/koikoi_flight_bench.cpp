// Counts the frames a 200-step card flight shows in the real window with
// the real clock, at 1024x768, in the window or full screen. Run under
// xvfb-run (with QT_SCALE_FACTOR=2 for a doubled desktop):
//   xvfb-run -a build/koikoi-flight-bench [fullscreen]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/startup.h"
#include "assets/catalogue.h"
#include "assets/menu.h"
#include "core/program.h"
#include "display/display.h"
#include "koikoi/state.h"
#include "koikoi/ui/table.h"
#include "platform/clock.h"
#include "platform/event_loop.h"
#include "platform/window.h"

int main(int argc, char** argv) {
    const bool fullScreen = argc > 1 && std::string(argv[1]) == "fullscreen";
    char folder[] = "/tmp/kirabo-bench-XXXXXX";
    const std::string root = mkdtemp(folder);
    setenv("XDG_DATA_HOME", root.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", root.c_str(), 1);
    platform::InitToolPlatform(argc, argv);
    if (!InitApplication()) return 1;
    platform::SendCommand(cmd::Resolution1024);  // 1024x768
    if (fullScreen) {
        platform::SendCommand(cmd::FullScreen);
        // Until the desktop has given the window the whole screen.
        const uint32_t t0 = platform::GetTickCount();
        while (platform::GetTickCount() - t0 < 1000) {
            platform::ProcessPendingEvents();
            platform::WaitMs(5);
        }
    }
    soundEffectsOn = 0;
    animationOn = 1;
    gameState = 3;
    subState = 0;
    ResetHandState();
    koiui::BuildKoiKoiLayout();
    koiui::RepaintRect(0, 0, ClientWidth[2], ClientHeight[2]);
    koiui::PresentRect(0, 0, ClientWidth[2], ClientHeight[2]);
    platform::ProcessPendingEvents();
    const int r = 2;
    int fewest = 1 << 30, most = 0, total = 0;
    const int flights = 20;
    for (int i = 0; i < flights; ++i) {
        const int slot = i % 8, field = i % 16;
        int sx = koiui::HandX[r][0][slot], sy = koiui::HandY[r][0];
        int tx = koiui::FieldX(r, field), ty = koiui::FieldY(r, field), card = i;
        const long before = koiui::presentCount;
        const uint32_t t0 = platform::GetTickCount();
        koiui::FlyCards(&sx, &sy, &tx, &ty, &card, 1, 200);
        const uint32_t took = platform::GetTickCount() - t0;
        const int frames = static_cast<int>(koiui::presentCount - before);
        std::printf("flight %2d: %3d frames in %3u ms\n", i, frames, took);
        fewest = std::min(fewest, frames);
        most = std::max(most, frames);
        total += frames;
        koiui::RepaintRect(tx, ty, koiui::CardWidth[r], koiui::CardHeight[r]);
        platform::ProcessPendingEvents();
    }
    std::printf("200 ms flights at 1024x768%s, ratio %.4g: fewest %d, most %d, mean %.1f frames\n",
                fullScreen ? " full screen" : "", assets::ImageRatio(), fewest, most,
                static_cast<double>(total) / flights);
    ShutdownApplication();
    std::system(("rm -rf " + root).c_str());
    return 0;
}
