// How the painted dialogs of the tables behave, whichever game opens them:
// centred over the main window, text in charWidth x charHeight cells on the
// dialog face colour, sizes computed as outer sizes with the frame included.
// Nothing here knows a game; any table's dialogs can use it.
#pragma once
#include <string_view>

#include "app/program.h"
#include "platform/dialog.h"

namespace koiui {

inline platform::Color FaceColor() {
    return platform::GetSysColor(platform::SysColor::BtnFace);
}
inline platform::Color TextColor() {
    return platform::GetSysColor(platform::SysColor::WindowText);
}

// Writes text in the dialog's font on the face colour.
inline void WriteText(platform::Surface& face, int x, int y, std::string_view text,
                      platform::Color color = TextColor(),
                      platform::Color background = FaceColor()) {
    platform::TextOut(face, x, y, text, color, background, true, platform::Font::MainWindow);
}

// A dialog that keeps its template's size, one pixel added each way.
inline void KeepTemplateSize(platform::Dialog& d) {
    const platform::Size s = d.ClientSize();
    d.SetClientSize(s.width + 1, s.height + 1);
}

// A dialog sized at run time as an outer width x height, the frame included.
inline void SetOuterSize(platform::Dialog& d, int width, int height) {
    d.SetClientSize(width - frameExtraWidth, height - frameExtraHeight);
}

}  // namespace koiui
