// The main window, its menu bar and the title window.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace platform {

enum class Key { Enter, Space, Escape, Left, Right, Other };

// What the window reports. The handler never advances a game: it records
// input and carries out commands.
class WindowHandler {
  public:
    virtual ~WindowHandler() = default;
    virtual void OnPaint(const Rect& r) = 0;
    virtual void OnMouseMove(int x, int y) = 0;
    virtual void OnLeftButtonDown(int x, int y) = 0;
    virtual void OnRightButtonDown() = 0;
    virtual void OnKeyDown(Key key) = 0;
    virtual void OnCommand(int id) = 0;
    // The close box or Alt+F4.
    virtual void OnCloseRequest() = 0;
    // The window now shows the table at another number of device pixels to
    // a table pixel (moved to another screen, maximised, full screen):
    // TablePixelRatio says which; the pictures shown meanwhile are scaled.
    virtual void OnPixelRatioChange() {}
};

// A menu bar: popups hold items, separators and popups.
struct MenuItem {
    enum Kind { Command, Separator, Popup } kind = Command;
    int id = 0;
    std::string text;  // with & before the mnemonic
    bool grayed = false;
    bool checkable = false;       // shows a check mark when checked
    std::vector<MenuItem> items;  // of a popup
    std::string shortcut;         // a key that runs the command ("F11"), shown beside it
};

bool CreateMainWindow(const std::string& caption, const std::vector<MenuItem>& menu,
                      WindowHandler* handler, int clientWidth, int clientHeight);
void DestroyMainWindow();
bool MainWindowExists();

// Sets the table's size in table pixels (the client size of the window). A
// window in its normal state gets exactly that client size and is centred
// on the desktop (on an axis where the desktop is too small it goes to 0); a
// maximised or full-screen window keeps its size and shows the table scaled
// to fit, centred, the margins filled with the surround colour.
void PlaceMainWindow(int clientWidth, int clientHeight);
Rect MainWindowFrame();  // outer rectangle, screen coordinates
Size DesktopSize();

// Device pixels to a table pixel at which the window shows a table of this
// size now: the screen's device pixel ratio times the table's scale (1 in a
// normal window). Pictures drawn at this ratio are shown pixel for pixel.
double TablePixelRatio(int tableWidth, int tableHeight);
// The device pixel ratio of the primary screen (pictures before the window).
double ScreenPixelRatio();

// Full screen: the table fills the screen below the menu bar as far as it
// fits. Before the window is made this says how it will be shown.
void SetFullScreen(bool on);
bool IsFullScreen();
// The colour of the margins round a scaled table: the average of the
// outermost pixels of `background`, so the table seems to go on.
void SetSurround(const Surface& background);

bool MainWindowHasFocus();
void GiveMainWindowFocus();

// Shows a rectangle of `source` in the window at once, so cards moving
// inside one step of a game are seen. The window paints from `source`, which
// must live as long as the window shows it (the program's table surfaces).
void PresentRect(const Surface& source, const Rect& r);
// While held, presented rectangles reach what the window shows but the
// window is painted only when the hold ends: a table drawn again whole
// appears at once, in one paint.
void HoldPresents(bool hold);
// Paint the rectangle again (through the handler's OnPaint) now.
void RepaintWindow(const Rect& r);
// The picture the window shows, last presented (tests look at it).
const Surface& ScreenImage();

void CheckMenuItem(int id, bool checked);
bool IsMenuItemChecked(int id);
void EnableMenuItem(int id, bool enabled);
bool IsMenuItemEnabled(int id);
// Shows every menu entry again in the current language.
void RetranslateMenu();
// The text of every menu entry as shown, in menu order (tests).
std::vector<std::string> MenuTexts();
// Runs a menu command as if chosen (tests; the banner click).
void SendCommand(int id);

namespace testing {
// The pointer at (x, y) of the window's table widget in its own (logical)
// pixels, moved or pressed with the left button, as Qt would deliver it.
void MovePointer(double x, double y);
void PressPointer(double x, double y);
// The table's place in the widget: the device pixels of its left and top
// edge and the ratio it is shown at.
struct TableView {
    int left, top;
    double ratio, devicePixelRatio;
};
TableView CurrentTableView();
}  // namespace testing

void ShowTitleWindow(const std::string& caption, const Surface& picture);
void CloseTitleWindow();

void SetWindowIcon(const Surface& large, const Surface& small);

}  // namespace platform
