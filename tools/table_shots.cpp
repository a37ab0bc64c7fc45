// Not a test: plays a game of each kind in the real window and saves
// screenshots at the moments a player reads the table: while choosing, while
// a computer's play is on show, in the yaku dialogs, after a こいこい, over
// the end-of-hand score tables, and while the drawn card chooses between two
// field cards, before and after a change of background rebuilds the table.
//   table_shots OUTDIR koikoi|hanaawase RESOLUTION(0-2) BACKGROUND(0-2) SEED [fullscreen]
// Run under xvfb-run; every picture is the main window with its dialogs, in
// the screen's device pixels (QT_SCALE_FACTOR=2 gives pictures twice as wide),
// or the whole screen in full screen.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "app/games.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "assets/dialogs.h"
#include "assets/menu.h"
#include "cards/random.h"
#include "core/program.h"
#include "display/display.h"
#include "hanaawase/flow.h"
#include "hanaawase/state.h"
#include "hanaawase/ui/layout_tables.h"
#include "koikoi/state.h"
#include "koikoi/ui/layout_tables.h"
#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/event_loop.h"
#include "platform/window.h"
#include "table/marks.h"
#include "tests/app/data_dir.h"

namespace {

std::string outDir, prefix;
std::map<std::string, int> taken;

void Shot(const std::string& name);

// The drawn card waits for one of two field cards while the turn's first
// capture still lies on the field: the table as it is, then rebuilt on
// another background, then the background as it was.
void ShootRebuildDuringTheDrawnCardsChoice(bool pairOnField) {
    if (!pairOnField || taken["7-drawn-choice"]) return;
    Shot("7-drawn-choice");
    const int background = backgroundChoice;
    platform::SendCommand(cmd::Background1 + (background + 1) % 3);
    Shot("7-drawn-choice-rebuilt");
    platform::SendCommand(cmd::Background1 + background);
}

// Once per name.
void Shot(const std::string& name) {
    if (taken[name]++) return;
    for (int i = 0; i < 10; ++i) {
        platform::ProcessPendingEvents();
        usleep(30000);
    }
    const platform::Rect f = platform::MainWindowFrame();
    const double k = platform::ScreenPixelRatio();
    auto device = [k](int v) { return static_cast<int>(v * k + 0.5); };
    const std::string path = outDir + "/" + prefix + "-" + name + ".png";
    char command[512];
    if (platform::IsFullScreen())
        std::snprintf(command, sizeof command, "import -window root %s", path.c_str());
    else
        std::snprintf(command, sizeof command, "import -window root -crop %dx%d+%d+%d +repage %s",
                      device(f.Width()), device(f.Height()), device(f.left), device(f.top),
                      path.c_str());
    if (std::system(command) != 0) std::fprintf(stderr, "import failed: %s\n", path.c_str());
    std::printf("%s\n", path.c_str());
    std::fflush(stdout);
}

void PlayKoiKoi() {
    MainWindowHandler input;
    int turn = 0, koiKoiCalls = 0, handsEnded = 0;
    platform::testing::SetDialogHook([&](platform::Dialog& d, int number) {
        if (number == dlg::KoiKoiYakuMade) {
            const bool com = koi.yakuAnnounced[1] != 0;
            Shot(com ? "1-yaku-com" : "1-yaku-you");
            if (!com && d.IsItemEnabled(1000)) {
                ++koiKoiCalls;
                d.Click(1000);
                return;
            }
            if (com && d.IsItemEnabled(1000)) ++koiKoiCalls;
            d.Click(d.IsItemEnabled(1022) ? 1022 : 1000);
            return;
        }
        if (number == dlg::OyakenNotice) Shot("1-oyaken");
        if (number == dlg::KoiKoiScoreTableSixHands || number == dlg::KoiKoiScoreTable) {
            if (handsEnded++ < 2) Shot("5-score-table-" + std::to_string(handsEnded));
        }
        d.Click(1);
    });
    table::SetHoldObserver([&](int) {
        bool captured = false;
        for (auto& pair : koi.capturePairs) captured = captured || pair[0] != -1;
        if (captured && turn >= 2) Shot("4-com-play");
    });
    NewGame();
    long steps = 0;
    while (gameState != -1 && steps++ < 400000) {
        StepCurrentGame();
        platform::ProcessPendingEvents();
        const int r = resolution;
        if (gameState == 3 && subState == 1) {
            const int slot = turn++ % koi.handCount[0];
            const int x = koiui::HandX[r][0][slot] + 5, y = koiui::HandY[r][0] + 5;
            input.OnMouseMove(x, y);
            StepCurrentGame();
            if (turn == 4) Shot("6-your-turn-3-counts");
            if (koiKoiCalls > 0) Shot("2-koikoi-marker");
            input.OnLeftButtonDown(x, y);
        } else if (gameState == 3 && (subState == 2 || subState == 4)) {
            const int h = subState == 2 ? koi.selectedHandSlot : 8;
            if (koi.matchCount[0][h] != 2) continue;
            if (subState == 4) {
                bool pair = false;
                for (auto& p : koi.capturePairs) pair = pair || p[0] != -1;
                ShootRebuildDuringTheDrawnCardsChoice(pair);
            }
            const int f = koi.matchSlots[0][h][1];
            input.OnLeftButtonDown(koiui::FieldX(r, f) + 5, koiui::FieldY(r, f) + 5);
        } else if (gameState == 7) {
            Shot("7-result-banner");
            input.OnLeftButtonDown(ClientWidth[r] / 2, ClientHeight[r] / 2);
        }
    }
}

void PlayHanaAwase() {
    MainWindowHandler input;
    int turn = 0, sheets = 0, yakuShots = 0;
    platform::testing::SetDialogHook([&](platform::Dialog& d, int number) {
        if (number == dlg::HanaYakuMade) {
            if (yakuShots++ < 2) Shot("1-yaku-" + std::to_string(yakuShots));
        } else if (number == dlg::HanaScoreSheet) {
            if (sheets++ < 2) Shot("5-score-sheet-" + std::to_string(sheets));
        } else if (number == dlg::HanaResultsSixHands && sheets <= 2) {
            Shot("5-results-" + std::to_string(sheets));
        }
        if (number == dlg::GameSettings) d.Click(1003);
        d.Click(number == dlg::HanaYakuMade ? 1024 : 1);
    });
    table::SetHoldObserver([&](int player) {
        if (turn >= 2) Shot("4-com" + std::to_string(player) + "-play");
    });
    NewGame();
    long steps = 0;
    while (gameState != -1 && steps++ < 400000) {
        StepCurrentGame();
        platform::ProcessPendingEvents();
        const int r = resolution;
        auto centre = [&](int x, int y) {
            input.OnLeftButtonDown(x + CardWidth[r] / 2, y + CardHeight[r] / 2);
        };
        if (gameState == HanaUserTurn && subState == 1) {
            const int slot = turn++ % hana.handCount[0];
            input.OnMouseMove(HanaHandX[r][0][slot] + 5, HanaHandY[r][0][slot] + 5);
            StepCurrentGame();
            if (turn == 4) Shot("6-your-turn-3-counts");
            centre(HanaHandX[r][0][slot], HanaHandY[r][0][slot]);
        } else if (gameState == HanaUserTurn && (subState == 2 || subState == 4)) {
            const int slot = subState == 2 ? hana.chosenHandSlot : HanaDrawnSlot;
            if (subState == 4 && hana.matchCount[0][slot] == 2) {
                bool pair = false;
                for (auto& p : hana.capturePairs) pair = pair || p[0] != -1;
                ShootRebuildDuringTheDrawnCardsChoice(pair);
            }
            const int place = hana.matchSlots[0][slot][1];
            centre(HanaFieldX[r][place], HanaFieldY[r][place]);
            centre(HanaFieldX[r][place], HanaFieldY[r][place]);
        } else if (gameState == HanaFinalWait) {
            Shot("7-result-banner");
            input.OnLeftButtonDown(300, 300);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6 && argc != 7) {
        std::fprintf(stderr,
                     "usage: table_shots OUTDIR koikoi|hanaawase RES BG SEED [fullscreen]\n");
        return 2;
    }
    const bool fullScreen = argc == 7 && std::string(argv[6]) == "fullscreen";
    outDir = argv[1];
    const bool koiKoi = std::string(argv[2]) == "koikoi";
    const int res = std::atoi(argv[3]), bg = std::atoi(argv[4]);
    prefix = std::string(koiKoi ? "koikoi" : "hanaawase") + "-" +
             (res == 0   ? "640x480"
              : res == 1 ? "800x600"
                         : "1024x768") +
             "-bg" + std::to_string(bg + 1);
    TestDataDir data;
    setenv("XDG_RUNTIME_DIR", data.root.c_str(), 1);
    // No music, glows and animation on, no sound, six hands, 月見/花見 3 文, 親権 on.
    std::string settings =
        std::string(koiKoi ? "0" : "1") + std::to_string(res) + std::to_string(bg) + "3110011";
    data.Write("settei.dat", settings);
    if (fullScreen) data.Write("kirabo.ini", "[display]\nfullscreen=1\n");
    platform::InitPlatform(argc, argv);
    if (!InitApplication()) return 1;
    platform::FakeClock clock(0, 2);
    platform::SetClock(&clock);
    SeedRandom(static_cast<uint32_t>(std::atoi(argv[5])));
    if (koiKoi)
        PlayKoiKoi();
    else
        PlayHanaAwase();
    platform::SetClock(nullptr);
    return 0;
}
