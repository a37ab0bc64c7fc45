// The end of a game: the music stops, the table is shaded and the result's
// banner plays a short animation in the middle of it, on a fixed schedule.
#include <vector>

#include "app/display.h"
#include "app/program.h"
#include "app/shell.h"
#include "assets/catalogue.h"
#include "hanaawase/dialogs/dialogs.h"
#include "hanaawase/state.h"
#include "hanaawase/ui/outcome.h"
#include "hanaawase/ui/table.h"
#include "platform/clock.h"

namespace {

constexpr int DarkeningMask = 302, WinSweepStrip = 410, WinSweepFrames = 15;

struct BannerAnimation {
    int sound;
    std::vector<int> order;  // frames of one cycle
    uint32_t frameMs;
    int cycles;
    platform::Rop rop;
};

const platform::Surface& Image(int base) {
    return assets::LoadImage(assets::TableImage(base, resolution));
}

BannerAnimation AnimationOf(HanaOutcome outcome) {
    switch (outcome) {
        case HanaOutcome::Win:
            return {194,
                    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14},
                    60,
                    3,
                    platform::Rop::SrcPaint};
        case HanaOutcome::Loss:
            return {195, {3, 2, 1, 0, 0, 1, 2, 3}, 120, 3, platform::Rop::SrcAnd};
        default:
            return {195, {0, 1}, 225, 6, platform::Rop::SrcCopy};
    }
}

// The frame pictures of an outcome, each the banner's size.
std::vector<platform::Surface> FramesOf(HanaOutcome outcome, int bw, int bh) {
    std::vector<platform::Surface> frames;
    if (outcome == HanaOutcome::Win) {
        // The lit band of the strip sweeps across the banner.
        const platform::Surface& strip = Image(WinSweepStrip);
        const int span = bw + 2 * bh;
        for (int i = 0; i < WinSweepFrames; ++i) {
            platform::Surface frame(bw, bh);
            platform::BitBlt(frame, 0, 0, bw, bh, strip, span - (span / 14) * i, 0);
            frames.push_back(frame);
        }
    } else if (outcome == HanaOutcome::Loss) {
        for (int base = 510; base <= 513; ++base) frames.push_back(Image(base));
    } else {
        frames.push_back(Image(600));
        frames.push_back(Image(601));
    }
    return frames;
}

}  // namespace

int HanaShowGameEnd() {
    if (musicChoice != 3) StopMusic();
    const HanaOutcome outcome = HanaGameOutcome(hana.totalScore);
    const BannerAnimation animation = AnimationOf(outcome);
    const platform::Surface& banner = Image(HanaBannerBase(outcome));
    const int bw = banner.Width(), bh = banner.Height();
    const std::vector<platform::Surface> frames = FramesOf(outcome, bw, bh);
    PlaySoundEffect(animation.sound);

    const int width = ClientWidth[resolution], height = ClientHeight[resolution];
    platform::BitBlt(backBuffer, 0, 0, width, height, Image(DarkeningMask), 0, 0,
                     platform::Rop::SrcAnd);
    HanaPresentRect(0, 0, width - 1, height - 1);

    const int x = (width - bw) / 2, y = (height - bh) / 2;
    const int perCycle = static_cast<int>(animation.order.size());
    uint32_t start = platform::GetTickCount();
    for (int cycle = 0; cycle < animation.cycles; ++cycle) {
        int i = 0;
        while (i < perCycle) {
            platform::BitBlt(backBuffer, x, y, bw, bh, banner, 0, 0);
            platform::BitBlt(backBuffer, x, y, bw, bh, frames[animation.order[i]], 0, 0,
                             animation.rop);
            HanaPresentRect(x, y, x + bw - 1, y + bh - 1);
            uint32_t now = platform::GetTickCount();
            while (now - start < animation.frameMs) {
                platform::CurrentClock().Pause();
                now = platform::GetTickCount();
            }
            // A late frame makes the animation skip frames to keep time.
            while (now - start >= animation.frameMs) {
                start += animation.frameMs;
                ++i;
            }
        }
    }
    platform::BitBlt(backBuffer, x, y, bw, bh, banner, 0, 0);
    HanaPresentRect(x, y, x + bw - 1, y + bh - 1);
    return 1;
}
