// Sets of cards as 48-bit masks, for the rules that ask "is this card
// among those" many times per capture.
#pragma once
#include <array>
#include <cstdint>

using CardSet = uint64_t;

namespace card_sets_detail {
constexpr std::array<CardSet, 49> MakeCardBits() {
    std::array<CardSet, 49> bits{};
    for (int c = 0; c < 48; ++c) bits[c + 1] = CardSet{1} << c;
    return bits;
}
inline constexpr std::array<CardSet, 49> CardBits = MakeCardBits();
}  // namespace card_sets_detail

// The card's bit; none for an empty slot (-1).
inline CardSet CardBit(int card) {
    return card_sets_detail::CardBits[card + 1];
}

// The cards in `count` slots, empty ones skipped.
inline CardSet CardsIn(const int* slots, int count) {
    CardSet set = 0;
    for (int i = 0; i < count; ++i) set |= CardBit(slots[i]);
    return set;
}

// Bit m set for every month m with a card in `set`: each month's four bits
// are folded into one, and the twelve are then packed together.
inline unsigned MonthsOf(CardSet set) {
    CardSet x = set | set >> 1;
    x = (x | x >> 2) & 0x111111111111;  // bit 4m: month m
    x = (x | x >> 3) & 0x030303030303;  // bits 8j, 8j + 1: months 2j, 2j + 1
    x = (x | x >> 6) & 0x000F000F000F;  // bits 16i .. 16i + 3: months 4i .. 4i + 3
    return static_cast<unsigned>((x & 0xF) | (x >> 12 & 0xF0) | (x >> 24 & 0xF00));
}

inline unsigned MonthBit(int card) {
    return 1u << (static_cast<unsigned>(card) >> 2);
}
