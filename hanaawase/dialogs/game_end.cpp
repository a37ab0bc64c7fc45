// The end of a game: the music stops, the table is shaded and the result's
// banner plays a short animation in the middle of it, on a fixed schedule.
#include <vector>

#include "assets/catalogue.h"
#include "core/program.h"
#include "core/shell.h"
#include "display/display.h"
#include "hanaawase/dialogs/dialogs.h"
#include "hanaawase/state.h"
#include "hanaawase/ui/outcome.h"
#include "hanaawase/ui/table.h"
#include "table/banner_animation.h"

namespace {

const platform::Surface& Image(int base) {
    return assets::LoadImage(assets::TableImage(base, resolution));
}

table::BannerResult BannerResultOf(HanaOutcome outcome) {
    switch (outcome) {
        case HanaOutcome::Win:
            return table::BannerResult::Win;
        case HanaOutcome::Loss:
            return table::BannerResult::Lose;
        default:
            return table::BannerResult::Draw;
    }
}

void PresentBanner(int x, int y, int w, int h) {
    HanaPresentRect(x, y, x + w - 1, y + h - 1);
}

}  // namespace

int HanaShowGameEnd() {
    if (musicChoice != 3) StopMusic();
    const HanaOutcome outcome = HanaGameOutcome(hana.totalScore);
    const table::BannerResult result = BannerResultOf(outcome);
    const table::BannerAnimation& animation = table::BannerAnimationOf(result);
    const platform::Surface& banner = Image(HanaBannerBase(outcome));
    const int bw = banner.Width(), bh = banner.Height();
    const std::vector<platform::Surface> frames = table::BannerFrames(result, bw, bh, resolution);
    PlaySoundEffect(animation.sound);

    const int width = ClientWidth[resolution], height = ClientHeight[resolution];
    table::DarkenTable(backBuffer, width, height, resolution);
    HanaPresentRect(0, 0, width - 1, height - 1);

    const int x = (width - bw) / 2, y = (height - bh) / 2;
    table::PlayBannerAnimation(backBuffer, animation, banner, frames, x, y, bw, bh, PresentBanner);
    return 1;
}
