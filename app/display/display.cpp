#include "app/display/display.h"

#include "app/core/program.h"
#include "assets/catalogue.h"
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
    assets::KeepOnlyImagesFor(resolution, backgroundChoice, turned);
    for (int i = 0; i < 49; ++i) {
        if (!turned) {
            anticlockwiseImages[i] = clockwiseImages[i] = nullptr;
        } else if (!anticlockwiseImages[i] || !clockwiseImages[i]) {
            anticlockwiseImages[i] = &LoadImage(TableImage(100 + i, resolution));
            clockwiseImages[i] = &LoadImage(TableImage(200 + i, resolution));
        }
    }
    const platform::Surface& background =
        LoadImage(TableImage(700 + 10 * (currentGame ? 1 : 0) + backgroundChoice, resolution));
    pristineBackground = background;
    tableBase = background;
    backBuffer = background;
    pileLayer = background;
    platform::SetSurround(background);
}

int LoadResolutionImages() {
    // The pictures are made for the ratio the window shows this table at.
    assets::SetImageRatio(
        platform::TablePixelRatio(ClientWidth[resolution], ClientHeight[resolution]));
    assets::PrepareCardImages(resolution);
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
