// A card turning over in place: the back narrows to an edge four pixels wide,
// the face widens from it, every frame centred on the card.
#pragma once
#include <cstdint>

namespace table {

constexpr int TurnOverFrames = 7;
constexpr uint32_t TurnOverFrameMs = 50;

struct TurnOverFrame {
    bool face;  // the face shows, not the back
    int width;  // of the narrowed card, on a card w wide
    int x;      // its offset from the card's left edge
};

// Frame `frame` (0..6) of a card w wide; the last frame is the whole face.
TurnOverFrame TurnOverFrameOf(int frame, int w);

}  // namespace table
