// The faces our pictures are lettered in, with a Japanese fallback when a
// preferred face is not installed.
#pragma once
#include <QFont>

namespace assets::art {

QFont BrushFont(int pixels);   // banners and the title: a brush hand
QFont GothicFont(int pixels);  // labels, names, digits
QFont MinchoFont(int pixels);  // writing on the poetry ribbons

}  // namespace assets::art
