// The end of a game: the table darkens and the result banner plays its
// short animation, then stays still until the human clicks.
#include <vector>

#include "assets/catalogue.h"
#include "core/program.h"
#include "core/shell.h"
#include "display/display.h"
#include "koikoi/state.h"
#include "koikoi/ui/table.h"
#include "table/banner_animation.h"

namespace koiui {

namespace {

using Result = table::BannerResult;

Result GameResult() {
    if (koi.gameTotal[0] > koi.gameTotal[1]) return Result::Win;
    if (koi.gameTotal[0] < koi.gameTotal[1]) return Result::Lose;
    return Result::Draw;
}

const platform::Surface& Image(int base) {
    return assets::LoadImage(assets::TableImage(base, resolution));
}

platform::Rect BannerRect(Result result) {
    const int r = resolution;
    const int w = result == Result::Draw ? DrawBannerWidth[r] : BannerWidth[r];
    const int h = result == Result::Draw ? DrawBannerHeight[r] : BannerHeight[r];
    const int x = (ClientWidth[r] - w) / 2, y = (ClientHeight[r] - h) / 2;
    return {x, y, x + w, y + h};
}

void Dim() {
    table::DarkenTable(backBuffer, ClientWidth[resolution], ClientHeight[resolution], resolution);
}

void PresentBanner(int x, int y, int w, int h) {
    PresentRect(x, y, x + w, y + h);
}

}  // namespace

int DrawResultBanner() {
    const Result result = GameResult();
    const platform::Rect b = BannerRect(result);
    Dim();
    platform::BitBlt(backBuffer, b.left, b.top, b.Width(), b.Height(),
                     Image(table::BannerAnimationOf(result).banner), 0, 0);
    return 1;
}

int PlayGameResult() {
    const int r = resolution;
    if (musicChoice != 3) StopMusic();
    const Result result = GameResult();
    const table::BannerAnimation& a = table::BannerAnimationOf(result);
    const platform::Rect b = BannerRect(result);
    const platform::Surface& banner = Image(a.banner);
    const std::vector<platform::Surface> frames =
        table::BannerFrames(result, b.Width(), b.Height(), r);
    PlaySoundEffect(a.sound);
    Dim();
    PresentRect(0, 0, ClientWidth[r], ClientHeight[r]);
    table::PlayBannerAnimation(backBuffer, a, banner, frames, b.left, b.top, b.Width(), b.Height(),
                               PresentBanner);
    return 1;
}

}  // namespace koiui
