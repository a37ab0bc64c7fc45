// The end-of-game banner's short animation, the same in both games: which
// frames lie over the still banner, how, in what order, how fast and how
// many times. Each table decides the result, where the banner stands and how
// a rectangle of it is shown.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/surface.h"

namespace table {

enum class BannerResult { Win, Lose, Draw };

struct BannerAnimation {
    int banner;              // the still banner's image
    int sound;               // the sound effect the result plays
    platform::Rop rop;       // how a frame lies over the banner
    std::vector<int> order;  // the frames of one cycle
    uint32_t periodMs;       // how long each frame shows
    int cycles;
};

const BannerAnimation& BannerAnimationOf(BannerResult result);

// Darkens width x height of the table in `dst` through the dimming mask of
// the resolution, so that the banner stands out.
void DarkenTable(platform::Surface& dst, int width, int height, int resolution);

// The frame pictures of a result at a resolution, each bw x bh.
std::vector<platform::Surface> BannerFrames(BannerResult result, int bw, int bh, int resolution);

// Shows a rectangle of the table's back buffer: left, top, width, height.
using PresentFunction = void (*)(int x, int y, int w, int h);

// Plays the animation over `banner` at (x, y) of `dst`, presenting the
// banner after every frame, and leaves the still banner shown. Frames that
// fell behind are skipped; the time runs on across cycles.
void PlayBannerAnimation(platform::Surface& dst, const BannerAnimation& a,
                         const platform::Surface& banner,
                         const std::vector<platform::Surface>& frames, int x, int y, int bw, int bh,
                         PresentFunction present);

}  // namespace table
