// Text on a painted dialog's face, whichever game opens the dialog: the
// window text colour on the face colour, in the main window's font, so that
// text lines up with the charWidth x charHeight cells the dialogs are laid
// out in.
#pragma once
#include <functional>
#include <string_view>

#include "platform/surface.h"

namespace table {

inline platform::Color FaceColor() {
    return platform::GetSysColor(platform::SysColor::BtnFace);
}
inline platform::Color TextColor() {
    return platform::GetSysColor(platform::SysColor::WindowText);
}

namespace testing {
// Called with every text a dialog face is given and the box it fills (tests
// that read what the player is shown); none by default.
using WrittenTextHook = std::function<void(std::string_view text, const platform::Rect& box)>;
void SetWrittenTextHook(WrittenTextHook hook);
void ReportWrittenText(std::string_view text, int x, int y);
}  // namespace testing

// Writes text at (x, y) of the face, its extent filled with `background`.
inline void WriteText(platform::Surface& face, int x, int y, std::string_view text,
                      platform::Color color = TextColor(),
                      platform::Color background = FaceColor()) {
    testing::ReportWrittenText(text, x, y);
    platform::TextOut(face, x, y, text, color, background, true, platform::Font::MainWindow);
}

}  // namespace table
