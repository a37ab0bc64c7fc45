// Sets of cards as 48-bit masks, for the rules that ask "is this card
// among those" many times per capture.
#pragma once
#include <cstdint>

using CardSet = uint64_t;

// The card's bit; none for an empty slot (-1).
inline CardSet CardBit(int card) {
    return (CardSet{1} << (card & 63)) & -CardSet(card >= 0);
}

// The cards in `count` slots, empty ones skipped.
inline CardSet CardsIn(const int* slots, int count) {
    CardSet set = 0;
    for (int i = 0; i < count; ++i) set |= CardBit(slots[i]);
    return set;
}

// Bit m set for every month m with a card in `set`.
inline unsigned MonthsOf(CardSet set) {
    unsigned months = 0;
    for (int m = 0; m < 12; ++m) months |= unsigned((set >> (4 * m) & 0xF) != 0) << m;
    return months;
}

inline unsigned MonthBit(int card) {
    return 1u << (static_cast<unsigned>(card) >> 2);
}
