// The program's one random generator, a linear congruential generator shared
// by both games: state = state * 214013 + 2531011 (mod 2^32), each draw
// returning (state >> 16) & 0x7FFF. Seeded once, from the clock in the game
// and from --seed in kirabo-sim.
#pragma once
#include <cstdint>

void SeedRandom(uint32_t seed);
int Random();  // 0 .. 32767
// The generator's state, so a kept game goes on with the same draws.
uint32_t RandomState();
