// Text on a painted dialog's face, whichever game opens the dialog: the
// window text colour on the face colour, in the main window's font, so that
// text lines up with the charWidth x charHeight cells the dialogs are laid
// out in.
#pragma once
#include <string_view>

#include "platform/surface.h"

namespace table {

inline platform::Color FaceColor() {
    return platform::GetSysColor(platform::SysColor::BtnFace);
}
inline platform::Color TextColor() {
    return platform::GetSysColor(platform::SysColor::WindowText);
}

// Writes text at (x, y) of the face, its extent filled with `background`.
inline void WriteText(platform::Surface& face, int x, int y, std::string_view text,
                      platform::Color color = TextColor(),
                      platform::Color background = FaceColor()) {
    platform::TextOut(face, x, y, text, color, background, true, platform::Font::MainWindow);
}

}  // namespace table
