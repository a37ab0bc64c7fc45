// Prints how many frames a 200 ms play flight and a 400 ms deal flight show
// in the real window with the real clock, at each resolution.
//   xvfb-run -a build/hana-flight-bench
#include <cstdio>

#include "app/display_options.h"
#include "app/startup.h"
#include "core/program.h"
#include "display/display.h"
#include "hanaawase/state.h"
#include "hanaawase/ui/table.h"
#include "platform/clock.h"
#include "platform/event_loop.h"

int main(int argc, char** argv) {
    platform::InitToolPlatform(argc, argv);
    if (!InitApplication()) return 1;
    currentGame = 1;
    animationOn = 1;
    soundEffectsOn = 0;
    gameState = 3;
    for (int res = 0; res < 3; ++res) {
        resolution = res;
        ChangeResolution();
        HanaClearHand();
        HanaBuildLayout();
        HanaDrawPanel();
        hana.stockCount = 21;
        for (int slot = 0; slot < 7; ++slot) hana.hands[0][slot] = hana.hands[1][slot] = slot * 4;
        for (int p = 0; p < 3; ++p) HanaDrawHand(p), HanaShowHand(p);
        HanaDrawField();
        HanaPresentRect(0, 0, ClientWidth[res] - 1, ClientHeight[res] - 1);
        platform::ProcessPendingEvents();
        const int runs = 10;
        long frames = 0;
        uint32_t ms = 0;
        for (int i = 0; i < runs; ++i) {
            const int slot = i % 7;
            const int card = hana.hands[1][slot];
            hana.hands[1][slot] = -1;
            const long before = hanaFlightFrames;
            const uint32_t start = platform::GetTickCount();
            HanaFlyToField(1, slot, i % 12, card);
            ms += platform::GetTickCount() - start;
            frames += hanaFlightFrames - before;
            hana.hands[1][slot] = card;
            HanaRepaintRect(0, 0, ClientWidth[res], ClientHeight[res]);
        }
        long dealFrames = 0;
        for (int i = 0; i < runs; ++i) {
            for (int& card : hana.hands[0]) card = -1;
            const long before = hanaFlightFrames;
            HanaDealToHand(0);
            dealFrames += hanaFlightFrames - before;
        }
        std::printf(
            "%dx%d: play flight (200 steps) %.1f frames in %.0f ms; deal (400 steps) %.1f "
            "frames\n",
            ClientWidth[res], ClientHeight[res], double(frames) / runs, double(ms) / runs,
            double(dealFrames) / runs);
    }
    ShutdownApplication();
    return 0;
}
