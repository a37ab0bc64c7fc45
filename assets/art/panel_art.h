// The status panel's glyph sheets: a picture row and a mask row for each of
// the three backgrounds of a game, coloured to read on that background.
#pragma once
#include <QImage>

namespace assets::art {

// game 0 Koi-Koi (digits and 文), 1 Hana-awase (digits, minus, plus and 点).
// Each is `size` logical pixels drawn at `ratio`.
QImage DigitSheet(QSize size, int game, int digitWidth, double ratio = 1.0);
QImage PlateSheet(QSize size, int game, double ratio = 1.0);
QImage NameSheet(QSize size, int game, double ratio = 1.0);

}  // namespace assets::art
