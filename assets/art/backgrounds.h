// The three table surfaces of each game, at table size.
#pragma once
#include <QImage>

namespace assets::art {

// game 0 Koi-Koi, 1 Hana-awase; choice 0 felt, 1 lacquered wood, 2 patterned washi.
QImage TableBackground(QSize size, int game, int choice, double ratio = 1.0);

}  // namespace assets::art
