// Modal dialogs from templates, and message boxes.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace platform {

// Control and dialog sizes are in dialog units, converted with the dialog's
// font as the old dialog manager did: x * baseX / 4, y * baseY / 8.
struct DialogControl {
    enum Kind { PushButton, DefaultButton, Radio, GroupBox, Static } kind;
    int id;  // -1 for controls nobody addresses
    std::string text;
    int x, y, w, h;
    bool groupStart = false;  // a radio that starts its group
};

struct DialogTemplate {
    int number;
    std::string caption;
    int width, height;
    // "System" dialogs lay out in the main window's font, the others in the
    // 9 pt dialog font.
    bool systemFont = true;
    std::vector<DialogControl> controls;
    bool closeBox = true;  // a system menu with the close box
};

class Dialog;

// Keys a dialog's procedure may take before its buttons do.
enum class DialogKey { Enter, Space, Left, Right, Up, Down, Other, Tab };

// The procedure of one dialog. Commands come by control id: 1 for OK or
// Enter on the default button, 2 for Esc and the close box.
class DialogProc {
  public:
    virtual ~DialogProc() = default;
    virtual void OnInit(Dialog&) {}
    virtual void OnCommand(Dialog& dialog, int id);  // default: end with 1
    // Paints the dialog's face (already filled with the face colour).
    virtual void OnPaint(Dialog&, Surface&) {}
    // The pointer over the dialog's face, in client pixels.
    virtual void OnMouseMove(Dialog&, int /*x*/, int /*y*/) {}
    virtual void OnLeftButtonDown(Dialog&, int /*x*/, int /*y*/) {}
    // A key pressed anywhere in the dialog; true when the procedure used it
    // (the buttons then do not see it).
    virtual bool OnKeyDown(Dialog&, DialogKey) { return false; }
};

class Dialog {
  public:
    virtual ~Dialog() = default;
    virtual void CheckButton(int id, bool checked) = 0;
    virtual bool IsButtonChecked(int id) const = 0;
    virtual void EnableItem(int id, bool enabled) = 0;
    virtual bool IsItemEnabled(int id) const = 0;
    virtual void SetFocusItem(int id) = 0;
    // The control with the keyboard focus, -1 for none.
    virtual int FocusItem() const = 0;
    // The push button drawn as chosen (with the default frame), the one
    // Enter presses: the focused push button, else the template's default
    // button; never a disabled one. -1 for none.
    virtual int ChosenButton() const = 0;
    virtual void Invalidate() = 0;
    virtual void End(int result) = 0;
    // Whether End has been called (tests that act inside a dialog).
    virtual bool HasEnded() const = 0;
    virtual Size ClientSize() const = 0;
    // Sizes laid out at run time, in pixels; the dialog stays centred on the
    // main window.
    virtual void SetClientSize(int width, int height) = 0;
    virtual void MoveItem(int id, int x, int y, int width, int height) = 0;
    virtual Rect ItemRect(int id) const = 0;
    // What a player's click on the control does (tests).
    virtual void Click(int id) = 0;
    // The dialog as shown (tests).
    virtual Surface Snapshot() = 0;
    // The player's pointer and keys, as the window would deliver them (tests).
    virtual void SendMouseMove(int x, int y) = 0;
    virtual void SendLeftButtonDown(int x, int y) = 0;
    // A key pressed and released on the control with the focus.
    virtual void SendKey(DialogKey key) = 0;
};

// Shows the dialog modally, owned by the dialog that is open (else by the
// main window) and centred over its owner; returns the value passed to End.
int DialogBox(const DialogTemplate& tmpl, DialogProc& proc);

enum class BoxButtons { Ok, YesNo };
enum class BoxIcon { None, Hand, Question };
enum class BoxAnswer { Ok, Yes, No };

// Yes/No boxes answer with はい/いいえ; はい is the default that Enter takes
// until the focus moves to いいえ. Boxes over the main window are owned by it
// and centred over it.
BoxAnswer MessageBox(const std::string& text, const std::string& caption, BoxButtons buttons,
                     BoxIcon icon, bool overMainWindow = true);

namespace testing {
// Called with every dialog once it is up, inside its own loop.
void SetDialogHook(std::function<void(Dialog&, int templateNumber)> hook);
// Answers message boxes instead of showing them.
void SetMessageBoxHook(
    std::function<BoxAnswer(const std::string& text, const std::string& caption)> hook);
}  // namespace testing

}  // namespace platform
