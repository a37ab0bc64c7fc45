// What the Hana-awase dialogs share: numbers in full-width digits, signs,
// the players' names, and text placed in the main window's character cells
// on the dialog face.
#pragma once
#include <string>

#include "platform/surface.h"

// The magnitude of n in full-width digits ("０" for 0); 10000 and above
// show as "９９９９".
std::string HanaFullWidthNumber(int n);
// "＋" above 0, "±" for 0, "－" below.
const char* HanaSignText(int n);
extern const char* const HanaPlayerNames[3];

// Text at column c, line r of the dialog's character cells.
struct HanaDialogFace {
    platform::Surface& face;
    void Text(int column, int line, const std::string& text) const;
    // At pixel (x, y), in the window text colour on `background`.
    void TextAt(int x, int y, const std::string& text, platform::Color background) const;
    void TextAt(int x, int y, const std::string& text) const;
};

// The upright card face 1:1 onto a dialog face.
void HanaBlitCard(platform::Surface& face, int x, int y, int card);
// Card size at the current resolution.
int HanaDialogCardWidth();
int HanaDialogCardHeight();
