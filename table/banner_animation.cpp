#include "table/banner_animation.h"

#include "assets/catalogue.h"
#include "core/sound_effects.h"
#include "platform/clock.h"
#include "table/frame_pacing.h"

namespace table {

namespace {

constexpr int DimMask = 302, WinBanner = 400, WinGlint = 410, LoseBanner = 500, WinGlintFrames = 15,
              LoseMasks = 510, DrawStill = 600, DrawLit = 601;

// clang-format off
// One row per result: the banner, its sound, its frames' raster operation,
// the order of the frames in one cycle, the period and the number of cycles.
const BannerAnimation Animations[] = {
    /* Win  */ {WinBanner,  sfx::GameWon,  platform::Rop::SrcPaint, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, 60, 3},
    /* Lose */ {LoseBanner, sfx::GameOver, platform::Rop::SrcAnd,   {3, 2, 1, 0, 0, 1, 2, 3},                          120, 3},
    /* Draw */ {DrawStill,  sfx::GameOver, platform::Rop::SrcCopy,  {0, 1},                                            225, 6},
};
// clang-format on

}  // namespace

const BannerAnimation& BannerAnimationOf(BannerResult result) {
    return Animations[static_cast<int>(result)];
}

void DarkenTable(platform::Surface& dst, int width, int height, int resolution) {
    platform::BitBlt(dst, 0, 0, width, height,
                     assets::LoadImage(assets::TableImage(DimMask, resolution)), 0, 0,
                     platform::Rop::SrcAnd);
}

std::vector<platform::Surface> BannerFrames(BannerResult result, int bw, int bh, int resolution) {
    auto image = [resolution](int base) -> const platform::Surface& {
        return assets::LoadImage(assets::TableImage(base, resolution));
    };
    std::vector<platform::Surface> frames;
    if (result == BannerResult::Draw) {
        frames.push_back(image(DrawStill));
        frames.push_back(image(DrawLit));
    } else if (result == BannerResult::Lose) {
        for (int i = 0; i < 4; ++i) frames.push_back(image(LoseMasks + i));
    } else {
        // The light band of the strip sweeps across the banner from one
        // picture to the next.
        const platform::Surface& strip = image(WinGlint);
        const int span = bw + 2 * bh;
        for (int i = 0; i < WinGlintFrames; ++i) {
            platform::Surface frame(bw, bh);
            platform::BitBlt(frame, 0, 0, bw, bh, strip, span - (span / 14) * i, 0);
            frames.push_back(std::move(frame));
        }
    }
    return frames;
}

void PlayBannerAnimation(platform::Surface& dst, const BannerAnimation& a,
                         const platform::Surface& banner,
                         const std::vector<platform::Surface>& frames, int x, int y, int bw, int bh,
                         PresentFunction present) {
    uint32_t t0 = platform::GetTickCount();
    const int count = static_cast<int>(a.order.size());
    for (int cycle = 0; cycle < a.cycles; ++cycle) {
        int i = 0;
        while (i < count) {
            platform::BitBlt(dst, x, y, bw, bh, banner, 0, 0);
            platform::BitBlt(dst, x, y, bw, bh, frames[a.order[i]], 0, 0, a.rop);
            present(x, y, bw, bh);
            i += WaitForNextFrame(t0, a.periodMs);
        }
    }
    platform::BitBlt(dst, x, y, bw, bh, banner, 0, 0);
    present(x, y, bw, bh);
}

}  // namespace table
