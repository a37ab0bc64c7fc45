// Captured cards are kept in piles sorted by card; a turn's captures are
// filed at the end of their pile first and sorted in when the turn ends.
#pragma once

// `pile` holds `count` cards, of which the last `freshCount` are this turn's,
// listed in the order they were taken in `fresh`. Inserts them one by one
// into the sorted part, after any equal card, so the whole pile is sorted.
void MergeFreshIntoPile(int* pile, int count, const int* fresh, int freshCount);
