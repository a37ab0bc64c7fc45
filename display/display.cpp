#include "display/display.h"

#include "assets/catalogue.h"
#include "core/program.h"
#include "platform/window.h"

using assets::LoadImage;
using assets::TableImage;

const platform::Surface* faceImages[49];
const platform::Surface* anticlockwiseImages[49];
const platform::Surface* clockwiseImages[49];
const platform::Surface* glowStrip;
const platform::Surface* homePageLabel;
platform::Surface pristineBackground, tableBase, pileLayer, backBuffer;

void LoadBackgroundSurfaces() {
    // Only what the table shows now stays in memory: the turned card sets
    // only while Hana-awase, the one game that lays cards sideways, is chosen.
    const bool turned = currentGame == 1;
    assets::KeepOnlyImagesFor(resolution, backgroundChoice, turned ? 1 : 0);
    if (!turned)
        for (int i = 0; i < 49; ++i) anticlockwiseImages[i] = clockwiseImages[i] = nullptr;
    // The backs of the side players' hands now; the faces when first laid.
    if (turned) {
        AnticlockwiseImage(48);
        ClockwiseImage(48);
    }
    const platform::Surface& background =
        LoadImage(TableImage(700 + 10 * (currentGame ? 1 : 0) + backgroundChoice, resolution));
    pristineBackground = background;
    tableBase = background;
    backBuffer = background;
    pileLayer = background;
    platform::SetSurround(background);
}

const platform::Surface& AnticlockwiseImage(int card) {
    if (!anticlockwiseImages[card])
        anticlockwiseImages[card] = &LoadImage(TableImage(100 + card, resolution));
    return *anticlockwiseImages[card];
}

const platform::Surface& ClockwiseImage(int card) {
    if (!clockwiseImages[card])
        clockwiseImages[card] = &LoadImage(TableImage(200 + card, resolution));
    return *clockwiseImages[card];
}

int LoadResolutionImages() {
    // The pictures are made for the ratio the window shows this table at.
    assets::SetImageRatio(
        platform::TablePixelRatio(ClientWidth[resolution], ClientHeight[resolution]));
    const int sheets = currentGame ? 713 : 703;
    assets::PrepareTableImages(
        resolution, {300, 301, 700 + 10 * (currentGame ? 1 : 0) + backgroundChoice, sheets,
                     sheets + 1, sheets + 2});
    for (int i = 0; i < 49; ++i) {
        faceImages[i] = &LoadImage(TableImage(i, resolution));
        // Made again below for Hana-awase: those of before may be gone.
        anticlockwiseImages[i] = clockwiseImages[i] = nullptr;
    }
    glowStrip = &LoadImage(TableImage(300, resolution));
    LoadBackgroundSurfaces();
    homePageLabel = &LoadImage(TableImage(301, resolution));
    return 1;
}
