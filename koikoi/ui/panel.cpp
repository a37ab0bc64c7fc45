// The status panel: 親/子 plates, name labels, both game totals in 文 and
// the home-page label, painted into tableBase once per hand so that every
// later repaint restores it for free.
#include <cstdio>
#include <cstring>

#include "assets/catalogue.h"
#include "core/program.h"
#include "display/display.h"
#include "koikoi/state.h"
#include "koikoi/ui/marks.h"
#include "koikoi/ui/table.h"

namespace koiui {

namespace {

const platform::Surface& Sheet(int base) {
    return assets::LoadImage(assets::TableImage(base, resolution));
}

}  // namespace

int DrawKoiKoiPlates(platform::Surface& layer) {
    const int r = resolution, bg = backgroundChoice;
    const platform::Surface& plates = Sheet(704);
    for (int p = 0; p < 2; ++p) {
        // The dealer's plate reads 親, the other's 子. The first background
        // leaves the plates' places free further out.
        const int c = (koi.dealer ^ p) + 2 * bg;
        const int shift = bg == 0 ? (p == 0 ? PlateShift[r] : -PlateShift[r]) : 0;
        const int pw = PlateWidth[r], ph = PlateHeight[r];
        platform::DrawMasked(layer, PlateX[r][p] + shift, PlateY[r][p], pw, ph, plates, c * pw, 0,
                             plates, c * pw, ph);
    }
    return 1;
}

int DrawKoiKoiPanel() {
    const int r = resolution, bg = backgroundChoice;
    const platform::Surface& names = Sheet(705);
    const platform::Surface& digits = Sheet(703);
    platform::BitBlt(tableBase, 0, 0, ClientWidth[r], ClientHeight[r], pristineBackground, 0, 0);
    DrawKoiKoiPlates(tableBase);
    for (int p = 0; p < 2; ++p) {
        const int nw = NameWidth[r], nh = NameHeight[r];
        platform::DrawMasked(tableBase, NameX[r][p], NameY[r][p], nw, nh, names, bg * nw,
                             2 * p * nh, names, bg * nw, (2 * p + 1) * nh);
        platform::BitBlt(tableBase, HomeLabelX, HomeLabelY[r], HomeLabelWidth[r],
                         HomeLabelHeight[r], *homePageLabel, 0, 0);
        // The total, right-aligned against 文; the display stops at four digits.
        char text[16];
        const int total = koi.gameTotal[p];
        std::snprintf(text, sizeof text, "%d", total < 10000 ? total : 9999);
        const int length = static_cast<int>(std::strlen(text));
        const int dw = DigitWidth[r], dh = DigitHeight[r];
        for (int i = 0; i < length; ++i) {
            const int v = text[i] - '0';
            if (v < 0 || v > 9) continue;
            platform::DrawMasked(tableBase, ScoreRightX[r][p] - (length - i) * dw, ScoreY[r][p], dw,
                                 dh, digits, v * dw, 2 * bg * dh, digits, v * dw,
                                 (2 * bg + 1) * dh);
        }
        platform::DrawMasked(tableBase, ScoreRightX[r][p], ScoreY[r][p], MonWidth[r], MonHeight[r],
                             digits, 10 * dw, 2 * bg * dh, digits, 10 * dw, (2 * bg + 1) * dh);
    }
    DrawTableMarks();
    platform::BitBlt(backBuffer, 0, 0, ClientWidth[r], ClientHeight[r], tableBase, 0, 0);
    platform::BitBlt(pileLayer, 0, 0, ClientWidth[r], ClientHeight[r], tableBase, 0, 0);
    return 1;
}

}  // namespace koiui
