// Resolution and background changes from the menu.
#include "app/display_options.h"

#include "app/games.h"
#include "app/preferences.h"
#include "app/startup.h"
#include "assets/catalogue.h"
#include "assets/menu.h"
#include "core/program.h"
#include "display/display.h"
#include "platform/window.h"

namespace {
platform::Rect ClientRect() {
    return {0, 0, ClientWidth[resolution], ClientHeight[resolution]};
}
}  // namespace

int ChangeResolution() {
    LoadResolutionImages();
    // The table drawn again appears in one paint.
    platform::HoldPresents(true);
    if (gameState == -1) {
        platform::PlaceMainWindow(ClientWidth[resolution], ClientHeight[resolution]);
        platform::PresentRect(pristineBackground, ClientRect());
    } else {
        RelayoutGame();
        platform::PlaceMainWindow(ClientWidth[resolution], ClientHeight[resolution]);
        RebuildGameTable();
    }
    platform::HoldPresents(false);
    return 1;
}

int ChangeBackground() {
    LoadBackgroundSurfaces();
    platform::RepaintWindow(ClientRect());
    return 1;
}

namespace {
bool ratioChangePending = false;
}  // namespace

void ChooseFullScreen(bool on) {
    fullScreenOn = on ? 1 : 0;
    platform::CheckMenuItem(cmd::FullScreen, on);
    SavePreferences();
    platform::SetFullScreen(on);
    // The window's new size comes from the desktop later; the pictures for
    // it are made now.
    ChangePixelRatio();
}

void ChangePixelRatio() {
    if (InsideGameStep()) {
        ratioChangePending = true;
        return;
    }
    ratioChangePending = false;
    const double ratio =
        platform::TablePixelRatio(ClientWidth[resolution], ClientHeight[resolution]);
    if (ratio == assets::ImageRatio()) return;
    platform::HoldPresents(true);
    LoadResolutionImages();
    if (gameState == -1)
        platform::PresentRect(pristineBackground, ClientRect());
    else
        RebuildGameTable();
    platform::HoldPresents(false);
}

void ApplyPendingPixelRatio() {
    if (ratioChangePending) ChangePixelRatio();
}
