#include "cards/piles.h"

void MergeFreshIntoPile(int* pile, int count, const int* fresh, int freshCount) {
    for (int i = 0; i < freshCount; ++i) {
        const int card = fresh[i];
        const int sorted = count - freshCount + i;
        int q = 0;
        while (q < sorted && pile[q] <= card) ++q;
        for (int j = sorted; j > q; --j) pile[j] = pile[j - 1];
        pile[q] = card;
    }
}
