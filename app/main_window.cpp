#include "app/main_window.h"

#include "app/display_options.h"
#include "app/games.h"
#include "assets/menu.h"
#include "core/program.h"
#include "core/shell.h"
#include "core/sound_effects.h"
#include "display/display.h"
#include "platform/window.h"

namespace {

struct LabelRect {
    int x, y, w, h;
};
// [game][resolution]
constexpr LabelRect HomePageLabelRects[2][3] = {
    {{3, 416, 122, 15}, {3, 533, 157, 18}, {3, 692, 244, 27}},
    {{10, 413, 122, 15}, {12, 527, 157, 18}, {15, 684, 244, 27}},
};

void SetPointer(int x, int y) {
    pointerX = x;
    pointerY = y;
    pointerMoved = 1;
}

}  // namespace

bool InHomePageLabel(int game, int res, int x, int y) {
    const LabelRect& r = HomePageLabelRects[game ? 1 : 0][res];
    return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
}

void MainWindowHandler::OnPaint(const platform::Rect& r) {
    if (gameState == -1)
        platform::PresentRect(pristineBackground, r);
    else
        PresentGameRect(r);
}

void MainWindowHandler::OnMouseMove(int x, int y) {
    // Moves seen while another window has the focus are not the player's.
    if (platform::MainWindowHasFocus()) SetPointer(x, y);
}

void MainWindowHandler::OnLeftButtonDown(int x, int y) {
    SetPointer(x, y);
    if (gameState != -1 && InHomePageLabel(currentGame, resolution, x, y)) {
        OnCommand(cmd::HomePage);
        return;
    }
    pointerClicked = 1;
}

void MainWindowHandler::OnRightButtonDown() {
    if (subState == 2) cancelRequested = 1;
}

void MainWindowHandler::OnKeyDown(platform::Key key) {
    using platform::Key;
    switch (key) {
        case Key::Enter:
        case Key::Space:
            choiceConfirmed = 1;
            break;
        case Key::Escape:
            // Going back from the choice of a table card comes first.
            if (subState == 2)
                cancelRequested = 1;
            else if (platform::IsFullScreen())
                ChooseFullScreen(false);
            break;
        case Key::Left:
        case Key::Right:
            previousCursorSlot = cursorSlot;
            cursorSlot += key == Key::Left ? -1 : 1;
            redrawRequested = 1;
            if (subState >= 1 && subState <= 4) PlaySoundEffect(sfx::CursorMove);
            break;
        case Key::Other:
            break;
    }
}

void MainWindowHandler::OnCloseRequest() {
    AskToQuit();
}

void MainWindowHandler::OnPixelRatioChange() {
    ChangePixelRatio();
}
