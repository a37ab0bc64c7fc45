// How the painted dialogs of the Koi-Koi table behave: centred over the main
// window, text in charWidth x charHeight cells on the dialog face colour (the
// text as every table writes it), sizes computed as outer sizes with the
// frame included.
#pragma once
#include "core/program.h"
#include "platform/dialog.h"
#include "table/dialog_text.h"

namespace koiui {

using table::FaceColor;
using table::TextColor;
using table::WriteText;

// A dialog that keeps its template's size, one pixel added each way.
inline void KeepTemplateSize(platform::Dialog& d) {
    const platform::Size s = d.ClientSize();
    d.SetClientSize(s.width + 1, s.height + 1);
}

// Widens a dialog whose text needs more room than its template gives,
// keeping its OK button centred under it.
inline void FitWidth(platform::Dialog& d, int width) {
    const platform::Size s = d.ClientSize();
    if (s.width >= width) return;
    d.SetClientSize(width, s.height);
    const platform::Rect ok = d.ItemRect(1);
    d.MoveItem(1, (width - ok.Width()) / 2, ok.top, ok.Width(), ok.Height());
}

// A dialog sized at run time as an outer width x height, the frame included.
inline void SetOuterSize(platform::Dialog& d, int width, int height) {
    d.SetClientSize(width - frameExtraWidth, height - frameExtraHeight);
}

}  // namespace koiui
