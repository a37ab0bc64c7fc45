#include "app/display/display.h"

#include "app/core/program.h"
#include "assets/catalogue.h"

using assets::LoadImage;
using assets::TableImage;

const platform::Surface* faceImages[49];
const platform::Surface* anticlockwiseImages[49];
const platform::Surface* clockwiseImages[49];
const platform::Surface* glowStrip;
const platform::Surface* homePageLabel;
platform::Surface pristineBackground, tableBase, pileLayer, backBuffer;

void LoadBackgroundSurfaces() {
    // Only what the table shows now stays in memory.
    assets::KeepOnlyImagesFor(resolution, backgroundChoice);
    const platform::Surface& background =
        LoadImage(TableImage(700 + 10 * (currentGame ? 1 : 0) + backgroundChoice, resolution));
    pristineBackground = background;
    tableBase = background;
    backBuffer = background;
    pileLayer = background;
}

int LoadResolutionImages() {
    for (int i = 0; i < 49; ++i) {
        faceImages[i] = &LoadImage(TableImage(i, resolution));
        anticlockwiseImages[i] = &LoadImage(TableImage(100 + i, resolution));
        clockwiseImages[i] = &LoadImage(TableImage(200 + i, resolution));
    }
    glowStrip = &LoadImage(TableImage(300, resolution));
    LoadBackgroundSurfaces();
    homePageLabel = &LoadImage(TableImage(301, resolution));
    return 1;
}
