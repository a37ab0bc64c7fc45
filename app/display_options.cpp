// Resolution and background changes from the menu.
#include "app/core/program.h"
#include "app/display/display.h"
#include "app/games.h"
#include "platform/window.h"

namespace {
platform::Rect ClientRect() {
    return {0, 0, ClientWidth[resolution], ClientHeight[resolution]};
}
}  // namespace

int ChangeResolution() {
    LoadResolutionImages();
    if (gameState == -1) {
        platform::PlaceMainWindow(ClientWidth[resolution], ClientHeight[resolution]);
        platform::PresentRect(pristineBackground, ClientRect());
        return 1;
    }
    RelayoutGame();
    platform::PlaceMainWindow(ClientWidth[resolution], ClientHeight[resolution]);
    RebuildGameTable();
    return 1;
}

int ChangeBackground() {
    LoadBackgroundSurfaces();
    platform::RepaintWindow(ClientRect());
    return 1;
}
