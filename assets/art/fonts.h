// The faces our pictures are lettered in, with a Japanese fallback when a
// preferred face is not installed.
#pragma once
#include <QFont>
#include <QString>

namespace assets::art {

QFont BrushFont(int pixels);   // banners and the title: a brush hand
QFont GothicFont(int pixels);  // labels, names, digits
QFont MinchoFont(int pixels);  // writing on the poetry ribbons
// Bold Latin capitals and lower case for the English banners and plates,
// where the brush hand has no Latin letters of its own.
QFont DisplayFont(int pixels);

// Whether the pictures are lettered in English (else in Japanese), and a
// picture's text in the language chosen.
bool LetteredInEnglish();
QString Lettering(const char* text);

}  // namespace assets::art
