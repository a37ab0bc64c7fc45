// The choices of the computer players ＣＯＭ１ and ＣＯＭ２.
#pragma once

// The hand slot to play: the best capture, a yaku-completing one first.
int HanaChooseHandCard(int player);
// The hand slot to throw away when no hand card can take anything.
int HanaChooseDiscard(int player);
// Which of two field slots (in matchSlots order) the played card takes.
int HanaChooseFieldCard(int player, int a, int b);
