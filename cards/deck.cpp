#include "cards/deck.h"

#include "cards/random.h"

void ShuffleDeck(int deck[CardCount]) {
    int left[CardCount];
    for (int c = 0; c < CardCount; ++c) left[c] = c;
    for (int i = 0; i < CardCount; ++i) {
        const int count = CardCount - i;
        const int r = Random() % count;
        deck[i] = left[r];
        for (int j = r; j < count - 1; ++j) left[j] = left[j + 1];
    }
}
