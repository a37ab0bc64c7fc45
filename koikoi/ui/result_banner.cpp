// The end of a game: the table darkens and the result banner plays its
// short animation, then stays still until the human clicks.
#include <vector>

#include "app/display.h"
#include "app/program.h"
#include "app/shell.h"
#include "assets/catalogue.h"
#include "koikoi/state.h"
#include "koikoi/ui/table.h"
#include "platform/clock.h"

namespace koiui {

namespace {

enum Result { Win, Lose, Draw };

Result GameResult() {
    if (koi.gameTotal[0] > koi.gameTotal[1]) return Win;
    if (koi.gameTotal[0] < koi.gameTotal[1]) return Lose;
    return Draw;
}

// clang-format off
// One row per result: the banner, its frames' raster operation, the order of
// the frames in one cycle, the period and the number of cycles.
struct Animation {
    int banner;
    platform::Rop rop;
    std::vector<int> order;
    uint32_t periodMs;
    int cycles;
};
const Animation Animations[] = {
    /* Win  */ {400, platform::Rop::SrcPaint, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, 60, 3},
    /* Lose */ {500, platform::Rop::SrcAnd,   {3, 2, 1, 0, 0, 1, 2, 3},                          120, 3},
    /* Draw */ {600, platform::Rop::SrcCopy,  {0, 1},                                            225, 6},
};
// clang-format on

constexpr int DimMask = 302, WinGlint = 410, LoseMasks = 510, DrawLit = 601;
constexpr int WinGlintFrames = 15;

const platform::Surface& Image(int base) {
    return assets::LoadImage(assets::TableImage(base, resolution));
}

platform::Rect BannerRect(Result result) {
    const int r = resolution;
    const int w = result == Draw ? DrawBannerWidth[r] : BannerWidth[r];
    const int h = result == Draw ? DrawBannerHeight[r] : BannerHeight[r];
    const int x = (ClientWidth[r] - w) / 2, y = (ClientHeight[r] - h) / 2;
    return {x, y, x + w, y + h};
}

void Dim() {
    const int r = resolution;
    platform::BitBlt(backBuffer, 0, 0, ClientWidth[r], ClientHeight[r], Image(DimMask), 0, 0,
                     platform::Rop::SrcAnd);
}

// The frames of one result, each of banner size.
std::vector<platform::Surface> Frames(Result result, const platform::Rect& b) {
    std::vector<platform::Surface> frames;
    if (result == Draw) {
        frames.push_back(Image(600));
        frames.push_back(Image(DrawLit));
    } else if (result == Lose) {
        for (int i = 0; i < 4; ++i) frames.push_back(Image(LoseMasks + i));
    } else {
        // The light band sweeps across the banner from one picture to the next.
        const platform::Surface& strip = Image(WinGlint);
        const int s = b.Width() + 2 * b.Height();
        for (int i = 0; i < WinGlintFrames; ++i) {
            platform::Surface frame(b.Width(), b.Height());
            platform::BitBlt(frame, 0, 0, b.Width(), b.Height(), strip, s - (s / 14) * i, 0);
            frames.push_back(std::move(frame));
        }
    }
    return frames;
}

}  // namespace

int DrawResultBanner() {
    const Result result = GameResult();
    const platform::Rect b = BannerRect(result);
    Dim();
    platform::BitBlt(backBuffer, b.left, b.top, b.Width(), b.Height(),
                     Image(Animations[result].banner), 0, 0);
    return 1;
}

int PlayGameResult() {
    const int r = resolution;
    if (musicChoice != 3) StopMusic();
    const Result result = GameResult();
    const Animation& a = Animations[result];
    const platform::Rect b = BannerRect(result);
    const platform::Surface& banner = Image(a.banner);
    const std::vector<platform::Surface> frames = Frames(result, b);
    PlaySoundEffect(result == Win ? 194 : 195);
    Dim();
    PresentRect(0, 0, ClientWidth[r], ClientHeight[r]);
    // Frames that fell behind are skipped; the time runs on across cycles.
    uint32_t t0 = platform::GetTickCount();
    const int count = static_cast<int>(a.order.size());
    for (int cycle = 0; cycle < a.cycles; ++cycle) {
        int i = 0;
        while (i < count) {
            platform::BitBlt(backBuffer, b.left, b.top, b.Width(), b.Height(), banner, 0, 0);
            platform::BitBlt(backBuffer, b.left, b.top, b.Width(), b.Height(), frames[a.order[i]],
                             0, 0, a.rop);
            PresentRect(b.left, b.top, b.right, b.bottom);
            while (platform::GetTickCount() - t0 < a.periodMs) platform::CurrentClock().Pause();
            while (platform::GetTickCount() - t0 >= a.periodMs) {
                t0 += a.periodMs;
                ++i;
            }
        }
    }
    platform::BitBlt(backBuffer, b.left, b.top, b.Width(), b.Height(), banner, 0, 0);
    PresentRect(b.left, b.top, b.right, b.bottom);
    return 1;
}

}  // namespace koiui
