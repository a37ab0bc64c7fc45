// The 48 hanafuda cards shared by both games.
//
// A card is an int 0..47; its month is card / 4 (0 = 松 ... 11 = 桐) and the
// four cards of a month run from the highest-valued to the lowest. -1 marks an
// empty slot in every card array.
#pragma once

constexpr int CardCount = 48;
constexpr int CardBack = 48;  // image 48 of a card set is the back
constexpr int NoCard = -1;

// Card value: 20 (光), 10 (タネ), 5 (タン) or 1 (カス).
extern const int CardValue[CardCount];

inline int MonthOf(int card) {
    return card / 4;
}
inline bool IsSameMonth(int a, int b) {
    return a / 4 == b / 4;
}

// Captured cards are filed in four categories: 0 光, 1 タネ, 2 タン, 3 カス.
int CategoryOf(int card);
