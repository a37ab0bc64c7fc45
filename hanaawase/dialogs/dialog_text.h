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

// In the current language: the magnitude in full-width digits in Japanese,
// in Arabic numerals in English; with the unit, "２０点" or "20 points"; the
// player's name.
std::string HanaNumber(int n);
std::string HanaPoints(int n);
// Signed English points, "+120 points", "±0 points", "-88 points".
std::string HanaSignedPoints(int n);
std::string HanaPlayerName(int p);
// Whether the dialogs are in Japanese, laid out as they always were.
bool HanaInJapanese();

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
