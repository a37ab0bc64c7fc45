// Decks the shuffle gives for a few fixed seeds, in dealing order. Both games
// shuffle alike, and kept games and traces rely on these decks not changing.
#pragma once

#include <cstdint>

struct GoldenDeck {
    uint32_t seed;
    int cards[48];
};

inline constexpr GoldenDeck GoldenDecks[] = {
    {1, {41, 44, 32, 42, 29, 30, 12, 2,  3,  14, 7,  33, 34, 37, 47, 40,
         24, 10, 43, 19, 36, 39, 4,  6,  9,  17, 38, 13, 45, 5,  25, 0,
         15, 16, 23, 28, 46, 31, 21, 18, 35, 22, 11, 26, 8,  27, 20, 1}},
    {99, {25, 17, 35, 31, 23, 18, 46, 43, 19, 47, 0,  13, 45, 11, 6,  14,
          33, 42, 41, 21, 4,  1,  28, 40, 30, 16, 32, 5,  20, 27, 3,  37,
          38, 26, 36, 8,  24, 29, 22, 34, 15, 2,  10, 44, 9,  7,  12, 39}},
};
