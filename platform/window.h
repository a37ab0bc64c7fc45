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
};

// A menu bar: popups hold items, separators and popups.
struct MenuItem {
    enum Kind { Command, Separator, Popup } kind = Command;
    int id = 0;
    std::string text;  // with & before the mnemonic
    bool grayed = false;
    bool checkable = false;       // shows a check mark when checked
    std::vector<MenuItem> items;  // of a popup
};

bool CreateMainWindow(const std::string& caption, const std::vector<MenuItem>& menu,
                      WindowHandler* handler, int clientWidth, int clientHeight);
void DestroyMainWindow();
bool MainWindowExists();

// Fixes the client size and centres the window on the desktop; on an axis
// where the desktop is too small the window goes to 0.
void PlaceMainWindow(int clientWidth, int clientHeight);
Rect MainWindowFrame();  // outer rectangle, screen coordinates
Size DesktopSize();

bool MainWindowHasFocus();
void GiveMainWindowFocus();

// Copies a rectangle of `source` to the window and shows it at once, so cards
// moving inside one step of a game are seen.
void PresentRect(const Surface& source, const Rect& r);
// Paint the rectangle again (through the handler's OnPaint) now.
void RepaintWindow(const Rect& r);
// What the window shows: the last presented pixels (tests look at it).
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

void ShowTitleWindow(const std::string& caption, const Surface& picture);
void CloseTitleWindow();

void SetWindowIcon(const Surface& large, const Surface& small);

}  // namespace platform
